#pragma once
// Where an archive item goes inside the extraction folder. An item whose path
// would lead outside the folder (an absolute path, a ".." segment, or a path
// through a symbolic link inside the folder) has no place there and is refused.
// Both "/" and "\" separate segments, as they do in the item paths of packages
// made on Windows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace archive {

class TExtractTarget {
public:
    // folder ends with a path separator.
    explicit TExtractTarget(std::string folder) : FFolder(std::move(folder)) {}

    // The file path for the item, after creating every missing folder on the way,
    // the target folder itself included (following links there: where it lies is
    // the caller's choice); nullopt when the item is refused. A folder that cannot
    // be created is left to the file creation to report.
    std::optional<std::string> PrepareFile(std::string_view itemPath);

    // The item path's segments, or nullopt when it leads outside the folder or
    // names nothing (empty, "/", ".").
    static std::optional<std::vector<std::string_view>> SafeSegments(std::string_view itemPath);

private:
    std::string FFolder;
    bool FFolderCreated = false;
};

} // namespace archive
