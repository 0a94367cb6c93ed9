#include "framework/gui/Button.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/Form.h"
#include "platform/user/controls/StandardControls.h"

namespace fw {

const TClassInfo& TButton::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TButton, TWinControl>("TButton")
            .Property("Default", &TButton::Default, &TButton::SetDefault)
            .Property("Cancel", &TButton::Cancel, &TButton::SetCancel)
            .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
            .Property("MultiLine", &TButton::MultiLine, &TButton::SetMultiLine)
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
    TWinControl* focused = FocusedControl();
    UpdateActive(focused && &ParentForm(*focused) == &ParentForm(*this) ? focused : nullptr);
}

void TButton::SetMultiLine(bool multiLine) {
    if (multiLine == FMultiLine)
        return;
    FMultiLine = multiLine;
    RecreateWnd();
}

win::DWORD TButton::ButtonStyle(bool active) const {
    return active ? win::BS_DEFPUSHBUTTON : win::BS_PUSHBUTTON;
}

win::DWORD TButton::WindowButtonStyle(bool active) const {
    return ButtonStyle(active) | (FMultiLine ? win::BS_MULTILINE : 0);
}

// A focused button takes Enter itself; elsewhere the default button does.
void TButton::UpdateActive(const TControl* focused) {
    const bool active = dynamic_cast<const TButton*>(focused) ? focused == this : FDefault;
    if (active == FActive)
        return;
    FActive = active;
    if (HandleAllocated())
        win::SendMessage(Handle(), win::BM_SETSTYLE, WindowButtonStyle(active), win::TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = win::WC_BUTTON;
    params.Style |= WindowButtonStyle(FActive);
}

bool TButton::DialogKey(const TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR)
        return IsAccelFor(message, *this);
    const bool pressed = (message.WParam == win::VK_RETURN && FActive) ||
                         (message.WParam == win::VK_ESCAPE && FCancel);
    return pressed && !ModifierHeld(message.LParam) && CanFocus();
}

void TButton::Click() {
    // A button with a modal result closes the modal form it sits on.
    if (FModalResult != 0) {
        for (TWinControl* parent = Parent(); parent; parent = parent->Parent())
            if (auto* form = dynamic_cast<TCustomForm*>(parent)) {
                form->SetModalResult(FModalResult);
                break;
            }
    }
    TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if ((message.WParam >> 16) == win::BN_CLICKED) {
            Click();
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        UpdateActive(reinterpret_cast<const TControl*>(message.LParam));
        break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        if (DialogKey(message)) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

} // namespace fw
