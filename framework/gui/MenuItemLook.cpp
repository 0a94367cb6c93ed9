#include "framework/gui/MenuItemLook.h"

#include "framework/gui/Bitmap.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/GraphicsColor.h"
#include "framework/gui/ImageList.h"
#include "framework/gui/Menus.h"
#include "platform/gdi/Controls3D.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/Text.h"

#include <algorithm>

namespace fw {

namespace {

// Room on either side of the image column, after it, and at the right end
// (where the submenu arrow goes).
constexpr int ColumnMargin = 3;
constexpr int TextGap = 3;
constexpr int ShortCutGap = 24;
constexpr int RightMargin = 10;
constexpr int ArrowColumn = 16;
constexpr int SeparatorHeight = 8;
// D = (D and S) or (P and not S): the brush shows where the source is black.
constexpr win::DWORD BrushThroughBlack = 0x00B8074A;

int ImageColumnWidth(const TMenuItem& item) {
    const TMenu* menu = item.GetParentMenu();
    const int images = menu && menu->Images() ? menu->Images()->Width() : 0;
    return std::max({16, images, item.Bitmap()->Width()}) + 2 * ColumnMargin;
}

bool HasListImage(const TMenuItem& item) {
    const TMenu* menu = item.GetParentMenu();
    return menu && menu->Images() && item.ImageIndex() >= 0 &&
           item.ImageIndex() < menu->Images()->Count();
}

// A frame-control glyph (drawn black on white) in colour on the canvas.
void DrawGlyph(TCanvas& canvas, const win::RECT& box, win::UINT glyph, TColor color) {
    const int side = std::min(box.right - box.left, box.bottom - box.top);
    if (side <= 0)
        return;
    TBitmap mask;
    mask.SetSize(side, side);
    win::RECT area{0, 0, side, side};
    win::DrawFrameControl(mask.Canvas()->Handle(), &area, win::DFC_MENU, glyph);
    win::HDC dc = canvas.Handle();
    const win::HBRUSH brush = win::CreateSolidBrush(ColorToRGB(color));
    const win::HGDIOBJ old = win::SelectObject(dc, brush);
    win::BitBlt(dc, box.left + (box.right - box.left - side) / 2,
                box.top + (box.bottom - box.top - side) / 2, side, side, mask.Canvas()->Handle(), 0,
                0, BrushThroughBlack);
    win::SelectObject(dc, old);
    win::DeleteObject(brush);
}

void DrawImage(const TMenuItem& item, TCanvas& canvas, const win::RECT& column, bool enabled,
               bool selected) {
    const TMenu* menu = item.GetParentMenu();
    const bool checked = item.Checked();
    const bool listImage = HasListImage(item);
    const TBitmap& bitmap = *item.Bitmap();
    if (!listImage && bitmap.Empty()) {
        if (checked)
            DrawGlyph(canvas, column, item.RadioItem() ? win::DFCS_MENUBULLET : win::DFCS_MENUCHECK,
                      !enabled   ? clGrayText
                      : selected ? clHighlightText
                                 : clMenuText);
        return;
    }
    if (checked) {
        // A checked item with an image shows it pressed into the column.
        win::RECT frame{column.left + 1, column.top, column.right - 1, column.bottom};
        win::DrawEdge(canvas.Handle(), &frame, win::BDR_SUNKENOUTER, win::BF_RECT);
    }
    if (listImage) {
        const TImageList& images = *menu->Images();
        images.Draw(canvas, column.left + (column.right - column.left - images.Width()) / 2,
                    column.top + (column.bottom - column.top - images.Height()) / 2,
                    item.ImageIndex(), enabled);
        return;
    }
    const int x = column.left + (column.right - column.left - bitmap.Width()) / 2;
    const int y = column.top + (column.bottom - column.top - bitmap.Height()) / 2;
    bitmap.Draw(canvas, {x, y, x + bitmap.Width(), y + bitmap.Height()});
}

// Disabled text is embossed unless selected, as the platform draws its own items.
void DrawCaption(TCanvas& canvas, const std::string& text, win::RECT rect, win::UINT format,
                 bool enabled, bool selected) {
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    format |= win::DT_SINGLELINE | win::DT_VCENTER;
    if (!enabled && !selected) {
        win::RECT raised{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
        canvas.Font()->SetColor(clBtnHighlight);
        canvas.DrawText(text, raised, format);
    }
    canvas.Font()->SetColor(!enabled   ? (selected ? clGrayText : clBtnShadow)
                            : selected ? clHighlightText
                                       : clMenuText);
    canvas.DrawText(text, rect, format);
}

void DrawSeparator(TCanvas& canvas, const win::RECT& rect) {
    win::RECT line{rect.left + 1, rect.top + (rect.bottom - rect.top) / 2 - 1, rect.right - 1,
                   rect.bottom};
    win::DrawEdge(canvas.Handle(), &line, win::EDGE_ETCHED, win::BF_TOP);
}

} // namespace

void AssignMenuFont(TFont& font) {
    win::NONCLIENTMETRICS metrics;
    win::SystemParametersInfo(win::SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    font.SetName(metrics.lfMenuFont.lfFaceName);
    font.SetHeight(metrics.lfMenuFont.lfHeight);
    font.SetCharset(metrics.lfMenuFont.lfCharSet);
    font.SetStyle(metrics.lfMenuFont.lfWeight >= 700 ? TFontStyles{TFontStyle::fsBold}
                                                     : TFontStyles{});
}

win::SIZE MeasureMenuItemLook(const TMenuItem& item, TCanvas& canvas, bool onBar) {
    if (item.IsLine())
        return {2 * RightMargin, SeparatorHeight};
    win::RECT text{0, 0, 0, 0};
    canvas.DrawText(item.Caption(), text, win::DT_SINGLELINE | win::DT_CALCRECT);
    const int textHeight = std::max(text.bottom, canvas.TextHeight("W"));
    if (onBar)
        return {text.right + 2 * RightMargin, textHeight + 6};
    const TMenu* menu = item.GetParentMenu();
    const int imageHeight =
        std::max(menu && menu->Images() ? menu->Images()->Height() : 0, item.Bitmap()->Height());
    const std::string shortCut = ShortCutToText(item.ShortCut());
    const int shortCutWidth = shortCut.empty() ? 0 : ShortCutGap + canvas.TextWidth(shortCut);
    return {ImageColumnWidth(item) + TextGap + text.right + shortCutWidth + RightMargin +
                ArrowColumn,
            std::max(textHeight + 6, imageHeight + 4)};
}

void DrawMenuItemLook(const TMenuItem& item, TCanvas& canvas, const win::RECT& rect,
                      TOwnerDrawState state, bool onBar) {
    const bool selected = state.Contains(TOwnerDrawStateItem::odSelected) && !item.IsLine();
    const bool enabled = !state.Contains(TOwnerDrawStateItem::odGrayed) &&
                         !state.Contains(TOwnerDrawStateItem::odDisabled);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(selected ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (item.IsLine()) {
        DrawSeparator(canvas, rect);
        return;
    }
    if (item.Default())
        canvas.Font()->SetStyle(canvas.Font()->Style() + TFontStyles{TFontStyle::fsBold});
    if (onBar) {
        DrawCaption(canvas, item.Caption(), rect, win::DT_CENTER, enabled, selected);
        return;
    }
    const win::RECT column{rect.left, rect.top, rect.left + ImageColumnWidth(item), rect.bottom};
    DrawImage(item, canvas, column, enabled, selected);
    const win::RECT text{column.right + TextGap, rect.top, rect.right, rect.bottom};
    DrawCaption(canvas, item.Caption(), text, win::DT_LEFT, enabled, selected);
    const std::string shortCut = ShortCutToText(item.ShortCut());
    if (!shortCut.empty()) {
        const win::RECT right{text.left, rect.top, rect.right - RightMargin - ArrowColumn,
                              rect.bottom};
        DrawCaption(canvas, shortCut, right, win::DT_RIGHT, enabled, selected);
    }
    if (item.Count() > 0)
        DrawGlyph(canvas, {rect.right - ArrowColumn, rect.top, rect.right - 2, rect.bottom},
                  win::DFCS_MENUARROW, selected ? clHighlightText : clMenuText);
}

} // namespace fw
