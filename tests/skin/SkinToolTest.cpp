// telvora-tool's lzh and skin commands as a script sees them: exit status,
// stdout, one line of stderr, and no file written outside the target folder.

#include "tests/skin/support/SkinTestUtil.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace skin::test {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string out, err;
};

class SkinTool : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("skin-tool-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    void Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(Path(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    ToolRun Run(const std::string& args) const {
        const std::string out = Path("stdout"), err = Path("stderr");
        const std::string command =
            std::string("'") + TELVORA_TOOL + "' " + args + " >'" + out + "' 2>'" + err + "'";
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), Read(out), Read(err)};
    }

    fs::path dir;
};

const std::vector<SkinEntry> kEntries = {
    {"Buttons.bmp", ToBytes("BM")}, {"empty.bmp", {}}, {"Skin.ini", ToBytes("[Skins]\r\n")}};

TEST_F(SkinTool, ListsVersionAndEntries) {
    Write("skin.skn", Pack(SkinContainer(70000, 69, kEntries)));
    const ToolRun run = Run("skin list '" + Path("skin.skn") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "version 70000\nbuttons.bmp\t2\nempty.bmp\t0\nskin.ini\t9\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(SkinTool, ExtractsEntriesIntoTheFolder) {
    Write("skin.skn", Pack(SkinContainer(20000, 0, kEntries)));
    const ToolRun run = Run("skin extract '" + Path("skin.skn") + "' '" + Path("out") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Read(Path("out/buttons.bmp")), "BM");
    EXPECT_TRUE(fs::exists(Path("out/empty.bmp")));
    EXPECT_EQ(Read(Path("out/skin.ini")), "[Skins]\r\n");
}

TEST_F(SkinTool, ReportsFailuresOnOneLineAndWritesNothing) {
    Write("old.skn", Pack(SkinContainer(12345, 0, kEntries)));
    Write("escape.skn", Pack(SkinContainer(20000, 0, {{"ok.bmp", {}}, {"../escape.bmp", {}}})));
    Write("control.skn", Pack(SkinContainer(20000, 0, {{"ok.bmp", {}}, {"bell\a.bmp", {}}})));
    Write("long.skn", Pack(SkinContainer(20000, 0, {{"ok.bmp", {}}, {std::string(256, 'n'), {}}})));
    Write("short.lzh", ToBytes("ab"));
    Write("huge.skn", Block((64 << 20) + 1, Bytes(2 << 20, 0)));
    Bytes cut = Pack(SkinContainer(70000, 69, kEntries));
    cut.resize(cut.size() / 2);
    Write("cut.skn", cut);
    const struct {
        const char* args;
        int status;
        const char* message;
    } cases[] = {
        {"skin list old.skn", 1,
         "This is Older Skin File Please update to new version ! (container version 12345)"},
        {"skin extract escape.skn out", 1, "entry name \"../escape.bmp\" is not a plain file name"},
        {"skin extract control.skn out", 1,
         "control.skn: entry name \"bell\\x07.bmp\" is not a plain file name"},
        {"skin extract long.skn out", 1, "is not a plain file name"},
        {"skin list huge.skn", 1,
         "huge.skn: Skin file is damaged: it declares 67108865 unpacked bytes, more than the "
         "64 MiB a skin may have"},
        {"lzh unpack short.lzh out", 1, "short.lzh: Stream read error"},
        {"skin extract cut.skn out", 1, "LZH : Compressed data ends before the declared length"},
        {"lzh unpack cut.skn out", 1, "LZH : Compressed data ends before the declared length"},
        {"lzh squeeze cut.skn out", 2, "unknown mode"},
        {"skin list", 2, "usage:"},
        {"skin objects old.skn", 1,
         "This is Older Skin File Please update to new version ! (container version 12345)"},
        {"skin objects cut.skn", 1, "LZH : Compressed data ends before the declared length"},
        {"skin objects missing.skn", 1, "Cannot open file"},
        {"skin objects", 2, "usage:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        std::string args = c.args;
        for (const char* name : {"old.skn", "escape.skn", "control.skn", "long.skn", "huge.skn",
                                 "short.lzh", "cut.skn", "missing.skn", "out"}) {
            const auto at = args.find(name);
            if (at != std::string::npos)
                args.replace(at, std::strlen(name), "'" + Path(name) + "'");
        }
        const ToolRun run = Run(args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        if (c.status == 1) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
        }
        EXPECT_FALSE(fs::exists(Path("out")));
        EXPECT_FALSE(fs::exists(dir.parent_path() / "escape.bmp"));
    }
}

TEST_F(SkinTool, AFailedWriteLeavesNothingExtracted) {
    Write("skin.skn", Pack(SkinContainer(20000, 0, kEntries)));
    fs::create_directories(Path("out/empty.bmp")); // a folder where the second file goes
    const ToolRun run = Run("skin extract '" + Path("skin.skn") + "' '" + Path("out") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("empty.bmp"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Path("out/buttons.bmp")));
    EXPECT_FALSE(fs::exists(Path("out/skin.ini")));
}

// The objects of a skin whose only picture is broken: the colours and the
// objects every skin has; the loader's own tests cover every section.
TEST_F(SkinTool, PrintsTheSkinObjects) {
    Write("skin.skn", Pack(SkinContainer(70000, 69, kEntries)));
    const ToolRun run = Run("skin objects '" + Path("skin.skn") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, run.out.find("bgbrush")),
              "name -\n"
              "colors FF000008 FF000009 FF000013 FF00000F FF000012 FF000014 FF000014 FF000010 "
              "FF000015 00000000 00000000 FF00000E FF00000D FF00000F FF000007 FF000007 FF000004 "
              "FF00000F FF000000 00000000\n"
              "hascolors 00000000000000000000\n"
              "presets\n");
    EXPECT_NE(run.out.find("\nobject Button - r=0,0,0,0 frame=5 trans=0 tile=0 style=0 "
                           "colors=-1,-1,-1 colors2=FF000012,FF000012,FF000012 map=- check=- "
                           "radio=- radioframe=4 checkframe=4 new=000\n"),
              std::string::npos)
        << run.out;
}

TEST_F(SkinTool, PacksAndUnpacksBlocks) {
    const Bytes text = ToBytes("06:00 news\r\n06:30 news\r\n07:00 weather\r\n");
    Write("text", text);
    ASSERT_EQ(Run("lzh pack '" + Path("text") + "' '" + Path("text.lzh") + "'").status, 0);
    const std::string block = Read(Path("text.lzh"));
    EXPECT_EQ(Bytes(block.begin(), block.end()), Pack(text));
    ASSERT_EQ(Run("lzh unpack '" + Path("text.lzh") + "' '" + Path("back") + "'").status, 0);
    EXPECT_EQ(Read(Path("back")), std::string(text.begin(), text.end()));
}

} // namespace
} // namespace skin::test
