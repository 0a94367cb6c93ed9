#include "platform/user/NonClient.h"

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/ScrollBars.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowTree.h"
#include "platform/user/menus/MenuBar.h"

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

bool HasMenuRow(const Window& w) {
    return !w.IsChild() && w.idOrMenu != 0;
}

// Borders and corners map to the WMSZ_ codes that SC_SIZE carries.
WPARAM SizeCommand(int hit) {
    return SC_SIZE + WPARAM(hit - HTLEFT + 1);
}

} // namespace

NonClientLayout LayoutOf(HWND hwnd) {
    const Window* w = Find(hwnd);
    if (w == nullptr)
        return NonClientLayout{};
    return NonClientLayout::Compute(w->style, w->exStyle,
                                    SIZE{RectWidth(w->rect), RectHeight(w->rect)}, HasMenuRow(*w));
}

LRESULT CalculateNonClientSize(HWND hwnd, LPARAM lParam) {
    const Window* w = Find(hwnd);
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (w == nullptr || rect == nullptr)
        return 0;
    const NonClientLayout layout = NonClientLayout::Compute(
        w->style, w->exStyle, SIZE{RectWidth(*rect), RectHeight(*rect)}, HasMenuRow(*w));
    *rect = Offset(layout.client, rect->left, rect->top);
    // The whole client area is redrawn after a change: no valid rectangles to keep.
    return 0;
}

LRESULT NonClientHitTest(HWND hwnd, POINT screen) {
    const Window* w = Find(hwnd);
    if (w == nullptr)
        return HTNOWHERE;
    const POINT origin = WindowScreenOrigin(*w);
    const POINT local{screen.x - origin.x, screen.y - origin.y};
    if (w->windowRegion && !PtInRegion(w->windowRegion.Get(), local.x, local.y))
        return HTNOWHERE;
    if (w->style & WS_MINIMIZE)
        return Contains(RECT{0, 0, RectWidth(w->rect), RectHeight(w->rect)}, local) ? HTCAPTION
                                                                                    : HTNOWHERE;
    return LayoutOf(hwnd).HitTest(local, w->style);
}

LRESULT OnNcActivate(HWND hwnd, bool active) {
    Window* w = Find(hwnd);
    if (w == nullptr)
        return TRUE;
    w->activeFrame = active;
    if (w->IsVisible() && HasCaption(w->style))
        RedrawNonClient(hwnd);
    return TRUE;
}

void RedrawNonClient(HWND hwnd) {
    PaintNonClient(hwnd, nullptr, nullptr);
}

LRESULT NonClientMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const int hit = int(wParam);
    const Window* w = Find(hwnd);
    if (w == nullptr)
        return 0;
    switch (message) {
    case WM_NCLBUTTONDOWN:
        if (hit == HTCAPTION)
            return Send(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
        if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)
            return Send(hwnd, WM_SYSCOMMAND, SizeCommand(hit), lParam);
        if (hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON) {
            if (!TrackCaptionButton(hwnd, hit))
                return 0;
            const WPARAM command = hit == HTCLOSE ? SC_CLOSE
                                   : hit == HTMINBUTTON
                                       ? (IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE)
                                       : (IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE);
            return Send(hwnd, WM_SYSCOMMAND, command, lParam);
        }
        if (hit == HTHSCROLL)
            return Send(hwnd, WM_SYSCOMMAND, SC_HSCROLL + HTHSCROLL, lParam);
        if (hit == HTVSCROLL)
            return Send(hwnd, WM_SYSCOMMAND, SC_VSCROLL + HTVSCROLL, lParam);
        if (hit == HTSYSMENU)
            return Send(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTSYSMENU, lParam);
        if (hit == HTMENU)
            return Send(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, lParam);
        return 0;
    case WM_NCRBUTTONUP:
        // A right click on the caption opens the system menu where it was made.
        if (hit == HTCAPTION || hit == HTSYSMENU)
            TrackSystemMenu(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, false);
        return 0;
    case WM_NCLBUTTONDBLCLK:
        if (hit == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
            return Send(hwnd, WM_SYSCOMMAND,
                        IsZoomed(hwnd) || IsIconic(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        if (hit == HTSYSMENU)
            return Send(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
        if (hit == HTHSCROLL || hit == HTVSCROLL)
            return NonClientMouse(hwnd, WM_NCLBUTTONDOWN, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

LRESULT SystemCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
    if (CbtRefuses(HCBT_SYSCOMMAND, command, lParam))
        return 0;
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        Send(hwnd, WM_CLOSE);
        return 0;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_MOVE:
    case SC_SIZE:
        if ((command & 0x0F) != 0)
            MoveSizeLoop(
                hwnd, (command & 0xFFF0) == SC_MOVE ? HTCAPTION : int(command & 0x0F) + HTLEFT - 1,
                at);
        return 0;
    case SC_KEYMENU:
        return MenuKeyCommand(hwnd, lParam);
    case SC_MOUSEMENU:
        return MenuMouseCommand(hwnd, command, lParam);
    case SC_HSCROLL:
        TrackNonClientScrollBar(hwnd, SB_HORZ, at);
        return 0;
    case SC_VSCROLL:
        TrackNonClientScrollBar(hwnd, SB_VERT, at);
        return 0;
    default:
        return 0;
    }
}

HCURSOR CursorForHitTest(int hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return LoadCursor(nullptr, IDC_SIZEWE);
    case HTTOP:
    case HTBOTTOM:
        return LoadCursor(nullptr, IDC_SIZENS);
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return LoadCursor(nullptr, IDC_SIZENWSE);
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return LoadCursor(nullptr, IDC_SIZENESW);
    default:
        return LoadCursor(nullptr, IDC_ARROW);
    }
}

} // namespace win
