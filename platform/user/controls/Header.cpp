#include "platform/user/controls/Header.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

namespace {

constexpr int kDividerReach = 4; // pixels either side of a divider that grab it

} // namespace

void Header::Register() {
    RegisterControlClass(WC_HEADER, ControlProc<Header>, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, -1);
}

LRESULT Header::Insert(WPARAM index, const HDITEM* item) {
    if (item == nullptr)
        return -1;
    const std::size_t at = std::min<std::size_t>(index, items_.size());
    items_.insert(items_.begin() + std::ptrdiff_t(at), Item{});
    SetItem(at, item);
    return LRESULT(at);
}

LRESULT Header::SetItem(WPARAM index, const HDITEM* item) {
    if (!Valid(index) || item == nullptr)
        return FALSE;
    Item& target = items_[index];
    if (item->mask & HDI_TEXT)
        target.text = item->pszText ? item->pszText : "";
    if (item->mask & HDI_WIDTH)
        target.width = std::max(0, item->cxy);
    if (item->mask & HDI_FORMAT)
        target.format = item->fmt;
    if (item->mask & HDI_LPARAM)
        target.param = item->lParam;
    if (item->mask & HDI_IMAGE)
        target.image = item->iImage;
    Redraw(hwnd_);
    return TRUE;
}

LRESULT Header::GetItem(WPARAM index, HDITEM* item) const {
    if (!Valid(index) || item == nullptr)
        return FALSE;
    const Item& source = items_[index];
    if ((item->mask & HDI_TEXT) && item->pszText && item->cchTextMax > 0) {
        std::size_t count =
            std::min<std::size_t>(source.text.size(), std::size_t(item->cchTextMax - 1));
        while (count > 0 && count < source.text.size() &&
               (static_cast<unsigned char>(source.text[count]) & 0xC0) == 0x80)
            --count; // never half a character
        std::memcpy(item->pszText, source.text.data(), count);
        item->pszText[count] = '\0';
    }
    if (item->mask & HDI_WIDTH)
        item->cxy = source.width;
    if (item->mask & HDI_FORMAT)
        item->fmt = source.format;
    if (item->mask & HDI_LPARAM)
        item->lParam = source.param;
    if (item->mask & HDI_IMAGE)
        item->iImage = source.image;
    return TRUE;
}

RECT Header::ItemRect(std::size_t index) const {
    int left = 0;
    for (std::size_t i = 0; i < index; ++i)
        left += items_[i].width;
    return RECT{left, 0, left + items_[index].width, ClientRect(hwnd_).bottom};
}

int Header::ItemAt(POINT point) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (Contains(ItemRect(i), point))
            return int(i);
    return -1;
}

int Header::DividerAt(POINT point) const {
    // The last heading whose edge is in reach wins, so a zero-width one can be pulled open.
    int found = -1;
    int right = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        right += items_[i].width;
        if (point.x >= right - kDividerReach && point.x < right + kDividerReach)
            found = int(i);
    }
    return found;
}

LRESULT Header::NotifyItem(UINT code, int index, HDITEM* item) {
    NMHEADER notice;
    notice.iItem = index;
    notice.pitem = item;
    return NotifyParent(hwnd_, notice.hdr, code);
}

void Header::TrackTo(int x) {
    HDITEM item;
    item.mask = HDI_WIDTH;
    item.cxy = std::max(0, x - trackGrab_ - int(ItemRect(std::size_t(tracking_)).left));
    NotifyItem(HDN_TRACK, tracking_, &item);
    if (item.cxy == items_[std::size_t(tracking_)].width ||
        NotifyItem(HDN_ITEMCHANGING, tracking_, &item) != 0)
        return;
    items_[std::size_t(tracking_)].width = std::max(0, item.cxy);
    Redraw(hwnd_);
    NotifyItem(HDN_ITEMCHANGED, tracking_, &item);
}

void Header::EndTrack() {
    HDITEM item;
    item.mask = HDI_WIDTH;
    item.cxy = items_[std::size_t(tracking_)].width;
    const int index = tracking_;
    tracking_ = -1;
    NotifyItem(HDN_ENDTRACK, index, &item);
}

void Header::Paint(HDC hdc) {
    DcState state(hdc, ControlFont(hwnd_));
    RECT client = ClientRect(hwnd_);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_3DFACE));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    for (std::size_t i = 0; i < items_.size(); ++i) {
        RECT rect = ItemRect(i);
        const bool pressed = int(i) == pressed_;
        if (StyleOf(hwnd_) & HDS_FLAT) {
            // Flat headings: a divider line, and an edge only while pressed.
            if (pressed)
                DrawEdge(hdc, &rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
            RECT divider{rect.right - 1, rect.top + 2, rect.right, rect.bottom - 2};
            FillRect(hdc, &divider, GetSysColorBrush(COLOR_3DSHADOW));
        } else
            DrawEdge(hdc, &rect, pressed ? BDR_SUNKENOUTER : EDGE_RAISED,
                     BF_RECT | BF_SOFT | BF_ADJUST);
        InflateRect(&rect, -4, 0);
        if (pressed)
            OffsetRect(&rect, 1, 1);
        const int justify = items_[i].format & HDF_JUSTIFYMASK;
        const UINT align = justify == HDF_RIGHT    ? DT_RIGHT
                           : justify == HDF_CENTER ? DT_CENTER
                                                   : DT_LEFT;
        DrawText(hdc, items_[i].text.c_str(), int(items_[i].text.size()), &rect,
                 align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
}

LRESULT Header::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: {
        const int divider = DividerAt(PointFrom(lParam));
        if (divider >= 0) {
            HDITEM item;
            item.mask = HDI_WIDTH;
            item.cxy = items_[std::size_t(divider)].width;
            if (NotifyItem(HDN_BEGINTRACK, divider, &item) == 0) {
                tracking_ = divider;
                trackGrab_ = PointFrom(lParam).x - int(ItemRect(std::size_t(divider)).right);
                SetCapture(hwnd_);
            }
            return 0;
        }
        if (!(StyleOf(hwnd_) & HDS_BUTTONS))
            return 0;
        pressed_ = ItemAt(PointFrom(lParam));
        if (pressed_ >= 0) {
            SetCapture(hwnd_);
            Redraw(hwnd_);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (tracking_ >= 0)
            TrackTo(PointFrom(lParam).x);
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == hwnd_ && LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(hwnd_, &point);
            if (tracking_ >= 0 || DividerAt(point) >= 0) {
                SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
                return TRUE;
            }
        }
        return DefWindowProc(hwnd_, message, wParam, lParam);
    case WM_LBUTTONUP: {
        if (tracking_ >= 0) {
            TrackTo(PointFrom(lParam).x);
            EndTrack(); // before the capture goes, so WM_CAPTURECHANGED finds nothing to end
            ReleaseCapture();
            return 0;
        }
        if (pressed_ < 0)
            return 0;
        const int item = pressed_;
        pressed_ = -1;
        ReleaseCapture();
        Redraw(hwnd_);
        if (ItemAt(PointFrom(lParam)) == item) {
            NMHEADER notice;
            notice.iItem = item;
            NotifyParent(hwnd_, notice.hdr, HDN_ITEMCLICK);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (tracking_ >= 0 && reinterpret_cast<HWND>(lParam) != hwnd_)
            EndTrack();
        if (pressed_ >= 0 && reinterpret_cast<HWND>(lParam) != hwnd_) {
            pressed_ = -1;
            Redraw(hwnd_);
        }
        return 0;
    case WM_SETFONT:
        DefWindowProc(hwnd_, message, wParam, lParam);
        if (lParam)
            Redraw(hwnd_);
        return 0;
    case HDM_GETITEMCOUNT:
        return LRESULT(items_.size());
    case HDM_INSERTITEMA:
    case HDM_INSERTITEMW:
        return Insert(wParam, reinterpret_cast<const HDITEM*>(lParam));
    case HDM_DELETEITEM:
        if (!Valid(wParam))
            return FALSE;
        items_.erase(items_.begin() + std::ptrdiff_t(wParam));
        Redraw(hwnd_);
        return TRUE;
    case HDM_GETITEMA:
    case HDM_GETITEMW:
        return GetItem(wParam, reinterpret_cast<HDITEM*>(lParam));
    case HDM_SETITEMA:
    case HDM_SETITEMW:
        return SetItem(wParam, reinterpret_cast<const HDITEM*>(lParam));
    case HDM_GETITEMRECT:
        if (!Valid(wParam) || lParam == 0)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(wParam);
        return TRUE;
    case HDM_SETIMAGELIST: {
        HANDLE previous = imageList_;
        imageList_ = reinterpret_cast<HANDLE>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case HDM_GETIMAGELIST:
        return reinterpret_cast<LRESULT>(imageList_);
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
