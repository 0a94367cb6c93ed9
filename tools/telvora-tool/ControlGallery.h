#pragma once

#include "platform/user/WinUser.h"

namespace tool {

// Fills `parent`, a window with a 640 x 480 client area, with every standard
// control kind in several states (normal, focused, pressed, checked,
// indeterminate, disabled, selected, scrolled); the focused edit takes the focus.
void FillControlGallery(win::HWND parent);

} // namespace tool
