#include "catalogue/function_module.h"
#include "tests/catalogue/FolderFixture.h"
#include "tests/catalogue/ListLines.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace catalogue {
namespace {

struct ScanResult {
    Lines names;
    Lines paths;
    Lines folders;
    std::string status;
};

class ListingScan : public testing::Test {
protected:
    ScanResult Scan(const std::string& root) {
        const std::string status = ScanListingFolder(root, {FNames, FPaths, FFolders});
        return {ToLines(FNames), ToLines(FPaths), ToLines(FFolders), status};
    }

    FolderFixture FFolder;
    fw::TStringList FNames;
    fw::TStringList FPaths;
    fw::TStringList FFolders;
};

TEST_F(ListingScan, WalksBreadthFirstWithEachFolderSortedByName) {
    FFolder.WriteFile("b.txt", "");
    FFolder.WriteFile("a.TXT", "");
    FFolder.WriteFile("abctxt", "");
    FFolder.WriteFile("orvo.zip", "");
    FFolder.WriteFile("list.txt.bak", "");
    FFolder.WriteFile("央视频道/sub/03.txt", "");
    FFolder.WriteFile("央视频道/02.txt", "");
    FFolder.WriteFile("央视频道/01.txt", "");
    FFolder.WriteFile("央视频道/.hidden.txt", "");
    FFolder.WriteFile("地方频道/shandong山东卫视.txt", "");
    FFolder.WriteFile("地方频道/readme.md", "");
    const std::string root = FFolder.Root() + "/";

    const ScanResult result = Scan(FFolder.Root());

    // "地" (E5 9C B0) sorts before "央" (E5 A4 AE) in byte order.
    EXPECT_EQ(result.names, (Lines{"a", "abctxt", "b", "山东卫视", ".hidden", "ORVO-1台",
                                   "ORVO-2台", "ORVO-3台"}));
    EXPECT_EQ(result.paths, (Lines{root + "a.TXT", root + "abctxt", root + "b.txt",
                                   root + "地方频道/shandong山东卫视.txt",
                                   root + "央视频道/.hidden.txt", root + "央视频道/01.txt",
                                   root + "央视频道/02.txt", root + "央视频道/sub/03.txt"}));
    EXPECT_EQ(result.folders,
              (Lines{root + "地方频道/", root + "央视频道/", root + "央视频道/sub/"}));
    EXPECT_EQ(result.status, "共8个频道 欢迎加入Telvora用户交流群 ");
}

TEST_F(ListingScan, HoldsTheListsUpdatesForTheWholeWalk) {
    for (int i = 0; i < 5; ++i) {
        FFolder.WriteFile("sub" + std::to_string(i) + "/0" + std::to_string(i) + ".txt", "");
    }
    int changes = 0;
    for (fw::TStringList* list : {&FNames, &FPaths, &FFolders}) {
        list->SetOnChange([&](fw::TObject*) { ++changes; });
    }
    Scan(FFolder.Root());
    EXPECT_EQ(FNames.Count(), 5);
    EXPECT_EQ(changes, 3); // one notice per list, at the end
}

TEST_F(ListingScan, TakesTheRootWithOrWithoutATrailingSlash) {
    FFolder.WriteFile("央视频道/01.txt", "");
    const ScanResult withSlash = Scan(FFolder.Path("央视频道/"));
    FNames.Clear();
    FPaths.Clear();
    FFolders.Clear();
    const ScanResult withoutSlash = Scan(FFolder.Path("央视频道"));
    EXPECT_EQ(withSlash.paths, (Lines{FFolder.Path("央视频道/01.txt")}));
    EXPECT_EQ(withoutSlash.paths, withSlash.paths);
}

TEST_F(ListingScan, AppendsToWhatTheListsHold) {
    FFolder.WriteFile("09.txt", "");
    Scan(FFolder.Root());
    const ScanResult twice = Scan(FFolder.Root());
    EXPECT_EQ(twice.names, (Lines{"ORVO-9台", "ORVO-9台"}));
    EXPECT_EQ(twice.status, "共2个频道 欢迎加入Telvora用户交流群 ");
}

TEST_F(ListingScan, AMissingRootOrAFileAsRootListsNothing) {
    FFolder.WriteFile("01.txt", "");
    for (const std::string& root :
         {FFolder.Path("境外频道"), FFolder.Path("01.txt"), std::string()}) {
        const ScanResult result = Scan(root);
        EXPECT_EQ(result.names, Lines{}) << root;
        EXPECT_EQ(result.folders, Lines{}) << root;
        EXPECT_EQ(result.status, "共0个频道 欢迎加入Telvora用户交流群 ") << root;
    }
}

TEST_F(ListingScan, FollowsLinksButWalksEachRealFolderOnce) {
    FFolder.WriteFile("outside/ext.txt", "");
    FFolder.WriteFile("root/z-real/real.txt", "");
    FFolder.MakeLink("z-real", "root/a-link");        // met before the real folder
    FFolder.MakeLink("../outside", "root/m-outside"); // a folder outside the root
    FFolder.MakeLink("..", "root/z-real/loop");       // back to the root
    FFolder.MakeLink(".", "root/z-real/self");
    FFolder.MakeLink("z-real/real.txt", "root/file-link.txt");
    FFolder.MakeLink("nowhere", "root/dangling.txt");
    ASSERT_EQ(mkfifo(FFolder.Path("root/pipe.txt").c_str(), 0644), 0);
    const std::string root = FFolder.Path("root/");

    const ScanResult result = Scan(root);

    EXPECT_EQ(result.paths, (Lines{root + "file-link.txt", root + "a-link/real.txt",
                                   root + "m-outside/ext.txt"}));
    EXPECT_EQ(result.folders, (Lines{root + "a-link/", root + "m-outside/"}));
}

// Root reads any folder; a file-system user id other than 0 drops that power for
// this thread, so an unreadable folder is unreadable to the test too.
class ScopedUnprivileged {
public:
    ScopedUnprivileged() {
        if (geteuid() == 0) {
            setfsuid(65534);
        }
    }
    ~ScopedUnprivileged() {
        if (geteuid() == 0) {
            setfsuid(0);
        }
    }
};

TEST_F(ListingScan, AFolderThatCannotBeListedContributesNothing) {
    FFolder.SetMode("", 0755);
    FFolder.WriteFile("a-locked/hidden.txt", "");
    FFolder.WriteFile("b-open/seen.txt", "");
    FFolder.SetMode("a-locked", 0);
    ScanResult result;
    {
        ScopedUnprivileged unprivileged;
        result = Scan(FFolder.Root());
    }
    EXPECT_EQ(result.names, (Lines{"seen"}));
    EXPECT_EQ(result.folders, (Lines{FFolder.Path("a-locked/"), FFolder.Path("b-open/")}));
}

TEST_F(ListingScan, NamesThatAreNotUtf8KeepTheirBytesInThePath) {
    FFolder.WriteFile("\xD1\xEB\xCA\xD3.txt", ""); // "央视" in GBK
    FFolder.WriteFile("\xFF.txt", "");
    const ScanResult result = Scan(FFolder.Root());
    EXPECT_EQ(result.names, (Lines{"央视", "\xEF\xBF\xBD"}));
    EXPECT_EQ(result.paths,
              (Lines{FFolder.Path("\xD1\xEB\xCA\xD3.txt"), FFolder.Path("\xFF.txt")}));
}

TEST(DeleteFolder, DeletesTheFolderWithEverythingInIt) {
    FolderFixture folder;
    folder.WriteFile("ORVOListTemp/央视频道/01.txt", "x");
    folder.WriteFile("ORVOListTemp/orvo.zip", "x");
    folder.WriteFile("keep.txt", "x");
    folder.MakeLink(folder.Path("keep.txt"), "ORVOListTemp/link.txt");

    EXPECT_TRUE(DeleteFolder(folder.Path("ORVOListTemp/")));
    EXPECT_NE(access(folder.Path("ORVOListTemp").c_str(), F_OK), 0);
    EXPECT_EQ(access(folder.Path("keep.txt").c_str(), F_OK), 0); // links are not followed
    EXPECT_FALSE(DeleteFolder(folder.Path("ORVOListTemp/")));
}

} // namespace
} // namespace catalogue
