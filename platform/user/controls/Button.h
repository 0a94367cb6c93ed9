#pragma once
// The "Button" class: push buttons, check boxes (two and three states), radio
// buttons, group boxes and owner-drawn buttons, with the classic look, the
// mouse and space/enter behaviour, and BN_CLICKED to the parent.

#include "platform/user/controls/ControlSupport.h"

namespace win::controls {

class Button {
public:
    explicit Button(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    DWORD Kind() const { return StyleOf(hwnd_) & BS_TYPEMASK; }
    bool IsPush() const;
    bool IsCheck() const;
    bool IsRadio() const;
    void SetPushed(bool pushed);
    void SetCheck(WPARAM check);
    void Click();
    void CheckRadioInGroup();
    LRESULT DialogCode() const;
    void OnButtonDown();
    void OnMouseMove(POINT point);
    void OnButtonUp(POINT point);
    void OnKeyDown(WPARAM key);
    void OnKeyUp(WPARAM key);

    void PaintPush(HDC hdc, RECT client);
    void PaintCheckOrRadio(HDC hdc, RECT client);
    void PaintGroupBox(HDC hdc, RECT client);
    void PaintOwnerDrawn(HDC hdc, RECT client);
    void DrawLabel(HDC hdc, RECT box, UINT format, bool focusRect);

    HWND hwnd_;
    WPARAM check_ = BST_UNCHECKED;
    bool pushed_ = false;
    bool tracking_ = false; // the left button went down here and holds the capture
    bool spaceDown_ = false;
    HANDLE image_ = nullptr; // BS_BITMAP's bitmap (the caller's)
};

} // namespace win::controls
