// Menu bars in the non-client row and the system menu. The window procedure
// here forwards the non-client messages to the menu entry points the way
// DefWindowProc does.

#include "platform/user/menus/MenuBar.h"

#include "MenuTestSupport.h"
#include "platform/gdi/PngWriter.h"
#include "platform/user/NonClient.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"

namespace win::test {

namespace {

enum : UINT { kNew = 11, kQuit = 12, kCopy = 21, kPaste = 22, kAbout = 31 };

LRESULT BarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCPAINT: {
        DefWindowProc(hwnd, message, wParam, lParam);
        const HDC hdc = GetWindowDC(hwnd);
        PaintMenuBar(hwnd, hdc, LayoutOf(hwnd).menu);
        ReleaseDC(hwnd, hdc);
        return 0;
    }
    case WM_NCLBUTTONDOWN:
        if (wParam == WPARAM(HTMENU))
            return SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU + HTMENU, lParam);
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_KEYMENU)
            return MenuKeyCommand(hwnd, lParam);
        if ((wParam & 0xFFF0) == SC_MOUSEMENU)
            return MenuMouseCommand(hwnd, wParam, lParam);
        break;
    default:
        break;
    }
    // The owner procedure records and runs the script.
    return CallWindowProc(reinterpret_cast<WNDPROC>(GetProp(hwnd, "next")), hwnd, message, wParam,
                          lParam);
}

class MenuBarTest : public MenuTest {
public:
    void SetUp() override {
        MenuTest::SetUp();
        SetProp(owner, "next",
                reinterpret_cast<HANDLE>(
                    SetWindowLongPtr(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BarProc))));
        file = CreatePopupMenu();
        AppendMenu(file, MF_STRING, kNew, "&New");
        AppendMenu(file, MF_STRING, kQuit, "E&xit");
        edit = CreatePopupMenu();
        AppendMenu(edit, MF_STRING, kCopy, "&Copy");
        AppendMenu(edit, MF_STRING, kPaste, "&Paste");
        bar = CreateMenu();
        AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
        AppendMenu(bar, MF_STRING, kAbout, "&About");
        ASSERT_TRUE(SetMenu(owner, bar));
        display->Run();
        received.clear();
    }
    // The centre of bar item `index` on the screen.
    POINT BarItem(int index) const {
        RECT r{};
        EXPECT_TRUE(GetMenuItemRect(owner, bar, UINT(index), &r));
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // The command the owner received last (posted WM_COMMAND or WM_SYSCOMMAND).
    UINT LastCommand(UINT kind) {
        display->Run();
        const auto commands = Messages(kind);
        return commands.empty() ? 0 : UINT(LOWORD(commands.back().wParam));
    }
    HMENU bar = nullptr, file = nullptr, edit = nullptr;
};

TEST_F(MenuBarTest, BarTakesTheNonClientRowAndAnswersHtMenu) {
    EXPECT_EQ(GetMenu(owner), bar);
    RECT client;
    GetClientRect(owner, &client);
    const POINT item = BarItem(1);
    EXPECT_EQ(SendMessage(owner, WM_NCHITTEST, 0, MAKELPARAM(item.x, item.y)), HTMENU);
    EXPECT_EQ(MenuBarItemAt(owner, item), 1);
    EXPECT_TRUE(SetMenu(owner, nullptr));
    RECT without;
    GetClientRect(owner, &without);
    EXPECT_EQ(RectHeight(without) - RectHeight(client), GetSystemMetrics(SM_CYMENU));
    SetMenu(owner, bar);
}

TEST_F(MenuBarTest, KeyboardOpensMovesAlongAndChooses) {
    struct Case {
        const char* name;
        std::function<void()> open;
        std::vector<int> keys;
        UINT expected;
    } cases[] = {
        {"lone Alt, Enter", [this] { display->Key(VK_MENU); }, {VK_RETURN}, kNew},
        {"Right moves to Edit", [this] { display->Key(VK_MENU); }, {VK_RIGHT, VK_RETURN}, kCopy},
        {"Left wraps round, past the command on the bar",
         [this] { display->Key(VK_MENU); },
         {VK_LEFT, VK_RETURN},
         kCopy},
        {"mnemonic",
         [this] { SendMessage(owner, WM_SYSCOMMAND, SC_KEYMENU, 'e'); },
         {VK_DOWN, VK_RETURN},
         kPaste},
    };
    for (const Case& c : cases) {
        std::vector<std::function<void()>> script;
        for (int key : c.keys)
            script.push_back([key] { KeyPress(key); });
        Script(script);
        received.clear();
        c.open();
        EXPECT_EQ(LastCommand(WM_COMMAND), c.expected) << c.name;
        EXPECT_FALSE(ranOut) << c.name;
        EXPECT_TRUE(MenuWindows().empty()) << c.name;
    }
}

TEST_F(MenuBarTest, MouseOpensSwitchesByHoverAndChooses) {
    Script({[&] {
                EXPECT_EQ(SendMessage(MenuWindows().at(0), MN_GETHMENU, 0, 0),
                          reinterpret_cast<LRESULT>(file));
                MouseTo(BarItem(1));
            },
            [&] {
                EXPECT_EQ(SendMessage(MenuWindows().at(0), MN_GETHMENU, 0, 0),
                          reinterpret_cast<LRESULT>(edit));
                ClickAt(ItemCentre(edit, 1));
            }});
    display->Click(BarItem(0));
    EXPECT_EQ(LastCommand(WM_COMMAND), kPaste);
    EXPECT_EQ(created.size(), 2u);
    EXPECT_EQ(destroyed.size(), 2u);
    EXPECT_EQ(Messages(WM_ENTERMENULOOP).size(), 1u);
    EXPECT_EQ(Messages(WM_INITMENU).size(), 1u);
    EXPECT_EQ(Messages(WM_INITMENUPOPUP).size(), 2u);
}

TEST_F(MenuBarTest, ACommandOnTheBarActsAtOnce) {
    display->Click(BarItem(2));
    EXPECT_EQ(LastCommand(WM_COMMAND), kAbout);
    EXPECT_TRUE(created.empty());
}

TEST_F(MenuBarTest, SystemMenuItemsFollowTheWindowState) {
    struct Case {
        const char* name;
        int show;
        std::vector<UINT> enabled;
    } cases[] = {
        {"normal", SW_RESTORE, {SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE}},
        {"maximised", SW_MAXIMIZE, {SC_RESTORE, SC_MINIMIZE, SC_CLOSE}},
    };
    const UINT all[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
    for (const Case& c : cases) {
        ShowWindow(owner, c.show);
        display->Run();
        std::vector<UINT> seen;
        Script({[&] {
            const HMENU menu = GetSystemMenu(owner, FALSE);
            for (UINT command : all)
                if (!(GetMenuState(menu, command, MF_BYCOMMAND) & MF_GRAYED))
                    seen.push_back(command);
            KeyPress(VK_ESCAPE);
        }});
        SendMessage(owner, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        EXPECT_EQ(seen, c.enabled) << c.name;
        const auto popups = Messages(WM_INITMENUPOPUP);
        ASSERT_FALSE(popups.empty());
        EXPECT_EQ(HIWORD(popups.back().lParam), TRUE) << c.name; // the system menu
    }
    ShowWindow(owner, SW_RESTORE);
}

TEST_F(MenuBarTest, SystemMenuChoiceArrivesAsSysCommand) {
    // The caption icon opens it; Maximize is chosen by its mnemonic.
    const HMENU menu = GetSystemMenu(owner, FALSE);
    Script({[&] {
        EXPECT_EQ(SendMessage(MenuWindows().at(0), MN_GETHMENU, 0, 0),
                  reinterpret_cast<LRESULT>(menu));
        EXPECT_TRUE(WritePng("system-menu.png", Screen()));
        InjectText("x");
    }});
    RECT window;
    GetWindowRect(owner, &window);
    const NonClientLayout layout = LayoutOf(owner);
    display->Click(POINT{window.left + (layout.sysIcon.left + layout.sysIcon.right) / 2,
                         window.top + (layout.sysIcon.top + layout.sysIcon.bottom) / 2});
    EXPECT_EQ(LastCommand(WM_SYSCOMMAND) & 0xFFF0, SC_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(owner));
    ShowWindow(owner, SW_RESTORE);
    EXPECT_EQ(GetSystemMenu(owner, TRUE), nullptr);
    EXPECT_FALSE(IsMenu(menu));
}

TEST_F(MenuBarTest, OpenBarMenuRenders) {
    Script({[&] {
        EXPECT_TRUE(WritePng("menu-bar.png", Screen()));
        KeyPress(VK_ESCAPE);
    }});
    display->Click(BarItem(1));
    EXPECT_FALSE(ranOut);
}

} // namespace

} // namespace win::test
