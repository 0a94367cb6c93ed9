#pragma once
// The locale texts date-time formatting uses. The program runs with the
// conventions of a Chinese (PRC) desktop, so those are the defaults.

#include <array>
#include <string>

namespace fw {

struct TFormatSettings {
    char DateSeparator = '-';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "yyyy-m-d";
    std::string LongDateFormat = "yyyy'年'm'月'd'日'";
    std::string ShortTimeFormat = "h:mm";
    std::string LongTimeFormat = "h:mm:ss";
    std::string TimeAMString = "上午";
    std::string TimePMString = "下午";
    std::array<std::string, 12> ShortMonthNames{"一月", "二月", "三月", "四月", "五月",   "六月",
                                                "七月", "八月", "九月", "十月", "十一月", "十二月"};
    std::array<std::string, 12> LongMonthNames = ShortMonthNames;
    std::array<std::string, 7> ShortDayNames{"星期日", "星期一", "星期二", "星期三",
                                             "星期四", "星期五", "星期六"};
    std::array<std::string, 7> LongDayNames = ShortDayNames;
};

// The process-wide settings FormatDateTime uses when none are given.
const TFormatSettings& DefaultFormatSettings();

} // namespace fw
