// Classic painting of the standard scroll bars in the non-client area.

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/ClassicPainter.h"
#include "platform/user/Desktop.h"
#include "platform/user/Rects.h"
#include "platform/user/ScrollBars.h"
#include "platform/user/WinUser.h"

namespace win {

namespace {

RECT Part(const ScrollBarGeometry& g, int from, int to) {
    return g.vertical ? RECT{g.bar.left, g.bar.top + from, g.bar.right, g.bar.top + to}
                      : RECT{g.bar.left + from, g.bar.top, g.bar.left + to, g.bar.bottom};
}

void PaintBar(HDC hdc, const ScrollBarGeometry& g, int pressed) {
    const int length = g.vertical ? RectHeight(g.bar) : RectWidth(g.bar);
    const RECT first = Part(g, 0, g.arrow);
    const RECT second = Part(g, length - g.arrow, length);
    const bool firstDown = pressed == SB_LINEUP;
    const bool secondDown = pressed == SB_LINEDOWN;
    DrawButtonFace(hdc, first, firstDown ? ButtonFace::Pressed : ButtonFace::Raised);
    DrawGlyph(hdc, first, g.vertical ? Glyph::ArrowUp : Glyph::ArrowLeft, firstDown, g.enabled);
    DrawButtonFace(hdc, second, secondDown ? ButtonFace::Pressed : ButtonFace::Raised);
    DrawGlyph(hdc, second, g.vertical ? Glyph::ArrowDown : Glyph::ArrowRight, secondDown,
              g.enabled);
    const RECT track = Part(g, g.arrow, length - g.arrow);
    FillWithSysColor(hdc, track, COLOR_SCROLLBAR);
    if (g.thumbEnd == 0)
        return;
    // A held page area is shown dark, as the classic bar inverts it.
    if (pressed == SB_PAGEUP)
        FillWithSysColor(hdc, Part(g, g.arrow, g.thumbStart), COLOR_3DDKSHADOW);
    if (pressed == SB_PAGEDOWN)
        FillWithSysColor(hdc, Part(g, g.thumbEnd, length - g.arrow), COLOR_3DDKSHADOW);
    DrawButtonFace(hdc, Part(g, g.thumbStart, g.thumbEnd), ButtonFace::Raised);
}

} // namespace

void PaintScrollBars(HWND hwnd, HDC hdc) {
    const Window* w = Desktop::Get().Find(hwnd);
    if (w == nullptr)
        return;
    const ScrollBarGeometry h = ScrollBarGeometryOf(hwnd, SB_HORZ);
    const ScrollBarGeometry v = ScrollBarGeometryOf(hwnd, SB_VERT);
    if (h.present)
        PaintBar(hdc, h, w->hscroll.pressedPart);
    if (v.present)
        PaintBar(hdc, v, w->vscroll.pressedPart);
    if (h.present && v.present) {
        const RECT corner{v.bar.left, h.bar.top, v.bar.right, h.bar.bottom};
        FillWithSysColor(hdc, corner, COLOR_3DFACE);
    }
}

} // namespace win
