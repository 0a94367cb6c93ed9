// The edit control's context menu, opened the way the edit's WM_CONTEXTMENU
// opens it.

#include "platform/user/menus/EditContextMenu.h"

#include "MenuTestSupport.h"

namespace win::test {

namespace {

WNDPROC editProc = nullptr;

LRESULT EditWithMenu(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CONTEXTMENU)
        return ShowEditContextMenu(hwnd, lParam);
    // The edit owns its menu; the test's script runs in the parent.
    if (message == WM_ENTERIDLE)
        return SendMessage(GetParent(hwnd), message, wParam, lParam);
    return CallWindowProc(editProc, hwnd, message, wParam, lParam);
}

class EditContextMenuTest : public MenuTest {
public:
    HWND CreateEdit(DWORD style) {
        const HWND edit = CreateWindowEx(0, WC_EDIT, "电视 schedule", WS_CHILD | WS_VISIBLE | style,
                                         10, 10, 200, 24, owner, nullptr, nullptr, nullptr);
        editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditWithMenu)));
        return edit;
    }
    // Item states of the open menu, as "UTCPDA" letters of the enabled items.
    std::string EnabledItems() const {
        const HWND window = MenuWindows().at(0);
        const auto menu = reinterpret_cast<HMENU>(SendMessage(window, MN_GETHMENU, 0, 0));
        const char letters[] = "U-TCPD-A";
        std::string enabled;
        for (int i = 0; i < GetMenuItemCount(menu); ++i)
            if (letters[i] != '-' && !(GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_GRAYED))
                enabled += letters[i];
        return enabled;
    }
};

TEST_F(EditContextMenuTest, ItemsFollowTheEditStateAndActOnIt) {
    struct Case {
        const char* name;
        DWORD style;
        int selStart, selEnd;
        std::string enabled;
        const char* chosen; // mnemonic typed
        std::string text;   // the edit's text afterwards
    } cases[] = {
        {"selection", 0, 0, 6, "TCDA", "t", " schedule"},
        {"no selection", 0, 3, 3, "PA", "a", "电视 schedule"},
        {"read-only", ES_READONLY, 0, 6, "CA", "c", "电视 schedule"},
    };
    for (const Case& c : cases) {
        OpenClipboard(owner);
        EmptyClipboard();
        CloseClipboard();
        if (std::string(c.name) != "selection") {
            OpenClipboard(owner);
            SetClipboardData(CF_TEXT, const_cast<char*>("x"));
            CloseClipboard();
        }
        const HWND edit = CreateEdit(c.style);
        SendMessage(edit, EM_SETSEL, WPARAM(c.selStart), LPARAM(c.selEnd));
        std::string enabled;
        Script({[&] {
            enabled = EnabledItems();
            InjectText(c.chosen);
        }});
        SendMessage(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit), -1);
        EXPECT_EQ(enabled, c.enabled) << c.name;
        char text[64] = {};
        GetWindowText(edit, text, sizeof text);
        EXPECT_EQ(std::string(text), c.text) << c.name;
        EXPECT_TRUE(MenuWindows().empty()) << c.name;
        DestroyWindow(edit);
    }
}

} // namespace

} // namespace win::test
