#pragma once
// Text helpers for the names of converted channels.

#include <string>
#include <string_view>

namespace xmltv {

// ASCII letters lower-cased; everything else as it stands.
std::string AsciiLowered(std::string_view text);

// Runs of white space (and control characters) as one blank, none at either end:
// an XMLTV title or name may be laid out over several lines, a schedule line
// may not.
std::string CollapsedBlanks(std::string_view text);

} // namespace xmltv
