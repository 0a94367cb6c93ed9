#pragma once
// What the painters ask of a bare window: its caption and class name, and a
// WM_MOUSELEAVE when the mouse leaves it.

#include "platform/user/UserTypes.h"

#include <string>

namespace skin {

// The window's text as WM_GETTEXT gives it; empty for no window.
std::string GetWindowCaption(win::HWND hwnd);
// The window's class name, at most 99 characters.
std::string GetWindowClassName(win::HWND hwnd);
// Asks for one WM_MOUSELEAVE when the mouse leaves the window.
void TrackMouseLeave(win::HWND hwnd);

} // namespace skin
