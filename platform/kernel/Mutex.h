#pragma once
// Named mutexes between processes: the program's single-instance guard.
//
// A named mutex is an exclusive flock on a lock file named after the mutex, in
// $XDG_RUNTIME_DIR (else /tmp/<name>-<uid>.lock). The kernel releases the lock
// when the process ends, however it ends; the file is opened close-on-exec, so
// a program started from this one never holds it.
//
// CreateMutex reports "already exists" (GetLastError() == ERROR_ALREADY_EXISTS,
// with a valid handle, as on Windows) when another holder has the lock, in this
// process or another; only a held lock can be seen, so a mutex whose holders all
// released it counts as new. WaitForSingleObject takes ownership of a mutex
// handle, waiting at most the given time for the holder to release it; ownership
// is recursive per handle, as a Windows mutex is per thread.

#include "platform/kernel/Handle.h"
#include "platform/kernel/WinTypes.h"

#include <string_view>

namespace win {

struct SECURITY_ATTRIBUTES;

constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

// The name must not be empty (unnamed mutexes are not supported). Returns nullptr
// with the last error set when the lock file cannot be opened.
HANDLE CreateMutex(SECURITY_ATTRIBUTES* attributes, BOOL initialOwner, std::string_view name);
BOOL ReleaseMutex(HANDLE mutex);
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);

} // namespace win
