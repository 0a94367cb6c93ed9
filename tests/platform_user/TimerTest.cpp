// Timers on the test clock: due times, periods, replacement, killing, timer
// procedures, and no timer left behind by a destroyed window.

#include "WindowTestSupport.h"

namespace win::test {
namespace {

std::vector<std::pair<UINT_PTR, DWORD>> ticks;

LRESULT TimerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER)
        ticks.emplace_back(wParam, GetMessageTime());
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class TimerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ticks.clear();
        WNDCLASS wc;
        wc.lpfnWndProc = TimerProc;
        wc.lpszClassName = "TimerTestWindow";
        RegisterClass(&wc);
        window = CreateWindowEx(0, "TimerTestWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
        start = display->Clock().Now();
    }
    HWND window = nullptr;
    DWORD start = 0;
};

TEST_F(TimerTest, FiresOncePerPeriodWithoutPilingUp) {
    SetTimer(window, 7, 100, nullptr);
    const struct {
        DWORD advance;
        std::size_t ticksSoFar;
    } steps[] = {{99, 0}, {1, 1}, {50, 1}, {50, 2}, {1000, 3}, {100, 4}};
    for (const auto& step : steps) {
        display->Advance(step.advance);
        EXPECT_EQ(ticks.size(), step.ticksSoFar)
            << "after " << display->Clock().Now() - start << " ms";
    }
    EXPECT_EQ(ticks[0], (std::pair<UINT_PTR, DWORD>{7, start + 100}));
}

TEST_F(TimerTest, SettingAgainRestartsAndKillStops) {
    SetTimer(window, 1, 100, nullptr);
    display->Advance(80);
    SetTimer(window, 1, 100, nullptr);
    display->Advance(80);
    EXPECT_TRUE(ticks.empty()) << "the period starts again";
    display->Advance(20);
    EXPECT_EQ(ticks.size(), 1u);
    EXPECT_TRUE(KillTimer(window, 1));
    EXPECT_FALSE(KillTimer(window, 1));
    display->Advance(500);
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(TimerTest, TimersOfSeveralWindowsFireInDueOrder) {
    SetTimer(window, 1, 300, nullptr);
    SetTimer(window, 2, 100, nullptr);
    display->Advance(300);
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_EQ(ticks[0].first, 2u);
    EXPECT_EQ(ticks[1].first, 1u);
}

TEST_F(TimerTest, TimerProcedureIsCalledInsteadOfTheWindow) {
    static int calls = 0;
    calls = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    EXPECT_NE(id, 0u);
    display->Advance(50);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(ticks.empty());
    KillTimer(nullptr, id);
}

TEST_F(TimerTest, GetMessageWaitsForTheNextTimerOnTheTestClock) {
    SetTimer(window, 3, 250, nullptr);
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(display->Clock().Now() - start, 250u);
}

TEST_F(TimerTest, DestroyingTheWindowKillsItsTimers) {
    SetTimer(window, 1, 10, nullptr);
    DestroyWindow(window);
    EXPECT_FALSE(KillTimer(window, 1));
}

} // namespace
} // namespace win::test
