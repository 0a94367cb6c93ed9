#pragma once
// The window tree: linking into a parent's z-order, and where a window lies on
// the screen. Internal to the window manager.

#include "platform/user/Window.h"

namespace win {

// Inserts `child` into `parent`'s list after `insertAfter` (HWND_TOP,
// HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or a sibling).
void LinkWindow(Window& parent, Window& child, HWND insertAfter);
void UnlinkWindow(Window& child);

POINT WindowScreenOrigin(const Window& window);
POINT ClientScreenOrigin(const Window& window);
RECT WindowScreenRect(const Window& window);
RECT ClientScreenRect(const Window& window);
// The window's top-left relative to its top-level window's top-left, that is,
// on the top-level surface.
POINT SurfaceOrigin(const Window& window);

bool IsAncestor(const Window& ancestor, const Window& window);
// Visible itself and every ancestor up to the desktop.
bool IsShown(const Window& window);
bool IsEnabledWindow(const Window& window);

} // namespace win
