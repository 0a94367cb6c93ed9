#pragma once
// Module handles: the executable itself, and the full path of its file.

#include "platform/kernel/WinTypes.h"

#include <string>

namespace win {

// nullptr gives the executable's own module; other names are not supported and
// give nullptr with ERROR_MOD_NOT_FOUND.
HMODULE GetModuleHandle(const char* name);

// The full path of the module's file: the executable for nullptr or the
// executable's handle, the shared object for a module from LoadLibrary. Empty
// when it cannot be found (the last error says why).
std::string GetModuleFileName(HMODULE module);

} // namespace win
