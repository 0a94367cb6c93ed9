#pragma once
// The program's own resources: files compiled into the executable at build time
// (cmake/TelvoraResources.cmake), found by type and name without regard to case.
// Only the executable's own module holds resources: pass nullptr or
// GetModuleHandle(nullptr) as the module.
//
// A failed lookup returns nullptr and sets the last error to
// ERROR_RESOURCE_TYPE_NOT_FOUND or ERROR_RESOURCE_NAME_NOT_FOUND; callers raise
// their own error naming the resource. Resource bytes are read-only and live as
// long as the process, so FreeResource has nothing to do.

#include "platform/kernel/WinTypes.h"

#include <string_view>

namespace win {

WIN_DECLARE_HANDLE(HRSRC);
using HGLOBAL = void*;

HRSRC FindResource(HMODULE module, std::string_view name, std::string_view type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
DWORD SizeofResource(HMODULE module, HRSRC resource);
const void* LockResource(HGLOBAL loaded);
BOOL FreeResource(HGLOBAL loaded);

} // namespace win
