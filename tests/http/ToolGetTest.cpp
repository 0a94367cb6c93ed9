// telvora-tool get as a user runs it: the lines on stderr, the files written and
// the exit status, against scripted servers.

#include "tests/http/ScriptedServer.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

struct ToolRun {
    int exitCode;
    Lines stderrLines;
    std::string stdoutText;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ToolGetTest : public testing::Test {
protected:
    ToolGetTest() : folder(fs::temp_directory_path() / ("http-tool-" + std::to_string(getpid()))) {
        fs::create_directories(folder);
    }
    ~ToolGetTest() override { fs::remove_all(folder); }

    ToolRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), {TELVORA_TOOL_PATH, "get"});
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        const std::string out = (folder / "stdout").string();
        const std::string err = (folder / "stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        waitpid(pid, &status, 0);
        Lines lines;
        std::istringstream stream(ReadFile(err));
        for (std::string line; std::getline(stream, line);) {
            lines.push_back(line);
        }
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, lines, ReadFile(out)};
    }

    std::string Out(const char* name) const { return (folder / name).string(); }

    fs::path folder;
};

TEST_F(ToolGetTest, GetsInOrderOnOneClient) {
    ScriptedServer server(
        {{{"HTTP/1.1 200 OK\r\nContent-Length: 5\r\nSet-Cookie: k=v\r\n\r\nfirst"}},
         {{"HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nsecond"}}});
    ToolRun run = Run({server.URL("/1"), Out("one"), server.URL("/2"), Out("two")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.stderrLines,
              (Lines{"begin read 5", "work read 5", "end read", "status 200 HTTP/1.1 200 OK",
                     "begin read 6", "work read 6", "end read", "status 200 HTTP/1.1 200 OK"}));
    EXPECT_EQ(run.stdoutText, "");
    EXPECT_EQ(ReadFile(Out("one")), "first");
    EXPECT_EQ(ReadFile(Out("two")), "second");
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].connection, 0);
    EXPECT_NE(requests[1].head.find("Cookie: k=v\r\n"), std::string::npos);
}

TEST_F(ToolGetTest, StopsAtTheFirstException) {
    ScriptedServer server(
        {{{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"}},
         {{"HTTP/1.1 404 Not Found\r\nContent-Length: 13\r\n\r\nno such\r\nfile"}},
         {{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"}}});
    ToolRun run =
        Run({server.URL("/a"), Out("a"), server.URL("/b"), Out("b"), server.URL("/c"), Out("c")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.stderrLines,
              (Lines{"begin read 2", "work read 2", "end read", "status 200 HTTP/1.1 200 OK",
                     "begin read 13", "work read 13", "end read",
                     "ENetHTTPProtocolException: HTTP/1.1 404 Not Found", "ErrorCode: 404",
                     "no such\r", "file"}));
    EXPECT_TRUE(fs::exists(Out("a")));
    EXPECT_FALSE(fs::exists(Out("b")));
    EXPECT_FALSE(fs::exists(Out("c")));
    EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(ToolGetTest, PrintsAtMost64KiBOfAnErrorBody) {
    std::string body;
    for (int i = 0; body.size() < 100000; ++i) {
        body += "line " + std::to_string(i) + "\n";
    }
    ScriptedServer server({{{"HTTP/1.1 500 Oops\r\nContent-Type: text/plain\r\nContent-Length: " +
                             std::to_string(body.size()) + "\r\n\r\n" + body}}});
    ToolRun run = Run({server.URL("/"), Out("x")});
    EXPECT_EQ(run.exitCode, 1);
    std::string printed;
    auto line = std::find(run.stderrLines.begin(), run.stderrLines.end(), "ErrorCode: 500");
    ASSERT_NE(line, run.stderrLines.end());
    for (++line; line != run.stderrLines.end(); ++line) {
        printed += *line + "\n";
    }
    EXPECT_EQ(printed, body.substr(0, 65536) + "\n");
}

TEST_F(ToolGetTest, ReportsTransportFailuresOnOneLine) {
    ToolRun run = Run({"http://127.0.0.1:" + std::to_string(ClosedPort()) + "/", Out("x")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.stderrLines, Lines{"ENetSocketError: Socket Error # 10061 Connection refused."});
    EXPECT_FALSE(fs::exists(Out("x")));
}

TEST_F(ToolGetTest, BadUsage) {
    EXPECT_EQ(Run({}).exitCode, 2);
    EXPECT_EQ(Run({"http://127.0.0.1/"}).exitCode, 2);
}

} // namespace
