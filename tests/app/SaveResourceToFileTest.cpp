#include "app/res.h"
#include "framework/Exception.h"
#include "tests/app/Unprivileged.h"
#include "tests/platform_shell/TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;
namespace fs = std::filesystem;

// Runs the code under test with the temp folder as the current folder, since
// the file name it is given may be relative.
class SaveResourceToFileTest : public testing::Test {
protected:
    SaveResourceToFileTest() : previous_(fs::current_path()) { fs::current_path(folder_.path()); }
    ~SaveResourceToFileTest() override { fs::current_path(previous_); }

    TempFolder folder_;
    fs::path previous_;
};

TEST_F(SaveResourceToFileTest, WritesTheArchiveLibraryByteForByte) {
    WriteFile(folder_ / "7z.dll", "an older library");
    SaveResourceToFile("7z", "dll", "7z.dll");
    EXPECT_EQ(ReadFile(folder_ / "7z.dll"), ReadFile(TELVORA_7Z_LIBRARY));

    // Names and types match without regard to case; a full path works as well.
    const fs::path full = folder_ / "again.txt";
    SaveResourceToFile("GREETING", "text", full.string());
    EXPECT_EQ(ReadFile(full), "hello from the resource table\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 2)
        << "no temporary file stays behind";
}

TEST_F(SaveResourceToFileTest, MissingResourceOrFolderRaisesTheFrameworkErrors) {
    try {
        SaveResourceToFile("8z", "dll", "7z.dll");
        FAIL() << "no error";
    } catch (const fw::EResNotFound& error) {
        EXPECT_EQ(error.Message(), "Resource 8z not found");
    }
    EXPECT_FALSE(fs::exists(folder_ / "7z.dll"));

    const std::string inMissingFolder = (folder_ / "missing" / "7z.dll").string();
    try {
        SaveResourceToFile("7z", "dll", inMissingFolder);
        FAIL() << "no error";
    } catch (const fw::EFCreateError& error) {
        EXPECT_EQ(error.Message().rfind("Cannot create file \"" + inMissingFolder + "\". ", 0), 0u)
            << error.Message();
    }
    EXPECT_TRUE(fs::is_empty(folder_.path()));
}

TEST_F(SaveResourceToFileTest, ReadOnlyFolderKeepsTheOldFile) {
    WriteFile(folder_ / "7z.dll", "the old library");
    fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    const bool refused = testing_support::RunUnprivileged([] {
        try {
            SaveResourceToFile("7z", "dll", "7z.dll");
            return false;
        } catch (const fw::EFCreateError&) {
            return true;
        }
    });
    fs::permissions(folder_.path(), fs::perms::owner_all);
    EXPECT_TRUE(refused);
    EXPECT_EQ(ReadFile(folder_ / "7z.dll"), "the old library");
}

// A running program has the library mapped; rewriting that file in place would
// pull the pages from under it.
TEST_F(SaveResourceToFileTest, MappedOldFileKeepsItsBytes) {
    const std::string old(4096, 'o');
    WriteFile(folder_ / "7z.dll", old);
    const int fd = ::open("7z.dll", O_RDONLY);
    ASSERT_GE(fd, 0);
    void* mapped = ::mmap(nullptr, old.size(), PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    ASSERT_NE(mapped, MAP_FAILED);

    SaveResourceToFile("7z", "dll", "7z.dll");
    EXPECT_EQ(std::string(static_cast<const char*>(mapped), old.size()), old);
    ::munmap(mapped, old.size());
    EXPECT_EQ(ReadFile(folder_ / "7z.dll"), ReadFile(TELVORA_7Z_LIBRARY));
}

} // namespace
