#pragma once
// Internal helpers for sending messages to window objects.

#include "platform/user/Window.h"

namespace win {

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
template <typename T> LRESULT SendWithPointer(HWND hwnd, UINT message, WPARAM wParam, T* pointer) {
    return Send(hwnd, message, wParam, reinterpret_cast<LPARAM>(pointer));
}
// Calls the CBT hook chain; true when a hook refused the action.
bool CbtRefuses(int code, WPARAM wParam, LPARAM lParam);

} // namespace win
