#pragma once
// The framework's string helpers. Case-insensitive comparisons fold ASCII letters
// only and otherwise compare bytes, so UTF-8 text orders by code point.

#include "framework/EnumInfo.h"
#include "framework/Set.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// < 0, 0, > 0 like strcmp.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
bool StartsText(std::string_view prefix, std::string_view text);
bool EndsText(std::string_view suffix, std::string_view text);
// Where needle first occurs in text without regard to case, or npos.
std::size_t PosText(std::string_view needle, std::string_view text);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Without leading and trailing characters 0..32.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::string IntToStr(std::int64_t value);
// Digits in upper case, at least digits of them.
std::string IntToHex(std::uint64_t value, int digits);
// Decimal with optional sign, or hexadecimal after "$" or "0x"; leading
// blanks allowed. Anything else raises EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view s);
std::int64_t StrToInt64(std::string_view s);
int StrToIntDef(std::string_view s, int fallback);

enum class TReplaceFlag { rfReplaceAll, rfIgnoreCase };
FW_ENUM_NAMES(TReplaceFlag, "rfReplaceAll", "rfIgnoreCase");
using TReplaceFlags = TSet<TReplaceFlag>;
// s with the first (or every) occurrence of oldPattern replaced; an empty pattern
// replaces nothing.
std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags);

// s in quote, with every quote inside doubled.
std::string QuotedStr(std::string_view s, char quote = '\'');

} // namespace fw
