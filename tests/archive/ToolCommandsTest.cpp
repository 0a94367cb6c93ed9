#include "tests/archive/ArchiveTestSupport.h"
#include "tests/archive/TestZip.h"

#include <filesystem>
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
        {"unzip '" + Package() + "' ''", 2, "telvora-tool unzip: the folder must have a name"},
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

namespace archive::test {
namespace {

// A catalogue folder: two categories, names that need UTF-8, a nested folder.
class PackCommand : public ToolCommands {
protected:
    std::string Catalogue() {
        const std::string root = FTemp / "catalogue";
        std::filesystem::create_directories(root + "/央视频道");
        std::filesystem::create_directories(root + "/地方频道/more");
        WriteFile(root + "/央视频道/01.txt", "\xEF\xBB\xBF"
                                             "19:00 新闻联播\r\n");
        WriteFile(root + "/央视频道/news.txt", "09:00 新闻直播间\r\n");
        WriteFile(root + "/地方频道/shandong山东卫视.txt", "20:00 山东新闻\r\n");
        WriteFile(root + "/地方频道/more/b.txt", "");
        return root;
    }
};

TEST_F(PackCommand, TheSameFolderGivesTheSameBytesAndUnpacksToItself) {
    const std::string root = Catalogue();
    ASSERT_EQ(Run("pack '" + root + "' '" + (FTemp / "one.zip") + "'").exitCode, 0);
    // Other file times and a later run: still the same bytes.
    std::filesystem::last_write_time(root + "/央视频道/01.txt",
                                     std::filesystem::file_time_type::clock::now());
    const TRun again = Run("pack '" + root + "' '" + (FTemp / "two.zip") + "'");
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out + again.err, "");
    EXPECT_EQ(ReadFile(FTemp / "one.zip"), ReadFile(FTemp / "two.zip"));

    // Entries in byte order of their names, each name read back as UTF-8.
    const TRun list = Run("list '" + (FTemp / "one.zip") + "'");
    EXPECT_EQ(list.out, "地方频道\t0\tD\n地方频道/more\t0\tD\n地方频道/more/b.txt\t0\tF\n"
                        "地方频道/shandong山东卫视.txt\t20\tF\n央视频道\t0\tD\n"
                        "央视频道/01.txt\t23\tF\n央视频道/news.txt\t23\tF\n");
    const std::string out = FTemp / "out";
    ASSERT_EQ(Run("unzip '" + (FTemp / "one.zip") + "' '" + out + "'").exitCode, 0);
    EXPECT_EQ(TreeOf(out), TreeOf(root));
    EXPECT_EQ(ReadFile(out + "/央视频道/01.txt"), ReadFile(root + "/央视频道/01.txt"));
}

TEST_F(PackCommand, RefusesWhatIsNoCatalogueWithOneLine) {
    const std::string flat = FTemp / "flat";
    std::filesystem::create_directories(flat);
    WriteFile(flat + "/01.txt", "19:00 新闻联播\n");
    const struct {
        std::string arguments;
        int exitCode;
        std::string err;
    } cases[] = {
        {"pack '" + flat + "' '" + (FTemp / "p.zip") + "'", 1,
         flat + " holds no category folder: nothing to pack\n"},
        {"pack '" + (FTemp / "missing") + "' '" + (FTemp / "p.zip") + "'", 1,
         (FTemp / "missing") + " is not a folder\n"},
    };
    for (const auto& c : cases) {
        const TRun run = Run(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(FTemp / "p.zip"));
    EXPECT_EQ(Run("pack '" + flat + "'").exitCode, 2);
}

} // namespace
} // namespace archive::test
