#pragma once
// A container with an etched frame and its caption set into the top edge.
// Aligned children keep clear of frame and caption. Its "&X" accelerator
// moves the focus to the first tab stop inside it.

#include "framework/gui/CustomControl.h"

namespace fw {

class TGroupBox : public TCustomControl {
    FW_CLASS(TGroupBox, TCustomControl)

    explicit TGroupBox(TComponent* owner);

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void AlignControls(win::RECT& rect) override;
    // The height of a line of the caption's font.
    int CaptionHeight() const;
};

} // namespace fw
