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
    static const TClassInfo info = TClassBuilder<TCheckBox, TButtonControl>("TCheckBox").Build();
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
    if (!HandleAllocated())
        return FChecked;
    return win::SendMessage(const_cast<TButtonControl*>(this)->Handle(), win::BM_GETCHECK, 0, 0) ==
           win::BST_CHECKED;
}

void TButtonControl::SetChecked(bool checked) {
    FChecked = checked;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::BM_SETCHECK,
                         checked ? win::BST_CHECKED : win::BST_UNCHECKED, 0);
}

void TButtonControl::CreateWnd() {
    TWinControl::CreateWnd();
    SetChecked(FChecked);
}

void TButtonControl::DestroyWnd() {
    FChecked = Checked();
    TWinControl::DestroyWnd();
}

void TButtonControl::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && (message.WParam >> 16) == win::BN_CLICKED) {
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

void TCheckBox::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = win::WC_BUTTON;
    params.Style |= win::BS_AUTOCHECKBOX;
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TButtonControl::CreateParams(params);
    params.BaseClassName = win::WC_BUTTON;
    params.Style |= win::BS_AUTORADIOBUTTON;
}

} // namespace fw
