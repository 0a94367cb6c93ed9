#pragma once
// The framework's own look of an owner-drawn menu item: an image column (the
// menu's image list, the item's bitmap, or the check mark), the caption after
// it, the shortcut at the right and the submenu arrow, in the menu colours.
// Skinners replace it through the items' draw events.

#include "framework/gui/MenuItem.h"

namespace fw {

class TFont;

// The font menus are drawn in.
void AssignMenuFont(TFont& font);

win::SIZE MeasureMenuItemLook(const TMenuItem& item, TCanvas& canvas, bool onBar);
void DrawMenuItemLook(const TMenuItem& item, TCanvas& canvas, const win::RECT& rect,
                      TOwnerDrawState state, bool onBar);

} // namespace fw
