#pragma once
// Steps shared by the window manager's units; not part of the API.

#include "platform/user/Window.h"

namespace win {

// WM_GETMINMAXINFO with the defaults filled in first.
MINMAXINFO QueryMinMaxInfo(HWND hwnd);
// WM_NCCALCSIZE (wParam FALSE) for the current window rectangle.
void RecalculateClientRect(Window& window);
// The pixel surface of a top-level window, sized to its window rectangle.
void CreateTopLevelSurface(Window& window);
void ResizeTopLevelSurface(Window& window);
// Regions and the surface.
void ReleaseWindowResources(Window& window);
// Timers, queued messages and input references of a window that goes away.
void ForgetWindowState(Window& window);
// Before destruction or hiding: focus, activation and capture leave the window.
void MoveInputAwayFrom(HWND hwnd);
// Activates a top-level window (HCBT_ACTIVATE, WM_NCACTIVATE, WM_ACTIVATE ...).
bool ActivateWindow(HWND hwnd, WPARAM how);
// The next top-level window to activate when `hwnd` stops being active.
HWND NextWindowToActivate(HWND hwnd);

} // namespace win

namespace win {
// DefWindowProc's WM_GETTEXT: the stored text, cut to the buffer.
int CopyWindowText(HWND hwnd, char* buffer, int size);
} // namespace win
