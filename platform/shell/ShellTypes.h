#pragma once
// Types the shell functions share with the windowing layer.

#include "platform/kernel/WinTypes.h"

namespace win {

// Declared here as platform/user declares it: the shell only passes owner
// windows through and never looks at them.
WIN_DECLARE_HANDLE(HWND);

} // namespace win
