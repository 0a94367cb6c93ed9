#pragma once
// Internal: what the loop asks of the painting unit.

#include "platform/user/OwnedRegion.h"
#include "platform/user/UserTypes.h"

namespace win {

// The first window (parents before children, top of the z-order first) that
// needs WM_PAINT; `filter` limits the search to one window when not null.
HWND FindWindowToPaint(HWND filter);
// Hands every top-level surface changed since the last call to the backend.
void PresentChangedSurfaces();

struct Window;

// Moves the pixels of the client rectangle `area` by `offset` on the window's
// top-level surface, writing only inside `clipArea` and only where both the
// source and the destination show. Children's pixels move along when
// `withChildren`, else children neither give nor take pixels. Returns the
// part that received pixels, in client coordinates.
OwnedRegion ScrollClientPixels(Window& w, const RECT& area, const RECT& clipArea, POINT offset,
                               bool withChildren);

} // namespace win
