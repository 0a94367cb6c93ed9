// DefWindowProc's own mouse loops: moving and sizing a window with its caption
// or borders, and holding a caption button down. Like Windows, they capture
// the mouse and pump the thread's messages until the button is released.

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/NonClient.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"

#include <algorithm>

namespace win {

namespace {

// WMSZ_ codes carried by WM_SIZING.
WPARAM SizingEdge(int hit) {
    return WPARAM(hit - HTLEFT + 1);
}

RECT MovedOrSized(const RECT& start, int hit, int dx, int dy, const MINMAXINFO& limits) {
    RECT r = start;
    if (hit == HTCAPTION)
        return Offset(start, dx, dy);
    const bool left = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    const bool right = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
    const bool top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
    const bool bottom = hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
    const LONG minW = limits.ptMinTrackSize.x, maxW = limits.ptMaxTrackSize.x;
    const LONG minH = limits.ptMinTrackSize.y, maxH = limits.ptMaxTrackSize.y;
    if (left)
        r.left = std::clamp<LONG>(start.left + dx, start.right - maxW, start.right - minW);
    if (right)
        r.right = std::clamp<LONG>(start.right + dx, start.left + minW, start.left + maxW);
    if (top)
        r.top = std::clamp<LONG>(start.top + dy, start.bottom - maxH, start.bottom - minH);
    if (bottom)
        r.bottom = std::clamp<LONG>(start.bottom + dy, start.top + minH, start.top + maxH);
    return r;
}

// The rectangle in the parent's client coordinates, as SetWindowPos takes it.
RECT ToParent(HWND hwnd, const RECT& screen) {
    POINT corner{screen.left, screen.top};
    const HWND parent =
        (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD) ? GetAncestor(hwnd, GA_PARENT) : nullptr;
    if (parent != nullptr)
        ScreenToClient(parent, &corner);
    return RECT{corner.x, corner.y, corner.x + RectWidth(screen), corner.y + RectHeight(screen)};
}

void Apply(HWND hwnd, int hit, RECT screen) {
    SendWithPointer(hwnd, hit == HTCAPTION ? WM_MOVING : WM_SIZING,
                    hit == HTCAPTION ? 0 : SizingEdge(hit), &screen);
    const RECT r = ToParent(hwnd, screen);
    SetWindowPos(hwnd, nullptr, r.left, r.top, RectWidth(r), RectHeight(r),
                 SWP_NOZORDER | SWP_NOACTIVATE | (hit == HTCAPTION ? SWP_NOSIZE : 0));
}

bool IsMouseEnd(const MSG& msg) {
    return msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
}

} // namespace

void MoveSizeLoop(HWND hwnd, int hit, POINT start) {
    if (!IsWindow(hwnd) || IsZoomed(hwnd) || IsIconic(hwnd))
        return;
    const MINMAXINFO limits = QueryMinMaxInfo(hwnd);
    RECT initial;
    GetWindowRect(hwnd, &initial);
    SetCapture(hwnd);
    Send(hwnd, WM_ENTERSIZEMOVE);
    MSG msg;
    bool cancelled = false;
    while (IsWindow(hwnd) && GetCapture() == hwnd) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (CallMsgFilter(&msg, hit == HTCAPTION ? MSGF_MOVE : MSGF_SIZE))
            continue;
        const bool mouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
        if (mouse || (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK)) {
            Apply(hwnd, hit,
                  MovedOrSized(initial, hit, msg.pt.x - start.x, msg.pt.y - start.y, limits));
            if (IsMouseEnd(msg))
                break;
            continue;
        }
        if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
            msg.wParam == WPARAM(VK_ESCAPE)) {
            cancelled = true;
            break;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR)
            continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (cancelled && IsWindow(hwnd))
        Apply(hwnd, hit, initial);
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (IsWindow(hwnd))
        Send(hwnd, WM_EXITSIZEMOVE);
}

bool TrackCaptionButton(HWND hwnd, int hit) {
    SetCapture(hwnd);
    SetButtonPressed(hwnd, hit, true);
    bool pressed = true;
    MSG msg;
    while (IsWindow(hwnd) && GetCapture() == hwnd) {
        if (!GetMessage(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        const bool mouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
        if (!mouse) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            continue;
        }
        const bool inside = NonClientHitTest(hwnd, msg.pt) == hit;
        if (inside != pressed) {
            pressed = inside;
            SetButtonPressed(hwnd, hit, pressed);
        }
        if (IsMouseEnd(msg))
            break;
    }
    if (GetCapture() == hwnd)
        ReleaseCapture();
    if (IsWindow(hwnd) && pressed)
        SetButtonPressed(hwnd, hit, false);
    return IsWindow(hwnd) && pressed;
}

} // namespace win
