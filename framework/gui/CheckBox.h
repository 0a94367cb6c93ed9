#pragma once
// Check boxes and radio buttons on the platform's Button class; Checked follows
// the window's check state, and a user's toggle clicks the control; "&X" in
// the caption focuses and toggles (checks) it like the button accelerators.

#include "framework/gui/WinControl.h"

namespace fw {

class TButtonControl : public TWinControl {
    FW_CLASS(TButtonControl, TWinControl)

    explicit TButtonControl(TComponent* owner);

    bool Checked() const;
    void SetChecked(bool checked);

protected:
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool FChecked = false;
};

class TCheckBox : public TButtonControl {
    FW_CLASS(TCheckBox, TButtonControl)

    explicit TCheckBox(TComponent* owner) : TButtonControl(owner) {}

protected:
    void CreateParams(TCreateParams& params) override;
};

class TRadioButton : public TButtonControl {
    FW_CLASS(TRadioButton, TButtonControl)

    explicit TRadioButton(TComponent* owner) : TButtonControl(owner) {}

protected:
    void CreateParams(TCreateParams& params) override;
};

} // namespace fw
