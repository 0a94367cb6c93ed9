#include "catalogue/ChannelName.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

struct NameCase {
    const char* fileName;
    const char* displayName;
};

// Each line is one file name and the name it is listed under; the comments say
// which property of the rules the line pins down.
constexpr NameCase kNameCases[] = {
    {"01.txt", "ORVO-1台"},
    {"01.TXT", "ORVO-1台"}, // lower-casing comes first
    {"04.txt", "ORVO-4台"},
    {"04(亚洲).txt", "ORVO-4亚洲台"}, // "04(" is not "04."
    {"04(欧洲).TXT", "ORVO-4欧洲台"},
    {"04(美洲).txt", "ORVO-4美洲台"},
    {"09(英).txt", "ORVO-9英语台"},
    {"09.txt", "ORVO-9台"},
    {"18.txt", "ORVO-18台"},
    {"19.txt", "19"},         // no number rule
    {"101.txt", "1ORVO-1台"}, // number rules match anywhere
    {"110.txt", "1ORVO-10台"},
    {"0101.txt", "01ORVO-1台"},
    {"01.txt01.txt", "ORVO-1台ORVO-1台"}, // every occurrence
    {"news01.txt", "ORVO-新闻台ORVO-1台"},
    {"NEWS.txt", "ORVO-新闻台"},
    {"abcnews.txt", "abcORVO-新闻台"},
    {"newsnews.txt", "ORVO-新闻台ORVO-新闻台"},
    {"CCTV少儿.txt", "cctvORVO-少儿台"},
    {"音乐news.txt", "ORVO-音乐台ORVO-新闻台"},
    {"orvo-高清.txt", "orvo-ORVO-高清台"},
    {"shandong山东卫视.txt", "山东卫视"},
    {"tianjinweishi天津卫视.txt", "天津卫视"},
    {"tianjin1.txt", ""},
    {"shanxitai山西台.txt", "山西台"}, // "shanxitai" goes before "shanxi"
    {"shanxi陕西.txt", "陕西"},
    {"zhejiangsu.txt", "zhe"}, // "jiangsu" goes first and breaks "zhejiang"
    {"heilongjiang黑龙江卫视.txt", "黑龙江卫视"},
    {"湖南电视台hunan.txt", "湖南"},
    {"yunnan.txt", ""},
    {"电视台.txt", ""},
    {"readme.TXT", "readme"},
    {"a.txt.txt", "a"},
    {"abctxt", "abctxt"},
    {"ORVO.txt", "orvo"},
    {"Ｎews.txt", "Ｎews"}, // full-width letters are not lower-cased
    {"", ""},
    {"\x81\x54V.TXT", "乀v"},     // GBK: decoded before lower-casing, or 乀 became 乼
    {"\xFF.txt", "\xEF\xBF\xBD"}, // undecodable even as GBK
};

TEST(ChannelDisplayName, FollowsTheRulesInOrder) {
    for (const NameCase& c : kNameCases) {
        EXPECT_EQ(ChannelDisplayName(c.fileName), c.displayName) << "file name: " << c.fileName;
    }
}

TEST(IsChannelFileName, LooksAtTheLastThreeCharacters) {
    struct Case {
        const char* fileName;
        bool isChannel;
    };
    constexpr Case kCases[] = {
        {"01.txt", true},   {"readme.TXT", true},    {"abctxt", true},    {"txt", true},
        {"a.TxT", true},    {"list.txt.bak", false}, {"orvo.zip", false}, {"tx", false},
        {"", false},        {"节目.txt", true},      {"a.tx t", false},   {"\xD1\xEB.txt", true},
        {"\x81txt", false}, // GBK: "\x81t" is one character, the name ends in "xt"
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(IsChannelFileName(c.fileName), c.isChannel) << "file name: " << c.fileName;
    }
}

} // namespace
} // namespace catalogue
