#include "platform/shell/DesktopEntry.h"

#include "platform/shell/ShellLink.h"
#include "tests/platform_shell/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace win;
using testing_support::ReadFile;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteFile;
namespace fs = std::filesystem;

TEST(DesktopEntry, EscapesValuesAndExecArguments) {
    const struct {
        const char* value;
        const char* string;
        const char* exec;
    } cases[] = {
        {"/opt/telvora/telvora", "/opt/telvora/telvora", "\"/opt/telvora/telvora\""},
        {"/home/a b/电视", "/home/a b/电视", "\"/home/a b/电视\""},
        {" lead", R"(\slead)", R"(" lead")"},
        {"back\\slash", "back\\\\slash", "\"back\\\\\\\\slash\""},
        {"q\"$`", "q\"$`", R"("q\\"\\$\\`")"},
        {"100%", "100%", "\"100%%\""},
        {"line\nbreak", "line\\nbreak", "\"line\\nbreak\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeDesktopString(c.value), c.string) << c.value;
        EXPECT_EQ(EscapeDesktopString(QuoteDesktopExecArgument(c.value)), c.exec) << c.value;
    }
}

TEST(ShellLink, LinkPathsBecomeDesktopFiles) {
    EXPECT_EQ(ShellLink::DesktopFileNameFor("/d/Telvora.lnk"), "/d/Telvora.desktop");
    EXPECT_EQ(ShellLink::DesktopFileNameFor("/d/Telvora.LNK"), "/d/Telvora.desktop");
    EXPECT_EQ(ShellLink::DesktopFileNameFor("/d/Telvora.desktop"), "/d/Telvora.desktop");
    EXPECT_EQ(ShellLink::DesktopFileNameFor("/d/lnk"), "/d/lnk");
}

class SavedLink : public testing::Test {
protected:
    SavedLink() : home_("HOME", folder_.path().string()), bus_("DBUS_SESSION_BUS_ADDRESS", "") {
        fs::create_directories(folder_ / "Desktop");
        fs::create_directories(folder_ / "app dir");
        WriteFile(target_, "#!/bin/sh\n");
        fs::permissions(target_, fs::perms::owner_all);
    }

    HRESULT Save(const fs::path& linkPath) {
        ShellLink link;
        link.SetPath(target_.string());
        link.SetWorkingDirectory((folder_ / "app dir").string() + "/");
        return link.Save(linkPath.string(), FALSE);
    }

    TempFolder folder_;
    ScopedEnvironment home_;
    ScopedEnvironment bus_;
    fs::path target_ = folder_ / "app dir" / "telvora";
};

TEST_F(SavedLink, WritesAValidExecutableDesktopEntry) {
    const fs::path link = folder_ / "Desktop" / "Telvora.lnk";
    ASSERT_EQ(Save(link), S_OK);
    const fs::path written = folder_ / "Desktop" / "Telvora.desktop";
    ASSERT_TRUE(fs::exists(written));
    EXPECT_FALSE(fs::exists(link));
    const std::string text = ReadFile(written);
    EXPECT_NE(text.find("Type=Application\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Name=Telvora\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Exec=\"" + target_.string() + "\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Path=" + (folder_ / "app dir").string() + "/\n"), std::string::npos);
    EXPECT_NE(text.find("Icon=telvora\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Categories=AudioVideo;TV;\n"), std::string::npos) << text;
    struct stat info {};
    ASSERT_EQ(stat(written.c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IXUSR, 0u);
    std::string validate = "desktop-file-validate '" + written.string() + "' 2>&1";
    FILE* pipe = popen(validate.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char buffer[512];
    std::string complaints;
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        complaints += buffer;
    }
    EXPECT_EQ(pclose(pipe), 0) << complaints;
    // Hints (such as "TV" also fitting under "Video") are advice, not faults.
    EXPECT_EQ(complaints.find("error"), std::string::npos) << complaints;
    EXPECT_EQ(complaints.find("warning"), std::string::npos) << complaints;
}

TEST_F(SavedLink, SavingAgainReplacesTheFileWhole) {
    const fs::path link = folder_ / "Desktop" / "Telvora.lnk";
    const fs::path written = folder_ / "Desktop" / "Telvora.desktop";
    WriteFile(written, std::string(10000, '~'));
    ASSERT_EQ(Save(link), S_OK);
    const std::string first = ReadFile(written);
    ASSERT_EQ(Save(link), S_OK);
    EXPECT_EQ(ReadFile(written), first);
    EXPECT_EQ(first.find('~'), std::string::npos);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "Desktop"), {}), 1);
}

TEST_F(SavedLink, UsesAPictureBesideTheTargetAsIcon) {
    WriteFile(folder_ / "app dir" / "telvora.png", "png");
    ASSERT_EQ(Save(folder_ / "Desktop" / "Telvora.lnk"), S_OK);
    const std::string text = ReadFile(folder_ / "Desktop" / "Telvora.desktop");
    EXPECT_NE(text.find("Icon=" + (folder_ / "app dir" / "telvora.png").string() + "\n"),
              std::string::npos)
        << text;
}

TEST_F(SavedLink, FailuresAreReportedAndWriteNothing) {
    EXPECT_TRUE(FAILED(Save(folder_ / "no such folder" / "Telvora.lnk")));
    EXPECT_FALSE(fs::exists(folder_ / "no such folder"));
    ShellLink empty;
    EXPECT_EQ(empty.Save((folder_ / "Desktop" / "x.lnk").string(), FALSE), E_INVALIDARG);
    EXPECT_TRUE(fs::is_empty(folder_ / "Desktop"));
}

} // namespace
