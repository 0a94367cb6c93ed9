#pragma once
// "msctls_statusbar32": a bar along the bottom of its parent with parts
// (sunken, raised or borderless, text with tab alignment, or owner-drawn), a
// simple mode with one text, and the size grip.

#include "platform/user/controls/ControlSupport.h"

#include <string>
#include <vector>

namespace win::controls {

class StatusBar {
public:
    explicit StatusBar(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    struct Part {
        int right = -1; // client x of the right edge; -1 to the end
        std::string text;
        WPARAM type = 0; // SBT_ flags
        LPARAM data = 0; // SBT_OWNERDRAW
    };

    // The font's height plus the borders, at least SB_SETMINHEIGHT's.
    void MeasureHeight();
    void PlaceAtParentBottom();
    Part* PartOf(WPARAM index);
    LRESULT SetParts(WPARAM count, const int* rights);
    LRESULT SetText(WPARAM which, LPARAM text);
    LRESULT GetText(WPARAM index, char* buffer);
    RECT PartRect(std::size_t index) const;
    RECT GripRect() const;
    void PaintPart(HDC hdc, const Part& part, std::size_t index, RECT rect);

    HWND hwnd_;
    std::vector<Part> parts_{Part{}};
    Part simple_;
    bool simpleMode_ = false;
    int height_ = 20;
    int minHeight_ = 0;
    bool placing_ = false;
};

} // namespace win::controls
