#include "platform/kernel/Clock.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace {

using namespace win;

int MinutesOfDay(const SYSTEMTIME& t) {
    return t.wHour * 60 + t.wMinute;
}

TEST(Clock, LocalTimeFollowsTheTimeZone) {
    setenv("TZ", "CST-8", 1); // China Standard Time, eight hours east of UTC
    tzset();
    SYSTEMTIME local;
    SYSTEMTIME utc;
    GetLocalTime(&local);
    GetSystemTime(&utc);
    int difference = (MinutesOfDay(local) - MinutesOfDay(utc) + 24 * 60) % (24 * 60);
    // The two readings may straddle a minute.
    EXPECT_TRUE(difference == 480 || difference == 479) << difference;
    EXPECT_GE(local.wYear, 2024);
    EXPECT_GE(local.wMonth, 1);
    EXPECT_LE(local.wMonth, 12);
    EXPECT_LE(local.wDayOfWeek, 6);
    EXPECT_LE(local.wMilliseconds, 999);
    unsetenv("TZ");
    tzset();
}

TEST(Clock, SleepWaitsAtLeastAsLongAsAsked) {
    std::uint64_t before = GetTickCount64();
    Sleep(50);
    EXPECT_GE(GetTickCount64() - before, 50u);
}

} // namespace
