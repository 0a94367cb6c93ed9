#pragma once
// "msctls_trackbar32": a thumb moved along a channel by dragging, by clicking
// the channel (a page) and by the arrow, page, Home and End keys, telling the
// parent with WM_HSCROLL/WM_VSCROLL and the TB_ codes; painting goes through
// NM_CUSTOMDRAW so a skinner can draw the channel, tics and thumb itself.
// Tics go below/right of the thumb, above/left with TBS_TOP, on both sides
// with TBS_BOTH: every TBM_SETTICFREQ step with TBS_AUTOTICKS, otherwise the
// ends and the values given with TBM_SETTIC. TBS_ENABLESELRANGE shows a
// selected stretch of the channel (TBM_SETSEL...).

#include "platform/user/controls/ControlSupport.h"

#include <vector>

namespace win::controls {

class TrackBar {
public:
    explicit TrackBar(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    bool Vertical() const { return StyleOf(hwnd_) & TBS_VERT; }
    RECT ChannelRect() const;
    RECT ThumbRect() const;
    int PosAt(POINT point) const;
    void SetPos(int pos, bool redraw);
    void SetRange(int low, int high, bool redraw);
    // Moves by `delta` (clamped) and tells the parent with `code`.
    void MoveBy(int delta, WORD code);
    void Notify(WORD code);
    void OnKeyDown(WPARAM key);
    LRESULT CustomDraw(HDC hdc, DWORD stage, std::uintptr_t item, const RECT& rect);
    void PaintTics(HDC hdc, const RECT& channel);
    void PaintSelection(HDC hdc, const RECT& channel);
    // Where the thumb starts across the channel: room for tics above or left.
    int ThumbOrigin() const;
    // Offset of a value along the channel.
    int OffsetOf(int value, const RECT& channel) const;
    std::vector<int> TicValues() const;

    HWND hwnd_;
    int min_ = 0;
    int max_ = 100;
    int pos_ = 0;
    int lineSize_ = 1;
    int pageSize_ = 20;
    int ticFrequency_ = 1;
    std::vector<int> tics_; // set with TBM_SETTIC
    int selStart_ = 0;
    int selEnd_ = 0;
    bool dragging_ = false;
    int dragOffset_ = 0; // from the thumb's centre to the press
};

} // namespace win::controls
