#pragma once
// Text helpers of the painters: drawing a control's caption and editing a
// caption text.

#include "platform/gdi/GdiTypes.h"

#include <string>
#include <string_view>

namespace skin {

// DrawText of the whole text with the DC's font and colours; returns the text
// height (rect receives the measured box with DT_CALCRECT).
int SkinDrawText(win::HDC dc, const std::string& text, win::RECT& rect, win::UINT format);

// The text with only the first occurrence of pattern replaced; an empty
// pattern changes nothing.
std::string ReplaceFirst(std::string_view text, std::string_view pattern,
                         std::string_view replacement);

} // namespace skin
