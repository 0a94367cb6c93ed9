#include "skin/ImgUtilGradient.h"

#include "SkinPixels.h"
#include "framework/Exception.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

namespace skin::test {
namespace {

using TTable = std::vector<win::COLORREF>;

TEST(GradientTable, SpansFirstToLastWithFlooredSteps) {
    struct Case {
        const char* rule;
        int n;
        win::COLORREF first, last;
        TTable expected;
    };
    const Case cases[] = {
        {"rising: (c/2 + i d) / c", 4, 0x000000, 0x00000A, {0x00, 0x03, 0x07, 0x0A}},
        {"falling steps round toward minus infinity",
         4,
         0x00000A,
         0x000000,
         {0x0A, 0x07, 0x03, 0x00}},
        {"two lines are the two colours", 2, 0x123456, 0x654321, {0x123456, 0x654321}},
        {"channels run on their own", 3, 0xFF0000, 0x0000FF, {0xFF0000, 0x800080, 0x0000FF}},
        {"one line: half the difference, truncated up", 1, 0x000000, 0xFFFFFF, {0x7F7F7F}},
        {"one line: half the difference, truncated down", 1, 0xFFFFFF, 0x000000, {0x808080}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildGradientTable(c.n, c.first, c.last), c.expected) << c.rule;
}

TEST(GradientTable, WhiteToBlackOverTenLinesEndsExactly) {
    const TTable table = BuildGradientTable(10, 0xFFFFFF, 0x000000);
    ASSERT_EQ(table.size(), 10u);
    EXPECT_EQ(table.front(), 0xFFFFFFu);
    EXPECT_EQ(table.back(), 0x000000u);
    EXPECT_EQ(table[1], 0xE3E3E3u) << "255 + floor((4 - 255) / 9)";
}

TEST(GradientTable, NeedsAtLeastOneLine) {
    try {
        BuildGradientTable(0, 0, 0);
        FAIL() << "no assertion";
    } catch (const fw::EAssertionFailed& error) {
        EXPECT_EQ(error.Message().rfind("Assertion failure", 0), 0u) << error.Message();
    }
}

TEST(GradientCache, FindsTablesAgainAndReplacesRoundRobin) {
    TGradientCache cache;
    const TTable& first = cache.Table(40, 0xFFFFFF, 0x000000);
    EXPECT_EQ(cache.NextSlot(), 1);
    EXPECT_EQ(&cache.Table(40, 0xFFFFFF, 0x000000), &first) << "the same gradient reuses its slot";
    EXPECT_EQ(cache.NextSlot(), 1);
    cache.Table(40, 0x000000, 0xFFFFFF);
    EXPECT_EQ(cache.NextSlot(), 2) << "the reverse gradient is another table";
    cache.Table(39, 0xFFFFFF, 0x000000);
    EXPECT_EQ(cache.NextSlot(), 3) << "so is another length";
    for (int i = 3; i < TGradientCache::kSlots; ++i)
        cache.Table(i, 0x111111, 0x222222);
    EXPECT_EQ(cache.NextSlot(), 0) << "the counter wraps from 15 to 0";
    EXPECT_EQ(cache.Slot(0).length, 40);

    cache.Table(7, 0x333333, 0x444444);
    EXPECT_EQ(cache.Slot(0).length, 7) << "the seventeenth table overwrites the oldest slot";
    EXPECT_EQ(cache.Slot(0).colors.front(), 0x333333u);
    cache.Table(40, 0x000000, 0xFFFFFF);
    EXPECT_EQ(cache.NextSlot(), 1) << "slot 1 still holds its table";
    cache.Table(40, 0xFFFFFF, 0x000000);
    EXPECT_EQ(cache.NextSlot(), 2) << "the overwritten table is built again";
}

class GradientFillTest : public ::testing::Test {
protected:
    // A white bitmap to fill.
    std::unique_ptr<fw::TBitmap> target = FilledBitmap(10, 40, '.');
    win::HDC dc = target->Canvas()->Handle();

    // The colours down column x, read from the bitmap's memory (GetPixel
    // would refuse clipped pixels).
    TTable Column(int x) {
        TTable colors;
        for (int y = 0; y < target->Height(); ++y) {
            const std::uint8_t* pixel = target->ScanLine(y) + 3 * x;
            colors.push_back(win::COLORREF(pixel[2]) | win::COLORREF(pixel[1]) << 8 |
                             win::COLORREF(pixel[0]) << 16);
        }
        return colors;
    }
};

TEST_F(GradientFillTest, PaintsOnlyTheVisibleLinesInTheWholeGradientsColours) {
    const fw::TColor top = static_cast<fw::TColor>(0x0000FF);
    const fw::TColor bottom = static_cast<fw::TColor>(0xFF8000);
    win::IntersectClipRect(dc, 0, 20, 10, 40);
    GradientFill(dc, {0, 0, 10, 40}, top, TGradientDirection::TopToBottom, bottom);
    const TTable whole = BuildGradientTable(40, 0x0000FF, 0xFF8000);
    TTable expected(20, 0xFFFFFF);
    expected.insert(expected.end(), whole.begin() + 20, whole.end());
    EXPECT_EQ(Column(0), expected);
    EXPECT_EQ(Column(9), expected);
}

TEST_F(GradientFillTest, RunsColumnsLeftToRightAndResolvesSystemColours) {
    GradientFill(dc, {2, 5, 6, 7}, fw::clBtnFace, TGradientDirection::LeftToRight, fw::clBlack);
    const TTable table = BuildGradientTable(4, fw::ColorToRGB(fw::clBtnFace), 0x000000);
    for (int x = 0; x < 10; ++x) {
        const bool inside = x >= 2 && x < 6;
        EXPECT_EQ(win::GetPixel(dc, x, 5), inside ? table[std::size_t(x - 2)] : 0xFFFFFFu) << x;
        EXPECT_EQ(win::GetPixel(dc, x, 4), 0xFFFFFFu) << x;
        EXPECT_EQ(win::GetPixel(dc, x, 7), 0xFFFFFFu) << x;
    }
}

TEST_F(GradientFillTest, EmptyOrHiddenRectanglesPaintNothing) {
    const TPicture white = PictureOf(*target);
    GradientFill(dc, {0, 10, 10, 10}, fw::clBlack, TGradientDirection::TopToBottom, fw::clRed);
    GradientFill(dc, {0, 10, 10, 5}, fw::clBlack, TGradientDirection::TopToBottom, fw::clRed);
    GradientFill(dc, {20, 0, 30, 40}, fw::clBlack, TGradientDirection::TopToBottom, fw::clRed);
    GradientFill(dc, {5, 0, 2, 40}, fw::clBlack, TGradientDirection::TopToBottom, fw::clRed);
    EXPECT_EQ(PictureOf(*target), white);
}

} // namespace
} // namespace skin::test
