#pragma once
// Where the items of a popup menu go: each item's rectangle in the menu
// window's client area and the window's size. Owner-drawn items are measured by
// their owner (WM_MEASUREITEM), the others with the menu font.

#include "platform/user/menus/MenuTable.h"

#include <string_view>
#include <vector>

namespace win {

// The raised frame of a menu window: an outer and inner edge and one pixel of
// menu colour, as the skin's frame strips expect.
constexpr int kMenuFrame = 3;

struct PopupLayout {
    std::vector<RECT> items; // client coordinates, one per item
    SIZE window{0, 0};       // the whole window, frame included
    int textColumn = 0;      // where text starts (after the check column)
    int shortcutColumn = 0;  // where shortcuts start, 0 without any

    static PopupLayout Measure(const Menu& menu, HWND owner);
    // The item under a client point, or -1.
    int ItemAt(POINT client) const;
};

// The font menus are drawn with (the non-client metrics' menu font), made on
// first use and kept for the GUI thread's life, so that painting a menu creates
// no font.
HFONT MenuFont();
// The extent of one line of menu text in the font selected into `hdc`.
SIZE MenuTextSize(HDC hdc, std::string_view text);

} // namespace win
