// The real program under Xvfb, as a user meets it: started on a prepared
// folder, its window appears with the channels of "央视频道"; picking
// "所有频道" lists them all; a clicked channel's schedule is what the schedule
// view copies to the clipboard; a second start ends silently.
//
// Where to click comes from the same window definition laid out on the
// headless display, so the test follows the layout instead of hard-coding it.

#include "app/Unit1.h"
#include "platform/backend/headless/TestDisplay.h"
#include "platform/user/WinUser.h"
#include "tests/platform_shell/TempFolder.h"
#include "tests/support/XvfbServer.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::TempFolder;
using testing_support::WriteFile;

// Polls until `done` gives a value or the time is up.
template <class F> auto WaitFor(F done, std::chrono::milliseconds limit = 15s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    auto value = done();
    while (!value && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(100ms);
        value = done();
    }
    return value;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// One run of the program with its own environment; ended (by its own id) when
// the object goes, unless it has ended already.
class ProgramRun {
public:
    // Standard output and error go to the file `output`.
    ProgramRun(const std::string& program, const std::map<std::string, std::string>& overrides,
               const std::string& output, const std::vector<std::string>& arguments = {}) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry(*e);
            if (!overrides.contains(entry.substr(0, entry.find('='))))
                env.push_back(entry);
        }
        for (const auto& [name, value] : overrides)
            env.push_back(name + "=" + value);
        std::vector<char*> envp;
        for (std::string& entry : env)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    // A program a failed test leaves running is asked to end, then killed.
    ~ProgramRun() {
        if (pid_ > 0 && !Terminate()) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    // SIGTERM, as a session ending sends it; the exit status if the program
    // ended within seconds.
    std::optional<int> Terminate() {
        if (pid_ > 0 && !Ended())
            kill(pid_, SIGTERM);
        return WaitFor([&] { return Ended(); }, 10s);
    }

    bool Started() const { return pid_ > 0; }
    // The exit status once the process has ended, else nothing.
    std::optional<int> Ended() {
        int status = 0;
        if (!status_ && pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_)
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return status_;
    }

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Window-relative points of the controls the test uses, from the definition
// laid out headless (where the window is placed as on a 1024 x 768 screen).
struct Layout {
    win::POINT channelRow[3];
    win::POINT scheduleView;
    win::POINT category;
};

Layout LayOutMainWindow(const std::string& folder) {
    win::headless::TestDisplay& display = win::headless::TestDisplay::Install();
    TForm1::SetProgramStart(
        {.Arguments = {"--layout"}, .ApplicationFolder = folder, .WriteDesktopFiles = false});
    TForm1* form = fw::NewForm<TForm1>(nullptr);
    form->Show();
    display.Run();
    win::RECT window{};
    win::GetWindowRect(form->Handle(), &window);
    const auto at = [&](fw::TWinControl& control, int x, int y) {
        win::POINT p{x, y};
        win::ClientToScreen(control.Handle(), &p);
        return win::POINT{p.x - window.left, p.y - window.top};
    };
    Layout layout{};
    const int rowHeight = form->TVList->ItemHeight();
    for (int i = 0; i < 3; ++i)
        layout.channelRow[i] = at(*form->TVList, 30, i * rowHeight + rowHeight / 2);
    layout.scheduleView = at(*form->TVListBox, 200, 150);
    layout.category = at(*form->ComboBox_Class, 40, 12);
    form->Free();
    display.Run();
    return layout;
}

class MainWindowEndToEnd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server_.Running()) << "Xvfb could not start";
        fs::create_directories(AppFolder());
        fs::create_directories(root_ / "home" / "Desktop");
        fs::create_directories(root_ / "run");
        fs::permissions(root_ / "run", fs::perms::owner_all);
        fs::copy_file(TELVORA_PROGRAM, Program());
        WriteCatalogue("央视频道/01.txt", "\xEF\xBB\xBF"
                                          "19:00 新闻联播\r\n19:30 焦点访谈\n");
        WriteCatalogue("央视频道/news.txt", "08:00 \xD0\xC2\xCE\xC5\r\n09:00 \xCC\xEC\xC6\xF8");
        WriteCatalogue("地方频道/shandong山东卫视.txt", "20:00 山东新闻\n");
        layout_ = LayOutMainWindow(AppFolder().string());
    }

    fs::path AppFolder() const { return root_ / "opt" / "telvora"; }
    std::string Program() const { return (AppFolder() / "telvora").string(); }
    void WriteCatalogue(const std::string& relative, const std::string& bytes) {
        const fs::path path = AppFolder() / "ORVOListTemp" / relative;
        fs::create_directories(path.parent_path());
        WriteFile(path, bytes);
    }

    std::unique_ptr<ProgramRun> Run(const std::string& output,
                                    const std::vector<std::string>& arguments = {},
                                    std::map<std::string, std::string> environment = {}) {
        environment.insert({{"DISPLAY", server_.Display()},
                            {"HOME", (root_ / "home").string()},
                            {"XDG_CONFIG_HOME", (root_ / "home" / ".config").string()},
                            {"XDG_DATA_HOME", (root_ / "home" / ".local" / "share").string()},
                            {"XDG_RUNTIME_DIR", (root_ / "run").string()},
                            {"DBUS_SESSION_BUS_ADDRESS", ""}});
        return std::make_unique<ProgramRun>(Program(), environment, (root_ / output).string(),
                                            arguments);
    }

    // Waits for the one main window and takes its place on the screen.
    bool FindMainWindow() {
        const auto windows = WaitFor([&] {
            auto found = MainWindows();
            return found.size() == 1 ? std::optional<std::string>(found.front())
                                     : std::optional<std::string>();
        });
        if (!windows)
            return false;
        std::istringstream geometry(Shell("xdotool getwindowgeometry --shell " + *windows));
        for (std::string line; std::getline(geometry, line);) {
            if (line.starts_with("X="))
                origin_.x = std::stoi(line.substr(2));
            if (line.starts_with("Y="))
                origin_.y = std::stoi(line.substr(2));
        }
        return true;
    }

    std::string Shell(const std::string& command) {
        return win::test::RunWithDisplay(server_.Display(), command + " 2>/dev/null");
    }

    // The X windows titled like the main window.
    std::vector<std::string> MainWindows() {
        std::istringstream ids(Shell("xdotool search --name '^Telvora1\\.30\\.2011912$'"));
        std::vector<std::string> found;
        for (std::string id; ids >> id;)
            found.push_back(id);
        return found;
    }

    void ClickAt(win::POINT p) {
        Shell("xdotool mousemove " + std::to_string(origin_.x + p.x) + " " +
              std::to_string(origin_.y + p.y) + " sleep 0.1 click 1 sleep 0.2");
    }

    // Selects all of the schedule view, copies it, and reads the clipboard
    // until it holds something other than `before`.
    std::vector<std::string> CopySchedule(const std::string& before) {
        ClickAt(layout_.scheduleView);
        Shell("xdotool key ctrl+a sleep 0.1 key ctrl+c");
        std::string text;
        WaitFor([&] {
            text = Shell("timeout 5 xclip -o -selection clipboard");
            return !text.empty() && text != before;
        });
        clipboard_ = text;
        return SplitLines(text);
    }

    std::vector<std::string> ShowChannel(int row) {
        ClickAt(layout_.channelRow[row]);
        return CopySchedule(clipboard_);
    }

    TempFolder root_;
    win::test::XvfbServer server_;
    Layout layout_{};
    win::POINT origin_{};
    std::string clipboard_;
};

TEST_F(MainWindowEndToEnd, BrowseTheCatalogueAndRefuseASecondStart) {
    auto first = Run("first.out");
    ASSERT_TRUE(first->Started());
    ASSERT_TRUE(FindMainWindow()) << "no single main window appeared";

    // The start shows "央视频道": two channels, each with its schedule.
    EXPECT_EQ(ShowChannel(0),
              (std::vector<std::string>{"【ORVO-1台】", "19:00 新闻联播", "19:30 焦点访谈"}));
    EXPECT_EQ(ShowChannel(1),
              (std::vector<std::string>{"【ORVO-新闻台】", "08:00 新闻", "09:00 天气"}));

    // "所有频道" is the first category: the local channel comes first.
    ClickAt(layout_.category);
    Shell("xdotool key Home sleep 0.1 key Return sleep 0.3");
    EXPECT_EQ(ShowChannel(0), (std::vector<std::string>{"【山东卫视】", "20:00 山东新闻"}));
    EXPECT_EQ(ShowChannel(2),
              (std::vector<std::string>{"【ORVO-新闻台】", "08:00 新闻", "09:00 天气"}));

    // A second copy ends at once, without a window, and the first runs on.
    auto second = Run("second.out");
    ASSERT_TRUE(second->Started());
    EXPECT_EQ(WaitFor([&] { return second->Ended(); }, 10s), std::optional<int>(0));
    EXPECT_EQ(testing_support::ReadFile(root_ / "second.out"), "");
    EXPECT_EQ(MainWindows().size(), 1u);
    EXPECT_FALSE(first->Ended());

    EXPECT_EQ(first->Terminate(), std::optional<int>(0)) << "SIGTERM closes the main window";
}

// Python's own web server on a free loopback port, serving a folder; ended by
// its own id when the object goes.
class StaticWebServer {
public:
    StaticWebServer(const fs::path& folder, const fs::path& log) {
        std::vector<std::string> args{"python3", "-u",        "-m",          "http.server",  "0",
                                      "--bind",  "127.0.0.1", "--directory", folder.string()};
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawnp(&pid_, "python3", &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
        const auto port = WaitFor([&] {
            const std::string text = testing_support::ReadFile(log);
            const std::size_t at = text.find(" port ");
            return at == std::string::npos ? std::optional<int>()
                                           : std::optional<int>(std::atoi(text.c_str() + at + 6));
        });
        port_ = port.value_or(0);
    }
    ~StaticWebServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool Serving() const { return pid_ > 0 && port_ > 0; }
    std::string URL(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

// The program's update pointed at an XMLTV guide: the guide is fetched,
// converted and swapped in, and its channels are listed with their schedules.
TEST_F(MainWindowEndToEnd, AnUpdateFromAnXmltvGuideListsItsChannels) {
    if (Shell("ip -o addr show scope global").empty())
        GTEST_SKIP() << "no network interface besides loopback: the update would report no network";
    fs::create_directories(root_ / "site");
    WriteFile(root_ / "site" / "guide.xml", R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE tv SYSTEM "xmltv.dtd">
<tv generator-info-name="e2e">
  <channel id="CCTV1.cn"><display-name lang="zh">CCTV-1 综合</display-name></channel>
  <channel id="CCTV13.cn"><display-name lang="zh">CCTV-13 新闻</display-name></channel>
  <programme start="20261210193000 +0800" channel="CCTV1.cn"><title lang="zh">焦点访谈</title></programme>
  <programme start="20261210190000 +0800" channel="CCTV1.cn"><title lang="zh">新闻联播</title></programme>
  <programme start="20261210060000 +0800" channel="CCTV13.cn"><title lang="zh">朝闻天下</title></programme>
</tv>
)");
    StaticWebServer web(root_ / "site", root_ / "web.log");
    ASSERT_TRUE(web.Serving()) << testing_support::ReadFile(root_ / "web.log");

    auto program =
        Run("update.out", {"-up"},
            {{"TELVORA_PACKAGE_URL", web.URL("/guide.xml")}, {"TELVORA_PROBE_URL", web.URL("/")}});
    ASSERT_TRUE(program->Started());
    ASSERT_TRUE(FindMainWindow()) << "no single main window appeared";
    // The converted catalogue replaces the old one once the update is through.
    const fs::path converted = AppFolder() / "ORVOListTemp" / "央视频道" / "13.txt";
    ASSERT_TRUE(WaitFor([&] { return fs::exists(converted); }, 30s))
        << testing_support::ReadFile(root_ / "update.out");
    std::this_thread::sleep_for(1s);

    EXPECT_EQ(ShowChannel(0), (std::vector<std::string>{"【ORVO-1台】", "2026-12-10 星期四 +0800",
                                                        "19:00 新闻联播", "19:30 焦点访谈"}));
    EXPECT_EQ(ShowChannel(1), (std::vector<std::string>{"【ORVO-13台】", "2026-12-10 星期四 +0800",
                                                        "06:00 朝闻天下"}));
    EXPECT_FALSE(fs::exists(AppFolder() / "ORVOListTemp" / "央视频道" / "news.txt"));
    EXPECT_EQ(program->Terminate(), std::optional<int>(0));
}

} // namespace
