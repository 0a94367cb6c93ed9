// The message sequences a subclassing skinner sees: creation, showing,
// activation, painting, destruction, and chains of GWL_WNDPROC subclasses.

#include "WindowTestSupport.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace win::test {
namespace {

using Sequence = std::vector<std::string>;

Sequence Only(const Sequence& log, std::initializer_list<const char*> kinds) {
    Sequence kept;
    for (const auto& entry : log)
        for (const char* kind : kinds)
            if (entry.ends_with(std::string(":") + kind))
                kept.push_back(entry);
    return kept;
}

class MessageSequenceTest : public WindowTest {};

TEST_F(MessageSequenceTest, VisibleTopLevelWindowIsCreatedShownActivatedAndPainted) {
    Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    EXPECT_EQ(Log(), (Sequence{"main:WM_GETMINMAXINFO", "main:WM_NCCREATE", "main:WM_NCCALCSIZE",
                               "main:WM_CREATE", "main:WM_SIZE", "main:WM_MOVE",
                               "main:WM_SHOWWINDOW", "main:WM_WINDOWPOSCHANGING",
                               "main:WM_WINDOWPOSCHANGED", "main:WM_ACTIVATEAPP",
                               "main:WM_NCACTIVATE", "main:WM_ACTIVATE", "main:WM_SETFOCUS"}));
    display->Run();
    EXPECT_EQ(Log(), (Sequence{"main:WM_PAINT", "main:WM_NCPAINT", "main:WM_ERASEBKGND"}));
    display->Run();
    EXPECT_TRUE(Log().empty()) << "a validated window is not painted again";
}

TEST_F(MessageSequenceTest, ChildCreationNotifiesTheParentAndPaintsParentFirst) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    display->Run();
    Log();
    Create("child", WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{5, 5, 55, 55}, main);
    EXPECT_EQ(Log(), (Sequence{"child:WM_NCCREATE", "child:WM_NCCALCSIZE", "child:WM_CREATE",
                               "child:WM_SIZE", "child:WM_MOVE", "main:WM_PARENTNOTIFY",
                               "child:WM_SHOWWINDOW", "child:WM_WINDOWPOSCHANGING",
                               "child:WM_WINDOWPOSCHANGED"}));
    InvalidateRect(main, nullptr, TRUE);
    display->Run();
    EXPECT_EQ(Only(Log(), {"WM_PAINT"}), (Sequence{"main:WM_PAINT", "child:WM_PAINT"}));
}

TEST_F(MessageSequenceTest, DestructionSendsDestroyTopDownAndNcDestroyBottomUp) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, RECT{5, 5, 105, 105}, main);
    Create("grandchild", WS_CHILD | WS_VISIBLE, RECT{5, 5, 55, 55}, child);
    Create("sibling", WS_CHILD | WS_VISIBLE, RECT{150, 5, 200, 55}, main);
    display->Run();
    Log();
    EXPECT_TRUE(DestroyWindow(main));
    EXPECT_EQ(Only(Log(), {"WM_DESTROY", "WM_NCDESTROY"}),
              (Sequence{"main:WM_DESTROY", "child:WM_DESTROY", "grandchild:WM_DESTROY",
                        "sibling:WM_DESTROY", "grandchild:WM_NCDESTROY", "child:WM_NCDESTROY",
                        "sibling:WM_NCDESTROY", "main:WM_NCDESTROY"}));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(MessageSequenceTest, SwitchingActivationDeactivatesTheOldWindowFirst) {
    HWND first = Create("first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND second = Create("second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{50, 50, 350, 250});
    ASSERT_EQ(GetActiveWindow(), second);
    Log();
    SetActiveWindow(first);
    EXPECT_EQ(Only(Log(), {"WM_NCACTIVATE", "WM_ACTIVATE", "WM_KILLFOCUS", "WM_SETFOCUS",
                           "WM_ACTIVATEAPP"}),
              (Sequence{"second:WM_NCACTIVATE", "second:WM_ACTIVATE", "first:WM_NCACTIVATE",
                        "first:WM_ACTIVATE", "second:WM_KILLFOCUS", "first:WM_SETFOCUS"}));
    EXPECT_EQ(GetFocus(), first);
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), first)
        << "the active window comes to the top";
}

TEST_F(MessageSequenceTest, HidingAndShowingSendShowWindowAndPositionChanges) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    display->Run();
    Log();
    EXPECT_TRUE(ShowWindow(main, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_FALSE(ShowWindow(main, SW_HIDE)) << "already hidden: no messages";
    ShowWindow(main, SW_SHOWNA);
    EXPECT_EQ(
        Only(Log(), {"WM_SHOWWINDOW", "WM_WINDOWPOSCHANGING", "WM_WINDOWPOSCHANGED"}),
        (Sequence{"main:WM_SHOWWINDOW", "main:WM_WINDOWPOSCHANGING", "main:WM_WINDOWPOSCHANGED",
                  "main:WM_SHOWWINDOW", "main:WM_WINDOWPOSCHANGING", "main:WM_WINDOWPOSCHANGED"}));
}

TEST_F(MessageSequenceTest, MovingAndSizingSendMoveAndSizeThroughWindowPosChanged) {
    HWND main = Create("main", WS_POPUP | WS_VISIBLE, RECT{10, 10, 110, 110});
    Log();
    MoveWindow(main, 20, 20, 100, 100, TRUE);
    EXPECT_EQ(Log(),
              (Sequence{"main:WM_WINDOWPOSCHANGING", "main:WM_WINDOWPOSCHANGED", "main:WM_MOVE"}));
    SetWindowPos(main, nullptr, 0, 0, 150, 120, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Log(), (Sequence{"main:WM_WINDOWPOSCHANGING", "main:WM_NCCALCSIZE",
                               "main:WM_WINDOWPOSCHANGED", "main:WM_SIZE"}));
    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r, (RECT{20, 20, 170, 140}));
}

TEST_F(MessageSequenceTest, TopmostPlacesAddAndRemoveTheTopmostStyle) {
    HWND a = Create("a", WS_POPUP | WS_VISIBLE, RECT{10, 10, 110, 110});
    SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(GetWindowLong(a, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // A window shown later stays below the topmost one.
    HWND b = Create("b", WS_POPUP | WS_VISIBLE, RECT{20, 20, 120, 120});
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint(POINT{50, 50}), a);
    SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_FALSE(GetWindowLong(a, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint(POINT{50, 50}), b);
}

// WM_NCPAINT as a skinner's frame painter reads it: "whole" for the region 1,
// which Windows sends when the whole window is invalid, else the update
// region's bounds on screen.
std::vector<std::string> nonClientPaints;
WNDPROC beforeNonClientRecorder = nullptr;

LRESULT NonClientPaintRecorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCPAINT) {
        RECT box{};
        if (wParam != 1)
            GetRgnBox(reinterpret_cast<HRGN>(wParam), &box);
        nonClientPaints.push_back(
            wParam == 1 ? "whole"
                        : std::to_string(box.left) + "," + std::to_string(box.top) + "," +
                              std::to_string(box.right) + "," + std::to_string(box.bottom));
    }
    return CallWindowProc(beforeNonClientRecorder, hwnd, message, wParam, lParam);
}

TEST_F(MessageSequenceTest, NonClientPaintGetsTheWholeFrameOrTheUpdateRegion) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    beforeNonClientRecorder = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(main, GWL_WNDPROC, LONG_PTR(NonClientPaintRecorder)));
    nonClientPaints.clear();
    // A corner of the frame and client area: client (-4, -4)-(20, 20) on screen.
    RECT corner{-4, -4, 20, 20};
    POINT screen[2] = {{corner.left, corner.top}, {corner.right, corner.bottom}};
    MapWindowPoints(main, nullptr, screen, 2);
    const std::string cornerOnScreen =
        std::to_string(screen[0].x) + "," + std::to_string(screen[0].y) + "," +
        std::to_string(screen[1].x) + "," + std::to_string(screen[1].y);
    const struct {
        const char* name;
        std::function<void()> change;
        std::string expected;
    } cases[] = {
        {"shown", [] {}, "whole"},
        {"frame changed",
         [&] {
             SetWindowPos(main, nullptr, 0, 0, 0, 0,
                          SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
         },
         "whole"},
        {"sized", [&] { MoveWindow(main, 10, 10, 320, 220, TRUE); }, "whole"},
        {"part of the frame",
         [&] { RedrawWindow(main, &corner, nullptr, RDW_INVALIDATE | RDW_FRAME); }, cornerOnScreen},
    };
    for (const auto& c : cases) {
        nonClientPaints.clear();
        c.change();
        display->Run();
        EXPECT_EQ(nonClientPaints, std::vector<std::string>{c.expected}) << c.name;
    }
}

// A subclass chain as skinners build it: each procedure passes on to the one it
// replaced, the newest sees every message first.
std::vector<std::string> chainLog;
WNDPROC firstPrevious = nullptr;
WNDPROC secondPrevious = nullptr;

LRESULT FirstSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER)
        chainLog.push_back("first");
    return CallWindowProc(firstPrevious, hwnd, message, wParam, lParam);
}

LRESULT SecondSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER)
        chainLog.push_back("second");
    if (message == WM_USER + 1)
        return 42; // consumed: the earlier procedures never see it
    return CallWindowProc(secondPrevious, hwnd, message, wParam, lParam);
}

TEST_F(MessageSequenceTest, SubclassChainsCallNewestFirstAndUnwindInReverse) {
    HWND main = Create("main", WS_POPUP, RECT{0, 0, 10, 10});
    firstPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(main, GWL_WNDPROC, LONG_PTR(FirstSubclass)));
    secondPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(main, GWL_WNDPROC, LONG_PTR(SecondSubclass)));
    EXPECT_EQ(firstPrevious, RecordingProc);
    Log();
    chainLog.clear();
    SendMessage(main, WM_USER, 0, 0);
    EXPECT_EQ(chainLog, (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(Log(), (Sequence{"main:WM_USER"}));
    EXPECT_EQ(SendMessage(main, WM_USER + 1, 0, 0), 42);
    EXPECT_TRUE(Log().empty());
    // Unsubclassing restores the procedure each layer saved.
    SetWindowLongPtr(main, GWL_WNDPROC, LONG_PTR(secondPrevious));
    SetWindowLongPtr(main, GWL_WNDPROC, LONG_PTR(firstPrevious));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtr(main, GWL_WNDPROC)), RecordingProc);
}

TEST_F(MessageSequenceTest, PostedMessagesArriveInOrderAndQuitEndsTheLoop) {
    HWND main = Create("main", WS_POPUP, RECT{0, 0, 10, 10});
    PostMessage(main, WM_USER, 1, 0);
    PostMessage(main, WM_CLOSE, 0, 0);
    PostQuitMessage(3);
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_USER);
    DispatchMessage(&msg);
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_CLOSE);
    DispatchMessage(&msg);
    EXPECT_FALSE(IsWindow(main)) << "WM_CLOSE destroys through DefWindowProc";
    EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageSequenceTest, TextLongsPropertiesAndClassQueries) {
    HWND main = Create("标题", WS_OVERLAPPEDWINDOW, RECT{0, 0, 200, 100});
    char text[64];
    EXPECT_EQ(GetWindowText(main, text, sizeof text), int(std::string("标题").size()));
    EXPECT_STREQ(text, "标题");
    EXPECT_EQ(GetWindowText(main, text, 4), 3) << "cut to the buffer, terminated";
    SetWindowText(main, "Telvora");
    EXPECT_EQ(GetWindowTextLength(main), 7);
    EXPECT_EQ(GetClassName(main, text, sizeof text), int(std::strlen(kClass)));
    EXPECT_STREQ(text, kClass);
    SetWindowLongPtr(main, GWL_USERDATA, 1234);
    EXPECT_EQ(GetWindowLongPtr(main, GWL_USERDATA), 1234);
    EXPECT_TRUE(GetWindowLong(main, GWL_STYLE) & WS_CAPTION);
    const ATOM atom = GlobalAddAtom("ControlOfs0040000000001234");
    EXPECT_GE(atom, 0xC000);
    EXPECT_EQ(GlobalFindAtom("controlofs0040000000001234"), atom) << "atoms ignore case";
    SetProp(main, MAKEINTATOM(atom), reinterpret_cast<HANDLE>(77));
    EXPECT_EQ(GetProp(main, "CONTROLOFS0040000000001234"), reinterpret_cast<HANDLE>(77));
    EXPECT_EQ(RemoveProp(main, MAKEINTATOM(atom)), reinterpret_cast<HANDLE>(77));
    EXPECT_EQ(GetProp(main, MAKEINTATOM(atom)), nullptr);
    GlobalDeleteAtom(atom);
    EXPECT_TRUE(IsWindowUnicode(main));
}

TEST_F(MessageSequenceTest, TreeQueriesAndCoordinates) {
    HWND main = Create("main", WS_POPUP | WS_VISIBLE, RECT{100, 50, 400, 350});
    HWND a = Create("a", WS_CHILD | WS_VISIBLE, RECT{10, 20, 60, 70}, main);
    HWND b = Create("b", WS_CHILD | WS_VISIBLE, RECT{30, 40, 90, 100}, main);
    HWND owned = Create("owned", WS_POPUP, RECT{0, 0, 10, 10}, a);
    EXPECT_EQ(GetParent(a), main);
    EXPECT_EQ(GetParent(owned), main) << "a pop-up's parent is its (top-level) owner";
    EXPECT_EQ(GetWindow(owned, GW_OWNER), main);
    EXPECT_EQ(GetAncestor(b, GA_ROOT), main);
    EXPECT_EQ(GetAncestor(main, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(main, GW_CHILD), a) << "children keep their creation order";
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_TRUE(IsChild(main, a));
    EXPECT_FALSE(IsChild(main, owned));
    POINT p{5, 5};
    ClientToScreen(a, &p);
    EXPECT_EQ(p, (POINT{115, 75}));
    POINT q{5, 5};
    MapWindowPoints(a, b, &q, 1);
    EXPECT_EQ(q, (POINT{-15, -15}));
    EXPECT_EQ(WindowFromPoint(POINT{145, 95}), a) << "a, created first, lies above b";
    EXPECT_EQ(WindowFromPoint(POINT{115, 75}), a);
    EXPECT_EQ(ChildWindowFromPoint(main, POINT{200, 200}), main);
    int count = 0;
    EnumChildWindows(
        main,
        [](HWND, LPARAM n) {
            ++*reinterpret_cast<int*>(n);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    EXPECT_EQ(count, 2);
}

} // namespace
} // namespace win::test
