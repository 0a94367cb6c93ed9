#include "tools/skin/BmpFile.h"

#include <algorithm>

namespace skinart {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The image's colours in the order they first appear, up to 256: a palette a
// display of 256 colours could show the image with.
std::vector<TRgb> Palette(const TSkinCanvas& image) {
    std::vector<TRgb> colors;
    for (int y = 0; y < image.Height() && colors.size() < 256; ++y)
        for (int x = 0; x < image.Width() && colors.size() < 256; ++x)
            if (std::find(colors.begin(), colors.end(), image.At(x, y)) == colors.end())
                colors.push_back(image.At(x, y));
    colors.resize(256);
    return colors;
}

} // namespace

std::vector<std::uint8_t> EncodeBmp(const TSkinCanvas& image, int bitsPerPixel, bool colorTable) {
    const std::uint32_t bytesPerPixel = std::uint32_t(bitsPerPixel / 8);
    const std::uint32_t stride = (std::uint32_t(image.Width()) * bytesPerPixel + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * std::uint32_t(image.Height());
    const std::uint32_t tableBytes = colorTable ? 256 * 4 : 0;
    const std::uint32_t offset = 14 + 40 + tableBytes;
    std::vector<std::uint8_t> out;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, std::uint32_t(image.Width()));
    Put32(out, std::uint32_t(image.Height()));
    Put16(out, 1);
    Put16(out, std::uint32_t(bitsPerPixel));
    Put32(out, 0); // uncompressed
    Put32(out, pixelBytes);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, colorTable ? 256 : 0);
    Put32(out, 0);
    if (colorTable)
        for (const TRgb& color : Palette(image)) {
            out.insert(out.end(), {color.b, color.g, color.r, 0});
        }
    for (int y = image.Height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.Width(); ++x) {
            const TRgb color = image.At(x, y);
            out.insert(out.end(), {color.b, color.g, color.r});
            if (bytesPerPixel == 4)
                out.push_back(0);
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

} // namespace skinart
