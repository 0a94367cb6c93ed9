#pragma once
// The file-system path of a shell special folder, by its CSIDL code.

#include <optional>
#include <string>

// Nothing when the shell cannot resolve the folder (unknown code, or a folder
// that does not exist and CSIDL_FLAG_CREATE was not given).
std::optional<std::string> SpecialFolderPath(int folderCode);
