#include "skin/ImgUtilBitmaps.h"

#include "SkinPixels.h"
#include "framework/gui/GraphicsColor.h"

#include <gtest/gtest.h>

namespace skin::test {
namespace {

using fw::TPixelFormat;

TEST(BitmapTransforms, MoveEveryPixelWhereTheTurnSays) {
    struct Case {
        const char* rule;
        void (*transform)(fw::TBitmap&);
        TPicture before;
        TPicture after;
    };
    // Three pixels a row leave padding at the end of each 24-bit row, which
    // must not travel with the pixels.
    const Case cases[] = {
        {"mirror reverses each row", MirrorBitmap, {"abc", "def"}, {"cba", "fed"}},
        {"mirror keeps an odd row's middle pixel", MirrorBitmap, {"abcde"}, {"edcba"}},
        {"flip reverses the rows", FlipBitmap, {"abc", "def", "ghi"}, {"ghi", "def", "abc"}},
        {"left turn: (x, y) to (y, W-1-x)", RotateBitmapLeft, {"abc", "def"}, {"cf", "be", "ad"}},
        {"right turn: (x, y) to (H-1-y, x)", RotateBitmapRight, {"abc", "def"}, {"da", "eb", "fc"}},
        {"a turn of a single column", RotateBitmapLeft, {"a", "b", "c"}, {"abc"}},
        {"a single pixel stays", RotateBitmapRight, {"a"}, {"a"}},
    };
    for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit})
        for (const Case& c : cases) {
            const auto bitmap = MakeBitmap(c.before, format);
            c.transform(*bitmap);
            EXPECT_EQ(PictureOf(*bitmap), c.after) << c.rule;
            EXPECT_EQ(bitmap->PixelFormat(), format) << c.rule;
        }
}

TEST(BitmapTransforms, AnEmptyBitmapStaysEmpty) {
    for (void (*transform)(fw::TBitmap&) :
         {MirrorBitmap, FlipBitmap, RotateBitmapLeft, RotateBitmapRight}) {
        fw::TBitmap bitmap;
        transform(bitmap);
        EXPECT_TRUE(bitmap.Empty());
    }
}

TEST(ReplaceKeyColor, ReplacesExactlyMagentaAndLeavesTwentyFourBits) {
    auto bitmap = MakeBitmap({"#a#", "b#c"}, TPixelFormat::pf32bit);
    // (255, 1, 255) is not the key.
    bitmap->ScanLine(1)[1 * 4 + 1] = 1;
    ReplaceKeyColor(*bitmap, static_cast<fw::TColor>(ColorOf('z')));
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(PictureOf(*bitmap), (TPicture{"zaz", "b?c"}));
    EXPECT_EQ(bitmap->Canvas()->Pixels(1, 1), win::COLORREF(0xFF01FF));
}

TEST(ReplaceKeyColor, ResolvesASystemColour) {
    auto bitmap = MakeBitmap({"#"});
    ReplaceKeyColor(*bitmap, fw::clBtnFace);
    EXPECT_EQ(bitmap->Canvas()->Pixels(0, 0), fw::ColorToRGB(fw::clBtnFace));
}

} // namespace
} // namespace skin::test
