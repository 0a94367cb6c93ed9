#include "GdiTestSupport.h"
#include "platform/gdi/BmpReader.h"

#include <cstdint>
#include <vector>

namespace gditest {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A BMP file with an info header: `rows` are the stored rows, in file order,
// each padded here to four bytes.
Bytes MakeBmp(std::int32_t width, std::int32_t height, int bitCount,
              const std::vector<std::uint32_t>& palette, const std::vector<Bytes>& rows,
              std::uint32_t compression = 0) {
    Bytes pixels;
    for (Bytes row : rows) {
        while (row.size() % 4)
            row.push_back(0);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    const std::uint32_t offset = 14 + 40 + std::uint32_t(palette.size()) * 4;
    Bytes b{'B', 'M'};
    Put32(b, offset + std::uint32_t(pixels.size()));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, std::uint32_t(width));
    Put32(b, std::uint32_t(height));
    Put16(b, 1);
    Put16(b, std::uint32_t(bitCount));
    Put32(b, compression);
    Put32(b, std::uint32_t(pixels.size()));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, std::uint32_t(palette.size()));
    Put32(b, 0);
    for (std::uint32_t c : palette)
        Put32(b, c);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

struct DecodeCase {
    const char* name;
    Bytes file;
    int width, height;
    std::vector<std::uint32_t> pixels; // top-down
};

class BmpDecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(BmpDecodeTest, DecodesPixelsTopDown) {
    const DecodeCase& c = GetParam();
    const BmpImage image = DecodeBmp(c.file);
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.pixels, c.pixels);
}

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

INSTANTIATE_TEST_SUITE_P(
    Table, BmpDecodeTest,
    ::testing::Values(
        DecodeCase{"Bits24BottomUp",
                   MakeBmp(2, 2, 24, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}),
                   2,
                   2,
                   {0x090807, 0x0C0B0A, 0x030201, 0x060504}},
        DecodeCase{"Bits24TopDown",
                   MakeBmp(2, -2, 24, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}),
                   2,
                   2,
                   {0x030201, 0x060504, 0x090807, 0x0C0B0A}},
        DecodeCase{"Bits32", MakeBmp(1, 1, 32, {}, {{0x11, 0x22, 0x33, 0xFF}}), 1, 1, {0x332211}},
        DecodeCase{"Bits8Palette",
                   MakeBmp(3, 1, 8, kPalette, {{3, 1, 2}}),
                   3,
                   1,
                   {0x0000FF, 0xFF0000, 0x00FF00}},
        DecodeCase{"Bits4Palette",
                   MakeBmp(3, 1, 4, kPalette, {{0x12, 0x30}}),
                   3,
                   1,
                   {0xFF0000, 0x00FF00, 0x0000FF}},
        DecodeCase{"Bits1Palette",
                   MakeBmp(10, 1, 1, {0x000000, 0xFFFFFF}, {{0xA0, 0x40}}),
                   10,
                   1,
                   {0xFFFFFF, 0, 0xFFFFFF, 0, 0, 0, 0, 0, 0, 0xFFFFFF}},
        DecodeCase{
            "IndexBeyondPaletteIsBlack", MakeBmp(1, 1, 8, kPalette, {{200}}), 1, 1, {0x000000}},
        DecodeCase{"Bits16Default555", MakeBmp(1, 1, 16, {}, {{0x1F, 0x7C}}), 1, 1, {0xFF00FF}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MalformedCase {
    const char* name;
    Bytes file;
};

class BmpMalformedTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(BmpMalformedTest, GivesAnEmptyImage) {
    EXPECT_TRUE(DecodeBmp(GetParam().file).IsEmpty());
}

Bytes Truncated(Bytes b, std::size_t size) {
    b.resize(size);
    return b;
}

Bytes WithByte(Bytes b, std::size_t at, std::uint8_t value) {
    b[at] = value;
    return b;
}

const Bytes kGood = MakeBmp(2, 2, 24, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});

INSTANTIATE_TEST_SUITE_P(
    Table, BmpMalformedTest,
    ::testing::Values(
        MalformedCase{"Empty", {}}, MalformedCase{"BadMagic", WithByte(kGood, 0, 'X')},
        MalformedCase{"CutInHeader", Truncated(kGood, 30)},
        MalformedCase{"CutInPixels", Truncated(kGood, kGood.size() - 1)},
        MalformedCase{"OffsetPastEnd", WithByte(kGood, 13, 0x7F)},
        MalformedCase{"ZeroWidth", MakeBmp(0, 2, 24, {}, {})},
        MalformedCase{"HugeDimensions", MakeBmp(0x7FFFFFFF, 0x7FFFFFFF, 24, {}, {{1, 2, 3}})},
        MalformedCase{"MinimumHeight", MakeBmp(1, INT32_MIN, 24, {}, {{1, 2, 3}})},
        MalformedCase{"BadBitCount", MakeBmp(1, 1, 7, {}, {{1}})},
        MalformedCase{"RunLengthUnsupported", MakeBmp(1, 1, 8, kPalette, {{1}}, 1)},
        MalformedCase{"PaletteCut", Truncated(MakeBmp(1, 1, 8, kPalette, {{1}}), 14 + 40 + 6)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, BmpBecomesDibSectionBitmap) {
    HBITMAP bitmap = CreateBitmapFromBmp(kGood);
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION ds;
    ASSERT_EQ(GetObject(bitmap, sizeof(ds), &ds), int(sizeof(ds)));
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 24);
    EXPECT_EQ(ds.dsBmih.biHeight, 2); // bottom-up
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(9, 8, 7));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(6, 5, 4));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    EXPECT_EQ(CreateBitmapFromBmp(Truncated(kGood, 20)), nullptr);
}

TEST_F(GdiTest, DibSectionBitsAndDrawingShareMemory) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 2; // bottom-up
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    ASSERT_NE(bits, nullptr);
    auto* bytes = static_cast<std::uint8_t*>(bits);
    // Rows are 12 bytes (9 padded to a DWORD); the first row in memory is the bottom one.
    bytes[0] = 0x30, bytes[1] = 0x20, bytes[2] = 0x10;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0x10, 0x20, 0x30));
    SetPixel(dc, 2, 0, RGB(1, 2, 3));
    EXPECT_EQ(bytes[12 + 6], 3);
    EXPECT_EQ(bytes[12 + 8], 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
}

TEST_F(GdiTest, GetAndSetDibitsRoundTrip) {
    HBITMAP b = CreateBitmap(2, 2, 1, 32, nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = -2; // top-down
    info.bmiHeader.biBitCount = 24;
    const std::uint8_t in[16] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    EXPECT_EQ(SetDIBits(nullptr, b, 0, 2, in, &info, DIB_RGB_COLORS), 2);
    std::uint8_t out[16] = {};
    EXPECT_EQ(GetDIBits(nullptr, b, 0, 2, out, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(std::vector<std::uint8_t>(out, out + 16), std::vector<std::uint8_t>(in, in + 16));
    DeleteObject(b);
}

} // namespace
} // namespace gditest
