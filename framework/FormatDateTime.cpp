#include "framework/Format.h"
#include "framework/FormatSettings.h"

#include <cctype>

namespace fw {

const TFormatSettings& DefaultFormatSettings() {
    static const TFormatSettings settings;
    return settings;
}

namespace {

bool HasAmPmMarker(std::string_view format) {
    std::string lower;
    for (char c : format)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("am/pm") != std::string::npos || lower.find("a/p") != std::string::npos ||
           lower.find("ampm") != std::string::npos;
}

// Walks the pattern token by token. A letter token is a run of the same letter
// (case-insensitive); "m" right after an hour token means minutes, as in
// "yyyy-mm-dd-hh-mm-ss".
class DateTimeFormatter {
public:
    DateTimeFormatter(const TFormatSettings& settings, const TDecodedDateTime& t,
                      std::string_view format)
        : FSettings(settings), FTime(t), FFormat(format), FTwelveHourClock(HasAmPmMarker(format)) {}

    std::string Run() {
        Append(FFormat, 0);
        return std::move(FOut);
    }

private:
    // Nested formats (c, ddddd, t, tt) come from the settings; depth stops a
    // setting that names itself from recursing forever.
    static constexpr int MaxNesting = 2;

    void Append(std::string_view format, int depth) {
        std::size_t pos = 0;
        char lastToken = 0;
        while (pos < format.size()) {
            const char c = format[pos];
            const char token = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (c == '\'' || c == '"') {
                const std::size_t end = format.find(c, pos + 1);
                const std::size_t stop = end == std::string_view::npos ? format.size() : end;
                FOut.append(format.substr(pos + 1, stop - pos - 1));
                pos = stop + 1;
                continue;
            }
            if (token == 'A' && AppendAmPm(format, pos))
                continue;
            if (token < 'A' || token > 'Z') {
                FOut += c == '/' ? FSettings.DateSeparator : c == ':' ? FSettings.TimeSeparator : c;
                ++pos;
                continue;
            }
            std::size_t count = 1;
            while (pos + count < format.size() &&
                   std::toupper(static_cast<unsigned char>(format[pos + count])) == token)
                ++count;
            const char effective = token == 'M' && lastToken == 'H' ? 'N' : token;
            AppendToken(effective, count, format.substr(pos, count), depth);
            lastToken = effective;
            pos += count;
        }
    }

    bool AppendAmPm(std::string_view format, std::size_t& pos) {
        auto startsWith = [&](std::string_view word) {
            if (format.size() - pos < word.size())
                return false;
            for (std::size_t i = 0; i < word.size(); ++i)
                if (std::tolower(static_cast<unsigned char>(format[pos + i])) != word[i])
                    return false;
            return true;
        };
        const bool pm = FTime.Hour >= 12;
        if (startsWith("am/pm")) {
            FOut += pm ? "pm" : "am";
            pos += 5;
        } else if (startsWith("a/p")) {
            FOut += pm ? "p" : "a";
            pos += 3;
        } else if (startsWith("ampm")) {
            FOut += pm ? FSettings.TimePMString : FSettings.TimeAMString;
            pos += 4;
        } else {
            return false;
        }
        return true;
    }

    void Number(unsigned value, std::size_t digits) {
        std::string s = std::to_string(value);
        if (s.size() < digits)
            s.insert(0, digits - s.size(), '0');
        FOut += s;
    }

    void Nested(std::string_view format, int depth) {
        if (depth < MaxNesting)
            Append(format, depth + 1);
    }

    void AppendToken(char token, std::size_t count, std::string_view literal, int depth) {
        switch (token) {
        case 'Y':
            count <= 2 ? Number(FTime.Year % 100, 2) : Number(FTime.Year, 4);
            break;
        case 'M':
            AppendMonth(count);
            break;
        case 'D':
            AppendDay(count, depth);
            break;
        case 'H':
            Number(Hour(), count >= 2 ? 2 : 1);
            break;
        case 'N':
            Number(FTime.Minute, count >= 2 ? 2 : 1);
            break;
        case 'S':
            Number(FTime.Second, count >= 2 ? 2 : 1);
            break;
        case 'Z':
            Number(FTime.MilliSecond, count >= 3 ? 3 : 1);
            break;
        case 'T':
            Nested(count >= 2 ? FSettings.LongTimeFormat : FSettings.ShortTimeFormat, depth);
            break;
        case 'C':
            Nested(FSettings.ShortDateFormat, depth);
            if (FTime.Hour || FTime.Minute || FTime.Second || FTime.MilliSecond) {
                FOut += ' ';
                Nested(FSettings.LongTimeFormat, depth);
            }
            break;
        default:
            FOut.append(literal);
        }
    }

    void AppendMonth(std::size_t count) {
        if (count <= 2)
            Number(FTime.Month, count);
        else if (count == 3)
            FOut += FSettings.ShortMonthNames[FTime.Month - 1];
        else
            FOut += FSettings.LongMonthNames[FTime.Month - 1];
    }

    void AppendDay(std::size_t count, int depth) {
        switch (count) {
        case 1:
        case 2:
            Number(FTime.Day, count);
            break;
        case 3:
            FOut += FSettings.ShortDayNames[FTime.DayOfWeek - 1];
            break;
        case 4:
            FOut += FSettings.LongDayNames[FTime.DayOfWeek - 1];
            break;
        case 5:
            Nested(FSettings.ShortDateFormat, depth);
            break;
        default:
            Nested(FSettings.LongDateFormat, depth);
        }
    }

    // The hour on the 24-hour clock, unless the pattern holds an am/pm marker
    // (which may follow the hour, so the whole pattern is checked up front).
    unsigned Hour() const {
        if (!FTwelveHourClock)
            return FTime.Hour;
        const unsigned h = FTime.Hour % 12;
        return h == 0 ? 12 : h;
    }

    const TFormatSettings& FSettings;
    TDecodedDateTime FTime;
    std::string_view FFormat;
    bool FTwelveHourClock;
    std::string FOut;
};

} // namespace

std::string FormatDateTime(std::string_view format, TDateTime value) {
    return FormatDateTime(format, value, DefaultFormatSettings());
}

std::string FormatDateTime(std::string_view format, TDateTime value,
                           const TFormatSettings& settings) {
    return DateTimeFormatter(settings, DecodeDateTime(value), format).Run();
}

} // namespace fw
