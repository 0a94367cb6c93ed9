// Keyboard focus given or taken by the display (a window manager, another
// program): activation follows as Windows would move it.

#include "WindowTestSupport.h"
#include "platform/user/BackendSupport.h"

namespace win::test {
namespace {

using Sequence = std::vector<std::string>;

class DisplayActivationTest : public WindowTest {
protected:
    std::vector<std::string> Activation() {
        std::vector<std::string> kept;
        for (const std::string& entry : Log())
            for (const char* name :
                 {"WM_ACTIVATEAPP", "WM_NCACTIVATE", "WM_ACTIVATE", "WM_SETFOCUS", "WM_KILLFOCUS"})
                if (entry.ends_with(std::string(":") + name))
                    kept.push_back(entry);
        return kept;
    }
};

TEST_F(DisplayActivationTest, FocusLeavingAndReturningDeactivatesAndReactivatesTheApplication) {
    Create("tool", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{400, 10, 600, 200});
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 40}, main);
    SetFocus(child);
    Log();

    ActivateFromDisplay(nullptr);
    EXPECT_EQ(Activation(),
              (Sequence{"main:WM_NCACTIVATE", "main:WM_ACTIVATE", "main:WM_ACTIVATEAPP",
                        "tool:WM_ACTIVATEAPP", "child:WM_KILLFOCUS"}));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    ActivateFromDisplay(nullptr);
    EXPECT_TRUE(Activation().empty()) << "already inactive";

    ActivateFromDisplay(main);
    EXPECT_EQ(Activation(),
              (Sequence{"main:WM_ACTIVATEAPP", "tool:WM_ACTIVATEAPP", "main:WM_NCACTIVATE",
                        "main:WM_ACTIVATE", "main:WM_SETFOCUS"}));
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetFocus(), main);
}

TEST_F(DisplayActivationTest, FocusReportedOnTheActiveWindowChangesNothing) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND child = Create("child", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 40}, main);
    SetFocus(child);
    Log();
    ActivateFromDisplay(main);
    ActivateFromDisplay(child);
    EXPECT_TRUE(Activation().empty());
    EXPECT_EQ(GetFocus(), child) << "the focus inside the window stays";
}

TEST_F(DisplayActivationTest, FocusMovingBetweenOurWindowsSwitchesWithoutLeavingTheApplication) {
    HWND first = Create("first", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    Create("second", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{50, 50, 350, 250});
    Log();
    ActivateFromDisplay(first);
    EXPECT_EQ(Activation(),
              (Sequence{"second:WM_NCACTIVATE", "second:WM_ACTIVATE", "first:WM_NCACTIVATE",
                        "first:WM_ACTIVATE", "second:WM_KILLFOCUS", "first:WM_SETFOCUS"}));
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetWindow(GetDesktopWindow(), GW_CHILD), first) << "it comes to the top";
}

TEST_F(DisplayActivationTest, FocusGivenToAWindowDisabledByItsDialogActivatesTheDialog) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND dialog =
        Create("dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, RECT{50, 50, 250, 150}, main);
    ASSERT_EQ(GetWindow(dialog, GW_OWNER), main);
    EnableWindow(main, FALSE);
    ActivateFromDisplay(nullptr);
    ASSERT_EQ(GetActiveWindow(), nullptr);

    ActivateFromDisplay(main);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(GetFocus(), dialog);
}

TEST_F(DisplayActivationTest, FocusReportedForAVanishedWindowIsIgnored) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{10, 10, 310, 210});
    HWND gone = Create("gone", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{50, 50, 350, 250});
    SetActiveWindow(main);
    DestroyWindow(gone);
    Log();
    ActivateFromDisplay(gone);
    EXPECT_TRUE(Activation().empty());
    EXPECT_EQ(GetActiveWindow(), main);
}

} // namespace
} // namespace win::test
