// DefWindowProc: the default answer to every message, as Windows gives it.

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/NonClient.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowTree.h"

#include <cstring>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

LRESULT OnNcCreate(HWND hwnd, const CREATESTRUCT* cs) {
    Window* w = Find(hwnd);
    if (w != nullptr && cs != nullptr && cs->lpszName != nullptr)
        w->text = cs->lpszName;
    if (w != nullptr) {
        // Scroll bars of a new window: range 0..100, as Windows starts them.
        w->hscroll.max = 100;
        w->vscroll.max = 100;
    }
    return TRUE;
}

LRESULT OnSetText(HWND hwnd, const char* text) {
    Window* w = Find(hwnd);
    if (w == nullptr)
        return FALSE;
    w->text = text == nullptr ? "" : text;
    if (HasCaption(w->style) && w->IsVisible())
        RedrawNonClient(hwnd);
    return TRUE;
}

LRESULT OnWindowPosChanged(HWND hwnd, const WINDOWPOS* pos) {
    const Window* w = Find(hwnd);
    if (w == nullptr || pos == nullptr)
        return 0;
    if (!(pos->flags & SWP_NOCLIENTMOVE))
        Send(hwnd, WM_MOVE, 0,
             MAKELPARAM(WORD(w->rect.left + w->client.left), WORD(w->rect.top + w->client.top)));
    if ((w = Find(hwnd)) == nullptr)
        return 0;
    if (!(pos->flags & SWP_NOCLIENTSIZE) || (pos->flags & SWP_STATECHANGED)) {
        const WPARAM kind = (w->style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                            : (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                                       : SIZE_RESTORED;
        Send(hwnd, WM_SIZE, kind,
             MAKELPARAM(WORD(RectWidth(w->client)), WORD(RectHeight(w->client))));
    }
    return 0;
}

HBRUSH ClassBrush(HWND hwnd) {
    auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtr(hwnd, GCLP_HBRBACKGROUND));
    // COLOR_* + 1 stands for the system colour's brush.
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value != 0 && value <= COLOR_MENUBAR + 1)
        brush = GetSysColorBrush(int(value - 1));
    return brush;
}

LRESULT OnEraseBackground(HWND hwnd, HDC hdc) {
    const HBRUSH brush = ClassBrush(hwnd);
    if (brush == nullptr || hdc == nullptr)
        return 0;
    RECT box;
    GetClipBox(hdc, &box);
    FillRect(hdc, &box, brush);
    return 1;
}

LRESULT OnPaint(HWND hwnd) {
    PAINTSTRUCT paint;
    if (BeginPaint(hwnd, &paint) != nullptr)
        EndPaint(hwnd, &paint);
    return 0;
}

LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(hwnd);
    if (w == nullptr)
        return FALSE;
    // The parent may decide first for its children.
    if (w->IsChild() && Send(w->parent->handle, WM_SETCURSOR, wParam, lParam))
        return TRUE;
    const int hit = std::int16_t(LOWORD(lParam));
    if (hit == HTCLIENT) {
        if (auto cursor = reinterpret_cast<HCURSOR>(GetClassLongPtr(hwnd, GCLP_HCURSOR)))
            SetCursor(cursor);
        return FALSE;
    }
    SetCursor(CursorForHitTest(hit));
    return FALSE;
}

LRESULT OnMouseActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(hwnd);
    if (w != nullptr && w->IsChild()) {
        if (const LRESULT answer = Send(w->parent->handle, WM_MOUSEACTIVATE, wParam, lParam))
            return answer;
    }
    return MA_ACTIVATE;
}

LRESULT OnKeyDown(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Alt+F4 closes the top-level window.
    if (message == WM_SYSKEYDOWN && wParam == WPARAM(VK_F4) && (lParam & (LPARAM(1) << 29))) {
        if (HWND top = GetAncestor(hwnd, GA_ROOT))
            PostMessage(top, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
}

// A right-button release, Shift+F10 and the menu key ask for a context menu;
// from the keyboard the point is (-1, -1), and the window places the menu.
LRESULT OnRightButtonUp(HWND hwnd, LPARAM lParam) {
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &screen);
    Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(screen.x, screen.y));
    return 0;
}

bool IsContextMenuKey(UINT message, WPARAM key) {
    if (message == WM_KEYUP && key == WPARAM(VK_APPS))
        return true;
    return message == WM_SYSKEYDOWN && key == WPARAM(VK_F10) && (GetKeyState(VK_SHIFT) & 0x8000);
}

// A lone Alt (or F10) press and release selects the menu bar; a key or a
// click in between, as in Alt+letter, cancels it.
LRESULT OnSysKeyUp(HWND hwnd, WPARAM wParam) {
    InputState& input = Desktop::Get().Input();
    const int vk = int(wParam) == VK_LMENU || int(wParam) == VK_RMENU ? VK_MENU : int(wParam);
    const bool lone = input.loneMenuKey != 0 && input.loneMenuKey == vk;
    input.loneMenuKey = 0;
    if (lone)
        if (HWND top = GetAncestor(hwnd, GA_ROOT))
            Send(top, WM_SYSCOMMAND, SC_KEYMENU, 0);
    return 0;
}

LRESULT OnSysChar(HWND hwnd, WPARAM wParam) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (top == nullptr)
        return 0;
    // Alt+Space opens the system menu; Alt+letter looks for a menu bar item.
    Send(top, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wParam == ' ' ? ' ' : wParam));
    return 0;
}

LRESULT OnSetIcon(HWND hwnd, WPARAM kind, HICON icon) {
    Window* w = Find(hwnd);
    if (w == nullptr)
        return 0;
    HICON& slot = kind == ICON_SMALL ? w->smallIcon : w->bigIcon;
    const HICON old = slot;
    slot = icon;
    if (HasCaption(w->style) && w->IsVisible())
        RedrawNonClient(hwnd);
    return reinterpret_cast<LRESULT>(old);
}

LRESULT OnGetIcon(HWND hwnd, WPARAM kind) {
    const Window* w = Find(hwnd);
    if (w == nullptr)
        return 0;
    return reinterpret_cast<LRESULT>(kind == ICON_SMALL ? w->smallIcon : w->bigIcon);
}

LRESULT OnPrint(HWND hwnd, HDC hdc, LPARAM flags) {
    const Window* w = Find(hwnd);
    if (w == nullptr || hdc == nullptr)
        return 0;
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd))
        return 0;
    if (flags & PRF_NONCLIENT)
        PaintNonClient(hwnd, hdc, nullptr);
    const POINT client{w->client.left, w->client.top};
    const int saved = SaveDC(hdc);
    OffsetViewportOrgEx(hdc, client.x, client.y, nullptr);
    IntersectClipRect(hdc, 0, 0, RectWidth(w->client), RectHeight(w->client));
    if (flags & PRF_ERASEBKGND)
        Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    if (flags & PRF_CLIENT)
        Send(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), flags);
    if ((flags & PRF_CHILDREN) && (w = Find(hwnd)) != nullptr) {
        std::vector<std::pair<HWND, POINT>> children;
        for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
            if ((*it)->IsVisible())
                children.emplace_back((*it)->handle, POINT{(*it)->rect.left, (*it)->rect.top});
        for (const auto& [child, at] : children) {
            const int inner = SaveDC(hdc);
            OffsetViewportOrgEx(hdc, at.x, at.y, nullptr);
            Send(child, WM_PRINT, reinterpret_cast<WPARAM>(hdc),
                 flags | PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
            RestoreDC(hdc, inner);
        }
    }
    RestoreDC(hdc, saved);
    return 0;
}

LRESULT OnSetRedraw(HWND hwnd, WPARAM enable) {
    Window* w = Find(hwnd);
    if (w == nullptr)
        return 0;
    // Windows turns WS_VISIBLE off and on again, without painting.
    if (enable)
        w->style |= WS_VISIBLE;
    else
        w->style &= ~WS_VISIBLE;
    return 0;
}

LRESULT OnCtlColor(UINT message, WPARAM wParam) {
    const auto hdc = reinterpret_cast<HDC>(wParam);
    const bool window = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(hdc, GetSysColor(window ? COLOR_WINDOW : COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_3DFACE));
}

LRESULT PassToParent(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(hwnd);
    if (w != nullptr && w->IsChild())
        return Send(w->parent->handle, message, wParam, lParam);
    return 0;
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        return OnNcCreate(hwnd, reinterpret_cast<const CREATESTRUCT*>(lParam));
    case WM_NCCALCSIZE:
        return CalculateNonClientSize(hwnd, lParam);
    case WM_NCHITTEST:
        return NonClientHitTest(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT:
        PaintNonClient(hwnd, nullptr, reinterpret_cast<HRGN>(wParam));
        return 0;
    case WM_NCACTIVATE:
        return OnNcActivate(hwnd, wParam != FALSE);
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONUP:
        return NonClientMouse(hwnd, message, wParam, lParam);
    case WM_SYSCOMMAND:
        return SystemCommand(hwnd, wParam, lParam);
    case WM_GETTEXT:
        return CopyWindowText(hwnd, reinterpret_cast<char*>(lParam), int(wParam));
    case WM_GETTEXTLENGTH: {
        const Window* w = Find(hwnd);
        return w == nullptr ? 0 : LRESULT(w->text.size());
    }
    case WM_SETTEXT:
        return OnSetText(hwnd, reinterpret_cast<const char*>(lParam));
    case WM_SETFONT:
        if (Window* w = Find(hwnd)) {
            w->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam))
                InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT: {
        const Window* w = Find(hwnd);
        return w == nullptr ? 0 : reinterpret_cast<LRESULT>(w->font);
    }
    case WM_WINDOWPOSCHANGED:
        return OnWindowPosChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_ERASEBKGND:
        return OnEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_PRINT:
        return OnPrint(hwnd, reinterpret_cast<HDC>(wParam), lParam);
    case WM_SETREDRAW:
        return OnSetRedraw(hwnd, wParam);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SETCURSOR:
        return OnSetCursor(hwnd, wParam, lParam);
    case WM_MOUSEACTIVATE:
        return OnMouseActivate(hwnd, wParam, lParam);
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hwnd))
            SetFocus(hwnd);
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_RBUTTONUP:
        return OnRightButtonUp(hwnd, lParam);
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN:
        if (IsContextMenuKey(message, wParam))
            Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), LPARAM(-1));
        return OnKeyDown(hwnd, message, wParam, lParam);
    case WM_KEYUP:
        if (IsContextMenuKey(message, wParam))
            Send(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), LPARAM(-1));
        return 0;
    case WM_SYSKEYUP:
        // Shift+F10 asked for a context menu instead of the menu bar.
        if (wParam == WPARAM(VK_F10) && (GetKeyState(VK_SHIFT) & 0x8000))
            return 0;
        return OnSysKeyUp(hwnd, wParam);
    case WM_SYSCHAR:
        return OnSysChar(hwnd, wParam);
    case WM_SETICON:
        return OnSetIcon(hwnd, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON:
        return OnGetIcon(hwnd, wParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(message, wParam);
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        return PassToParent(hwnd, message, wParam, lParam);
    default:
        return 0;
    }
}

} // namespace win
