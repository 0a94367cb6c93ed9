#pragma once
// The classic look of one menu item: menu colour, highlight when selected,
// check mark or bullet, label, right-aligned shortcut, submenu arrow, embossed
// grey text when disabled. Owner-drawn items are drawn by their owner.

#include "platform/user/menus/MenuTable.h"

namespace win {

struct MenuItemColumns {
    int text = 0;     // left edge of the label
    int shortcut = 0; // left edge of shortcuts, 0 to right-align them only
};

// Draws item `item` of `menu` in `rect` (coordinates of `hdc`), the selected
// look when `selected`. Never throws: it runs inside painting.
void PaintMenuItem(HDC hdc, const Menu& menu, const MenuItem& item, const RECT& rect, bool selected,
                   MenuItemColumns columns, HWND owner) noexcept;

// A menu glyph (DFCS_MENUCHECK, DFCS_MENUBULLET, DFCS_MENUARROW) centred in
// `rect`, in `color`.
void PaintMenuGlyph(HDC hdc, const RECT& rect, UINT glyph, COLORREF color) noexcept;

} // namespace win
