// The four message-box icons, drawn in the classic 32 x 32 shapes: a red disc
// with a white cross (stop), a white bubble with a blue question mark, a
// yellow triangle with a black exclamation mark, a white bubble with a blue
// "i". Drawn with GDI into an image and a mask, as Windows keeps icons.
// Each box makes its own copy and destroys it when it closes.

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Text.h"
#include "platform/user/menus/MessageBox.h"

namespace win {

namespace {

constexpr int kSize = 32;

struct ScopedPenBrush {
    HDC hdc;
    HGDIOBJ oldPen, oldBrush;
    HPEN pen;
    HBRUSH brush;
    ScopedPenBrush(HDC dc, COLORREF line, COLORREF fill, int width = 1)
        : hdc(dc), pen(CreatePen(PS_SOLID, width, line)), brush(CreateSolidBrush(fill)) {
        oldPen = SelectObject(hdc, pen);
        oldBrush = SelectObject(hdc, brush);
    }
    ~ScopedPenBrush() {
        SelectObject(hdc, oldPen);
        SelectObject(hdc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
};

void DrawGlyph(HDC hdc, const char* text, COLORREF color, RECT box, int height) {
    const HFONT font = CreateFont(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                  0, 0, 0, "Arial");
    const HGDIOBJ old = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, color);
    DrawText(hdc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, old);
    DeleteObject(font);
}

// Draws the shape of `kind` in its colours, or in black on white for the mask.
void DrawShape(HDC hdc, UINT kind, bool mask) {
    const auto pick = [mask](COLORREF colour) { return mask ? RGB(0, 0, 0) : colour; };
    const RECT whole{0, 0, kSize, kSize};
    FillRect(hdc, &whole, static_cast<HBRUSH>(GetStockObject(mask ? WHITE_BRUSH : BLACK_BRUSH)));
    switch (kind) {
    case MB_ICONHAND: {
        ScopedPenBrush pen(hdc, pick(RGB(128, 0, 0)), pick(RGB(255, 0, 0)));
        Ellipse(hdc, 1, 1, 31, 31);
        if (!mask) {
            ScopedPenBrush cross(hdc, RGB(255, 255, 255), RGB(255, 255, 255), 3);
            MoveToEx(hdc, 10, 10, nullptr);
            LineTo(hdc, 21, 21);
            MoveToEx(hdc, 21, 10, nullptr);
            LineTo(hdc, 10, 21);
        }
        return;
    }
    case MB_ICONEXCLAMATION: {
        ScopedPenBrush pen(hdc, pick(RGB(0, 0, 0)), pick(RGB(255, 255, 0)));
        const POINT triangle[] = {{15, 1}, {30, 29}, {1, 29}};
        Polygon(hdc, triangle, 3);
        if (!mask)
            DrawGlyph(hdc, "!", RGB(0, 0, 0), RECT{0, 8, kSize, 30}, 20);
        return;
    }
    default: {
        ScopedPenBrush pen(hdc, pick(RGB(0, 0, 0)), pick(RGB(255, 255, 255)));
        Ellipse(hdc, 2, 2, 30, 30);
        if (!mask)
            DrawGlyph(hdc, kind == MB_ICONQUESTION ? "?" : "i", RGB(0, 0, 255),
                      RECT{0, 0, kSize, kSize}, 22);
        return;
    }
    }
}

HBITMAP DrawBitmap(UINT kind, bool mask) {
    const HDC hdc = CreateCompatibleDC(nullptr);
    const HBITMAP bitmap = CreateBitmap(kSize, kSize, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(hdc, bitmap);
    DrawShape(hdc, kind, mask);
    SelectObject(hdc, old);
    DeleteDC(hdc);
    return bitmap;
}

} // namespace

HICON CreateMessageBoxIcon(UINT type) {
    const UINT kind = type & MB_ICONMASK;
    if (kind == 0)
        return nullptr;
    ICONINFO info;
    info.hbmMask = DrawBitmap(kind, true);
    info.hbmColor = DrawBitmap(kind, false);
    const HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return icon;
}

} // namespace win
