#include "platform/user/controls/StatusBar.h"

#include <algorithm>
#include <cstring>

namespace win::controls {

namespace {

constexpr int kTopBorder = 2;
constexpr int kGap = 2; // between parts
constexpr std::size_t kMaxParts = 256;
constexpr WPARAM SC_SIZE_BOTTOMRIGHT = 0xF008; // SC_SIZE + WMSZ_BOTTOMRIGHT

} // namespace

void StatusBar::Register() {
    RegisterControlClass(STATUSCLASSNAME, ControlProc<StatusBar>, CS_DBLCLKS | CS_HREDRAW, -1);
}

void StatusBar::MeasureHeight() {
    MeasuringDc dc;
    DcState state(dc.Dc(), ControlFont(hwnd_));
    height_ = std::max(minHeight_, LineHeight(dc.Dc()) + 7);
}

void StatusBar::PlaceAtParentBottom() {
    HWND parent = GetParent(hwnd_);
    if (parent == nullptr)
        return;
    const RECT area = ClientRect(parent);
    MoveWindow(hwnd_, 0, area.bottom - height_, area.right, height_, TRUE);
}

StatusBar::Part* StatusBar::PartOf(WPARAM index) {
    if ((index & 0xFF) == SB_SIMPLEID)
        return &simple_;
    return (index & 0xFF) < parts_.size() ? &parts_[index & 0xFF] : nullptr;
}

LRESULT StatusBar::SetParts(WPARAM count, const int* rights) {
    if (count == 0 || count > kMaxParts || rights == nullptr)
        return FALSE;
    parts_.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        parts_[i].right = rights[i];
    Redraw(hwnd_);
    return TRUE;
}

LRESULT StatusBar::SetText(WPARAM which, LPARAM text) {
    Part* part = PartOf(which);
    if (part == nullptr)
        return FALSE;
    part->type = which & 0xFF00;
    if (part->type & SBT_OWNERDRAW) {
        part->data = text;
        part->text.clear();
    } else {
        part->text = text ? reinterpret_cast<const char*>(text) : "";
    }
    Redraw(hwnd_);
    return TRUE;
}

LRESULT StatusBar::GetText(WPARAM index, char* buffer) {
    Part* part = PartOf(index);
    if (part == nullptr)
        return 0;
    if (part->type & SBT_OWNERDRAW)
        return part->data;
    if (buffer)
        std::memcpy(buffer, part->text.c_str(), part->text.size() + 1);
    return LRESULT(MAKELONG(WORD(part->text.size()), WORD(part->type)));
}

RECT StatusBar::GripRect() const {
    const RECT client = ClientRect(hwnd_);
    const int size = client.bottom - kTopBorder;
    return RECT{client.right - size, kTopBorder, client.right, client.bottom};
}

RECT StatusBar::PartRect(std::size_t index) const {
    const RECT client = ClientRect(hwnd_);
    const bool grip = StyleOf(hwnd_) & SBARS_SIZEGRIP;
    const int end = grip ? GripRect().left : int(client.right);
    const int left = index == 0 ? 0 : parts_[index - 1].right + kGap;
    int right = parts_[index].right < 0 ? end : parts_[index].right;
    if (index + 1 == parts_.size() || parts_[index].right < 0)
        right = std::min(right, int(client.right));
    return RECT{std::min(left, int(client.right)), kTopBorder, std::max(left, right),
                client.bottom};
}

void StatusBar::PaintPart(HDC hdc, const Part& part, std::size_t index, RECT rect) {
    if (!(part.type & SBT_NOBORDERS))
        DrawEdge(hdc, &rect, (part.type & SBT_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                 BF_RECT | BF_ADJUST);
    if (part.type & SBT_OWNERDRAW) {
        DRAWITEMSTRUCT item;
        item.CtlID = UINT(GetDlgCtrlID(hwnd_));
        item.itemID = UINT(index);
        item.hwndItem = hwnd_;
        item.hDC = hdc;
        item.rcItem = rect;
        item.itemData = std::uintptr_t(part.data);
        if (HWND parent = GetParent(hwnd_))
            SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return;
    }
    // Text after one tab is centred, after two right-aligned.
    RECT box = rect;
    InflateRect(&box, -2, 0);
    std::size_t start = 0;
    for (UINT align : {DT_LEFT, DT_CENTER, DT_RIGHT}) {
        if (start > part.text.size())
            break;
        const std::size_t tab = part.text.find('\t', start);
        const std::size_t end =
            align == DT_RIGHT || tab == std::string::npos ? part.text.size() : tab;
        DrawText(hdc, part.text.c_str() + start, int(end - start), &box,
                 align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
}

void StatusBar::Paint(HDC hdc) {
    DcState state(hdc, ControlFont(hwnd_));
    RECT client = ClientRect(hwnd_);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_3DFACE));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    if (simpleMode_) {
        RECT rect{0, kTopBorder, client.right, client.bottom};
        PaintPart(hdc, simple_, SB_SIMPLEID, rect);
    } else {
        for (std::size_t i = 0; i < parts_.size(); ++i)
            PaintPart(hdc, parts_[i], i, PartRect(i));
    }
    if (StyleOf(hwnd_) & SBARS_SIZEGRIP) {
        RECT grip = GripRect();
        DrawFrameControl(hdc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

LRESULT StatusBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        MeasureHeight();
        PlaceAtParentBottom();
        return 0;
    case WM_SIZE:
        // The parent passes its own WM_SIZE on: the bar follows its bottom.
        // Moving the bar sends WM_SIZE again, which must not move it again.
        if (!placing_) {
            placing_ = true;
            PlaceAtParentBottom();
            placing_ = false;
        }
        Redraw(hwnd_);
        return 0;
    case WM_NCHITTEST: {
        POINT point = PointFrom(lParam);
        ScreenToClient(hwnd_, &point);
        if ((StyleOf(hwnd_) & SBARS_SIZEGRIP) && Contains(GripRect(), point))
            return HTBOTTOMRIGHT;
        return HTCLIENT;
    }
    case WM_NCLBUTTONDOWN:
        // The grip sizes the top-level window, not the bar.
        if (wParam == WPARAM(HTBOTTOMRIGHT)) {
            if (HWND top = GetAncestor(hwnd_, GA_ROOT))
                SendMessage(top, WM_SYSCOMMAND, SC_SIZE_BOTTOMRIGHT, lParam);
            return 0;
        }
        return DefWindowProc(hwnd_, message, wParam, lParam);
    case WM_SETTEXT:
        DefWindowProc(hwnd_, message, wParam, lParam);
        return SetText(0, lParam);
    case WM_SETFONT:
        DefWindowProc(hwnd_, message, wParam, lParam);
        MeasureHeight();
        PlaceAtParentBottom();
        if (lParam)
            Redraw(hwnd_);
        return 0;
    case SB_SETPARTS:
        return SetParts(wParam, reinterpret_cast<const int*>(lParam));
    case SB_GETPARTS: {
        auto* rights = reinterpret_cast<int*>(lParam);
        for (std::size_t i = 0; rights && i < std::min<std::size_t>(wParam, parts_.size()); ++i)
            rights[i] = parts_[i].right;
        return LRESULT(parts_.size());
    }
    case SB_SETTEXTA:
    case SB_SETTEXTW:
        return SetText(wParam, lParam);
    case SB_GETTEXTA:
    case SB_GETTEXTW:
        return GetText(wParam, reinterpret_cast<char*>(lParam));
    case SB_GETTEXTLENGTHA:
    case SB_GETTEXTLENGTHW: {
        Part* part = PartOf(wParam);
        return part ? LRESULT(MAKELONG(WORD(part->text.size()), WORD(part->type))) : 0;
    }
    case SB_SIMPLE:
        simpleMode_ = wParam != 0;
        Redraw(hwnd_);
        return 0;
    case SB_ISSIMPLE:
        return simpleMode_ ? TRUE : FALSE;
    case SB_GETRECT:
        if (wParam >= parts_.size() || lParam == 0)
            return FALSE;
        *reinterpret_cast<RECT*>(lParam) = PartRect(wParam);
        return TRUE;
    case SB_GETBORDERS:
        if (auto* borders = reinterpret_cast<int*>(lParam)) {
            borders[0] = 0;
            borders[1] = kTopBorder;
            borders[2] = kGap;
        }
        return TRUE;
    case SB_SETMINHEIGHT:
        minHeight_ = int(wParam);
        MeasureHeight();
        PlaceAtParentBottom();
        return 0;
    default:
        return DefWindowProc(hwnd_, message, wParam, lParam);
    }
}

} // namespace win::controls
