// TrackPopupMenu: the "#32768" windows, navigation by keyboard and mouse,
// submenus, notifications, owner draw and placement.

#include "MenuTestSupport.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PngWriter.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"

namespace win::test {

namespace {

enum : UINT { kOpen = 101, kSave = 102, kClose = 103, kRecent1 = 201, kRecent2 = 202, kOff = 104 };

class PopupMenuTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        recent = CreatePopupMenu();
        AppendMenu(recent, MF_STRING, kRecent1, "第一个文件");
        AppendMenu(recent, MF_STRING, kRecent2, "Second file");
        menu = CreatePopupMenu();
        AppendMenu(menu, MF_STRING, kOpen, "&Open...\tCtrl+O");
        AppendMenu(menu, MF_STRING, kSave, "&Save\tCtrl+S");
        AppendMenu(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
        AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenu(menu, MF_STRING | MF_GRAYED, kOff, "Disa&bled");
        AppendMenu(menu, MF_STRING, kClose, "&Close");
    }
    void TearDown() override {
        DestroyMenu(menu);
        MenuTest::TearDown();
    }
    UINT Track(UINT flags = TPM_RETURNCMD, POINT at = POINT{150, 150}) {
        return UINT(TrackPopupMenu(menu, flags, at.x, at.y, 0, owner, nullptr));
    }
    HMENU menu = nullptr;
    HMENU recent = nullptr;
};

TEST_F(PopupMenuTest, KeyboardChoosesAndSkipsSeparatorsAndDisabledCommands) {
    struct Case {
        const char* name;
        std::vector<int> keys;
        UINT expected;
    } cases[] = {
        {"first item", {VK_DOWN, VK_RETURN}, kOpen},
        {"second item", {VK_DOWN, VK_DOWN, VK_RETURN}, kSave},
        {"up wraps to the last", {VK_UP, VK_RETURN}, kClose},
        {"down wraps to the first", {VK_UP, VK_DOWN, VK_RETURN}, kOpen},
        {"separator skipped", {VK_UP, VK_UP, VK_UP, VK_RETURN}, 0}, // Enter on Recent opens it
        {"disabled is not chosen", {VK_UP, VK_UP, VK_RETURN, VK_ESCAPE}, 0},
        {"escape closes", {VK_DOWN, VK_ESCAPE}, 0},
        {"right opens the submenu", {VK_UP, VK_UP, VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}, kRecent2},
    };
    for (const Case& c : cases) {
        std::vector<std::function<void()>> script;
        for (int key : c.keys)
            script.push_back([key] { KeyPress(key); });
        Script(script);
        EXPECT_EQ(Track(), c.expected) << c.name;
        EXPECT_TRUE(MenuWindows().empty()) << c.name;
    }
}

TEST_F(PopupMenuTest, EveryMenuWindowIsSeenCreatedAndDestroyedByTheCbtHook) {
    std::vector<HWND> open;
    Script({[] { KeyPress(VK_UP); }, [] { KeyPress(VK_UP); }, [] { KeyPress(VK_UP); },
            [] { KeyPress(VK_RIGHT); },
            [&] {
                open = MenuWindows();
                ASSERT_EQ(open.size(), 2u);
                EXPECT_EQ(SendMessage(open[0], MN_GETHMENU, 0, 0), reinterpret_cast<LRESULT>(menu));
                EXPECT_EQ(SendMessage(open[1], MN_GETHMENU, 0, 0),
                          reinterpret_cast<LRESULT>(recent));
                KeyPress(VK_LEFT);
            },
            [] { KeyPress(VK_ESCAPE); }});
    EXPECT_EQ(Track(), 0u);
    ASSERT_EQ(open.size(), 2u);
    EXPECT_EQ(created, open);
    // The submenu goes first (Left), then the menu.
    EXPECT_EQ(destroyed, (std::vector<HWND>{open[1], open[0]}));
    EXPECT_FALSE(ranOut);
}

TEST_F(PopupMenuTest, NotificationsArriveInWindowsOrder) {
    Script({[] { KeyPress(VK_DOWN); }, [] { KeyPress(VK_RETURN); }});
    EXPECT_EQ(Track(0), TRUE);
    std::vector<UINT> order;
    for (const Received& r : received)
        if (r.message != WM_ENTERIDLE && r.message != WM_MEASUREITEM &&
            (r.message == WM_ENTERMENULOOP || r.message == WM_EXITMENULOOP ||
             r.message == WM_INITMENU || r.message == WM_INITMENUPOPUP ||
             r.message == WM_MENUSELECT || r.message == 0x0125))
            order.push_back(r.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP,
                                        WM_MENUSELECT, 0x0125, WM_MENUSELECT, WM_EXITMENULOOP}));
    const auto selects = Messages(WM_MENUSELECT);
    EXPECT_EQ(LOWORD(selects[0].wParam), kOpen);
    EXPECT_TRUE(HIWORD(selects[0].wParam) & MF_HILITE);
    EXPECT_EQ(selects[0].lParam, reinterpret_cast<LPARAM>(menu));
    EXPECT_EQ(HIWORD(selects[1].wParam), 0xFFFF);
    EXPECT_EQ(selects[1].lParam, 0);
    // Without TPM_RETURNCMD the choice arrives as a posted WM_COMMAND.
    received.clear();
    display->Run();
    ASSERT_EQ(Messages(WM_COMMAND).size(), 1u);
    EXPECT_EQ(LOWORD(Messages(WM_COMMAND)[0].wParam), kOpen);
}

TEST_F(PopupMenuTest, NoNotifyKeepsTheMenuMessagesAway) {
    Script({[] { KeyPress(VK_DOWN); }, [] { KeyPress(VK_RETURN); }});
    EXPECT_EQ(Track(TPM_RETURNCMD | TPM_NONOTIFY), kOpen);
    EXPECT_TRUE(Messages(WM_INITMENUPOPUP).empty());
    EXPECT_TRUE(Messages(WM_MENUSELECT).empty());
    EXPECT_EQ(Messages(WM_EXITMENULOOP).size(), 1u);
}

TEST_F(PopupMenuTest, MouseOpensSubmenusByHoverAndChoosesByClick) {
    Script({[&] { MouseTo(ItemCentre(menu, 2)); },
            [&] {
                EXPECT_EQ(MenuWindows().size(), 2u);
                ClickAt(ItemCentre(recent, 0));
            }});
    EXPECT_EQ(Track(), kRecent1);
    const auto popups = Messages(WM_INITMENUPOPUP);
    ASSERT_EQ(popups.size(), 2u);
    EXPECT_EQ(popups[1].wParam, reinterpret_cast<WPARAM>(recent));
    EXPECT_EQ(LOWORD(popups[1].lParam), 2); // its position in the parent
}

TEST_F(PopupMenuTest, MouseCases) {
    struct Case {
        const char* name;
        std::function<void()> act;
        UINT expected;
    } cases[] = {
        {"click on a command", [this] { ClickAt(ItemCentre(menu, 1)); }, kSave},
        {"click outside cancels",
         [] {
             ClickAt(POINT{700, 600});
         },
         0},
        {"click on a disabled item keeps the menu",
         [this] {
             ClickAt(ItemCentre(menu, 4));
             steps.push_back([this] { ClickAt(ItemCentre(menu, 5)); });
         },
         kClose},
        {"the release of the opening click chooses nothing",
         [this] {
             InjectMouseButton(MouseButton::Left, KeyTransition::Up, ItemCentre(menu, 0));
             steps.push_back([] { KeyPress(VK_ESCAPE); });
         },
         0},
    };
    for (const Case& c : cases) {
        received.clear();
        Script({c.act});
        // The opening click happened on the menu's first item.
        InjectMouseMove(POINT{160, 160});
        display->Run();
        EXPECT_EQ(Track(TPM_RETURNCMD, POINT{150, 150}), c.expected) << c.name;
        EXPECT_FALSE(ranOut) << c.name;
        EXPECT_TRUE(MenuWindows().empty()) << c.name;
    }
}

TEST_F(PopupMenuTest, MnemonicsChooseOrCycle) {
    AppendMenu(menu, MF_STRING, 105, "&Copy");
    struct Case {
        std::string typed;
        UINT expected;
    } cases[] = {
        {"o", kOpen},
        {"S", kSave},
        {"r", 0 /* opens Recent: Escape twice */},
        {"c", 0},
    };
    for (const Case& c : cases) {
        Script({[&] { InjectText(c.typed); }, [] { KeyPress(VK_ESCAPE); },
                [] { KeyPress(VK_ESCAPE); }});
        EXPECT_EQ(Track(), c.expected) << c.typed;
    }
    // Two items share "c": the first press selects Close, the second Copy.
    Script({[] { InjectText("c"); }, [] { InjectText("c"); }, [] { KeyPress(VK_RETURN); }});
    EXPECT_EQ(Track(), 105u);
}

TEST_F(PopupMenuTest, MessageFilterHookSeesMenuMessagesFirstAndMayEatThem) {
    static std::vector<int> codes;
    codes.clear();
    const HHOOK filter = SetWindowsHookEx(
        WH_MSGFILTER,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            codes.push_back(code);
            // Eat the first Down: the second one then selects the first item.
            static bool eaten = false;
            if (msg->message == WM_KEYDOWN && msg->wParam == WPARAM(VK_DOWN) && !eaten)
                return eaten = true;
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    Script({[] { KeyPress(VK_DOWN); }, [] { KeyPress(VK_DOWN); }, [] { KeyPress(VK_RETURN); }});
    EXPECT_EQ(Track(), kOpen);
    UnhookWindowsHookEx(filter);
    ASSERT_FALSE(codes.empty());
    EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), [](int c) { return c == MSGF_MENU; }));
}

TEST_F(PopupMenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheOwner) {
    const HMENU drawn = CreatePopupMenu();
    MENUITEMINFO info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
    info.fType = MFT_OWNERDRAW;
    info.wID = 7;
    info.dwItemData = 0x1234;
    InsertMenuItem(drawn, 0, TRUE, &info);
    info.wID = 8;
    InsertMenuItem(drawn, 1, TRUE, &info);
    measured = SIZE{90, 30};
    drawItem = [](HDC hdc, const RECT& r) {
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(hdc, &r, red);
        DeleteObject(red);
    };
    RECT window{};
    COLORREF pixel = 0;
    Script({[] { KeyPress(VK_DOWN); },
            [&] {
                GetWindowRect(MenuWindows().at(0), &window);
                pixel = Screen().Row(window.top + 3 + 15)[window.left + 3 + 45];
                KeyPress(VK_ESCAPE);
            }});
    EXPECT_EQ(TrackPopupMenu(drawn, TPM_RETURNCMD, 150, 150, 0, owner, nullptr), 0);
    const auto measures = Messages(WM_MEASUREITEM);
    ASSERT_EQ(measures.size(), 2u);
    EXPECT_EQ(RectWidth(window), 90 + 6);
    EXPECT_EQ(RectHeight(window), 2 * 30 + 6);
    EXPECT_EQ(pixel & 0xFFFFFF, 0xFF0000u); // screen pixels are 0x00RRGGBB
    // Drawn once each when shown, then the first alone again, selected.
    ASSERT_EQ(drawnStates.size(), 3u);
    EXPECT_EQ(drawnStates[0] & ODS_SELECTED, 0u);
    EXPECT_EQ(drawnStates[1] & ODS_SELECTED, 0u);
    EXPECT_EQ(drawnStates[2] & ODS_SELECTED, UINT(ODS_SELECTED));
    DestroyMenu(drawn);
}

TEST_F(PopupMenuTest, PlacementFollowsAlignmentFlagsAndStaysOnScreen) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        UINT flags;
        POINT at;
        const char* corner; // which corner of the menu lies at the point
    } cases[] = {
        {0, {200, 200}, "top-left"},
        {TPM_RIGHTALIGN | TPM_BOTTOMALIGN, {500, 500}, "bottom-right"},
        {0, {width - 5, height - 5}, "bottom-right"}, // flipped off the screen's edge
    };
    for (const Case& c : cases) {
        RECT r{};
        Script({[&] {
            GetWindowRect(MenuWindows().at(0), &r);
            KeyPress(VK_ESCAPE);
        }});
        Track(TPM_RETURNCMD | c.flags, c.at);
        const POINT corner =
            std::string(c.corner) == "top-left" ? POINT{r.left, r.top} : POINT{r.right, r.bottom};
        EXPECT_EQ(corner.x, c.at.x) << c.corner;
        EXPECT_EQ(corner.y, c.at.y) << c.corner;
    }
}

TEST_F(PopupMenuTest, PrintingAMenuWindowGivesWhatTheScreenShows) {
    // Skinners print the menu into their own bitmap; it must match the window.
    Surface printed, shown;
    Script({[] { KeyPress(VK_DOWN); },
            [&] {
                const HWND window = MenuWindows().at(0);
                RECT r;
                GetWindowRect(window, &r);
                const HDC hdc = CreateCompatibleDC(nullptr);
                const HBITMAP bitmap = CreateBitmap(RectWidth(r), RectHeight(r), 1, 32, nullptr);
                const HGDIOBJ old = SelectObject(hdc, bitmap);
                SendMessage(window, WM_PRINT, reinterpret_cast<WPARAM>(hdc),
                            PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
                SelectObject(hdc, old);
                printed = SurfaceFromBitmap(bitmap);
                DeleteObject(bitmap);
                DeleteDC(hdc);
                shown = *GetWindowSurface(window);
                KeyPress(VK_ESCAPE);
            }});
    Track();
    ASSERT_EQ(printed.width, shown.width);
    ASSERT_EQ(printed.height, shown.height);
    int differing = 0;
    for (std::size_t i = 0; i < shown.pixels.size(); ++i)
        differing += (printed.pixels[i] & 0xFFFFFF) != (shown.pixels[i] & 0xFFFFFF);
    EXPECT_EQ(differing, 0);
}

// A skinner subclasses each menu window as the CBT hook sees it created and
// paints the frame itself on WM_NCPAINT.
std::vector<std::pair<UINT, WPARAM>> subclassSaw;
WNDPROC menuProc = nullptr;

LRESULT SkinnedMenuProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    subclassSaw.emplace_back(message, wParam);
    if (message == WM_NCPAINT) {
        const HDC hdc = GetWindowDC(hwnd);
        RECT r;
        GetWindowRect(hwnd, &r);
        r = RECT{0, 0, RectWidth(r), RectHeight(r)};
        const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        FrameRect(hdc, &r, green);
        DeleteObject(green);
        ReleaseDC(hwnd, hdc);
        return 0;
    }
    return CallWindowProc(menuProc, hwnd, message, wParam, lParam);
}

LRESULT SkinningHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWND*>(lParam);
        if (std::string(create->lpcs->lpszClass) == WC_MENU)
            menuProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtr(reinterpret_cast<HWND>(wParam), GWLP_WNDPROC,
                                 reinterpret_cast<LONG_PTR>(SkinnedMenuProc)));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PopupMenuTest, ASkinnerSubclassingFromTheCbtHookPaintsTheFrame) {
    subclassSaw.clear();
    const HHOOK hook = SetWindowsHookEx(WH_CBT, SkinningHook, nullptr, GetCurrentThreadId());
    COLORREF corner = 0;
    Script({[&] {
        RECT r;
        GetWindowRect(MenuWindows().at(0), &r);
        corner = Screen().Row(r.top)[r.left] & 0xFFFFFF;
        KeyPress(VK_ESCAPE);
    }});
    Track();
    UnhookWindowsHookEx(hook);
    const auto saw = [](UINT message, WPARAM wParam) {
        return std::find(subclassSaw.begin(), subclassSaw.end(), std::pair{message, wParam}) !=
               subclassSaw.end();
    };
    EXPECT_TRUE(std::any_of(subclassSaw.begin(), subclassSaw.end(),
                            [](const auto& m) { return m.first == WM_NCPAINT; }));
    EXPECT_TRUE(saw(WM_DESTROY, 0));
    EXPECT_EQ(corner, 0x00FF00u);
}

TEST_F(PopupMenuTest, ASecondMenuCannotOpenWhileOneIsTracked) {
    BOOL nested = TRUE;
    Script({[&] {
        nested = TrackPopupMenu(recent, TPM_RETURNCMD, 10, 10, 0, owner, nullptr);
        KeyPress(VK_ESCAPE);
    }});
    Track();
    EXPECT_FALSE(nested);
}

TEST_F(PopupMenuTest, OpenMenuWithSubmenuRendersClassicLook) {
    CheckMenuItem(menu, kSave, MF_CHECKED);
    Script({[] { KeyPress(VK_UP); }, [] { KeyPress(VK_UP); }, [] { KeyPress(VK_UP); },
            [] { KeyPress(VK_RIGHT); },
            [&] {
                EXPECT_TRUE(WritePng("popup-menu.png", Screen()));
                KeyPress(VK_ESCAPE);
                KeyPress(VK_ESCAPE);
            }});
    Track();
    EXPECT_FALSE(ranOut);
}

} // namespace

} // namespace win::test
