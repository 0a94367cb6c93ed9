#include "platform/user/menus/MenuBar.h"

#include "platform/gdi/Controls3D.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/user/Dispatch.h"
#include "platform/user/NonClient.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/controls/StandardControls.h"
#include "platform/user/menus/MenuItemPainter.h"
#include "platform/user/menus/MenuTracker.h"
#include "platform/user/menus/PopupLayout.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace win {

namespace {

constexpr int kBarPadding = 6; // on each side of an item's text

// The bar item shown open (pressed) per window while its menu is tracked.
struct OpenBarItem {
    HWND window = nullptr;
    int index = -1;
} openItem;

// The caption buttons a maximised MDI child lends the bar are bitmap items
// with the small HBMMENU_MBAR_ handles.
bool IsCaptionButton(const MenuItem& item) {
    const auto value = reinterpret_cast<std::uintptr_t>(item.bitmap);
    return (item.type & MFT_BITMAP) && value >= 1 && value <= 11;
}

void PaintCaptionButton(HDC hdc, const MenuItem& item, RECT r) {
    const auto value = reinterpret_cast<std::uintptr_t>(item.bitmap);
    const UINT kind = value == 3   ? DFCS_CAPTIONMIN
                      : value == 2 ? DFCS_CAPTIONRESTORE
                                   : DFCS_CAPTIONCLOSE;
    const int side = std::min(RectWidth(r), RectHeight(r)) - 2;
    RECT button{r.left + (RectWidth(r) - side) / 2, r.top + (RectHeight(r) - side) / 2, 0, 0};
    button.right = button.left + side;
    button.bottom = button.top + side;
    DrawFrameControl(hdc, &button, DFC_CAPTION, kind);
}

const Menu* BarOf(HWND hwnd) {
    return MenuTable::Get().Find(GetMenu(hwnd));
}

int OwnerDrawnWidth(HWND hwnd, const MenuItem& item) {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_MENU;
    measure.itemID = item.id;
    measure.itemData = item.data;
    SendWithPointer(hwnd, WM_MEASUREITEM, 0, &measure);
    return int(measure.itemWidth);
}

// Measures the bar's items (a copy: owner-drawn items' owner may change the
// menu while it is asked) for the menu row `row`.
std::vector<RECT> MeasureBar(HWND hwnd, const std::vector<MenuItem>& items, const RECT& row) {
    std::vector<RECT> rects;
    rects.reserve(items.size());
    const HDC hdc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(hdc, MenuFont());
    int x = row.left;
    std::size_t rightFrom = items.size();
    for (const MenuItem& item : items) {
        int width = 0;
        if ((item.type & MFT_RIGHTJUSTIFY) && rightFrom == items.size())
            rightFrom = rects.size();
        if (IsCaptionButton(item))
            width = GetSystemMetrics(SM_CXMENUSIZE);
        else if (item.IsOwnerDrawn())
            width = OwnerDrawnWidth(hwnd, item);
        else if (!item.IsSeparator())
            width = int(MenuTextSize(hdc, item.Label()).cx) + 2 * kBarPadding;
        rects.push_back(RECT{x, row.top, std::min<LONG>(x + width, row.right), row.bottom});
        x = std::min<LONG>(x + width, row.right);
    }
    SelectObject(hdc, old);
    DeleteDC(hdc);
    // Items from the first right-justified one on line up at the right end.
    if (rightFrom < rects.size()) {
        const LONG shift = row.right - rects.back().right;
        for (std::size_t i = rightFrom; i < rects.size(); ++i)
            OffsetRect(&rects[i], shift, 0);
    }
    return rects;
}

// What an item's width depends on.
bool SameMeasure(const MenuItem& a, const MenuItem& b) {
    return a.type == b.type && a.id == b.id && a.bitmap == b.bitmap && a.data == b.data &&
           a.text == b.text;
}

// A window's bar layout with the row and items it was measured for. Windows
// measure a bar again only when its row or its items changed, so that an
// unchanged repaint measures (and allocates) nothing.
struct BarLayout {
    HMENU menu = nullptr;
    RECT row{};
    std::vector<MenuItem> measured;
    std::vector<RECT> rects;

    bool Fits(const Menu& bar, const RECT& r) const {
        return menu == bar.handle && EqualRect(&row, &r) &&
               std::equal(measured.begin(), measured.end(), bar.items.begin(), bar.items.end(),
                          SameMeasure);
    }
};

// Per window; entries of windows that are gone go when another is measured.
std::map<HWND, BarLayout> barLayouts;

const std::vector<RECT>& BarItemRects(HWND hwnd, const RECT& row) {
    static const std::vector<RECT> none;
    const Menu* bar = BarOf(hwnd);
    if (bar == nullptr || IsRectEmpty(&row))
        return none;
    const auto found = barLayouts.find(hwnd);
    if (found != barLayouts.end() && found->second.Fits(*bar, row))
        return found->second.rects;
    std::erase_if(barLayouts, [](const auto& entry) { return !IsWindow(entry.first); });
    BarLayout measured{bar->handle, row, bar->items, {}};
    measured.rects = MeasureBar(hwnd, measured.measured, row);
    BarLayout& layout = barLayouts[hwnd];
    layout = std::move(measured);
    return layout.rects;
}

RECT MenuRow(HWND hwnd) {
    return LayoutOf(hwnd).menu;
}

// Screen rectangle of a bar item.
RECT ItemScreenRect(HWND hwnd, int index) {
    const std::vector<RECT> items = MenuBarItemRects(hwnd, MenuRow(hwnd));
    if (index < 0 || std::size_t(index) >= items.size())
        return RECT{};
    RECT window;
    GetWindowRect(hwnd, &window);
    return Offset(items[std::size_t(index)], window.left, window.top);
}

void RedrawBar(HWND hwnd) {
    const HDC hdc = GetWindowDC(hwnd);
    PaintMenuBar(hwnd, hdc, MenuRow(hwnd));
    ReleaseDC(hwnd, hdc);
}

void SetOpenItem(HWND hwnd, int index) {
    openItem = OpenBarItem{index < 0 ? nullptr : hwnd, index};
    RedrawBar(hwnd);
}

// The system menu's items and their enabling by the window's state.
struct SystemItem {
    UINT command;
    const char* text;
};
constexpr SystemItem kSystemItems[] = {
    {SC_RESTORE, "还原(&R)"},       {SC_MOVE, "移动(&M)"},       {SC_SIZE, "大小(&S)"},
    {SC_MINIMIZE, "最小化(&N)"},    {SC_MAXIMIZE, "最大化(&X)"}, {0, nullptr},
    {SC_CLOSE, "关闭(&C)\tAlt+F4"},
};

bool SystemItemEnabled(HWND hwnd, UINT command) {
    const DWORD style = DWORD(GetWindowLong(hwnd, GWL_STYLE));
    const bool minimized = IsIconic(hwnd), maximized = IsZoomed(hwnd);
    switch (command) {
    case SC_RESTORE:
        return minimized || maximized;
    case SC_MOVE:
        return !maximized;
    case SC_SIZE:
        return (style & WS_THICKFRAME) && !minimized && !maximized;
    case SC_MINIMIZE:
        return (style & WS_MINIMIZEBOX) && !minimized;
    case SC_MAXIMIZE:
        return (style & WS_MAXIMIZEBOX) && !maximized;
    case SC_CLOSE:
        return !(GetClassLong(hwnd, GCL_STYLE) & CS_NOCLOSE);
    default:
        return true;
    }
}

struct SystemMenus {
    std::vector<std::pair<HWND, HMENU>> menus;
    // Menus of windows that are gone are freed when the list is next used.
    void Purge() {
        std::erase_if(menus, [](const auto& entry) {
            if (IsWindow(entry.first))
                return false;
            DestroyMenu(entry.second);
            return true;
        });
    }
} systemMenus;

HMENU BuildSystemMenu() {
    const HMENU menu = CreatePopupMenu();
    for (const SystemItem& item : kSystemItems)
        AppendMenu(menu, item.text == nullptr ? MF_SEPARATOR : MF_STRING, item.command, item.text);
    MenuTable::Get().Find(menu)->system = true;
    SetMenuDefaultItem(menu, SC_CLOSE);
    return menu;
}

// Where the system menu opens: under the caption's icon.
POINT SystemMenuPoint(HWND hwnd) {
    const NonClientLayout layout = LayoutOf(hwnd);
    RECT window;
    GetWindowRect(hwnd, &window);
    return POINT{window.left + layout.caption.left, window.top + layout.caption.bottom};
}

} // namespace

BOOL SetMenuDefaultItem(HMENU menu, UINT command) {
    Menu* m = MenuTable::Get().Find(menu);
    if (m == nullptr)
        return FALSE;
    for (MenuItem& item : m->items)
        item.state = (item.state & ~MFS_DEFAULT) | (item.id == command ? MFS_DEFAULT : 0);
    return TRUE;
}

BOOL SetMenu(HWND hwnd, HMENU menu) {
    if (!IsWindow(hwnd) || (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD) ||
        (menu != nullptr && !IsMenu(menu)))
        return FALSE;
    SetWindowLongPtr(hwnd, GWLP_ID, reinterpret_cast<LONG_PTR>(menu));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

HMENU GetMenu(HWND hwnd) {
    if (!IsWindow(hwnd) || (GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD))
        return nullptr;
    const auto menu = reinterpret_cast<HMENU>(GetWindowLongPtr(hwnd, GWLP_ID));
    return IsMenu(menu) ? menu : nullptr;
}

BOOL DrawMenuBar(HWND hwnd) {
    if (GetMenu(hwnd) == nullptr)
        return FALSE;
    RedrawBar(hwnd);
    return TRUE;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    systemMenus.Purge();
    if (!IsWindow(hwnd))
        return nullptr;
    auto it = std::find_if(systemMenus.menus.begin(), systemMenus.menus.end(),
                           [hwnd](const auto& entry) { return entry.first == hwnd; });
    if (revert) {
        if (it != systemMenus.menus.end()) {
            DestroyMenu(it->second);
            systemMenus.menus.erase(it);
        }
        return nullptr;
    }
    if (it != systemMenus.menus.end())
        return it->second;
    const HMENU menu = BuildSystemMenu();
    systemMenus.menus.emplace_back(hwnd, menu);
    return menu;
}

std::vector<RECT> MenuBarItemRects(HWND hwnd, const RECT& row) {
    return BarItemRects(hwnd, row);
}

void PaintMenuBar(HWND hwnd, HDC hdc, const RECT& row) noexcept {
    if (IsRectEmpty(&row))
        return;
    FillRect(hdc, &row, GetSysColorBrush(COLOR_MENU));
    const Menu* bar = BarOf(hwnd);
    if (bar == nullptr)
        return;
    const std::vector<RECT>& rects = BarItemRects(hwnd, row);
    const int saved = SaveDC(hdc);
    SelectObject(hdc, MenuFont());
    // Sizes checked each turn: an owner drawing an item may change the menu.
    for (std::size_t i = 0; i < rects.size() && i < bar->items.size(); ++i) {
        RECT r = rects[i];
        if (IsCaptionButton(bar->items[i])) {
            PaintCaptionButton(hdc, bar->items[i], r);
            continue;
        }
        PaintMenuItem(hdc, *bar, bar->items[i], r, false, MenuItemColumns{kBarPadding, 0}, hwnd);
        if (openItem.window == hwnd && openItem.index == int(i))
            DrawEdge(hdc, &r, BDR_SUNKENOUTER, BF_RECT);
    }
    RestoreDC(hdc, saved);
}

int MenuBarItemAt(HWND hwnd, POINT screen) {
    RECT window;
    if (!GetWindowRect(hwnd, &window))
        return -1;
    const POINT local{screen.x - window.left, screen.y - window.top};
    const std::vector<RECT> rects = MenuBarItemRects(hwnd, MenuRow(hwnd));
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (Contains(rects[i], local) && !IsRectEmpty(&rects[i]))
            return int(i);
    return -1;
}

void TrackMenuBar(HWND hwnd, int index, bool byKeyboard) {
    const HMENU bar = GetMenu(hwnd);
    const int count = GetMenuItemCount(bar);
    if (bar == nullptr || index < 0 || index >= count || MenuTracker::Active() != nullptr)
        return;
    Send(hwnd, WM_ENTERMENULOOP, FALSE);
    Send(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar));
    UINT chosen = 0;
    while (index >= 0 && IsWindow(hwnd)) {
        SetOpenItem(hwnd, index);
        const HMENU sub = GetSubMenu(bar, index);
        if (sub == nullptr) {
            // A command on the bar itself acts at once.
            const MenuItemRef ref = MenuTable::Get().Locate(bar, UINT(index), MF_BYPOSITION);
            chosen = ref && ref.Item().IsEnabled() ? ref.Item().id : 0;
            break;
        }
        const RECT item = ItemScreenRect(hwnd, index);
        MenuTracker tracker(hwnd, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL, false);
        tracker.LinkToBar(MenuBarLink{hwnd, bar, index});
        chosen = tracker.Run(sub, POINT{item.left, item.bottom}, &item, byKeyboard);
        index = tracker.BarSwitch();
        byKeyboard = tracker.BarSwitchByKeyboard();
    }
    ReleaseMenuCapture();
    if (!IsWindow(hwnd))
        return;
    SetOpenItem(hwnd, -1);
    Send(hwnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Send(hwnd, WM_EXITMENULOOP, FALSE);
    if (chosen != 0)
        PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(WORD(chosen), 0), 0);
}

void TrackSystemMenu(HWND hwnd, POINT at, bool byKeyboard) {
    const HMENU menu = GetSystemMenu(hwnd, FALSE);
    if (menu == nullptr)
        return;
    for (const SystemItem& item : kSystemItems)
        if (item.text != nullptr)
            EnableMenuItem(menu, item.command,
                           SystemItemEnabled(hwnd, item.command) ? MF_ENABLED : MF_GRAYED);
    TrackMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at, hwnd, nullptr, byKeyboard);
}

LRESULT MenuKeyCommand(HWND hwnd, LPARAM key) {
    if (key == ' ') {
        if (GetWindowLong(hwnd, GWL_STYLE) & WS_SYSMENU)
            TrackSystemMenu(hwnd, SystemMenuPoint(hwnd), true);
        return 0;
    }
    const Menu* bar = BarOf(hwnd);
    if (bar == nullptr || bar->items.empty())
        return 0;
    if (key == 0) {
        TrackMenuBar(hwnd, 0, true);
        return 0;
    }
    const char32_t wanted = key < 0x80 ? char32_t(std::tolower(int(key))) : char32_t(key);
    for (std::size_t i = 0; i < bar->items.size(); ++i)
        if (bar->items[i].Mnemonic() == wanted) {
            TrackMenuBar(hwnd, int(i), true);
            return 0;
        }
    return 0;
}

LRESULT MenuMouseCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (int(command & 0x0F) == HTSYSMENU) {
        TrackSystemMenu(hwnd, SystemMenuPoint(hwnd), false);
        return 0;
    }
    const int index = MenuBarItemAt(hwnd, at);
    if (index >= 0)
        TrackMenuBar(hwnd, index, false);
    return 0;
}

} // namespace win
