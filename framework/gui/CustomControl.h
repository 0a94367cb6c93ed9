#pragma once
// A windowed control that paints itself with a canvas (panels and the like).

#include "framework/gui/Canvas.h"
#include "framework/gui/WinControl.h"

namespace fw {

class TCustomControl : public TWinControl {
    FW_CLASS(TCustomControl, TWinControl)

    explicit TCustomControl(TComponent* owner);

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    void PaintWindow(win::HDC dc) override;
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace fw
