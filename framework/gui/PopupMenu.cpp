#include "framework/gui/PopupMenu.h"

#include "framework/ClassBuilder.h"
#include "framework/gui/Application.h"
#include "platform/kernel/Module.h"
#include "platform/user/menus/Menus.h"

namespace fw {

namespace {

constexpr const char* PopupListClass = "TPUtilWindow";

// The hidden window popup menus are tracked for: the chosen command comes
// back to it, with the owner-draw messages, and it hands them to the items.
win::LRESULT PopupListProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    try {
        if (HandleMenuMessage(message))
            return message.Result;
    } catch (...) {
        // An error never crosses the window manager's dispatch: it goes to the box.
        Application().HandleException(nullptr);
        return 0;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace

win::HWND PopupListWindow() {
    static win::HWND window = nullptr;
    if (window && win::IsWindow(window))
        return window;
    win::WNDCLASS existing;
    if (!win::GetClassInfo(nullptr, PopupListClass, &existing)) {
        win::WNDCLASS windowClass;
        windowClass.lpfnWndProc = PopupListProc;
        windowClass.lpszClassName = PopupListClass;
        windowClass.hInstance = win::GetModuleHandle(nullptr);
        win::RegisterClass(&windowClass);
    }
    window = win::CreateWindowEx(0, PopupListClass, "", win::WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 win::GetModuleHandle(nullptr), nullptr);
    return window;
}

namespace {

win::UINT TrackFlags(TPopupAlignment alignment, TTrackButton button) {
    win::UINT flags =
        button == TTrackButton::tbRightButton ? win::TPM_RIGHTBUTTON : win::TPM_LEFTBUTTON;
    switch (alignment) {
    case TPopupAlignment::paLeft:
        return flags | win::TPM_LEFTALIGN;
    case TPopupAlignment::paRight:
        return flags | win::TPM_RIGHTALIGN;
    case TPopupAlignment::paCenter:
        return flags | win::TPM_CENTERALIGN;
    }
    return flags;
}

} // namespace

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPopupMenu, TMenu>("TPopupMenu")
            .Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment)
            .Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
            .Property("TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton)
            .Property("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::OnPopup)
            .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component) {
    if (component != FPopupComponent)
        SetComponentReference(*this, FPopupComponent, component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FPopupComponent)
        FPopupComponent = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    FPopupPoint = {x, y};
    const win::HWND owner = PopupListWindow();
    if (OnPopup)
        OnPopup(this);
    if (!owner)
        return;
    win::TrackPopupMenu(Handle(), TrackFlags(FAlignment, FTrackButton), x, y, 0, owner, nullptr);
}

} // namespace fw
