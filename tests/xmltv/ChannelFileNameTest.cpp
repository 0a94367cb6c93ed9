#include "xmltv/ChannelFileName.h"

#include "catalogue/ChannelName.h"

#include <gtest/gtest.h>

namespace xmltv {
namespace {

TEST(ChannelFileName, NamesListAsTheChannel) {
    struct Case {
        const char* rule;
        std::vector<std::string> names; // display names, then the id
        const char* fileName;
        const char* displayName; // what the catalogue's rules list it as
    };
    const Case kCases[] = {
        {"CCTV by number: the rules' own name", {"CCTV-1 综合", "CCTV1.cn"}, "01.txt", "ORVO-1台"},
        {"CCTV number in the id only", {"中央一套", "cctv13"}, "13.txt", "ORVO-13台"},
        {"CCTV-4's editions", {"CCTV-4 欧洲"}, "04(欧洲).txt", "ORVO-4欧洲台"},
        {"CGTN by language", {"CGTN Français"}, "法语.txt", "ORVO-法语台"},
        {"CGTN news", {"CGTN"}, "news.txt", "ORVO-新闻台"},
        {"CCTV-5+ has no rule name", {"CCTV-5+"}, "CCTV-5+.txt", "cctv-5+"},
        {"CCTV-4K is no CCTV-4", {"CCTV-4K"}, "CCTV-4K.txt", "cctv-4k"},
        {"a name the rules leave alone", {"湖南卫视"}, "湖南卫视.txt", "湖南卫视"},
        {"\"电视台\" may go", {"福建电视台"}, "福建电视台.txt", "福建"},
        {"a pinyin name the rules would erase gives way",
         {"Shandong TV", "山东卫视"},
         "山东卫视.txt",
         "山东卫视"},
        {"a name the rules add to, when nothing better is there",
         {"湖南卫视高清", "hunan"},
         "湖南卫视高清.txt",
         "湖南卫视ORVO-高清台"},
        {"a number the rules would turn into a CCTV name gives way",
         {"Channel 13", "ch-thirteen"},
         "ch-thirteen.txt",
         "ch-thirteen"},
        {"no name keeps its characters: the first", {"news", "yunnan"}, "news.txt", "ORVO-新闻台"},
        {"slashes, control characters and leading dots go", {"..A/B\tC\x01"}, "A B C.txt", "a b c"},
        {"no usable name at all", {"", "..."}, "channel.txt", "channel"},
    };
    for (const Case& c : kCases) {
        FolderNames folder;
        const std::string fileName = ChooseChannelFileName(c.names, folder);
        EXPECT_EQ(fileName, c.fileName) << c.rule;
        EXPECT_EQ(catalogue::ChannelDisplayName(fileName), c.displayName) << c.rule;
        EXPECT_TRUE(folder.IsTaken(fileName)) << c.rule;
    }
}

TEST(ChannelFileName, UniqueInTheFolder) {
    FolderNames folder;
    EXPECT_EQ(ChooseChannelFileName({"CCTV-1"}, folder), "01.txt");
    // The rules' name is taken: the next name that lists as itself.
    EXPECT_EQ(ChooseChannelFileName({"CCTV-1 HD"}, folder), "CCTV-1 HD.txt");
    EXPECT_EQ(ChooseChannelFileName({"湖南卫视", "HNTV"}, folder), "湖南卫视.txt");
    EXPECT_EQ(ChooseChannelFileName({"湖南卫视", "hntv"}, folder), "hntv.txt");
    // Letter case does not set names apart: the rules lower-case them.
    EXPECT_EQ(ChooseChannelFileName({"湖南卫视", "HnTV"}, folder), "湖南卫视 (2).txt");
    // "hunan" is a word the rules erase, so it never passes.
    EXPECT_EQ(ChooseChannelFileName({"湖南卫视", "hunan"}, folder), "湖南卫视 (3).txt");
}

TEST(ChannelFileName, LongNamesStayWithinTheFileNameLimit) {
    FolderNames folder;
    const std::string longName(300, 'a');
    const std::string chinese = std::string(100, 'x') + [] {
        std::string text;
        for (int i = 0; i < 60; ++i) {
            text += "频";
        }
        return text;
    }();
    for (const std::string& name : {longName, longName, chinese}) {
        const std::string fileName = ChooseChannelFileName({name}, folder);
        EXPECT_LE(fileName.size(), 255u);
        EXPECT_EQ(fileName.substr(fileName.size() - 4), ".txt");
    }
    // Cut on a character boundary: every byte of the last character is there.
    FolderNames fresh;
    const std::string cut = ChooseChannelFileName({chinese + "z"}, fresh);
    EXPECT_EQ(cut.substr(cut.size() - 7, 3), "频");
}

} // namespace
} // namespace xmltv
