#pragma once
// "SysTabControl32": a row of tabs (top, bottom, or a column on the left or
// right), tab or button look, the selected tab raised over the page frame,
// the up-down scroller when a single row overflows, keyboard and mouse
// selection with TCN_SELCHANGING/TCN_SELCHANGE, and the TCM_ messages.

#include "platform/user/controls/ControlSupport.h"

#include <string>
#include <vector>

namespace win::controls {

class TabControl {
public:
    explicit TabControl(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    struct Item {
        std::string text;
        LPARAM param = 0;
        int image = -1;
        DWORD state = 0;
        int extent = 0; // along the row, measured with the control's font
    };
    enum class Side { Top, Bottom, Left, Right };

    Side SideOf() const;
    bool Buttons() const { return StyleOf(hwnd_) & TCS_BUTTONS; }
    bool Valid(WPARAM index) const { return index < items_.size(); }
    int Count() const { return int(items_.size()); }

    LRESULT Insert(WPARAM index, const TCITEM* item);
    LRESULT SetItem(WPARAM index, const TCITEM* item);
    LRESULT GetItem(WPARAM index, TCITEM* item) const;
    LRESULT Delete(WPARAM index);
    void Measure();
    // Thickness of the tab row (or column width for the side tabs).
    int RowThickness() const;
    RECT ItemRect(int index) const;
    RECT PageFrame() const;
    RECT AdjustRect(bool larger, RECT rect) const;
    int HitTest(POINT point) const;
    void ChangeSelection(int index);
    void SetSelection(int index);
    void UpdateScroller();
    void EnsureVisible(int index);
    void OnKeyDown(WPARAM key);
    void PaintTab(HDC hdc, int index);

    HWND hwnd_;
    MeasuringDc measure_; // kept: painting measures the row without making a DC
    std::vector<Item> items_;
    int selected_ = -1;
    int focus_ = -1;
    int first_ = 0; // first tab shown when the row scrolls
    HWND scroller_ = nullptr;
    int fixedWidth_ = 0; // TCM_SETITEMSIZE
    int fixedHeight_ = 0;
    SIZE padding_{6, 3};
};

} // namespace win::controls
