// ShowWindow: visibility and the minimised, maximised and restored states.

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"

namespace win {

namespace {

enum class State { Normal, Minimized, Maximized };

State CurrentState(const Window& window) {
    if (window.style & WS_MINIMIZE)
        return State::Minimized;
    if (window.style & WS_MAXIMIZE)
        return State::Maximized;
    return State::Normal;
}

// Minimised windows park off screen, caption-sized, as Windows does without a
// shell to show their icons.
RECT MinimizedRect() {
    const int width = GetSystemMetrics(SM_CXMIN);
    const int height = GetSystemMetrics(SM_CYMIN);
    return RECT{-32000, -32000, -32000 + width, -32000 + height};
}

// Changes the state; returns the rectangle to move to, or nothing when a hook
// refused or the state is already the one asked for.
bool ChangeState(HWND hwnd, State wanted, int command, RECT& target) {
    Window* window = Desktop::Get().Find(hwnd);
    if (window == nullptr || CurrentState(*window) == wanted)
        return false;
    if (CbtRefuses(HCBT_MINMAX, reinterpret_cast<WPARAM>(hwnd), command))
        return false;
    if ((window = Desktop::Get().Find(hwnd)) == nullptr)
        return false;
    if (CurrentState(*window) == State::Normal)
        window->normalRect = window->rect;
    switch (wanted) {
    case State::Minimized:
        window->style = (window->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
        target = MinimizedRect();
        break;
    case State::Maximized: {
        const MINMAXINFO info = QueryMinMaxInfo(hwnd);
        if ((window = Desktop::Get().Find(hwnd)) == nullptr)
            return false;
        window->style = (window->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        target =
            RECT{info.ptMaxPosition.x, info.ptMaxPosition.y,
                 info.ptMaxPosition.x + info.ptMaxSize.x, info.ptMaxPosition.y + info.ptMaxSize.y};
        break;
    }
    case State::Normal:
        window->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        target = window->normalRect;
        break;
    }
    return true;
}

} // namespace

BOOL ShowWindow(HWND hwnd, int command) {
    Window* window = Desktop::Get().Find(hwnd);
    if (window == nullptr)
        return FALSE;
    const bool wasVisible = window->IsVisible();
    UINT flags = SWP_NOSIZE | SWP_NOMOVE;
    bool show = true;
    RECT target{};
    bool stateChanged = false;
    switch (command) {
    case SW_HIDE:
        if (!wasVisible)
            return FALSE;
        show = false;
        flags |= SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        flags |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
        if (command != SW_SHOWMINIMIZED)
            flags |= SWP_NOACTIVATE;
        stateChanged = ChangeState(hwnd, State::Minimized, command, target);
        break;
    case SW_SHOWMAXIMIZED:
        flags |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
        stateChanged = ChangeState(hwnd, State::Maximized, command, target);
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        flags |= SWP_SHOWWINDOW | SWP_FRAMECHANGED;
        stateChanged = ChangeState(hwnd, State::Normal, command, target);
        break;
    case SW_SHOWNOACTIVATE:
        flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
        break;
    case SW_SHOWNA:
        flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
        break;
    case SW_SHOW:
    default:
        flags |= SWP_SHOWWINDOW;
        break;
    }
    // Showing a child neither activates it nor lifts it above its siblings:
    // their order stays the creation order that tab order and groups follow.
    if (window->IsChild())
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    if (stateChanged)
        flags = (flags & ~(SWP_NOSIZE | SWP_NOMOVE)) | SWP_STATECHANGED;
    else if (command != SW_HIDE && wasVisible)
        flags &= ~SWP_FRAMECHANGED;
    if (show != wasVisible) {
        Send(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!IsWindow(hwnd))
            return wasVisible ? TRUE : FALSE;
    }
    if (show != wasVisible || stateChanged)
        SetWindowPos(hwnd, HWND_TOP, target.left, target.top, RectWidth(target), RectHeight(target),
                     flags);
    else if (show && !(flags & SWP_NOACTIVATE) &&
             Desktop::Get().IsTopLevel(*Desktop::Get().Find(hwnd)))
        ActivateWindow(hwnd, WA_ACTIVE);
    // A minimised window gives the activation away.
    if (stateChanged && IsIconic(hwnd) && GetActiveWindow() == hwnd)
        ActivateWindow(NextWindowToActivate(hwnd), WA_ACTIVE);
    return wasVisible ? TRUE : FALSE;
}

} // namespace win
