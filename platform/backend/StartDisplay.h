#pragma once
// Chooses the display below the window manager, once, at program start: the
// screen through SDL when there is one, otherwise no display (surfaces stay in
// memory). Code above the platform calls this and never learns which it got.

namespace win {

// True when a screen was opened.
bool StartDisplay();

} // namespace win
