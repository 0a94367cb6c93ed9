#include "platform/gdi/Bitmap.h"

namespace win {

namespace {

std::ptrdiff_t StrideFor(int width, int bitsPerPixel, Bitmap::Kind kind) {
    const std::ptrdiff_t bits = std::ptrdiff_t(width) * bitsPerPixel;
    // Device bitmaps pad rows to a WORD, DIBs to a DWORD, as Windows reports them.
    const std::ptrdiff_t align = kind == Bitmap::Kind::Device ? 16 : 32;
    return (bits + align - 1) / align * (align / 8);
}

} // namespace

Bitmap::Bitmap(int width, int height, int bitsPerPixel, Kind kind, Orientation orientation,
               bool green6)
    : GdiObject(OBJ_BITMAP), width_(width), height_(height), bitsPerPixel_(bitsPerPixel),
      kind_(kind), orientation_(orientation), green6_(green6 && bitsPerPixel == 16),
      stride_(StrideFor(width, bitsPerPixel, kind)),
      words_((std::size_t(stride_) * std::size_t(height) + 3) / 4) {}

PixelView Bitmap::View() {
    PixelView view;
    view.width = width_;
    view.height = height_;
    view.bitsPerPixel = bitsPerPixel_;
    view.green6 = green6_;
    if (orientation_ == Orientation::TopDown) {
        view.base = Bits();
        view.stride = stride_;
    } else {
        view.base = Bits() + std::ptrdiff_t(height_ > 0 ? height_ - 1 : 0) * stride_;
        view.stride = -stride_;
    }
    return view;
}

BITMAP Bitmap::Describe() {
    BITMAP bm;
    bm.bmWidth = width_;
    bm.bmHeight = height_;
    bm.bmWidthBytes = LONG(stride_);
    bm.bmPlanes = 1;
    bm.bmBitsPixel = WORD(bitsPerPixel_);
    bm.bmBits = kind_ == Kind::DibSection ? Bits() : nullptr;
    return bm;
}

} // namespace win
