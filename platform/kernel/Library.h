#pragma once
// Dynamic libraries: LoadLibrary/GetProcAddress/FreeLibrary over dlopen/dlsym/dlclose.
//
// A library is loaded with RTLD_NOW | RTLD_LOCAL: its symbols stay out of the
// global namespace, and a library with unresolved symbols fails here rather than
// at some later call. Loads are counted as on Windows: each LoadLibrary needs a
// FreeLibrary. A name without a slash is looked for, as Windows' search does, in
// the executable's folder first, then in the current directory, then by the
// system's own library search.
//
// Failures give nullptr/FALSE with the last error set: ERROR_MOD_NOT_FOUND for a
// library that cannot be loaded, ERROR_PROC_NOT_FOUND for a missing entry point.
// LibraryLoadError() gives the loader's own words for the last failure on this
// thread, for diagnostics.

#include "platform/kernel/WinTypes.h"

#include <string>
#include <string_view>

namespace win {

using FARPROC = void (*)();

HMODULE LoadLibrary(std::string_view fileName);
FARPROC GetProcAddress(HMODULE module, const char* procName);
BOOL FreeLibrary(HMODULE module);

std::string LibraryLoadError();

} // namespace win
