#include "app/CatalogueSwap.h"

#include "app/ApplicationFolders.h"
#include "catalogue/ChannelBrowser.h"
#include "framework/Exception.h"
#include "platform/kernel/SystemMessage.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

fs::path WithoutTrailingSlash(const std::string& folder) {
    return fs::path(folder).parent_path();
}

bool Exists(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

void RemoveTree(const fs::path& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

[[noreturn]] void RaiseRenameError(const fs::path& from, int error) {
    const win::DWORD code = win::Win32ErrorFromErrno(error);
    throw fw::EOSError("Cannot rename \"" + from.string() + "\". " + win::SystemMessageText(code),
                       code);
}

void Rename(const fs::path& from, const fs::path& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        RaiseRenameError(from, errno);
}

// One atomic exchange where the file system offers it; otherwise the old folder
// steps aside first, and a crash between the two renames leaves it retired,
// where ClearInterruptedUpdate finds it.
void SwapIn(const fs::path& staging, const fs::path& working, const fs::path& retired) {
    if (!Exists(working)) {
        Rename(staging, working);
        return;
    }
    if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, working.c_str(), RENAME_EXCHANGE) == 0) {
        RemoveTree(staging);
        return;
    }
    if (errno != EINVAL && errno != ENOSYS)
        RaiseRenameError(staging, errno);
    Rename(working, retired);
    try {
        Rename(staging, working);
    } catch (...) {
        Rename(retired, working);
        throw;
    }
    RemoveTree(retired);
}

} // namespace

std::string StagingFolderOf(const std::string& applicationFolder) {
    return applicationFolder + std::string(catalogue::kWorkingFolderName) + ".new/";
}

std::string RetiredFolderOf(const std::string& applicationFolder) {
    return applicationFolder + std::string(catalogue::kWorkingFolderName) + ".old/";
}

void ClearInterruptedUpdate(const std::string& applicationFolder) {
    const fs::path working = WithoutTrailingSlash(WorkingFolderOf(applicationFolder));
    const fs::path retired = WithoutTrailingSlash(RetiredFolderOf(applicationFolder));
    if (Exists(retired) && !Exists(working))
        std::rename(retired.c_str(), working.c_str());
    RemoveTree(retired);
    RemoveTree(WithoutTrailingSlash(StagingFolderOf(applicationFolder)));
}

void ReplaceCatalogue(const std::string& applicationFolder, const std::string& packageFileName,
                      const TCatalogueFiller& fill) {
    ClearInterruptedUpdate(applicationFolder);
    const std::string stagingFolder = StagingFolderOf(applicationFolder);
    const fs::path staging = WithoutTrailingSlash(stagingFolder);
    const fs::path working = WithoutTrailingSlash(WorkingFolderOf(applicationFolder));
    try {
        fs::create_directory(staging);
        fill(stagingFolder);
        const fs::path package = working / packageFileName;
        if (!packageFileName.empty() && Exists(package))
            Rename(package, staging / packageFileName);
        SwapIn(staging, working, WithoutTrailingSlash(RetiredFolderOf(applicationFolder)));
    } catch (...) {
        RemoveTree(staging);
        throw;
    }
}
