#pragma once
// Check boxes and radio buttons on the platform's Button class; Checked follows
// the window's check state, and a user's toggle clicks the control; "&X" in
// the caption focuses and toggles (checks) it like the button accelerators.
// A check box also has a grayed State, which a user's toggle passes through
// when AllowGrayed is set.

#include "framework/gui/WinControl.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
FW_ENUM_NAMES(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed");

class TButtonControl : public TWinControl {
    FW_CLASS(TButtonControl, TWinControl)

    explicit TButtonControl(TComponent* owner);

    bool Checked() const;
    void SetChecked(bool checked);

protected:
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& message) override;
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE, with or without a window.
    win::WPARAM CheckState() const;
    void SetCheckState(win::WPARAM state);
    // What a user's click does before OnClick: the window has done it already.
    virtual void Toggle() {}

private:
    win::WPARAM FCheckState = win::BST_UNCHECKED;
};

class TCheckBox : public TButtonControl {
    FW_CLASS(TCheckBox, TButtonControl)

    explicit TCheckBox(TComponent* owner) : TButtonControl(owner) {}

    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool allowGrayed) { FAllowGrayed = allowGrayed; }

protected:
    void CreateParams(TCreateParams& params) override;
    // Unchecked goes to checked (grayed first when AllowGrayed), checked to
    // unchecked, grayed to checked.
    void Toggle() override;

private:
    bool FAllowGrayed = false;
};

class TRadioButton : public TButtonControl {
    FW_CLASS(TRadioButton, TButtonControl)

    explicit TRadioButton(TComponent* owner) : TButtonControl(owner) {}

protected:
    void CreateParams(TCreateParams& params) override;
};

} // namespace fw
