#pragma once
// DefWindowProc's non-client area: size, hit testing, painting, the mouse on
// caption buttons, borders and scroll bars, and WM_SYSCOMMAND.

#include "platform/user/NonClientLayout.h"
#include "platform/user/UserTypes.h"

namespace win {

NonClientLayout LayoutOf(HWND hwnd);
// The client rectangle replaces the window rectangle in the RECT at lParam
// (for wParam TRUE, the first rectangle of NCCALCSIZE_PARAMS).
LRESULT CalculateNonClientSize(HWND hwnd, LPARAM lParam);
LRESULT NonClientHitTest(HWND hwnd, POINT screen);
// Draws the frame, caption and scroll bars into `hdc` (window coordinates), or
// into a window DC clipped to `screenRegion` (null or 1: the whole frame).
void PaintNonClient(HWND hwnd, HDC hdc, HRGN screenRegion);
void RedrawNonClient(HWND hwnd);
LRESULT OnNcActivate(HWND hwnd, bool active);
LRESULT NonClientMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SystemCommand(HWND hwnd, WPARAM command, LPARAM lParam);
HCURSOR CursorForHitTest(int hit);

// The mouse loops of DefWindowProc: moving or sizing with the caption or a
// border (`hit` says which), and holding a caption button down.
void MoveSizeLoop(HWND hwnd, int hit, POINT start);
bool TrackCaptionButton(HWND hwnd, int hit);
void SetButtonPressed(HWND hwnd, int hit, bool pressed);

} // namespace win
