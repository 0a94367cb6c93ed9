#pragma once
// Splitting and joining delimited text as the framework's string lists do.

#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct TDelimitedTextFormat {
    char delimiter = ',';
    char quote = '"';
    // Only the delimiter separates; otherwise blanks (characters 0..32) separate too
    // and blanks around items are dropped.
    bool strict = false;
};

std::vector<std::string> SplitDelimitedText(std::string_view text,
                                            const TDelimitedTextFormat& format);
std::string JoinDelimitedText(const std::vector<std::string>& items,
                              const TDelimitedTextFormat& format);

// Lines split at CR LF, lone CR or lone LF; a final line break ends the last line.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace fw
