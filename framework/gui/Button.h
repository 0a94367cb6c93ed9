#pragma once
// A push button on the platform's Button class. Its click comes back from the
// window as a reflected BN_CLICKED; Click() in code runs the handler at once.
// Enter clicks the focused button, or the Default one while the focus is on a
// control that is not a button; Escape clicks the Cancel button; "&X" in the
// caption makes Alt+X (or X where the focus takes no characters) click it.
// A MultiLine button wraps its caption.

#include "framework/gui/WinControl.h"

namespace fw {

class TButton : public TWinControl {
    FW_CLASS(TButton, TWinControl)

    explicit TButton(TComponent* owner);

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int result) { FModalResult = result; }
    // The caption wraps onto more lines where it does not fit.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool multiLine);

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // The window style for a button that Enter would click (active) or not.
    virtual win::DWORD ButtonStyle(bool active) const;
    // Whether Enter clicks this button now.
    bool Active() const { return FActive; }

private:
    // ButtonStyle with the style bits of the button's other properties.
    win::DWORD WindowButtonStyle(bool active) const;
    void UpdateActive(const TControl* focused);
    bool DialogKey(const TMessage& message);

    bool FActive = false;
    bool FDefault = false;
    bool FCancel = false;
    bool FMultiLine = false;
    int FModalResult = 0;
};

} // namespace fw
