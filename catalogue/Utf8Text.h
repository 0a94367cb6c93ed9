#pragma once
// UTF-8 checks for text whose encoding is not declared: file names on disk and
// schedule files without marker bytes.

#include <string>
#include <string_view>

namespace catalogue {

bool IsValidUtf8(std::string_view text);

// The text with each ill-formed sequence (its maximal prefix that could still
// have become a character) replaced by U+FFFD; valid text comes back unchanged.
std::string RepairUtf8(std::string_view text);

} // namespace catalogue
