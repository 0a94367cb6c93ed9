#include "platform/shell/SpecialFolder.h"

#include "platform/shell/UserDirs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace win {

struct ITEMIDLIST {
    std::string path;
};

namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::optional<std::string> HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) {
        return home;
    }
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] != '\0') {
        return std::string(found->pw_dir);
    }
    return std::nullopt;
}

std::string XdgBase(const char* variable, const std::string& home, const char* fallback) {
    std::string value = Environment(variable);
    // The XDG rules ignore relative values.
    return !value.empty() && value.front() == '/' ? value : home + fallback;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The user-dirs folder for a name such as "DESKTOP", as xdg-user-dir finds it.
std::string UserDir(const std::string& name, const std::string& home, const std::string& fallback) {
    const std::string key = "XDG_" + name + "_DIR";
    const fs::path file = fs::path(XdgBase("XDG_CONFIG_HOME", home, "/.config")) / "user-dirs.dirs";
    auto folders = ParseUserDirs(ReadFile(file), home);
    if (auto found = folders.find(key); found != folders.end()) {
        return found->second;
    }
    std::string fromEnvironment = Environment(key.c_str());
    return !fromEnvironment.empty() && fromEnvironment.front() == '/' ? fromEnvironment : fallback;
}

std::optional<std::string> FolderFor(int code, const std::string& home) {
    switch (code) {
    case CSIDL_DESKTOP:
    case CSIDL_DESKTOPDIRECTORY:
        return UserDir("DESKTOP", home, home + "/Desktop");
    case CSIDL_PERSONAL:
        return UserDir("DOCUMENTS", home, home);
    case CSIDL_PROFILE:
        return home;
    case CSIDL_APPDATA:
        return XdgBase("XDG_CONFIG_HOME", home, "/.config");
    case CSIDL_LOCAL_APPDATA:
        return XdgBase("XDG_DATA_HOME", home, "/.local/share");
    case CSIDL_PROGRAMS:
        return XdgBase("XDG_DATA_HOME", home, "/.local/share") + "/applications";
    default:
        return std::nullopt;
    }
}

} // namespace

HRESULT SHGetSpecialFolderLocation(HWND, int folder, PIDLIST_ABSOLUTE* list) {
    if (list == nullptr) {
        return E_INVALIDARG;
    }
    *list = nullptr;
    std::optional<std::string> home = HomeFolder();
    if (!home) {
        return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    }
    std::optional<std::string> path = FolderFor(folder & ~CSIDL_FLAG_CREATE, *home);
    if (!path) {
        return E_INVALIDARG;
    }
    std::error_code error;
    if ((folder & CSIDL_FLAG_CREATE) != 0) {
        fs::create_directories(*path, error);
    }
    if (!fs::is_directory(*path, error)) {
        return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    *list = std::make_unique<ITEMIDLIST>(ITEMIDLIST{*path}).release();
    return S_OK;
}

BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE list, std::string* path) {
    if (list == nullptr || path == nullptr) {
        return FALSE;
    }
    *path = list->path;
    return TRUE;
}

void ILFree(PIDLIST_ABSOLUTE list) {
    std::unique_ptr<ITEMIDLIST> owned(list);
}

} // namespace win
