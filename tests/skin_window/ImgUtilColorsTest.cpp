#include "skin/ImgUtilColors.h"

#include "framework/gui/GraphicsColor.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using fw::TColor;

constexpr TColor kFace = static_cast<TColor>(0xFDEEE3);

TEST(BlendColors, WeighsEachChannelWithRounding) {
    struct Case {
        const char* rule;
        TColor a, b;
        int w;
        TColor expected;
    };
    const Case cases[] = {
        {"weight from 100 on is in tenths: 15 % grey, 85 % face", fw::clGray, kFace, 150,
         static_cast<TColor>(0xEADED4)},
        {"weight below 100 is a percentage: 70 % face, 30 % white", kFace, fw::clWhite, 70,
         static_cast<TColor>(0xFEF3EB)},
        {"half a step rounds up", static_cast<TColor>(0x000001), fw::clBlack, 50,
         static_cast<TColor>(0x000001)},
        {"weight 0 gives the second colour", fw::clRed, fw::clBlue, 0, fw::clBlue},
        {"weight 1000 gives the first colour", fw::clRed, fw::clBlue, 1000, fw::clRed},
        {"weight 100 is out of 1000, not 100 %", fw::clWhite, fw::clBlack, 100,
         static_cast<TColor>(0x1A1A1A)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendColors(c.a, c.b, c.w), c.expected) << c.rule;
}

TEST(BlendColors, ResolvesSystemColoursFirst) {
    const TColor face = static_cast<TColor>(fw::ColorToRGB(fw::clBtnFace));
    EXPECT_EQ(BlendColors(fw::clBtnFace, face, 37), face);
    EXPECT_EQ(BlendColors(fw::clBtnFace, fw::clBtnFace, 150), face);
}

TEST(ColorSaturation, ScalesSpreadByMaximumWithDarkColoursCapped) {
    struct Case {
        const char* rule;
        unsigned color;
        int expected;
    };
    const Case cases[] = {
        {"pure red", 0x0000FF, 255},
        {"white", 0xFFFFFF, 0},
        {"dark blue: every channel below 160", 0x800000, 200},
        {"black", 0x000000, 200},
        {"one channel at 160 is not dark", 0x0000A0, 255},
        {"127.5 rounds to the even 128", 0x6464C8, 128},
        {"4.5 rounds to the even 4", 0xA7A7AA, 4},
        {"1.5 rounds to the even 2", 0xA9A9AA, 2},
        {"2.55 rounds to 3", 0xC6C6C8, 3},
        {"a system colour is read as its bytes, not resolved", 0xFF00000F, 200},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorSaturation(static_cast<TColor>(c.color)), c.expected) << c.rule;
}

} // namespace
} // namespace skin
