#pragma once
// A control without a window, painted by its parent on the parent's device
// context: the parent passes it WM_PAINT with the context in wParam, already
// moved to the control's origin and clipped to its bounds.

#include "framework/gui/Canvas.h"
#include "framework/gui/Control.h"

namespace fw {

class TGraphicControl : public TControl {
    FW_CLASS(TGraphicControl, TControl)

    explicit TGraphicControl(TComponent* owner);

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    void WndProc(TMessage& message) override;
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace fw
