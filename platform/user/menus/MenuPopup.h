#pragma once
// One open level of a tracked menu: the menu, its "#32768" window, the items'
// places and the selected item.

#include "platform/user/menus/PopupLayout.h"

namespace win {

struct MenuPopup {
    HMENU menu = nullptr;
    HWND window = nullptr;
    HWND owner = nullptr; // receives WM_MEASUREITEM/WM_DRAWITEM
    PopupLayout layout;
    int selected = -1;
};

// Registers the "#32768" class once.
void RegisterMenuWindowClass();
// Creates the menu window for `popup` at `screen` (size from its layout),
// shown without activation. A CBT hook sees it created, as on Windows.
HWND CreateMenuWindow(MenuPopup& popup, POINT screen);
// Repaints item `index` of the popup's window now.
void RedrawMenuItem(const MenuPopup& popup, int index);

} // namespace win
