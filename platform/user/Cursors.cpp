// Cursors and icons. The standard ones are identified by their resource
// number: the handle carries the number, and the backend shows the shape.

#include "platform/user/Desktop.h"
#include "platform/user/WinUser.h"

namespace win {

namespace {

// Standard cursor and icon handles live in the reserved range below 0x10000,
// where no allocated handle can be.
HICON StandardHandle(const char* name) {
    const auto value = reinterpret_cast<std::uintptr_t>(name);
    if (value == 0 || value > 0xFFFF)
        return nullptr;
    return reinterpret_cast<HICON>(value);
}

} // namespace

HCURSOR LoadCursor(HINSTANCE instance, const char* name) {
    return instance == nullptr ? StandardHandle(name) : nullptr;
}

HICON LoadIcon(HINSTANCE instance, const char* name) {
    return instance == nullptr ? StandardHandle(name) : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    Desktop& desktop = Desktop::Get();
    const HCURSOR old = desktop.Input().cursor;
    if (cursor != old) {
        desktop.Input().cursor = cursor;
        desktop.Display().SetCursorShape(cursor);
    }
    return old;
}

HCURSOR GetCursor() {
    return Desktop::Get().Input().cursor;
}

// The mouse has moved far enough with the button held to start a drag.
BOOL DragDetect(HWND hwnd, POINT point) {
    if (!IsWindow(hwnd))
        return FALSE;
    POINT screen = point;
    ClientToScreen(hwnd, &screen);
    MSG msg;
    while (GetAsyncKeyState(VK_LBUTTON) < 0) {
        if (!PeekMessage(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_LBUTTONUP)
            return FALSE;
        if (std::abs(msg.pt.x - screen.x) > 2 || std::abs(msg.pt.y - screen.y) > 2)
            return TRUE;
    }
    return FALSE;
}

} // namespace win
