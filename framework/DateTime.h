#pragma once
// The framework's date-time value: days since 1899-12-30 00:00 in the integer part,
// the time of day as a fraction of a day. Negative values count days backwards but
// keep a positive time of day (-1.25 is 1899-12-29 06:00), as the framework does.

#include "framework/Types.h"

#include <compare>

namespace fw {

class TDateTime {
public:
    constexpr TDateTime() = default;
    constexpr explicit TDateTime(double days) : FValue(days) {}

    constexpr double Value() const { return FValue; }
    friend constexpr auto operator<=>(TDateTime, TDateTime) = default;

    // The current local date and time, to the millisecond.
    static TDateTime Now();

private:
    double FValue = 0;
};

struct TDecodedDateTime {
    Word Year = 0;
    Word Month = 0;
    Word Day = 0;
    Word Hour = 0;
    Word Minute = 0;
    Word Second = 0;
    Word MilliSecond = 0;
    Word DayOfWeek = 0; // 1 = Sunday ... 7 = Saturday
    friend bool operator==(const TDecodedDateTime&, const TDecodedDateTime&) = default;
};

// Raise EConvertError for a date outside 0001-01-01 .. 9999-12-31 or an invalid time.
TDateTime EncodeDate(Word year, Word month, Word day);
TDateTime EncodeTime(Word hour, Word minute, Word second, Word milliSecond);
TDateTime EncodeDateTime(Word year, Word month, Word day, Word hour, Word minute, Word second,
                         Word milliSecond);

// Splits a value into calendar fields, rounded to the millisecond; values outside
// the calendar's range (or not numbers) raise EConvertError.
TDecodedDateTime DecodeDateTime(TDateTime value);

bool IsLeapYear(Word year);

} // namespace fw
