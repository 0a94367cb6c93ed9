#include "xmltv/NameText.h"

namespace xmltv {

std::string AsciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char& ch : lowered) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    return lowered;
}

std::string CollapsedBlanks(std::string_view text) {
    std::string collapsed;
    collapsed.reserve(text.size());
    bool blank = false;
    for (const char ch : text) {
        if (static_cast<unsigned char>(ch) <= ' ' || ch == '\x7F') {
            blank = !collapsed.empty();
            continue;
        }
        if (blank) {
            collapsed += ' ';
            blank = false;
        }
        collapsed += ch;
    }
    return collapsed;
}

} // namespace xmltv
