#pragma once
// "SysHeader32": a row of column headings with widths, text alignment and an
// image-list handle kept for skinners; HDS_BUTTONS headings press like buttons
// and report HDN_ITEMCLICK (HDS_FLAT draws them flat). Dragging the divider at
// a heading's right edge resizes it live: HDN_BEGINTRACK (the parent may
// refuse), HDN_TRACK and HDN_ITEMCHANGING/HDN_ITEMCHANGED per move (the parent
// may refuse or adjust the width in the item it is given), HDN_ENDTRACK.

#include "platform/user/controls/ControlSupport.h"

#include <string>
#include <vector>

namespace win::controls {

class Header {
public:
    explicit Header(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    struct Item {
        std::string text;
        int width = 0;
        int format = HDF_LEFT;
        LPARAM param = 0;
        int image = 0;
    };

    bool Valid(WPARAM index) const { return index < items_.size(); }
    LRESULT Insert(WPARAM index, const HDITEM* item);
    LRESULT SetItem(WPARAM index, const HDITEM* item);
    LRESULT GetItem(WPARAM index, HDITEM* item) const;
    RECT ItemRect(std::size_t index) const;
    int ItemAt(POINT point) const;
    // The heading whose right-edge divider is under the point, or -1.
    int DividerAt(POINT point) const;
    LRESULT NotifyItem(UINT code, int index, HDITEM* item);
    void TrackTo(int x);
    void EndTrack();

    HWND hwnd_;
    std::vector<Item> items_;
    HANDLE imageList_ = nullptr; // the caller's
    int pressed_ = -1;
    int tracking_ = -1; // the heading being resized
    int trackGrab_ = 0; // from the divider to the press, kept while dragging
};

} // namespace win::controls
