#include "platform/shell/DesktopEntry.h"

namespace win {

std::string EscapeDesktopString(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case ' ':
            out += i == 0 ? "\\s" : " ";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Inside the quotes, '"', '`', '$' and '\' take a backslash; '%' is doubled, as
// it would start a field code. The string escapes apply on top of this.
std::string QuoteDesktopExecArgument(std::string_view argument) {
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        } else if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string DesktopEntry::Text() const {
    std::string text = "[Desktop Entry]\n"
                       "Version=1.0\n"
                       "Type=Application\n";
    text += "Name=" + EscapeDesktopString(name) + "\n";
    if (!comment.empty()) {
        text += "Comment=" + EscapeDesktopString(comment) + "\n";
    }
    text += "Exec=" + EscapeDesktopString(QuoteDesktopExecArgument(program)) + "\n";
    if (!workingFolder.empty()) {
        text += "Path=" + EscapeDesktopString(workingFolder) + "\n";
    }
    text += "Icon=" + EscapeDesktopString(icon) + "\n";
    text += "Terminal=false\n";
    text += "Categories=" + EscapeDesktopString(categories) + "\n";
    return text;
}

} // namespace win
