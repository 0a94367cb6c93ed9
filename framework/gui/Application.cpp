#include "framework/gui/Application.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/Form.h"
#include "platform/user/WinUser.h"
#include "platform/user/menus/Mdi.h"

#include <algorithm>

namespace fw {

namespace {

int WindowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return win::MessageBox(win::GetActiveWindow(), text.c_str(), caption.c_str(), flags);
}

TMessageBoxFunction& MessageBoxFunction() {
    static TMessageBoxFunction function = WindowMessageBox;
    return function;
}

// Ctrl+F6 / Ctrl+Tab (next child) and Ctrl+F4 (close it) in the active MDI
// frame go to its client before any control sees them.
bool IsMdiKeyMessage(win::MSG& msg) {
    auto* frame = dynamic_cast<TCustomForm*>(TWinControl::FindControl(win::GetActiveWindow()));
    return frame && frame->FormStyle() == TFormStyle::fsMDIForm && frame->ClientHandle() &&
           win::TranslateMDISysAccel(frame->ClientHandle(), &msg);
}

} // namespace

TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function) {
    TMessageBoxFunction previous = std::move(MessageBoxFunction());
    MessageBoxFunction() = function ? std::move(function) : WindowMessageBox;
    return previous;
}

const TClassInfo& TApplication::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TApplication, TComponent>("TApplication")
            .Property("Title", &TApplication::Title, &TApplication::SetTitle)
            .Build();
    return info;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
    DestroyComponents();
}

// Never freed by a static destructor: by then the window manager may be gone.
// Run frees the forms and components once the loop has ended.
TApplication& Application() {
    static TApplication* const application = MakeComponent<TApplication>().release();
    return *application;
}

void ShowMessage(const std::string& text) {
    Application().MessageBox(text, Application().Title(), MB_OK);
}

void TApplication::Initialize() {}

void TApplication::FormCreated(TCustomForm& form) {
    if (!FMainForm)
        FMainForm = &form;
    form.AfterConstruction();
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FMainForm)
        FMainForm = nullptr;
    if (operation == TOperation::opRemove)
        std::erase(FReleased, component);
}

void TApplication::Run() {
    if (FMainForm)
        FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
    // The program ends with its main form: every form and component goes now.
    DestroyComponents();
    FMainForm = nullptr;
}

bool TApplication::ProcessMessage() {
    win::MSG msg;
    if (!win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE))
        return false;
    if (msg.message == win::WM_QUIT) {
        FTerminated = true;
        return true;
    }
    // Keys go to the focused control (and its form's dialog keys) before the window.
    if (!IsMdiKeyMessage(msg) && !IsKeyMessage(msg)) {
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
    FreeReleasedForms();
    return true;
}

void TApplication::ProcessMessages() {
    while (!FTerminated && ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (!ProcessMessage() && !FTerminated)
        win::WaitMessage();
}

void TApplication::Terminate() {
    win::PostQuitMessage(0);
}

void TApplication::ReleaseForm(TCustomForm& form) {
    if (std::find(FReleased.begin(), FReleased.end(), &form) == FReleased.end()) {
        FReleased.push_back(&form);
        form.FreeNotification(*this);
    }
}

void TApplication::FreeReleasedForms() {
    while (!FReleased.empty()) {
        TCustomForm* form = FReleased.back();
        FReleased.pop_back();
        form->Free();
    }
}

void TApplication::HandleException(TObject* sender) {
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& error) {
        if (OnException)
            OnException(sender, error);
        else
            ShowException(error);
    } catch (const std::exception& error) {
        ShowException(Exception(error.what()));
    }
}

// The standard error box: the message, the title as caption, a stop icon, OK.
void TApplication::ShowException(const Exception& error) {
    MessageBox(error.Message(), FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxFunction()(text, caption, flags);
}

} // namespace fw
