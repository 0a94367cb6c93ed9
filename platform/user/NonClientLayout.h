#pragma once
// Where the parts of a window's classic non-client area lie, in window
// coordinates: frame, caption with its icon and buttons, menu row, scroll bars
// and the client rectangle that remains. DefWindowProc answers WM_NCCALCSIZE
// and WM_NCHITTEST from it and paints by it.

#include "platform/user/UserTypes.h"

namespace win {

struct NonClientLayout {
    RECT window;     // (0, 0, width, height)
    RECT frameInner; // inside the sizing, dialog or thin frame
    int frameX = 0;  // frame thickness
    int frameY = 0;
    enum class Frame { None, Thin, Dialog, Sizing } frame = Frame::None;
    RECT caption; // empty without WS_CAPTION
    RECT sysIcon; // empty without WS_SYSMENU or on tool windows
    RECT closeButton;
    RECT maxButton;
    RECT minButton;
    RECT menu;      // empty without a menu
    RECT edgeInner; // inside the client edge
    RECT vscroll;   // empty without WS_VSCROLL
    RECT hscroll;
    RECT sizeBox; // the corner between both scroll bars
    RECT client;

    static NonClientLayout Compute(DWORD style, DWORD exStyle, SIZE windowSize, bool hasMenu);
    // WM_NCHITTEST's classic answer for a point in window coordinates.
    int HitTest(POINT point, DWORD style) const;
};

bool HasCaption(DWORD style);

} // namespace win
