// The standard scroll bars' state (SetScrollInfo and its family) and geometry.

#include "platform/user/ScrollBars.h"

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Desktop.h"
#include "platform/user/NonClient.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WindowTree.h"
#include "platform/user/controls/StandardControls.h"

#include <algorithm>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

ScrollBarState* StateOf(HWND hwnd, int bar) {
    Window* w = Find(hwnd);
    if (w == nullptr || (bar != SB_HORZ && bar != SB_VERT))
        return nullptr;
    return bar == SB_HORZ ? &w->hscroll : &w->vscroll;
}

DWORD StyleBit(int bar) {
    return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
}

// Positions the thumb can take: max - min + 1 minus the page, at least 0.
int Span(const ScrollBarState& s) {
    return std::max(0, s.max - s.min + 1 - int(std::max<UINT>(s.page, 1)) + 1);
}

int MaxPos(const ScrollBarState& s) {
    return s.max - std::max<int>(int(s.page) - 1, 0);
}

void RedrawBar(HWND hwnd) {
    const Window* w = Find(hwnd);
    if (w != nullptr && IsShown(*w))
        RedrawNonClient(hwnd);
}

} // namespace

ScrollBarGeometry ScrollBarGeometryOf(HWND hwnd, int bar) {
    ScrollBarGeometry g;
    const Window* w = Find(hwnd);
    const ScrollBarState* s = StateOf(hwnd, bar);
    if (w == nullptr || s == nullptr)
        return g;
    const NonClientLayout layout = LayoutOf(hwnd);
    g.vertical = bar == SB_VERT;
    g.bar = g.vertical ? layout.vscroll : layout.hscroll;
    g.present = (w->style & StyleBit(bar)) && !IsRectEmpty(&g.bar);
    if (!g.present)
        return g;
    const int length = g.vertical ? RectHeight(g.bar) : RectWidth(g.bar);
    const int thickness = g.vertical ? RectWidth(g.bar) : RectHeight(g.bar);
    g.arrow = std::min(thickness, length / 2);
    const int track = length - 2 * g.arrow;
    const int range = s->max - s->min + 1;
    g.enabled = (w->style & WS_DISABLED) == 0 && s->disabledArrows != ESB_DISABLE_BOTH &&
                range > int(s->page) && s->max > s->min;
    if (!g.enabled || track <= 0)
        return g;
    int thumb = s->page == 0 ? GetSystemMetrics(g.vertical ? SM_CYVTHUMB : SM_CXHTHUMB)
                             : MulDiv(track, int(s->page), range);
    thumb = std::max(thumb, 8);
    if (thumb > track)
        return g;
    const int pos = s->tracking ? s->trackPos : s->pos;
    const int positions = MaxPos(*s) - s->min;
    const int offset = positions <= 0 ? 0 : MulDiv(track - thumb, pos - s->min, positions);
    g.thumbStart = g.arrow + std::clamp(offset, 0, track - thumb);
    g.thumbEnd = g.thumbStart + thumb;
    return g;
}

int ScrollBarPartAt(const ScrollBarGeometry& g, POINT p) {
    if (!g.present || !Contains(g.bar, p))
        return -1;
    const int along = g.vertical ? p.y - g.bar.top : p.x - g.bar.left;
    const int length = g.vertical ? RectHeight(g.bar) : RectWidth(g.bar);
    if (along < g.arrow)
        return SB_LINEUP;
    if (along >= length - g.arrow)
        return SB_LINEDOWN;
    if (g.thumbEnd == 0)
        return -1;
    if (along < g.thumbStart)
        return SB_PAGEUP;
    if (along < g.thumbEnd)
        return SB_THUMBTRACK;
    return SB_PAGEDOWN;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    // A scroll-bar control keeps its own state: the calls become its messages.
    if (bar == SB_CTL)
        return int(
            SendMessage(hwnd, SBM_SETSCROLLINFO, WPARAM(redraw), reinterpret_cast<LPARAM>(info)));
    ScrollBarState* s = StateOf(hwnd, bar);
    if (s == nullptr || info == nullptr)
        return 0;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = std::max(info->nMin, info->nMax);
    }
    if (info->fMask & SIF_PAGE)
        s->page = info->nPage;
    s->page = std::min<UINT>(s->page, UINT(s->max - s->min + 1));
    if (info->fMask & SIF_POS)
        s->pos = info->nPos;
    s->pos = std::clamp(s->pos, s->min, std::max(s->min, MaxPos(*s)));
    const int pos = s->pos;
    // An empty range hides the bar unless the caller asks to keep it disabled.
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool scrollable = Span(*s) > 1;
        if (!scrollable && !(info->fMask & SIF_DISABLENOSCROLL))
            ShowScrollBar(hwnd, bar, FALSE);
        else if (scrollable)
            ShowScrollBar(hwnd, bar, TRUE);
    }
    if (redraw)
        RedrawBar(hwnd);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    if (bar == SB_CTL)
        return BOOL(SendMessage(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
    const ScrollBarState* s = StateOf(hwnd, bar);
    if (s == nullptr || info == nullptr || !(info->fMask & SIF_ALL))
        return FALSE;
    if (info->fMask & SIF_RANGE) {
        info->nMin = s->min;
        info->nMax = s->max;
    }
    if (info->fMask & SIF_PAGE)
        info->nPage = s->page;
    if (info->fMask & SIF_POS)
        info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS)
        info->nTrackPos = s->tracking ? s->trackPos : s->pos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    if (!GetScrollInfo(hwnd, bar, &info))
        return 0;
    const int old = info.nPos;
    info.nPos = pos;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar) {
    SCROLLINFO info;
    info.fMask = SIF_POS;
    return GetScrollInfo(hwnd, bar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    if (!GetScrollInfo(hwnd, bar, &info))
        return FALSE;
    info.nMin = min;
    info.nMax = max;
    SetScrollInfo(hwnd, bar, &info, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* min, int* max) {
    SCROLLINFO info;
    info.fMask = SIF_RANGE;
    if (!GetScrollInfo(hwnd, bar, &info))
        return FALSE;
    if (min != nullptr)
        *min = info.nMin;
    if (max != nullptr)
        *max = info.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    Window* w = Find(hwnd);
    if (w == nullptr)
        return FALSE;
    DWORD bits = bar == SB_BOTH                     ? (WS_HSCROLL | WS_VSCROLL)
                 : bar == SB_HORZ || bar == SB_VERT ? StyleBit(bar)
                                                    : 0;
    if (bits == 0)
        return FALSE;
    const DWORD style = show ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style)
        return TRUE;
    w->style = style;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && bar != UINT(b))
            continue;
        ScrollBarState* s = StateOf(hwnd, b);
        if (s == nullptr)
            return FALSE;
        changed = changed || s->disabledArrows != arrows;
        s->disabledArrows = arrows;
    }
    if (changed)
        RedrawBar(hwnd);
    return changed ? TRUE : FALSE;
}

BOOL GetScrollBarInfo(HWND hwnd, LONG object, SCROLLBARINFO* info) {
    if (object == OBJID_CLIENT)
        return BOOL(SendMessage(hwnd, SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(info)));
    const Window* w = Find(hwnd);
    if (w == nullptr || info == nullptr || (object != OBJID_HSCROLL && object != OBJID_VSCROLL))
        return FALSE;
    const int bar = object == OBJID_HSCROLL ? SB_HORZ : SB_VERT;
    const ScrollBarGeometry g = ScrollBarGeometryOf(hwnd, bar);
    const POINT origin = WindowScreenOrigin(*w);
    *info = SCROLLBARINFO{};
    info->rcScrollBar = Offset(g.bar, origin.x, origin.y);
    info->dxyLineButton = g.arrow;
    info->xyThumbTop = g.thumbStart;
    info->xyThumbBottom = g.thumbEnd;
    if (!g.present)
        info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
    else if (!g.enabled)
        info->rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
    return TRUE;
}

} // namespace win
