// Counts heap allocations in this test binary, to check that repainting an
// unchanged window (frame and caption, menu bar, scroll bars, children, erase
// and paint, the standard controls, popup menus) allocates nothing once the
// first repaint has warmed up the regions, DCs, fonts and layouts it uses.

#include "WindowTestSupport.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Rects.h"
#include "platform/user/controls/CommCtrl.h"
#include "platform/user/controls/StandardControls.h"
#include "platform/user/menus/Menus.h"
#include "tests/support/AllocationCounter.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

namespace win::test {
namespace {

constexpr const char* kPaintingClass = "TelvoraRepaintWindow";

LRESULT FillingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC hdc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        InflateRect(&client, -2, -2);
        FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// Repaints `hwnd` whole twice; the second repaint must allocate nothing and
// draw what the first drew.
void ExpectSecondRepaintAllocatesNothing(HWND hwnd, const char* what) {
    auto repaint = [&] {
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    repaint();
    const auto firstPixels = GetWindowSurface(hwnd)->pixels;
    const long before = testsupport::AllocationCount();
    repaint();
    EXPECT_EQ(testsupport::AllocationCount() - before, 0) << what;
    EXPECT_TRUE(GetWindowSurface(hwnd)->pixels == firstPixels) << what;
}

struct Layout {
    const char* name;
    DWORD childStyle;
    int spacing; // below the child size, children overlap
    bool shaped; // the top-level window cut by a window region
};

class RepaintAllocationTest : public WindowTest, public ::testing::WithParamInterface<Layout> {
protected:
    HWND Build(const Layout& layout) {
        WNDCLASS wc;
        wc.lpfnWndProc = FillingProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
        wc.lpszClassName = kPaintingClass;
        RegisterClass(&wc);
        // The whole classic frame: caption with text and buttons, sizing border.
        HWND main = CreateWindowEx(0, kPaintingClass, "Main 主窗口",
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 624,
                                   564, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < 30; ++i)
            CreateWindowEx(WS_EX_CLIENTEDGE, kPaintingClass, "",
                           WS_CHILD | WS_VISIBLE | layout.childStyle, 10 + (i % 6) * layout.spacing,
                           10 + (i / 6) * layout.spacing, 90, 90, main, nullptr, nullptr, nullptr);
        if (layout.shaped)
            SetWindowRgn(main, CreateRoundRectRgn(0, 0, 625, 565, 40, 40), TRUE);
        UpdateWindow(main);
        return main;
    }
};

TEST_P(RepaintAllocationTest, SecondFullRepaintAllocatesNothing) {
    ExpectSecondRepaintAllocatesNothing(Build(GetParam()), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RepaintAllocationTest,
    ::testing::Values(Layout{"Grid", WS_CLIPSIBLINGS, 100, false},
                      Layout{"OverlappingSiblings", WS_CLIPSIBLINGS, 60, false},
                      Layout{"UnclippedSiblings", 0, 60, false},
                      Layout{"ScrollBarsInAShapedWindow", WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL,
                             100, true}),
    [](const ::testing::TestParamInfo<Layout>& info) { return std::string(info.param.name); });

enum : UINT { kOpen = 101, kSettings = 102, kAbout = 103 };

// A bar with ASCII and Chinese items, one longer than a short string holds
// in place, and a right-justified last item.
HMENU MakeBar() {
    const HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, kOpen, "打开(&O)\tCtrl+O");
    AppendMenu(file, MF_STRING | MF_CHECKED, kSettings, "节目表设置(&S)...");
    AppendMenu(file, MF_SEPARATOR, 0, nullptr);
    AppendMenu(file, MF_STRING | MF_GRAYED, 0, "&Exit");
    const HMENU bar = CreateMenu();
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
    AppendMenu(bar, MF_STRING, kSettings, "节目表设置(&S)");
    AppendMenu(bar, MF_STRING, 0, "&View");
    AppendMenu(bar, MF_STRING | MFT_RIGHTJUSTIFY, kAbout, "帮助(&H)");
    return bar;
}

HWND MakeWindowWithBar() {
    const HWND main =
        CreateWindowEx(0, "TelvoraTestWindow", "菜单", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                       300, nullptr, nullptr, nullptr, nullptr);
    SetMenu(main, MakeBar());
    UpdateWindow(main);
    return main;
}

TEST_F(WindowTest, MenuBarRepaintAllocatesNothing) {
    ExpectSecondRepaintAllocatesNothing(MakeWindowWithBar(), "menu bar");
}

// The bar's layout is kept between repaints, so it must follow what changes it.
TEST_F(WindowTest, MenuBarLayoutFollowsTheMenuAndTheWidth) {
    const HWND main = MakeWindowWithBar();
    const auto rects = [&] {
        std::vector<RECT> items(std::size_t(GetMenuItemCount(GetMenu(main))));
        for (std::size_t i = 0; i < items.size(); ++i)
            GetMenuItemRect(main, GetMenu(main), UINT(i), &items[i]);
        return items;
    };
    const std::vector<RECT> before = rects();
    ASSERT_EQ(before.size(), 4u);

    char longer[] = "文件和更多(&F)";
    MENUITEMINFO info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = longer;
    SetMenuItemInfo(GetMenu(main), 0, TRUE, &info);
    std::vector<RECT> after = rects();
    EXPECT_GT(after[1].left, before[1].left) << "a longer first item moves the second";

    SetWindowPos(main, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    after = rects();
    EXPECT_EQ(after[3].left, before[3].left - 100) << "the right-justified item follows the edge";

    DeleteMenu(GetMenu(main), 2, MF_BYPOSITION);
    EXPECT_EQ(rects().size(), 3u);
}

// A "#32768" window repainted while its menu is open, from the owner's idle
// turn of the menu loop.
LRESULT RepaintingMenuOwner(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
        const HWND popup = FindWindow("#32768", nullptr);
        EXPECT_NE(popup, nullptr);
        if (popup != nullptr)
            ExpectSecondRepaintAllocatesNothing(popup, "popup menu");
        EndMenu();
        return 0;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, PopupMenuRepaintAllocatesNothing) {
    WNDCLASS wc;
    wc.lpfnWndProc = RepaintingMenuOwner;
    wc.lpszClassName = "TelvoraMenuOwner";
    RegisterClass(&wc);
    const HWND owner = CreateWindowEx(0, "TelvoraMenuOwner", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    const HMENU bar = MakeBar();
    TrackPopupMenu(GetSubMenu(bar, 0), TPM_RETURNCMD, 50, 50, 0, owner, nullptr);
    DestroyMenu(bar);
}

// The standard controls of a main window, each with some content, in a
// window of their own.
struct ControlCase {
    const char* name;
    const char* className;
    DWORD style;
    std::function<void(HWND)> fill;
};

void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.name;
}

void AddStrings(HWND control, UINT message) {
    for (const char* text : {"中央电视台", "Phoenix", "湖南卫视 HD", "Shanghai"})
        SendMessage(control, message, 0, reinterpret_cast<LPARAM>(text));
}

class ControlRepaintTest : public WindowTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(ControlRepaintTest, SecondRepaintAllocatesNothing) {
    InitCommonControls();
    const ControlCase& c = GetParam();
    const HWND main = CreateWindowEx(0, kClass, "控件", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                     300, nullptr, nullptr, nullptr, nullptr);
    const HWND control =
        CreateWindowEx(0, c.className, "按钮 Button", WS_CHILD | WS_VISIBLE | c.style, 10, 10, 300,
                       150, main, nullptr, nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    if (c.fill)
        c.fill(control);
    UpdateWindow(main);
    ExpectSecondRepaintAllocatesNothing(main, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlRepaintTest,
    ::testing::Values(
        ControlCase{"ListBox", "LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOTIFY,
                    [](HWND h) {
                        AddStrings(h, LB_ADDSTRING);
                        SendMessage(h, LB_SETCURSEL, 1, 0);
                    }},
        ControlCase{"MultiLineEdit", "EDIT", WS_BORDER | WS_VSCROLL | ES_MULTILINE,
                    [](HWND h) {
                        SetWindowText(h, "第一行 first line\r\n第二行\r\nthird line that is long");
                    }},
        ControlCase{"ComboBox", "COMBOBOX", CBS_DROPDOWNLIST,
                    [](HWND h) {
                        AddStrings(h, CB_ADDSTRING);
                        SendMessage(h, CB_SETCURSEL, 0, 0);
                    }},
        ControlCase{"Button", "BUTTON", BS_PUSHBUTTON, nullptr},
        ControlCase{"CheckBox", "BUTTON", BS_AUTOCHECKBOX, nullptr},
        ControlCase{"StatusBar", STATUSCLASSNAME, 0,
                    [](HWND h) {
                        const int parts[] = {120, 240, -1};
                        SendMessage(h, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
                        SendMessage(h, SB_SETTEXT, 0, reinterpret_cast<LPARAM>("就绪"));
                        SendMessage(h, SB_SETTEXT, 1, reinterpret_cast<LPARAM>("Updating 更新中"));
                    }},
        ControlCase{"TabControl", WC_TABCONTROL, 0,
                    [](HWND h) {
                        char texts[][32] = {"新闻", "Sports 体育", "电影"};
                        for (int i = 0; i < 3; ++i) {
                            TCITEM item;
                            item.mask = TCIF_TEXT;
                            item.pszText = texts[i];
                            SendMessage(h, TCM_INSERTITEM, WPARAM(i),
                                        reinterpret_cast<LPARAM>(&item));
                        }
                    }},
        ControlCase{"ProgressBar", PROGRESS_CLASS, 0,
                    [](HWND h) { SendMessage(h, PBM_SETPOS, 40, 0); }}),
    [](const ::testing::TestParamInfo<ControlCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace win::test
