#include "platform/user/controls/TrackBar.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kThumbLength = 11;  // along the channel
constexpr int kThumbBreadth = 20; // across it
constexpr int kChannelBreadth = 4;
constexpr int kTicLength = 3;

} // namespace

void TrackBar::Register() {
    RegisterControlClass(TRACKBAR_CLASS, ControlProc<TrackBar>, CS_HREDRAW | CS_VREDRAW, -1);
}

int TrackBar::ThumbOrigin() const {
    return StyleOf(hwnd_) & (TBS_TOP | TBS_BOTH) ? 2 + kTicLength + 2 : 2;
}

int TrackBar::OffsetOf(int value, const RECT& channel) const {
    const int span = Vertical() ? channel.bottom - channel.top : channel.right - channel.left;
    return max_ == min_ ? 0 : MulDiv(span, std::clamp(value, min_, max_) - min_, max_ - min_);
}

RECT TrackBar::ChannelRect() const {
    const RECT client = ClientRect(hwnd_);
    const int inset = kThumbLength / 2 + 2;
    // The thumb sits near the top (left) edge, below any tics placed above it.
    const int centre =
        ThumbOrigin() +
        std::min(kThumbBreadth, int(Vertical() ? client.right : client.bottom) - 4) / 2;
    if (Vertical())
        return RECT{centre - kChannelBreadth / 2, inset, centre + kChannelBreadth / 2,
                    std::max(inset, int(client.bottom) - inset)};
    return RECT{inset, centre - kChannelBreadth / 2, std::max(inset, int(client.right) - inset),
                centre + kChannelBreadth / 2};
}

RECT TrackBar::ThumbRect() const {
    const RECT channel = ChannelRect();
    const RECT client = ClientRect(hwnd_);
    const int offset = OffsetOf(pos_, channel);
    const int breadth = std::min(kThumbBreadth, int(Vertical() ? client.right : client.bottom) - 4);
    const int origin = ThumbOrigin();
    if (Vertical()) {
        const int y = channel.top + offset - kThumbLength / 2;
        return RECT{origin, y, origin + breadth, y + kThumbLength};
    }
    const int x = channel.left + offset - kThumbLength / 2;
    return RECT{x, origin, x + kThumbLength, origin + breadth};
}

int TrackBar::PosAt(POINT point) const {
    const RECT channel = ChannelRect();
    const int span = Vertical() ? channel.bottom - channel.top : channel.right - channel.left;
    const int along = (Vertical() ? point.y - channel.top : point.x - channel.left) - dragOffset_;
    return std::clamp(min_ + MulDiv(std::clamp(along, 0, span), max_ - min_, std::max(1, span)),
                      min_, max_);
}

void TrackBar::SetPos(int pos, bool redraw) {
    pos = std::clamp(pos, min_, max_);
    if (pos == pos_)
        return;
    pos_ = pos;
    if (redraw)
        Redraw(hwnd_);
}

void TrackBar::SetRange(int low, int high, bool redraw) {
    min_ = low;
    max_ = std::max(low, high);
    pos_ = std::clamp(pos_, min_, max_);
    if (redraw)
        Redraw(hwnd_);
}

void TrackBar::Notify(WORD code) {
    if (HWND parent = GetParent(hwnd_))
        SendMessage(
            parent, Vertical() ? WM_VSCROLL : WM_HSCROLL,
            MAKEWPARAM(code, code == TB_THUMBTRACK || code == TB_THUMBPOSITION ? WORD(pos_) : 0),
            reinterpret_cast<LPARAM>(hwnd_));
}

void TrackBar::MoveBy(int delta, WORD code) {
    SetPos(pos_ + delta, true);
    Notify(code);
}

void TrackBar::OnKeyDown(WPARAM key) {
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        MoveBy(-lineSize_, TB_LINEUP);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveBy(lineSize_, TB_LINEDOWN);
        break;
    case VK_PRIOR:
        MoveBy(-pageSize_, TB_PAGEUP);
        break;
    case VK_NEXT:
        MoveBy(pageSize_, TB_PAGEDOWN);
        break;
    case VK_HOME:
        MoveBy(min_ - pos_, TB_TOP);
        break;
    case VK_END:
        MoveBy(max_ - pos_, TB_BOTTOM);
        break;
    default:
        break;
    }
}

LRESULT TrackBar::CustomDraw(HDC hdc, DWORD stage, std::uintptr_t item, const RECT& rect) {
    NMCUSTOMDRAW draw;
    draw.dwDrawStage = stage;
    draw.hdc = hdc;
    draw.rc = rect;
    draw.dwItemSpec = item;
    draw.uItemState =
        (HasFocus(hwnd_) ? CDIS_FOCUS : 0) | (dragging_ && item == TBCD_THUMB ? CDIS_SELECTED : 0);
    return NotifyParent(hwnd_, draw.hdr, NM_CUSTOMDRAW);
}

std::vector<int> TrackBar::TicValues() const {
    std::vector<int> values;
    if (StyleOf(hwnd_) & TBS_AUTOTICKS) {
        const int step = std::max(1, ticFrequency_);
        for (int value = min_; value <= max_; value += step) {
            values.push_back(value);
            if (value > max_ - step)
                break;
        }
    } else {
        values.push_back(min_);
        for (int tic : tics_)
            if (tic > min_ && tic < max_)
                values.push_back(tic);
    }
    if (values.back() != max_)
        values.push_back(max_);
    return values;
}

void TrackBar::PaintTics(HDC hdc, const RECT& channel) {
    const DWORD style = StyleOf(hwnd_);
    if ((style & TBS_NOTICKS) || max_ == min_)
        return;
    const RECT thumb = ThumbRect();
    // Across the channel: where the tics start on each side they are drawn.
    std::vector<int> sides;
    if (style & (TBS_TOP | TBS_BOTH))
        sides.push_back((Vertical() ? thumb.left : thumb.top) - 2 - kTicLength);
    if (!(style & TBS_TOP) || (style & TBS_BOTH))
        sides.push_back((Vertical() ? thumb.right : thumb.bottom) + 2);
    HBRUSH ink = GetSysColorBrush(COLOR_BTNTEXT);
    for (int value : TicValues()) {
        const int at = OffsetOf(value, channel);
        for (int across : sides) {
            const RECT tic =
                Vertical()
                    ? RECT{across, channel.top + at, across + kTicLength, channel.top + at + 1}
                    : RECT{channel.left + at, across, channel.left + at + 1, across + kTicLength};
            FillRect(hdc, &tic, ink);
        }
    }
}

void TrackBar::PaintSelection(HDC hdc, const RECT& channel) {
    if (!(StyleOf(hwnd_) & TBS_ENABLESELRANGE) || selEnd_ <= selStart_)
        return;
    RECT inside = channel;
    InflateRect(&inside, -1, -1);
    const int from = OffsetOf(selStart_, channel), to = OffsetOf(selEnd_, channel);
    if (Vertical()) {
        inside.top = channel.top + from;
        inside.bottom = channel.top + to;
    } else {
        inside.left = channel.left + from;
        inside.right = channel.left + to;
    }
    FillRect(hdc, &inside, GetSysColorBrush(COLOR_HIGHLIGHT));
}

void TrackBar::Paint(HDC hdc) {
    RECT client = ClientRect(hwnd_);
    HBRUSH back = ParentColors(hwnd_, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &client, back ? back : GetSysColorBrush(COLOR_3DFACE));
    const LRESULT wanted = CustomDraw(hdc, CDDS_PREPAINT, 0, client);
    if (wanted & CDRF_SKIPDEFAULT)
        return;
    const bool perItem = wanted & CDRF_NOTIFYITEMDRAW;
    // Each part may be drawn by the parent instead (CDRF_SKIPDEFAULT).
    auto part = [&](std::uintptr_t item, RECT rect, auto draw) {
        if (perItem && (CustomDraw(hdc, CDDS_ITEMPREPAINT, item, rect) & CDRF_SKIPDEFAULT))
            return;
        draw(rect);
        if (perItem)
            CustomDraw(hdc, CDDS_ITEMPOSTPAINT, item, rect);
    };
    const RECT channel = ChannelRect();
    part(TBCD_TICS, client, [&](RECT) { PaintTics(hdc, channel); });
    part(TBCD_CHANNEL, channel, [&](RECT rect) {
        DrawEdge(hdc, &rect, EDGE_SUNKEN, BF_RECT);
        PaintSelection(hdc, rect);
    });
    if (!(StyleOf(hwnd_) & TBS_NOTHUMB))
        part(TBCD_THUMB, ThumbRect(), [&](RECT rect) {
            FillRect(hdc, &rect, GetSysColorBrush(dragging_ ? COLOR_3DLIGHT : COLOR_3DFACE));
            DrawEdge(hdc, &rect, EDGE_RAISED, BF_RECT);
        });
    if (HasFocus(hwnd_))
        DrawFocusRect(hdc, &client);
    if (wanted & CDRF_NOTIFYPOSTPAINT)
        CustomDraw(hdc, CDDS_POSTPAINT, 0, client);
}

LRESULT TrackBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: {
        SetFocus(hwnd_);
        const POINT point = PointFrom(lParam);
        const RECT thumb = ThumbRect();
        if (Contains(thumb, point)) {
            dragging_ = true;
            dragOffset_ = Vertical() ? point.y - (thumb.top + thumb.bottom) / 2
                                     : point.x - (thumb.left + thumb.right) / 2;
            SetCapture(hwnd_);
            Redraw(hwnd_);
            return 0;
        }
        // A press on the channel moves a page towards the press.
        const bool before = Vertical() ? point.y < thumb.top : point.x < thumb.left;
        MoveBy(before ? -pageSize_ : pageSize_, before ? TB_PAGEUP : TB_PAGEDOWN);
        Notify(TB_ENDTRACK);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_) {
            const int pos = PosAt(PointFrom(lParam));
            if (pos != pos_) {
                SetPos(pos, true);
                Notify(TB_THUMBTRACK);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (dragging_) {
            dragging_ = false;
            dragOffset_ = 0;
            ReleaseCapture();
            Redraw(hwnd_);
            Notify(TB_THUMBPOSITION);
            Notify(TB_ENDTRACK);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (dragging_) {
            dragging_ = false;
            dragOffset_ = 0;
            Redraw(hwnd_);
        }
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_LEFT || wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_DOWN ||
            wParam == VK_PRIOR || wParam == VK_NEXT || wParam == VK_HOME || wParam == VK_END)
            Notify(TB_ENDTRACK);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case TBM_GETPOS:
        return pos_;
    case TBM_SETPOS:
        SetPos(int(lParam), wParam != 0);
        return 0;
    case TBM_GETRANGEMIN:
        return min_;
    case TBM_GETRANGEMAX:
        return max_;
    case TBM_SETRANGE:
        SetRange(std::int16_t(LOWORD(std::uintptr_t(lParam))),
                 std::int16_t(HIWORD(std::uintptr_t(lParam))), wParam != 0);
        return 0;
    case TBM_SETRANGEMIN:
        SetRange(int(lParam), max_, wParam != 0);
        return 0;
    case TBM_SETRANGEMAX:
        SetRange(min_, int(lParam), wParam != 0);
        return 0;
    case TBM_SETTIC:
        if (int(lParam) <= min_ || int(lParam) >= max_)
            return FALSE;
        tics_.push_back(int(lParam));
        Redraw(hwnd_);
        return TRUE;
    case TBM_CLEARTICS:
        tics_.clear();
        if (wParam)
            Redraw(hwnd_);
        return 0;
    case TBM_GETNUMTICS:
        return (StyleOf(hwnd_) & TBS_NOTICKS) ? 0 : LRESULT(TicValues().size());
    case TBM_SETSEL:
        selStart_ = std::int16_t(LOWORD(std::uintptr_t(lParam)));
        selEnd_ = std::int16_t(HIWORD(std::uintptr_t(lParam)));
        if (wParam)
            Redraw(hwnd_);
        return 0;
    case TBM_SETSELSTART:
    case TBM_SETSELEND:
        (message == TBM_SETSELSTART ? selStart_ : selEnd_) = int(lParam);
        if (wParam)
            Redraw(hwnd_);
        return 0;
    case TBM_GETSELSTART:
        return selStart_;
    case TBM_GETSELEND:
        return selEnd_;
    case TBM_CLEARSEL:
        selStart_ = selEnd_ = 0;
        if (wParam)
            Redraw(hwnd_);
        return 0;
    case TBM_SETTICFREQ:
        ticFrequency_ = std::max(1, int(wParam));
        Redraw(hwnd_);
        return 0;
    case TBM_SETPAGESIZE: {
        const int previous = pageSize_;
        pageSize_ = int(lParam);
        return previous;
    }
    case TBM_GETPAGESIZE:
        return pageSize_;
    case TBM_SETLINESIZE: {
        const int previous = lineSize_;
        lineSize_ = int(lParam);
        return previous;
    }
    case TBM_GETLINESIZE:
        return lineSize_;
    case TBM_GETTHUMBRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = ThumbRect();
        return 0;
    case TBM_GETCHANNELRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) = ChannelRect();
        return 0;
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
