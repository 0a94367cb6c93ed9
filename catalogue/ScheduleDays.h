#pragma once
// The day structure of a schedule file: a header line per day, "2026-12-10 星期四
// +0800" (the date, its weekday and the UTC offset the day's times are in), then
// one line per programme, "19:00 新闻联播", in that offset's local time. The
// converter writes these lines and the channel browser finds what is on now by them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// Whole days since 1970-01-01 (negative before it).
using DayNumber = std::int64_t;

struct CivilDate {
    int year;
    int month; // 1..12
    int day;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

DayNumber DayNumberOf(CivilDate date);
CivilDate CivilDateOf(DayNumber day);
// Whether the date exists in the proleptic Gregorian calendar.
bool IsValidDate(CivilDate date);

// A day of a schedule: its date in the local time of offsetMinutes (east of UTC).
struct ScheduleDay {
    DayNumber day;
    int offsetMinutes;
    friend bool operator==(const ScheduleDay&, const ScheduleDay&) = default;
};

std::string FormatDayHeader(ScheduleDay day);
// The header as FormatDayHeader writes it, else nothing (a line with more or
// less text than a header is a programme line or free text).
std::optional<ScheduleDay> ParseDayHeader(std::string_view line);

// "HH:MM " + title, for a time of day in minutes.
std::string FormatProgrammeLine(int minuteOfDay, std::string_view title);
// The minute of the day a programme line starts at: "HH:MM" at the line's start,
// followed by a blank or nothing.
std::optional<int> ParseProgrammeMinute(std::string_view line);

// The line of lines (a schedule file's lines) on air at utcSeconds: for the day
// headers that are today in their own offset, the last line of the day whose time
// is not after the current time there; before the day's first programme, the
// day's header. Nothing when no header is today.
std::optional<std::size_t> OnAirLine(const std::vector<std::string>& lines,
                                     std::int64_t utcSeconds);

} // namespace catalogue
