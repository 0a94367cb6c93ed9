#pragma once
// "msctls_updown32": a pair of arrow buttons that move a position within a
// range, repeat while held, ask the parent first (UDN_DELTAPOS), tell it after
// (WM_VSCROLL/WM_HSCROLL), and may show the position in a buddy window. With
// UDS_ARROWKEYS the buddy's up and down arrow keys step it too (the buddy is
// subclassed while it is the buddy).

#include "platform/user/controls/ControlSupport.h"

namespace win::controls {

class UpDown {
public:
    explicit UpDown(HWND hwnd) : hwnd_(hwnd) {}
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    static void Register();
    // Draws the whole client area (ControlProc calls it for WM_PAINT and
    // WM_PRINTCLIENT; WM_ERASEBKGND is left undone, as the painting covers it).
    void Paint(HDC hdc);

private:
    enum class Arrow { None, Up, Down };

    bool Horizontal() const { return StyleOf(hwnd_) & UDS_HORZ; }
    RECT ArrowRect(Arrow arrow) const;
    Arrow ArrowAt(POINT point) const;
    void Step(Arrow arrow);
    void SetPos(int pos);
    void ShowInBuddy();
    void SetBuddy(HWND buddy);
    void HookBuddy();
    void UnhookBuddy();
    static LRESULT BuddyProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_;
    HWND buddy_ = nullptr;
    int lower_ = 100; // Windows' default range runs from 100 down to 0
    int upper_ = 0;
    int pos_ = 0;
    Arrow pressed_ = Arrow::None;
    bool repeating_ = false;
};

} // namespace win::controls
