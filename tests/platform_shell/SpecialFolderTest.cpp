#include "platform/shell/SpecialFolder.h"

#include "platform/shell/UserDirs.h"
#include "tests/platform_shell/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace win;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFile;
namespace fs = std::filesystem;

TEST(UserDirs, ReadsTheFileAsXdgUserDirsWritesIt) {
    const std::string text = "# This file is written by xdg-user-dirs-update\n"
                             "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"
                             "XDG_DOWNLOAD_DIR=\"/srv/downloads\"\n"
                             "  XDG_MUSIC_DIR=\"$HOME/with \\\"quote\\\" and \\$\"  \n"
                             "XDG_TEMPLATES_DIR=\"$HOME\"\n"
                             "XDG_PUBLICSHARE_DIR=\"relative/path\"\n"
                             "XDG_VIDEOS_DIR=\"$HOMEvideos\"\n"
                             "XDG_PICTURES_DIR=\"$HOME/unterminated\n"
                             "XDG_DOCUMENTS_DIR=\"$HOME/a\" trailing\n"
                             "broken line\n"
                             "XDG_DOWNLOAD_DIR=\"$HOME/Later wins\"";
    const std::map<std::string, std::string> expected = {
        {"XDG_DESKTOP_DIR", "/home/u/桌面"},
        {"XDG_DOWNLOAD_DIR", "/home/u/Later wins"},
        {"XDG_MUSIC_DIR", "/home/u/with \"quote\" and $"},
        {"XDG_TEMPLATES_DIR", "/home/u"},
    };
    EXPECT_EQ(ParseUserDirs(text, "/home/u"), expected);
    EXPECT_TRUE(ParseUserDirs("", "/home/u").empty());
}

class SpecialFolderTest : public testing::Test {
protected:
    SpecialFolderTest()
        : home_("HOME", folder_.path().string()),
          config_("XDG_CONFIG_HOME", (folder_ / ".config").string()),
          desktopVariable_("XDG_DESKTOP_DIR", "") {
        fs::create_directories(folder_ / ".config");
    }

    // The path the desktop code resolves to, or the failing HRESULT as text.
    std::string Resolve(int code) {
        PIDLIST_ABSOLUTE list = nullptr;
        HRESULT result = SHGetSpecialFolderLocation(nullptr, code, &list);
        if (FAILED(result)) {
            EXPECT_EQ(list, nullptr);
            return "failed " + std::to_string(result);
        }
        std::string path;
        EXPECT_TRUE(SHGetPathFromIDList(list, &path));
        ILFree(list);
        return path;
    }

    TempFolder folder_;
    ScopedEnvironment home_;
    ScopedEnvironment config_;
    ScopedEnvironment desktopVariable_;
};

TEST_F(SpecialFolderTest, DesktopComesFromTheUserDirsFile) {
    fs::create_directories(folder_ / "桌面");
    fs::create_directories(folder_ / "Desktop");
    WriteFile(folder_ / ".config" / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
    EXPECT_EQ(Resolve(CSIDL_DESKTOP), (folder_ / "桌面").string());
    EXPECT_EQ(Resolve(CSIDL_DESKTOPDIRECTORY), (folder_ / "桌面").string());
}

TEST_F(SpecialFolderTest, DesktopFallsBackToTheEnvironmentThenToDesktop) {
    fs::create_directories(folder_ / "Desktop");
    EXPECT_EQ(Resolve(CSIDL_DESKTOP), (folder_ / "Desktop").string());
    fs::create_directories(folder_ / "elsewhere");
    ScopedEnvironment variable("XDG_DESKTOP_DIR", (folder_ / "elsewhere").string());
    EXPECT_EQ(Resolve(CSIDL_DESKTOP), (folder_ / "elsewhere").string());
}

TEST_F(SpecialFolderTest, FoldersThatDoNotExistDoNotResolve) {
    WriteFile(folder_ / ".config" / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
    fs::create_directories(folder_ / "Desktop");
    EXPECT_EQ(Resolve(CSIDL_DESKTOP),
              "failed " + std::to_string(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)));
    EXPECT_EQ(Resolve(CSIDL_DESKTOP | CSIDL_FLAG_CREATE), (folder_ / "桌面").string());
    EXPECT_TRUE(fs::is_directory(folder_ / "桌面"));
}

TEST_F(SpecialFolderTest, OtherCodes) {
    EXPECT_EQ(Resolve(CSIDL_PROFILE), folder_.path().string());
    EXPECT_EQ(Resolve(CSIDL_APPDATA), (folder_ / ".config").string());
    EXPECT_EQ(Resolve(0x7F), "failed " + std::to_string(E_INVALIDARG));
    EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, nullptr), E_INVALIDARG);
    std::string unchanged = "x";
    EXPECT_FALSE(SHGetPathFromIDList(nullptr, &unchanged));
}

} // namespace
