#pragma once
// The "Static" class: text labels with the SS_ alignments and ellipses,
// bitmaps and icons, filled and framed rectangles, etched lines, and owner
// draw; colours come from the parent's WM_CTLCOLORSTATIC.

#include "platform/user/controls/ControlSupport.h"

namespace win::controls {

class Static {
public:
    explicit Static(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    DWORD Kind() const { return StyleOf(hwnd_) & SS_TYPEMASK; }
    void PaintText(HDC hdc, const RECT& client);
    void PaintImage(HDC hdc, const RECT& client);
    void PaintOwnerDrawn(HDC hdc, const RECT& client);
    LRESULT SetImage(UINT type, HANDLE image);

    HWND hwnd_;
    HANDLE image_ = nullptr; // the caller's bitmap or icon
    UINT imageType_ = IMAGE_BITMAP;
};

} // namespace win::controls
