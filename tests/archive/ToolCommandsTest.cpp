#include "tests/archive/ArchiveTestSupport.h"
#include "tests/archive/TestZip.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

namespace archive::test {
namespace {

struct TRun {
    int exitCode;
    std::string out;
    std::string err;
};

class ToolCommands : public testing::Test {
protected:
    TRun Run(const std::string& arguments) {
        const std::string command = std::string(TELVORA_TOOL_PATH) + " " + arguments + " >'" +
                                    (FTemp / "stdout") + "' 2>'" + (FTemp / "stderr") + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(FTemp / "stdout"),
                ReadFile(FTemp / "stderr")};
    }
    std::string Package() {
        const std::string path = FTemp / "package.zip";
        WriteFile(path, BuildZip({{"a/", "", false, true},
                                  {"a/b/c.txt", "hello"},
                                  {"\xC6\xB5\xB5\xC0/\xD6\xD0\xD1\xEB.txt", "gbk"},
                                  {"../outside.txt", "x"}}));
        return path;
    }

    TTempFolder FTemp;
};

TEST_F(ToolCommands, ListPrintsPathSizeAndKindPerItem) {
    const TRun run = Run("list '" + Package() + "'");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "a\t0\tD\na/b/c.txt\t5\tF\n频道/中央.txt\t3\tF\n../outside.txt\t1\tF\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(ToolCommands, UnzipExtractsAndReportsARefusedItemAsAFailure) {
    const std::string out = FTemp / "out";
    const TRun run = Run("unzip '" + Package() + "' '" + out + "'");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "Refused to extract \"../outside.txt\": its path leads outside the target folder\n");
    EXPECT_EQ(TreeOf(out),
              (std::vector<std::string>{"a/", "a/b/", "a/b/c.txt", "频道/", "频道/中央.txt"}));
}

TEST_F(ToolCommands, FailuresPrintOneLineOnStderrAndNothingOnStdout) {
    WriteFile(FTemp / "text.zip", "not an archive");
    const std::string missing = FTemp / "missing.zip";
    struct Case {
        std::string arguments;
        int exitCode;
        std::string firstErrorLine;
    };
    const Case cases[] = {
        {"list '" + FTemp / "text.zip" + "'", 1, "Incorrect function"},
        {"unzip '" + missing + "' '" + FTemp / "out" + "'", 1,
         "Cannot open file \"" + missing + "\". The system cannot find the file specified"},
        {"list", 2, "telvora-tool list: expects one archive"},
        {"unzip '" + missing + "'", 2, "telvora-tool unzip: expects an archive and a folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const TRun run = Run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstErrorLine);
    }
}

} // namespace
} // namespace archive::test
