#include "framework/DateTime.h"

#include "framework/Exception.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace fw {

namespace {

constexpr std::int64_t MSecsPerDay = 24 * 60 * 60 * 1000;
// Day numbers of 0001-01-01 and 9999-12-31 relative to 1899-12-30.
constexpr std::int64_t MinDay = -693593;
constexpr std::int64_t MaxDay = 2958465;
// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t UnixEpochDay = -25569;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

unsigned DaysInMonth(Word year, Word month) {
    static constexpr unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

} // namespace

bool IsLeapYear(Word year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

TDateTime EncodeDate(Word year, Word month, Word day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        throw EConvertError("Invalid argument to date encode");
    return TDateTime(static_cast<double>(DaysFromCivil(year, month, day) - UnixEpochDay));
}

TDateTime EncodeTime(Word hour, Word minute, Word second, Word milliSecond) {
    if (hour >= 24 || minute >= 60 || second >= 60 || milliSecond >= 1000)
        throw EConvertError("Invalid argument to time encode");
    const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + milliSecond;
    return TDateTime(ms / MSecsPerDay);
}

TDateTime EncodeDateTime(Word year, Word month, Word day, Word hour, Word minute, Word second,
                         Word milliSecond) {
    const double date = EncodeDate(year, month, day).Value();
    const double time = EncodeTime(hour, minute, second, milliSecond).Value();
    // Before the epoch the time of day still counts forwards from midnight.
    return TDateTime(date < 0 ? date - time : date + time);
}

TDecodedDateTime DecodeDateTime(TDateTime value) {
    const double v = value.Value();
    if (!std::isfinite(v) || v < MinDay - 1 || v > MaxDay + 1)
        throw EConvertError("Invalid argument to date decode");
    std::int64_t day = static_cast<std::int64_t>(std::trunc(v));
    std::int64_t ms = std::llround(std::fabs(v - std::trunc(v)) * MSecsPerDay);
    if (ms >= MSecsPerDay) {
        ms -= MSecsPerDay;
        day += 1;
    }
    if (day < MinDay || day > MaxDay)
        throw EConvertError("Invalid argument to date decode");
    const CivilDate civil = CivilFromDays(day + UnixEpochDay);
    TDecodedDateTime out;
    out.Year = static_cast<Word>(civil.year);
    out.Month = static_cast<Word>(civil.month);
    out.Day = static_cast<Word>(civil.day);
    out.Hour = static_cast<Word>(ms / 3600000);
    out.Minute = static_cast<Word>(ms / 60000 % 60);
    out.Second = static_cast<Word>(ms / 1000 % 60);
    out.MilliSecond = static_cast<Word>(ms % 1000);
    // 1899-12-30 was a Saturday.
    out.DayOfWeek = static_cast<Word>(((day % 7) + 7 + 6) % 7 + 1);
    return out;
}

TDateTime TDateTime::Now() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch() %
                                                                          std::chrono::seconds(1))
                        .count();
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDateTime(static_cast<Word>(local.tm_year + 1900),
                          static_cast<Word>(local.tm_mon + 1), static_cast<Word>(local.tm_mday),
                          static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                          static_cast<Word>(std::min(local.tm_sec, 59)),
                          static_cast<Word>(ms < 0 ? 0 : ms));
}

} // namespace fw
