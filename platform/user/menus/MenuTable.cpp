#include "platform/user/menus/MenuTable.h"

#include "platform/gdi/Utf8.h"

#include <cctype>

namespace win {

namespace {

// Menus may hold each other only through a chain this deep, which keeps a
// menu made its own submenu from sending a search round for ever.
constexpr int kMaxDepth = 32;

} // namespace

// Views into the text, so that painting an item copies nothing.
std::string_view MenuItem::Label() const {
    return std::string_view(text).substr(0, text.find('\t'));
}

std::string_view MenuItem::Shortcut() const {
    const auto tab = text.find('\t');
    return tab == std::string::npos ? std::string_view() : std::string_view(text).substr(tab + 1);
}

char32_t MenuItem::Mnemonic() const {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        const char32_t next = DecodeUtf8(text, i + 1).code;
        return next < 0x80 ? char32_t(std::tolower(int(next))) : next;
    }
    return 0;
}

MenuTable& MenuTable::Get() {
    static MenuTable table;
    return table;
}

HMENU MenuTable::Create(bool popup) {
    const auto handle = reinterpret_cast<HMENU>(next_);
    next_ += 4;
    auto menu = std::make_unique<Menu>();
    menu->handle = handle;
    menu->popup = popup;
    menus_.emplace(handle, std::move(menu));
    return handle;
}

Menu* MenuTable::Find(HMENU menu) {
    const auto it = menus_.find(menu);
    return it == menus_.end() ? nullptr : it->second.get();
}

bool MenuTable::Destroy(HMENU handle) {
    const auto it = menus_.find(handle);
    if (it == menus_.end())
        return false;
    std::unique_ptr<Menu> menu = std::move(it->second);
    menus_.erase(it);
    for (const MenuItem& item : menu->items)
        if (item.subMenu != nullptr)
            Destroy(item.subMenu);
    return true;
}

MenuItemRef MenuTable::Locate(HMENU handle, UINT item, UINT flags) {
    Menu* menu = Find(handle);
    if (menu == nullptr)
        return {};
    if (flags & MF_BYPOSITION)
        return item < menu->items.size() ? MenuItemRef{menu, int(item)} : MenuItemRef{};
    return FindCommand(*menu, item, 0);
}

MenuItemRef MenuTable::FindCommand(Menu& menu, UINT id, int depth) {
    if (depth > kMaxDepth)
        return {};
    // The item itself first, then its submenu: a popup item is found by its
    // own id before anything inside it.
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        MenuItem& item = menu.items[i];
        if (item.subMenu == nullptr && item.id == id)
            return MenuItemRef{&menu, int(i)};
        if (item.subMenu != nullptr) {
            if (Menu* sub = Find(item.subMenu))
                if (MenuItemRef found = FindCommand(*sub, id, depth + 1))
                    return found;
            if (item.id == id)
                return MenuItemRef{&menu, int(i)};
        }
    }
    return {};
}

} // namespace win
