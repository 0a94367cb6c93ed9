#include "GdiTestSupport.h"

namespace gditest {
namespace {

// A 1-pixel-high source whose pixel x has red value 10 * (x + 1).
class Strip {
public:
    explicit Strip(int width) : canvas_(width, 1) {
        for (int x = 0; x < width; ++x)
            SetPixel(canvas_.dc(), x, 0, RGB(10 * (x + 1), 0, 0));
    }
    HDC dc() const { return canvas_.dc(); }

private:
    MemoryCanvas canvas_;
};

std::vector<int> RedValues(const MemoryCanvas& c, int width) {
    std::vector<int> reds;
    for (int x = 0; x < width; ++x)
        reds.push_back(GetRValue(c.At(x, 0)));
    return reds;
}

struct StretchCase {
    const char* name;
    int srcWidth;
    int destX, destWidth; // negative width mirrors
    int mode;
    std::vector<int> expected;
};

class StretchBltTest : public GdiTest, public ::testing::WithParamInterface<StretchCase> {};

TEST_P(StretchBltTest, MapsDestinationPixelsToSourcePixels) {
    const StretchCase& c = GetParam();
    Strip src(c.srcWidth);
    MemoryCanvas dst(int(c.expected.size()), 1, RGB(0, 0, 0));
    SetStretchBltMode(dst.dc(), c.mode);
    StretchBlt(dst.dc(), c.destX, 0, c.destWidth, 1, src.dc(), 0, 0, c.srcWidth, 1, SRCCOPY);
    EXPECT_EQ(RedValues(dst, int(c.expected.size())), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StretchBltTest,
    ::testing::Values(
        StretchCase{"DoubleReplicates", 3, 0, 6, COLORONCOLOR, {10, 10, 20, 20, 30, 30}},
        StretchCase{"TripleReplicates", 2, 0, 6, COLORONCOLOR, {10, 10, 10, 20, 20, 20}},
        StretchCase{"UnevenEnlarge", 2, 0, 5, COLORONCOLOR, {10, 10, 20, 20, 20}},
        StretchCase{"HalveSamplesCentres", 6, 0, 3, COLORONCOLOR, {20, 40, 60}},
        StretchCase{"SameSizeCopies", 4, 0, 4, COLORONCOLOR, {10, 20, 30, 40}},
        StretchCase{"MirrorByNegativeWidth", 4, 4, -4, COLORONCOLOR, {40, 30, 20, 10}},
        StretchCase{"HalftoneAverages", 4, 0, 2, HALFTONE, {15, 35}},
        StretchCase{"BlackOnWhiteAnds", 4, 0, 2, BLACKONWHITE, {10 & 20, 30 & 40}},
        StretchCase{"WhiteOnBlackOrs", 4, 0, 2, WHITEONBLACK, {10 | 20, 30 | 40}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GdiTest, StretchBltIsExactInTwoDimensions) {
    // A 2x2 checker stretched to 5x3: every destination pixel takes the source
    // pixel under its centre.
    MemoryCanvas src(2, 2, RGB(0, 0, 0));
    SetPixel(src.dc(), 1, 0, RGB(255, 255, 255));
    SetPixel(src.dc(), 0, 1, RGB(255, 255, 255));
    MemoryCanvas dst(5, 3, RGB(9, 9, 9));
    SetStretchBltMode(dst.dc(), COLORONCOLOR);
    StretchBlt(dst.dc(), 0, 0, 5, 3, src.dc(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(dst.Rows(5, 3, RGB(255, 255, 255)),
              (std::vector<std::string>{"..###", "##...", "##..."}));
}

TEST_F(GdiTest, TransparentBltSkipsTheKeyColour) {
    MemoryCanvas src(2, 1, RGB(255, 0, 255));
    SetPixel(src.dc(), 1, 0, RGB(0, 0, 255));
    MemoryCanvas dst(4, 1, RGB(0, 128, 0));
    EXPECT_TRUE(TransparentBlt(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 2, 1, RGB(255, 0, 255)));
    EXPECT_EQ(dst.At(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(dst.At(1, 0), RGB(0, 128, 0));
    EXPECT_EQ(dst.At(2, 0), RGB(0, 0, 255));
    EXPECT_EQ(dst.At(3, 0), RGB(0, 0, 255));
    EXPECT_FALSE(TransparentBlt(dst.dc(), 4, 0, -4, 1, src.dc(), 0, 0, 2, 1, 0));
}

TEST_F(GdiTest, MaskBltWithKeyMaskDrawsOnlyOpaquePixels) {
    // The skin engine's colour-keyed draw: a mask from the key colour, then
    // MaskBlt keeping the destination where the mask is white.
    MemoryCanvas image(3, 1, RGB(255, 0, 255));
    SetPixel(image.dc(), 1, 0, RGB(1, 2, 3));
    HBITMAP mask = CreateBitmap(3, 1, 1, 1, nullptr);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(maskDc, mask);
    SetBkColor(image.dc(), RGB(255, 0, 255));
    BitBlt(maskDc, 0, 0, 3, 1, image.dc(), 0, 0, SRCCOPY);
    SelectObject(maskDc, old);
    MemoryCanvas dst(3, 1, RGB(0, 0, 0));
    EXPECT_TRUE(MaskBlt(dst.dc(), 0, 0, 3, 1, image.dc(), 0, 0, mask, 0, 0, 0xCCAA0029));
    EXPECT_EQ(dst.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(dst.At(1, 0), RGB(1, 2, 3));
    EXPECT_EQ(dst.At(2, 0), RGB(0, 0, 0));
    DeleteDC(maskDc);
    DeleteObject(mask);
}

TEST_F(GdiTest, GradientFillShadesAcrossTheRectangle) {
    MemoryCanvas c(4, 4);
    TRIVERTEX v[2];
    v[0] = {0, 0, 0x0000, 0x0000, 0xFF00, 0};
    v[1] = {4, 4, 0xFF00, 0x0000, 0x0000, 0};
    GRADIENT_RECT r{0, 1};
    ASSERT_TRUE(GradientFill(c.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(c.At(1, 3), RGB(63, 0, 191));
    EXPECT_EQ(c.At(3, 2), RGB(191, 0, 63));
    // Clipped into parts, each part keeps the shades of its own columns.
    MemoryCanvas parts(4, 4);
    ExcludeClipRect(parts.dc(), 1, 1, 3, 3);
    ASSERT_TRUE(GradientFill(parts.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(parts.At(3, 2), RGB(191, 0, 63));
    EXPECT_EQ(parts.At(1, 3), RGB(63, 0, 191));
    SelectClipRgn(parts.dc(), nullptr);
    EXPECT_EQ(parts.At(2, 2), RGB(255, 255, 255)) << "the excluded middle";
    ASSERT_TRUE(GradientFill(c.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(c.At(3, 0), RGB(0, 0, 255));
    EXPECT_EQ(c.At(0, 2), RGB(127, 0, 127));
    GRADIENT_RECT bad{0, 2};
    EXPECT_FALSE(GradientFill(c.dc(), v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
}

TEST_F(GdiTest, GradientTriangleBlendsItsVertexColours) {
    MemoryCanvas c(8, 8, RGB(1, 1, 1));
    TRIVERTEX v[3];
    v[0] = {0, 0, 0xFF00, 0, 0, 0};
    v[1] = {8, 0, 0xFF00, 0, 0, 0};
    v[2] = {0, 8, 0, 0, 0xFF00, 0};
    GRADIENT_TRIANGLE t{0, 1, 2};
    ASSERT_TRUE(GradientFill(c.dc(), v, 3, &t, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(c.At(0, 0), RGB(239, 0, 15));
    EXPECT_EQ(c.At(0, 7), RGB(15, 0, 239));
    EXPECT_EQ(c.At(7, 7), RGB(1, 1, 1)); // outside the triangle
    // Far vertices: the weights are large but the colours stay in range.
    v[1] = {1 << 26, 0, 0xFF00, 0, 0, 0};
    v[2] = {0, 1 << 26, 0, 0, 0xFF00, 0};
    ASSERT_TRUE(GradientFill(c.dc(), v, 3, &t, 1, GRADIENT_FILL_TRIANGLE));
    EXPECT_EQ(c.At(7, 7), RGB(254, 0, 0));
}

TEST_F(GdiTest, GradientFillClipsWithoutChangingTheShading) {
    MemoryCanvas full(1, 10), clipped(1, 10);
    TRIVERTEX v[2];
    v[0] = {0, 0, 0xFF00, 0xFF00, 0xFF00, 0};
    v[1] = {1, 10, 0, 0, 0, 0};
    GRADIENT_RECT r{0, 1};
    GradientFill(full.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_V);
    IntersectClipRect(clipped.dc(), 0, 5, 1, 10);
    GradientFill(clipped.dc(), v, 2, &r, 1, GRADIENT_FILL_RECT_V);
    SelectClipRgn(clipped.dc(), nullptr);
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(clipped.At(0, y), y < 5 ? RGB(255, 255, 255) : full.At(0, y)) << y;
}

} // namespace
} // namespace gditest
