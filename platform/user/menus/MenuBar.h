#pragma once
// The menu bar in a window's non-client row and the system menu, with the
// entry points DefWindowProc's non-client code calls: painting the row,
// finding the item under a point, and WM_SYSCOMMAND's SC_KEYMENU (Alt, Alt+key,
// Alt+Space) and SC_MOUSEMENU (a press on the bar or the caption icon).

#include "platform/user/menus/Menus.h"

#include <vector>

namespace win {

// The rectangles of the bar's items in window coordinates for the menu row
// `row` (window coordinates too).
std::vector<RECT> MenuBarItemRects(HWND hwnd, const RECT& row);
// Paints the menu row `row` (window coordinates of `hdc`); never throws.
void PaintMenuBar(HWND hwnd, HDC hdc, const RECT& row) noexcept;
// The bar item under a screen point, or -1.
int MenuBarItemAt(HWND hwnd, POINT screen);
// Opens bar item `index` and tracks it, moving to neighbouring items with
// Left/Right and with the mouse, until a command is chosen or the menu closes.
void TrackMenuBar(HWND hwnd, int index, bool byKeyboard);
// Opens the window's system menu at `at` (screen), each item enabled by the
// window's state and styles; the choice arrives as WM_SYSCOMMAND.
void TrackSystemMenu(HWND hwnd, POINT at, bool byKeyboard);

// WM_SYSCOMMAND with SC_KEYMENU (`key` from its lParam) and SC_MOUSEMENU
// (hit code in the command's low bits, point in lParam).
LRESULT MenuKeyCommand(HWND hwnd, LPARAM key);
LRESULT MenuMouseCommand(HWND hwnd, WPARAM command, LPARAM lParam);

} // namespace win
