#pragma once
// The "Edit" class, single- and multi-line: caret and selection by mouse and
// keyboard, clipboard, undo, read-only, margins, both scroll bars, word wrap
// when there is no horizontal scrolling, the EM_ messages, and EN_ to the
// parent. Offsets are UTF-8 byte offsets on character boundaries.

#include "platform/user/controls/ControlSupport.h"
#include "platform/user/controls/EditBuffer.h"
#include "platform/user/controls/EditLayout.h"

namespace win::controls {

class Edit {
public:
    explicit Edit(HWND hwnd);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    enum class Extend { No, Yes };

    bool Multi() const { return StyleOf(hwnd_) & ES_MULTILINE; }
    bool ReadOnly() const { return StyleOf(hwnd_) & ES_READONLY; }
    bool Wraps() const;

    // Editing.
    void Replace(std::string_view text);
    std::string Filtered(std::string_view typed) const;
    // What a typed character inserts (nothing for control characters).
    std::string Typed(char32_t character) const;
    void OnChar(char32_t character);
    void OnKeyDown(WPARAM key);
    void MoveCaret(std::size_t to, Extend extend);
    void Copy();
    void Cut();
    void Paste();
    void Clear();
    void UndoChange();
    void SetText(const char* text);
    LRESULT GetText(WPARAM size, char* buffer) const;
    LRESULT GetLine(WPARAM line, char* buffer) const;
    void SetFont(HFONT font, bool redraw);
    void SetMargins(WPARAM which, LPARAM margins);
    void TextChanged(std::size_t start, std::size_t removed, std::size_t inserted);

    // Geometry (EditView.cpp).
    RECT TextRect() const;
    int VisibleLines() const;
    std::string_view LineText(const EditLine& line) const;
    std::string DisplayText(const EditLine& line) const;
    int XOf(std::size_t offset) const;
    std::size_t OffsetAt(std::size_t line, int x) const;
    POINT PosFromChar(std::size_t offset) const;
    std::size_t CharFromPos(POINT point) const;
    void Relayout();
    void ScrollCaretIntoView();
    void ScrollLines(int delta);
    void ScrollTo(int firstLine, int xOffset);
    void OnVScroll(WORD code);
    void OnHScroll(WORD code);
    void UpdateScrollBars();
    int WidestLine() const;

    // Painting (EditView.cpp).
    void PaintLine(HDC hdc, std::size_t index, int y, COLORREF textColor);
    void PaintSelection(HDC hdc, std::size_t index, int y);

    // Mouse.
    void OnButtonDown(POINT point, bool doubleClick);
    void OnMouseMove(POINT point);
    // The right-click menu (undo, cut, copy, paste, delete, select all) is
    // the menus layer's; until it is present the parent decides.
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);

    HWND hwnd_;
    MeasuringDc measure_;
    EditBuffer buffer_;
    EditLayout layout_;
    HFONT font_ = nullptr;
    int lineHeight_ = 1;
    int leftMargin_ = 1;
    int rightMargin_ = 1;
    int firstLine_ = 0;
    int xOffset_ = 0;
    int widest_ = 0; // widest line in pixels, kept only with a horizontal scroll bar
    // The bars asked for at creation: the window manager drops WS_VSCROLL and
    // WS_HSCROLL from the style while a bar has nothing to scroll.
    bool vscroll_ = false;
    bool hscroll_ = false;
    SCROLLINFO shownVert_{sizeof(SCROLLINFO), 0}; // what the bars were last given
    SCROLLINFO shownHorz_{sizeof(SCROLLINFO), 0};
    bool modified_ = false;
    bool selecting_ = false;
    char32_t passwordChar_ = 0;
};

} // namespace win::controls
