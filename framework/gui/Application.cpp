#include "framework/gui/Application.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/DialogKeys.h"
#include "framework/gui/Form.h"
#include "framework/gui/HintWindow.h"
#include "framework/gui/Icon.h"
#include "platform/kernel/Module.h"
#include "platform/kernel/Resource.h"
#include "platform/kernel/SystemMessage.h"
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
            .Property("Icon", &TApplication::Icon, &TApplication::SetIcon)
            .Property("ShowHint", &TApplication::ShowHint, &TApplication::SetShowHint)
            .Property("HintPause", &TApplication::HintPause, &TApplication::SetHintPause)
            .Property("HintShortPause", &TApplication::HintShortPause,
                      &TApplication::SetHintShortPause)
            .Property("HintHidePause", &TApplication::HintHidePause,
                      &TApplication::SetHintHidePause)
            .Property("HintColor", &TApplication::HintColor, &TApplication::SetHintColor)
            .Build();
    return info;
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), FIcon(std::make_unique<TIcon>()) {
    FIcon->OnChange = [this](TObject*) { IconChanged(); };
}

TApplication::~TApplication() {
    DestroyComponents();
}

void TApplication::SetTitle(const std::string& title) {
    FTitle = title;
    if (FHandle)
        win::SetWindowText(FHandle, title.c_str());
}

win::HWND TApplication::Handle() {
    if (FHandle)
        return FHandle;
    static constexpr const char* className = "TApplication";
    const win::HINSTANCE instance = win::GetModuleHandle(nullptr);
    win::WNDCLASS registered;
    if (!win::GetClassInfo(instance, className, &registered)) {
        win::WNDCLASS windowClass;
        windowClass.lpfnWndProc = WindowProcedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className;
        win::RegisterClass(&windowClass);
    }
    FHandle = win::CreateWindowEx(0, className, FTitle.c_str(),
                                  win::WS_POPUP | win::WS_CAPTION | win::WS_CLIPSIBLINGS |
                                      win::WS_SYSMENU | win::WS_MINIMIZEBOX,
                                  0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!FHandle)
        throw EOSError("Error creating window for TApplication", win::GetLastError());
    // The program's own icon, as the executable carries it.
    if (FIcon->Empty())
        if (win::HRSRC found = win::FindResource(instance, "MAINICON", "ICON")) {
            const auto* bytes = static_cast<const std::uint8_t*>(
                win::LockResource(win::LoadResource(instance, found)));
            FIcon->LoadFromBytes({bytes, win::SizeofResource(instance, found)});
        }
    IconChanged();
    return FHandle;
}

void TApplication::SetIcon(TIcon* icon) {
    if (icon)
        FIcon->Assign(*icon);
}

void TApplication::IconChanged() {
    if (!FHandle)
        return;
    win::SendMessage(FHandle, win::WM_SETICON, win::ICON_BIG,
                     reinterpret_cast<win::LPARAM>(FIcon->Handle()));
    win::SendMessage(FHandle, win::WM_SETICON, win::ICON_SMALL,
                     reinterpret_cast<win::LPARAM>(FIcon->SmallHandle()));
}

win::LRESULT TApplication::WindowProcedure(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                                           win::LPARAM lParam) {
    if (message != win::WM_TIMER)
        return win::DefWindowProc(hwnd, message, wParam, lParam);
    // The exception barrier of the application's own window.
    try {
        Application().HintTimerExpired(wParam);
    } catch (...) {
        Application().HandleException(&Application());
    }
    return 0;
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
    if (operation == TOperation::opRemove && component == FHintWindow)
        FHintWindow = nullptr;
    if (operation == TOperation::opRemove && component == FHintControl) {
        FHintControl = nullptr;
        StopHintTimers();
        HideHintWindow();
    }
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
