#pragma once
// What backends (and tests) read from the window manager beyond the API, and
// the few events only a display can report.

#include "platform/gdi/Surface.h"
#include "platform/user/UserTypes.h"

#include <cstddef>
#include <string>

namespace win {

// The surface of the top-level window that holds `hwnd` (window coordinates of
// that top-level window), or null.
const Surface* GetWindowSurface(HWND hwnd);

// The display gave keyboard focus to `hwnd` (one of our windows) or took it to
// somewhere else (null), as a window manager or another program does: the
// application activates and deactivates the way Windows would, with
// WM_ACTIVATEAPP only when the application as a whole changes. Focus reported
// on a window that is active already (the display following our own
// SetActiveWindow) changes nothing.
void ActivateFromDisplay(HWND hwnd);

// The display moved or resized the top-level window `hwnd` to `screen` (a
// window manager or another program did): the window is told with
// WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE and WM_SIZE as for a move
// by the user, without activation or a change of Z order. The display is asked
// to move only if the window changes the rectangle while it is told; a report
// of the rectangle the window has already (our own move coming back) changes
// nothing.
void MoveFromDisplay(HWND hwnd, const RECT& screen);

// The input method's composition is now `utf8` with its cursor at byte
// `cursor` (empty: the composition ended or was cancelled). The focus window
// is sent WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION and
// WM_IME_ENDCOMPOSITION and reads the text with ImmGetCompositionString. Committed text comes
// separately, through InjectText.
void InjectComposition(const std::string& utf8, std::size_t cursor);

} // namespace win
