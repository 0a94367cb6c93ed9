#pragma once
// The edit control's right-click menu (Undo, Cut, Copy, Paste, Delete, Select
// All) as a real popup menu, each item enabled by the edit's state.

#include "platform/user/WinUser.h"

namespace win {

// WM_CONTEXTMENU of an edit control: `lParam` holds the screen point, or -1
// from the keyboard (the menu then opens at the edit's centre).
LRESULT ShowEditContextMenu(HWND edit, LPARAM lParam);

} // namespace win
