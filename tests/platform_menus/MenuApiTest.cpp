// Menu handles and items.

#include "MenuTestSupport.h"

#include <cstring>

namespace win::test {

namespace {

TEST(MenuApi, ItemsAreFoundByPositionAndByCommandThroughSubmenus) {
    const HMENU sub = CreatePopupMenu();
    AppendMenu(sub, MF_STRING, 20, "Inner");
    const HMENU menu = CreateMenu();
    AppendMenu(menu, MF_STRING, 10, "&First");
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&Sub");
    InsertMenu(menu, 0, MF_BYPOSITION | MF_STRING, 5, "Zero");
    InsertMenu(menu, 10, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);

    EXPECT_EQ(GetMenuItemCount(menu), 4);
    EXPECT_EQ(GetMenuItemID(menu, 0), 5u);
    EXPECT_EQ(GetMenuState(menu, 1, MF_BYPOSITION), MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, 2), 10u);
    EXPECT_EQ(GetMenuItemID(menu, 3), UINT(-1)); // a popup item
    EXPECT_EQ(GetSubMenu(menu, 3), sub);
    EXPECT_EQ(GetMenuState(menu, 3, MF_BYPOSITION), (1u << 8) | MF_POPUP);
    EXPECT_EQ(GetMenuState(menu, 99, MF_BYPOSITION), UINT(-1));

    // By command, the search goes into submenus.
    EXPECT_EQ(CheckMenuItem(menu, 20, MF_CHECKED), 0u);
    EXPECT_EQ(GetMenuState(sub, 20, MF_BYCOMMAND), MF_CHECKED);
    EXPECT_EQ(EnableMenuItem(menu, 20, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(menu, 20, MF_ENABLED), BOOL(MF_GRAYED));
    EXPECT_EQ(EnableMenuItem(menu, 99, MF_GRAYED), -1);
    EXPECT_EQ(CheckMenuItem(menu, 99, MF_CHECKED), DWORD(-1));

    char text[8];
    EXPECT_EQ(GetMenuString(menu, 10, text, sizeof text, MF_BYCOMMAND), 6);
    EXPECT_STREQ(text, "&First");
    EXPECT_TRUE(DestroyMenu(menu));
    EXPECT_FALSE(IsMenu(sub)); // submenus go with their menu
    EXPECT_FALSE(DestroyMenu(menu));
}

TEST(MenuApi, RemoveKeepsTheSubmenuAndDeleteDestroysIt) {
    const HMENU menu = CreateMenu();
    const HMENU kept = CreatePopupMenu();
    const HMENU gone = CreatePopupMenu();
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(kept), "Kept");
    AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(gone), "Gone");
    EXPECT_TRUE(RemoveMenu(menu, 0, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(kept));
    EXPECT_TRUE(DeleteMenu(menu, 0, MF_BYPOSITION));
    EXPECT_FALSE(IsMenu(gone));
    EXPECT_EQ(GetMenuItemCount(menu), 0);
    EXPECT_FALSE(DeleteMenu(menu, 0, MF_BYPOSITION));
    DestroyMenu(kept);
    DestroyMenu(menu);
}

TEST(MenuApi, ItemInfoReadsAndWritesEachPart) {
    const HMENU menu = CreatePopupMenu();
    MENUITEMINFO info;
    info.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA | MIIM_FTYPE;
    info.wID = 42;
    info.dwTypeData = const_cast<char*>("打开(&O)");
    info.fState = MFS_DEFAULT;
    info.fType = MFT_RADIOCHECK;
    info.dwItemData = 99;
    ASSERT_TRUE(InsertMenuItem(menu, 0, TRUE, &info));

    MENUITEMINFO read;
    read.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE | MIIM_DATA | MIIM_FTYPE;
    EXPECT_TRUE(GetMenuItemInfo(menu, 42, FALSE, &read)); // length only, no buffer
    EXPECT_EQ(read.cch, std::strlen("打开(&O)"));
    char small[5];
    read.dwTypeData = small;
    read.cch = sizeof small;
    EXPECT_TRUE(GetMenuItemInfo(menu, 0, TRUE, &read));
    EXPECT_EQ(std::string(small), std::string("打开(&O)").substr(0, 4)); // cut to the buffer
    EXPECT_EQ(read.wID, 42u);
    EXPECT_EQ(read.fState, MFS_DEFAULT);
    EXPECT_EQ(read.fType, MFT_RADIOCHECK);
    EXPECT_EQ(read.dwItemData, 99u);

    MENUITEMINFO change;
    change.fMask = MIIM_FTYPE;
    change.fType = MFT_OWNERDRAW;
    EXPECT_TRUE(SetMenuItemInfo(menu, 42, FALSE, &change));
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & MF_OWNERDRAW, MF_OWNERDRAW);
    // A menu cannot become its own submenu.
    change.fMask = MIIM_SUBMENU;
    change.hSubMenu = menu;
    EXPECT_FALSE(SetMenuItemInfo(menu, 0, TRUE, &change));
    EXPECT_FALSE(AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), "Self"));
    EXPECT_FALSE(AppendMenu(reinterpret_cast<HMENU>(std::uintptr_t(0x99)), MF_STRING, 1, "x"));
    DestroyMenu(menu);
}

} // namespace

} // namespace win::test
