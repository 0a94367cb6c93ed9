#include "framework/StringUtils.h"

#include "framework/Exception.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace fw {

namespace {

char FoldCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads an integer the way the framework's Val does: blanks, a sign, then decimal
// digits, or hex digits after "$", "0x" or "x". Nothing may follow.
std::optional<std::int64_t> ParseInteger(std::string_view s) {
    std::size_t pos = 0;
    while (pos < s.size() && IsBlank(s[pos]))
        ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
        negative = s[pos++] == '-';
    unsigned base = 10;
    if (pos < s.size() && s[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < s.size() && s[pos] == '0' && (s[pos + 1] == 'x' || s[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    } else if (pos < s.size() && (s[pos] == 'x' || s[pos] == 'X')) {
        base = 16;
        ++pos;
    }
    if (pos == s.size())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t limit = std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1;
    for (; pos < s.size(); ++pos) {
        const char c = FoldCase(s[pos]);
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        if (magnitude > (limit - digit) / base)
            return std::nullopt;
        magnitude = magnitude * base + digit;
    }
    if (!negative && magnitude == limit)
        return std::nullopt;
    return negative ? static_cast<std::int64_t>(0 - magnitude)
                    : static_cast<std::int64_t>(magnitude);
}

[[noreturn]] void RaiseNotInteger(std::string_view s) {
    RaiseFmt<EConvertError>("'%s' is not a valid integer value", s);
}

} // namespace

int CompareStr(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int CompareText(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(FoldCase(a[i]));
        const auto y = static_cast<unsigned char>(FoldCase(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

bool StartsText(std::string_view prefix, std::string_view text) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

bool EndsText(std::string_view suffix, std::string_view text) {
    return text.size() >= suffix.size() &&
           SameText(text.substr(text.size() - suffix.size()), suffix);
}

std::size_t PosText(std::string_view needle, std::string_view text) {
    const auto found = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                                   [](char x, char y) { return FoldCase(x) == FoldCase(y); });
    return found == text.end() && !needle.empty() ? std::string_view::npos
                                                  : static_cast<std::size_t>(found - text.begin());
}

std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags) {
    if (oldPattern.empty())
        return std::string(s);
    const bool ignoreCase = flags.Contains(TReplaceFlag::rfIgnoreCase);
    std::string out;
    std::size_t pos = 0;
    while (pos <= s.size()) {
        const std::string_view rest = s.substr(pos);
        const std::size_t found = ignoreCase ? PosText(oldPattern, rest) : rest.find(oldPattern);
        if (found == std::string_view::npos)
            break;
        out.append(rest.substr(0, found)).append(newPattern);
        pos += found + oldPattern.size();
        if (!flags.Contains(TReplaceFlag::rfReplaceAll))
            break;
    }
    return out.append(s.substr(std::min(pos, s.size())));
}

std::string UpperCase(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), FoldCase);
    return out;
}

std::string LowerCase(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return out;
}

std::string TrimLeft(std::string_view s) {
    std::size_t start = 0;
    while (start < s.size() && IsBlank(s[start]))
        ++start;
    return std::string(s.substr(start));
}

std::string TrimRight(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        --end;
    return std::string(s.substr(0, end));
}

std::string Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(std::uint64_t value, int digits) {
    return Format("%.*x", digits, value);
}

std::int64_t StrToInt64(std::string_view s) {
    const std::optional<std::int64_t> value = ParseInteger(s);
    if (!value)
        RaiseNotInteger(s);
    return *value;
}

int StrToInt(std::string_view s) {
    const std::optional<std::int64_t> value = ParseInteger(s);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        RaiseNotInteger(s);
    return static_cast<int>(*value);
}

int StrToIntDef(std::string_view s, int fallback) {
    const std::optional<std::int64_t> value = ParseInteger(s);
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        return fallback;
    return static_cast<int>(*value);
}

std::string QuotedStr(std::string_view s, char quote) {
    std::string out(1, quote);
    for (char c : s) {
        out += c;
        if (c == quote)
            out += quote;
    }
    return out + quote;
}

} // namespace fw
