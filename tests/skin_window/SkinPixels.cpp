#include "SkinPixels.h"

namespace skin::test {

win::COLORREF ColorOf(char c) {
    switch (c) {
    case '.':
        return 0xFFFFFF;
    case '#':
        return 0xFF00FF;
    default:
        return win::COLORREF(std::uint8_t(c)) | 0x5500u | 0xAA0000u;
    }
}

char CharOf(win::COLORREF color) {
    color &= 0xFFFFFF;
    if (color == 0xFFFFFF)
        return '.';
    if (color == 0xFF00FF)
        return '#';
    if ((color & 0xFFFF00) == 0xAA5500)
        return char(color & 0xFF);
    return '?';
}

std::unique_ptr<fw::TBitmap> MakeBitmap(const TPicture& picture, fw::TPixelFormat format) {
    auto bitmap = std::make_unique<fw::TBitmap>();
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(int(picture.front().size()), int(picture.size()));
    const int bytes = format == fw::TPixelFormat::pf32bit ? 4 : 3;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) {
            const win::COLORREF color = ColorOf(picture[std::size_t(y)][std::size_t(x)]);
            std::uint8_t* pixel = bitmap->ScanLine(y) + x * bytes;
            pixel[0] = std::uint8_t(color >> 16);
            pixel[1] = std::uint8_t(color >> 8);
            pixel[2] = std::uint8_t(color);
        }
    return bitmap;
}

std::unique_ptr<fw::TBitmap> FilledBitmap(int width, int height, char fill) {
    return MakeBitmap(TPicture(std::size_t(height), std::string(std::size_t(width), fill)));
}

TPicture PictureOf(const fw::TBitmap& bitmap) {
    const int bytes = bitmap.PixelFormat() == fw::TPixelFormat::pf32bit ? 4 : 3;
    TPicture picture;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const std::uint8_t* pixel = bitmap.ScanLine(y) + x * bytes;
            row += CharOf(win::COLORREF(pixel[2]) | win::COLORREF(pixel[1]) << 8 |
                          win::COLORREF(pixel[0]) << 16);
        }
        picture.push_back(row);
    }
    return picture;
}

} // namespace skin::test
