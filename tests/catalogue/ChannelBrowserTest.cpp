#include "catalogue/ChannelBrowser.h"

#include "framework/Exception.h"
#include "tests/catalogue/FolderFixture.h"
#include "tests/catalogue/ListLines.h"

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
    fw::TStringList FView;
};

TEST_F(ChannelSelection, ReplacesTheWholeViewWithHeaderAndLines) {
    AddChannel("ORVO-1台", "01.txt", "08:00 朝闻天下\r\n09:00 新闻\n");
    AddChannel("", "yunnan.txt", "");
    AddChannel("ORVO-2台", "02.txt", "\xFF\xFE\x2D\x4E");
    FView.Add("共3个频道");

    ShowChannelSchedule(FView, FNames, FPaths, 0);
    EXPECT_EQ(ToLines(FView), (Lines{"【ORVO-1台】", "08:00 朝闻天下", "09:00 新闻"}));
    ShowChannelSchedule(FView, FNames, FPaths, 2);
    EXPECT_EQ(ToLines(FView), (Lines{"【ORVO-2台】", "中"}));
    ShowChannelSchedule(FView, FNames, FPaths, 1);
    EXPECT_EQ(ToLines(FView), (Lines{"【】"}));
}

TEST_F(ChannelSelection, LeavesTheViewAsItWasWhenNothingCanBeRead) {
    AddChannel("ORVO-1台", "01.txt", "08:00 朝闻天下");
    AddChannel("ORVO-2台", "02.txt", "");
    std::remove(FFolder.Path("02.txt").c_str());
    ShowChannelSchedule(FView, FNames, FPaths, 0);
    const Lines before = ToLines(FView);

    EXPECT_THROW(ShowChannelSchedule(FView, FNames, FPaths, 1), fw::EFOpenError);
    EXPECT_THROW(ShowChannelSchedule(FView, FNames, FPaths, -1), fw::Exception);
    EXPECT_THROW(ShowChannelSchedule(FView, FNames, FPaths, 2), fw::Exception);
    EXPECT_EQ(ToLines(FView), before);
}

} // namespace
} // namespace catalogue
