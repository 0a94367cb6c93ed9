#include "platform/user/menus/PopupLayout.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/user/Dispatch.h"
#include "platform/user/Rects.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>

namespace win {

namespace {

constexpr int kSeparatorHeight = 8;
constexpr int kShortcutGap = 12;

struct ItemSize {
    int label = 0;
    int shortcut = 0;
    int height = 0;
    bool ownerWidth = false; // width given whole by the owner
};

ItemSize MeasureOwnerDrawn(const MenuItem& item, HWND owner) {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_MENU;
    measure.itemID = item.id;
    measure.itemHeight = UINT(GetSystemMetrics(SM_CYMENU));
    measure.itemData = item.data;
    if (owner != nullptr)
        SendWithPointer(owner, WM_MEASUREITEM, 0, &measure);
    return ItemSize{int(measure.itemWidth), 0, int(measure.itemHeight), true};
}

ItemSize MeasureBitmap(const MenuItem& item) {
    BITMAP bm{};
    if (item.bitmap != nullptr)
        GetObject(item.bitmap, sizeof(bm), &bm);
    return ItemSize{int(bm.bmWidth), 0, int(bm.bmHeight) + 2, false};
}

ItemSize MeasureItem(HDC hdc, const MenuItem& item, HWND owner, int textHeight) {
    if (item.IsOwnerDrawn())
        return MeasureOwnerDrawn(item, owner);
    if (item.IsSeparator())
        return ItemSize{0, 0, kSeparatorHeight, false};
    if ((item.type & MFT_BITMAP) != 0)
        return MeasureBitmap(item);
    const int check = GetSystemMetrics(SM_CYMENUCHECK);
    return ItemSize{int(MenuTextSize(hdc, item.Label()).cx),
                    int(MenuTextSize(hdc, item.Shortcut()).cx), std::max(textHeight + 6, check + 4),
                    false};
}

} // namespace

HFONT MenuFont() {
    // The handle table frees it at exit.
    static const HFONT font = [] {
        NONCLIENTMETRICS metrics;
        SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return CreateFontIndirect(&metrics.lfMenuFont);
    }();
    return font;
}

SIZE MenuTextSize(HDC hdc, std::string_view text) {
    RECT r{0, 0, 0, 0};
    if (!text.empty())
        DrawText(hdc, text.data(), int(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return SIZE{RectWidth(r), RectHeight(r)};
}

PopupLayout PopupLayout::Measure(const Menu& menu, HWND owner) {
    const HDC hdc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(hdc, MenuFont());
    TEXTMETRIC tm{};
    GetTextMetrics(hdc, &tm);

    std::vector<ItemSize> sizes;
    sizes.reserve(menu.items.size());
    for (const MenuItem& item : menu.items)
        sizes.push_back(MeasureItem(hdc, item, owner, int(tm.tmHeight)));
    SelectObject(hdc, oldFont);
    DeleteDC(hdc);

    PopupLayout layout;
    const int column = GetSystemMetrics(SM_CXMENUCHECK) + 4;
    int label = 0, shortcut = 0, owned = 0;
    for (const ItemSize& s : sizes) {
        if (s.ownerWidth)
            owned = std::max(owned, s.label);
        else
            label = std::max(label, s.label);
        shortcut = std::max(shortcut, s.shortcut);
    }
    layout.textColumn = column;
    layout.shortcutColumn = shortcut > 0 ? column + label + kShortcutGap : 0;
    const int textWidth =
        column + label + (shortcut > 0 ? kShortcutGap + shortcut : 0) + column; // arrow column
    const int width = std::max(textWidth, owned);
    int y = 0;
    for (const ItemSize& s : sizes) {
        layout.items.push_back(RECT{0, y, width, y + s.height});
        y += s.height;
    }
    layout.window = SIZE{width + 2 * kMenuFrame, y + 2 * kMenuFrame};
    return layout;
}

int PopupLayout::ItemAt(POINT client) const {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (Contains(items[i], client))
            return int(i);
    return -1;
}

} // namespace win
