// The main window as the program starts it: the start modes, the failed write of
// the 7-Zip library, and the channel browser driven by mouse and keyboard.

#include "app/PublisherLinks.h"
#include "catalogue/function_module.h"
#include "platform/user/VirtualKeys.h"
#include "platform/user/WinUser.h"
#include "platform/user/controls/StandardControls.h"
#include "tests/app/MainWindowFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace app_test {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;

const std::string kInitialStatus =
    std::string(catalogue::kWelcomeNotice) + "   win7系统下请在非系统盘运行";

// Two channels of "央视频道" (UTF-8 with marker bytes, GBK without) and one of
// "地方频道".
class BrowserTest : public MainWindowTest {
protected:
    BrowserTest() {
        WriteCatalogueFile("央视频道/01.txt", "\xEF\xBB\xBF"
                                              "19:00 新闻联播\r\n19:30 焦点访谈\n");
        WriteCatalogueFile("央视频道/news.txt", "08:00 \xD0\xC2\xCE\xC5\r\n09:00 \xCC\xEC\xC6\xF8");
        WriteCatalogueFile("地方频道/shandong山东卫视.txt", "20:00 山东新闻\n");
    }

    // Screen point of the middle of a channel's row in the list.
    win::POINT ChannelRow(int index) {
        return At(*form->TVList, 20, index * form->TVList->ItemHeight() + 6);
    }

    std::vector<std::string> View() const { return Lines(*form->TVListBox->Lines()); }
    std::vector<std::string> Channels() const { return Lines(*form->TVList->Items()); }
    std::string Status() const { return form->SB->Panels()->Items(0)->Text(); }

    const std::vector<std::string> kFirst{"【ORVO-1台】", "19:00 新闻联播", "19:30 焦点访谈"};
    const std::vector<std::string> kSecond{"【ORVO-新闻台】", "08:00 新闻", "09:00 天气"};
};

struct StartCase {
    const char* name;
    std::vector<std::string> arguments;
    bool catalogueLoaded;
    bool shortcutWritten;
    bool updateArmed;
    std::vector<std::string> view;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class StartModeTest : public BrowserTest, public testing::WithParamInterface<StartCase> {};

TEST_P(StartModeTest, WindowCreation) {
    const StartCase& c = GetParam();
    TForm1& f = Start(c.arguments);

    EXPECT_EQ(f.Caption(), "Telvora1.30.2011912");
    EXPECT_EQ(f.ApplicationFolder(), ApplicationFolder().string() + "/");
    // The library is written at every start, by its full path beside the program.
    std::ifstream library(TELVORA_7Z_LIBRARY, std::ios::binary);
    EXPECT_EQ(ReadFile(ApplicationFolder() / "7z.dll"),
              std::string(std::istreambuf_iterator<char>(library), {}));
    EXPECT_TRUE(boxes.empty());

    if (c.catalogueLoaded) {
        EXPECT_EQ(Channels(), (std::vector<std::string>{"ORVO-1台", "ORVO-新闻台"}));
        EXPECT_EQ(Status(), catalogue::ChannelCountText(2));
    } else {
        EXPECT_TRUE(Channels().empty());
        EXPECT_EQ(Status(), c.updateArmed ? std::string(kUpdatePendingStatus) : kInitialStatus);
    }
    EXPECT_EQ(fs::exists(Desktop() / "Telvora.desktop"), c.shortcutWritten);
    EXPECT_EQ(f.Timer1->Enabled(), c.updateArmed);
    EXPECT_FALSE(f.Timer_Load->Enabled());
    EXPECT_EQ(View(), c.view);
}

const std::string kPending(kUpdatePendingStatus);

INSTANTIATE_TEST_SUITE_P(
    MainWindow, StartModeTest,
    testing::Values(
        StartCase{"Normal", {}, true, true, false, {}},
        StartCase{"UnrelatedArgument", {"/tmp/schedule.txt"}, false, false, false, {}},
        StartCase{"Update", {"-up"}, false, false, true, {kPending}},
        // Each "-up" reports; arming an armed timer changes nothing.
        StartCase{
            "UpdateTwiceAnyCase", {"-UP", "x", "-Up"}, false, false, true, {kPending, kPending}}),
    [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

TEST_F(MainWindowTest, NormalStartWithoutCatalogueMakesTheFolderAndStillWritesTheShortcut) {
    TForm1& f = Start({});
    EXPECT_TRUE(fs::is_directory(ApplicationFolder() / "ORVOListTemp"));
    EXPECT_EQ(f.TVList->Items()->Count(), 0);
    // The count text, then the way to get data.
    EXPECT_EQ(f.SB->Panels()->Items(0)->Text(), kNoCatalogueStatus);
    EXPECT_EQ(Lines(*f.TVListBox->Lines()),
              std::vector<std::string>{std::string(kNoCatalogueStatus)});
    const std::string entry = ReadFile(Desktop() / "Telvora.desktop");
    EXPECT_NE(entry.find("Exec=\"" + Program() + "\"\n"), std::string::npos) << entry;
}

// An installed copy keeps its data in the user's data folder: its first start
// takes over the catalogue found beside the program and says where it now is;
// the next start finds it there and leaves both places alone.
TEST_F(MainWindowTest, AnInstalledCopyTakesTheCatalogueBesideItOnce) {
    const fs::path prefix = ApplicationFolder().parent_path() / "usr";
    const std::string program = (prefix / "bin" / "telvora").string();
    testing_support::WriteFile(program, "program");
    fs::create_directories(prefix / "share" / "applications");
    testing_support::WriteFile(prefix / "share" / "applications" / "telvora.desktop", "");
    testing_support::ScopedEnvironment dataHome("XDG_DATA_HOME",
                                                (Home() / ".local" / "share").string());
    const fs::path beside = prefix / "bin" / "ORVOListTemp" / "央视频道" / "01.txt";
    fs::create_directories(beside.parent_path());
    testing_support::WriteFile(beside, "19:00 新闻联播\n");
    const std::string data = (Home() / ".local" / "share" / "telvora").string() + "/";

    TForm1& first = Start({}, program);
    EXPECT_EQ(first.ApplicationFolder(), data);
    EXPECT_EQ(Lines(*first.TVList->Items()), std::vector<std::string>{"ORVO-1台"});
    const std::string moved = std::string(kDataFolderStatus) + data;
    EXPECT_EQ(first.SB->Panels()->Items(0)->Text(), moved);
    EXPECT_EQ(Lines(*first.TVListBox->Lines()), std::vector<std::string>{moved});
    EXPECT_EQ(ReadFile(data + "ORVOListTemp/央视频道/01.txt"), "19:00 新闻联播\n");
    form->Free();
    form = nullptr;

    testing_support::WriteFile(beside, "changed beside the program\n");
    TForm1& second = Start({}, program);
    EXPECT_EQ(second.SB->Panels()->Items(0)->Text(), catalogue::ChannelCountText(1));
    EXPECT_EQ(ReadFile(data + "ORVOListTemp/央视频道/01.txt"), "19:00 新闻联播\n");
}

// An empty category of a filled catalogue is no reason to point at the update.
TEST_F(MainWindowTest, EmptyCategoryOfAFilledCatalogueShowsOnlyTheCount) {
    WriteCatalogueFile("地方频道/shandong山东卫视.txt", "20:00 山东新闻\n");
    TForm1& f = Start({});
    EXPECT_EQ(f.TVList->Items()->Count(), 0);
    EXPECT_EQ(f.SB->Panels()->Items(0)->Text(), catalogue::ChannelCountText(0));
    EXPECT_EQ(f.TVListBox->Lines()->Count(), 0);
}

// Something in the way of the library file: the standard error box, then the
// window opens without the start mode's steps.
TEST_F(BrowserTest, FailedLibraryWriteShowsTheErrorBoxAndSkipsTheRest) {
    fs::create_directories(ApplicationFolder() / "7z.dll" / "in-the-way");
    TForm1& f = Start({});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("7z.dll"), std::string::npos) << boxes[0].text;
    EXPECT_EQ(boxes[0].caption, "Telvora");
    EXPECT_EQ(boxes[0].flags, fw::MB_OK | fw::MB_ICONSTOP);
    EXPECT_TRUE(win::IsWindowVisible(f.Handle()));
    EXPECT_TRUE(Channels().empty());
    EXPECT_EQ(Status(), kInitialStatus);
    EXPECT_FALSE(fs::exists(Desktop() / "Telvora.desktop"));
}

TEST_F(BrowserTest, ChannelsAreShownByMouseAndByKeyboard) {
    Start({});
    EXPECT_TRUE(View().empty());
    display->Click(ChannelRow(1));
    EXPECT_EQ(View(), kSecond);
    display->Key(win::VK_UP);
    EXPECT_EQ(View(), kFirst);
    display->Key(win::VK_DOWN);
    EXPECT_EQ(View(), kSecond);
    // The view is replaced, never appended to.
    display->Click(ChannelRow(0));
    EXPECT_EQ(View(), kFirst);
}

TEST_F(BrowserTest, AFileThatCannotBeReadLeavesTheView) {
    Start({});
    display->Click(ChannelRow(0));
    fs::remove(ApplicationFolder() / "ORVOListTemp" / "央视频道" / "news.txt");
    display->Click(ChannelRow(1));
    EXPECT_EQ(form->TVList->ItemIndex(), 1);
    EXPECT_EQ(View(), kFirst);
}

TEST_F(BrowserTest, PickingACategoryReloadsTheListAndEmptiesTheView) {
    Start({});
    display->Click(ChannelRow(0));
    form->ComboBox_Class->SetFocus();
    display->Key(win::VK_HOME);
    EXPECT_EQ(form->ComboBox_Class->Text(), "所有频道");
    EXPECT_EQ(Channels(), (std::vector<std::string>{"山东卫视", "ORVO-1台", "ORVO-新闻台"}));
    EXPECT_EQ(Status(), catalogue::ChannelCountText(3));
    EXPECT_TRUE(View().empty());

    display->Key(win::VK_END);
    EXPECT_EQ(form->ComboBox_Class->Text(), "境外频道");
    EXPECT_TRUE(Channels().empty());
    EXPECT_EQ(Status(), catalogue::ChannelCountText(0));
}

// Half-hourly programmes from 06:00 on 2026-12-10 (+0800) and all through the
// 11th, after the 9th's last one: long enough that the view scrolls to what is
// on now. A second channel with an empty schedule lets each case start afresh.
class OnAirTest : public MainWindowTest {
protected:
    OnAirTest() {
        std::string schedule = "\xEF\xBB\xBF"
                               "2026-12-09 星期三 +0800\r\n23:30 晚间新闻\r\n";
        schedule += "2026-12-10 星期四 +0800\r\n" + Slots(12);
        schedule += "2026-12-11 星期五 +0800\r\n" + Slots(0);
        WriteCatalogueFile("央视频道/01.txt", schedule);
        WriteCatalogueFile("央视频道/02.txt", "");
    }

    static std::string Slots(int first) {
        std::string lines;
        for (int slot = first; slot < 48; ++slot) {
            char line[32];
            std::snprintf(line, sizeof line, "%02d:%02d 节目%d\r\n", slot / 2, slot % 2 * 30, slot);
            lines += line;
        }
        return lines;
    }

    std::string Selected() const {
        const std::string text = form->TVListBox->Text();
        return text.substr(form->TVListBox->SelStart(), form->TVListBox->SelLength());
    }
    int FirstVisibleLine() const {
        return int(form->TVListBox->Perform(win::EM_GETFIRSTVISIBLELINE));
    }
    win::POINT ChannelRow(int index) {
        return At(*form->TVList, 20, index * form->TVList->ItemHeight() + 6);
    }
};

// 2026-12-10 00:00 UTC, as seconds since 1970.
constexpr std::int64_t kDecember10 = 20797LL * 86400;

TEST_F(OnAirTest, TheProgrammeOnAirIsSelectedNearTheTop) {
    struct Case {
        const char* rule;
        std::int64_t utc;
        const char* selected;
        int firstVisible; // the view's line above the selected one
    };
    // The view's lines: 0 the channel, 3 the 10th's header, 4 its 06:00.
    const Case kCases[] = {
        {"before the day's first programme: its header", kDecember10 - 3 * 3600,
         "2026-12-10 星期四 +0800", 2},
        {"in the middle of the day", kDecember10 + 11 * 3600 + 10 * 60, "19:00 节目38", 29},
        {"after the day's last programme: the last one", kDecember10 + 15 * 3600 + 59 * 60,
         "23:30 节目47", 38},
        {"no header for today: the view as it was", kDecember10 + 2 * 86400, "", 0},
    };
    Start({});
    for (const Case& c : kCases) {
        display->Clock().SetUnixTime(c.utc);
        display->Click(ChannelRow(1));
        display->Click(ChannelRow(0));
        EXPECT_EQ(Selected(), c.selected) << c.rule;
        EXPECT_EQ(FirstVisibleLine(), c.firstVisible) << c.rule;
    }
}

// A stand-in for the desktop's opener on PATH records what the links ask for.
TEST_F(MainWindowTest, LinksCarryTheVersionTextAsItIsWhenClicked) {
    const fs::path bin = ApplicationFolder().parent_path() / "bin";
    const fs::path opened = ApplicationFolder().parent_path() / "opened";
    fs::create_directories(bin);
    testing_support::WriteFile(bin / "xdg-open",
                               "#!/bin/sh\necho \"$1\" >> '" + opened.string() + "'\n");
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    testing_support::ScopedEnvironment path("PATH", bin.string() + ":" + std::getenv("PATH"));
    const auto openedLines = [&](std::size_t count) {
        std::vector<std::string> lines;
        for (int wait = 0; wait < 100 && lines.size() < count; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            std::istringstream in(fs::exists(opened) ? ReadFile(opened) : "");
            lines.clear();
            for (std::string line; std::getline(in, line);)
                lines.push_back(line);
        }
        return lines;
    };

    TForm1& f = Start({"--no-catalogue"});
    display->Click(At(*f.Button2, 10, 10));
    EXPECT_EQ(openedLines(1), (std::vector<std::string>{OfficialSiteLink("1.30.2011912")}));
    f.Edit_Ver->SetText("2.0");
    display->Click(At(*f.Button1, 10, 10));
    EXPECT_EQ(openedLines(2).back(), OnlineVersionLink("2.0"));
    display->Click(At(f, 100, 40)); // the banner
    EXPECT_EQ(openedLines(3).back(), OfficialSiteLink("2.0"));
}

TEST_F(BrowserTest, ExitClosesTheWindow) {
    TForm1& f = Start({});
    display->Click(At(*f.Button3, 10, 10));
    EXPECT_FALSE(win::IsWindowVisible(f.Handle()));
}

} // namespace
} // namespace app_test
