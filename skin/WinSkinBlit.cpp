#include "skin/WinSkinBlit.h"

#include "framework/gui/Bitmap.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"

namespace skin {

namespace {

// MAKEROP4(SRCCOPY, dest): mask bit 1 (the key colour) keeps the destination,
// bit 0 copies the source.
constexpr win::DWORD kKeyedCopy = 0xCCAA0029;

} // namespace

void TransparentDraw(win::HDC dc, const win::RECT& rect, const fw::TBitmap& bitmap,
                     fw::TColor key) {
    if (bitmap.Empty())
        return;
    const fw::TBitmap::TSelectedDC source(bitmap);
    const win::HBITMAP mask = win::CreateBitmap(bitmap.Width(), bitmap.Height(), 1, 1, nullptr);
    const win::HDC maskDC = win::CreateCompatibleDC(dc);
    const win::HGDIOBJ oldMask = win::SelectObject(maskDC, mask);
    // Colour to mono: pixels of the source's background colour become 1.
    const win::COLORREF oldBack = win::SetBkColor(source.dc, fw::ColorToRGB(key));
    win::BitBlt(maskDC, 0, 0, bitmap.Width(), bitmap.Height(), source.dc, 0, 0, win::SRCCOPY);
    win::SetBkColor(source.dc, oldBack);
    win::SelectObject(maskDC, oldMask);
    win::DeleteDC(maskDC);
    win::MaskBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.dc,
                 0, 0, mask, 0, 0, kKeyedCopy);
    win::DeleteObject(mask);
}

void TileDraw(fw::TCanvas& canvas, const win::RECT& target, const fw::TBitmap& bitmap,
              const win::RECT& source) {
    if (bitmap.Empty())
        return;
    const fw::TBitmap::TSelectedDC original(bitmap);
    TileDraw(canvas.Handle(), target, original.dc, source);
}

void TileDraw(win::HDC dc, const win::RECT& target, win::HDC bitmapDC, const win::RECT& source) {
    const int w = source.right - source.left;
    const int h = source.bottom - source.top;
    if (w <= 0 || h <= 0)
        return;
    fw::TBitmap tile;
    tile.SetSize(w, h);
    const win::HDC from = tile.Canvas()->Handle();
    win::BitBlt(from, 0, 0, w, h, bitmapDC, source.left, source.top, win::SRCCOPY);
    for (int y = target.top; y < target.bottom; y += h)
        for (int x = target.left; x < target.right; x += w)
            win::BitBlt(dc, x, y, w, h, from, 0, 0, win::SRCCOPY);
}

} // namespace skin
