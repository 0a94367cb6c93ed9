// The show commands are shared by the window manager and the shell: a file
// that uses both (a window that opens links) compiles, and a command meant
// for one means the same to the other.

#include "WindowTestSupport.h"
#include "platform/shell/ShellExecute.h"
#include "platform/user/WinUser.h"

namespace win::test {
namespace {

using ShowCommandsTest = WindowTest;

TEST_F(ShowCommandsTest, TheShellsShowCommandsWorkWithShowWindow) {
    HWND main = Create("main", WS_OVERLAPPEDWINDOW, RECT{10, 10, 310, 210});
    ShowWindow(main, SW_SHOWNORMAL);
    EXPECT_TRUE(IsWindowVisible(main));
    ShowWindow(main, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(main));
}

} // namespace
} // namespace win::test
