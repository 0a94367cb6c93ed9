#include "skin/WinSkinDataColorText.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(ParseColorText, ReadsRedGreenBlueFromDigitRuns) {
    struct Case {
        const char* rule;
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"three numbers separated by blanks", "227 238 253", 0xFDEEE3},
        {"commas read like blanks", "1, 2, 3", 0x030201},
        {"any non-digit separates", "1;2x3", 0x030201},
        {"blanks around the text are trimmed", "  4 5 6  ", 0x060504},
        {"a last number counts only as the third", "5 6", 0x000005},
        {"one number without a separator is dropped", "7", 0},
        {"a number followed by a separator is kept", "7,", 7},
        {"a fourth number is ignored", "1 2 3 4", 0x030201},
        {"red and green are added unmasked", "256 256 0", 0x10100},
        {"blue is masked to a byte", "0 0 257", 0x010000},
        {"no digits at all gives 0", "red", 0},
        {"an empty text gives nothing", "", std::nullopt},
        {"only blanks give nothing", "   ", std::nullopt},
        {"a kept number beyond 32 bits gives nothing", "99999999999 0 0", std::nullopt},
        {"an ignored fourth number may be anything", "1 2 3 99999999999 ", 0x030201},
    };
    for (const Case& c : cases) {
        const auto color = ParseColorText(c.text);
        ASSERT_EQ(color.has_value(), c.expected.has_value()) << c.rule;
        if (color) {
            EXPECT_EQ(static_cast<std::int32_t>(*color), *c.expected) << c.rule;
        }
    }
}

} // namespace
} // namespace skin
