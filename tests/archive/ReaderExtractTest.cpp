#include "tests/archive/ReaderFixture.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace archive::test {
namespace {

using ExtractTo = ReaderFixture;
using Tree = std::vector<std::string>;

TEST_F(ExtractTo, WritesFilesAndTheirFoldersButNoEmptyFolders) {
    OpenZip({{"a/", "", false, true},
             {"a/b/c.txt", "deep"},
             {"d/", "", false, true},
             {"top.txt", "top"},
             {"win\\sub\\w.txt", "windows", false, false, THost::Fat}});
    const std::string out = FTemp / "out";
    FReader->ExtractTo(out); // no trailing separator: into the folder, not beside it
    EXPECT_EQ(TreeOf(out),
              (Tree{"a/", "a/b/", "a/b/c.txt", "top.txt", "win/", "win/sub/", "win/sub/w.txt"}));
    EXPECT_EQ(ReadFile(out + "/a/b/c.txt"), "deep");
    EXPECT_EQ(ReadFile(out + "/win/sub/w.txt"), "windows");
}

TEST_F(ExtractTo, AnEmptyArchiveWritesNothing) {
    OpenZip({});
    EXPECT_EQ(FReader->GetNumberOfItems(), 0u);
    FReader->ExtractTo(FTemp / "out");
    EXPECT_EQ(TreeOf(FTemp.Path()), (Tree{"t.zip"}));
}

TEST_F(ExtractTo, RefusesAnEmptyFolderName) {
    OpenZip({{"f.txt", "x"}});
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractTo(""); }),
              "Cannot extract into a folder without a name");
    // The reader stays usable.
    FReader->ExtractTo(FTemp / "out");
    EXPECT_EQ(TreeOf(FTemp / "out"), (Tree{"f.txt"}));
}

TEST_F(ExtractTo, OverwritesTheFilesOfAnEarlierExtraction) {
    OpenZip({{"f.txt", "short"}});
    const std::string out = FTemp / "out/";
    FReader->ExtractTo(out);
    WriteFile(out + "f.txt", "a much longer text that was there before");
    FReader->ExtractTo(out);
    EXPECT_EQ(ReadFile(out + "f.txt"), "short");
}

TEST_F(ExtractTo, NeverWritesOutsideTheTargetFolder) {
    OpenZip({{"../escaped.txt", "x"},
             {"good.txt", "kept"},
             {"/tmp/absolute.txt", "x"},
             {"a/../../up.txt", "x"},
             {"..\\back.txt", "x", false, false, THost::Fat},
             {"link/through.txt", "x"}});
    const std::string out = FTemp / "out";
    TTempFolder elsewhere;
    ASSERT_EQ(::mkdir(out.c_str(), 0777), 0);
    ASSERT_EQ(::symlink(elsewhere.Path().c_str(), (out + "/link").c_str()), 0);

    EXPECT_EQ(ErrorOf([&] { FReader->ExtractTo(out); }),
              "Refused to extract \"../escaped.txt\": its path leads outside the target folder "
              "(and 4 more)");
    EXPECT_EQ(TreeOf(FTemp.Path()), (Tree{"out/", "out/good.txt", "out/link", "t.zip"}));
    EXPECT_TRUE(TreeOf(elsewhere.Path()).empty());
    EXPECT_EQ(ReadFile(out + "/good.txt"), "kept");
}

TEST_F(ExtractTo, FailsOnADamagedItemAndRemovesItsFile) {
    OpenZip({{"good.txt", "fine"}, {"bad.txt", "damaged data", false, false, THost::Unix, 1}});
    const std::string out = FTemp / "out";
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractTo(out); }), "Cannot extract \"bad.txt\": CRC error");
    EXPECT_EQ(TreeOf(out), (Tree{"good.txt"}));
    // Testing finds the same damage.
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractAll(true, nullptr, nullptr); }),
              "Cannot extract \"bad.txt\": CRC error");
}

TEST_F(ExtractTo, RefusesACutShortArchiveBeforeWritingAnything) {
    const std::string whole =
        BuildZip({{"first.txt", std::string(4000, '1')}, {"second.txt", std::string(4000, '2')}});
    WriteFile(FTemp / "cut.zip", whole.substr(0, 6000));
    FReader->OpenFile(FTemp / "cut.zip");
    EXPECT_GE(FReader->GetNumberOfItems(), 1u);
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractTo(FTemp / "out"); }),
              "The archive is damaged: unexpected end of archive");
    EXPECT_EQ(TreeOf(FTemp.Path()), (Tree{"cut.zip"}));
}

TEST_F(ExtractTo, StopsWithTheFileErrorWhenAnOutputFileCannotBeCreated) {
    OpenZip({{"first.txt", "1"}, {"blocked/file.txt", "2"}, {"last.txt", "3"}});
    const std::string out = FTemp / "out";
    ASSERT_EQ(::mkdir(out.c_str(), 0777), 0);
    WriteFile(out + "/blocked", "a file where a folder is needed");
    EXPECT_EQ(ErrorOf([&] { FReader->ExtractTo(out); }),
              "Cannot create file \"" + out +
                  "/blocked/file.txt\". The system cannot find the path specified");
    EXPECT_EQ(TreeOf(out), (Tree{"blocked", "first.txt"}));
}

// Holds the process's file size limit low, as a full disk would stop a write.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &FSaved);
        FHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit low{bytes, FSaved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &low);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FHandler);
    }

private:
    rlimit FSaved{};
    void (*FHandler)(int);
};

TEST_F(ExtractTo, AFailedWriteStopsWithTheFileErrorAndRemovesTheFile) {
    OpenZip({{"small.txt", "fits"}, {"large.txt", std::string(100000, 'x')}, {"after.txt", "3"}});
    const std::string out = FTemp / "out";
    std::string error;
    {
        const TFileSizeLimit limit(50000);
        error = ErrorOf([&] { FReader->ExtractTo(out); });
    }
    EXPECT_EQ(error.rfind("Cannot write file \"" + out + "/large.txt\". ", 0), 0u) << error;
    EXPECT_EQ(TreeOf(out), (Tree{"small.txt"}));
}

} // namespace
} // namespace archive::test
