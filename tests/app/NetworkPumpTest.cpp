// The network pump's turns reach the application's queue: all pending
// messages when the application has priority, else the first one alone, and a
// turn on an empty queue returns at once.

#include "app/NetworkPump.h"

#include "framework/gui/Application.h"
#include "http/NetAntiFreeze.h"
#include "platform/backend/headless/TestDisplay.h"
#include "platform/user/WinUser.h"

#include <gtest/gtest.h>

namespace {

int handled = 0;

win::LRESULT CountingProc(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                          win::LPARAM lParam) {
    if (message == win::WM_USER)
        ++handled;
    return win::DefWindowProc(hwnd, message, wParam, lParam);
}

TEST(NetworkPump, TurnsDispatchThroughTheApplication) {
    win::headless::TestDisplay::Install();
    win::WNDCLASS wc{};
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = "NetworkPumpTarget";
    win::RegisterClass(&wc);
    win::HWND target = win::CreateWindowEx(0, wc.lpszClassName, "", win::WS_POPUP, 0, 0, 10, 10,
                                           nullptr, nullptr, nullptr, nullptr);
    ConnectNetworkPump(fw::Application());
    TNetAntiFreeze pump(nullptr);

    handled = 0;
    for (int i = 0; i < 3; ++i)
        win::PostMessage(target, win::WM_USER, 0, 0);
    TNetAntiFreezeBase::DoProcess();
    EXPECT_EQ(handled, 3);

    pump.SetApplicationHasPriority(false);
    for (int i = 0; i < 2; ++i)
        win::PostMessage(target, win::WM_USER, 0, 0);
    TNetAntiFreezeBase::DoProcess();
    EXPECT_EQ(handled, 4);
    TNetAntiFreezeBase::DoProcess();
    EXPECT_EQ(handled, 5);
    TNetAntiFreezeBase::DoProcess(); // nothing waits: no block
    EXPECT_EQ(handled, 5);

    TNetAntiFreeze::SetDispatchers(nullptr, nullptr);
    win::DestroyWindow(target);
}

} // namespace
