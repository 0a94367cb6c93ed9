#include "catalogue/ScheduleDays.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

// Seconds since 1970 of a UTC time on 2026-12-10 (day 20797).
constexpr std::int64_t At(int day, int hour, int minute) {
    return (20797 + std::int64_t{day}) * 86400 + hour * 3600 + minute * 60;
}

TEST(ScheduleDays, CivilDatesAndDayNumbers) {
    struct Case {
        CivilDate date;
        DayNumber day;
    };
    constexpr Case kCases[] = {
        {{1970, 1, 1}, 0},
        {{1969, 12, 31}, -1},   // before the epoch
        {{2000, 2, 29}, 11016}, // a leap day of a century divisible by 400
        {{2026, 12, 10}, 20797},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(DayNumberOf(c.date), c.day) << c.day;
        EXPECT_EQ(CivilDateOf(c.day), c.date) << c.day;
    }
    EXPECT_FALSE(IsValidDate({1900, 2, 29})); // not a leap year
    EXPECT_FALSE(IsValidDate({2026, 4, 31}));
    EXPECT_FALSE(IsValidDate({2026, 13, 1}));
    EXPECT_TRUE(IsValidDate({2024, 2, 29}));
}

TEST(ScheduleDays, HeaderLines) {
    EXPECT_EQ(FormatDayHeader({20797, 480}), "2026-12-10 星期四 +0800");
    EXPECT_EQ(FormatDayHeader({20798, -330}), "2026-12-11 星期五 -0530");
    EXPECT_EQ(FormatDayHeader({20800, 0}), "2026-12-13 星期日 +0000");

    struct Case {
        const char* line;
        std::optional<ScheduleDay> day;
    };
    const Case kCases[] = {
        {"2026-12-10 星期四 +0800", ScheduleDay{20797, 480}},
        {"2026-12-11 星期五 -0530", ScheduleDay{20798, -330}},
        {"2026-12-10 星期四 +0800 ", std::nullopt}, // more than a header
        {"2026-12-10 星期四", std::nullopt},
        {"2026-02-30 星期四 +0800", std::nullopt}, // no such date
        {"2026-12-10 周四 +0800", std::nullopt},
        {"2026-12-10 星期四 +2400", std::nullopt},
        {"19:00 新闻联播", std::nullopt},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(ParseDayHeader(c.line), c.day) << c.line;
    }
}

TEST(ScheduleDays, ProgrammeLines) {
    EXPECT_EQ(FormatProgrammeLine(19 * 60, "新闻联播"), "19:00 新闻联播");
    EXPECT_EQ(FormatProgrammeLine(5, "夜间节目"), "00:05 夜间节目");

    struct Case {
        const char* line;
        std::optional<int> minute;
    };
    const Case kCases[] = {
        {"19:00 新闻联播", 19 * 60}, {"00:05", 5},
        {"23:59 x", 23 * 60 + 59},   {"24:00 x", std::nullopt},
        {"19:60 x", std::nullopt},   {"19:00新闻", std::nullopt}, // the time is a word of its own
        {"9:00 x", std::nullopt},    {"【ORVO-1台】", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(ParseProgrammeMinute(c.line), c.minute) << c.line;
    }
}

TEST(OnAirLine, TheProgrammeOnAirInTheDaysOwnOffset) {
    const std::vector<std::string> lines = {
        "2026-12-09 星期三 +0800", // 0
        "23:30 晚间新闻",          // 1
        "2026-12-10 星期四 +0800", // 2
        "06:00 朝闻天下",          // 3
        "19:00 新闻联播",          // 4
        "19:30 焦点访谈",          // 5
        "2026-12-11 星期五 +0800", // 6
        "06:00 朝闻天下",          // 7
    };
    struct Case {
        const char* rule;
        std::int64_t utc;
        std::optional<std::size_t> line;
    };
    const Case kCases[] = {
        {"before the day's first programme: the day's header", At(0, -3, 0), 2},
        {"in the middle of the day", At(0, 11, 10), 4},
        {"a programme starting this minute is on air", At(0, 11, 0), 4},
        {"after the day's last programme: the last one", At(0, 15, 59), 5},
        {"the late programme of the day before", At(-1, 15, 45), 1},
        {"no header is today", At(2, 0, 0), std::nullopt},
        {"long before the schedule", At(-30, 0, 0), std::nullopt},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(OnAirLine(lines, c.utc), c.line) << c.rule;
    }
}

TEST(OnAirLine, EachDayIsTodayInItsOwnOffset) {
    // 2026-12-11 02:00 UTC is the 11th at 10:00 in +0800 but still the 10th at
    // 21:00 in -0500.
    const std::vector<std::string> west = {"2026-12-10 星期四 -0500", "20:00 Evening News",
                                           "22:00 Late Show"};
    const std::vector<std::string> east = {"2026-12-10 星期四 +0800", "20:00 新闻", "22:00 晚间"};
    EXPECT_EQ(OnAirLine(west, At(1, 2, 0)), 1u);
    EXPECT_EQ(OnAirLine(east, At(1, 2, 0)), std::nullopt);
    EXPECT_EQ(OnAirLine({"19:00 新闻联播", "free text"}, At(0, 12, 0)), std::nullopt);
}

} // namespace
} // namespace catalogue
