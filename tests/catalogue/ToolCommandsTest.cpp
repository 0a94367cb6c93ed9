// telvora-tool names, scan, read and shot as a script sees them: exact output,
// exit status, and nothing on stdout when a command fails.

#include "tests/catalogue/FolderFixture.h"

#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace catalogue {
namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ToolCommands : public testing::Test {
protected:
    ToolRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), TELVORA_TOOL);
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        const std::string out = FFolder.Path("stdout");
        const std::string err = FFolder.Path("stderr");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        pid_t pid = 0;
        const int spawned =
            posix_spawn(&pid, TELVORA_TOOL, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        int status = -1;
        if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
            ADD_FAILURE() << "telvora-tool did not run to its end";
            return {-1, "", ""};
        }
        return {WEXITSTATUS(status), ReadWhole(out), ReadWhole(err)};
    }

    FolderFixture FFolder;
};

TEST_F(ToolCommands, NamesPrintsOneLinePerArgument) {
    const ToolRun run = Run({"names", "01.TXT", "", "abcnews.txt", "yunnan.txt"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ORVO-1台\n\nabcORVO-新闻台\n\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ToolCommands, ScanPrintsNameTabPathThenTheStatus) {
    FFolder.WriteFile("work/央视频道/01.txt", "");
    FFolder.WriteFile("work/b.txt", "");
    FFolder.WriteFile("work/orvo.zip", "");
    const std::string root = FFolder.Path("work/");

    const ToolRun run = Run({"scan", FFolder.Path("work")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "b\t" + root + "b.txt\n" + "ORVO-1台\t" + root + "央视频道/01.txt\n" +
                           "共2个频道 欢迎加入Telvora用户交流群 \n");

    const ToolRun missing = Run({"scan", FFolder.Path("missing")});
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.out, "共0个频道 欢迎加入Telvora用户交流群 \n");
}

TEST_F(ToolCommands, ReadPrintsTheDecodedLinesWithoutAHeader) {
    FFolder.WriteFile("cctv.txt", "\xBD\xDA\xC4\xBF\r\n19:00 \xD0\xC2\xCE\xC5"); // GBK
    const ToolRun run = Run({"read", FFolder.Path("cctv.txt")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "节目\n19:00 新闻\n");
}

// The window at its real size (624 x 564 inside its frame) as a PNG.
TEST_F(ToolCommands, ShotWritesTheWindowAsPng) {
    FFolder.WriteFile("ORVOListTemp/地方频道/shandong山东卫视.txt", "20:00 山东新闻\n");
    const ToolRun run = Run({"shot", FFolder.Path("window.png"), "--folder", FFolder.Root(),
                             "--category", "2", "--select", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string png = ReadWhole(FFolder.Path("window.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    const auto be32 = [&](std::size_t at) {
        return (unsigned(std::uint8_t(png[at])) << 24) |
               (unsigned(std::uint8_t(png[at + 1])) << 16) |
               (unsigned(std::uint8_t(png[at + 2])) << 8) | unsigned(std::uint8_t(png[at + 3]));
    };
    EXPECT_GT(be32(16), 624u); // IHDR width
    EXPECT_GT(be32(20), 564u); // IHDR height
    // A preview writes neither the 7-Zip library nor a shortcut.
    EXPECT_FALSE(std::ifstream(FFolder.Path("7z.dll")).good());
}

TEST_F(ToolCommands, FailuresPrintOneLineOnStderrAndNothingOnStdout) {
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"names"}, 2},
        {{"scan"}, 2},
        {{"scan", ""}, 2},
        {{"scan", "a", "b"}, 2},
        {{"read"}, 2},
        {{"read", FFolder.Path("missing.txt")}, 1},
        {{"read", FFolder.Root()}, 1},
        {{"shot"}, 2},
        {{"shot", FFolder.Path("a.png"), "--category"}, 2},
        {{"shot", FFolder.Path("a.png"), "--category", "-1"}, 2},
        {{"shot", FFolder.Path("a.png"), "--folder", FFolder.Root(), "--category", "5"}, 2},
        {{"shot", FFolder.Path("a.png"), "--folder", FFolder.Root(), "--select", "0"}, 1},
        {{"shot", FFolder.Path("no/such/folder/a.png"), "--folder", FFolder.Root()}, 1},
    };
    for (const Case& c : cases) {
        const ToolRun run = Run(c.args);
        const std::string shown = testing::PrintToString(c.args);
        EXPECT_EQ(run.status, c.status) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_FALSE(run.err.empty()) << shown;
        if (c.status == 1) {
            EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << shown;
        }
    }
}

} // namespace
} // namespace catalogue
