#include "catalogue/ScheduleText.h"

#include "framework/Exception.h"
#include "tests/catalogue/FolderFixture.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

using namespace std::string_view_literals;
using Lines = std::vector<std::string>;

struct DecodeCase {
    std::string_view bytes;
    Lines lines;
};

TEST(DecodeScheduleText, SplitsAtEveryKindOfLineBreak) {
    const DecodeCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"a\n", {"a"}}, // a final break makes no empty last line
        {"a\r\n", {"a"}},
        {"a\r", {"a"}},
        {"a\n\n", {"a", ""}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}}, // LF CR is two breaks
        {" a \t\n", {" a \t"}},     // lines are kept unchanged
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(DecodeScheduleText(c.bytes), c.lines)
            << testing::PrintToString(std::string(c.bytes));
    }
}

TEST(DecodeScheduleText, EndsAtTheFirstNulCharacterAfterDecoding) {
    const DecodeCase cases[] = {
        {"a\0b\nc"sv, {"a"}},
        {"ab\nc\0"sv, {"ab", "c"}},
        {"ab\n\0c"sv, {"ab"}},
        {"\0abc"sv, {}},
        // UTF-16 zero bytes are halves of characters, not NULs...
        {"\xFF\xFE\x2D\x4E\r\0\n\0x\0"sv, {"中", "x"}},
        {"\xFE\xFF\x4E\x2D\0\n\0x"sv, {"中", "x"}},
        // ...but a UTF-16 NUL character ends the text.
        {"\xFF\xFE"
         "a\0\0\0b\0"sv,
         {"a"}},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(DecodeScheduleText(c.bytes), c.lines)
            << testing::PrintToString(std::string(c.bytes));
    }
}

TEST(DecodeScheduleText, DecodesByMarkerBytesElseUtf8ElseGbk) {
    const DecodeCase cases[] = {
        {"\xEF\xBB\xBF节目\r\n", {"节目"}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", {"\xEF\xBB\xBFx"}}, // only the first marker is skipped
        {"\xEF\xBB\xBF"
         "a\xFF"
         "b",
         {"a\xEF\xBF\xBD"
          "b"}},
        {"\xFF\xFE", {}},
        {"\xFF\xFE\x2D", {"\xEF\xBF\xBD"}}, // odd byte count
        {"节目\n19:00 新闻", {"节目", "19:00 新闻"}},
        {"\xBD\xDA\xC4\xBF\n", {"节目"}},
        // One invalid byte anywhere makes the whole file GBK.
        {"\xBD\xDA\n\xE8\x8A\x82", {"节", "鑺\xEF\xBF\xBD"}},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(DecodeScheduleText(c.bytes), c.lines)
            << testing::PrintToString(std::string(c.bytes));
    }
}

TEST(DetectScheduleFormat, ChecksMarkersInOrderThenTheWholeText) {
    struct Case {
        std::string_view bytes;
        ScheduleEncoding encoding;
        std::size_t markerLength;
    };
    const Case cases[] = {
        {"", ScheduleEncoding::Utf8, 0},
        {"\xEF\xBB\xBF", ScheduleEncoding::Utf8, 3},
        {"\xFF\xFE", ScheduleEncoding::Utf16Le, 2},
        {"\xFF\xFE\0\0"sv, ScheduleEncoding::Utf16Le, 2},
        {"\xFE\xFF", ScheduleEncoding::Utf16Be, 2},
        {"\xEF\xBB", ScheduleEncoding::Gbk, 0},
        {"\xFF", ScheduleEncoding::Gbk, 0},
        {"节目", ScheduleEncoding::Utf8, 0},
        {"a\0\xFF"sv, ScheduleEncoding::Gbk, 0}, // bytes after a NUL still count
    };
    for (const Case& c : cases) {
        const ScheduleFormat format = DetectScheduleFormat(c.bytes);
        EXPECT_EQ(format.encoding, c.encoding) << testing::PrintToString(std::string(c.bytes));
        EXPECT_EQ(format.markerLength, c.markerLength);
    }
}

TEST(ReadScheduleFile, ReadsAndDecodesTheWholeFile) {
    FolderFixture folder;
    folder.WriteFile("cctv.txt", "\xEF\xBB\xBF"
                                 "08:00 朝闻天下\r\n09:00 新闻\r\n");
    EXPECT_EQ(ReadScheduleFile(folder.Path("cctv.txt")), (Lines{"08:00 朝闻天下", "09:00 新闻"}));
    folder.WriteFile("empty.txt", "");
    EXPECT_EQ(ReadScheduleFile(folder.Path("empty.txt")), Lines{});
}

TEST(ReadScheduleFile, RaisesTheOpenErrorForWhatCannotBeRead) {
    FolderFixture folder;
    folder.MakeFolder("folder.txt");
    for (const char* name : {"missing.txt", "folder.txt"}) {
        try {
            ReadScheduleFile(folder.Path(name));
            ADD_FAILURE() << name << " was read";
        } catch (const fw::EFOpenError& e) {
            EXPECT_EQ(e.Message().rfind("Cannot open file \"" + folder.Path(name) + "\".", 0), 0u)
                << e.Message();
        }
    }
}

} // namespace
} // namespace catalogue
