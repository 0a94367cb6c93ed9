#include "app/ApplicationFolders.h"

#include "tests/app/Unprivileged.h"
#include "tests/platform_shell/TempFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace {

using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
namespace fs = std::filesystem;

class ApplicationFoldersTest : public testing::Test {
protected:
    ApplicationFoldersTest()
        : home_("HOME", (root_ / "home").string()), data_("XDG_DATA_HOME", "") {
        fs::create_directories(root_ / "home");
        fs::create_directories(root_ / "opt");
        // The unprivileged checks run as another user in these folders.
        fs::permissions(root_.path(), fs::perms::all);
        fs::permissions(root_ / "home", fs::perms::all);
    }

    std::string program() const { return (root_ / "opt" / "telvora").string(); }

    TempFolder root_;
    ScopedEnvironment home_;
    ScopedEnvironment data_;
};

TEST_F(ApplicationFoldersTest, WritableProgramFolderIsTheApplicationFolder) {
    const std::string folder = (root_ / "opt").string() + "/";
    EXPECT_EQ(ApplicationFolderFor(program()), folder);
    EXPECT_EQ(WorkingFolderOf(folder), folder + "ORVOListTemp/");
    EXPECT_EQ(ArchiveLibraryPathOf(folder), folder + "7z.dll");
    EXPECT_FALSE(fs::exists(root_ / "home" / ".local"));
}

TEST_F(ApplicationFoldersTest, ReadOnlyProgramFolderGivesTheUserDataFolder) {
    fs::permissions(root_ / "opt",
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const std::string expected = (root_ / "home" / ".local" / "share" / "telvora").string() + "/";
    EXPECT_TRUE(testing_support::RunUnprivileged(
        [&] { return ApplicationFolderFor(program()) == expected && fs::is_directory(expected); }));

    const std::string chosen = (root_ / "data").string();
    ScopedEnvironment dataHome("XDG_DATA_HOME", chosen);
    fs::create_directories(chosen);
    fs::permissions(chosen, fs::perms::all);
    EXPECT_TRUE(testing_support::RunUnprivileged(
        [&] { return ApplicationFolderFor(program()) == chosen + "/telvora/"; }));
}

// Root may write into /usr/bin, but an installed copy keeps its data out of
// the package manager's folders all the same; only the menu entry beside the
// program's bin folder marks it as installed.
TEST_F(ApplicationFoldersTest, InstalledProgramUsesTheUserDataFolderWhereItMayWrite) {
    const fs::path prefix = root_ / "usr";
    const std::string program = (prefix / "bin" / "telvora").string();
    fs::create_directories(prefix / "bin");
    EXPECT_EQ(ApplicationFolderFor(program), (prefix / "bin").string() + "/");

    fs::create_directories(prefix / "share" / "applications");
    testing_support::WriteFile(prefix / "share" / "applications" / "telvora.desktop", "");
    const std::string expected = (root_ / "home" / ".local" / "share" / "telvora").string() + "/";
    EXPECT_EQ(ApplicationFolderFor(program), expected);
    EXPECT_TRUE(fs::is_directory(expected));
    EXPECT_EQ(ApplicationFolderFor((root_ / "opt" / "telvora").string()),
              (root_ / "opt").string() + "/");
}

// What a first use of a data folder copies from beside the program.
struct CopyCase {
    const char* rule;
    std::map<std::string, std::string> beside; // the working folder beside the program
    std::map<std::string, std::string> data;   // the data folder's working folder
    bool copied;
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.rule;
}

const CopyCase kCopies[] = {
    {"a catalogue beside the program fills a data folder that has none",
     {{"央视频道/01.txt", "a"}, {"orvo.zip", "zip"}, {"地方频道/山东卫视.txt", "b"}},
     {},
     true},
    {"an earlier start's empty working folder is filled",
     {{"央视频道/01.txt", "a"}},
     {{"", "<folder>"}},
     true},
    {"a data folder with a channel keeps its own catalogue",
     {{"央视频道/01.txt", "a"}},
     {{"境外频道/hk香港台.txt", "c"}},
     false},
    {"a working folder beside the program without a channel is not copied",
     {{"orvo.zip", "zip"}, {"央视频道/", "<folder>"}},
     {},
     false},
};

class CatalogueCopy : public ApplicationFoldersTest, public testing::WithParamInterface<CopyCase> {
protected:
    static void Lay(const fs::path& working, const std::map<std::string, std::string>& files) {
        for (const auto& [name, bytes] : files) {
            if (bytes == "<folder>") {
                fs::create_directories(working / name);
                continue;
            }
            fs::create_directories((working / name).parent_path());
            testing_support::WriteFile(working / name, bytes);
        }
    }
    static std::map<std::string, std::string> Tree(const fs::path& working) {
        std::map<std::string, std::string> files;
        if (!fs::exists(working))
            return files;
        for (const auto& entry : fs::recursive_directory_iterator(working))
            if (entry.is_regular_file())
                files[fs::relative(entry.path(), working).string()] =
                    testing_support::ReadFile(entry.path());
        return files;
    }
    fs::path Beside() const { return root_ / "opt" / "ORVOListTemp"; }
    std::string Data() const { return (root_ / "data").string() + "/"; }
};

TEST_P(CatalogueCopy, FirstUseOfTheDataFolder) {
    const CopyCase& c = GetParam();
    Lay(Beside(), c.beside);
    Lay(root_ / "data" / "ORVOListTemp", c.data);
    fs::create_directories(root_ / "data");
    const auto besideBefore = Tree(Beside());
    const auto dataBefore = Tree(root_ / "data" / "ORVOListTemp");

    EXPECT_EQ(CopyCatalogueBesideProgram(program(), Data()), c.copied);
    EXPECT_EQ(Tree(Beside()), besideBefore);
    EXPECT_EQ(Tree(root_ / "data" / "ORVOListTemp"), c.copied ? besideBefore : dataBefore);
    EXPECT_EQ(fs::directory_iterator(root_ / "data") == fs::directory_iterator(),
              c.data.empty() && !c.copied);
    // A second use finds the data folder as the first left it.
    EXPECT_FALSE(CopyCatalogueBesideProgram(program(), Data()));
}

INSTANTIATE_TEST_SUITE_P(Table, CatalogueCopy, testing::ValuesIn(kCopies));

TEST_F(ApplicationFoldersTest, TheProgramsOwnFolderTakesNoCopy) {
    fs::create_directories(root_ / "opt" / "ORVOListTemp" / "央视频道");
    testing_support::WriteFile(root_ / "opt" / "ORVOListTemp" / "央视频道" / "01.txt", "a");
    EXPECT_FALSE(CopyCatalogueBesideProgram(program(), (root_ / "opt").string() + "/"));
}

// Something that cannot be copied (a pipe) fails the copy as a whole.
TEST_F(ApplicationFoldersTest, AFailedCopyLeavesTheDataFolderAsItWas) {
    fs::create_directories(root_ / "opt" / "ORVOListTemp" / "央视频道");
    testing_support::WriteFile(root_ / "opt" / "ORVOListTemp" / "央视频道" / "01.txt", "a");
    ASSERT_EQ(::mkfifo((root_ / "opt" / "ORVOListTemp" / "央视频道" / "pipe").c_str(), 0600), 0);
    fs::create_directories(root_ / "data");
    EXPECT_ANY_THROW(CopyCatalogueBesideProgram(program(), (root_ / "data").string() + "/"));
    EXPECT_TRUE(fs::is_empty(root_ / "data"));
}

} // namespace
