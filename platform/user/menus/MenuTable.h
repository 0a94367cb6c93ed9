#pragma once
// The menu objects behind HMENU handles. Items are found by position or by
// command id; a search by command descends into submenus, as Windows' does.

#include "platform/user/menus/Menus.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace win {

struct MenuItem {
    UINT type = MFT_STRING; // MFT_ bits
    UINT state = 0;         // MFS_ bits
    UINT id = 0;
    HMENU subMenu = nullptr;
    std::string text;
    HBITMAP bitmap = nullptr; // hbmpItem, or the picture of an MFT_BITMAP item
    std::uintptr_t data = 0;

    bool IsSeparator() const { return (type & MFT_SEPARATOR) != 0; }
    bool IsOwnerDrawn() const { return (type & MFT_OWNERDRAW) != 0; }
    bool IsEnabled() const { return (state & MFS_GRAYED) == 0; }
    bool IsChecked() const { return (state & MFS_CHECKED) != 0; }
    // What can be chosen: neither a separator nor disabled.
    bool IsSelectable() const { return !IsSeparator(); }
    // The part of the text before a tab, and the shortcut after it.
    std::string_view Label() const;
    std::string_view Shortcut() const;
    // The lower-cased character after a single '&', or 0.
    char32_t Mnemonic() const;
};

struct Menu {
    HMENU handle = nullptr;
    bool popup = false;
    bool system = false; // the system menu of a window
    std::vector<MenuItem> items;
};

// Where an item lives: its menu and position there.
struct MenuItemRef {
    Menu* menu = nullptr;
    int position = -1;
    explicit operator bool() const { return menu != nullptr; }
    MenuItem& Item() const { return menu->items[std::size_t(position)]; }
};

class MenuTable {
public:
    static MenuTable& Get();

    HMENU Create(bool popup);
    Menu* Find(HMENU menu);
    // Destroys the menu and the submenus of its items.
    bool Destroy(HMENU menu);
    // MF_BYPOSITION in `flags` picks by position, else by command id.
    MenuItemRef Locate(HMENU menu, UINT item, UINT flags);

private:
    MenuItemRef FindCommand(Menu& menu, UINT id, int depth);

    std::map<HMENU, std::unique_ptr<Menu>> menus_;
    std::uintptr_t next_ = 0x10010;
};

} // namespace win
