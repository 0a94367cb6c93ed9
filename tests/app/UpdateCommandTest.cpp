// The update command and what surrounds the road: the restart (only the old
// package goes, the quit only once the new instance is on its way), one update
// at a time, an exit during the download, and no keyboard focus for the
// controls nobody sees.

#include "app/NetworkPump.h"
#include "framework/gui/Application.h"
#include "http/NetAntiFreeze.h"
#include "platform/user/Input.h"
#include "platform/user/VirtualKeys.h"
#include "platform/user/WinUser.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/http/ScriptedServer.h"
#include "tests/support/PrivateNetwork.h"

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

namespace app_test {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::ScopedEnvironment;
using testing_support::WriteFile;

class UpdateCommand : public MainWindowTest {
protected:
    UpdateCommand() {
        WriteCatalogueFile("央视频道/01.txt", "19:00 新闻联播\n");
        WriteCatalogueFile("orvo.zip", "the previous package");
    }

    fs::path Report() const { return ApplicationFolder() / "restarted"; }
    // The program file as a script that notes its arguments.
    void MakeProgramReport() const {
        WriteFile(Program(), "#!/bin/sh\necho \"$@\" > '" + Report().string() + ".part'\nmv '" +
                                 Report().string() + ".part' '" + Report().string() + "'\n");
        fs::permissions(Program(), fs::perms::owner_all);
    }
    std::string WaitForReport() const {
        for (int i = 0; i < 500 && !fs::exists(Report()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return fs::exists(Report()) ? ReadFile(Report()) : "no restart";
    }
    // Takes the quit request off the queue, so no later turn of the loop ends
    // the test's application.
    static bool QuitRequested() {
        win::MSG msg;
        return win::PeekMessage(&msg, nullptr, win::WM_QUIT, win::WM_QUIT, win::PM_REMOVE) != 0;
    }
    std::string Status() const { return form->SB->Panels()->Items(0)->Text(); }
};

TEST_F(UpdateCommand, RestartsWithUpAndKeepsTheCatalogue) {
    MakeProgramReport();
    TForm1& f = Start({});
    display->Click(At(*f.Button_R, 10, 10));
    EXPECT_EQ(WaitForReport(), "-up\n");
    EXPECT_TRUE(QuitRequested());
    EXPECT_FALSE(fs::exists(ApplicationFolder() / "ORVOListTemp" / "orvo.zip"));
    EXPECT_EQ(ReadFile(ApplicationFolder() / "ORVOListTemp" / "央视频道" / "01.txt"),
              "19:00 新闻联播\n");
}

TEST_F(UpdateCommand, AFailedRestartSaysWhyAndStays) {
    fs::remove(Program());
    TForm1& f = Start({});
    display->Click(At(*f.Button_R, 10, 10));
    EXPECT_FALSE(QuitRequested());
    EXPECT_EQ(Status(), "程序重启失败: The system cannot find the file specified");
    EXPECT_TRUE(win::IsWindowVisible(f.Handle()));
}

TEST_F(UpdateCommand, DoesNothingWhileAnUpdateRuns) {
    MakeProgramReport();
    TForm1& f = Start({"-up"});
    display->Click(At(*f.Button_R, 10, 10));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(fs::exists(Report()));
    EXPECT_FALSE(QuitRequested());
    EXPECT_TRUE(fs::exists(ApplicationFolder() / "ORVOListTemp" / "orvo.zip"));
}

// The exit ends the application for good, so it runs in a process of its own.
TEST_F(UpdateCommand, AnExitDuringTheDownloadAbortsItSilently) {
    testing_support::PrivateNetwork network(testing_support::PrivateNetwork::Shape::Connected);
    if (!network.Entered())
        GTEST_SKIP() << network.Problem();
    fs::remove(ApplicationFolder() / "ORVOListTemp" / "orvo.zip");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string body(200000, 'x');
            ScriptedServer server({{{"HTTP/1.1 200 OK\r\nContent-Length: 200000\r\n\r\n",
                                     body.substr(0, 1000), body.substr(1000)}}});
            ScriptedServer probe({});
            ScopedEnvironment packageUrl("TELVORA_PACKAGE_URL", server.URL("/p.zip"));
            ScopedEnvironment probeUrl("TELVORA_PROBE_URL", probe.URL());
            ConnectNetworkPump(fw::Application());
            TForm1& f = Start({"-up"});
            const TWorkEvent work = f.NetHTTP1->OnWork();
            f.NetHTTP1->SetOnWork([&](fw::TObject* sender, TWorkMode mode, std::int64_t count) {
                work(sender, mode, count);
                win::PostQuitMessage(0);
            });
            display->Advance(2000);
            const bool silent = boxes.empty() && Status() == "正在下载数据包..." &&
                                !fs::exists(ApplicationFolder() / "ORVOListTemp" / "orvo.zip") &&
                                !f.Timer_Load->Enabled();
            std::exit(fw::Application().Terminated() && silent ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(UpdateCommand, TabNeverReachesAHiddenControl) {
    TForm1& f = Start({});
    const std::set<win::HWND> hidden{
        f.LoadData->Handle(),      f.filepathList->Handle(),    f.TVFilepathList->Handle(),
        f.Button_UpDate->Handle(), f.PageControl2->Handle(),    f.Edit_Url->Handle(),
        f.Edit_SaveFile->Handle(), f.Button_Download->Handle(), f.Button_URAR->Handle()};
    f.TVList->SetFocus();
    display->Run();
    std::set<win::HWND> reached;
    for (int i = 0; i < 20; ++i) {
        // Through the application's loop, which gives dialog keys to the form.
        win::InjectKey(win::VK_TAB, win::KeyTransition::Down);
        win::InjectKey(win::VK_TAB, win::KeyTransition::Up);
        fw::Application().ProcessMessages();
        reached.insert(win::GetFocus());
        EXPECT_EQ(hidden.count(win::GetFocus()), 0u) << "after " << i + 1 << " tabs";
    }
    std::string names;
    for (win::HWND hwnd : reached)
        if (auto* control = fw::TWinControl::FindControl(hwnd))
            names += control->Name() + " ";
    EXPECT_TRUE(reached.contains(f.Button_R->Handle())) << names;
}

} // namespace
} // namespace app_test
