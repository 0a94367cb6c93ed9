#pragma once
// File-name helpers over "/"-separated paths, named as the framework names them.

#include <string>
#include <string_view>

namespace fw {

constexpr char PathDelim = '/';

// The absolute form of a path: relative paths start from the current folder;
// "." and ".." steps are resolved by text, as Windows does, without following links.
std::string ExpandFileName(std::string_view fileName);
// The folder part with its trailing delimiter ("a/b/c.txt" -> "a/b/"), or "".
std::string ExtractFilePath(std::string_view fileName);
// The part after the last delimiter.
std::string ExtractFileName(std::string_view fileName);
// The extension with its dot ("c.txt" -> ".txt"), or "" when the name has none.
std::string ExtractFileExt(std::string_view fileName);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);

} // namespace fw
