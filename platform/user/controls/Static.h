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

private:
    DWORD Kind() const { return StyleOf(hwnd_) & SS_TYPEMASK; }
    void Paint(HDC hdc);
    void PaintText(HDC hdc, const RECT& client);
    void PaintImage(HDC hdc, const RECT& client);
    void PaintOwnerDrawn(HDC hdc, const RECT& client);
    LRESULT SetImage(UINT type, HANDLE image);

    HWND hwnd_;
    HANDLE image_ = nullptr; // the caller's bitmap or icon
    UINT imageType_ = IMAGE_BITMAP;
};

} // namespace win::controls
