// Small steps shared by creation, destruction and positioning.

#include "platform/user/Desktop.h"
#include "platform/user/Dispatch.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowInternals.h"

namespace win {

void RecalculateClientRect(Window& window) {
    const HWND hwnd = window.handle;
    RECT rect = window.rect;
    SendWithPointer(hwnd, WM_NCCALCSIZE, FALSE, &rect);
    Window* w = Desktop::Get().Find(hwnd);
    if (w == nullptr)
        return;
    rect.right = std::max(rect.right, rect.left);
    rect.bottom = std::max(rect.bottom, rect.top);
    w->client = Offset(rect, -w->rect.left, -w->rect.top);
}

void ForgetWindowState(Window& window) {
    Desktop& desktop = Desktop::Get();
    const HWND hwnd = window.handle;
    desktop.Timers().KillAll(hwnd);
    desktop.Queue().Forget(hwnd);
    InputState& input = desktop.Input();
    if (input.focus == hwnd)
        input.focus = nullptr;
    if (input.active == hwnd)
        input.active = nullptr;
    if (input.capture == hwnd) {
        input.capture = nullptr;
        desktop.Display().SetMouseCapture(false);
    }
    if (input.trackWindow == hwnd)
        input.trackWindow = nullptr;
    if (input.lastMouseWindow == hwnd)
        input.lastMouseWindow = nullptr;
    if (input.lastClickWindow == hwnd)
        input.lastClickWindow = nullptr;
}

} // namespace win
