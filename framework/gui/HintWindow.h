#pragma once
// The window a hint is shown in: the platform's tracking tip in the hint
// colour and font, owned by the application's window, never activated. Its
// size comes from CalcHintRect (the text wrapped at a maximum width);
// ActivateHint shows it at a rectangle's top-left corner, kept on the screen;
// ReleaseHandle hides it.

#include "framework/gui/WinControl.h"

#include <string>

namespace fw {

class THintWindow : public TWinControl {
    FW_CLASS(THintWindow, TWinControl)

    explicit THintWindow(TComponent* owner);

    // The window rectangle, at (0, 0), that shows hint with its lines at most
    // maxWidth pixels wide. data is for hint windows that draw more than text.
    virtual win::RECT CalcHintRect(int maxWidth, const std::string& hint, void* data = nullptr);
    virtual void ActivateHint(win::RECT rect, const std::string& hint);
    void ReleaseHandle();
    bool Showing() const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void ColorChanged() override;
    void FontChanged() override;

private:
    // The one tool of the tip, with text (which the tip keeps).
    void SetTipText(const std::string& text);
    win::LRESULT SendToTool(win::UINT message, win::WPARAM wParam, const std::string* text);
};

} // namespace fw
