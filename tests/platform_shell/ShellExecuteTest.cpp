#include "platform/shell/ShellExecute.h"

#include "platform/kernel/Clock.h"
#include "tests/platform_shell/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

using namespace win;
using testing_support::ReadFile;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFile;
namespace fs = std::filesystem;

std::intptr_t Code(HINSTANCE result) {
    return reinterpret_cast<std::intptr_t>(result);
}

// Detached programs report back through a file; wait for it to be complete.
std::string WaitForReport(const fs::path& report) {
    for (int i = 0; i < 500; ++i) {
        std::string text = ReadFile(report);
        if (text.ends_with("end\n")) {
            return text;
        }
        Sleep(10);
    }
    return "no report";
}

void WriteScript(const fs::path& path, const std::string& body) {
    WriteFile(path, "#!/bin/sh\n" + body);
    fs::permissions(path, fs::perms::owner_all);
}

// A script that writes its arguments, working folder and session to a report.
std::string ReportingScript(const fs::path& report) {
    return "out='" + report.string() +
           ".part'\n"
           "for a in \"$@\"; do echo \"arg=$a\" >> \"$out\"; done\n"
           "echo \"cwd=$(pwd)\" >> \"$out\"\n"
           "echo \"sid=$(cut -d' ' -f6 /proc/$$/stat)\" >> \"$out\"\n"
           "echo end >> \"$out\"\n"
           "mv \"$out\" '" +
           report.string() + "'\n";
}

TEST(ShellExecute, OpensUrlsWithTheDesktopHandler) {
    TempFolder temp;
    const fs::path report = temp / "report";
    WriteScript(temp / "xdg-open", ReportingScript(report));
    ScopedEnvironment path("PATH", temp.path().string() + ":/usr/bin:/bin");
    const char* url = "http://example.invalid/?qq=orvo1.30.2011912";
    EXPECT_GT(Code(ShellExecute(nullptr, "open", url, "", "", SW_SHOWNORMAL)), 32);
    const std::string text = WaitForReport(report);
    EXPECT_NE(text.find(std::string("arg=") + url + "\n"), std::string::npos) << text;
}

TEST(ShellExecute, StartsAProgramDetachedWithItsArguments) {
    TempFolder temp;
    const fs::path report = temp / "report";
    const fs::path program = temp / "program";
    WriteScript(program, ReportingScript(report));
    fs::create_directories(temp / "work dir");
    HINSTANCE result = ShellExecute(nullptr, "", program.string(), "-up \"two words\"",
                                    (temp / "work dir").string(), SW_SHOWNORMAL);
    ASSERT_GT(Code(result), 32);
    const std::string text = WaitForReport(report);
    EXPECT_NE(text.find("arg=-up\narg=two words\ncwd=" + (temp / "work dir").string() + "\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("sid=" + std::to_string(getsid(0)) + "\n"), std::string::npos)
        << "the program shares our session: " << text;
}

TEST(ShellExecute, TheVerbIgnoresCase) {
    TempFolder temp;
    const fs::path report = temp / "report";
    const fs::path program = temp / "program";
    WriteScript(program, ReportingScript(report));
    ASSERT_GT(Code(ShellExecute(nullptr, "OPEN", program.string(), "-up", "", SW_SHOWNORMAL)), 32);
    const std::string text = WaitForReport(report);
    EXPECT_NE(text.find("arg=-up\n"), std::string::npos) << text;
}

TEST(ShellExecute, FailuresGiveTheShellsErrorCodes) {
    TempFolder temp;
    WriteScript(temp / "program", "exit 0\n");
    const struct {
        const char* verb;
        std::string file;
        std::string directory;
        std::intptr_t expected;
    } cases[] = {
        {"open", (temp / "missing").string(), "", SE_ERR_FNF},
        {"open", "", "", SE_ERR_FNF},
        {"open", (temp / "program").string(), (temp / "missing").string(), SE_ERR_PNF},
        {"print", (temp / "program").string(), "", SE_ERR_NOASSOC},
        {"opened", (temp / "program").string(), "", SE_ERR_NOASSOC},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Code(ShellExecute(nullptr, c.verb, c.file, "", c.directory, SW_SHOWNORMAL)),
                  c.expected)
            << c.verb << " " << c.file;
    }
    ScopedEnvironment path("PATH", temp.path().string());
    EXPECT_EQ(Code(ShellExecute(nullptr, "open", "http://x/", "", "", SW_SHOWNORMAL)),
              SE_ERR_NOASSOC)
        << "no xdg-open in PATH";
}

} // namespace
