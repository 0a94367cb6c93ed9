// 16-bit DIB sections: 5-5-5 (BI_RGB) and 5-6-5 (BI_BITFIELDS masks), their
// pixels as the memory holds them, drawing through a DC, the colours that come
// back exactly (white, black, the magenta key), and layouts that are refused.

#include "GdiTestSupport.h"

#include <cstdint>
#include <cstring>

namespace gditest {
namespace {

struct Dib16Info {
    BITMAPINFOHEADER header;
    DWORD masks[3];
};

HBITMAP Create16(int width, int height, DWORD compression, DWORD red, DWORD green, DWORD blue,
                 void** bits) {
    Dib16Info info{};
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biBitCount = 16;
    info.header.biCompression = compression;
    info.masks[0] = red;
    info.masks[1] = green;
    info.masks[2] = blue;
    return CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS,
                            bits, nullptr, 0);
}

TEST_F(GdiTest, SixteenBitDibSectionsHoldPixelsInTheirLayout) {
    const struct {
        const char* layout;
        DWORD compression;
        DWORD red, green, blue;
        COLORREF drawn;
        std::uint16_t stored;
        COLORREF readBack;
    } cases[] = {
        {"5-5-5", BI_RGB, 0, 0, 0, RGB(255, 0, 255), 0x7C1F, RGB(255, 0, 255)},
        {"5-5-5", BI_RGB, 0, 0, 0, RGB(255, 255, 255), 0x7FFF, RGB(255, 255, 255)},
        {"5-5-5 masks", BI_BITFIELDS, 0x7C00, 0x03E0, 0x001F, RGB(0, 255, 0), 0x03E0,
         RGB(0, 255, 0)},
        {"5-6-5", BI_BITFIELDS, 0xF800, 0x07E0, 0x001F, RGB(255, 0, 255), 0xF81F, RGB(255, 0, 255)},
        {"5-6-5", BI_BITFIELDS, 0xF800, 0x07E0, 0x001F, RGB(0, 255, 0), 0x07E0, RGB(0, 255, 0)},
        // Low bits are lost; the top bits are repeated into them on reading.
        {"5-6-5", BI_BITFIELDS, 0xF800, 0x07E0, 0x001F, RGB(0x12, 0x34, 0x56), 0x11AA,
         RGB(0x10, 0x34, 0x52)},
    };
    for (const auto& c : cases) {
        void* bits = nullptr;
        HBITMAP bitmap = Create16(3, 2, c.compression, c.red, c.green, c.blue, &bits);
        ASSERT_NE(bitmap, nullptr) << c.layout;
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SetPixel(dc, 1, 1, c.drawn);
        std::uint16_t stored = 0;
        // Rows of 3 pixels are padded to 8 bytes.
        std::memcpy(&stored, static_cast<std::uint8_t*>(bits) + 8 + 2, 2);
        EXPECT_EQ(stored, c.stored) << c.layout;
        EXPECT_EQ(GetPixel(dc, 1, 1), c.readBack) << c.layout;
        DIBSECTION section;
        ASSERT_EQ(GetObject(bitmap, sizeof section, &section), int(sizeof section));
        EXPECT_EQ(section.dsBm.bmBitsPixel, 16);
        EXPECT_EQ(section.dsBm.bmWidthBytes, 8);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

TEST_F(GdiTest, SixteenBitDibSectionsOfOtherLayoutsAreRefused) {
    void* bits = nullptr;
    EXPECT_EQ(Create16(2, 2, BI_BITFIELDS, 0x001F, 0x07E0, 0xF800, &bits), nullptr);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(Create16(2, 2, BI_BITFIELDS, 0, 0, 0, &bits), nullptr);
}

TEST_F(GdiTest, ASixteenBitBitmapTakesPartInBlits) {
    void* bits = nullptr;
    HBITMAP bitmap = Create16(4, 4, BI_BITFIELDS, 0xF800, 0x07E0, 0x001F, &bits);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, 4, 4};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    SetPixel(dc, 2, 2, RGB(0, 0, 255));
    MemoryCanvas target(4, 4, RGB(0, 128, 0));
    // The key colour survives the 16-bit format, so a keyed copy leaves only the blue pixel.
    TransparentBlt(target.dc(), 0, 0, 4, 4, dc, 0, 0, 4, 4, RGB(255, 0, 255));
    EXPECT_EQ(target.At(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(target.At(0, 0), RGB(0, 128, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

} // namespace
} // namespace gditest
