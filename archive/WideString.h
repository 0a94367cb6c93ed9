#pragma once
// UTF-8 text to and from the library's wide characters (UTF-32 wchar_t).

#include "platform/kernel/Utf8Encoder.h"

#include <string>
#include <string_view>

namespace archive {

// Code points that are not Unicode scalar values become U+FFFD.
std::string WideToUtf8(std::wstring_view text);
// Malformed UTF-8 bytes become U+FFFD, one per byte.
std::wstring Utf8ToWide(std::string_view text);
// Appends the UTF-8 form of a code point (U+FFFD for a non-scalar value).
using win::AppendUtf8;

} // namespace archive
