// The menu handle and item functions.

#include "platform/user/menus/MenuTable.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

MenuTable& Table() {
    return MenuTable::Get();
}

// The item that AppendMenu/InsertMenu flags describe.
MenuItem ItemFromFlags(UINT flags, UINT_PTR idOrSubMenu, const char* text) {
    MenuItem item;
    item.type = flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK |
                         MF_RIGHTJUSTIFY);
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT);
    if (flags & MF_POPUP)
        item.subMenu = reinterpret_cast<HMENU>(idOrSubMenu);
    else
        item.id = UINT(idOrSubMenu);
    if (flags & MF_BITMAP)
        item.bitmap = reinterpret_cast<HBITMAP>(const_cast<char*>(text));
    else if (flags & MF_OWNERDRAW)
        item.data = reinterpret_cast<std::uintptr_t>(text);
    else if (text != nullptr && !(flags & MF_SEPARATOR))
        item.text = text;
    return item;
}

bool Insert(Menu& menu, int position, MenuItem item) {
    if (item.subMenu != nullptr &&
        (Table().Find(item.subMenu) == nullptr || item.subMenu == menu.handle))
        return false;
    const auto at = position < 0 || std::size_t(position) > menu.items.size()
                        ? menu.items.end()
                        : menu.items.begin() + position;
    menu.items.insert(at, std::move(item));
    return true;
}

void ApplyInfo(MenuItem& item, const MENUITEMINFO& info) {
    if (info.fMask & MIIM_TYPE) {
        item.type = info.fType;
        item.bitmap = nullptr;
        if (info.fType & MFT_BITMAP)
            item.bitmap = reinterpret_cast<HBITMAP>(info.dwTypeData);
        else if (!(info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)))
            item.text = info.dwTypeData == nullptr ? "" : info.dwTypeData;
    }
    if (info.fMask & MIIM_FTYPE)
        item.type = info.fType;
    if (info.fMask & MIIM_STRING)
        item.text = info.dwTypeData == nullptr ? "" : info.dwTypeData;
    if (info.fMask & MIIM_BITMAP)
        item.bitmap = info.hbmpItem;
    if (info.fMask & MIIM_STATE)
        item.state = info.fState;
    if (info.fMask & MIIM_ID)
        item.id = info.wID;
    if (info.fMask & MIIM_SUBMENU)
        item.subMenu = info.hSubMenu;
    if (info.fMask & MIIM_DATA)
        item.data = info.dwItemData;
}

// Copies the text as Windows does: cch is the buffer size on the way in and
// the text length on the way out; without a buffer only the length is given.
void CopyText(const std::string& text, MENUITEMINFO& info) {
    if (info.dwTypeData != nullptr && info.cch > 0) {
        const std::size_t n = std::min<std::size_t>(text.size(), info.cch - 1);
        std::memcpy(info.dwTypeData, text.data(), n);
        info.dwTypeData[n] = '\0';
    }
    info.cch = UINT(text.size());
}

UINT StateFlags(const MenuItem& item) {
    return item.type | item.state | (item.subMenu != nullptr ? MF_POPUP : 0);
}

} // namespace

HMENU CreateMenu() {
    return Table().Create(false);
}

HMENU CreatePopupMenu() {
    return Table().Create(true);
}

BOOL DestroyMenu(HMENU menu) {
    return Table().Destroy(menu) ? TRUE : FALSE;
}

BOOL IsMenu(HMENU menu) {
    return Table().Find(menu) != nullptr ? TRUE : FALSE;
}

BOOL AppendMenu(HMENU handle, UINT flags, UINT_PTR idOrSubMenu, const char* text) {
    Menu* menu = Table().Find(handle);
    return menu != nullptr && Insert(*menu, -1, ItemFromFlags(flags, idOrSubMenu, text)) ? TRUE
                                                                                         : FALSE;
}

BOOL InsertMenu(HMENU handle, UINT position, UINT flags, UINT_PTR idOrSubMenu, const char* text) {
    Menu* menu = Table().Find(handle);
    if (menu == nullptr)
        return FALSE;
    MenuItem item = ItemFromFlags(flags, idOrSubMenu, text);
    // A position of -1 (or past the end) appends, by command or by position.
    if (position == UINT(-1))
        return Insert(*menu, -1, std::move(item)) ? TRUE : FALSE;
    const MenuItemRef before = Table().Locate(handle, position, flags);
    if (!before)
        return (flags & MF_BYPOSITION) && Insert(*menu, -1, std::move(item)) ? TRUE : FALSE;
    return Insert(*before.menu, before.position, std::move(item)) ? TRUE : FALSE;
}

BOOL InsertMenuItem(HMENU handle, UINT position, BOOL byPosition, const MENUITEMINFO* info) {
    Menu* menu = Table().Find(handle);
    if (menu == nullptr || info == nullptr)
        return FALSE;
    MenuItem item;
    ApplyInfo(item, *info);
    if (!byPosition) {
        if (const MenuItemRef before = Table().Locate(handle, position, MF_BYCOMMAND))
            return Insert(*before.menu, before.position, std::move(item)) ? TRUE : FALSE;
        return FALSE;
    }
    return Insert(*menu, position == UINT(-1) ? -1 : int(position), std::move(item)) ? TRUE : FALSE;
}

BOOL GetMenuItemInfo(HMENU menu, UINT position, BOOL byPosition, MENUITEMINFO* info) {
    const MenuItemRef ref = Table().Locate(menu, position, byPosition ? MF_BYPOSITION : 0);
    if (!ref || info == nullptr)
        return FALSE;
    const MenuItem& item = ref.Item();
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE))
        info->fType = item.type;
    if (info->fMask & MIIM_STATE)
        info->fState = item.state;
    if (info->fMask & MIIM_ID)
        info->wID = item.id;
    if (info->fMask & MIIM_SUBMENU)
        info->hSubMenu = item.subMenu;
    if (info->fMask & MIIM_DATA)
        info->dwItemData = item.data;
    if (info->fMask & MIIM_BITMAP)
        info->hbmpItem = item.bitmap;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE))
        CopyText(item.text, *info);
    return TRUE;
}

BOOL SetMenuItemInfo(HMENU menu, UINT position, BOOL byPosition, const MENUITEMINFO* info) {
    const MenuItemRef ref = Table().Locate(menu, position, byPosition ? MF_BYPOSITION : 0);
    if (!ref || info == nullptr)
        return FALSE;
    if ((info->fMask & MIIM_SUBMENU) && info->hSubMenu != nullptr &&
        (!IsMenu(info->hSubMenu) || info->hSubMenu == ref.menu->handle))
        return FALSE;
    ApplyInfo(ref.Item(), *info);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    const MenuItemRef ref = Table().Locate(menu, position, flags);
    if (!ref)
        return FALSE;
    ref.menu->items.erase(ref.menu->items.begin() + ref.position);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    const MenuItemRef ref = Table().Locate(menu, position, flags);
    if (!ref)
        return FALSE;
    const HMENU sub = ref.Item().subMenu;
    ref.menu->items.erase(ref.menu->items.begin() + ref.position);
    if (sub != nullptr)
        Table().Destroy(sub);
    return TRUE;
}

int GetMenuItemCount(HMENU handle) {
    const Menu* menu = Table().Find(handle);
    return menu == nullptr ? -1 : int(menu->items.size());
}

UINT GetMenuItemID(HMENU menu, int position) {
    const MenuItemRef ref = Table().Locate(menu, UINT(position), MF_BYPOSITION);
    if (!ref || position < 0 || ref.Item().subMenu != nullptr)
        return UINT(-1);
    return ref.Item().id;
}

HMENU GetSubMenu(HMENU menu, int position) {
    const MenuItemRef ref = Table().Locate(menu, UINT(position), MF_BYPOSITION);
    return !ref || position < 0 ? nullptr : ref.Item().subMenu;
}

int GetMenuString(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
    const MenuItemRef ref = Table().Locate(menu, item, flags);
    if (!ref)
        return 0;
    MENUITEMINFO info;
    info.dwTypeData = buffer;
    info.cch = size < 0 ? 0 : UINT(size);
    CopyText(ref.Item().text, info);
    return buffer == nullptr || size <= 0 ? int(info.cch)
                                          : int(std::min<std::size_t>(info.cch, size - 1));
}

UINT GetMenuState(HMENU menu, UINT position, UINT flags) {
    const MenuItemRef ref = Table().Locate(menu, position, flags);
    if (!ref)
        return UINT(-1);
    const MenuItem& item = ref.Item();
    // A popup item reports its submenu's item count in the high byte.
    if (item.subMenu != nullptr) {
        const int count = std::max(GetMenuItemCount(item.subMenu), 0);
        return (UINT(count & 0xFF) << 8) | (StateFlags(item) & 0xFF);
    }
    return StateFlags(item);
}

BOOL EnableMenuItem(HMENU menu, UINT position, UINT enable) {
    const MenuItemRef ref = Table().Locate(menu, position, enable);
    if (!ref)
        return -1;
    MenuItem& item = ref.Item();
    const UINT previous = item.state & (MF_GRAYED | MF_DISABLED);
    item.state = (item.state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return BOOL(previous);
}

DWORD CheckMenuItem(HMENU menu, UINT position, UINT check) {
    const MenuItemRef ref = Table().Locate(menu, position, check);
    if (!ref)
        return DWORD(-1);
    MenuItem& item = ref.Item();
    const DWORD previous = item.state & MF_CHECKED;
    item.state = (item.state & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

} // namespace win
