#pragma once
// Text helpers of the network layer: ASCII case rules, trimming and strict number
// reading, as header and cookie texts need them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

bool TextIsSame(std::string_view a, std::string_view b);
bool TextStartsWith(std::string_view text, std::string_view prefix);
bool TextEndsWith(std::string_view text, std::string_view suffix);
// Case-insensitive search; npos when absent.
std::size_t TextPos(std::string_view needle, std::string_view haystack);
std::string UpperCase(std::string_view text);

// Trimming drops spaces and control characters, as the framework's Trim does.
std::string_view Trim(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

// A whole text as an optionally signed decimal number; none when it is not one or
// does not fit.
std::optional<std::int64_t> ParseInt64(std::string_view text);
// A whole text as a hexadecimal number; none when it is not one or does not fit.
std::optional<std::uint64_t> ParseHex(std::string_view text);
