#pragma once
// Colours written in a skin's INI as text: three decimal numbers (red, green,
// blue) separated by any non-digit characters, "227 238 253" or "1,2,3".

#include "framework/Color.h"

#include <optional>
#include <string_view>

namespace skin {

// The colour R + (G << 8) + ((B & 0xFF) << 16). A number counts once a
// separator follows it; at most three are kept, and a last number without a
// separator counts only as the third. Missing numbers are 0. Nothing for an
// empty text, or when a number kept does not fit a 32-bit integer.
std::optional<fw::TColor> ParseColorText(std::string_view text);

} // namespace skin
