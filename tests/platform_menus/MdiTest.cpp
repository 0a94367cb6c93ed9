// MDI: a frame with its MDI client and children, driven through the WM_MDI*
// messages, the children's system commands and the mouse.

#include "platform/user/menus/Mdi.h"

#include "MenuTestSupport.h"
#include "platform/gdi/PngWriter.h"
#include "platform/user/Rects.h"

#include <algorithm>
#include <cstdlib>

namespace win::test {

namespace {

HWND mdiClient = nullptr;
std::vector<std::pair<HWND, LPARAM>> activations; // child, the child activated

LRESULT FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProc(hwnd, mdiClient, message, wParam, lParam);
}

LRESULT ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MDIACTIVATE)
        activations.emplace_back(hwnd, lParam);
    return DefMDIChildProc(hwnd, message, wParam, lParam);
}

class MdiTest : public MenuTest {
public:
    void SetUp() override {
        MenuTest::SetUp();
        RegisterMenuAndDialogClasses();
        WNDCLASS wc;
        wc.lpfnWndProc = FrameProc;
        wc.lpszClassName = "MdiTestFrame";
        RegisterClass(&wc);
        wc.lpfnWndProc = ChildProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
        wc.lpszClassName = "MdiTestChild";
        RegisterClass(&wc);
        bar = CreateMenu();
        AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), "&Window");
        frame = CreateWindowEx(0, "MdiTestFrame", "MDI", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50,
                               50, 600, 420, nullptr, bar, nullptr, nullptr);
        CLIENTCREATESTRUCT ccs;
        ccs.idFirstChild = 100;
        mdiClient = CreateWindowEx(WS_EX_CLIENTEDGE, WC_MDICLIENT, "",
                                   WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 0, 0, frame,
                                   nullptr, nullptr, &ccs);
        ShowWindow(frame, SW_SHOW);
        // The client came after the frame's first WM_SIZE: fit it now.
        SendMessage(frame, WM_SIZE, SIZE_RESTORED, 0);
        display->Run();
        for (const char* title : {"一", "二", "三"}) {
            MDICREATESTRUCT create;
            create.szClass = "MdiTestChild";
            create.szTitle = title;
            children.push_back(reinterpret_cast<HWND>(
                SendMessage(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create))));
        }
        display->Run();
        activations.clear();
    }
    void TearDown() override {
        DestroyWindow(frame);
        mdiClient = nullptr;
        MenuTest::TearDown();
    }
    HWND Active(BOOL* maximized = nullptr) const {
        return reinterpret_cast<HWND>(
            SendMessage(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(maximized)));
    }
    HWND frame = nullptr;
    HMENU bar = nullptr;
    std::vector<HWND> children;
};

TEST_F(MdiTest, ChildrenAreMdiChildrenAndTheLastCreatedIsActive) {
    ASSERT_EQ(children.size(), 3u);
    for (std::size_t i = 0; i < children.size(); ++i) {
        EXPECT_TRUE(GetWindowLong(children[i], GWL_EXSTYLE) & WS_EX_MDICHILD);
        EXPECT_EQ(GetParent(children[i]), mdiClient);
        EXPECT_EQ(GetDlgCtrlID(children[i]), int(100 + i));
    }
    EXPECT_EQ(Active(), children[2]);
    RECT frameClient, clientRect;
    GetClientRect(frame, &frameClient);
    GetWindowRect(mdiClient, &clientRect);
    EXPECT_EQ(RectWidth(clientRect), RectWidth(frameClient));
}

TEST_F(MdiTest, ActivationByMessageByMouseAndByNext) {
    SendMessage(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children[0]), 0);
    EXPECT_EQ(Active(), children[0]);
    // The one losing and the one gaining activation both hear of it.
    const std::vector<std::pair<HWND, LPARAM>> expected{
        {children[2], reinterpret_cast<LPARAM>(children[0])},
        {children[0], reinterpret_cast<LPARAM>(children[0])}};
    EXPECT_EQ(activations, expected);

    SendMessage(mdiClient, WM_MDITILE, 0, 0);
    RECT r;
    GetWindowRect(children[1], &r);
    display->Clock().Advance(1000);
    display->Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    EXPECT_EQ(Active(), children[1]);

    SendMessage(mdiClient, WM_MDINEXT, 0, 0);
    EXPECT_EQ(Active(), children[2]); // the least recently active

    // Ctrl+Tab through the loop's accelerator step.
    InjectKey(VK_CONTROL, KeyTransition::Down);
    InjectKey(VK_TAB, KeyTransition::Down);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!TranslateMDISysAccel(mdiClient, &msg))
            DispatchMessage(&msg);
    InjectKey(VK_TAB, KeyTransition::Up);
    InjectKey(VK_CONTROL, KeyTransition::Up);
    display->Run();
    EXPECT_EQ(Active(), children[0]);
}

TEST_F(MdiTest, MaximiseMergesButtonsIntoTheBarAndRestoreTakesThemBack) {
    const int items = GetMenuItemCount(bar);
    SendMessage(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children[1]), 0);
    BOOL maximized = FALSE;
    EXPECT_EQ(Active(&maximized), children[1]);
    EXPECT_TRUE(maximized);
    EXPECT_TRUE(IsZoomed(children[1]));
    RECT childClient, area;
    GetClientRect(children[1], &childClient);
    GetClientRect(mdiClient, &area);
    EXPECT_EQ(RectWidth(childClient), RectWidth(area));
    EXPECT_EQ(RectHeight(childClient), RectHeight(area));
    EXPECT_EQ(GetMenuItemCount(bar), items + 3);
    EXPECT_EQ(GetMenuItemID(bar, items + 2), SC_CLOSE);
    display->Run();
    EXPECT_TRUE(WritePng("mdi-maximized.png", Screen()));

    // Activating another child hands the maximised state over.
    SendMessage(mdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(children[0]), 0);
    EXPECT_TRUE(IsZoomed(children[0]));
    EXPECT_FALSE(IsZoomed(children[1]));

    SendMessage(children[0], WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(children[0]));
    Active(&maximized);
    EXPECT_FALSE(maximized);
    EXPECT_EQ(GetMenuItemCount(bar), items);
}

TEST_F(MdiTest, ClosingChildrenActivatesTheNextAndKeepsMaximised) {
    SendMessage(children[2], WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(children[2]));
    EXPECT_EQ(Active(), children[1]);

    SendMessage(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(children[1]), 0);
    // The close button in the frame's bar closes the maximised child.
    SendMessage(frame, WM_COMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(children[1]));
    EXPECT_EQ(Active(), children[0]);
    EXPECT_TRUE(IsZoomed(children[0]));

    SendMessage(mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(children[0]), 0);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 1);
}

// Next and previous are each other's inverse and each visits every child.
TEST_F(MdiTest, NextAndPreviousCycleThroughEveryChildInOppositeOrders) {
    const auto walk = [&](LPARAM previous) {
        std::vector<HWND> seen;
        for (int i = 0; i < 3; ++i) {
            SendMessage(mdiClient, WM_MDINEXT, 0, previous);
            seen.push_back(Active());
        }
        return seen;
    };
    const std::vector<HWND> forward = walk(0);
    EXPECT_EQ(forward, (std::vector<HWND>{children[0], children[1], children[2]}));
    const std::vector<HWND> backward = walk(1);
    EXPECT_EQ(backward, (std::vector<HWND>{children[1], children[0], children[2]}));
}

TEST_F(MdiTest, ArrangeIconsLinesMinimisedChildrenAlongTheBottom) {
    ShowWindow(children[0], SW_MINIMIZE);
    ShowWindow(children[2], SW_MINIMIZE);
    SetWindowPos(children[0], nullptr, 200, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessage(mdiClient, WM_MDIICONARRANGE, 0, 0);
    RECT area, first, second;
    GetClientRect(mdiClient, &area);
    const auto place = [&](HWND child, RECT& r) {
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, mdiClient, reinterpret_cast<POINT*>(&r), 2);
    };
    place(children[0], first);
    place(children[2], second);
    EXPECT_EQ(first.bottom, area.bottom);
    EXPECT_EQ(second.bottom, area.bottom);
    EXPECT_EQ(std::min(first.left, second.left), 0);
    EXPECT_EQ(std::abs(first.left - second.left), RectWidth(first));
}

} // namespace

} // namespace win::test
