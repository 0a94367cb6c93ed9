#include "platform/user/controls/UpDown.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace win::controls {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstDelay = 500; // milliseconds before a held arrow repeats
constexpr UINT kRepeatDelay = 100;
// Window properties of a buddy whose arrow keys step an up-down.
constexpr const char* kBuddyOwner = "UpDownOfBuddy";
constexpr const char* kBuddyProc = "UpDownBuddyProc";

} // namespace

void UpDown::Register() {
    RegisterControlClass(UPDOWN_CLASS, ControlProc<UpDown>, CS_HREDRAW | CS_VREDRAW, -1);
}

RECT UpDown::ArrowRect(Arrow arrow) const {
    RECT rect = ClientRect(hwnd_);
    if (Horizontal()) {
        const int middle = (rect.left + rect.right) / 2;
        // Left arrow decreases, right increases.
        return arrow == Arrow::Down ? RECT{rect.left, rect.top, middle, rect.bottom}
                                    : RECT{middle, rect.top, rect.right, rect.bottom};
    }
    const int middle = (rect.top + rect.bottom) / 2;
    return arrow == Arrow::Up ? RECT{rect.left, rect.top, rect.right, middle}
                              : RECT{rect.left, middle, rect.right, rect.bottom};
}

UpDown::Arrow UpDown::ArrowAt(POINT point) const {
    if (Contains(ArrowRect(Arrow::Up), point))
        return Arrow::Up;
    if (Contains(ArrowRect(Arrow::Down), point))
        return Arrow::Down;
    return Arrow::None;
}

void UpDown::Step(Arrow arrow) {
    // The up arrow moves towards `upper_`, whichever way the range runs.
    const int towardsUpper = upper_ >= lower_ ? 1 : -1;
    const int delta = arrow == Arrow::Up ? towardsUpper : -towardsUpper;
    NMUPDOWN notice;
    notice.iPos = pos_;
    notice.iDelta = delta;
    if (NotifyParent(hwnd_, notice.hdr, UDN_DELTAPOS) != 0)
        return; // the parent refused the change
    int next = pos_ + notice.iDelta;
    const int low = std::min(lower_, upper_), high = std::max(lower_, upper_);
    if (next < low || next > high) {
        if (!(StyleOf(hwnd_) & UDS_WRAP))
            next = std::clamp(next, low, high);
        else
            next = next < low ? high : low;
    }
    if (next == pos_)
        return;
    SetPos(next);
    if (HWND parent = GetParent(hwnd_))
        SendMessage(parent, Horizontal() ? WM_HSCROLL : WM_VSCROLL,
                    MAKEWPARAM(SB_THUMBPOSITION, WORD(pos_)), reinterpret_cast<LPARAM>(hwnd_));
}

void UpDown::SetPos(int pos) {
    pos_ = pos;
    ShowInBuddy();
}

void UpDown::ShowInBuddy() {
    if (buddy_ == nullptr || !(StyleOf(hwnd_) & UDS_SETBUDDYINT))
        return;
    const std::string digits = std::to_string(pos_ < 0 ? -std::int64_t(pos_) : std::int64_t(pos_));
    const bool grouped = !(StyleOf(hwnd_) & UDS_NOTHOUSANDS);
    std::string text = pos_ < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (grouped && i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    SetWindowText(buddy_, text.c_str());
}

LRESULT UpDown::BuddyProc(HWND buddy, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(GetProp(buddy, kBuddyProc));
    const auto owner = static_cast<HWND>(GetProp(buddy, kBuddyOwner));
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN) && IsWindow(owner)) {
        SendMessage(owner, WM_KEYDOWN, wParam, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        // The buddy goes first: give it its own procedure back for its last message.
        SetWindowLongPtr(buddy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemoveProp(buddy, kBuddyProc);
        RemoveProp(buddy, kBuddyOwner);
    }
    return previous ? CallWindowProc(previous, buddy, message, wParam, lParam)
                    : DefWindowProc(buddy, message, wParam, lParam);
}

void UpDown::HookBuddy() {
    if (buddy_ == nullptr || !(StyleOf(hwnd_) & UDS_ARROWKEYS) || GetProp(buddy_, kBuddyProc))
        return;
    SetProp(buddy_, kBuddyOwner, hwnd_);
    SetProp(buddy_, kBuddyProc,
            reinterpret_cast<HANDLE>(
                SetWindowLongPtr(buddy_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BuddyProc))));
}

void UpDown::UnhookBuddy() {
    if (buddy_ == nullptr || !IsWindow(buddy_) || GetProp(buddy_, kBuddyOwner) != hwnd_)
        return;
    const auto previous = reinterpret_cast<LONG_PTR>(GetProp(buddy_, kBuddyProc));
    // Someone subclassed it after us: leave the chain alone, the owner check stops us.
    if (GetWindowLongPtr(buddy_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(BuddyProc)) {
        SetWindowLongPtr(buddy_, GWLP_WNDPROC, previous);
        RemoveProp(buddy_, kBuddyProc);
    }
    RemoveProp(buddy_, kBuddyOwner);
}

void UpDown::SetBuddy(HWND buddy) {
    UnhookBuddy();
    buddy_ = buddy;
    HookBuddy();
    const DWORD style = StyleOf(hwnd_);
    if (buddy_ == nullptr || !(style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT)))
        return;
    // Sit against the buddy's side, taking that much of its width.
    RECT box;
    GetWindowRect(buddy_, &box);
    POINT corner{box.left, box.top};
    ScreenToClient(GetParent(buddy_), &corner);
    const int width = int(ClientRect(hwnd_).right);
    const int buddyWidth = std::max(0, int(box.right - box.left) - width);
    const int height = box.bottom - box.top;
    const bool right = style & UDS_ALIGNRIGHT;
    MoveWindow(buddy_, right ? corner.x : corner.x + width, corner.y, buddyWidth, height, TRUE);
    MoveWindow(hwnd_, right ? corner.x + buddyWidth : corner.x, corner.y, width, height, TRUE);
    ShowInBuddy();
}

void UpDown::Paint(HDC hdc) {
    const bool enabled = IsWindowEnabled(hwnd_);
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
        RECT rect = ArrowRect(arrow);
        UINT state = Horizontal() ? (arrow == Arrow::Up ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT)
                                  : (arrow == Arrow::Up ? DFCS_SCROLLUP : DFCS_SCROLLDOWN);
        if (pressed_ == arrow)
            state |= DFCS_PUSHED;
        if (!enabled)
            state |= DFCS_INACTIVE;
        DrawFrameControl(hdc, &rect, DFC_SCROLL, state);
    }
}

LRESULT UpDown::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (StyleOf(hwnd_) & UDS_AUTOBUDDY)
            SetBuddy(GetWindow(hwnd_, GW_HWNDPREV));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = ArrowAt(PointFrom(lParam));
        if (pressed_ == Arrow::None)
            return 0;
        SetCapture(hwnd_);
        Step(pressed_);
        repeating_ = false;
        SetTimer(hwnd_, kRepeatTimer, kFirstDelay, nullptr);
        Redraw(hwnd_);
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer && pressed_ != Arrow::None) {
            if (!repeating_) {
                repeating_ = true;
                SetTimer(hwnd_, kRepeatTimer, kRepeatDelay, nullptr);
            }
            Step(pressed_);
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (pressed_ != Arrow::None) {
            pressed_ = Arrow::None;
            KillTimer(hwnd_, kRepeatTimer);
            if (message == WM_LBUTTONUP)
                ReleaseCapture();
            Redraw(hwnd_);
        }
        return 0;
    case WM_KEYDOWN:
        if ((StyleOf(hwnd_) & UDS_ARROWKEYS) && (wParam == VK_UP || wParam == VK_DOWN))
            Step(wParam == VK_UP ? Arrow::Up : Arrow::Down);
        return 0;
    case WM_DESTROY:
        UnhookBuddy();
        return 0;
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case UDM_SETRANGE:
        upper_ = std::int16_t(LOWORD(std::uintptr_t(lParam)));
        lower_ = std::int16_t(HIWORD(std::uintptr_t(lParam)));
        return 0;
    case UDM_GETRANGE:
        return LRESULT(MAKELONG(WORD(upper_), WORD(lower_)));
    case UDM_SETRANGE32:
        lower_ = int(wParam);
        upper_ = int(lParam);
        return 0;
    case UDM_GETRANGE32:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = lower_;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = upper_;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        const int previous = pos_;
        const int wanted =
            message == UDM_SETPOS ? std::int16_t(LOWORD(std::uintptr_t(lParam))) : int(lParam);
        SetPos(std::clamp(wanted, std::min(lower_, upper_), std::max(lower_, upper_)));
        return previous;
    }
    case UDM_GETPOS:
        return LRESULT(MAKELONG(WORD(pos_), 0));
    case UDM_GETPOS32:
        if (lParam)
            *reinterpret_cast<BOOL*>(lParam) = FALSE;
        return pos_;
    case UDM_SETBUDDY: {
        HWND previous = buddy_;
        SetBuddy(reinterpret_cast<HWND>(wParam));
        return reinterpret_cast<LRESULT>(previous);
    }
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(buddy_);
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
