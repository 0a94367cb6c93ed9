#include "skin/WinSkinNineSlice.h"

#include "framework/gui/Bitmap.h"
#include "platform/user/ScratchBuffer.h"
#include "skin/ImgUtilBitmaps.h"
#include "skin/WinSkinBlit.h"

namespace skin {

namespace {

// Copies a piece of the frame (origin relative to the frame) to the target,
// stretching where the sizes differ.
class TSliceCopier {
public:
    TSliceCopier(win::HDC target, win::HDC source, const TSkinFrame& frame)
        : FTarget(target), FSource(source), FFrame(frame) {
        win::SetStretchBltMode(FTarget, win::COLORONCOLOR);
    }

    void Stretch(int x, int y, int w, int h, int sx, int sy, int sw, int sh) const {
        win::StretchBlt(FTarget, x, y, w, h, FSource, FFrame.x0 + sx, FFrame.y0 + sy, sw, sh,
                        win::SRCCOPY);
    }

    void Tile(int x, int y, int w, int h, int sx, int sy, int sw, int sh) const {
        const int left = FFrame.x0 + sx, top = FFrame.y0 + sy;
        TileDraw(FTarget, {x, y, x + w, y + h}, FSource, {left, top, left + sw, top + sh});
    }

private:
    win::HDC FTarget;
    win::HDC FSource;
    TSkinFrame FFrame;
};

// Frame f of the image in `source`, nine-sliced into W x H at the target's
// origin.
void NineSlice(win::HDC target, int W, int H, win::HDC source, const TSkinFrame& f,
               win::RECT margins, int tile) {
    auto [l, t, r, b] = margins;
    if (W < l + r)
        l = r = 0;
    if (H < t + b)
        t = b = 0;
    const TSliceCopier copy(target, source, f);
    // The order matters where pieces overlap: a tiled centre runs past its
    // area, and the right and bottom pieces drawn after it cover the overrun.
    if (l * t > 0)
        copy.Stretch(0, 0, l, t, 0, 0, l, t);
    if (l * b > 0)
        copy.Stretch(0, H - b, l, b, 0, f.fh - b, l, b);
    if (r * t > 0)
        copy.Stretch(W - r, 0, r, t, f.fw - r, 0, r, t);
    if (l > 0)
        copy.Stretch(0, t, l, H - t - b, 0, t, l, f.fh - t - b);
    if (t > 0)
        copy.Stretch(l, 0, W - l - r, t, l, 0, f.fw - l - r, t);
    if (tile != 0)
        copy.Tile(l, t, W - l - r, H - t - b, l, t, f.fw - l - r, f.fh - t - b);
    else
        copy.Stretch(l, t, W - l - r, H - t - b, l, t, f.fw - l - r, f.fh - t - b);
    if (r * b > 0)
        copy.Stretch(W - r, H - b, r, b, f.fw - r, f.fh - b, r, b);
    if (r > 0)
        copy.Stretch(W - r, t, r, H - t - b, f.fw - r, t, r, f.fh - t - b);
    if (b > 0)
        copy.Stretch(l, H - b, W - l - r, b, l, f.fh - b, f.fw - l - r, b);
}

} // namespace

std::unique_ptr<fw::TBitmap> SkinStretchBitmap(const win::RECT& target, const fw::TBitmap& image,
                                               win::RECT margins, TFrameLayout layout, int tile,
                                               int N, int I) {
    auto result = std::make_unique<fw::TBitmap>();
    const int W = target.right - target.left;
    const int H = target.bottom - target.top;
    if (W <= 0 || H <= 0 || image.Empty())
        return result;
    // 32 bits a pixel: the pieces are written and copied out again as whole
    // words, without packing them into three bytes.
    result->SetPixelFormat(fw::TPixelFormat::pf32bit);
    result->SetSize(W, H);
    const fw::TBitmap::TSelectedDC source(image);
    NineSlice(result->Canvas()->Handle(), W, H, source.dc, SkinFrame(image, layout, N, I), margins,
              tile);
    return result;
}

void DrawSkinImage(win::HDC dc, const win::RECT& rect, const fw::TBitmap& image,
                   TFrameLayout layout, int tile, bool transparent, int N, int I,
                   const win::RECT& margins) {
    const int W = rect.right - rect.left;
    const int H = rect.bottom - rect.top;
    if (W <= 0 || H <= 0 || image.Empty())
        return;
    // What SkinStretchBitmap would return, built in a buffer kept between
    // paints instead of a new bitmap each time.
    static win::ScratchBuffer slices;
    const win::HDC sliced = slices.Get({W, H});
    // White first, as a new bitmap is, for pieces a degenerate frame leaves out.
    const win::RECT area{0, 0, W, H};
    win::FillRect(sliced, &area, static_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH)));
    {
        const fw::TBitmap::TSelectedDC source(image);
        NineSlice(sliced, W, H, source.dc, SkinFrame(image, layout, N, I), margins, tile);
    }
    if (transparent)
        TransparentDraw(dc, rect, sliced, {W, H}, kSkinKeyColor);
    else
        win::BitBlt(dc, rect.left, rect.top, W, H, sliced, 0, 0, win::SRCCOPY);
}

} // namespace skin
