#include "platform/user/menus/MenuItemPainter.h"

#include "platform/gdi/Controls3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/user/Dispatch.h"
#include "platform/user/Rects.h"
#include "platform/user/ScratchBuffer.h"
#include "platform/user/controls/StandardControls.h"

namespace win {

namespace {

UINT OwnerDrawState(const MenuItem& item, bool selected) {
    UINT state = 0;
    if (selected)
        state |= ODS_SELECTED;
    if (item.state & MF_GRAYED)
        state |= ODS_GRAYED;
    if (item.state & MF_DISABLED)
        state |= ODS_DISABLED;
    if (item.IsChecked())
        state |= ODS_CHECKED;
    if (item.state & MFS_DEFAULT)
        state |= ODS_DEFAULT;
    return state;
}

void PaintOwnerDrawn(HDC hdc, const Menu& menu, const MenuItem& item, const RECT& rect,
                     bool selected, HWND owner) {
    if (owner == nullptr)
        return;
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_MENU;
    draw.itemID = item.id;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = OwnerDrawState(item, selected);
    // Windows passes the menu handle where a control would pass its window.
    draw.hwndItem = reinterpret_cast<HWND>(menu.handle);
    draw.hDC = hdc;
    draw.rcItem = rect;
    draw.itemData = item.data;
    const int saved = SaveDC(hdc);
    SendWithPointer(owner, WM_DRAWITEM, 0, &draw);
    RestoreDC(hdc, saved);
}

void PaintSeparator(HDC hdc, const RECT& rect) {
    RECT line{rect.left + 1, rect.top + RectHeight(rect) / 2 - 1, rect.right - 1, rect.bottom};
    DrawEdge(hdc, &line, EDGE_ETCHED, BF_TOP);
}

void DrawLabel(HDC hdc, std::string_view text, RECT r, UINT align, COLORREF color) {
    SetTextColor(hdc, color);
    DrawText(hdc, text.data(), int(text.size()), &r, align | DT_SINGLELINE | DT_VCENTER);
}

// Disabled text is embossed: a highlight copy one pixel down-right, then the
// shadow colour, unless the item is selected.
void DrawText3(HDC hdc, std::string_view text, const RECT& r, UINT align, bool enabled,
               bool selected) {
    if (enabled) {
        DrawLabel(hdc, text, r, align,
                  GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        return;
    }
    if (!selected)
        DrawLabel(hdc, text, Offset(r, 1, 1), align, GetSysColor(COLOR_3DHILIGHT));
    DrawLabel(hdc, text, r, align, GetSysColor(selected ? COLOR_GRAYTEXT : COLOR_3DSHADOW));
}

void PaintBitmap(HDC hdc, HBITMAP bitmap, int x, const RECT& rect) {
    BITMAP bm{};
    if (bitmap == nullptr || GetObject(bitmap, sizeof(bm), &bm) == 0)
        return;
    const HDC source = CreateCompatibleDC(hdc);
    const HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(hdc, x, rect.top + (RectHeight(rect) - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight, source,
           0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void PaintContent(HDC hdc, const Menu& menu, const MenuItem& item, const RECT& rect, bool selected,
                  MenuItemColumns columns) {
    const bool enabled = item.IsEnabled();
    const COLORREF glyphColor = GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                            : selected ? COLOR_HIGHLIGHTTEXT
                                                       : COLOR_MENUTEXT);
    const RECT checkColumn{rect.left, rect.top, rect.left + columns.text, rect.bottom};
    if (item.IsChecked())
        PaintMenuGlyph(hdc, checkColumn,
                       (item.type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK, glyphColor);
    else if (item.bitmap != nullptr && !(item.type & MFT_BITMAP))
        PaintBitmap(hdc, item.bitmap, rect.left + 2, rect);
    if (item.type & MFT_BITMAP) {
        PaintBitmap(hdc, item.bitmap, rect.left, rect);
        return;
    }
    RECT text{rect.left + columns.text, rect.top, rect.right, rect.bottom};
    DrawText3(hdc, item.Label(), text, DT_LEFT, enabled, selected);
    const std::string_view shortcut = item.Shortcut();
    if (!shortcut.empty()) {
        const int right = rect.right - GetSystemMetrics(SM_CXMENUCHECK) - 4;
        if (columns.shortcut > 0)
            text = RECT{rect.left + columns.shortcut, rect.top, right, rect.bottom};
        DrawText3(hdc, shortcut, text, columns.shortcut > 0 ? DT_LEFT : DT_RIGHT, enabled,
                  selected);
    }
    if (item.subMenu != nullptr && menu.popup) {
        const int side = GetSystemMetrics(SM_CXMENUCHECK);
        PaintMenuGlyph(hdc, RECT{rect.right - side - 2, rect.top, rect.right - 2, rect.bottom},
                       DFCS_MENUARROW, glyphColor);
    }
}

} // namespace

void PaintMenuGlyph(HDC hdc, const RECT& rect, UINT glyph, COLORREF color) noexcept {
    // The frame control draws black on white, a mask: copy its black pixels
    // in the wanted colour so the glyph sits on any background.
    const int side = std::min(RectWidth(rect), RectHeight(rect));
    if (side <= 0)
        return;
    // Kept between paints: an unchanged repaint creates no drawing objects.
    static ScratchBuffer maskBuffer;
    const HDC mask = maskBuffer.Get(SIZE{side, side});
    RECT box{0, 0, side, side};
    DrawFrameControl(mask, &box, DFC_MENU, glyph);
    const int x = rect.left + (RectWidth(rect) - side) / 2;
    const int y = rect.top + (RectHeight(rect) - side) / 2;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
            if ((GetPixel(mask, column, row) & 0xFFFFFF) == 0)
                SetPixel(hdc, x + column, y + row, color);
}

void PaintMenuItem(HDC hdc, const Menu& menu, const MenuItem& item, const RECT& rect, bool selected,
                   MenuItemColumns columns, HWND owner) noexcept {
    if (item.IsOwnerDrawn()) {
        PaintOwnerDrawn(hdc, menu, item, rect, selected, owner);
        return;
    }
    const bool highlighted = selected && !item.IsSeparator();
    FillRect(hdc, &rect, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (item.IsSeparator()) {
        PaintSeparator(hdc, rect);
        return;
    }
    const int saved = SaveDC(hdc);
    SetBkMode(hdc, TRANSPARENT);
    PaintContent(hdc, menu, item, rect, highlighted, columns);
    RestoreDC(hdc, saved);
}

} // namespace win
