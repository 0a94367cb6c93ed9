#include "platform/shell/FileOperation.h"

#include "platform/kernel/SystemMessage.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ftw.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {

// nftw's callback has no context argument; one walk runs at a time per thread.
thread_local DWORD walkError = ERROR_SUCCESS;

void NoteFailure() {
    if (walkError == ERROR_SUCCESS) {
        walkError = Win32ErrorFromErrno(errno);
    }
}

int RemoveEntry(const char* path, const struct stat*, int kind, FTW*) {
    int result = (kind == FTW_DP || kind == FTW_DNR) ? rmdir(path) : unlink(path);
    if (result != 0) {
        NoteFailure();
    }
    return 0; // go on with the rest
}

// Trailing slashes name the folder itself ("ORVOListTemp/"); the root stays "/".
std::string WithoutTrailingSlashes(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return std::string(path);
}

// Whether a folder is the root however its path is written ("/.", "/usr/..",
// through links on the way).
bool IsRootFolder(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr && std::string_view(resolved) == "/";
}

DWORD DeletePath(std::string_view listed) {
    const std::string path = WithoutTrailingSlashes(listed);
    if (path.empty() || path == "/") {
        return ERROR_ACCESS_DENIED;
    }
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return Win32ErrorFromErrno(errno);
    }
    // A single file (or a link, whatever it points to) goes alone.
    if (!S_ISDIR(info.st_mode)) {
        return unlink(path.c_str()) == 0 ? ERROR_SUCCESS : Win32ErrorFromErrno(errno);
    }
    if (IsRootFolder(path)) {
        return ERROR_ACCESS_DENIED;
    }
    walkError = ERROR_SUCCESS;
    if (nftw(path.c_str(), RemoveEntry, 32, FTW_DEPTH | FTW_PHYS) != 0) {
        NoteFailure();
    }
    return walkError;
}

DWORD DeleteAll(const char* list) {
    DWORD firstError = ERROR_SUCCESS;
    for (const char* entry = list; *entry != '\0';) {
        std::string_view path(entry);
        DWORD error = DeletePath(path);
        if (firstError == ERROR_SUCCESS) {
            firstError = error;
        }
        entry += path.size() + 1;
    }
    return firstError;
}

} // namespace

int SHFileOperation(SHFILEOPSTRUCT* operation) {
    if (operation == nullptr || operation->pFrom == nullptr || operation->pFrom[0] == '\0') {
        return static_cast<int>(ERROR_INVALID_PARAMETER);
    }
    operation->fAnyOperationsAborted = FALSE;
    if (operation->wFunc != FO_DELETE) {
        return static_cast<int>(ERROR_NOT_SUPPORTED);
    }
    return static_cast<int>(DeleteAll(operation->pFrom));
}

} // namespace win
