#pragma once
// The XDG user-dirs file (~/.config/user-dirs.dirs): lines such as
//     XDG_DESKTOP_DIR="$HOME/桌面"
// with a value either "$HOME" plus a relative path or an absolute path, quoted,
// backslash-escaped as xdg-user-dirs-update writes it. Other lines (comments,
// blank lines, relative or malformed values) are ignored; a later line for the
// same key wins, as when a shell reads the file.

#include <map>
#include <string>
#include <string_view>

namespace win {

// Maps each key (XDG_DESKTOP_DIR, ...) to its folder, $HOME replaced by home.
std::map<std::string, std::string> ParseUserDirs(std::string_view text, std::string_view home);

} // namespace win
