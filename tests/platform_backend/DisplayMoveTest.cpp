// Windows moved or resized by the display (a window manager, another
// program): the window is told as for a move by the user, and nothing else
// about it changes.

#include "WindowTestSupport.h"
#include "platform/user/BackendSupport.h"
#include "platform/user/Rects.h"

#include <algorithm>

namespace win::test {
namespace {

using Sequence = std::vector<std::string>;

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// Keeps its windows at least 300 pixels wide, whoever resizes them.
LRESULT MinimumWidthProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE))
            pos->cx = std::max(pos->cx, 300);
    }
    return RecordingProc(hwnd, message, wParam, lParam);
}

using DisplayMoveTest = WindowTest;

TEST_F(DisplayMoveTest, MoveAndResizeAreToldAsForAUserMove) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND other = Create("other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{400, 10, 600, 200});
    ASSERT_EQ(GetActiveWindow(), other);
    Log();

    struct Case {
        RECT screen;
        Sequence messages;
    };
    const Case cases[] = {
        {RECT{110, 60, 410, 260},
         {"main:WM_WINDOWPOSCHANGING", "main:WM_WINDOWPOSCHANGED", "main:WM_MOVE"}},
        {RECT{110, 60, 510, 360},
         {"main:WM_WINDOWPOSCHANGING", "main:WM_NCCALCSIZE", "main:WM_WINDOWPOSCHANGED",
          "main:WM_SIZE"}},
        {RECT{110, 60, 510, 360}, {}}, // our own rectangle coming back
    };
    for (const Case& c : cases) {
        MoveFromDisplay(main, c.screen);
        Sequence told;
        for (const std::string& entry : Log())
            if (!entry.ends_with("WM_NCPAINT") && !entry.ends_with("WM_ERASEBKGND") &&
                !entry.ends_with("WM_PAINT") && !entry.ends_with("WM_GETMINMAXINFO"))
                told.push_back(entry);
        EXPECT_EQ(told, c.messages);
        EXPECT_EQ(WindowRect(main), c.screen);
    }
    EXPECT_EQ(GetActiveWindow(), other) << "a move does not activate";
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), other) << "nor raise";
    EXPECT_EQ(WindowFromPoint(POINT{500, 300}), main) << "hit testing follows";
}

TEST_F(DisplayMoveTest, TheWindowMayCorrectTheRectangle) {
    WNDCLASS wc;
    wc.lpfnWndProc = MinimumWidthProc;
    wc.lpszClassName = "MinimumWidth";
    RegisterClass(&wc);
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210}, nullptr, 0,
                       "MinimumWidth");
    MoveFromDisplay(main, RECT{20, 30, 120, 230});
    EXPECT_EQ(WindowRect(main), (RECT{20, 30, 320, 230}));
    UnregisterClass("MinimumWidth", nullptr);
}

TEST_F(DisplayMoveTest, ChildrenMinimizedAndUnknownWindowsAreLeftAlone) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 40}, main);
    const RECT childRect = WindowRect(child);
    MoveFromDisplay(child, RECT{0, 0, 5, 5});
    EXPECT_EQ(WindowRect(child), childRect);
    ShowWindow(main, SW_MINIMIZE);
    const RECT minimized = WindowRect(main);
    MoveFromDisplay(main, RECT{0, 0, 500, 500});
    EXPECT_EQ(WindowRect(main), minimized);
    DestroyWindow(main);
    MoveFromDisplay(main, RECT{0, 0, 500, 500}); // must not crash
}

} // namespace
} // namespace win::test
