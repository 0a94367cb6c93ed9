#include "skin/WinSkinNineSlice.h"

#include "framework/gui/Bitmap.h"
#include "skin/ImgUtilBitmaps.h"
#include "skin/WinSkinBlit.h"

namespace skin {

namespace {

// Copies a piece of the frame (origin relative to the frame) to the target,
// stretching where the sizes differ.
class TSliceCopier {
public:
    TSliceCopier(fw::TBitmap& result, const fw::TBitmap& image, const TSkinFrame& frame)
        : FSource(image), FFrame(frame), FTarget(result.Canvas()->Handle()) {
        win::SetStretchBltMode(FTarget, win::COLORONCOLOR);
    }

    void Stretch(int x, int y, int w, int h, int sx, int sy, int sw, int sh) const {
        win::StretchBlt(FTarget, x, y, w, h, FSource.dc, FFrame.x0 + sx, FFrame.y0 + sy, sw, sh,
                        win::SRCCOPY);
    }

    void Tile(int x, int y, int w, int h, int sx, int sy, int sw, int sh) const {
        const int left = FFrame.x0 + sx, top = FFrame.y0 + sy;
        TileDraw(FTarget, {x, y, x + w, y + h}, FSource.dc, {left, top, left + sw, top + sh});
    }

private:
    fw::TBitmap::TSelectedDC FSource;
    TSkinFrame FFrame;
    win::HDC FTarget;
};

} // namespace

std::unique_ptr<fw::TBitmap> SkinStretchBitmap(const win::RECT& target, const fw::TBitmap& image,
                                               win::RECT margins, TFrameLayout layout, int tile,
                                               int N, int I) {
    auto result = std::make_unique<fw::TBitmap>();
    const int W = target.right - target.left;
    const int H = target.bottom - target.top;
    if (W <= 0 || H <= 0 || image.Empty())
        return result;
    result->SetSize(W, H);
    const TSkinFrame f = SkinFrame(image, layout, N, I);
    auto [l, t, r, b] = margins;
    if (W < l + r)
        l = r = 0;
    if (H < t + b)
        t = b = 0;
    const TSliceCopier copy(*result, image, f);
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
    return result;
}

void DrawSkinImage(win::HDC dc, const win::RECT& rect, const fw::TBitmap& image,
                   TFrameLayout layout, int tile, bool transparent, int N, int I,
                   const win::RECT& margins) {
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    const std::unique_ptr<fw::TBitmap> slices =
        SkinStretchBitmap(rect, image, margins, layout, tile, N, I);
    if (slices->Empty())
        return;
    if (transparent) {
        TransparentDraw(dc, rect, *slices, kSkinKeyColor);
        return;
    }
    win::BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                slices->Canvas()->Handle(), 0, 0, win::SRCCOPY);
}

} // namespace skin
