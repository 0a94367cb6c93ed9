#include "platform/kernel/CodePage.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace {

using namespace std::string_literals;
using win::AnsiToUtf8;
using win::Utf16BeToUtf8;
using win::Utf16LeToUtf8;
using win::Utf8ToAnsi;

struct Case {
    std::string input;
    std::string expected;
};

const std::string kFffd = "\xEF\xBF\xBD";

TEST(CodePage, AnsiToUtf8DecodesGb18030AndReplacesWhatItCannot) {
    const Case cases[] = {
        {"", ""},
        {"plain ASCII\r\n", "plain ASCII\r\n"},
        {"\xD6\xD0\xCE\xC4", "中文"}, // GBK two-byte
        {"\xD7\xC0\xC3\xE6", "桌面"},
        {"\xA2\xE3", "€"},                // GB18030 additions in the two-byte range
        {"\x81\x30\x81\x30", "\xC2\x80"}, // four-byte U+0080
        {"\x94\x39\xFC\x36", "😀"},        // four-byte outside the BMP
        {"a\x80"
         "b",
         "a" + kFffd + "b"}, // 0x80 is no lead byte
        {"\xFF\xD6\xD0", kFffd + "中"},
        {"\x81 x", kFffd + " x"}, // a bad trail byte is not swallowed
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"\xD6\xD0\xD6", "中" + kFffd}, // cut short at the end
        {"\x81\x30\x81", kFffd},        // a four-byte sequence cut short
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AnsiToUtf8(c.input), c.expected) << "input " << testing::PrintToString(c.input);
    }
}

TEST(CodePage, Utf8ToAnsiEncodesGb18030AndWritesQuestionMarksForBadUtf8) {
    const Case cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"中文", "\xD6\xD0\xCE\xC4"},
        {"😀", "\x94\x39\xFC\x36"},
        {"a\xC3(", "a?("},       // a lead byte without its continuation
        {"\xED\xA0\x80", "???"}, // an encoded surrogate is not UTF-8
        {"x\xE4\xB8", "x?"},     // cut short at the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToAnsi(c.input), c.expected) << "input " << testing::PrintToString(c.input);
    }
}

TEST(CodePage, Utf16DecodesBothByteOrders) {
    const Case littleEndian[] = {
        {"", ""},
        {std::string("A\0", 2), "A"},
        {"\x2D\x4E\x87\x65", "中文"},
        {"\xFF\xFE"
         "A" +
             std::string(1, '\0'),
         "\xEF\xBB\xBF"
         "A"},                      // the BOM is kept as text
        {"\x3D\xD8\x00\xDE"s, "😀"}, // surrogate pair
        {"\x3D\xD8"
         "A" +
             std::string(1, '\0'),
         kFffd + "A"},                         // lone high surrogate
        {"\x00\xDE"s, kFffd},                  // lone low surrogate
        {"\x3D\xD8", kFffd},                   // high surrogate at the end
        {std::string("A\0B", 3), "A" + kFffd}, // odd trailing byte
    };
    for (const Case& c : littleEndian) {
        EXPECT_EQ(Utf16LeToUtf8(c.input), c.expected) << testing::PrintToString(c.input);
    }
    const Case bigEndian[] = {
        {std::string("\0A", 2), "A"},
        {"\x4E\x2D\x65\x87", "中文"},
        {"\xD8\x3D\xDE\x00"s, "😀"},
        {"\xDE\x00"s, kFffd},
    };
    for (const Case& c : bigEndian) {
        EXPECT_EQ(Utf16BeToUtf8(c.input), c.expected) << testing::PrintToString(c.input);
    }
}

TEST(CodePage, LargeInputsConvertWholeWithGrowingOutput) {
    // Mostly Chinese text grows by half in UTF-8; the converter must keep going
    // past its first output buffer without losing or repeating bytes.
    std::string ansi;
    std::string utf8;
    for (int i = 0; i < 200000; ++i) {
        ansi += "\xD6\xD0\x81\x30\x81\x30"
                "a";
        utf8 += "中\xC2\x80"
                "a";
    }
    EXPECT_EQ(AnsiToUtf8(ansi), utf8);
    EXPECT_EQ(Utf8ToAnsi(utf8), ansi);
}

TEST(CodePage, EachThreadConvertsIndependently) {
    std::string results[4];
    std::thread threads[4];
    for (int t = 0; t < 4; ++t) {
        threads[t] = std::thread([&results, t] {
            for (int i = 0; i < 1000; ++i) {
                results[t] = AnsiToUtf8("\xD6\xD0\x80");
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (const std::string& result : results) {
        EXPECT_EQ(result, "中" + kFffd);
    }
}

} // namespace
