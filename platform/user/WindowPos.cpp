// SetWindowPos and the calls built on it, with WM_WINDOWPOSCHANGING,
// WM_NCCALCSIZE and WM_WINDOWPOSCHANGED in the Windows order.

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/NonClientLayout.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowTree.h"

#include <algorithm>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

UINT NormalizeFlags(const Window& window, UINT flags) {
    if (window.IsVisible())
        flags &= ~SWP_SHOWWINDOW;
    else
        flags &= ~SWP_HIDEWINDOW;
    if (window.IsChild())
        flags |= SWP_NOACTIVATE;
    return flags;
}

// WM_NCCALCSIZE with wParam TRUE: the proposed window rectangle becomes the
// client rectangle, in the parent's coordinates.
RECT CalculateClient(HWND hwnd, WINDOWPOS& pos, const RECT& oldRect, const RECT& oldClient) {
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = RECT{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
    params.rgrc[1] = oldRect;
    params.rgrc[2] = Offset(oldClient, oldRect.left, oldRect.top);
    params.lppos = &pos;
    SendWithPointer(hwnd, WM_NCCALCSIZE, TRUE, &params);
    RECT client = params.rgrc[0];
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return Offset(client, -pos.x, -pos.y);
}

void Expose(Window& window, const RECT& oldRect, UINT flags, bool sizeChanged, bool moved) {
    if (flags & SWP_NOREDRAW)
        return;
    const HWND hwnd = window.handle;
    const bool topLevel = Desktop::Get().IsTopLevel(window);
    const UINT whole = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
    if (flags & SWP_HIDEWINDOW) {
        if (!topLevel)
            RedrawWindow(window.parent->handle, &oldRect, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    }
    if (!window.IsVisible())
        return;
    const bool zChanged = !(flags & SWP_NOZORDER);
    if ((flags & (SWP_SHOWWINDOW | SWP_FRAMECHANGED)) || sizeChanged ||
        (!topLevel && (moved || zChanged)))
        RedrawWindow(hwnd, nullptr, nullptr, whole);
    if (!topLevel && (sizeChanged || moved))
        RedrawWindow(window.parent->handle, &oldRect, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Desktop& desktop = Desktop::Get();
    Window* window = Find(hwnd);
    if (window == nullptr || desktop.IsRoot(*window))
        return FALSE;
    flags = NormalizeFlags(*window, flags);
    WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        pos.x = window->rect.left;
        pos.y = window->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = RectWidth(window->rect);
        pos.cy = RectHeight(window->rect);
    }
    if (!(flags & SWP_NOSENDCHANGING))
        SendWithPointer(hwnd, WM_WINDOWPOSCHANGING, 0, &pos);
    if ((window = Find(hwnd)) == nullptr)
        return FALSE;
    pos.cx = std::max(pos.cx, 0);
    pos.cy = std::max(pos.cy, 0);

    const RECT oldRect = window->rect;
    const RECT oldClient = window->client;
    const bool sizeChanged = pos.cx != RectWidth(oldRect) || pos.cy != RectHeight(oldRect);
    const bool moved = pos.x != oldRect.left || pos.y != oldRect.top;
    RECT newClient = oldClient;
    if (sizeChanged || (pos.flags & SWP_FRAMECHANGED)) {
        newClient = CalculateClient(hwnd, pos, oldRect, oldClient);
        if ((window = Find(hwnd)) == nullptr)
            return FALSE;
    }
    window->rect = RECT{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
    window->client = newClient;
    if (!(pos.flags & SWP_NOZORDER) && pos.hwndInsertAfter != hwnd) {
        // A top-level window joins or leaves the topmost band with its place.
        if (desktop.IsTopLevel(*window) && pos.hwndInsertAfter == HWND_TOPMOST)
            window->exStyle |= WS_EX_TOPMOST;
        if (desktop.IsTopLevel(*window) && pos.hwndInsertAfter == HWND_NOTOPMOST)
            window->exStyle &= ~WS_EX_TOPMOST;
        UnlinkWindow(*window);
        LinkWindow(*window->parent, *window, pos.hwndInsertAfter);
    }
    if (pos.flags & SWP_SHOWWINDOW)
        window->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW)
        window->style &= ~WS_VISIBLE;
    const bool topLevel = desktop.IsTopLevel(*window);
    if (topLevel && sizeChanged)
        ResizeTopLevelSurface(*window);
    Expose(*window, oldRect, pos.flags, sizeChanged, moved);
    if (topLevel)
        desktop.Display().TopLevelChanged(hwnd);

    if (RectWidth(newClient) == RectWidth(oldClient) &&
        RectHeight(newClient) == RectHeight(oldClient))
        pos.flags |= SWP_NOCLIENTSIZE;
    if (!moved && newClient.left == oldClient.left && newClient.top == oldClient.top)
        pos.flags |= SWP_NOCLIENTMOVE;
    SendWithPointer(hwnd, WM_WINDOWPOSCHANGED, 0, &pos);
    if ((window = Find(hwnd)) == nullptr)
        return TRUE;
    if (pos.flags & SWP_HIDEWINDOW)
        MoveInputAwayFrom(hwnd);
    else if (topLevel && window->IsVisible() && !(pos.flags & SWP_NOACTIVATE))
        ActivateWindow(hwnd, WA_ACTIVE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!repaint)
        flags |= SWP_NOREDRAW;
    return SetWindowPos(hwnd, nullptr, x, y, width, height, flags);
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL IsWindowVisible(HWND hwnd) {
    const Window* window = Find(hwnd);
    return window != nullptr && IsShown(*window) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    const Window* window = Find(hwnd);
    return window != nullptr && (window->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    const Window* window = Find(hwnd);
    return window != nullptr && (window->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
    const Window* window = Find(hwnd);
    if (window == nullptr || placement == nullptr)
        return FALSE;
    placement->flags = 0;
    placement->showCmd = (window->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                         : (window->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                         : SW_SHOWNORMAL;
    const bool restored = !(window->style & (WS_MINIMIZE | WS_MAXIMIZE));
    placement->rcNormalPosition = restored ? window->rect : window->normalRect;
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
    Window* window = Find(hwnd);
    if (window == nullptr || placement == nullptr)
        return FALSE;
    window->normalRect = placement->rcNormalPosition;
    if (!(window->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
        const RECT& r = placement->rcNormalPosition;
        SetWindowPos(hwnd, nullptr, r.left, r.top, RectWidth(r), RectHeight(r),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(hwnd, int(placement->showCmd));
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    Window* window = Find(hwnd);
    if (window == nullptr)
        return FALSE;
    const BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
    if ((enable != FALSE) == !wasDisabled)
        return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        Send(hwnd, WM_CANCELMODE);
        if ((window = Find(hwnd)) == nullptr)
            return wasDisabled;
        window->style |= WS_DISABLED;
        const HWND focus = GetFocus();
        if (focus == hwnd || IsChild(hwnd, focus))
            SetFocus(nullptr);
    }
    Send(hwnd, WM_ENABLE, enable ? TRUE : FALSE);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const Window* window = Find(hwnd);
    return window != nullptr && IsEnabledWindow(*window) ? TRUE : FALSE;
}

MINMAXINFO QueryMinMaxInfo(HWND hwnd) {
    MINMAXINFO info;
    const Window* window = Find(hwnd);
    if (window == nullptr)
        return info;
    const RECT screen = Desktop::Get().Root().rect;
    const NonClientLayout frame = NonClientLayout::Compute(
        window->style & ~(WS_VSCROLL | WS_HSCROLL | WS_MAXIMIZE), window->exStyle,
        SIZE{RectWidth(screen), RectHeight(screen)}, false);
    // A maximised window's frame lies just outside the screen.
    info.ptMaxSize =
        POINT{RectWidth(screen) + 2 * frame.frameX, RectHeight(screen) + 2 * frame.frameY};
    info.ptMaxPosition = POINT{screen.left - frame.frameX, screen.top - frame.frameY};
    info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = POINT{RectWidth(screen) + 12 + 2 * frame.frameX,
                                RectHeight(screen) + 12 + 2 * frame.frameY};
    SendWithPointer(hwnd, WM_GETMINMAXINFO, 0, &info);
    return info;
}

} // namespace win
