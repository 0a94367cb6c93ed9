#include "framework/gui/CheckBox.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/DialogKeys.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

const TClassInfo& TButtonControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TButtonControl, TWinControl>("TButtonControl")
            .Property("Checked", &TButtonControl::Checked, &TButtonControl::SetChecked)
            .Build();
    return info;
}

const TClassInfo& TCheckBox::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCheckBox, TButtonControl>("TCheckBox")
            .Property("State", &TCheckBox::State, &TCheckBox::SetState)
            .Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
            .Build();
    return info;
}

const TClassInfo& TRadioButton::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TRadioButton, TButtonControl>("TRadioButton").Build();
    return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 97, 17);
    // Check boxes and radio buttons sit on their parent's background.
    SetParentColor(true);
    SetTabStop(true);
    SetMouseClicks(false);
}

bool TButtonControl::Checked() const {
    return CheckState() == win::BST_CHECKED;
}

void TButtonControl::SetChecked(bool checked) {
    SetCheckState(checked ? win::BST_CHECKED : win::BST_UNCHECKED);
}

win::WPARAM TButtonControl::CheckState() const {
    if (!HandleAllocated())
        return FCheckState;
    return static_cast<win::WPARAM>(
        win::SendMessage(const_cast<TButtonControl*>(this)->Handle(), win::BM_GETCHECK, 0, 0));
}

void TButtonControl::SetCheckState(win::WPARAM state) {
    FCheckState = state;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::BM_SETCHECK, state, 0);
}

void TButtonControl::CreateWnd() {
    TWinControl::CreateWnd();
    SetCheckState(FCheckState);
}

void TButtonControl::DestroyWnd() {
    FCheckState = CheckState();
    TWinControl::DestroyWnd();
}

void TButtonControl::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && (message.WParam >> 16) == win::BN_CLICKED) {
        Toggle();
        Click();
        return;
    }
    // "&X" focuses the control and toggles a check box or checks a radio
    // button, as a click would (the window's click reports back as BN_CLICKED).
    if (IsAccelFor(message, *this)) {
        SetFocus();
        if (Focused())
            win::SendMessage(Handle(), win::BM_CLICK, 0, 0);
        message.Result = 1;
        return;
    }
    TWinControl::WndProc(message);
}

TCheckBoxState TCheckBox::State() const {
    switch (CheckState()) {
    case win::BST_CHECKED:
        return TCheckBoxState::cbChecked;
    case win::BST_INDETERMINATE:
        return TCheckBoxState::cbGrayed;
    default:
        return TCheckBoxState::cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState state) {
    SetCheckState(state == TCheckBoxState::cbChecked  ? win::BST_CHECKED
                  : state == TCheckBoxState::cbGrayed ? win::BST_INDETERMINATE
                                                      : win::BST_UNCHECKED);
}

void TCheckBox::Toggle() {
    switch (State()) {
    case TCheckBoxState::cbUnchecked:
        SetState(FAllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
        break;
    case TCheckBoxState::cbChecked:
        SetState(TCheckBoxState::cbUnchecked);
        break;
    case TCheckBoxState::cbGrayed:
        SetState(TCheckBoxState::cbChecked);
        break;
    }
}

// The framework turns the state itself (Toggle), so the window may show grayed.
void TCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = win::WC_BUTTON;
    params.Style |= win::BS_3STATE;
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = win::WC_BUTTON;
    params.Style |= win::BS_AUTORADIOBUTTON;
}

} // namespace fw
