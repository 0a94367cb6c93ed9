#include "skin/ImgUtilBitmaps.h"

#include "framework/gui/Bitmap.h"
#include "framework/gui/GraphicsColor.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace skin {

namespace {

int BytesPerPixel(const fw::TBitmap& bitmap) {
    return bitmap.PixelFormat() == fw::TPixelFormat::pf32bit ? 4 : 3;
}

// The pixels as one top-down block without row padding.
std::vector<std::uint8_t> PackedPixels(const fw::TBitmap& bitmap) {
    const std::size_t rowBytes = std::size_t(bitmap.Width()) * std::size_t(BytesPerPixel(bitmap));
    std::vector<std::uint8_t> pixels(rowBytes * std::size_t(bitmap.Height()));
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(pixels.data() + rowBytes * std::size_t(y), bitmap.ScanLine(y), rowBytes);
    return pixels;
}

enum class TTurn { Left, Right };

void Rotate(fw::TBitmap& bitmap, TTurn turn) {
    if (bitmap.Empty())
        return;
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    const int bpp = BytesPerPixel(bitmap);
    const std::vector<std::uint8_t> source = PackedPixels(bitmap);
    bitmap.SetSize(h, w);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int nx = turn == TTurn::Left ? y : h - 1 - y;
            const int ny = turn == TTurn::Left ? w - 1 - x : x;
            std::memcpy(bitmap.ScanLine(ny) + std::size_t(nx) * std::size_t(bpp),
                        source.data() +
                            (std::size_t(y) * std::size_t(w) + std::size_t(x)) * std::size_t(bpp),
                        std::size_t(bpp));
        }
}

} // namespace

void ReplaceKeyColor(fw::TBitmap& bitmap, fw::TColor color) {
    bitmap.SetPixelFormat(fw::TPixelFormat::pf24bit);
    const win::COLORREF rgb = fw::ColorToRGB(color);
    const std::uint8_t replacement[3] = {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8),
                                         std::uint8_t(rgb)};
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* pixel = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, pixel += 3)
            if (pixel[0] == 0xFF && pixel[1] == 0 && pixel[2] == 0xFF)
                std::memcpy(pixel, replacement, 3);
    }
}

void MirrorBitmap(fw::TBitmap& bitmap) {
    const int bpp = BytesPerPixel(bitmap);
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* left = bitmap.ScanLine(y);
        std::uint8_t* right = left + std::size_t(bitmap.Width() - 1) * std::size_t(bpp);
        for (; left < right; left += bpp, right -= bpp)
            std::swap_ranges(left, left + bpp, right);
    }
}

void FlipBitmap(fw::TBitmap& bitmap) {
    const std::size_t rowBytes = std::size_t(bitmap.Width()) * std::size_t(BytesPerPixel(bitmap));
    for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(bitmap.ScanLine(top), bitmap.ScanLine(top) + rowBytes,
                         bitmap.ScanLine(bottom));
}

void RotateBitmapLeft(fw::TBitmap& bitmap) {
    Rotate(bitmap, TTurn::Left);
}

void RotateBitmapRight(fw::TBitmap& bitmap) {
    Rotate(bitmap, TTurn::Right);
}

} // namespace skin
