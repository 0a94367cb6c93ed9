// Three-slice bars and whole state images, pixel for pixel. Pictures are rows
// of characters (SkinPixels.h); canvases start as 'z'.

#include "SkinPixels.h"
#include "platform/gdi/Gdi.h"
#include "skin/WinSkinFrameDraw.h"
#include "skin/WinSkinThreeSlice.h"

#include <gtest/gtest.h>

namespace skin::test {
namespace {

TEST(DrawSkinBar3, RepeatsTheMiddleBetweenFixedEnds) {
    struct Case {
        const char* rule;
        TPicture image;
        TFrameLayout layout;
        int N, I;
        bool transparent;
        win::RECT rect;
        TPicture expected;
    };
    const Case cases[] = {
        {"middle repeated at its own width; the right end drawn over the last copy",
         {"aXYZb"},
         TFrameLayout::Horizontal,
         1,
         1,
         false,
         {0, 0, 9, 2},
         {"aXYZXYZXbz", "aXYZXYZXbz"}},
        {"every piece stretched to the target height",
         {"aXYZb", "cPQRd"},
         TFrameLayout::Horizontal,
         1,
         1,
         false,
         {1, 0, 8, 4},
         {"zaXYZXYb.z"[0] == 'z' ? "zaXYZXYbzz" : "", "zaXYZXYbzz", "zcPQRPQdzz", "zcPQRPQdzz"}},
        {"frame 2 of side-by-side frames",
         {"aXYZbcPQRd"},
         TFrameLayout::Horizontal,
         2,
         2,
         false,
         {0, 0, 7, 1},
         {"cPQRPQdzzz"}},
        {"frame 2 of stacked frames",
         {"aXYZb", "cPQRd"},
         TFrameLayout::Vertical,
         2,
         2,
         false,
         {0, 0, 7, 1},
         {"cPQRPQdzzz"}},
        {"colour-keyed",
         {"a#YZb"},
         TFrameLayout::Horizontal,
         1,
         1,
         true,
         {0, 0, 9, 1},
         {"azYZzYZzbz"}},
        {"ends wider than the frame leave no middle",
         {"ab"},
         TFrameLayout::Horizontal,
         1,
         1,
         false,
         {0, 0, 5, 1},
         {"a...bzzzzz"}},
    };
    for (const Case& c : cases) {
        const auto image = MakeBitmap(c.image);
        const auto canvas = FilledBitmap(10, int(c.expected.size()));
        DrawSkinBar3(*canvas->Canvas(), c.rect, *image, c.layout, c.transparent, c.N, c.I,
                     {1, 0, 1, 0});
        EXPECT_EQ(PictureOf(*canvas), c.expected) << c.rule;
    }
}

TEST(StretchSkin3, StretchesTheMiddleOrTheWholeFrame) {
    struct Case {
        const char* rule;
        int width;
        TPicture expected;
    };
    const Case cases[] = {
        {"fixed ends, stretched middle", 8, {"abbccdde"}},
        {"exactly one frame wide", 5, {"abcdezzz"}},
        {"narrower than a frame: the whole frame shrunk", 2, {"bdzzzzzz"}},
    };
    const auto image = MakeBitmap({"abcdeABCDE"});
    for (const Case& c : cases) {
        const auto canvas = FilledBitmap(8, 1);
        const win::HDC dc = canvas->Canvas()->Handle();
        win::SetStretchBltMode(dc, win::COLORONCOLOR);
        StretchSkin3(dc, {1, 0, 1, 0}, *image, TFrameLayout::Horizontal, 2, 1, {0, 0, c.width, 1});
        EXPECT_EQ(PictureOf(*canvas), c.expected) << c.rule;
    }
}

TEST(DrawSkinFrame, StretchesOneFrameWhole) {
    const auto image = MakeBitmap({"ab#B", "cdCD"});
    const struct {
        const char* rule;
        bool transparent;
        TPicture expected;
    } cases[] = {
        {"opaque", false, {"z##BBz", "zCCDDz"}},
        {"colour-keyed", true, {"zzzBBz", "zCCDDz"}},
    };
    for (const auto& c : cases) {
        const auto canvas = FilledBitmap(6, 2);
        DrawSkinFrame(canvas->Canvas()->Handle(), {1, 0, 5, 2}, *image, c.transparent, 2, 2);
        EXPECT_EQ(PictureOf(*canvas), c.expected) << c.rule;
    }
}

TEST(DrawSkinFrameCentered, PlacesOneFrameAtItsOwnSize) {
    const struct {
        const char* rule;
        TPicture image;
        int N;
        bool transparent;
        win::RECT rect;
        TPicture expected;
    } cases[] = {
        {"half the spare room on each side, rounded down",
         {"abAB", "cdCD"},
         2,
         false,
         {0, 0, 5, 5},
         {"zzzzzz", "zABzzz", "zCDzzz", "zzzzzz", "zzzzzz", "zzzzzz"}},
        {"a frame larger than the rect starts before it",
         {"abcd", "efgh", "ijkl", "mnop"},
         1,
         false,
         {2, 2, 3, 3},
         {"zzzzzz", "zabcdz", "zefghz", "zijklz", "zmnopz", "zzzzzz"}},
        {"colour-keyed",
         {"abA#", "cdCD"},
         2,
         true,
         {1, 1, 5, 5},
         {"zzzzzz", "zzzzzz", "zzAzzz", "zzCDzz", "zzzzzz", "zzzzzz"}},
    };
    for (const auto& c : cases) {
        const auto image = MakeBitmap(c.image);
        const auto canvas = FilledBitmap(6, 6);
        DrawSkinFrameCentered(canvas->Canvas()->Handle(), c.rect, *image, c.transparent, c.N, c.N);
        EXPECT_EQ(PictureOf(*canvas), c.expected) << c.rule;
    }
}

} // namespace
} // namespace skin::test
