#pragma once
// The "ListBox" class, and "ComboLBox", the same list as the pop-up of a combo
// box: single selection, fixed or owner-measured item heights, owner draw,
// keyboard navigation with type-ahead, the vertical scroll bar, the LB_
// messages and LBN_ notifications. Painting covers the visible items only.

#include "platform/user/controls/ControlSupport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace win::controls {

// Between a combo box and its list (private to the two classes).
constexpr UINT LBCB_TRACKDONE = WM_USER + 0x301; // list → combo: wParam 1 chosen, 0 cancelled

class ListBox {
public:
    explicit ListBox(HWND hwnd);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    struct Item {
        std::string text;
        std::uintptr_t data = 0;
        int height = 0; // LBS_OWNERDRAWVARIABLE only
    };
    enum class Notify { No, Yes };

    bool OwnerDraw() const { return StyleOf(hwnd_) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE); }
    bool HasStrings() const { return !OwnerDraw() || (StyleOf(hwnd_) & LBS_HASSTRINGS); }
    int Count() const { return int(items_.size()); }
    bool Valid(WPARAM index) const { return index < items_.size(); }

    LRESULT Insert(int index, LPARAM value);
    LRESULT Delete(WPARAM index);
    void Reset();
    LRESULT Find(WPARAM after, const char* prefix, bool exact) const;
    LRESULT GetText(WPARAM index, char* buffer) const;
    LRESULT TextLength(WPARAM index) const;
    int ItemHeight(int index) const;
    void MeasureItem(int index);
    HWND OwnerDrawTarget() const;
    // An item is selected and brought into view; the parent hears of it when
    // the user did it (LBS_NOTIFY).
    void Select(int index, Notify notify);
    void SetTop(int top);
    int VisibleCount() const;
    // The top index that shows `index` whole as the last item.
    int TopShowingLast(int index) const;
    int ItemAt(POINT point) const;
    RECT ItemRect(int index) const;
    // The scroll bar and the picture follow a change of items or position,
    // unless WM_SETREDRAW turned redrawing off.
    void ShowChange();
    void UpdateScrollBar();
    void OnVScroll(WORD code);
    void OnKeyDown(WPARAM key);
    void OnChar(char32_t character);
    void OnButtonDown(POINT point, bool doubleClick);
    void OnMouseMove(POINT point);
    void OnButtonUp(POINT point);
    void PaintItem(HDC hdc, int index, const RECT& rect);

    HWND hwnd_;
    bool dropList_;        // a combo box's pop-up
    HWND combo_ = nullptr; // the combo box of a pop-up (from the creation parameter)
    std::vector<Item> items_;
    int selected_ = -1;
    int caret_ = 0; // the focus rectangle's item
    int top_ = 0;
    int itemHeight_ = 13;
    HFONT font_ = nullptr;
    bool tracking_ = false;
    bool vscroll_ = false;
    bool redraw_ = true; // WM_SETREDRAW
    std::string typed_;  // type-ahead prefix
    DWORD typedAt_ = 0;
};

} // namespace win::controls
