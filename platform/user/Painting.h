#pragma once
// Painting: update regions, WM_PAINT with BeginPaint/EndPaint, device contexts
// of windows, window regions and scrolling.

#include "platform/gdi/Gdi.h"
#include "platform/user/UserTypes.h"

namespace win {

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN region);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
// DCX_INTERSECTRGN/DCX_EXCLUDERGN regions are in screen coordinates and stay
// the caller's (Windows would take them over; a copy is safer for callers
// that pass the region of WM_NCPAINT).
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC hdc);
HWND WindowFromDC(HDC hdc);

// The window takes the region over (and deletes it later), as on Windows.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN region);

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   RECT* updateRect, UINT flags);
BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip);

} // namespace win
