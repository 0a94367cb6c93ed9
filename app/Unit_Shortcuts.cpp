#include "app/Unit_Shortcuts.h"

#include "app/ShellFolders.h"
#include "framework/FileNames.h"
#include "framework/Format.h"
#include "platform/shell/ShellLink.h"
#include "platform/shell/SpecialFolder.h"

#include <optional>
#include <sys/stat.h>

namespace {

bool IsFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string NameWithoutExtension(const std::string& path) {
    const std::string name = fw::ExtractFileName(path);
    return name.substr(0, name.size() - fw::ExtractFileExt(name).size());
}

// The folder the link goes into, without a trailing delimiter.
std::optional<std::string> LinkFolder(const std::string& folder, std::int32_t folderCode) {
    if (folder.empty() && folderCode == -1)
        folderCode = win::CSIDL_DESKTOP;
    if (folderCode >= 0)
        return SpecialFolderPath(folderCode);
    std::string given = fw::ExcludeTrailingPathDelimiter(folder);
    if (!IsFolder(given))
        return std::nullopt;
    return given;
}

} // namespace

bool CreateShortcut(const std::string& target, const std::string& linkName,
                    const std::string& folder, std::int32_t folderCode) {
    if (!IsFile(target))
        return false;
    const std::string name = linkName.empty() ? NameWithoutExtension(target) : linkName;

    win::ShellLink link;
    link.SetPath(target);
    link.SetWorkingDirectory(fw::ExtractFilePath(target));

    const std::optional<std::string> linkFolder = LinkFolder(folder, folderCode);
    if (!linkFolder)
        return false;
    return win::SUCCEEDED(link.Save(fw::Format("%s/%s.lnk", *linkFolder, name), win::FALSE));
}
