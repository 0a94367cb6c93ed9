#pragma once
// A desktop entry file (the freedesktop.org format that desktops launch), for
// an application: the text with every value escaped as the format requires.

#include <string>

namespace win {

struct DesktopEntry {
    std::string name;
    std::string comment;       // empty: no Comment line
    std::string program;       // the file Exec starts
    std::string workingFolder; // empty: no Path line
    std::string icon;
    std::string categories; // e.g. "AudioVideo;Video;TV;"

    std::string Text() const;
};

// The escapes of the format: for a string value (backslash, line breaks, tab, a
// leading space), and for one argument of Exec (always quoted).
std::string EscapeDesktopString(std::string_view value);
std::string QuoteDesktopExecArgument(std::string_view argument);

} // namespace win
