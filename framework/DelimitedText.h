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

// Calls line(std::string_view) for each line of text: lines end at CR LF, a lone
// CR or a lone LF; a final line break ends the last line instead of starting one.
template <class Line> void ForEachLine(std::string_view text, Line&& line) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        line(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
    }
}

} // namespace fw
