// A real window under Xvfb through the SDL backend: shown where asked, dragged
// by its caption and clicked with xdotool, the way a user would.

#include "XvfbServer.h"
#include "platform/backend/sdl/SdlBackend.h"
#include "platform/user/Desktop.h"
#include "platform/user/NoDisplayBackend.h"
#include "platform/user/Painting.h"
#include "platform/user/WinUser.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

// The system's D-Bus library, loaded by SDL, keeps a buffer for the life of
// the process; it is not ours to free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

namespace win::test {
namespace {

std::vector<POINT> clicks;

LRESULT DemoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONUP)
        clicks.push_back(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return DefWindowProc(hwnd, message, wParam, lParam);
}

// Runs the loop in real time until `done` holds or the time is up.
template <typename Condition> bool PumpUntil(Condition done, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        ProcessPendingMessages();
        if (done())
            return true;
        Desktop::Get().Display().PumpEvents(10);
    }
    ProcessPendingMessages();
    return done();
}

TEST(SdlEndToEndTest, CaptionDragAndClickFromXdotool) {
    XvfbServer server;
    ASSERT_TRUE(server.Running()) << "Xvfb could not start";
    setenv("DISPLAY", server.Display().c_str(), 1);
    InstallBackend(std::make_unique<sdl::SdlBackend>());
    // The SDL display must close before its X server stops.
    struct CloseDisplay {
        ~CloseDisplay() { InstallBackend(std::make_unique<NoDisplayBackend>()); }
    } closeDisplay;

    WNDCLASS wc;
    wc.lpfnWndProc = DemoProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_WINDOW + 1));
    wc.lpszClassName = "SdlDemoWindow";
    RegisterClass(&wc);
    HWND main =
        CreateWindowEx(0, "SdlDemoWindow", "Telvora SDL test", WS_OVERLAPPEDWINDOW | WS_VSCROLL,
                       100, 100, 320, 240, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    ShowWindow(main, SW_SHOW);
    UpdateWindow(main);
    PumpUntil([] { return false; }, 500);
    RunWithDisplay(server.Display(), "import -window root sdl_window.png");

    // Drag the caption by (60, 40), then click the client area.
    std::thread user([&] {
        RunWithDisplay(server.Display(),
                       "xdotool mousemove 200 110 sleep 0.2 mousedown 1 sleep 0.2 "
                       "mousemove 230 130 sleep 0.2 mousemove 260 150 sleep 0.3 mouseup 1 "
                       "sleep 0.3 mousemove 250 250 sleep 0.2 click 1");
    });
    const bool clicked = PumpUntil([] { return !clicks.empty(); }, 8000);
    user.join();
    PumpUntil([] { return false; }, 200);
    RunWithDisplay(server.Display(), "import -window root sdl_window_moved.png");

    RECT r;
    GetWindowRect(main, &r);
    EXPECT_EQ(r, (RECT{160, 140, 480, 380}));
    const std::string geometry = RunWithDisplay(
        server.Display(), "xdotool search --name 'Telvora SDL test' getwindowgeometry");
    EXPECT_NE(geometry.find("Position: 160,140"), std::string::npos) << geometry;
    ASSERT_TRUE(clicked);
    // (250, 250) on screen is client (86, 87): the window's client area starts
    // at (164, 163) after the move.
    EXPECT_EQ(clicks.front(), (POINT{86, 87}));

    // A window region cuts the real window's shape: only the top-left
    // 100 x 100 pixels stay, the root window shows through elsewhere.
    SetWindowRgn(main, CreateRectRgn(0, 0, 100, 100), TRUE);
    PumpUntil([] { return false; }, 300);
    const std::string inside = RunWithDisplay(
        server.Display(), "import -window root -crop 1x1+200+200 -depth 8 txt:- | tail -1");
    const std::string outside = RunWithDisplay(
        server.Display(), "import -window root -crop 1x1+300+300 -depth 8 txt:- | tail -1");
    EXPECT_NE(inside.find("#FFFFFF"), std::string::npos) << inside;
    EXPECT_NE(outside.find("#000000"), std::string::npos) << outside;
    DestroyWindow(main);
}

} // namespace
} // namespace win::test
