#pragma once
// What the range controls (track bar, up-down) share: their position, read from
// the window while there is one, else the stored value held to the range; and
// their box turning with their orientation.

#include "framework/gui/WinControl.h"

#include <algorithm>

namespace fw {

// The position as the window reports it with `message` (no parameters).
inline int WindowPosition(const TWinControl& control, win::UINT message) {
    return static_cast<int>(
        win::SendMessage(const_cast<TWinControl&>(control).Handle(), message, 0, 0));
}

// A stored position held to low..high, except while a definition is read: the
// range may still come after the position there.
inline int StoredPosition(const TComponent& control, int position, int low, int high) {
    if (control.ComponentState().Contains(TComponentStateItem::csLoading))
        return position;
    return std::clamp(position, low, std::max(low, high));
}

// Turning a range control turns its box with it (width and height swap), except
// while a definition is read: the definition gives both.
inline void TurnBox(TControl& control) {
    if (!control.ComponentState().Contains(TComponentStateItem::csLoading))
        control.SetBounds(control.Left(), control.Top(), control.Height(), control.Width());
}

} // namespace fw
