// Activation, keyboard focus and mouse capture.

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowTree.h"

#include <vector>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

WPARAM ActivateParam(HWND hwnd, WPARAM how) {
    return MAKEWPARAM(WORD(how), IsIconic(hwnd) ? 1 : 0);
}

void SendActivateApp(bool active) {
    std::vector<HWND> tops;
    for (const Window* w : Desktop::Get().Root().children)
        tops.push_back(w->handle);
    for (HWND top : tops)
        Send(top, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

bool CanActivate(const Window& w) {
    return w.IsVisible() && IsEnabledWindow(w) && !(w.style & WS_MINIMIZE) && !w.destroying;
}

} // namespace

bool ActivateWindow(HWND hwnd, WPARAM how) {
    Desktop& desktop = Desktop::Get();
    InputState& input = desktop.Input();
    if (hwnd != nullptr) {
        Window* window = Find(hwnd);
        if (window == nullptr)
            return false;
        hwnd = desktop.TopLevelOf(*window).handle;
    }
    const HWND old = input.active;
    if (hwnd == old)
        return true;
    if (hwnd != nullptr) {
        CBTACTIVATESTRUCT cbt{how == WA_CLICKACTIVE ? TRUE : FALSE, old};
        if (CbtRefuses(HCBT_ACTIVATE, reinterpret_cast<WPARAM>(hwnd),
                       reinterpret_cast<LPARAM>(&cbt)))
            return false;
    }
    if (IsWindow(old)) {
        if (Window* w = Find(old))
            w->activeFrame = false;
        Send(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(hwnd));
        Send(old, WM_ACTIVATE, ActivateParam(old, WA_INACTIVE), reinterpret_cast<LPARAM>(hwnd));
    }
    if (hwnd != nullptr && !IsWindow(hwnd))
        hwnd = nullptr;
    input.active = hwnd;
    if (hwnd != nullptr && GetWindow(hwnd, GW_HWNDFIRST) != hwnd)
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if ((old == nullptr) != (hwnd == nullptr))
        SendActivateApp(hwnd != nullptr);
    if (hwnd == nullptr) {
        if (input.focus != nullptr)
            SetFocus(nullptr);
        return true;
    }
    if (Window* w = Find(hwnd))
        w->activeFrame = true;
    Send(hwnd, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(old));
    Send(hwnd, WM_ACTIVATE, ActivateParam(hwnd, how), reinterpret_cast<LPARAM>(old));
    // Focus left behind in another top-level window does not stay there.
    if (const Window* focus = Find(input.focus); focus != nullptr && input.active == hwnd) {
        Window* active = Find(hwnd);
        if (active != nullptr && &desktop.TopLevelOf(const_cast<Window&>(*focus)) != active)
            SetFocus(nullptr);
    }
    if (input.active == hwnd)
        desktop.Display().SetInputFocus(hwnd);
    return true;
}

HWND NextWindowToActivate(HWND hwnd) {
    const Window* window = Find(hwnd);
    if (window != nullptr && window->owner != nullptr) {
        const Window* owner = Find(window->owner);
        if (owner != nullptr && CanActivate(*owner))
            return owner->handle;
    }
    for (const Window* w : Desktop::Get().Root().children)
        if (w->handle != hwnd && CanActivate(*w) && !(w->exStyle & WS_EX_TOOLWINDOW))
            return w->handle;
    return nullptr;
}

void MoveInputAwayFrom(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    InputState& input = desktop.Input();
    const Window* window = Find(hwnd);
    if (window == nullptr)
        return;
    auto within = [&](HWND h) {
        const Window* w = Find(h);
        return w != nullptr && (w == window || IsAncestor(*window, *w));
    };
    if (within(input.capture))
        ReleaseCapture();
    if (within(input.focus)) {
        window = Find(hwnd);
        if (window == nullptr)
            return;
        const bool child = window->IsChild();
        SetFocus(child ? window->parent->handle : nullptr);
    }
    if (input.active == hwnd)
        ActivateWindow(NextWindowToActivate(hwnd), WA_ACTIVE);
    if (input.trackWindow != nullptr && within(input.trackWindow))
        input.trackWindow = nullptr;
    if (within(input.lastMouseWindow))
        input.lastMouseWindow = nullptr;
}

HWND SetActiveWindow(HWND hwnd) {
    const HWND old = Desktop::Get().Input().active;
    if (hwnd != nullptr && !IsWindow(hwnd))
        return nullptr;
    ActivateWindow(hwnd, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow() {
    return Desktop::Get().Input().active;
}

BOOL SetForegroundWindow(HWND hwnd) {
    if (!IsWindow(hwnd))
        return FALSE;
    return ActivateWindow(hwnd, WA_ACTIVE) ? TRUE : FALSE;
}

HWND GetForegroundWindow() {
    return GetActiveWindow();
}

HWND SetFocus(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    InputState& input = desktop.Input();
    const HWND old = input.focus;
    if (hwnd == nullptr) {
        if (old == nullptr)
            return nullptr;
        if (CbtRefuses(HCBT_SETFOCUS, 0, reinterpret_cast<LPARAM>(old)))
            return nullptr;
        input.focus = nullptr;
        Send(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    Window* window = Find(hwnd);
    if (window == nullptr)
        return nullptr;
    if (hwnd == old)
        return old;
    if (CbtRefuses(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(old)))
        return nullptr;
    if ((window = Find(hwnd)) == nullptr)
        return nullptr;
    const HWND top = desktop.TopLevelOf(*window).handle;
    if (input.active != top) {
        if (!ActivateWindow(top, WA_ACTIVE) || !IsWindow(hwnd))
            return nullptr;
    }
    const HWND previous = input.focus;
    if (previous == hwnd)
        return old;
    input.focus = hwnd;
    if (IsWindow(previous))
        Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (input.focus == hwnd && IsWindow(hwnd))
        Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return old;
}

HWND GetFocus() {
    return Desktop::Get().Input().focus;
}

HWND SetCapture(HWND hwnd) {
    Desktop& desktop = Desktop::Get();
    InputState& input = desktop.Input();
    const HWND old = input.capture;
    if (!IsWindow(hwnd) || hwnd == old)
        return old;
    input.capture = hwnd;
    if (IsWindow(old))
        Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    desktop.Display().SetMouseCapture(true);
    return old;
}

BOOL ReleaseCapture() {
    Desktop& desktop = Desktop::Get();
    InputState& input = desktop.Input();
    const HWND old = input.capture;
    if (old == nullptr)
        return TRUE;
    input.capture = nullptr;
    desktop.Display().SetMouseCapture(false);
    if (IsWindow(old))
        Send(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return Desktop::Get().Input().capture;
}

} // namespace win
