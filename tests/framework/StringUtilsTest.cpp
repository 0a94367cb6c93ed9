#include "framework/StringUtils.h"

#include "framework/Color.h"
#include "framework/Exception.h"
#include "framework/FileNames.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace fw {
namespace {

TEST(StringUtils, StrToIntReadsTheFrameworksNotations) {
    struct Case {
        const char* text;
        std::int64_t value;
    };
    const Case good[] = {
        {"0", 0},
        {"42", 42},
        {"-17", -17},
        {"+5", 5},
        {"  12", 12},
        {"$1F", 31},
        {"0x1f", 31},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
    };
    for (const Case& c : good)
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;

    for (const char* text : {"", " ", "12 ", "1e3", "$", "0x", "2147483648", "abc", "--1"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
    EXPECT_EQ(StrToIntDef("x", -1), -1);
}

TEST(StringUtils, TextHelpers) {
    EXPECT_EQ(CompareText("abc", "ABD"), -1);
    EXPECT_EQ(CompareText("ABC", "abc"), 0);
    EXPECT_EQ(CompareStr("ABC", "abc"), -1);
    EXPECT_EQ(CompareText("ab", "abc"), -1);
    EXPECT_TRUE(SameText("Telvora", "TELVORA"));
    EXPECT_EQ(UpperCase("ab电c"), "AB电C");
    EXPECT_EQ(LowerCase("AB电C"), "ab电c");
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_TRUE(StartsText("cctv", "CCTV-1.txt"));
    EXPECT_TRUE(EndsText(".TXT", "CCTV-1.txt"));
    EXPECT_FALSE(EndsText("long suffix", "short"));
    EXPECT_EQ(PosText("TV", "cctv-1"), 2u);
    EXPECT_EQ(PosText("x", "cctv"), std::string::npos);
    EXPECT_EQ(PosText("", "cctv"), 0u);
}

TEST(StringUtils, StringReplace) {
    const TReplaceFlags all{TReplaceFlag::rfReplaceAll};
    const TReplaceFlags allNoCase{TReplaceFlag::rfReplaceAll, TReplaceFlag::rfIgnoreCase};
    struct Case {
        std::string got;
        std::string expected;
    };
    const Case cases[] = {
        {StringReplace("a.b.c", ".", "-", {}), "a-b.c"},
        {StringReplace("a.b.c", ".", "-", all), "a-b-c"},
        {StringReplace("aaa", "a", "aa", all), "aaaaaa"},
        {StringReplace("Tv tV tv", "TV", "电视", allNoCase), "电视 电视 电视"},
        {StringReplace("Tv tV tv", "TV", "x", all), "Tv tV tv"},
        {StringReplace("abc", "", "x", all), "abc"},
        {StringReplace("abc", "c", "", all), "ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(StringUtils, ColoursByNameAndNumber) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(static_cast<TColor>(0x00123456)), "$00123456");
    EXPECT_EQ(StringToColor("clwhite"), clWhite);
    EXPECT_EQ(StringToColor("$FF00000F"), clBtnFace);
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    EXPECT_THROW(StringToColor("clNope"), EConvertError);
    EXPECT_THROW(StringToColor("$1FFFFFFFF"), EConvertError);
}

TEST(FileNames, SplitAndExpandPaths) {
    EXPECT_EQ(ExtractFilePath("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(ExtractFilePath("c.txt"), "");
    EXPECT_EQ(ExtractFileName("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(ExtractFileExt("/a.d/c"), "");
    EXPECT_EQ(ExtractFileExt("orvo.zip"), ".zip");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");

    EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
    EXPECT_EQ(ExpandFileName("/../x"), "/x");
    EXPECT_EQ(ExpandFileName("/a//b/"), "/a/b/");
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(ExpandFileName("rel/f.txt"), cwd + "/rel/f.txt");
}

} // namespace
} // namespace fw
