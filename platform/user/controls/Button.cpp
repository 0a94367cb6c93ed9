#include "platform/user/controls/Button.h"

namespace win::controls {

void Button::Register() {
    RegisterControlClass(WC_BUTTON, ControlProc<Button>, CS_DBLCLKS | CS_PARENTDC, -1);
}

bool Button::IsPush() const {
    const DWORD kind = Kind();
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_PUSHBOX ||
           kind == BS_USERBUTTON || kind == BS_OWNERDRAW;
}

bool Button::IsCheck() const {
    const DWORD kind = Kind();
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE ||
           kind == BS_AUTO3STATE;
}

bool Button::IsRadio() const {
    return Kind() == BS_RADIOBUTTON || Kind() == BS_AUTORADIOBUTTON;
}

void Button::SetPushed(bool pushed) {
    if (pushed_ == pushed)
        return;
    pushed_ = pushed;
    Redraw(hwnd_);
}

void Button::SetCheck(WPARAM check) {
    // Two-state boxes take any non-zero value as checked; three-state keep 2.
    const bool threeState = Kind() == BS_3STATE || Kind() == BS_AUTO3STATE;
    const WPARAM value = check == BST_INDETERMINATE && threeState ? BST_INDETERMINATE
                         : check != 0                             ? BST_CHECKED
                                                                  : BST_UNCHECKED;
    if (value == check_)
        return;
    check_ = value;
    Redraw(hwnd_);
}

void Button::Click() {
    switch (Kind()) {
    case BS_AUTOCHECKBOX:
        SetCheck(check_ ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck((check_ + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        CheckRadioInGroup();
        break;
    default:
        break;
    }
    NotifyCommand(hwnd_, BN_CLICKED);
}

void Button::CheckRadioInGroup() {
    // The group runs from the nearest sibling with WS_GROUP at or before this
    // button to the next one after it, as the dialog manager defines groups.
    HWND first = hwnd_;
    while (!(StyleOf(first) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (previous == nullptr)
            break;
        first = previous;
    }
    for (HWND sibling = first; sibling != nullptr; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (StyleOf(sibling) & WS_GROUP))
            break;
        char name[16] = {};
        GetClassName(sibling, name, sizeof name);
        if (sibling != hwnd_ && (StyleOf(sibling) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            std::string_view(name) == WC_BUTTON)
            SendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
    SetCheck(BST_CHECKED);
}

LRESULT Button::DialogCode() const {
    switch (Kind()) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return IsPush() ? DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON : DLGC_BUTTON;
    }
}

void Button::OnButtonDown() {
    if (Kind() == BS_GROUPBOX)
        return;
    SetFocus(hwnd_);
    SetCapture(hwnd_);
    tracking_ = true;
    SetPushed(true);
}

void Button::OnMouseMove(POINT point) {
    if (tracking_)
        SetPushed(Contains(ClientRect(hwnd_), point));
}

void Button::OnButtonUp(POINT point) {
    if (!tracking_)
        return;
    tracking_ = false;
    const bool inside = Contains(ClientRect(hwnd_), point);
    SetPushed(false);
    ReleaseCapture();
    if (inside)
        Click();
}

void Button::OnKeyDown(WPARAM key) {
    if (key == WPARAM(VK_SPACE) && Kind() != BS_GROUPBOX) {
        spaceDown_ = true;
        SetPushed(true);
    } else if (key == WPARAM(VK_RETURN) && IsPush()) {
        Click();
    }
}

void Button::OnKeyUp(WPARAM key) {
    if (key != WPARAM(VK_SPACE) || !spaceDown_)
        return;
    spaceDown_ = false;
    if (pushed_) {
        SetPushed(false);
        Click();
    }
}

LRESULT Button::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(PointFrom(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (tracking_ && reinterpret_cast<HWND>(lParam) != hwnd_) {
            tracking_ = false;
            SetPushed(false);
        }
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_KEYUP:
        OnKeyUp(wParam);
        return 0;
    case WM_SETFOCUS:
        Redraw(hwnd_);
        if (StyleOf(hwnd_) & BS_NOTIFY)
            NotifyCommand(hwnd_, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        spaceDown_ = false;
        if (!tracking_)
            SetPushed(false);
        Redraw(hwnd_);
        if (StyleOf(hwnd_) & BS_NOTIFY)
            NotifyCommand(hwnd_, BN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case WM_SETTEXT:
    case WM_SETFONT: {
        const LRESULT result = DefWindowProc(hwnd_, message, wParam, lParam);
        Redraw(hwnd_);
        return result;
    }
    case WM_GETDLGCODE:
        return DialogCode();
    case BM_GETCHECK:
        return LRESULT(check_);
    case BM_SETCHECK:
        SetCheck(wParam);
        return 0;
    case BM_GETSTATE:
        return LRESULT(check_) | (pushed_ ? BST_PUSHED : 0) | (HasFocus(hwnd_) ? BST_FOCUS : 0);
    case BM_SETSTATE:
        SetPushed(wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        const DWORD style = (StyleOf(hwnd_) & ~0xFFFFu) | DWORD(wParam & 0xFFFF);
        SetWindowLong(hwnd_, GWL_STYLE, LONG(style));
        if (lParam)
            Redraw(hwnd_);
        return 0;
    }
    case BM_CLICK:
        if (IsWindowEnabled(hwnd_))
            Click();
        return 0;
    case BM_GETIMAGE:
        return reinterpret_cast<LRESULT>(image_);
    case BM_SETIMAGE: {
        HANDLE previous = image_;
        image_ = reinterpret_cast<HANDLE>(lParam);
        Redraw(hwnd_);
        return reinterpret_cast<LRESULT>(previous);
    }
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
