// Colour-keyed and tiled copies, and the embossed disabled glyph.

#include "SkinPixels.h"
#include "framework/gui/GraphicsColor.h"
#include "platform/gdi/Gdi.h"
#include "skin/WinSkinBlit.h"
#include "skin/WinSkinDisabledGlyph.h"

#include <gtest/gtest.h>

namespace skin::test {
namespace {

TEST(TransparentDraw, LeavesThePixelsOfTheKeyColour) {
    const auto bitmap = MakeBitmap({"a#", "#b"});
    const struct {
        const char* rule;
        fw::TColor key;
        TPicture expected;
    } cases[] = {
        {"magenta key", fw::clFuchsia, {"zzzz", "zazz", "zzbz", "zzzz"}},
        {"any key colour", static_cast<fw::TColor>(ColorOf('a')), {"zzzz", "zz#z", "z#bz", "zzzz"}},
    };
    for (const auto& c : cases) {
        const auto canvas = FilledBitmap(4, 4);
        TransparentDraw(canvas->Canvas()->Handle(), {1, 1, 3, 3}, *bitmap, c.key);
        EXPECT_EQ(PictureOf(*canvas), c.expected) << c.rule;
    }
}

TEST(TileDraw, RepeatsThePartWholeWhileInsideTheTarget) {
    const auto bitmap = MakeBitmap({"abc", "def"});
    const struct {
        const char* rule;
        win::RECT target, source;
        TPicture expected;
    } cases[] = {
        {"last tiles run past the target's right and bottom edges",
         {0, 0, 5, 3},
         {0, 0, 2, 2},
         {"ababab", "dedede", "ababab", "dedede"}},
        {"a part of the bitmap, from the target's corner",
         {1, 1, 4, 2},
         {1, 0, 3, 2},
         {"zzzzzz", "zbcbcz", "zefefz", "zzzzzz"}},
        {"an empty source draws nothing", {0, 0, 6, 4}, {1, 0, 1, 2}, TPicture(4, "zzzzzz")},
    };
    for (const auto& c : cases) {
        const auto canvas = FilledBitmap(6, 4);
        TileDraw(*canvas->Canvas(), c.target, *bitmap, c.source);
        EXPECT_EQ(PictureOf(*canvas), c.expected) << c.rule;
    }
}

TEST(MakeDisabledGlyph, EmbossesTheGlyphsShapeOnButtonFace) {
    // The transparent colour is the bottom-left pixel's, white here.
    const auto glyph = MakeBitmap({"....", ".ab.", ".c#.", "...."});
    MakeDisabledGlyph(*glyph);
    const std::vector<std::string> expected = {"FFFF", "FSSF", "FSSH", "FFHH"};
    const auto shade = [](char c) {
        return fw::ColorToRGB(c == 'F'   ? fw::clBtnFace
                              : c == 'S' ? fw::clBtnShadow
                                         : fw::clBtnHighlight);
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(glyph->Canvas()->Pixels(x, y),
                      shade(expected[std::size_t(y)][std::size_t(x)]))
                << x << "," << y;
}

} // namespace
} // namespace skin::test
