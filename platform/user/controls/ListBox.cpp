#include "platform/user/controls/ListBox.h"

#include "platform/gdi/Utf8.h"
#include "platform/kernel/Utf8Encoder.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace win::controls {

namespace {

constexpr DWORD kTypeAheadPause = 1000; // milliseconds that end a typed prefix

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           strncasecmp(text.data(), prefix.data(), prefix.size()) == 0;
}

} // namespace

void ListBox::Register() {
    RegisterControlClass(WC_LISTBOX, ControlProc<ListBox>, CS_DBLCLKS | CS_PARENTDC, -1);
    RegisterControlClass(WC_COMBOLBOX, ControlProc<ListBox>, CS_DBLCLKS | CS_SAVEBITS, -1);
}

ListBox::ListBox(HWND hwnd) : hwnd_(hwnd) {
    char name[16] = {};
    GetClassName(hwnd, name, sizeof name);
    dropList_ = strcasecmp(name, WC_COMBOLBOX) == 0;
    vscroll_ = StyleOf(hwnd) & WS_VSCROLL;
    MeasuringDc dc;
    DcState state(dc.Dc(), static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    itemHeight_ = LineHeight(dc.Dc());
}

HWND ListBox::OwnerDrawTarget() const {
    // A pop-up's items are measured and drawn by the combo box's parent.
    return dropList_ ? (combo_ ? GetParent(combo_) : nullptr) : GetParent(hwnd_);
}

int ListBox::ItemHeight(int index) const {
    if ((StyleOf(hwnd_) & LBS_OWNERDRAWVARIABLE) && index >= 0 && index < Count())
        return std::max(1, items_[std::size_t(index)].height);
    return std::max(1, itemHeight_);
}

void ListBox::MeasureItem(int index) {
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = UINT(GetDlgCtrlID(hwnd_));
    measure.itemID = UINT(std::max(0, index));
    measure.itemHeight = UINT(itemHeight_);
    measure.itemWidth = UINT(ClientRect(hwnd_).right);
    if (index >= 0 && index < Count())
        measure.itemData = items_[std::size_t(index)].data;
    if (HWND target = OwnerDrawTarget()) {
        if (dropList_)
            measure.CtlType = ODT_COMBOBOX, measure.CtlID = UINT(GetDlgCtrlID(combo_));
        SendMessage(target, WM_MEASUREITEM, measure.CtlID, reinterpret_cast<LPARAM>(&measure));
    }
    if (index < 0)
        itemHeight_ = int(measure.itemHeight);
    else
        items_[std::size_t(index)].height = int(measure.itemHeight);
}

LRESULT ListBox::Insert(int index, LPARAM value) {
    Item item;
    if (HasStrings()) {
        const char* text = reinterpret_cast<const char*>(value);
        item.text = text ? text : "";
    } else {
        item.data = std::uintptr_t(value);
    }
    if (index < 0 || index > Count())
        index = Count();
    if ((StyleOf(hwnd_) & LBS_SORT) && HasStrings() && index == Count()) {
        // LB_ADDSTRING in a sorted list: after every item that sorts before
        // or equal, found by halving.
        auto at =
            std::upper_bound(items_.begin(), items_.end(), item, [](const Item& a, const Item& b) {
                return strcasecmp(a.text.c_str(), b.text.c_str()) < 0;
            });
        index = int(at - items_.begin());
    }
    items_.insert(items_.begin() + index, std::move(item));
    if (selected_ >= index)
        ++selected_;
    if (StyleOf(hwnd_) & LBS_OWNERDRAWVARIABLE)
        MeasureItem(index);
    ShowChange();
    return index;
}

LRESULT ListBox::Delete(WPARAM index) {
    if (!Valid(index))
        return LB_ERR;
    items_.erase(items_.begin() + std::ptrdiff_t(index));
    if (selected_ == int(index))
        selected_ = -1;
    else if (selected_ > int(index))
        --selected_;
    caret_ = std::clamp(caret_, 0, std::max(0, Count() - 1));
    SetTop(top_);
    ShowChange();
    return Count();
}

void ListBox::Reset() {
    items_.clear();
    selected_ = -1;
    caret_ = 0;
    top_ = 0;
    ShowChange();
}

LRESULT ListBox::Find(WPARAM after, const char* prefix, bool exact) const {
    if (prefix == nullptr || items_.empty())
        return LB_ERR;
    // The search starts after `after` and wraps; -1 searches from the top.
    const std::size_t count = items_.size();
    const std::size_t first = std::intptr_t(after) < 0 || after >= count ? 0 : after + 1;
    const std::string_view wanted(prefix);
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = (first + step) % count;
        const std::string& text = items_[i].text;
        const bool match = exact ? text.size() == wanted.size() && StartsWith(text, wanted)
                                 : StartsWith(text, wanted);
        if (match)
            return LRESULT(i);
    }
    return LB_ERR;
}

LRESULT ListBox::GetText(WPARAM index, char* buffer) const {
    if (!Valid(index) || buffer == nullptr)
        return LB_ERR;
    if (!HasStrings()) {
        std::memcpy(buffer, &items_[index].data, sizeof(std::uintptr_t));
        return sizeof(std::uintptr_t);
    }
    const std::string& text = items_[index].text;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return LRESULT(text.size());
}

LRESULT ListBox::TextLength(WPARAM index) const {
    if (!Valid(index))
        return LB_ERR;
    return HasStrings() ? LRESULT(items_[index].text.size()) : LRESULT(sizeof(std::uintptr_t));
}

int ListBox::VisibleCount() const {
    const RECT client = ClientRect(hwnd_);
    int height = client.bottom, count = 0;
    for (int i = top_; i < Count() && height > 0; ++i, ++count)
        height -= ItemHeight(i);
    if (height > 0)
        count += height / ItemHeight(-1);
    return std::max(1, count);
}

void ListBox::SetTop(int top) {
    // The last page is full: the bottom item shows whole at the bottom.
    const int lastTop = Count() == 0 ? 0 : TopShowingLast(Count() - 1);
    top = std::clamp(top, 0, lastTop);
    if (top == top_)
        return;
    top_ = top;
    ShowChange();
}

void ListBox::Select(int index, Notify notify) {
    index = Count() == 0 ? -1 : std::clamp(index, -1, Count() - 1);
    const bool changed = index != selected_;
    selected_ = index;
    if (index >= 0) {
        caret_ = index;
        if (index < top_)
            SetTop(index);
        else if (ItemRect(index).bottom > ClientRect(hwnd_).bottom)
            SetTop(TopShowingLast(index));
    }
    if (changed) {
        Redraw(hwnd_);
        if (notify == Notify::Yes && (StyleOf(hwnd_) & LBS_NOTIFY) && !dropList_)
            NotifyCommand(hwnd_, LBN_SELCHANGE);
    }
}

int ListBox::TopShowingLast(int index) const {
    const int height = ClientRect(hwnd_).bottom;
    int top = index, used = ItemHeight(index);
    while (top > 0 && used + ItemHeight(top - 1) <= height)
        used += ItemHeight(--top);
    return top;
}

RECT ListBox::ItemRect(int index) const {
    const RECT client = ClientRect(hwnd_);
    int y = 0;
    if (index >= top_)
        for (int i = top_; i < index; ++i)
            y += ItemHeight(i);
    else
        for (int i = index; i < top_; ++i)
            y -= ItemHeight(i);
    return RECT{0, y, client.right, y + ItemHeight(index)};
}

int ListBox::ItemAt(POINT point) const {
    if (point.y < 0)
        return std::max(0, top_ - 1);
    int y = 0;
    for (int i = top_; i < Count(); ++i) {
        y += ItemHeight(i);
        if (point.y < y)
            return i;
    }
    return Count() - 1;
}

void ListBox::ShowChange() {
    if (!redraw_)
        return;
    UpdateScrollBar();
    Redraw(hwnd_);
}

void ListBox::UpdateScrollBar() {
    if (!vscroll_ || !redraw_)
        return;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS |
                 ((StyleOf(hwnd_) & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
    info.nMin = 0;
    info.nMax = std::max(0, Count() - 1);
    info.nPage = UINT(VisibleCount());
    info.nPos = top_;
    SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void ListBox::OnVScroll(WORD code) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, SB_VERT, &info);
    const int page = std::max(1, VisibleCount() - 1);
    switch (code) {
    case SB_LINEUP:
        SetTop(top_ - 1);
        break;
    case SB_LINEDOWN:
        SetTop(top_ + 1);
        break;
    case SB_PAGEUP:
        SetTop(top_ - page);
        break;
    case SB_PAGEDOWN:
        SetTop(top_ + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetTop(info.nTrackPos);
        break;
    case SB_TOP:
        SetTop(0);
        break;
    case SB_BOTTOM:
        SetTop(Count());
        break;
    default:
        break;
    }
}

void ListBox::OnKeyDown(WPARAM key) {
    const int page = std::max(1, VisibleCount() - 1);
    const int from = selected_ < 0 ? caret_ : selected_;
    int to = from;
    switch (key) {
    case VK_UP:
        to = selected_ < 0 ? 0 : from - 1;
        break;
    case VK_DOWN:
        to = selected_ < 0 ? 0 : from + 1;
        break;
    case VK_PRIOR:
        to = from - page;
        break;
    case VK_NEXT:
        to = from + page;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = Count() - 1;
        break;
    default:
        return;
    }
    if (Count() > 0)
        Select(std::clamp(to, 0, Count() - 1), Notify::Yes);
}

void ListBox::OnChar(char32_t character) {
    if (character < 0x20 || !HasStrings())
        return;
    // Characters typed in quick succession build a prefix; a pause starts anew.
    const DWORD now = GetMessageTime();
    if (now - typedAt_ > kTypeAheadPause)
        typed_.clear();
    typedAt_ = now;
    std::string previous = typed_;
    std::string typedCharacter;
    AppendUtf8(typedCharacter, character);
    typed_ += typedCharacter;
    // One repeated character cycles through the items that start with it.
    const bool cycling = typed_.size() > 1 &&
                         previous == std::string(typed_.size() - 1, typed_[0]) &&
                         typed_.back() == typed_[0];
    const std::string prefix = cycling ? std::string(1, typed_[0]) : typed_;
    const WPARAM after = cycling || typed_.size() == typedCharacter.size()
                             ? WPARAM(selected_)
                             : WPARAM(std::max(-1, selected_ - 1));
    const LRESULT found = Find(after, prefix.c_str(), false);
    if (found != LB_ERR)
        Select(int(found), Notify::Yes);
}

void ListBox::OnButtonDown(POINT point, bool doubleClick) {
    if (dropList_) {
        // The pop-up holds the capture while open: a press outside cancels.
        if (!Contains(ClientRect(hwnd_), point)) {
            SendMessage(combo_, LBCB_TRACKDONE, 0, 0);
            return;
        }
        tracking_ = true;
        if (Count() > 0)
            Select(ItemAt(point), Notify::No);
        return;
    }
    SetFocus(hwnd_);
    if (Count() == 0)
        return;
    if (doubleClick) {
        if (StyleOf(hwnd_) & LBS_NOTIFY)
            NotifyCommand(hwnd_, LBN_DBLCLK);
        return;
    }
    tracking_ = true;
    SetCapture(hwnd_);
    Select(ItemAt(point), Notify::Yes);
}

void ListBox::OnMouseMove(POINT point) {
    if (dropList_) {
        // A drop-down list follows the mouse, held button or not.
        if (Contains(ClientRect(hwnd_), point) && Count() > 0)
            Select(ItemAt(point), Notify::No);
        return;
    }
    if (tracking_ && Count() > 0)
        Select(ItemAt(point), Notify::Yes);
}

void ListBox::OnButtonUp(POINT point) {
    if (dropList_) {
        tracking_ = false;
        if (Contains(ClientRect(hwnd_), point))
            SendMessage(combo_, LBCB_TRACKDONE, 1, 0);
        return;
    }
    if (!tracking_)
        return;
    tracking_ = false;
    ReleaseCapture();
}

void ListBox::PaintItem(HDC hdc, int index, const RECT& rect) {
    const bool selected = index == selected_;
    const bool focused = HasFocus(hwnd_) && index == caret_;
    if (OwnerDraw()) {
        DRAWITEMSTRUCT item;
        item.CtlType = dropList_ ? ODT_COMBOBOX : ODT_LISTBOX;
        item.CtlID = UINT(GetDlgCtrlID(hwnd_));
        item.itemID = UINT(index);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = (selected ? ODS_SELECTED : 0) | (focused ? ODS_FOCUS : 0) |
                         (IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED);
        item.hwndItem = hwnd_;
        item.hDC = hdc;
        item.rcItem = rect;
        item.itemData = items_[std::size_t(index)].data;
        HWND target = OwnerDrawTarget();
        if (dropList_)
            item.CtlID = UINT(GetDlgCtrlID(combo_));
        if (target)
            SendMessage(target, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    const COLORREF normal = GetTextColor(hdc);
    if (selected) {
        FillRect(hdc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const std::string& text = items_[std::size_t(index)].text;
    RECT box = rect;
    box.left += 2;
    DrawText(hdc, text.c_str(), int(text.size()), &box,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX |
                 ((StyleOf(hwnd_) & LBS_USETABSTOPS) ? DT_EXPANDTABS : 0));
    SetTextColor(hdc, normal);
    if (focused)
        DrawFocusRect(hdc, &rect);
}

void ListBox::Paint(HDC hdc) {
    DcState state(hdc, ControlFont(hwnd_));
    const HBRUSH background = ParentColors(hwnd_, hdc, WM_CTLCOLORLISTBOX);
    if (!IsWindowEnabled(hwnd_))
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    RECT client = ClientRect(hwnd_);
    if (background)
        FillRect(hdc, &client, background);
    int y = 0;
    for (int i = top_; i < Count() && y < client.bottom; ++i) {
        const RECT rect{0, y, client.right, y + ItemHeight(i)};
        PaintItem(hdc, i, rect);
        y = rect.bottom;
    }
    if (Count() == 0 && HasFocus(hwnd_)) {
        RECT empty{0, 0, client.right, ItemHeight(-1)};
        DrawFocusRect(hdc, &empty);
    }
}

LRESULT ListBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        if (dropList_ && lParam)
            combo_ =
                static_cast<HWND>(reinterpret_cast<const CREATESTRUCT*>(lParam)->lpCreateParams);
        return DefWindowProc(hwnd_, message, wParam, lParam);
    case WM_MOUSEACTIVATE:
        // Clicking the pop-up leaves the focus and activation where they are.
        return dropList_ ? MA_NOACTIVATE : DefWindowProc(hwnd_, message, wParam, lParam);
    case WM_CREATE:
        if (StyleOf(hwnd_) & LBS_OWNERDRAWFIXED)
            MeasureItem(-1);
        UpdateScrollBar();
        return 0;
    case WM_SIZE:
        SetTop(top_);
        UpdateScrollBar();
        return 0;
    case WM_SETFONT: {
        DefWindowProc(hwnd_, message, wParam, lParam);
        font_ = reinterpret_cast<HFONT>(wParam);
        MeasuringDc dc;
        DcState state(dc.Dc(), ControlFont(hwnd_));
        if (!OwnerDraw())
            itemHeight_ = LineHeight(dc.Dc());
        UpdateScrollBar();
        if (lParam)
            Redraw(hwnd_);
        return 0;
    }
    case WM_SETREDRAW:
        // While off, changes touch the items only; turning it on brings the
        // scroll bar up to date once, and the caller invalidates to repaint.
        redraw_ = wParam != 0;
        DefWindowProc(hwnd_, message, wParam, lParam);
        UpdateScrollBar();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Redraw(hwnd_);
        if ((StyleOf(hwnd_) & LBS_NOTIFY) && !dropList_)
            NotifyCommand(hwnd_, message == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        Redraw(hwnd_);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        return 0;
    case WM_CHAR:
        OnChar(char32_t(wParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(PointFrom(lParam), message == WM_LBUTTONDBLCLK);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(PointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(PointFrom(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        tracking_ = false;
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        SetTop(top_ - 3 * std::int16_t(HIWORD(wParam)) / WHEEL_DELTA);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case LB_ADDSTRING:
        return Insert(-1, lParam);
    case LB_INSERTSTRING:
        return Insert(int(std::intptr_t(wParam)) < 0
                          ? Count()
                          : int(std::min<WPARAM>(wParam, WPARAM(Count()))),
                      lParam);
    case LB_DELETESTRING:
        return Delete(wParam);
    case LB_RESETCONTENT:
        Reset();
        return 0;
    case LB_GETCOUNT:
        return Count();
    case LB_GETCURSEL:
        return selected_;
    case LB_SETCURSEL:
        if (std::intptr_t(wParam) < 0 || !Valid(wParam)) {
            Select(-1, Notify::No);
            return LB_ERR;
        }
        Select(int(wParam), Notify::No);
        return LRESULT(wParam);
    case LB_GETSEL:
        return Valid(wParam) ? (int(wParam) == selected_ ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT:
        return LB_ERR; // single-selection lists, as on Windows
    case LB_GETTEXT:
        return GetText(wParam, reinterpret_cast<char*>(lParam));
    case LB_GETTEXTLEN:
        return TextLength(wParam);
    case LB_GETITEMDATA:
        return Valid(wParam) ? LRESULT(items_[wParam].data) : LB_ERR;
    case LB_SETITEMDATA:
        if (!Valid(wParam))
            return LB_ERR;
        items_[wParam].data = std::uintptr_t(lParam);
        return 0;
    case LB_FINDSTRING:
        return Find(wParam, reinterpret_cast<const char*>(lParam), false);
    case LB_FINDSTRINGEXACT:
        return Find(wParam, reinterpret_cast<const char*>(lParam), true);
    case LB_SELECTSTRING: {
        const LRESULT found = Find(wParam, reinterpret_cast<const char*>(lParam), false);
        if (found != LB_ERR)
            Select(int(found), Notify::No);
        return found;
    }
    case LB_GETTOPINDEX:
        return top_;
    case LB_SETTOPINDEX:
        if (!Valid(wParam) && wParam != 0)
            return LB_ERR;
        SetTop(int(wParam));
        return 0;
    case LB_GETITEMRECT:
        if ((!Valid(wParam) && !(wParam == 0 && Count() == 0)) || lParam == 0)
            return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = ItemRect(int(wParam));
        return 1;
    case LB_GETITEMHEIGHT:
        return ItemHeight(int(wParam));
    case LB_SETITEMHEIGHT:
        if (LOWORD(std::uintptr_t(lParam)) == 0 || LOWORD(std::uintptr_t(lParam)) > 255)
            return LB_ERR;
        if ((StyleOf(hwnd_) & LBS_OWNERDRAWVARIABLE) && Valid(wParam))
            items_[wParam].height = LOWORD(std::uintptr_t(lParam));
        else
            itemHeight_ = LOWORD(std::uintptr_t(lParam));
        ShowChange();
        return 0;
    case LB_GETCARETINDEX:
        return caret_;
    case LB_SETCARETINDEX:
        if (!Valid(wParam))
            return LB_ERR;
        caret_ = int(wParam);
        Redraw(hwnd_);
        return 0;
    case LB_INITSTORAGE:
        items_.reserve(items_.size() + wParam);
        return LRESULT(items_.capacity());
    case LB_ITEMFROMPOINT: {
        const POINT point = PointFrom(lParam);
        const int item = ItemAt(point);
        const bool outside = !Contains(ClientRect(hwnd_), point) || item < 0;
        return LRESULT(MAKELONG(WORD(std::max(0, item)), WORD(outside ? 1 : 0)));
    }
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
