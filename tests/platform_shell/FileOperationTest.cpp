#include "platform/shell/FileOperation.h"

#include "platform/kernel/WinError.h"
#include "tests/platform_shell/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace win;
using testing_support::TempFolder;
using testing_support::WriteFile;
namespace fs = std::filesystem;

// The call the program makes: one path, double-NUL ended, silent, no confirmation.
int DeleteFolder(const std::string& path) {
    std::string list = path + '\0';
    SHFILEOPSTRUCT operation;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
    return SHFileOperation(&operation);
}

void MakeTree(const fs::path& root) {
    fs::create_directories(root / "央视频道" / "deeper");
    WriteFile(root / "orvo.zip", "zip");
    WriteFile(root / "央视频道" / "CCTV-1.txt", "schedule");
    WriteFile(root / "央视频道" / "deeper" / "x", "");
}

TEST(FileOperation, DeletesAFolderWithEverythingInIt) {
    TempFolder temp;
    const fs::path work = temp / "ORVOListTemp";
    MakeTree(work);
    EXPECT_EQ(DeleteFolder(work.string() + "/"), 0);
    EXPECT_FALSE(fs::exists(work));
    EXPECT_TRUE(fs::exists(temp.path()));
}

TEST(FileOperation, RemovesSymbolicLinksWithoutFollowingThem) {
    TempFolder temp;
    const fs::path work = temp / "work";
    const fs::path outside = temp / "outside";
    MakeTree(work);
    MakeTree(outside);
    fs::create_directory_symlink(outside, work / "link-to-folder");
    fs::create_symlink(outside / "orvo.zip", work / "link-to-file");
    fs::create_symlink(temp / "missing", work / "dangling");
    EXPECT_EQ(DeleteFolder(work.string()), 0);
    EXPECT_FALSE(fs::exists(work));
    EXPECT_TRUE(fs::exists(outside / "央视频道" / "CCTV-1.txt"));
    EXPECT_TRUE(fs::exists(outside / "orvo.zip"));
}

TEST(FileOperation, AMissingFolderIsAFailureAndChangesNothing) {
    TempFolder temp;
    WriteFile(temp / "bystander", "");
    EXPECT_EQ(DeleteFolder((temp / "missing").string()), int(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(fs::exists(temp / "bystander"));
}

// Runs the deletions in a child process whose root folder is root, so that a
// fault could cost nothing but that folder; the results in order, or nullopt when
// this system cannot give a process its own root.
std::optional<std::vector<int>> DeleteUnderRoot(const fs::path& root,
                                                const std::vector<std::string>& paths) {
    int results[2];
    if (pipe(results) != 0) {
        return std::nullopt;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(results[0]);
        if (geteuid() != 0) {
            unshare(CLONE_NEWUSER | CLONE_NEWNS);
        }
        if (chroot(root.c_str()) != 0 || chdir("/") != 0) {
            _exit(1);
        }
        for (const std::string& path : paths) {
            int result = DeleteFolder(path);
            if (write(results[1], &result, sizeof result) != sizeof result) {
                _exit(1);
            }
        }
        _exit(0);
    }
    close(results[1]);
    std::vector<int> got;
    int result = 0;
    while (read(results[0], &result, sizeof result) == sizeof result) {
        got.push_back(result);
    }
    close(results[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return got;
}

TEST(FileOperation, NeverDeletesTheRootHoweverItIsWritten) {
    TempFolder temp;
    const fs::path root = temp / "root";
    MakeTree(root / "usr");
    fs::create_directories(root / "tmp");
    fs::create_directory_symlink("/", root / "tmp" / "to-root");
    const int denied = int(ERROR_ACCESS_DENIED);
    const std::vector<std::pair<std::string, int>> cases = {
        {"/", denied},       {"///", denied},     {"/.", denied},
        {"/..", denied},     {"/usr/..", denied}, {"/usr/../", denied},
        {".", denied},       {"usr/..", denied},  {"/tmp/to-root/.", denied},
        {"/tmp/to-root", 0}, // the link itself, not what it points to
    };
    std::vector<std::string> paths;
    std::vector<int> expected;
    for (const auto& [path, result] : cases) {
        paths.push_back(path);
        expected.push_back(result);
    }
    const std::optional<std::vector<int>> got = DeleteUnderRoot(root, paths);
    if (!got) {
        GTEST_SKIP() << "cannot give a process its own root folder here";
    }
    EXPECT_EQ(*got, expected);
    EXPECT_TRUE(fs::exists(root / "usr" / "央视频道" / "CCTV-1.txt"));
    EXPECT_FALSE(fs::is_symlink(root / "tmp" / "to-root"));
}

TEST(FileOperation, RefusesWhatItMustNotOrCannotDo) {
    EXPECT_EQ(SHFileOperation(nullptr), int(ERROR_INVALID_PARAMETER));
    TempFolder temp;
    std::string list = temp.path().string() + '\0';
    SHFILEOPSTRUCT copy;
    copy.wFunc = FO_COPY;
    copy.pFrom = list.c_str();
    EXPECT_NE(SHFileOperation(&copy), 0);
    EXPECT_TRUE(fs::exists(temp.path()));
}

TEST(FileOperation, DeletesEveryListedPathAndReportsTheFirstFailure) {
    TempFolder temp;
    MakeTree(temp / "a");
    WriteFile(temp / "b.txt", "");
    std::string list = (temp / "a").string() + '\0' + (temp / "missing").string() + '\0' +
                       (temp / "b.txt").string() + '\0';
    SHFILEOPSTRUCT operation;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    EXPECT_EQ(SHFileOperation(&operation), int(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(fs::exists(temp / "a"));
    EXPECT_FALSE(fs::exists(temp / "b.txt"));
}

TEST(FileOperation, AFailurePartWayLeavesOnlyWhatCouldNotBeDeleted) {
    TempFolder temp;
    const fs::path work = temp / "work";
    MakeTree(work);
    fs::create_directories(work / "locked");
    WriteFile(work / "locked" / "kept", "");
    // Root ignores permissions; the immutable attribute stops it too.
    const bool root = geteuid() == 0;
    const std::string lock = "chattr +i '" + (work / "locked" / "kept").string() + "' 2>/dev/null";
    if (root ? std::system(lock.c_str()) != 0 : chmod((work / "locked").c_str(), 0555) != 0) {
        GTEST_SKIP() << "cannot make an undeletable file here (chattr +i unsupported)";
    }
    EXPECT_NE(DeleteFolder(work.string()), 0);
    EXPECT_TRUE(fs::exists(work / "locked" / "kept"));
    EXPECT_FALSE(fs::exists(work / "orvo.zip"));
    EXPECT_FALSE(fs::exists(work / "央视频道"));
    if (root) {
        std::system(("chattr -i '" + (work / "locked" / "kept").string() + "'").c_str());
    } else {
        chmod((work / "locked").c_str(), 0755);
    }
}

} // namespace
