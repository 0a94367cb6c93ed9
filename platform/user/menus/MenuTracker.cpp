#include "platform/user/menus/MenuTracker.h"

#include "platform/gdi/Utf8.h"
#include "platform/user/Dispatch.h"
#include "platform/user/NonClient.h"
#include "platform/user/Rects.h"
#include "platform/user/menus/MenuBar.h"

#include <algorithm>

namespace win {

namespace {

MenuTracker* active = nullptr;

bool IsMouseMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

bool IsButtonDown(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

bool IsButtonUp(UINT message) {
    return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP ||
           message == WM_NCLBUTTONUP || message == WM_NCRBUTTONUP || message == WM_NCMBUTTONUP;
}

bool IsRightButton(UINT message) {
    return message == WM_RBUTTONUP || message == WM_NCRBUTTONUP;
}

bool IsMenuWindow(HWND hwnd) {
    char name[16] = {};
    return hwnd != nullptr && GetClassName(hwnd, name, sizeof name) > 0 &&
           std::string_view(name) == WC_MENU;
}

SIZE ScreenSize() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// Where a menu of `size` goes for the TPM_ alignment flags, kept on the
// screen: it flips to the other side of the point when it would leave it.
POINT PlaceRoot(POINT at, SIZE size, UINT flags, const RECT* exclude) {
    const SIZE screen = ScreenSize();
    POINT p = at;
    if (flags & TPM_CENTERALIGN)
        p.x -= size.cx / 2;
    else if (flags & TPM_RIGHTALIGN)
        p.x -= size.cx;
    if (flags & TPM_VCENTERALIGN)
        p.y -= size.cy / 2;
    else if (flags & TPM_BOTTOMALIGN)
        p.y -= size.cy;
    if (p.x + size.cx > screen.cx && at.x - size.cx >= 0)
        p.x = at.x - size.cx;
    if (p.y + size.cy > screen.cy && at.y - size.cy >= 0)
        p.y = at.y - size.cy;
    if (exclude != nullptr) {
        const RECT placed{p.x, p.y, p.x + size.cx, p.y + size.cy};
        RECT overlap;
        if (IntersectRect(&overlap, &placed, exclude)) {
            if (flags & TPM_VERTICAL)
                p.y = exclude->bottom + size.cy <= screen.cy ? exclude->bottom
                                                             : exclude->top - size.cy;
            else
                p.x = exclude->right + size.cx <= screen.cx ? exclude->right
                                                            : exclude->left - size.cx;
        }
    }
    p.x = std::clamp<LONG>(p.x, 0, std::max<LONG>(0, screen.cx - size.cx));
    p.y = std::clamp<LONG>(p.y, 0, std::max<LONG>(0, screen.cy - size.cy));
    return p;
}

// A submenu opens beside its item, overlapping the parent's frame, and on the
// left of the parent when the right has no room.
POINT PlaceSubmenu(const MenuPopup& parent, int item, SIZE size) {
    RECT window;
    GetWindowRect(parent.window, &window);
    POINT itemTop{0, parent.layout.items[std::size_t(item)].top};
    ClientToScreen(parent.window, &itemTop);
    const SIZE screen = ScreenSize();
    POINT p{window.right - kMenuFrame, itemTop.y - kMenuFrame};
    if (p.x + size.cx > screen.cx)
        p.x = window.left - size.cx + kMenuFrame;
    if (p.y + size.cy > screen.cy)
        p.y = screen.cy - size.cy;
    return POINT{std::max<LONG>(p.x, 0), std::max<LONG>(p.y, 0)};
}

WPARAM MenuSelectParam(const MenuItem& item, int position, bool byMouse) {
    const UINT flags = item.type | item.state | MF_HILITE | (byMouse ? MF_MOUSESELECT : 0) |
                       (item.subMenu != nullptr ? MF_POPUP : 0);
    const UINT key = item.subMenu != nullptr ? UINT(position) : item.id;
    return MAKEWPARAM(WORD(key), WORD(flags));
}

} // namespace

MenuTracker::MenuTracker(HWND owner, UINT flags, bool systemMenu)
    : owner_(owner), flags_(flags), system_(systemMenu), previous_(active) {
    active = this;
}

MenuTracker::~MenuTracker() {
    CloseLevels(0);
    active = previous_;
}

MenuTracker* MenuTracker::Active() {
    return active;
}

bool MenuTracker::ItemRect(HMENU menu, int position, RECT* rect) const {
    for (const auto& level : levels_) {
        if (level->menu != menu || position < 0 ||
            std::size_t(position) >= level->layout.items.size())
            continue;
        RECT r = level->layout.items[std::size_t(position)];
        MapWindowPoints(level->window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *rect = r;
        return true;
    }
    return false;
}

const MenuItem* MenuTracker::ItemOf(std::size_t level, int index) const {
    const Menu* menu = MenuTable::Get().Find(levels_[level]->menu);
    if (menu == nullptr || index < 0 || std::size_t(index) >= menu->items.size())
        return nullptr;
    return &menu->items[std::size_t(index)];
}

bool MenuTracker::Open(HMENU handle, POINT at, const RECT* exclude, int parentPosition) {
    if (Notifies())
        Send(owner_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(handle),
             MAKELPARAM(WORD(std::max(parentPosition, 0)), system_ ? TRUE : FALSE));
    const Menu* menu = MenuTable::Get().Find(handle);
    if (menu == nullptr || menu->items.empty() || !IsWindow(owner_))
        return false;
    auto popup = std::make_unique<MenuPopup>();
    popup->menu = handle;
    popup->owner = owner_;
    popup->layout = PopupLayout::Measure(*menu, owner_);
    const POINT place = levels_.empty()
                            ? PlaceRoot(at, popup->layout.window, flags_, exclude)
                            : PlaceSubmenu(*levels_.back(), parentPosition, popup->layout.window);
    MenuPopup& shown = *levels_.emplace_back(std::move(popup));
    if (CreateMenuWindow(shown, place) == nullptr) {
        levels_.pop_back();
        return false;
    }
    return true;
}

void MenuTracker::OpenSubmenu(bool selectFirst) {
    MenuPopup& parent = *levels_.back();
    const MenuItem* item = ItemOf(levels_.size() - 1, parent.selected);
    if (item == nullptr || item->subMenu == nullptr || !item->IsEnabled())
        return;
    if (!Open(item->subMenu, POINT{}, nullptr, parent.selected))
        return;
    if (selectFirst)
        Step(+1);
}

// Destroys the deepest windows until `keep` levels are left; the owner hears
// of each menu leaving with WM_UNINITMENUPOPUP.
void MenuTracker::CloseLevels(std::size_t keep) {
    while (levels_.size() > keep) {
        const HMENU menu = levels_.back()->menu;
        if (IsWindow(levels_.back()->window))
            DestroyWindow(levels_.back()->window);
        levels_.pop_back();
        if (Notifies() && IsWindow(owner_))
            Send(owner_, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 system_ ? MAKELPARAM(0, MF_SYSMENU) : 0);
    }
}

void MenuTracker::Select(std::size_t level, int index, bool byMouse) {
    MenuPopup& popup = *levels_[level];
    if (popup.selected == index)
        return;
    const int old = popup.selected;
    popup.selected = index;
    RedrawMenuItem(popup, old);
    RedrawMenuItem(popup, index);
    const MenuItem* item = ItemOf(level, index);
    if (item != nullptr && Notifies())
        Send(owner_, WM_MENUSELECT, MenuSelectParam(*item, index, byMouse),
             reinterpret_cast<LPARAM>(popup.menu));
}

void MenuTracker::Choose(std::size_t level, int index) {
    const MenuItem* item = ItemOf(level, index);
    if (item == nullptr || item->IsSeparator())
        return;
    if (item->subMenu != nullptr) {
        if (level + 1 == levels_.size())
            OpenSubmenu(true);
        else
            Step(+1);
        return;
    }
    if (!item->IsEnabled())
        return;
    chosen_ = item->id;
    done_ = true;
}

// Moves the selection of the deepest level to the next (+1) or previous (-1)
// item that is not a separator, wrapping round.
void MenuTracker::Step(int direction) {
    const std::size_t level = levels_.size() - 1;
    const int count = int(levels_[level]->layout.items.size());
    if (count == 0)
        return;
    int index = levels_[level]->selected;
    for (int tries = 0; tries < count; ++tries) {
        index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
        const MenuItem* item = ItemOf(level, index);
        if (item != nullptr && item->IsSelectable()) {
            Select(level, index, false);
            return;
        }
    }
}

void MenuTracker::SwitchBar(int index, bool byKeyboard) {
    const int count = GetMenuItemCount(bar_.bar);
    if (count <= 0)
        return;
    barSwitch_ = (index % count + count) % count;
    barByKeyboard_ = byKeyboard;
    done_ = true;
}

// The arrow keys move to the next bar item with a menu, wrapping round; a
// command on the bar is passed over, since opening it would act at once.
void MenuTracker::StepBar(int direction) {
    const int count = GetMenuItemCount(bar_.bar);
    for (int i = 1; i < count; ++i) {
        const int index = ((bar_.index + direction * i) % count + count) % count;
        if (GetSubMenu(bar_.bar, index) != nullptr)
            return SwitchBar(index, true);
    }
}

int MenuTracker::BarItemAt(POINT screen) const {
    return bar_.window == nullptr ? -1 : MenuBarItemAt(bar_.window, screen);
}

int MenuTracker::ItemUnder(const MenuPopup& popup, POINT screen) {
    ScreenToClient(popup.window, &screen);
    return popup.layout.ItemAt(screen);
}

int MenuTracker::LevelAt(POINT screen) const {
    for (std::size_t i = levels_.size(); i-- > 0;) {
        RECT r;
        if (GetWindowRect(levels_[i]->window, &r) && Contains(r, screen))
            return int(i);
    }
    return -1;
}

void MenuTracker::OnMouse(const MSG& msg) {
    const bool moved = msg.pt.x != lastMouse_.x || msg.pt.y != lastMouse_.y;
    lastMouse_ = msg.pt;
    if (IsButtonDown(msg.message))
        return OnButtonDown(msg);
    if (IsButtonUp(msg.message))
        return OnButtonUp(msg);
    if (!moved)
        return;
    const int level = LevelAt(msg.pt);
    const int barItem = level < 0 ? BarItemAt(msg.pt) : -1;
    if (barItem >= 0 && barItem != bar_.index)
        return SwitchBar(barItem, false);
    if (level < 0) {
        // Off the menus, the selection stays only where it opened a submenu.
        MenuPopup& deepest = *levels_.back();
        if (deepest.selected >= 0)
            Select(levels_.size() - 1, -1, true);
        return;
    }
    mouseMoved_ = true;
    MenuPopup& popup = *levels_[std::size_t(level)];
    const int index = ItemUnder(popup, msg.pt);
    if (index == popup.selected && std::size_t(level) + 1 < levels_.size())
        return;
    CloseLevels(std::size_t(level) + 1);
    const MenuItem* item = ItemOf(std::size_t(level), index);
    Select(std::size_t(level), item != nullptr && item->IsSelectable() ? index : -1, true);
    if (item != nullptr && item->subMenu != nullptr)
        OpenSubmenu(false);
}

void MenuTracker::OnButtonDown(const MSG& msg) {
    const int level = LevelAt(msg.pt);
    if (level < 0) {
        // A press on the open bar item closes its menu; elsewhere too.
        const int barItem = BarItemAt(msg.pt);
        if (barItem >= 0 && barItem != bar_.index)
            return SwitchBar(barItem, false);
        done_ = true;
        return;
    }
    pressedInside_ = true;
    MenuPopup& popup = *levels_[std::size_t(level)];
    const int index = ItemUnder(popup, msg.pt);
    const MenuItem* item = ItemOf(std::size_t(level), index);
    if (item == nullptr || !item->IsSelectable())
        return;
    if (index != popup.selected || std::size_t(level) + 1 == levels_.size()) {
        CloseLevels(std::size_t(level) + 1);
        Select(std::size_t(level), index, true);
        if (item->subMenu != nullptr)
            OpenSubmenu(false);
    }
}

void MenuTracker::OnButtonUp(const MSG& msg) {
    if (IsRightButton(msg.message) && !(flags_ & TPM_RIGHTBUTTON))
        return;
    // The release of the click that opened the menu chooses nothing.
    if (!pressedInside_ && !mouseMoved_)
        return;
    const int level = LevelAt(msg.pt);
    if (level < 0)
        return;
    MenuPopup& popup = *levels_[std::size_t(level)];
    const int index = ItemUnder(popup, msg.pt);
    const MenuItem* item = ItemOf(std::size_t(level), index);
    if (item != nullptr && item->subMenu == nullptr)
        Choose(std::size_t(level), index);
}

void MenuTracker::OnKeyDown(const MSG& msg) {
    const std::size_t deepest = levels_.size() - 1;
    switch (int(msg.wParam)) {
    case VK_DOWN:
        return Step(+1);
    case VK_UP:
        return Step(-1);
    case VK_RIGHT: {
        const MenuItem* item = ItemOf(deepest, levels_[deepest]->selected);
        if (item != nullptr && item->subMenu != nullptr && item->IsEnabled())
            return OpenSubmenu(true);
        if (bar_.window != nullptr)
            StepBar(+1);
        return;
    }
    case VK_LEFT:
        if (deepest > 0)
            return CloseLevels(deepest);
        if (bar_.window != nullptr)
            StepBar(-1);
        return;
    case VK_ESCAPE:
        if (deepest > 0)
            return CloseLevels(deepest);
        done_ = true;
        return;
    case VK_RETURN:
        return Choose(deepest, levels_[deepest]->selected);
    case VK_MENU:
    case VK_F10:
        done_ = true;
        return;
    default:
        TranslateMessage(&msg);
        return;
    }
}

// A mnemonic chooses its item when it is the only one with that letter, and
// otherwise moves the selection to the next item with it. Without any, the
// owner is asked with WM_MENUCHAR.
void MenuTracker::OnChar(char32_t character) {
    const std::size_t deepest = levels_.size() - 1;
    const Menu* menu = MenuTable::Get().Find(levels_[deepest]->menu);
    if (menu == nullptr)
        return;
    const char32_t wanted = character < 0x80 ? char32_t(std::tolower(int(character))) : character;
    std::vector<int> matches;
    for (std::size_t i = 0; i < menu->items.size(); ++i)
        if (menu->items[i].Mnemonic() == wanted && menu->items[i].IsSelectable())
            matches.push_back(int(i));
    if (matches.size() == 1) {
        Select(deepest, matches.front(), false);
        return Choose(deepest, matches.front());
    }
    if (!matches.empty()) {
        const int current = levels_[deepest]->selected;
        const auto next = std::upper_bound(matches.begin(), matches.end(), current);
        return Select(deepest, next == matches.end() ? matches.front() : *next, false);
    }
    if (!Notifies())
        return;
    const LRESULT answer = Send(owner_, WM_MENUCHAR, MAKEWPARAM(WORD(character), WORD(MF_POPUP)),
                                reinterpret_cast<LPARAM>(levels_[deepest]->menu));
    constexpr WORD MNC_CLOSE = 1, MNC_EXECUTE = 2, MNC_SELECT = 3;
    const int index = int(LOWORD(answer));
    if (HIWORD(answer) == MNC_CLOSE)
        done_ = true;
    else if (HIWORD(answer) == MNC_SELECT || HIWORD(answer) == MNC_EXECUTE) {
        Select(deepest, index, false);
        if (HIWORD(answer) == MNC_EXECUTE)
            Choose(deepest, index);
    }
}

bool MenuTracker::HandleMessage(const MSG& msg) {
    if (IsMouseMessage(msg.message)) {
        OnMouse(msg);
        return true;
    }
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        OnKeyDown(msg);
        return true;
    case WM_CHAR:
    case WM_SYSCHAR:
        OnChar(char32_t(msg.wParam));
        return true;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return true;
    default:
        return false;
    }
}

UINT MenuTracker::Run(HMENU menu, POINT at, const RECT* exclude, bool selectFirst) {
    if (!Open(menu, at, exclude, 0))
        return 0;
    if (selectFirst)
        Step(+1);
    SetCapture(levels_.front()->window);
    MSG msg;
    while (!done_ && !levels_.empty() && IsWindow(owner_)) {
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // The owner may work while the menu waits, as on Windows.
            Send(owner_, WM_ENTERIDLE, MSGF_MENU,
                 reinterpret_cast<LPARAM>(levels_.front()->window));
            if (!done_ && !PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
                WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT)
            break; // left queued for the outer loop
        // A press posted to another window (a menu bar switching menus) ends
        // this menu and is handled after it.
        if (IsButtonDown(msg.message) && msg.hwnd != nullptr && !IsMenuWindow(msg.hwnd)) {
            done_ = true;
            break;
        }
        PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
        if (CallMsgFilter(&msg, MSGF_MENU))
            continue;
        if (!HandleMessage(msg))
            DispatchMessage(&msg);
        if (GetCapture() != levels_.front()->window && !done_)
            done_ = true; // capture taken away: the menu closes
    }
    return chosen_;
}

void ReleaseMenuCapture() {
    if (GetCapture() != nullptr && IsMenuWindow(GetCapture()))
        ReleaseCapture();
}

BOOL TrackMenu(HMENU menu, UINT flags, POINT at, HWND owner, const RECT* exclude,
               bool selectFirst) {
    if (!IsMenu(menu) || !IsWindow(owner))
        return FALSE;
    if (MenuTracker::Active() != nullptr && !(flags & TPM_RECURSE))
        return FALSE;
    const Menu* shown = MenuTable::Get().Find(menu);
    const bool system = shown->system;
    Send(owner, WM_ENTERMENULOOP, TRUE);
    if (!(flags & TPM_NONOTIFY))
        Send(owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu));
    UINT chosen = 0;
    {
        MenuTracker tracker(owner, flags, system);
        chosen = tracker.Run(menu, at, exclude, selectFirst);
    }
    ReleaseMenuCapture();
    if (!IsWindow(owner))
        return FALSE;
    if (!(flags & TPM_NONOTIFY))
        Send(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Send(owner, WM_EXITMENULOOP, TRUE);
    if (flags & TPM_RETURNCMD)
        return BOOL(chosen);
    if (chosen == 0)
        return FALSE;
    if (system) {
        POINT cursor;
        GetCursorPos(&cursor);
        PostMessage(owner, WM_SYSCOMMAND, chosen, MAKELPARAM(WORD(cursor.x), WORD(cursor.y)));
    } else {
        PostMessage(owner, WM_COMMAND, MAKEWPARAM(WORD(chosen), 0), 0);
    }
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return TrackMenu(menu, flags, POINT{x, y}, owner, nullptr, false);
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
    return TrackMenu(menu, flags, POINT{x, y}, owner,
                     params == nullptr ? nullptr : &params->rcExclude, false);
}

// An item of an open popup, or of the window's menu bar.
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT position, RECT* rect) {
    if (rect == nullptr)
        return FALSE;
    const MenuTracker* tracker = MenuTracker::Active();
    if (tracker != nullptr && tracker->ItemRect(menu, int(position), rect))
        return TRUE;
    if (hwnd == nullptr || GetMenu(hwnd) != menu)
        return FALSE;
    const std::vector<RECT> items = MenuBarItemRects(hwnd, LayoutOf(hwnd).menu);
    if (position >= items.size())
        return FALSE;
    RECT window;
    GetWindowRect(hwnd, &window);
    *rect = Offset(items[position], window.left, window.top);
    return TRUE;
}

BOOL EndMenu() {
    MenuTracker* tracker = MenuTracker::Active();
    if (tracker == nullptr)
        return FALSE;
    tracker->Cancel();
    return TRUE;
}

} // namespace win
