#pragma once
// A container with a raised or lowered bevel and a centred caption. A
// transparent panel shows its parent's background instead of its colour.
// TCustomPanel does the work; TPanel publishes it.

#include "framework/gui/CustomControl.h"

namespace fw {

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
FW_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace");

class TCustomPanel : public TCustomControl {
    FW_CLASS(TCustomPanel, TCustomControl)

    explicit TCustomPanel(TComponent* owner);

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut bevel);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

protected:
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    void DrawBevel(win::RECT& rect, TBevelCut bevel);

    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    TBevelCut FBevelInner = TBevelCut::bvNone;
    bool FTransparent = false;
};

class TPanel : public TCustomPanel {
    FW_CLASS(TPanel, TCustomPanel)

    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

} // namespace fw
