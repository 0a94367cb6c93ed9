#include "skin/WinSkinFrameDraw.h"

#include "framework/gui/Bitmap.h"
#include "skin/ImgUtilBitmaps.h"
#include "skin/WinSkinBlit.h"
#include "skin/WinSkinFrames.h"

#include <memory>

namespace skin {

namespace {

// The frame's pixels scaled to width x height in a bitmap of their own.
std::unique_ptr<fw::TBitmap> FrameCopy(const fw::TBitmap& image, const TSkinFrame& f, int width,
                                       int height) {
    auto copy = std::make_unique<fw::TBitmap>();
    copy->SetSize(width, height);
    const fw::TBitmap::TSelectedDC source(image);
    win::StretchBlt(copy->Canvas()->Handle(), 0, 0, width, height, source.dc, f.x0, f.y0, f.fw,
                    f.fh, win::SRCCOPY);
    return copy;
}

void DrawCopy(win::HDC dc, const win::RECT& rect, fw::TBitmap& copy, bool transparent) {
    if (transparent)
        TransparentDraw(dc, rect, copy, kSkinKeyColor);
    else
        win::BitBlt(dc, rect.left, rect.top, copy.Width(), copy.Height(), copy.Canvas()->Handle(),
                    0, 0, win::SRCCOPY);
}

} // namespace

void DrawSkinFrame(win::HDC dc, const win::RECT& rect, const fw::TBitmap& image, bool transparent,
                   int N, int I) {
    const int W = rect.right - rect.left;
    const int H = rect.bottom - rect.top;
    if (W <= 0 || H <= 0 || image.Empty())
        return;
    DrawCopy(dc, rect, *FrameCopy(image, SkinFrame(image, TFrameLayout::Horizontal, N, I), W, H),
             transparent);
}

void DrawSkinFrameCentered(win::HDC dc, const win::RECT& rect, const fw::TBitmap& image,
                           bool transparent, int N, int I) {
    const TSkinFrame f = SkinFrame(image, TFrameLayout::Horizontal, N, I);
    if (f.fw <= 0 || f.fh <= 0)
        return;
    const int x = rect.left + (rect.right - rect.left - f.fw) / 2;
    const int y = rect.top + (rect.bottom - rect.top - f.fh) / 2;
    DrawCopy(dc, {x, y, x + f.fw, y + f.fh}, *FrameCopy(image, f, f.fw, f.fh), transparent);
}

} // namespace skin
