#include "app/ApplicationFolders.h"

#include "tests/app/Unprivileged.h"
#include "tests/platform_shell/TempFolder.h"

#include <gtest/gtest.h>

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

} // namespace
