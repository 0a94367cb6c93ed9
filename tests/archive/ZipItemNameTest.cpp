#include "archive/ZipItemName.h"

#include <gtest/gtest.h>

namespace archive {
namespace {

TEST(ZipItemName, DecodesRawBytesAsUtf8ThenGbkThenCodePage437) {
    struct Case {
        std::string raw;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"news/cctv1.txt", "news/cctv1.txt"},
        {"caf\xC3\xA9.txt", "café.txt"},                            // valid UTF-8
        {"\xC6\xB5\xB5\xC0/\xD6\xD0\xD1\xEB.txt", "频道/中央.txt"}, // GBK
        {"\x81\x40", "丂"},                                         // GBK's first code
        {"\x80\x61", "Ça"},                                         // 0x80: not GBK
        {"\xC6", "╞"},                                              // lead byte at the end
        {"\xD6\x20", "╓ "},                                         // bad trail byte
        {"\xED\xA0\x80", "φáÇ"},                                    // UTF-8 surrogate
        {"\xC0\xAF", "蜡"},                                         // overlong '/', but GBK
        {std::string("a\0b", 3), std::string("a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(DecodeZipItemName(c.raw), c.expected);
    }
}

TEST(ZipItemName, UsesFlaggedAndWideNamesAsTheLibraryGivesThem) {
    struct Case {
        std::wstring name;
        TNameEncoding encoding;
        std::string expected;
    };
    const Case cases[] = {
        {L"\u00C6\u00B5\u00B5\u00C0", TNameEncoding::Unflagged, "频道"},
        {L"\u00C6\u00B5\u00B5\u00C0", TNameEncoding::Utf8Flagged, "Æµµ\u00C0"},
        {L"\u9891\u00B5", TNameEncoding::Unflagged, "频µ"},
        {L"a/\U0001F600", TNameEncoding::Unflagged, "a/😀"},
        {std::wstring(1, wchar_t(0xD800)), TNameEncoding::Utf8Flagged, "\uFFFD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ItemNameFromLibrary(c.name, c.encoding), c.expected);
    }
}

} // namespace
} // namespace archive
