#pragma once
// "msctls_progress32": a range, a position and a step, drawn as the classic
// row of highlight-coloured blocks (or one smooth bar) in a thin sunken frame,
// horizontal or (PBS_VERTICAL) filling upwards.

#include "platform/user/controls/ControlSupport.h"

namespace win::controls {

class ProgressBar {
public:
    explicit ProgressBar(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    LRESULT SetRange(int low, int high);
    LRESULT SetPos(int pos);

    HWND hwnd_;
    int low_ = 0;
    int high_ = 100;
    int pos_ = 0;
    int step_ = 10;
    COLORREF barColor_ = CLR_DEFAULT;
    COLORREF backColor_ = CLR_DEFAULT;
};

} // namespace win::controls
