#include "platform/kernel/Module.h"

#include "platform/kernel/SystemMessage.h"

#include <dlfcn.h>
#include <limits.h>
#include <link.h>
#include <unistd.h>

namespace win {

namespace {
// The executable's module handle only has to be distinct from every handle that
// LoadLibrary gives out; the address of a private object is.
const char executableModule = 0;

std::string ExecutablePath() {
    std::string path(PATH_MAX, '\0');
    ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0 || static_cast<std::size_t>(length) >= path.size()) {
        SetLastErrorFromErrno(length < 0 ? errno : ENAMETOOLONG);
        return {};
    }
    path.resize(static_cast<std::size_t>(length));
    return path;
}
} // namespace

HMODULE GetModuleHandle(const char* name) {
    if (name != nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HMODULE>(const_cast<char*>(&executableModule));
}

std::string GetModuleFileName(HMODULE module) {
    if (module == nullptr || module == GetModuleHandle(nullptr)) {
        return ExecutablePath();
    }
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return {};
    }
    return map->l_name;
}

} // namespace win
