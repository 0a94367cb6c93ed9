#pragma once
// Internal: geometry, state and tracking of the standard scroll bars that live
// in a window's non-client area.

#include "platform/user/UserTypes.h"

namespace win {

struct ScrollBarGeometry {
    bool present = false; // the window has the bar
    bool vertical = false;
    RECT bar;           // window coordinates
    int arrow = 0;      // length of each arrow button
    int thumbStart = 0; // from the bar's start; both 0 without a thumb
    int thumbEnd = 0;
    bool enabled = true;
};

ScrollBarGeometry ScrollBarGeometryOf(HWND hwnd, int bar);
// Part under a point (window coordinates): SB_LINEUP, SB_PAGEUP, SB_THUMBTRACK,
// SB_PAGEDOWN, SB_LINEDOWN, or -1.
int ScrollBarPartAt(const ScrollBarGeometry& geometry, POINT point);
void PaintScrollBars(HWND hwnd, HDC windowDC);
// DefWindowProc's loop for a press on a scroll bar at `screen`.
void TrackNonClientScrollBar(HWND hwnd, int bar, POINT screen);

} // namespace win
