#pragma once
// What backends (and tests) read from the window manager beyond the API.

#include "platform/gdi/Surface.h"
#include "platform/user/UserTypes.h"

namespace win {

// The surface of the top-level window that holds `hwnd` (window coordinates of
// that top-level window), or null.
const Surface* GetWindowSurface(HWND hwnd);

} // namespace win
