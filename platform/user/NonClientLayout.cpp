#include "platform/user/NonClientLayout.h"

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Messages.h"
#include "platform/user/Rects.h"
#include "platform/user/Styles.h"

#include <algorithm>

namespace win {

namespace {

NonClientLayout::Frame FrameKind(DWORD style, DWORD exStyle) {
    if (style & WS_THICKFRAME)
        return NonClientLayout::Frame::Sizing;
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & WS_DLGFRAME))
        return NonClientLayout::Frame::Dialog;
    if ((style & WS_BORDER) || !(style & (WS_CHILD | WS_POPUP)))
        return NonClientLayout::Frame::Thin;
    return NonClientLayout::Frame::None;
}

int FrameThickness(NonClientLayout::Frame frame, bool vertical) {
    switch (frame) {
    case NonClientLayout::Frame::Sizing:
        return GetSystemMetrics(vertical ? SM_CYFRAME : SM_CXFRAME);
    case NonClientLayout::Frame::Dialog:
        return GetSystemMetrics(vertical ? SM_CYDLGFRAME : SM_CXDLGFRAME);
    case NonClientLayout::Frame::Thin:
        return GetSystemMetrics(vertical ? SM_CYBORDER : SM_CXBORDER);
    case NonClientLayout::Frame::None:
        break;
    }
    return 0;
}

RECT Deflate(RECT r, int dx, int dy) {
    InflateRect(&r, -dx, -dy);
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

// Caption buttons, right to left: close, then maximise and minimise side by side.
void LayoutCaptionButtons(NonClientLayout& l, DWORD style, DWORD exStyle) {
    if (!(style & WS_SYSMENU))
        return;
    const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    const int height = RectHeight(l.caption) - 4;
    const int width = GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    int right = l.caption.right - 2;
    const int top = l.caption.top + 2;
    l.closeButton = RECT{right - width, top, right, top + height};
    right = l.closeButton.left - 2;
    if (!tool && (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) {
        l.maxButton = RECT{right - width, top, right, top + height};
        l.minButton = RECT{l.maxButton.left - width, top, l.maxButton.left, top + height};
    }
    if (!tool && !(exStyle & WS_EX_DLGMODALFRAME)) {
        const int icon = GetSystemMetrics(SM_CXSMICON);
        l.sysIcon = RECT{l.caption.left + 2, l.caption.top + (RectHeight(l.caption) - icon) / 2,
                         l.caption.left + 2 + icon,
                         l.caption.top + (RectHeight(l.caption) - icon) / 2 + icon};
    }
}

void LayoutScrollBars(NonClientLayout& l, DWORD style, DWORD exStyle) {
    RECT area = l.edgeInner;
    const int vWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int hHeight = GetSystemMetrics(SM_CYHSCROLL);
    const bool left = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    if ((style & WS_VSCROLL) && RectWidth(area) >= vWidth) {
        if (left) {
            l.vscroll = RECT{area.left, area.top, area.left + vWidth, area.bottom};
            area.left += vWidth;
        } else {
            l.vscroll = RECT{area.right - vWidth, area.top, area.right, area.bottom};
            area.right -= vWidth;
        }
    }
    if ((style & WS_HSCROLL) && RectHeight(area) >= hHeight) {
        l.hscroll = RECT{area.left, area.bottom - hHeight, area.right, area.bottom};
        area.bottom -= hHeight;
        if (!IsRectEmpty(&l.vscroll)) {
            l.vscroll.bottom = area.bottom;
            l.sizeBox = RECT{l.vscroll.left, area.bottom, l.vscroll.right, l.hscroll.bottom};
        }
    }
    l.client = area;
}

} // namespace

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

NonClientLayout NonClientLayout::Compute(DWORD style, DWORD exStyle, SIZE size, bool hasMenu) {
    NonClientLayout l;
    l.window = RECT{0, 0, std::max<LONG>(size.cx, 0), std::max<LONG>(size.cy, 0)};
    l.frame = FrameKind(style, exStyle);
    l.frameX = FrameThickness(l.frame, false);
    l.frameY = FrameThickness(l.frame, true);
    l.frameInner = Deflate(l.window, l.frameX, l.frameY);
    RECT rest = l.frameInner;
    if (HasCaption(style)) {
        const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
        const int height = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
        // The caption's last row is the line between caption and client area.
        l.caption =
            RECT{rest.left, rest.top, rest.right, std::min(rest.top + height - 1, rest.bottom)};
        rest.top = std::min(rest.top + height, rest.bottom);
        LayoutCaptionButtons(l, style, exStyle);
    }
    if (hasMenu && !(style & WS_CHILD)) {
        const int height = GetSystemMetrics(SM_CYMENU);
        l.menu = RECT{rest.left, rest.top, rest.right, std::min(rest.top + height, rest.bottom)};
        rest.top = l.menu.bottom;
    }
    if (exStyle & WS_EX_CLIENTEDGE)
        rest = Deflate(rest, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
    if (exStyle & WS_EX_STATICEDGE)
        rest = Deflate(rest, GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER));
    l.edgeInner = rest;
    LayoutScrollBars(l, style, exStyle);
    return l;
}

int NonClientLayout::HitTest(POINT p, DWORD style) const {
    if (!Contains(window, p))
        return HTNOWHERE;
    if (Contains(client, p))
        return HTCLIENT;
    const bool sizable = frame == Frame::Sizing && !(style & (WS_MAXIMIZE | WS_MINIMIZE));
    if (!Contains(frameInner, p)) {
        if (!sizable)
            return HTBORDER;
        const int corner = GetSystemMetrics(SM_CXSIZE) + frameX;
        const bool left = p.x < window.left + corner;
        const bool right = p.x >= window.right - corner;
        const bool top = p.y < window.top + corner;
        const bool bottom = p.y >= window.bottom - corner;
        if (p.y < frameInner.top)
            return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
        if (p.y >= frameInner.bottom)
            return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
        if (p.x < frameInner.left)
            return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
        return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
    }
    if (Contains(caption, p)) {
        if (Contains(sysIcon, p))
            return HTSYSMENU;
        if (Contains(closeButton, p))
            return HTCLOSE;
        if (Contains(maxButton, p))
            return HTMAXBUTTON;
        if (Contains(minButton, p))
            return HTMINBUTTON;
        return HTCAPTION;
    }
    if (Contains(menu, p))
        return HTMENU;
    if (Contains(vscroll, p))
        return HTVSCROLL;
    if (Contains(hscroll, p))
        return HTHSCROLL;
    if (Contains(sizeBox, p))
        return sizable ? HTSIZE : HTBORDER;
    return HTBORDER;
}

} // namespace win
