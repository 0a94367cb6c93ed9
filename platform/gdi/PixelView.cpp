#include "platform/gdi/PixelView.h"

#include "platform/gdi/Surface.h"

#include <cstring>

namespace win {

PixelView PixelView::Of(Surface& surface) {
    PixelView view;
    view.base = reinterpret_cast<std::uint8_t*>(surface.pixels.data());
    view.stride = std::ptrdiff_t(surface.width) * 4;
    view.width = surface.width;
    view.height = surface.height;
    view.bitsPerPixel = 32;
    return view;
}

namespace {

// A channel of n bits widened to 8 by repeating its top bits, so that full and
// empty channels (white, black, the magenta key) come back exactly.
std::uint32_t Widen(std::uint32_t value, int bits) {
    return (value << (8 - bits)) | (value >> (2 * bits - 8));
}

} // namespace

std::uint32_t From16(std::uint16_t pixel, bool green6) {
    const int greenBits = green6 ? 6 : 5;
    const std::uint32_t blue = pixel & 0x1F;
    const std::uint32_t green = (pixel >> 5) & ((1u << greenBits) - 1);
    const std::uint32_t red = (pixel >> (5 + greenBits)) & 0x1F;
    return (Widen(red, 5) << 16) | (Widen(green, greenBits) << 8) | Widen(blue, 5);
}

std::uint16_t To16(std::uint32_t pixel, bool green6) {
    const int greenBits = green6 ? 6 : 5;
    const std::uint32_t red = (pixel >> 19) & 0x1F;
    const std::uint32_t green = ((pixel >> 8) & 0xFF) >> (8 - greenBits);
    const std::uint32_t blue = (pixel & 0xFF) >> 3;
    return std::uint16_t((red << (5 + greenBits)) | (green << 5) | blue);
}

std::uint32_t QuantizeMono(std::uint32_t pixel) {
    const unsigned sum = ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF);
    return sum >= 383 ? 0xFFFFFF : 0;
}

std::uint32_t PixelView::Get(int x, int y) const {
    std::uint32_t pixel;
    Read(y, x, 1, &pixel);
    return pixel;
}

void PixelView::Set(int x, int y, std::uint32_t pixel) const {
    Write(y, x, 1, &pixel);
}

void PixelView::Read(int y, int x, int count, std::uint32_t* out) const {
    const std::uint8_t* row = RowBytes(y);
    switch (bitsPerPixel) {
    case 32:
        std::memcpy(out, row + std::size_t(x) * 4, std::size_t(count) * 4);
        return;
    case 24:
        for (int i = 0; i < count; ++i) {
            const std::uint8_t* p = row + std::size_t(x + i) * 3;
            out[i] = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
        }
        return;
    case 16:
        for (int i = 0; i < count; ++i) {
            const std::uint8_t* p = row + std::size_t(x + i) * 2;
            out[i] = From16(std::uint16_t(p[0] | (p[1] << 8)), green6);
        }
        return;
    default:
        for (int i = 0; i < count; ++i) {
            const int bit = x + i;
            out[i] = (row[bit >> 3] >> (7 - (bit & 7))) & 1 ? 0xFFFFFF : 0;
        }
        return;
    }
}

void PixelView::Write(int y, int x, int count, const std::uint32_t* in) const {
    std::uint8_t* row = RowBytes(y);
    switch (bitsPerPixel) {
    case 32:
        for (int i = 0; i < count; ++i)
            reinterpret_cast<std::uint32_t*>(row)[x + i] = in[i] & 0xFFFFFF;
        return;
    case 24:
        for (int i = 0; i < count; ++i) {
            std::uint8_t* p = row + std::size_t(x + i) * 3;
            p[0] = std::uint8_t(in[i]);
            p[1] = std::uint8_t(in[i] >> 8);
            p[2] = std::uint8_t(in[i] >> 16);
        }
        return;
    case 16:
        for (int i = 0; i < count; ++i) {
            const std::uint16_t pixel = To16(in[i], green6);
            std::uint8_t* p = row + std::size_t(x + i) * 2;
            p[0] = std::uint8_t(pixel);
            p[1] = std::uint8_t(pixel >> 8);
        }
        return;
    default:
        for (int i = 0; i < count; ++i) {
            const int bit = x + i;
            const std::uint8_t mask = std::uint8_t(0x80 >> (bit & 7));
            if (QuantizeMono(in[i]))
                row[bit >> 3] |= mask;
            else
                row[bit >> 3] &= std::uint8_t(~mask);
        }
        return;
    }
}

std::uint32_t* RowReader::Fetch(int y, int x, int count) {
    if (view_.bitsPerPixel == 32)
        return view_.Row32(y) + x;
    if (scratch_.size() < std::size_t(count))
        scratch_.resize(std::size_t(count));
    view_.Read(y, x, count, scratch_.data());
    return scratch_.data();
}

std::uint32_t* RowEditor::Open(int y, int x, int count) {
    y_ = y;
    x_ = x;
    count_ = count;
    row_ = reader_.Fetch(y, x, count);
    return row_;
}

void RowEditor::Commit() {
    if (view_.bitsPerPixel != 32)
        view_.Write(y_, x_, count_, row_);
}

} // namespace win
