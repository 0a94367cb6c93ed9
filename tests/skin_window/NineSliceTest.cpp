// Nine-slice, three-slice and whole-frame drawing of skin state images, pixel
// for pixel. Pictures are rows of characters (SkinPixels.h).

#include "SkinPixels.h"
#include "platform/gdi/Gdi.h"
#include "skin/WinSkinNineSlice.h"

#include <gtest/gtest.h>

namespace skin::test {
namespace {

// Two 4 x 4 frames side by side, and the same two stacked.
const TPicture kSideBySide = {"abcdABCD", "efghEFGH", "ijklIJKL", "mnopMNOP"};
const TPicture kStacked = {"abcd", "efgh", "ijkl", "mnop", "ABCD", "EFGH", "IJKL", "MNOP"};

TEST(SkinStretchBitmap, SlicesOneFrameIntoTheTarget) {
    struct Case {
        const char* rule;
        const TPicture& image;
        TFrameLayout layout;
        int N, I, tile;
        win::RECT margins;
        int width, height;
        TPicture expected;
    };
    const Case cases[] = {
        {"corners kept, edges and centre stretched",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         1,
         0,
         {1, 1, 1, 1},
         7,
         5,
         {"abbcccd", "effgggh", "ijjkkkl", "ijjkkkl", "mnnooop"}},
        {"the centre tiled from its corner; the edges drawn after it cover the overrun",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         1,
         1,
         {1, 1, 1, 1},
         7,
         5,
         {"abbcccd", "efgfgfh", "ijkjkjl", "ifgfgfl", "mnnooop"}},
        {"frame 2 of 2",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         2,
         0,
         {1, 1, 1, 1},
         4,
         4,
         {"ABCD", "EFGH", "IJKL", "MNOP"}},
        {"vertical frames: frame 2 is the lower one",
         kStacked,
         TFrameLayout::Vertical,
         2,
         2,
         0,
         {1, 1, 1, 1},
         5,
         4,
         {"ABCCD", "EFGGH", "IJKKL", "MNOOP"}},
        {"uneven margins",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         1,
         0,
         {2, 1, 1, 2},
         5,
         5,
         {"abccd", "efggh", "efggh", "ijkkl", "mnoop"}},
        {"no margins: the whole frame stretched",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         1,
         0,
         {0, 0, 0, 0},
         8,
         2,
         {"eeffgghh", "mmnnoopp"}},
        {"narrower than left + right: no side margins, top and bottom stay",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         1,
         0,
         {1, 1, 1, 1},
         1,
         4,
         {"c", "g", "k", "o"}},
        {"lower than top + bottom: no top and bottom margins",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         1,
         0,
         {1, 1, 1, 1},
         4,
         1,
         {"ijkl"}},
        {"smaller than the margins both ways: the frame shrunk whole",
         kSideBySide,
         TFrameLayout::Horizontal,
         2,
         1,
         0,
         {2, 2, 2, 2},
         2,
         2,
         {"fh", "np"}},
        {"no frame count counts as one frame",
         kSideBySide,
         TFrameLayout::Horizontal,
         0,
         1,
         0,
         {0, 0, 0, 0},
         4,
         1,
         {"jlJL"}},
    };
    for (const Case& c : cases) {
        const auto image = MakeBitmap(c.image);
        const auto result = SkinStretchBitmap({10, 20, 10 + c.width, 20 + c.height}, *image,
                                              c.margins, c.layout, c.tile, c.N, c.I);
        EXPECT_EQ(PictureOf(*result), c.expected) << c.rule;
    }
}

TEST(SkinStretchBitmap, AnEmptyTargetOrImageGivesAnEmptyBitmap) {
    const auto image = MakeBitmap(kSideBySide);
    EXPECT_TRUE(
        SkinStretchBitmap({5, 5, 5, 9}, *image, {}, TFrameLayout::Horizontal, 0, 2, 1)->Empty());
    EXPECT_TRUE(
        SkinStretchBitmap({5, 5, 9, 2}, *image, {}, TFrameLayout::Horizontal, 0, 2, 1)->Empty());
    const fw::TBitmap none;
    EXPECT_TRUE(
        SkinStretchBitmap({0, 0, 4, 4}, none, {}, TFrameLayout::Horizontal, 0, 1, 1)->Empty());
}

TEST(SkinStretchBitmap, AFrameOutsideTheImageReadsNothingBeyondIt) {
    const auto image = MakeBitmap(kSideBySide);
    for (const int I : {0, 3, 100}) {
        const auto result = SkinStretchBitmap({0, 0, 6, 6}, *image, {1, 1, 1, 1},
                                              TFrameLayout::Horizontal, 1, 2, I);
        EXPECT_EQ(result->Width(), 6) << I;
    }
}

TEST(DrawSkinImage, CopiesOrKeysOutMagenta) {
    const auto image = MakeBitmap({"#bc#", "efgh", "ijkl", "#no#"});
    struct Case {
        const char* rule;
        bool transparent;
        win::RECT rect;
        TPicture expected;
    };
    const Case cases[] = {
        {"opaque: magenta is copied",
         false,
         {1, 1, 5, 5},
         {"zzzzzz", "z#bc#z", "zefghz", "zijklz", "z#no#z", "zzzzzz"}},
        {"transparent: magenta shows the canvas",
         true,
         {1, 1, 5, 5},
         {"zzzzzz", "zzbczz", "zefghz", "zijklz", "zznozz", "zzzzzz"}},
        {"an inverted rect draws nothing", false, {5, 1, 1, 5}, TPicture(6, "zzzzzz")},
        {"an empty rect draws nothing", false, {1, 1, 1, 5}, TPicture(6, "zzzzzz")},
    };
    for (const Case& c : cases) {
        const auto canvas = FilledBitmap(6, 6);
        DrawSkinImage(canvas->Canvas()->Handle(), c.rect, *image, TFrameLayout::Horizontal, 0,
                      c.transparent, 1, 1, {1, 1, 1, 1});
        EXPECT_EQ(PictureOf(*canvas), c.expected) << c.rule;
    }
}

TEST(DrawSkinImage, LeavesNoDrawingObjectsBehind) {
    const auto image = MakeBitmap(kSideBySide);
    const auto canvas = FilledBitmap(40, 30);
    const win::HDC dc = canvas->Canvas()->Handle();
    const auto draw = [&] {
        for (const bool transparent : {false, true})
            DrawSkinImage(dc, {0, 0, 40, 30}, *image, TFrameLayout::Horizontal, 1, transparent, 2,
                          1, {1, 1, 1, 1});
    };
    draw(); // the first paint may make the buffers it keeps
    const win::UINT bitmaps = win::GdiObjectCount(win::OBJ_BITMAP);
    const win::UINT dcs = win::GdiObjectCount(win::OBJ_MEMDC);
    draw();
    EXPECT_EQ(win::GdiObjectCount(win::OBJ_BITMAP), bitmaps);
    EXPECT_EQ(win::GdiObjectCount(win::OBJ_MEMDC), dcs);
}

} // namespace
} // namespace skin::test
