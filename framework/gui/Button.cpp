#include "framework/gui/Button.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Form.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TButton, TWinControl>("TButton")
            .Property("Default", &TButton::Default, &TButton::SetDefault)
            .Property("Cancel", &TButton::Cancel, &TButton::SetCancel)
            .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
            .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetMouseClicks(false);
}

void TButton::SetDefault(bool value) {
    if (value == FDefault)
        return;
    FDefault = value;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::BM_SETSTYLE,
                         value ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON, win::TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_BUTTON;
    params.Style |= FDefault ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON;
}

void TButton::Click() {
    // A button with a modal result closes the modal form it sits on.
    if (FModalResult != 0) {
        for (TWinControl* parent = Parent(); parent; parent = parent->Parent())
            if (auto* form = dynamic_cast<TForm*>(parent)) {
                form->SetModalResult(FModalResult);
                break;
            }
    }
    TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && (message.WParam >> 16) == win::BN_CLICKED) {
        Click();
        return;
    }
    TWinControl::WndProc(message);
}

} // namespace fw
