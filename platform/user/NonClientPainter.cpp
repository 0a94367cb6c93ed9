// DefWindowProc's painting of the classic non-client area: frame, caption
// (active or inactive) with icon, text and buttons, menu row, client edge and
// scroll bars. The caption row is composed off screen and copied once.

#include "platform/gdi/Icons.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicPainter.h"
#include "platform/user/Desktop.h"
#include "platform/user/NonClient.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/ScratchBuffer.h"
#include "platform/user/ScrollBars.h"
#include "platform/user/WinUser.h"
#include "platform/user/menus/MenuBar.h"

#include <algorithm>

namespace win {

namespace {

Window* Find(HWND hwnd) {
    return Desktop::Get().Find(hwnd);
}

void PaintFrame(HDC hdc, const NonClientLayout& l, bool active) {
    RECT r = l.window;
    switch (l.frame) {
    case NonClientLayout::Frame::Thin:
        DrawEdgeLine(hdc, r, COLOR_WINDOWFRAME, COLOR_WINDOWFRAME);
        return;
    case NonClientLayout::Frame::None:
        return;
    case NonClientLayout::Frame::Dialog:
    case NonClientLayout::Frame::Sizing:
        break;
    }
    DrawEdgeLine(hdc, r, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
    InflateRect(&r, -1, -1);
    DrawEdgeLine(hdc, r, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
    InflateRect(&r, -1, -1);
    const int fill = l.frame == NonClientLayout::Frame::Sizing
                         ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER)
                         : COLOR_3DFACE;
    while (r.left < l.frameInner.left && r.top < l.frameInner.top) {
        DrawEdgeLine(hdc, r, fill, fill);
        InflateRect(&r, -1, -1);
    }
}

void PaintCaptionBackground(HDC hdc, const RECT& caption, bool active) {
    const COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF to =
        GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    TRIVERTEX vertices[2];
    vertices[0].x = caption.left;
    vertices[0].y = caption.top;
    vertices[0].Red = COLOR16(GetRValue(from) << 8);
    vertices[0].Green = COLOR16(GetGValue(from) << 8);
    vertices[0].Blue = COLOR16(GetBValue(from) << 8);
    vertices[1].x = caption.right;
    vertices[1].y = caption.bottom;
    vertices[1].Red = COLOR16(GetRValue(to) << 8);
    vertices[1].Green = COLOR16(GetGValue(to) << 8);
    vertices[1].Blue = COLOR16(GetBValue(to) << 8);
    GRADIENT_RECT mesh{0, 1};
    GradientFill(hdc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H);
}

void PaintCaptionButton(HDC hdc, const RECT& r, Glyph glyph, bool pressed, bool enabled) {
    if (IsRectEmpty(&r))
        return;
    DrawButtonFace(hdc, r, pressed ? ButtonFace::Pressed : ButtonFace::Raised);
    DrawGlyph(hdc, r, glyph, pressed, enabled);
}

// The caption row's off-screen buffer and the caption font, made on first
// use and kept for the GUI thread's life (the handle table frees them at
// exit): an unchanged repaint then creates no drawing objects.
class CaptionResources {
public:
    static CaptionResources& Get() {
        static CaptionResources resources;
        return resources;
    }

    HFONT Font() {
        if (font_ == nullptr) {
            NONCLIENTMETRICS metrics;
            SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
            font_ = CreateFontIndirect(&metrics.lfCaptionFont);
        }
        return font_;
    }

    // The caption row's buffer, at least `size`.
    HDC Buffer(SIZE size) { return buffer_.Get(size); }

private:
    HFONT font_ = nullptr;
    ScratchBuffer buffer_;
};

void PaintCaptionText(HDC hdc, const Window& w, const NonClientLayout& l, bool active) {
    RECT text = l.caption;
    text.left = (IsRectEmpty(&l.sysIcon) ? l.caption.left : l.sysIcon.right) + 3;
    const RECT* firstButton = !IsRectEmpty(&l.minButton) ? &l.minButton : &l.closeButton;
    if (!IsRectEmpty(firstButton))
        text.right = firstButton->left - 2;
    if (w.text.empty() || IsRectEmpty(&text))
        return;
    const HGDIOBJ old = SelectObject(hdc, CaptionResources::Get().Font());
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    DrawText(hdc, w.text.c_str(), int(w.text.size()), &text,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
    SelectObject(hdc, old);
}

// The window's small icon, else the class's, for the caption's left end.
HICON CaptionIcon(HWND hwnd, const NonClientLayout& l) {
    if (IsRectEmpty(&l.sysIcon))
        return nullptr;
    auto icon = reinterpret_cast<HICON>(SendMessage(hwnd, WM_GETICON, ICON_SMALL, 0));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(SendMessage(hwnd, WM_GETICON, ICON_BIG, 0));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(GetClassLongPtr(hwnd, GCLP_HICONSM));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(GetClassLongPtr(hwnd, GCLP_HICON));
    return icon;
}

// The caption row is built in the shared off-screen buffer and copied with one
// BitBlt. The icon is asked for first: WM_GETICON runs the application's code,
// which must not find the buffer half composed.
void PaintCaption(HDC hdc, HWND hwnd, const Window& w, const NonClientLayout& l) {
    const RECT& c = l.caption;
    const bool active = w.activeFrame;
    const HICON icon = CaptionIcon(hwnd, l);
    const bool closeEnabled = !(GetClassLong(hwnd, GCL_STYLE) & CS_NOCLOSE);
    const HDC memory = CaptionResources::Get().Buffer(SIZE{RectWidth(c), RectHeight(c)});
    SetViewportOrgEx(memory, -c.left, -c.top, nullptr);
    PaintCaptionBackground(memory, c, active);
    if (icon != nullptr)
        DrawIconEx(memory, l.sysIcon.left, l.sysIcon.top, icon, RectWidth(l.sysIcon),
                   RectHeight(l.sysIcon), 0, nullptr, DI_NORMAL);
    PaintCaptionText(memory, w, l, active);
    PaintCaptionButton(memory, l.closeButton, Glyph::Close, w.pressedButton == HTCLOSE,
                       closeEnabled);
    PaintCaptionButton(memory, l.maxButton,
                       (w.style & WS_MAXIMIZE) ? Glyph::Restore : Glyph::Maximize,
                       w.pressedButton == HTMAXBUTTON, (w.style & WS_MAXIMIZEBOX) != 0);
    PaintCaptionButton(memory, l.minButton,
                       (w.style & WS_MINIMIZE) ? Glyph::Restore : Glyph::Minimize,
                       w.pressedButton == HTMINBUTTON, (w.style & WS_MINIMIZEBOX) != 0);
    SetViewportOrgEx(memory, 0, 0, nullptr);
    BitBlt(hdc, c.left, c.top, RectWidth(c), RectHeight(c), memory, 0, 0, SRCCOPY);
    // The line between caption and client area.
    FillWithSysColor(hdc, RECT{c.left, c.bottom, c.right, c.bottom + 1}, COLOR_3DFACE);
}

void PaintClientEdge(HDC hdc, const Window& w, const NonClientLayout& l) {
    RECT r = l.edgeInner;
    if (w.exStyle & WS_EX_STATICEDGE) {
        InflateRect(&r, 1, 1);
        DrawEdgeLine(hdc, r, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
    }
    if (w.exStyle & WS_EX_CLIENTEDGE) {
        InflateRect(&r, 1, 1);
        DrawEdgeLine(hdc, r, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
        InflateRect(&r, 1, 1);
        DrawEdgeLine(hdc, r, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
    }
}

bool IsWholeFrame(HRGN region) {
    return reinterpret_cast<std::uintptr_t>(region) <= 1;
}

} // namespace

void PaintNonClient(HWND hwnd, HDC given, HRGN screenRegion) {
    const Window* w = Find(hwnd);
    if (w == nullptr)
        return;
    const HDC hdc = given != nullptr
                        ? given
                        : GetDCEx(hwnd, IsWholeFrame(screenRegion) ? nullptr : screenRegion,
                                  DCX_WINDOW | (IsWholeFrame(screenRegion) ? 0 : DCX_INTERSECTRGN));
    if (hdc == nullptr)
        return;
    const NonClientLayout l = LayoutOf(hwnd);
    // The client area is the application's: never paint over it here.
    const int saved = SaveDC(hdc);
    ExcludeClipRect(hdc, l.client.left, l.client.top, l.client.right, l.client.bottom);
    PaintFrame(hdc, l, w->activeFrame);
    if (!IsRectEmpty(&l.caption))
        PaintCaption(hdc, hwnd, *w, l);
    if (!IsRectEmpty(&l.menu))
        PaintMenuBar(hwnd, hdc, l.menu);
    PaintClientEdge(hdc, *w, l);
    PaintScrollBars(hwnd, hdc);
    RestoreDC(hdc, saved);
    if (given == nullptr)
        ReleaseDC(hwnd, hdc);
}

void SetButtonPressed(HWND hwnd, int hit, bool pressed) {
    Window* w = Find(hwnd);
    if (w == nullptr)
        return;
    w->pressedButton = pressed ? hit : 0;
    RedrawNonClient(hwnd);
}

} // namespace win
