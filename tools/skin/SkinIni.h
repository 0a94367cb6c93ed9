#pragma once
// Our skin's INI description: which bitmap each part of the engine takes,
// its slice margins, frames and colours.

#include <string>

namespace skinart {

// The name the description is stored under in the skin file.
extern const char* const kSkinIniName;

// The text, lines ending in CR LF.
std::string SkinIniText();

} // namespace skinart
