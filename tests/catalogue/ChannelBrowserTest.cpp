#include "catalogue/ChannelBrowser.h"

#include "framework/Exception.h"
#include "tests/catalogue/FolderFixture.h"

#include <gtest/gtest.h>

namespace catalogue {
namespace {

TEST(CategoryFolder, AllChannelsScansTheWholeWorkingFolder) {
    struct Case {
        const char* category;
        const char* folder;
    };
    constexpr Case kCases[] = {
        {"所有频道", "/opt/tv/ORVOListTemp/"},
        {"央视频道", "/opt/tv/ORVOListTemp/央视频道"},
        {"境外频道", "/opt/tv/ORVOListTemp/境外频道"},
        {"所有频道 ", "/opt/tv/ORVOListTemp/所有频道 "}, // compared exactly
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(CategoryFolder("/opt/tv/", c.category), c.folder) << c.category;
    }
}

class ChannelSelection : public testing::Test {
protected:
    void AddChannel(const std::string& displayName, const std::string& fileName,
                    std::string_view content) {
        FFolder.WriteFile(fileName, content);
        FNames.Add(displayName);
        FPaths.Add(FFolder.Path(fileName));
    }

    FolderFixture FFolder;
    fw::TStringList FNames;
    fw::TStringList FPaths;
};

TEST_F(ChannelSelection, HeaderThenTheFilesLines) {
    AddChannel("ORVO-1台", "01.txt", "08:00 朝闻天下\r\n09:00 新闻\n");
    AddChannel("", "yunnan.txt", "");
    AddChannel("ORVO-2台", "02.txt", "\xFF\xFE\x2D\x4E");

    EXPECT_EQ(ChannelScheduleView(FNames, FPaths, 0, 0).text,
              "【ORVO-1台】\r\n08:00 朝闻天下\r\n09:00 新闻");
    EXPECT_EQ(ChannelScheduleView(FNames, FPaths, 2, 0).text, "【ORVO-2台】\r\n中");
    EXPECT_EQ(ChannelScheduleView(FNames, FPaths, 1, 0).text, "【】");
}

TEST_F(ChannelSelection, RaisesWhenNothingCanBeRead) {
    AddChannel("ORVO-1台", "01.txt", "08:00 朝闻天下");
    AddChannel("ORVO-2台", "02.txt", "");
    std::remove(FFolder.Path("02.txt").c_str());

    EXPECT_THROW(ChannelScheduleView(FNames, FPaths, 1, 0).text, fw::EFOpenError);
    EXPECT_THROW(ChannelScheduleView(FNames, FPaths, -1, 0).text, fw::Exception);
    EXPECT_THROW(ChannelScheduleView(FNames, FPaths, 2, 0).text, fw::Exception);
}

} // namespace
} // namespace catalogue
