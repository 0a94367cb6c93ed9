#include "http/NetHTTPDate.h"

#include "http/NetText.h"

#include <array>
#include <vector>

namespace {

constexpr std::array<std::string_view, 12> kMonths{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return !text.empty();
}

// The words of a date: runs of letters, digits and ":" between spaces, commas,
// hyphens and slashes.
std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        bool separator = i == text.size() || text[i] == ' ' || text[i] == ',' || text[i] == '-' ||
                         text[i] == '/' || text[i] == '\t';
        if (separator) {
            if (i > start) {
                words.push_back(text.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return words;
}

struct DateParts {
    int day = -1;
    int month = -1;
    int year = -1;
    int hour = -1;
    int minute = -1;
    int second = -1;
};

bool ReadTime(std::string_view word, DateParts& parts) {
    // hh:mm:ss, each part one or two digits.
    std::array<int, 3> values{};
    std::size_t index = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= word.size(); ++i) {
        if (i == word.size() || word[i] == ':') {
            std::string_view digits = word.substr(start, i - start);
            if (index >= values.size() || digits.size() > 2 || !AllDigits(digits)) {
                return false;
            }
            values[index++] = std::stoi(std::string(digits));
            start = i + 1;
        }
    }
    if (index != 3) {
        return false;
    }
    parts.hour = values[0];
    parts.minute = values[1];
    parts.second = values[2];
    return true;
}

void ReadWord(std::string_view word, DateParts& parts) {
    if (word.find(':') != std::string_view::npos) {
        ReadTime(word, parts);
        return;
    }
    if (AllDigits(word) && word.size() <= 4) {
        int value = std::stoi(std::string(word));
        if (parts.day < 0 && word.size() <= 2) {
            parts.day = value;
        } else if (parts.year < 0) {
            // Two-digit years: 70..99 are the 1900s, 00..69 the 2000s.
            parts.year = word.size() <= 2 ? (value < 70 ? 2000 + value : 1900 + value) : value;
        }
        return;
    }
    if (word.size() >= 3 && parts.month < 0) {
        for (std::size_t m = 0; m < kMonths.size(); ++m) {
            if (TextStartsWith(word, kMonths[m])) {
                parts.month = int(m);
                return;
            }
        }
    }
}

} // namespace

std::optional<std::time_t> ParseHTTPDate(std::string_view text) {
    DateParts parts;
    for (std::string_view word : Words(text)) {
        ReadWord(word, parts);
    }
    if (parts.day < 1 || parts.day > 31 || parts.month < 0 || parts.year < 1601 ||
        parts.year > 9999 || parts.hour < 0 || parts.hour > 23 || parts.minute > 59 ||
        parts.second > 60) {
        return std::nullopt;
    }
    std::tm fields{};
    fields.tm_year = parts.year - 1900;
    fields.tm_mon = parts.month;
    fields.tm_mday = parts.day;
    fields.tm_hour = parts.hour;
    fields.tm_min = parts.minute;
    fields.tm_sec = parts.second;
    return timegm(&fields);
}
