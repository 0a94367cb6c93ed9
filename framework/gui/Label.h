#pragma once
// Text painted on the parent, optionally sized to fit and transparent.

#include "framework/gui/GraphicControl.h"

namespace fw {

class TLabel : public TGraphicControl {
    FW_CLASS(TLabel, TGraphicControl)

    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);

    void Loaded() override;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    win::UINT TextFormat() const;
    void AdjustBounds();

    bool FAutoSize = true;
    bool FTransparent = false;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FWordWrap = false;
};

} // namespace fw
