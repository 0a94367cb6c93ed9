#include "platform/user/controls/TabControl.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

namespace {

constexpr int kRowInset = 2;  // the first tab starts this far in
constexpr int kRaise = 2;     // how far the selected tab stands out
constexpr int kPageInset = 4; // page frame to display area (TCM_ADJUSTRECT)
constexpr int kButtonGap = 3; // button row to display area

} // namespace

void TabControl::Register() {
    RegisterControlClass(WC_TABCONTROL, ControlProc<TabControl>,
                         CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, -1);
}

TabControl::Side TabControl::SideOf() const {
    const DWORD style = StyleOf(hwnd_);
    if (style & TCS_VERTICAL)
        return (style & TCS_RIGHT) ? Side::Right : Side::Left;
    return (style & TCS_BOTTOM) ? Side::Bottom : Side::Top;
}

void TabControl::Measure() {
    DcState state(measure_.Dc(), ControlFont(hwnd_));
    for (Item& item : items_) {
        SIZE size{};
        GetTextExtentPoint32(measure_.Dc(), item.text.c_str(), int(item.text.size()), &size);
        item.extent = fixedWidth_ > 0 ? fixedWidth_ : int(size.cx) + 2 * padding_.cx;
    }
}

int TabControl::RowThickness() const {
    DcState state(measure_.Dc(), ControlFont(hwnd_));
    const int row = fixedHeight_ > 0 ? fixedHeight_ : LineHeight(measure_.Dc()) + 2 * padding_.cy;
    if (SideOf() == Side::Left || SideOf() == Side::Right) {
        // Side tabs hold their text across: the column is as wide as the widest tab.
        int widest = row;
        for (const Item& item : items_)
            widest = std::max(widest, item.extent);
        return widest + kRaise;
    }
    return row + kRaise;
}

RECT TabControl::ItemRect(int index) const {
    const RECT client = ClientRect(hwnd_);
    const int thickness = RowThickness();
    const Side side = SideOf();
    const bool across = side == Side::Left || side == Side::Right;
    int offset = kRowInset;
    // Tabs before the first one shown lie to the left, out of sight.
    if (index >= first_)
        for (int i = first_; i < index; ++i)
            offset += across ? thickness - kRaise : items_[std::size_t(i)].extent;
    else
        for (int i = index; i < first_; ++i)
            offset -= across ? thickness - kRaise : items_[std::size_t(i)].extent;
    const int length = across ? thickness - kRaise : items_[std::size_t(index)].extent;
    switch (side) {
    case Side::Top:
        return RECT{offset, kRaise, offset + length, thickness};
    case Side::Bottom:
        return RECT{offset, client.bottom - thickness, offset + length, client.bottom - kRaise};
    case Side::Left:
        return RECT{kRaise, offset, thickness, offset + length};
    case Side::Right:
        return RECT{client.right - thickness, offset, client.right - kRaise, offset + length};
    }
    return RECT{};
}

RECT TabControl::PageFrame() const {
    RECT frame = ClientRect(hwnd_);
    if (Buttons())
        return frame;
    const int thickness = RowThickness();
    switch (SideOf()) {
    case Side::Top:
        frame.top += thickness;
        break;
    case Side::Bottom:
        frame.bottom -= thickness;
        break;
    case Side::Left:
        frame.left += thickness;
        break;
    case Side::Right:
        frame.right -= thickness;
        break;
    }
    return frame;
}

RECT TabControl::AdjustRect(bool larger, RECT rect) const {
    // The display area is the page frame less its border and margin; going
    // the other way adds the tab row back.
    const RECT client = ClientRect(hwnd_);
    const RECT frame = PageFrame();
    RECT margins{frame.left - client.left + kPageInset, frame.top - client.top + kPageInset,
                 client.right - frame.right + kPageInset,
                 client.bottom - frame.bottom + kPageInset};
    if (Buttons()) {
        // Buttons have no page frame: the display area is all the row leaves free.
        const int row = RowThickness() + kButtonGap;
        margins = RECT{};
        switch (SideOf()) {
        case Side::Top:
            margins.top = row;
            break;
        case Side::Bottom:
            margins.bottom = row;
            break;
        case Side::Left:
            margins.left = row;
            break;
        case Side::Right:
            margins.right = row;
            break;
        }
    }
    const int sign = larger ? -1 : 1;
    rect.left += sign * margins.left;
    rect.top += sign * margins.top;
    rect.right -= sign * margins.right;
    rect.bottom -= sign * margins.bottom;
    return rect;
}

int TabControl::HitTest(POINT point) const {
    for (int i = first_; i < Count(); ++i)
        if (Contains(ItemRect(i), point))
            return i;
    return -1;
}

void TabControl::SetSelection(int index) {
    selected_ = index;
    focus_ = index;
    EnsureVisible(index);
    Redraw(hwnd_);
}

void TabControl::ChangeSelection(int index) {
    if (index < 0 || index >= Count() || index == selected_)
        return;
    NMHDR header;
    if (NotifyParent(hwnd_, header, TCN_SELCHANGING) != 0)
        return; // the parent keeps the current page
    SetSelection(index);
    NotifyParent(hwnd_, header, TCN_SELCHANGE);
}

void TabControl::EnsureVisible(int index) {
    if (scroller_ == nullptr || index < 0)
        return;
    const RECT client = ClientRect(hwnd_);
    RECT scroller;
    GetWindowRect(scroller_, &scroller);
    const int limit = client.right - (scroller.right - scroller.left);
    int first = std::min(first_, index);
    auto right = [&](int firstShown) {
        int x = kRowInset;
        for (int i = firstShown; i <= index; ++i)
            x += items_[std::size_t(i)].extent;
        return x;
    };
    while (first < index && right(first) > limit)
        ++first;
    if (first != first_) {
        first_ = first;
        SendMessage(scroller_, UDM_SETPOS32, 0, first_);
    }
}

void TabControl::UpdateScroller() {
    const Side side = SideOf();
    const RECT client = ClientRect(hwnd_);
    int total = kRowInset;
    for (const Item& item : items_)
        total += item.extent;
    const bool overflow = (side == Side::Top || side == Side::Bottom) && !Buttons() &&
                          !(StyleOf(hwnd_) & TCS_MULTILINE) && total > client.right;
    if (!overflow) {
        if (scroller_)
            DestroyWindow(scroller_);
        scroller_ = nullptr;
        first_ = 0;
        return;
    }
    const int height = RowThickness() - kRaise - 1;
    const int width = 2 * height;
    const int y = side == Side::Top ? kRaise : client.bottom - RowThickness() + 1;
    if (scroller_ == nullptr)
        scroller_ = CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_HORZ,
                                   client.right - width, y, width, height, hwnd_, nullptr, nullptr,
                                   nullptr);
    else
        MoveWindow(scroller_, client.right - width, y, width, height, TRUE);
    // The last first tab is the one from which the rest fit before the scroller.
    int lastFirst = Count() - 1, used = 0;
    while (lastFirst > 0 &&
           used + items_[std::size_t(lastFirst)].extent <= client.right - width - kRowInset)
        used += items_[std::size_t(lastFirst--)].extent;
    lastFirst = std::min(Count() - 1, lastFirst + 1);
    first_ = std::clamp(first_, 0, std::max(0, lastFirst));
    SendMessage(scroller_, UDM_SETRANGE32, 0, std::max(0, lastFirst));
    SendMessage(scroller_, UDM_SETPOS32, 0, first_);
}

LRESULT TabControl::Insert(WPARAM index, const TCITEM* item) {
    if (item == nullptr)
        return -1;
    Item added;
    if ((item->mask & TCIF_TEXT) && item->pszText)
        added.text = item->pszText;
    if (item->mask & TCIF_PARAM)
        added.param = item->lParam;
    if (item->mask & TCIF_IMAGE)
        added.image = item->iImage;
    const std::size_t at = std::min<std::size_t>(index, items_.size());
    items_.insert(items_.begin() + std::ptrdiff_t(at), std::move(added));
    if (selected_ >= int(at))
        ++selected_;
    if (selected_ < 0)
        selected_ = focus_ = 0; // the first tab added becomes the current one
    Measure();
    UpdateScroller();
    Redraw(hwnd_);
    return LRESULT(at);
}

LRESULT TabControl::SetItem(WPARAM index, const TCITEM* item) {
    if (!Valid(index) || item == nullptr)
        return FALSE;
    Item& target = items_[index];
    if (item->mask & TCIF_TEXT)
        target.text = item->pszText ? item->pszText : "";
    if (item->mask & TCIF_PARAM)
        target.param = item->lParam;
    if (item->mask & TCIF_IMAGE)
        target.image = item->iImage;
    if (item->mask & TCIF_STATE)
        target.state = (target.state & ~item->dwStateMask) | (item->dwState & item->dwStateMask);
    Measure();
    UpdateScroller();
    Redraw(hwnd_);
    return TRUE;
}

LRESULT TabControl::GetItem(WPARAM index, TCITEM* item) const {
    if (!Valid(index) || item == nullptr)
        return FALSE;
    const Item& source = items_[index];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        // Never half a character at the cut.
        std::size_t count =
            std::min<std::size_t>(source.text.size(), std::size_t(item->cchTextMax - 1));
        while (count > 0 && count < source.text.size() &&
               (static_cast<unsigned char>(source.text[count]) & 0xC0) == 0x80)
            --count;
        std::memcpy(item->pszText, source.text.data(), count);
        item->pszText[count] = '\0';
    }
    if (item->mask & TCIF_PARAM)
        item->lParam = source.param;
    if (item->mask & TCIF_IMAGE)
        item->iImage = source.image;
    if (item->mask & TCIF_STATE)
        item->dwState = source.state & item->dwStateMask;
    return TRUE;
}

LRESULT TabControl::Delete(WPARAM index) {
    if (!Valid(index))
        return FALSE;
    items_.erase(items_.begin() + std::ptrdiff_t(index));
    if (selected_ == int(index))
        selected_ = -1;
    else if (selected_ > int(index))
        --selected_;
    focus_ = selected_;
    UpdateScroller();
    Redraw(hwnd_);
    return TRUE;
}

void TabControl::OnKeyDown(WPARAM key) {
    NMHDR header;
    NotifyParent(hwnd_, header, TCN_KEYDOWN);
    const bool across = SideOf() == Side::Left || SideOf() == Side::Right;
    const WPARAM previous = across ? VK_UP : VK_LEFT;
    const WPARAM next = across ? VK_DOWN : VK_RIGHT;
    if (key == previous)
        ChangeSelection(selected_ - 1);
    else if (key == next)
        ChangeSelection(selected_ + 1);
    else if (key == VK_HOME)
        ChangeSelection(0);
    else if (key == VK_END)
        ChangeSelection(Count() - 1);
}

void TabControl::PaintTab(HDC hdc, int index) {
    RECT rect = ItemRect(index);
    const bool selected = index == selected_;
    const Item& item = items_[std::size_t(index)];
    if (Buttons()) {
        // Flat buttons show only the current one, pressed in.
        if (!(StyleOf(hwnd_) & TCS_FLATBUTTONS))
            DrawEdge(hdc, &rect, selected ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
        else if (selected)
            DrawEdge(hdc, &rect, BDR_SUNKENOUTER, BF_RECT);
    } else {
        const Side side = SideOf();
        if (selected) {
            // The current tab stands out by kRaise and covers the frame line.
            InflateRect(&rect, side == Side::Top || side == Side::Bottom ? kRaise : 0,
                        side == Side::Left || side == Side::Right ? kRaise : 0);
            if (side == Side::Top)
                rect.top -= kRaise, rect.bottom += 1;
            else if (side == Side::Bottom)
                rect.bottom += kRaise, rect.top -= 1;
            else if (side == Side::Left)
                rect.left -= kRaise, rect.right += 1;
            else
                rect.right += kRaise, rect.left -= 1;
        }
        FillRect(hdc, &rect, GetSysColorBrush(COLOR_3DFACE));
        const UINT open = side == Side::Top      ? BF_BOTTOM
                          : side == Side::Bottom ? BF_TOP
                          : side == Side::Left   ? BF_RIGHT
                                                 : BF_LEFT;
        RECT edge = rect;
        DrawEdge(hdc, &edge, EDGE_RAISED, (BF_RECT & ~open) | BF_SOFT);
        // Round the two outer corners by one pixel, as the classic tab shape does.
        const RECT corners[2] = {
            side == Side::Bottom  ? RECT{rect.left, rect.bottom - 1, rect.left + 1, rect.bottom}
            : side == Side::Right ? RECT{rect.right - 1, rect.top, rect.right, rect.top + 1}
                                  : RECT{rect.left, rect.top, rect.left + 1, rect.top + 1},
            side == Side::Bottom ? RECT{rect.right - 1, rect.bottom - 1, rect.right, rect.bottom}
            : side == Side::Left ? RECT{rect.left, rect.bottom - 1, rect.left + 1, rect.bottom}
                                 : RECT{rect.right - 1, rect.top, rect.right, rect.top + 1},
        };
        HBRUSH back = ParentColors(hwnd_, hdc, WM_CTLCOLORSTATIC);
        for (const RECT& corner : corners)
            FillRect(hdc, &corner, back ? back : GetSysColorBrush(COLOR_3DFACE));
    }
    RECT text = rect;
    InflateRect(&text, -padding_.cx / 2, -1);
    if (selected && Buttons())
        OffsetRect(&text, 1, 1);
    if (IsWindowEnabled(hwnd_))
        DrawText(hdc, item.text.c_str(), int(item.text.size()), &text,
                 DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
    else
        DrawDisabledText(hdc, item.text, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    if (index == focus_ && HasFocus(hwnd_)) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(hdc, &focus);
    }
}

void TabControl::Paint(HDC hdc) {
    DcState state(hdc, ControlFont(hwnd_));
    RECT client = ClientRect(hwnd_);
    HBRUSH back = ParentColors(hwnd_, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &client, back ? back : GetSysColorBrush(COLOR_3DFACE));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    if (!Buttons()) {
        RECT frame = PageFrame();
        DrawEdge(hdc, &frame, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
    // Unselected tabs first; the selected one last, over its neighbours.
    RECT visible = client;
    if (scroller_) {
        RECT box;
        GetWindowRect(scroller_, &box);
        visible.right -= box.right - box.left;
    }
    const int saved = SaveDC(hdc);
    IntersectClipRect(hdc, visible.left, visible.top, visible.right, visible.bottom);
    for (int i = first_; i < Count(); ++i)
        if (i != selected_)
            PaintTab(hdc, i);
    if (selected_ >= first_ && selected_ < Count())
        PaintTab(hdc, selected_);
    RestoreDC(hdc, saved);
}

LRESULT TabControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        UpdateScroller();
        Redraw(hwnd_);
        return 0;
    case WM_SETFONT:
        DefWindowProc(hwnd_, message, wParam, lParam);
        Measure();
        UpdateScroller();
        if (lParam)
            Redraw(hwnd_);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: { // a quick second click is still a press on a tab
        const int hit = HitTest(PointFrom(lParam));
        if (!(StyleOf(hwnd_) & TCS_FOCUSNEVER))
            SetFocus(hwnd_);
        if (hit >= 0)
            ChangeSelection(hit);
        return 0;
    }
    case WM_LBUTTONUP:
        if (HitTest(PointFrom(lParam)) >= 0) {
            NMHDR header;
            NotifyParent(hwnd_, header, NM_CLICK);
        }
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case WM_HSCROLL:
        // From the scroller: its position is the first tab shown.
        if (reinterpret_cast<HWND>(lParam) == scroller_ && LOWORD(wParam) == SB_THUMBPOSITION) {
            first_ = std::clamp(int(std::int16_t(HIWORD(wParam))), 0, std::max(0, Count() - 1));
            Redraw(hwnd_);
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case TCM_GETITEMCOUNT:
        return Count();
    case TCM_INSERTITEMA:
    case TCM_INSERTITEMW:
        return Insert(wParam, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_SETITEMA:
    case TCM_SETITEMW:
        return SetItem(wParam, reinterpret_cast<const TCITEM*>(lParam));
    case TCM_GETITEMA:
    case TCM_GETITEMW:
        return GetItem(wParam, reinterpret_cast<TCITEM*>(lParam));
    case TCM_DELETEITEM:
        return Delete(wParam);
    case TCM_DELETEALLITEMS:
        items_.clear();
        selected_ = focus_ = -1;
        UpdateScroller();
        Redraw(hwnd_);
        return TRUE;
    case TCM_GETITEMRECT:
        if (!Valid(wParam) || lParam == 0)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(int(wParam));
        return TRUE;
    case TCM_GETCURSEL:
        return selected_;
    case TCM_SETCURSEL: {
        const int previous = selected_;
        if (!Valid(wParam))
            return -1;
        SetSelection(int(wParam));
        return previous;
    }
    case TCM_GETCURFOCUS:
        return focus_;
    case TCM_SETCURFOCUS:
        if (Valid(wParam))
            ChangeSelection(int(wParam));
        return 0;
    case TCM_HITTEST: {
        auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
        if (info == nullptr)
            return -1;
        const int hit = HitTest(info->pt);
        info->flags = hit < 0 ? TCHT_NOWHERE : TCHT_ONITEMLABEL;
        return hit;
    }
    case TCM_ADJUSTRECT:
        if (lParam)
            *reinterpret_cast<RECT*>(lParam) =
                AdjustRect(wParam != 0, *reinterpret_cast<RECT*>(lParam));
        return 0;
    case TCM_SETITEMSIZE: {
        const LRESULT previous = LRESULT(MAKELONG(WORD(fixedWidth_), WORD(fixedHeight_)));
        fixedWidth_ = (StyleOf(hwnd_) & TCS_FIXEDWIDTH) ? LOWORD(std::uintptr_t(lParam)) : 0;
        fixedHeight_ = HIWORD(std::uintptr_t(lParam));
        Measure();
        UpdateScroller();
        Redraw(hwnd_);
        return previous;
    }
    case TCM_SETPADDING:
        padding_ = SIZE{LOWORD(std::uintptr_t(lParam)), HIWORD(std::uintptr_t(lParam))};
        Measure();
        Redraw(hwnd_);
        return 0;
    case TCM_GETROWCOUNT:
        return 1;
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
