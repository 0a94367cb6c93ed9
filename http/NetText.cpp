#include "http/NetText.h"

#include <algorithm>
#include <charconv>

namespace {

char UpperChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

bool TextIsSame(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return UpperChar(x) == UpperChar(y);
           });
}

bool TextStartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && TextIsSame(text.substr(0, prefix.size()), prefix);
}

bool TextEndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           TextIsSame(text.substr(text.size() - suffix.size()), suffix);
}

std::size_t TextPos(std::string_view needle, std::string_view haystack) {
    auto found = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                             [](char x, char y) { return UpperChar(x) == UpperChar(y); });
    return found == haystack.end() && !needle.empty() ? std::string_view::npos
                                                      : std::size_t(found - haystack.begin());
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperChar);
    return result;
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsTrimmed(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

std::optional<std::int64_t> ParseInt64(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    std::int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint64_t> ParseHex(std::string_view text) {
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}
