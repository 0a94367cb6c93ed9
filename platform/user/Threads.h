#pragma once
// Thread identity for hooks and window ownership.

#include "platform/kernel/WinTypes.h"

namespace win {

// The kernel thread id of the caller (gettid), as GetCurrentThreadId gives it.
DWORD CurrentThreadId();

} // namespace win
