// DefFrameProc and DefMDIChildProc: what the frame and the children of an MDI
// client do by default.

#include "platform/user/Rects.h"
#include "platform/user/menus/MdiClient.h"
#include "platform/user/menus/MenuPopup.h"
#include "platform/user/menus/Menus.h"
#include "platform/user/menus/MessageBoxDialog.h"

#include <algorithm>

namespace win {

namespace {

MdiClient* ClientOf(HWND child) {
    return MdiClient::Of(GetParent(child));
}

LRESULT FrameCommand(HWND frame, HWND client, WPARAM wParam, LPARAM lParam) {
    MdiClient* mdi = MdiClient::Of(client);
    const UINT id = LOWORD(wParam);
    if (mdi != nullptr && mdi->Active() != nullptr) {
        // The caption buttons merged into the bar act on the maximised child.
        if (id == SC_MINIMIZE || id == SC_RESTORE || id == SC_CLOSE) {
            SendMessage(mdi->Active(), WM_SYSCOMMAND, id, lParam);
            return 0;
        }
    }
    // Items of the window list activate their child.
    if (mdi != nullptr && id >= mdi->FirstChildId() && id < mdi->FirstChildId() + 0x1000) {
        for (HWND child = GetWindow(client, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT))
            if (UINT(GetDlgCtrlID(child)) == id) {
                SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
                return 0;
            }
    }
    return DefWindowProc(frame, WM_COMMAND, wParam, lParam);
}

LRESULT ChildSysCommand(HWND child, WPARAM wParam, LPARAM lParam) {
    const HWND client = GetParent(child);
    switch (wParam & 0xFFF0) {
    case SC_MAXIMIZE:
        SendMessage(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
        return 0;
    case SC_RESTORE:
        SendMessage(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
        return 0;
    case SC_NEXTWINDOW:
        SendMessage(client, WM_MDINEXT, reinterpret_cast<WPARAM>(child), 0);
        return 0;
    case SC_PREVWINDOW:
        SendMessage(client, WM_MDINEXT, reinterpret_cast<WPARAM>(child), 1);
        return 0;
    default:
        return DefWindowProc(child, WM_SYSCOMMAND, wParam, lParam);
    }
}

LRESULT ChildMinMaxInfo(HWND child, LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    const MdiClient* mdi = ClientOf(child);
    if (info == nullptr || mdi == nullptr)
        return 0;
    const RECT r = mdi->MaximizedRect(child);
    info->ptMaxPosition = POINT{r.left, r.top};
    info->ptMaxSize = POINT{RectWidth(r), RectHeight(r)};
    info->ptMaxTrackSize = POINT{std::max<LONG>(info->ptMaxTrackSize.x, RectWidth(r)),
                                 std::max<LONG>(info->ptMaxTrackSize.y, RectHeight(r))};
    return 0;
}

} // namespace

LRESULT DefFrameProc(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return FrameCommand(frame, client, wParam, lParam);
    case WM_SIZE:
        if (client != nullptr) {
            RECT r;
            GetClientRect(frame, &r);
            MoveWindow(client, 0, 0, RectWidth(r), RectHeight(r), TRUE);
        }
        return DefWindowProc(frame, message, wParam, lParam);
    case WM_SETFOCUS:
        if (client != nullptr)
            SetFocus(client);
        return 0;
    case WM_NCACTIVATE: {
        // The active child's caption follows the frame's activation.
        const MdiClient* mdi = MdiClient::Of(client);
        if (mdi != nullptr && mdi->Active() != nullptr)
            SendMessage(mdi->Active(), WM_NCACTIVATE, wParam, 0);
        return DefWindowProc(frame, message, wParam, lParam);
    }
    default:
        return DefWindowProc(frame, message, wParam, lParam);
    }
}

LRESULT DefMDIChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND client = GetParent(child);
    switch (message) {
    case WM_SYSCOMMAND:
        return ChildSysCommand(child, wParam, lParam);
    case WM_CLOSE:
        SendMessage(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
        return 0;
    case WM_MOUSEACTIVATE:
    case WM_CHILDACTIVATE:
        SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
        return message == WM_MOUSEACTIVATE ? MA_ACTIVATE : 0;
    case WM_NCLBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
        // A press on an inactive child activates it, then acts as usual.
        const MdiClient* mdi = ClientOf(child);
        if (mdi != nullptr && mdi->Active() != child)
            SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
        return DefWindowProc(child, message, wParam, lParam);
    }
    case WM_SETFOCUS: {
        const MdiClient* mdi = ClientOf(child);
        if (mdi != nullptr && mdi->Active() != child)
            SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
        return 0;
    }
    case WM_GETMINMAXINFO:
        return ChildMinMaxInfo(child, lParam);
    default:
        return DefWindowProc(child, message, wParam, lParam);
    }
}

namespace {
constexpr int VK_F6 = 0x75; // not in the window manager's key list
} // namespace

BOOL TranslateMDISysAccel(HWND client, MSG* msg) {
    const MdiClient* mdi = MdiClient::Of(client);
    if (mdi == nullptr || msg == nullptr || msg->message != WM_KEYDOWN ||
        GetKeyState(VK_CONTROL) >= 0 || mdi->Active() == nullptr)
        return FALSE;
    const auto active = reinterpret_cast<WPARAM>(mdi->Active());
    switch (int(msg->wParam)) {
    case VK_F6:
    case VK_TAB:
        SendMessage(client, WM_MDINEXT, active, GetKeyState(VK_SHIFT) < 0 ? 1 : 0);
        return TRUE;
    case VK_F4:
        PostMessage(mdi->Active(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

void RegisterMenuAndDialogClasses() {
    RegisterMenuWindowClass();
    RegisterMessageBoxClass();
    MdiClient::Register();
}

} // namespace win
