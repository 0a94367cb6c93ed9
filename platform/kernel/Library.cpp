#include "platform/kernel/Library.h"

#include "platform/kernel/Module.h"
#include "platform/kernel/SystemMessage.h"

#include <dlfcn.h>
#include <filesystem>
#include <system_error>

namespace win {

namespace {

thread_local std::string lastLoaderError;

void NoteLoaderError(DWORD code) {
    const char* text = dlerror();
    lastLoaderError = text != nullptr ? text : std::string();
    SetLastError(code);
}

void* Open(const std::string& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

void* OpenBySearch(const std::string& name) {
    std::filesystem::path executable = GetModuleFileName(nullptr);
    for (const std::filesystem::path& folder :
         {executable.parent_path(), std::filesystem::path(".")}) {
        std::filesystem::path candidate = folder / name;
        if (!folder.empty() && Exists(candidate)) {
            return Open(std::filesystem::absolute(candidate).string());
        }
    }
    return Open(name);
}

} // namespace

HMODULE LoadLibrary(std::string_view fileName) {
    std::string name(fileName);
    void* handle = name.find('/') == std::string::npos ? OpenBySearch(name) : Open(name);
    if (handle == nullptr) {
        NoteLoaderError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
    if (module == nullptr || module == GetModuleHandle(nullptr) || procName == nullptr) {
        SetLastError(module == nullptr ? ERROR_INVALID_HANDLE : ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    dlerror();
    void* symbol = dlsym(module, procName);
    if (symbol == nullptr) {
        NoteLoaderError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE module) {
    if (module == nullptr || module == GetModuleHandle(nullptr) || dlclose(module) != 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

std::string LibraryLoadError() {
    return lastLoaderError;
}

} // namespace win
