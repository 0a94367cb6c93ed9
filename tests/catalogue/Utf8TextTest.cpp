#include "catalogue/Utf8Text.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

// Input bytes, whether they are valid UTF-8, and the text RepairUtf8 makes of
// them (one U+FFFD per maximal ill-formed subsequence).
struct Utf8Case {
    std::string_view bytes;
    bool valid;
    std::string_view repaired;
};

constexpr std::string_view kR = "\xEF\xBF\xBD";

TEST(Utf8Text, ValidatesAndRepairs) {
    using namespace std::string_view_literals;
    const Utf8Case cases[] = {
        {"", true, ""},
        {"abc", true, "abc"},
        {"央视\0x"sv, true, "央视\0x"sv},
        {"\xF0\x9F\x93\xBA", true, "\xF0\x9F\x93\xBA"}, // U+1F4FA
        {"\xF4\x8F\xBF\xBF", true, "\xF4\x8F\xBF\xBF"}, // U+10FFFF
        {"\xF4\x90\x80\x80", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xC0\xAF", false, "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // overlong
        {"\xED\xA0\x80", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // surrogate
        {"a\xE4\xB8", false, "a\xEF\xBF\xBD"},                           // cut short at the end
        {"\xE4\xB8z", false, "\xEF\xBF\xBDz"},                           // cut short inside
        {"\xD1\xEB\xCA\xD3", false, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"}, // GBK
        {"\x80", false, kR},
    };
    for (const Utf8Case& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << testing::PrintToString(std::string(c.bytes));
        EXPECT_EQ(RepairUtf8(c.bytes), c.repaired) << testing::PrintToString(std::string(c.bytes));
    }
}

} // namespace
} // namespace catalogue
