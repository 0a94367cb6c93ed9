#include "app/Unit_Shortcuts.h"
#include "tests/platform_shell/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ReadFile;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFile;
namespace fs = std::filesystem;

// A home of our own with a desktop folder, and a program file in a folder of
// its own.
class CreateShortcutTest : public testing::Test {
protected:
    CreateShortcutTest()
        : home_("HOME", (root_ / "home").string()),
          config_("XDG_CONFIG_HOME", (root_ / "home" / ".config").string()),
          noBus_("DBUS_SESSION_BUS_ADDRESS", "") {
        fs::create_directories(desktop());
        fs::create_directories(root_ / "opt" / "telvora");
        WriteFile(program(), "program");
    }

    fs::path desktop() const { return root_ / "home" / "Desktop"; }
    std::string program() const { return (root_ / "opt" / "telvora" / "telvora").string(); }
    int EntriesIn(const fs::path& folder) const {
        return static_cast<int>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    TempFolder root_;
    ScopedEnvironment home_;
    ScopedEnvironment config_;
    ScopedEnvironment noBus_;
};

TEST_F(CreateShortcutTest, NormalStartCallWritesTheDesktopEntry) {
    ASSERT_TRUE(CreateShortcut(program(), "Telvora", "", -1));
    const std::string entry = ReadFile(desktop() / "Telvora.desktop");
    EXPECT_NE(entry.find("Name=Telvora\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Exec=\"" + program() + "\"\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Path=" + (root_ / "opt" / "telvora").string() + "/\n"), std::string::npos)
        << entry;
    EXPECT_TRUE((fs::status(desktop() / "Telvora.desktop").permissions() & fs::perms::owner_exec) !=
                fs::perms::none);

    // A second call replaces the entry and succeeds again.
    WriteFile(desktop() / "Telvora.desktop", "stale");
    EXPECT_TRUE(CreateShortcut(program(), "Telvora", "", -1));
    EXPECT_EQ(ReadFile(desktop() / "Telvora.desktop"), entry);
    EXPECT_EQ(EntriesIn(desktop()), 1);
}

TEST_F(CreateShortcutTest, FolderAndNameRules) {
    const fs::path other = root_ / "links";
    fs::create_directories(other);
    const std::string tool = (root_ / "opt" / "telvora" / "tool.exe").string();
    WriteFile(tool, "tool");
    struct Case {
        std::string target;
        std::string linkName;
        std::string folder;
        std::int32_t folderCode;
        bool saved;
        fs::path written;
    };
    const Case cases[] = {
        {tool, "", "", -1, true, desktop() / "tool.desktop"},
        {program(), "Mine", other.string() + "/", -1, true, other / "Mine.desktop"},
        {program(), "Plain", other.string(), -2, true, other / "Plain.desktop"},
        // With a special-folder code the folder argument is ignored.
        {program(), "Coded", other.string(), 0, true, desktop() / "Coded.desktop"},
        {program(), "Lost", (root_ / "nowhere").string() + "/", -1, false, {}},
        {(root_ / "missing").string(), "Ghost", "", -1, false, {}},
        {(root_ / "opt").string(), "Folder", "", -1, false, {}},
    };
    for (const Case& c : cases) {
        const int before = EntriesIn(desktop()) + EntriesIn(other);
        EXPECT_EQ(CreateShortcut(c.target, c.linkName, c.folder, c.folderCode), c.saved)
            << c.linkName;
        if (c.saved)
            EXPECT_TRUE(fs::exists(c.written)) << c.written;
        else
            EXPECT_EQ(EntriesIn(desktop()) + EntriesIn(other), before) << c.linkName;
    }
}

TEST_F(CreateShortcutTest, DesktopComesFromTheUserDirsFile) {
    const fs::path localised = root_ / "home" / "桌面";
    fs::create_directories(localised);
    fs::create_directories(root_ / "home" / ".config");
    WriteFile(root_ / "home" / ".config" / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
    EXPECT_TRUE(CreateShortcut(program(), "Telvora", "", -1));
    EXPECT_TRUE(fs::exists(localised / "Telvora.desktop"));
    EXPECT_FALSE(fs::exists(desktop() / "Telvora.desktop"));
}

TEST_F(CreateShortcutTest, MissingDesktopFolderWritesNothing) {
    fs::remove(desktop());
    EXPECT_FALSE(CreateShortcut(program(), "Telvora", "", -1));
    EXPECT_FALSE(fs::exists(desktop()));
}

} // namespace
