#include "platform/user/controls/ScrollBar.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstDelay = 400;
constexpr UINT kRepeatDelay = 50;
constexpr int kMinThumb = 8;
constexpr WPARAM SC_SIZE_BOTTOMRIGHT = 0xF008;

} // namespace

void ScrollBar::Register() {
    RegisterControlClass(WC_SCROLLBAR, ControlProc<ScrollBar>, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW,
                         -1);
}

int ScrollBar::MaxPos() const {
    return std::max(min_, max_ - std::max(0, int(page_) - 1));
}

ScrollBar::Geometry ScrollBar::Measure() const {
    const RECT client = ClientRect(hwnd_);
    Geometry g;
    g.length = Vertical() ? client.bottom : client.right;
    g.arrow = std::min(GetSystemMetrics(Vertical() ? SM_CYVSCROLL : SM_CXHSCROLL), g.length / 2);
    const int track = g.length - 2 * g.arrow;
    const int range = max_ - min_ + 1;
    if (track < kMinThumb || range <= 1 || !IsWindowEnabled(hwnd_) || int(page_) >= range)
        return g; // no thumb
    const int thumb = page_ ? std::max(kMinThumb, MulDiv(track, int(page_), range))
                            : GetSystemMetrics(Vertical() ? SM_CYVTHUMB : SM_CXHTHUMB);
    const int shown = dragging_ ? trackPos_ : pos_;
    const int span = MaxPos() - min_;
    g.thumbStart = g.arrow + (span > 0 ? MulDiv(track - thumb, shown - min_, span) : 0);
    g.thumbEnd = g.thumbStart + thumb;
    return g;
}

int ScrollBar::PartAt(POINT point) const {
    const Geometry g = Measure();
    const int along = Vertical() ? point.y : point.x;
    if (along < g.arrow)
        return SB_LINEUP;
    if (along >= g.length - g.arrow)
        return SB_LINEDOWN;
    if (g.thumbEnd == 0)
        return -1;
    if (along < g.thumbStart)
        return SB_PAGEUP;
    if (along < g.thumbEnd)
        return SB_THUMBTRACK;
    return SB_PAGEDOWN;
}

RECT ScrollBar::PartRect(int from, int to) const {
    const RECT client = ClientRect(hwnd_);
    return Vertical() ? RECT{0, from, client.right, to} : RECT{from, 0, to, client.bottom};
}

int ScrollBar::SetInfo(const SCROLLINFO& info, bool redraw) {
    if (info.fMask & SIF_RANGE) {
        min_ = info.nMin;
        max_ = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE)
        page_ = std::min<UINT>(info.nPage, UINT(max_ - min_ + 1));
    if (info.fMask & SIF_POS)
        pos_ = info.nPos;
    pos_ = std::clamp(pos_, min_, MaxPos());
    if (redraw)
        Redraw(hwnd_);
    return pos_;
}

void ScrollBar::GetInfo(SCROLLINFO& info) const {
    if (info.fMask & SIF_RANGE) {
        info.nMin = min_;
        info.nMax = max_;
    }
    if (info.fMask & SIF_PAGE)
        info.nPage = page_;
    if (info.fMask & SIF_POS)
        info.nPos = pos_;
    if (info.fMask & SIF_TRACKPOS)
        info.nTrackPos = dragging_ ? trackPos_ : pos_;
}

void ScrollBar::Send(int code, int pos) {
    if (HWND parent = GetParent(hwnd_))
        SendMessage(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(WORD(code), WORD(pos)),
                    reinterpret_cast<LPARAM>(hwnd_));
}

void ScrollBar::Paint(HDC hdc) {
    RECT client = ClientRect(hwnd_);
    if (SizeBox()) {
        FillRect(hdc, &client, GetSysColorBrush(COLOR_3DFACE));
        if (StyleOf(hwnd_) & SBS_SIZEGRIP)
            DrawFrameControl(hdc, &client, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
        return;
    }
    ParentColors(hwnd_, hdc, WM_CTLCOLORSCROLLBAR);
    const Geometry g = Measure();
    const bool enabled = IsWindowEnabled(hwnd_);
    auto arrow = [&](int from, int to, UINT kind, int part, UINT disabledBit) {
        RECT rect = PartRect(from, to);
        UINT state = kind;
        if (pressedPart_ == part)
            state |= DFCS_PUSHED | DFCS_FLAT;
        if (!enabled || (disabledArrows_ & disabledBit) || g.thumbEnd == 0)
            state |= DFCS_INACTIVE;
        DrawFrameControl(hdc, &rect, DFC_SCROLL, state);
    };
    arrow(0, g.arrow, Vertical() ? DFCS_SCROLLUP : DFCS_SCROLLLEFT, SB_LINEUP, ESB_DISABLE_LTUP);
    arrow(g.length - g.arrow, g.length, Vertical() ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT,
          SB_LINEDOWN, ESB_DISABLE_RTDN);
    const RECT track = PartRect(g.arrow, g.length - g.arrow);
    FillRect(hdc, &track, GetSysColorBrush(COLOR_SCROLLBAR));
    if (g.thumbEnd == 0)
        return;
    // The part of the track held down shows dark, as the classic bar does.
    if (pressedPart_ == SB_PAGEUP) {
        const RECT held = PartRect(g.arrow, g.thumbStart);
        FillRect(hdc, &held, GetSysColorBrush(COLOR_3DDKSHADOW));
    } else if (pressedPart_ == SB_PAGEDOWN) {
        const RECT held = PartRect(g.thumbEnd, g.length - g.arrow);
        FillRect(hdc, &held, GetSysColorBrush(COLOR_3DDKSHADOW));
    }
    RECT thumb = PartRect(g.thumbStart, g.thumbEnd);
    DrawFrameControl(hdc, &thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

void ScrollBar::OnButtonDown(POINT point) {
    if (SizeBox()) {
        if (HWND top = GetAncestor(hwnd_, GA_ROOT)) {
            ClientToScreen(hwnd_, &point);
            SendMessage(top, WM_SYSCOMMAND, SC_SIZE_BOTTOMRIGHT,
                        MAKELPARAM(WORD(point.x), WORD(point.y)));
        }
        return;
    }
    if (StyleOf(hwnd_) & WS_TABSTOP)
        SetFocus(hwnd_);
    const int part = PartAt(point);
    if (part < 0)
        return;
    pressedPart_ = part;
    SetCapture(hwnd_);
    if (part == SB_THUMBTRACK) {
        const Geometry g = Measure();
        dragging_ = true;
        trackPos_ = pos_;
        dragGrip_ = (Vertical() ? point.y : point.x) - g.thumbStart;
    } else {
        Send(part);
        SetTimer(hwnd_, kRepeatTimer, kFirstDelay, nullptr);
    }
    Redraw(hwnd_);
}

void ScrollBar::OnMouseMove(POINT point) {
    if (!dragging_)
        return;
    const Geometry g = Measure();
    const int thumb = g.thumbEnd - g.thumbStart;
    const int track = g.length - 2 * g.arrow - thumb;
    const int start = (Vertical() ? point.y : point.x) - dragGrip_ - g.arrow;
    const int pos =
        min_ + (track > 0 ? MulDiv(std::clamp(start, 0, track), MaxPos() - min_, track) : 0);
    if (pos != trackPos_) {
        trackPos_ = pos;
        Redraw(hwnd_);
        Send(SB_THUMBTRACK, trackPos_);
    }
}

void ScrollBar::OnButtonUp() {
    if (pressedPart_ < 0)
        return;
    KillTimer(hwnd_, kRepeatTimer);
    if (dragging_) {
        dragging_ = false;
        Send(SB_THUMBPOSITION, trackPos_);
    }
    pressedPart_ = -1;
    ReleaseCapture();
    Send(SB_ENDSCROLL);
    Redraw(hwnd_);
}

LRESULT ScrollBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return SizeBox() ? HTBOTTOMRIGHT : HTCLIENT;
    case WM_NCLBUTTONDOWN:
        if (SizeBox()) {
            POINT point = PointFrom(lParam);
            ScreenToClient(hwnd_, &point);
            OnButtonDown(point);
            return 0;
        }
        return DefWindowProc(hwnd_, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(PointFrom(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        if (pressedPart_ >= 0 && reinterpret_cast<HWND>(lParam) != hwnd_) {
            KillTimer(hwnd_, kRepeatTimer);
            pressedPart_ = -1;
            dragging_ = false;
            Redraw(hwnd_);
        }
        return 0;
    case WM_TIMER: {
        if (wParam != kRepeatTimer || pressedPart_ < 0 || dragging_)
            return 0;
        SetTimer(hwnd_, kRepeatTimer, kRepeatDelay, nullptr);
        // Paging stops once the thumb reaches the cursor.
        POINT cursor;
        GetCursorPos(&cursor);
        ScreenToClient(hwnd_, &cursor);
        if (PartAt(cursor) == pressedPart_)
            Send(pressedPart_);
        return 0;
    }
    case WM_KEYDOWN: {
        const bool back = wParam == VK_UP || wParam == VK_LEFT;
        const bool forward = wParam == VK_DOWN || wParam == VK_RIGHT;
        if (back || forward)
            Send(back ? SB_LINEUP : SB_LINEDOWN);
        else if (wParam == VK_PRIOR || wParam == VK_NEXT)
            Send(wParam == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN);
        else if (wParam == VK_HOME || wParam == VK_END)
            Send(wParam == VK_HOME ? SB_TOP : SB_BOTTOM);
        return 0;
    }
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case SBM_SETPOS: {
        const int previous = pos_;
        SCROLLINFO info;
        info.fMask = SIF_POS;
        info.nPos = int(wParam);
        SetInfo(info, lParam != 0);
        return previous;
    }
    case SBM_GETPOS:
        return pos_;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        const int previous = pos_;
        SCROLLINFO info;
        info.fMask = SIF_RANGE;
        info.nMin = int(wParam);
        info.nMax = int(lParam);
        SetInfo(info, message == SBM_SETRANGEREDRAW);
        return previous;
    }
    case SBM_GETRANGE:
        if (wParam)
            *reinterpret_cast<int*>(wParam) = min_;
        if (lParam)
            *reinterpret_cast<int*>(lParam) = max_;
        return 0;
    case SBM_ENABLE_ARROWS:
        disabledArrows_ = UINT(wParam);
        Redraw(hwnd_);
        return TRUE;
    case SBM_SETSCROLLINFO:
        return lParam ? SetInfo(*reinterpret_cast<const SCROLLINFO*>(lParam), wParam != 0) : pos_;
    case SBM_GETSCROLLINFO:
        if (lParam == 0)
            return FALSE;
        GetInfo(*reinterpret_cast<SCROLLINFO*>(lParam));
        return TRUE;
    case SBM_GETSCROLLBARINFO: {
        auto* info = reinterpret_cast<SCROLLBARINFO*>(lParam);
        if (info == nullptr)
            return FALSE;
        const Geometry g = Measure();
        GetWindowRect(hwnd_, &info->rcScrollBar);
        info->dxyLineButton = g.arrow;
        info->xyThumbTop = g.thumbStart;
        info->xyThumbBottom = g.thumbEnd;
        info->rgstate[0] = IsWindowEnabled(hwnd_) ? 0 : STATE_SYSTEM_UNAVAILABLE;
        for (int part = 1; part < 6; ++part)
            info->rgstate[part] = 0;
        if (pressedPart_ == SB_LINEUP)
            info->rgstate[1] = STATE_SYSTEM_PRESSED;
        if (pressedPart_ == SB_PAGEUP)
            info->rgstate[2] = STATE_SYSTEM_PRESSED;
        if (pressedPart_ == SB_THUMBTRACK)
            info->rgstate[3] = STATE_SYSTEM_PRESSED;
        if (pressedPart_ == SB_PAGEDOWN)
            info->rgstate[4] = STATE_SYSTEM_PRESSED;
        if (pressedPart_ == SB_LINEDOWN)
            info->rgstate[5] = STATE_SYSTEM_PRESSED;
        return TRUE;
    }
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
