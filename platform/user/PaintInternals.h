#pragma once
// Internal: what the loop asks of the painting unit.

#include "platform/user/UserTypes.h"

namespace win {

// The first window (parents before children, top of the z-order first) that
// needs WM_PAINT; `filter` limits the search to one window when not null.
HWND FindWindowToPaint(HWND filter);
// Hands every top-level surface changed since the last call to the backend.
void PresentChangedSurfaces();

} // namespace win
