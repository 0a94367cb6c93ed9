#pragma once
// The "ScrollBar" class (SB_CTL): a free-standing bar with arrows, track and
// thumb that sends WM_HSCROLL/WM_VSCROLL to its parent, with the SBM_
// messages; SBS_SIZEBOX/SBS_SIZEGRIP make it a size box instead.

#include "platform/user/controls/ControlSupport.h"

namespace win::controls {

class ScrollBar {
public:
    explicit ScrollBar(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    struct Geometry {
        int length = 0; // along the bar
        int arrow = 0;
        int thumbStart = 0;
        int thumbEnd = 0;
    };

    bool Vertical() const { return StyleOf(hwnd_) & SBS_VERT; }
    bool SizeBox() const { return StyleOf(hwnd_) & (SBS_SIZEBOX | SBS_SIZEGRIP); }
    int MaxPos() const;
    Geometry Measure() const;
    int PartAt(POINT point) const;
    RECT PartRect(int from, int to) const;
    int SetInfo(const SCROLLINFO& info, bool redraw);
    void GetInfo(SCROLLINFO& info) const;
    void Send(int code, int pos = 0);
    void OnButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnButtonUp();

    HWND hwnd_;
    int min_ = 0;
    int max_ = 100;
    UINT page_ = 0;
    int pos_ = 0;
    int trackPos_ = 0;
    UINT disabledArrows_ = 0;
    int pressedPart_ = -1; // SB_ code held down
    bool dragging_ = false;
    int dragGrip_ = 0; // from the thumb's start to the press
};

} // namespace win::controls
