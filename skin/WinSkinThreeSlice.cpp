#include "skin/WinSkinThreeSlice.h"

#include "framework/gui/Bitmap.h"
#include "skin/ImgUtilBitmaps.h"
#include "skin/WinSkinBlit.h"

namespace skin {

void DrawSkinBar3(fw::TCanvas& canvas, const win::RECT& rect, const fw::TBitmap& image,
                  TFrameLayout layout, bool transparent, int N, int I, const win::RECT& margins) {
    const int W = rect.right - rect.left;
    const int H = rect.bottom - rect.top;
    if (W <= 0 || H <= 0 || image.Empty())
        return;
    const TSkinFrame f = SkinFrame(image, layout, N, I);
    const int l = margins.left, r = margins.right;
    const int middle = f.fw - l - r;
    fw::TBitmap bar;
    bar.SetSize(W, H);
    const win::HDC dc = bar.Canvas()->Handle();
    {
        const fw::TBitmap::TSelectedDC source(image);
        const auto piece = [&](int x, int width, int sx) {
            win::StretchBlt(dc, x, 0, width, H, source.dc, f.x0 + sx, f.y0, width, f.fh,
                            win::SRCCOPY);
        };
        piece(0, l, 0);
        if (middle > 0)
            for (int x = l; x < W - r; x += middle)
                piece(x, middle, l);
        piece(W - r, r, f.fw - r);
    }
    if (transparent)
        TransparentDraw(canvas.Handle(), rect, bar, kSkinKeyColor);
    else
        win::BitBlt(canvas.Handle(), rect.left, rect.top, W, H, dc, 0, 0, win::SRCCOPY);
}

void StretchSkin3(win::HDC dc, const win::RECT& slices, const fw::TBitmap& image,
                  TFrameLayout layout, int N, int I, const win::RECT& target) {
    if (image.Empty())
        return;
    const TSkinFrame f = SkinFrame(image, layout, N, I);
    const fw::TBitmap::TSelectedDC source(image);
    const int x = target.left, y = target.top;
    const int W = target.right - target.left;
    const int H = target.bottom - target.top;
    const auto stretch = [&](int dx, int dw, int sx, int sw) {
        win::StretchBlt(dc, x + dx, y, dw, H, source.dc, f.x0 + sx, f.y0, sw, f.fh, win::SRCCOPY);
    };
    if (W < f.fw) {
        stretch(0, W, 0, f.fw);
        return;
    }
    const int l = slices.left, r = slices.right;
    stretch(0, l, 0, l);
    stretch(l, W - l - r, l, f.fw - l - r);
    stretch(W - r, r, f.fw - r, r);
}

} // namespace skin
