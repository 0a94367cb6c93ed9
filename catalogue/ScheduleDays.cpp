#include "catalogue/ScheduleDays.h"

#include <array>
#include <cstdio>

namespace catalogue {

namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames{"星期日", "星期一", "星期二", "星期三",
                                                        "星期四", "星期五", "星期六"};

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

// 1970-01-01 was a Thursday.
int WeekdayOf(DayNumber day) {
    return static_cast<int>((day % 7 + 7 + 4) % 7);
}

// The value of count decimal digits at text's start, or -1.
int Digits(std::string_view text, std::size_t count) {
    if (text.size() < count) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool Expect(std::string_view& text, std::string_view part) {
    if (text.substr(0, part.size()) != part) {
        return false;
    }
    text.remove_prefix(part.size());
    return true;
}

std::optional<CivilDate> TakeDate(std::string_view& text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const CivilDate date{Digits(text, 4), Digits(text.substr(5), 2), Digits(text.substr(8), 2)};
    if (!IsValidDate(date)) {
        return std::nullopt;
    }
    text.remove_prefix(10);
    return date;
}

bool TakeWeekday(std::string_view& text) {
    for (const std::string_view name : kWeekdayNames) {
        if (Expect(text, name)) {
            return true;
        }
    }
    return false;
}

std::optional<int> TakeOffset(std::string_view& text) {
    if (text.size() != 5 || (text[0] != '+' && text[0] != '-')) {
        return std::nullopt;
    }
    const int hours = Digits(text.substr(1), 2);
    const int minutes = Digits(text.substr(3), 2);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) {
        return std::nullopt;
    }
    const int offset = hours * 60 + minutes;
    return text[0] == '-' ? -offset : offset;
}

} // namespace

// Days from civil date and back, over 400-year eras of 146097 days counted from
// 0000-03-01, so February's varying length falls at the end of each year.
DayNumber DayNumberOf(CivilDate date) {
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = (date.month + 9) % 12;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilDateOf(DayNumber day) {
    const std::int64_t shifted = day + 719468;
    const std::int64_t era = FloorDiv(shifted, 146097);
    const std::int64_t dayOfEra = shifted - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int dayOfMonth = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, dayOfMonth};
}

bool IsValidDate(CivilDate date) {
    if (date.year < 0 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1) {
        return false;
    }
    return CivilDateOf(DayNumberOf(date)) == date;
}

std::string FormatDayHeader(ScheduleDay day) {
    const CivilDate date = CivilDateOf(day.day);
    const int offset = day.offsetMinutes < 0 ? -day.offsetMinutes : day.offsetMinutes;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %.*s %c%02d%02d", date.year, date.month,
                  date.day, static_cast<int>(kWeekdayNames[WeekdayOf(day.day)].size()),
                  kWeekdayNames[WeekdayOf(day.day)].data(), day.offsetMinutes < 0 ? '-' : '+',
                  offset / 60 % 100, offset % 60);
    return text;
}

std::optional<ScheduleDay> ParseDayHeader(std::string_view line) {
    const std::optional<CivilDate> date = TakeDate(line);
    if (!date || !Expect(line, " ") || !TakeWeekday(line) || !Expect(line, " ")) {
        return std::nullopt;
    }
    const std::optional<int> offset = TakeOffset(line);
    if (!offset) {
        return std::nullopt;
    }
    return ScheduleDay{DayNumberOf(*date), *offset};
}

std::string FormatProgrammeLine(int minuteOfDay, std::string_view title) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d ", minuteOfDay / 60 % 100, minuteOfDay % 60);
    return time + std::string(title);
}

std::optional<int> ParseProgrammeMinute(std::string_view line) {
    if (line.size() < 5 || line[2] != ':' || (line.size() > 5 && line[5] != ' ')) {
        return std::nullopt;
    }
    const int hours = Digits(line, 2);
    const int minutes = Digits(line.substr(3), 2);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) {
        return std::nullopt;
    }
    return hours * 60 + minutes;
}

std::optional<std::size_t> OnAirLine(const std::vector<std::string>& lines,
                                     std::int64_t utcSeconds) {
    std::optional<std::size_t> onAir;
    std::optional<std::int64_t> secondOfToday; // set while in a day that is today
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const std::optional<ScheduleDay> header = ParseDayHeader(lines[i])) {
            const std::int64_t local = utcSeconds + std::int64_t{header->offsetMinutes} * 60;
            const bool today = FloorDiv(local, kSecondsPerDay) == header->day;
            secondOfToday.reset();
            if (today) {
                secondOfToday = local - header->day * kSecondsPerDay;
                if (!onAir) {
                    onAir = i;
                }
            }
            continue;
        }
        const std::optional<int> minute =
            secondOfToday ? ParseProgrammeMinute(lines[i]) : std::nullopt;
        if (minute && std::int64_t{*minute} * 60 <= *secondOfToday) {
            onAir = i;
        }
    }
    return onAir;
}

} // namespace catalogue
