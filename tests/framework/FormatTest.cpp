#include "framework/Format.h"

#include "framework/DateTime.h"
#include "framework/Exception.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(Format, FormatsEachConversionAsTheFrameworkDoes) {
    struct Case {
        std::string got;
        std::string expected;
    };
    const std::int32_t minusOne = -1;
    const Case cases[] = {
        {Format("Socket Error # %d\r\n%s", 10061, "Connection refused."),
         "Socket Error # 10061\r\nConnection refused."},
        {Format("Cannot open file \"%s\". %s", "/a/b", "Access is denied"),
         "Cannot open file \"/a/b\". Access is denied"},
        {Format("%5d|%-5d|%.3d|%.3d", 42, 42, 7, -7), "   42|42   |007|-007"},
        {Format("%u %x %X %.8x", 42u, 255, 255, 0xBEEF), "42 FF FF 0000BEEF"},
        {Format("%x %u", minusOne, minusOne), "FFFFFFFF 4294967295"},
        {Format("%d", std::int64_t(-9223372036854775807LL - 1)), "-9223372036854775808"},
        {Format("%s|%6s|%-6s|%.2s", "ab", "ab", "ab", "abc"), "ab|    ab|ab    |ab"},
        // Widths and precisions count characters, not bytes.
        {Format("%4s|%.1s", "电视", "电视"), "  电视|电"},
        {Format("%f %.0f %.3f", 1.5, 2.6, -0.25), "1.50 3 -0.250"},
        {Format("%n", 1234567.891), "1,234,567.89"},
        {Format("%e", 1.5), "1.50000000000000E+000"},
        {Format("%.3e", -12345.0), "-1.23E+004"},
        {Format("%g %g %g", 1.5, 1e20, 0.00001), "1.5 1E20 1E-5"},
        {Format("%*d|%-*d|%.*d", 4, 1, 3, 2, 3, 3), "   1|2  |003"},
        {Format("%1:s %0:s %s", "a", "b"), "b a b"},
        {Format("100%% %s", "done"), "100% done"},
        {Format("%d%s", 5, ""), "5"},
        {Format("no conversions"), "no conversions"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

TEST(Format, RejectsMismatchedAndMissingArguments) {
    struct Case {
        const char* format;
        const char* message;
    };
    const Case cases[] = {
        {"%d", "Format '%d' invalid or incompatible with argument"},
        {"%s %s", "No argument for format '%s %s'"},
        {"%q", "Format '%q' invalid or incompatible with argument"},
        {"trailing %", "Format 'trailing %' invalid or incompatible with argument"},
        {"%99999999d", "Format '%99999999d' invalid or incompatible with argument"},
    };
    for (const Case& c : cases) {
        try {
            Format(c.format, "text");
            ADD_FAILURE() << c.format;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(Exception, CarriesItsMessageAndFormatsIt) {
    try {
        RaiseFmt<EFOpenError>("Cannot open file \"%s\". %s", "/x", "why");
    } catch (const EStreamError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file \"/x\". why");
    }
    Exception e("first");
    e.SetMessage("second");
    EXPECT_EQ(e.Message(), "second");
    EXPECT_STREQ(e.what(), "second");
    EXPECT_THROW(Raise<EAbort>(""), Exception);

    try {
        Abort();
    } catch (const EAbort& e) {
        EXPECT_EQ(e.Message(), "Operation aborted");
    }
    EXPECT_NO_THROW(Assert(true, "fine"));
    try {
        Assert(1 + 1 == 3, "arithmetic");
        ADD_FAILURE();
    } catch (const EAssertionFailed& e) {
        EXPECT_TRUE(e.Message().starts_with("arithmetic (")) << e.Message();
        EXPECT_NE(e.Message().find("FormatTest.cpp, line "), std::string::npos) << e.Message();
    }
}

TEST(DateTime, EncodesAndDecodesAroundTheEpoch) {
    struct Case {
        double value;
        TDecodedDateTime expected;
    };
    const Case cases[] = {
        {0.0, {1899, 12, 30, 0, 0, 0, 0, 7}},
        {1.0, {1899, 12, 31, 0, 0, 0, 0, 1}},
        {-1.25, {1899, 12, 29, 6, 0, 0, 0, 6}},
        {40797.5, {2011, 9, 11, 12, 0, 0, 0, 1}},
        {-693593.0, {1, 1, 1, 0, 0, 0, 0, 2}},
        {2958465.0, {9999, 12, 31, 0, 0, 0, 0, 6}},
        // A millisecond short of midnight rounds up to the next day.
        {1.0 - 0.1 / 86400000.0, {1899, 12, 31, 0, 0, 0, 0, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeDateTime(TDateTime(c.value)), c.expected) << c.value;

    EXPECT_EQ(EncodeDate(2011, 9, 12).Value(), 40798.0);
    EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0).Value(), -1.25);
    EXPECT_EQ(EncodeDate(2000, 2, 29).Value(), 36585.0);
    EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(DecodeDateTime(TDateTime(1e300)), EConvertError);
}

TEST(FormatDateTime, FollowsThePatternLetters) {
    const TDateTime t = EncodeDateTime(2011, 9, 2, 7, 5, 3, 45);
    const TDateTime pm = EncodeDateTime(2011, 9, 2, 19, 5, 3, 45);
    struct Case {
        std::string got;
        std::string expected;
    };
    const Case cases[] = {
        // "mm" after an hour token is minutes, even with a separator in between.
        {FormatDateTime("yyyy-mm-dd-hh-mm-ss", t), "2011-09-02-07-05-03"},
        {FormatDateTime("yy/m/d h:n:s.zzz", t), "11-9-2 7:5:3.045"},
        {FormatDateTime("hh:nn z", t), "07:05 45"},
        {FormatDateTime("'yyyy' \"mm\" yyyy", t), "yyyy mm 2011"},
        {FormatDateTime("ddd dddd mmm mmmm", t), "星期五 星期五 九月 九月"},
        {FormatDateTime("h:nn am/pm|h a/p|ampm", pm), "7:05 pm|7 p|下午"},
        {FormatDateTime("h ampm", EncodeDateTime(2011, 9, 2, 0, 30, 0, 0)), "12 上午"},
        {FormatDateTime("c", t), "2011-9-2 7:05:03"},
        {FormatDateTime("c", EncodeDate(2011, 9, 2)), "2011-9-2"},
        {FormatDateTime("ddddd|dddddd|t|tt", t), "2011-9-2|2011年9月2日|7:05|7:05:03"},
        {FormatDateTime("x-q!", t), "x-q!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected);
}

} // namespace
} // namespace fw
