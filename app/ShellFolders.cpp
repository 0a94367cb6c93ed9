#include "app/ShellFolders.h"

#include "platform/shell/SpecialFolder.h"

std::optional<std::string> SpecialFolderPath(int folderCode) {
    win::PIDLIST_ABSOLUTE list = nullptr;
    if (win::FAILED(win::SHGetSpecialFolderLocation(nullptr, folderCode, &list)))
        return std::nullopt;
    std::string path;
    const bool found = win::SHGetPathFromIDList(list, &path);
    win::ILFree(list);
    if (!found)
        return std::nullopt;
    return path;
}
