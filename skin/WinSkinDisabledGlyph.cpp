#include "skin/WinSkinDisabledGlyph.h"

#include "framework/gui/Bitmap.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"

namespace skin {

namespace {

// Pattern where the source is black, the destination where it is white.
constexpr win::DWORD kPaintBlackBits = 0x00B8074A;

// Mask bit 1 where the glyph shows its transparent colour.
win::HBITMAP GlyphMask(const fw::TBitmap& glyph) {
    // Read before the glyph is selected below: a bitmap sits in one DC at a time.
    const win::COLORREF transparent = fw::ColorToRGB(glyph.TransparentColor());
    const win::HBITMAP mask = win::CreateBitmap(glyph.Width(), glyph.Height(), 1, 1, nullptr);
    const fw::TBitmap::TSelectedDC source(glyph);
    const win::HDC dc = win::CreateCompatibleDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, mask);
    const win::COLORREF back = win::SetBkColor(source.dc, transparent);
    win::BitBlt(dc, 0, 0, glyph.Width(), glyph.Height(), source.dc, 0, 0, win::SRCCOPY);
    win::SetBkColor(source.dc, back);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    return mask;
}

} // namespace

void MakeDisabledGlyph(fw::TBitmap& bitmap) {
    if (bitmap.Empty())
        return;
    const int w = bitmap.Width(), h = bitmap.Height();
    const win::HBITMAP mask = GlyphMask(bitmap);
    const win::HDC maskDC = win::CreateCompatibleDC(nullptr);
    const win::HGDIOBJ oldMask = win::SelectObject(maskDC, mask);
    const win::HDC dc = bitmap.Canvas()->Handle();
    const win::HBRUSH face = win::CreateSolidBrush(fw::ColorToRGB(fw::clBtnFace));
    const win::RECT all{0, 0, w, h};
    win::FillRect(dc, &all, face);
    win::DeleteObject(face);
    // Mono to colour: 0 bits (the glyph) come in as black, 1 bits as white.
    const win::COLORREF oldText = win::SetTextColor(dc, 0x000000);
    const win::COLORREF oldBack = win::SetBkColor(dc, 0xFFFFFF);
    const win::HGDIOBJ oldBrush = win::SelectObject(dc, win::GetStockObject(win::DC_BRUSH));
    const win::COLORREF oldBrushColor = win::SetDCBrushColor(dc, 0);
    const struct {
        fw::TColor color;
        int shift;
    } passes[] = {{fw::clBtnHighlight, 1}, {fw::clBtnShadow, 0}};
    for (const auto& pass : passes) {
        win::SetDCBrushColor(dc, fw::ColorToRGB(pass.color));
        win::BitBlt(dc, pass.shift, pass.shift, w, h, maskDC, 0, 0, kPaintBlackBits);
    }
    win::SetDCBrushColor(dc, oldBrushColor);
    win::SelectObject(dc, oldBrush);
    win::SetBkColor(dc, oldBack);
    win::SetTextColor(dc, oldText);
    win::SelectObject(maskDC, oldMask);
    win::DeleteDC(maskDC);
    win::DeleteObject(mask);
}

} // namespace skin
