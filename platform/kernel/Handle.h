#pragma once
// Kernel object handles. A HANDLE names an object in the process's handle table;
// CloseHandle removes it, and the object ends when its last user lets go of it.

#include "platform/kernel/WinTypes.h"

#include <memory>

namespace win {

inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(-1);

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

// Adds the object to the handle table and returns its new handle.
HANDLE AddHandle(std::shared_ptr<KernelObject> object);
// The object a handle names, or null (with ERROR_INVALID_HANDLE) for an unknown handle.
std::shared_ptr<KernelObject> ObjectOfHandle(HANDLE handle);

BOOL CloseHandle(HANDLE handle);

} // namespace win
