#include "platform/user/ClassicPainter.h"

#include "platform/gdi/SystemMetrics.h"
#include "platform/user/Rects.h"

#include <algorithm>

namespace win {

void FillWithSysColor(HDC hdc, const RECT& rect, int colorIndex) {
    if (!IsRectEmpty(&rect))
        FillRect(hdc, &rect, GetSysColorBrush(colorIndex));
}

void DrawEdgeLine(HDC hdc, const RECT& r, int topLeft, int bottomRight) {
    FillWithSysColor(hdc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillWithSysColor(hdc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillWithSysColor(hdc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillWithSysColor(hdc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void DrawButtonFace(HDC hdc, const RECT& rect, ButtonFace face) {
    RECT r = rect;
    if (face == ButtonFace::Raised) {
        DrawEdgeLine(hdc, r, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
        InflateRect(&r, -1, -1);
        DrawEdgeLine(hdc, r, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
    } else {
        DrawEdgeLine(hdc, r, COLOR_3DDKSHADOW, COLOR_3DHIGHLIGHT);
        InflateRect(&r, -1, -1);
        DrawEdgeLine(hdc, r, COLOR_3DSHADOW, COLOR_3DLIGHT);
    }
    InflateRect(&r, -1, -1);
    FillWithSysColor(hdc, r, COLOR_3DFACE);
}

namespace {

void Pixels(HDC hdc, int x, int y, int width, int height, int colorIndex) {
    FillWithSysColor(hdc, RECT{x, y, x + width, y + height}, colorIndex);
}

// A filled triangle, `size` rows deep, pointing in the glyph's direction.
void Arrow(HDC hdc, POINT centre, int size, Glyph glyph, int colorIndex) {
    for (int i = 0; i < size; ++i) {
        const int half = size - 1 - i;
        switch (glyph) {
        case Glyph::ArrowUp:
            Pixels(hdc, centre.x - i, centre.y - size / 2 + i, 2 * i + 1, 1, colorIndex);
            break;
        case Glyph::ArrowDown:
            Pixels(hdc, centre.x - half, centre.y - size / 2 + i, 2 * half + 1, 1, colorIndex);
            break;
        case Glyph::ArrowLeft:
            Pixels(hdc, centre.x - size / 2 + i, centre.y - i, 1, 2 * i + 1, colorIndex);
            break;
        default:
            Pixels(hdc, centre.x - size / 2 + i, centre.y - half, 1, 2 * half + 1, colorIndex);
            break;
        }
    }
}

void DrawShape(HDC hdc, const RECT& r, Glyph glyph, int dx, int dy, int colorIndex) {
    const int w = RectWidth(r);
    const int h = RectHeight(r);
    const int size = std::max(2, std::min(w, h) / 2 - 1);
    const POINT centre{r.left + w / 2 + dx, r.top + h / 2 + dy};
    switch (glyph) {
    case Glyph::Close:
        for (int i = 0; i < size; ++i) {
            const int x0 = centre.x - size / 2 + i;
            Pixels(hdc, x0, centre.y - size / 2 + i, 2, 1, colorIndex);
            Pixels(hdc, x0, centre.y + size / 2 - i - 1, 2, 1, colorIndex);
        }
        break;
    case Glyph::Minimize:
        Pixels(hdc, centre.x - size / 2, centre.y + size / 2 - 2, size, 2, colorIndex);
        break;
    case Glyph::Maximize: {
        const RECT box{centre.x - size / 2, centre.y - size / 2, centre.x - size / 2 + size,
                       centre.y - size / 2 + size};
        Pixels(hdc, box.left, box.top, size, 2, colorIndex);
        Pixels(hdc, box.left, box.top, 1, size, colorIndex);
        Pixels(hdc, box.right - 1, box.top, 1, size, colorIndex);
        Pixels(hdc, box.left, box.bottom - 1, size, 1, colorIndex);
        break;
    }
    case Glyph::Restore: {
        const int s = size * 2 / 3 + 1;
        for (int k = 0; k < 2; ++k) {
            const int x = centre.x - size / 2 + (k == 0 ? size - s : 0);
            const int y = centre.y - size / 2 + (k == 0 ? 0 : size - s);
            Pixels(hdc, x, y, s, 2, colorIndex);
            Pixels(hdc, x, y, 1, s, colorIndex);
            Pixels(hdc, x + s - 1, y, 1, s, colorIndex);
            Pixels(hdc, x, y + s - 1, s, 1, colorIndex);
        }
        break;
    }
    default:
        Arrow(hdc, centre, std::max(2, size / 2 + 1), glyph, colorIndex);
        break;
    }
}

} // namespace

void DrawGlyph(HDC hdc, const RECT& rect, Glyph glyph, bool pressed, bool enabled) {
    const int shift = pressed ? 1 : 0;
    if (!enabled) {
        // Disabled glyphs are embossed: a highlight copy below and right.
        DrawShape(hdc, rect, glyph, 1, 1, COLOR_3DHIGHLIGHT);
        DrawShape(hdc, rect, glyph, 0, 0, COLOR_3DSHADOW);
        return;
    }
    DrawShape(hdc, rect, glyph, shift, shift, COLOR_BTNTEXT);
}

} // namespace win
