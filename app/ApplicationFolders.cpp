#include "app/ApplicationFolders.h"

#include "app/CatalogueSwap.h"
#include "app/ShellFolders.h"
#include "catalogue/ChannelBrowser.h"
#include "catalogue/function_module.h"
#include "framework/FileNames.h"
#include "platform/shell/SpecialFolder.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsWritableFolder(const std::string& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// An installed copy, <prefix>/bin/NAME with its menu entry
// <prefix>/share/applications/NAME.desktop beside it, never writes into its own
// folder, even where it may (run by root): that folder is the package manager's.
bool IsInstalledProgram(const std::string& programPath) {
    const std::filesystem::path program(programPath);
    const std::filesystem::path folder = program.parent_path();
    if (folder.filename() != "bin")
        return false;
    const std::filesystem::path menuEntry = folder.parent_path() / "share" / "applications" /
                                            (program.filename().string() + ".desktop");
    std::error_code error;
    return std::filesystem::is_regular_file(menuEntry, error);
}

std::optional<std::string> UserDataFolder() {
    const std::optional<std::string> base =
        SpecialFolderPath(win::CSIDL_LOCAL_APPDATA | win::CSIDL_FLAG_CREATE);
    if (!base)
        return std::nullopt;
    const std::string folder = fw::IncludeTrailingPathDelimiter(*base) + "telvora";
    if (::mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST)
        return std::nullopt;
    if (!IsWritableFolder(folder))
        return std::nullopt;
    return fw::IncludeTrailingPathDelimiter(folder);
}

} // namespace

std::string ApplicationFolderFor(const std::string& programPath) {
    const std::string programFolder = fw::ExtractFilePath(programPath);
    if (IsWritableFolder(programFolder) && !IsInstalledProgram(programPath))
        return programFolder;
    // With no data folder either, the program folder stays: the writes then fail
    // and are reported where they happen.
    return UserDataFolder().value_or(programFolder);
}

bool CopyCatalogueBesideProgram(const std::string& programPath,
                                const std::string& applicationFolder) {
    const std::string programFolder = fw::ExtractFilePath(programPath);
    const std::string beside = WorkingFolderOf(programFolder);
    std::error_code error;
    if (applicationFolder == programFolder || !std::filesystem::is_directory(beside, error) ||
        !catalogue::HoldsAnyChannel(beside) ||
        catalogue::HoldsAnyChannel(WorkingFolderOf(applicationFolder)))
        return false;
    // Links are copied as links: one pointing back up the tree cannot make the
    // copy endless.
    ReplaceCatalogue(applicationFolder, "", [&beside](const std::string& staging) {
        std::filesystem::copy(beside, staging,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::copy_symlinks);
    });
    return true;
}

std::string WorkingFolderOf(const std::string& applicationFolder) {
    return applicationFolder + std::string(catalogue::kWorkingFolderName) + "/";
}

std::string ArchiveLibraryPathOf(const std::string& applicationFolder) {
    return applicationFolder + "7z.dll";
}
