#include "skin/WinSkinBlit.h"

#include "framework/gui/Bitmap.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/ScratchBuffer.h"

#include <algorithm>

namespace skin {

namespace {

// MAKEROP4(SRCCOPY, dest): mask bit 1 (the key colour) keeps the destination,
// bit 0 copies the source.
constexpr win::DWORD kKeyedCopy = 0xCCAA0029;

// A monochrome bitmap in a memory DC kept between draws, grown as needed, so
// that keyed drawing on every paint makes no new drawing objects.
class TMaskBuffer {
public:
    win::HDC Get(win::SIZE size) {
        if (!FDC)
            FDC = win::CreateCompatibleDC(nullptr);
        if (size.cx > FCapacity.cx || size.cy > FCapacity.cy) {
            FCapacity = {std::max(size.cx, FCapacity.cx), std::max(size.cy, FCapacity.cy)};
            const win::HBITMAP grown = win::CreateBitmap(FCapacity.cx, FCapacity.cy, 1, 1, nullptr);
            const win::HGDIOBJ old = win::SelectObject(FDC, grown);
            if (FMask)
                win::DeleteObject(old);
            FMask = grown;
        }
        return FDC;
    }
    win::HBITMAP Bitmap() const { return FMask; }

private:
    win::HDC FDC = nullptr;
    win::HBITMAP FMask = nullptr;
    win::SIZE FCapacity{0, 0};
};

} // namespace

void TransparentDraw(win::HDC dc, const win::RECT& rect, const fw::TBitmap& bitmap,
                     fw::TColor key) {
    if (bitmap.Empty())
        return;
    const fw::TBitmap::TSelectedDC source(bitmap);
    TransparentDraw(dc, rect, source.dc, {bitmap.Width(), bitmap.Height()}, key);
}

void TransparentDraw(win::HDC dc, const win::RECT& rect, win::HDC source, win::SIZE size,
                     fw::TColor key) {
    const int w = std::min<int>(rect.right - rect.left, size.cx);
    const int h = std::min<int>(rect.bottom - rect.top, size.cy);
    if (w <= 0 || h <= 0)
        return;
    static TMaskBuffer masks;
    const win::HDC maskDC = masks.Get({w, h});
    // Colour to mono: pixels of the source's background colour become 1.
    const win::COLORREF oldBack = win::SetBkColor(source, fw::ColorToRGB(key));
    win::BitBlt(maskDC, 0, 0, w, h, source, 0, 0, win::SRCCOPY);
    win::SetBkColor(source, oldBack);
    win::MaskBlt(dc, rect.left, rect.top, w, h, source, 0, 0, masks.Bitmap(), 0, 0, kKeyedCopy);
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
    static win::ScratchBuffer tiles;
    const win::HDC tile = tiles.Get({w, h});
    win::BitBlt(tile, 0, 0, w, h, bitmapDC, source.left, source.top, win::SRCCOPY);
    for (int y = target.top; y < target.bottom; y += h)
        for (int x = target.left; x < target.right; x += w)
            win::BitBlt(dc, x, y, w, h, tile, 0, 0, win::SRCCOPY);
}

} // namespace skin
