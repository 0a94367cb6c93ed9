// The skin INI store: loading rules, lookups without regard to case, typed
// reads, editing with the section index kept in step, compressed files.

#include "framework/Exception.h"
#include "framework/MemoryStream.h"
#include "framework/StringList.h"
#include "skin/WinConvert.h"
#include "skin/WinSkinIni.h"
#include "tests/skin/support/SkinTestUtil.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace skin::test {
namespace {

std::vector<std::string> Lines(const fw::TStrings& strings) {
    std::vector<std::string> out;
    for (int i = 0; i < strings.Count(); ++i)
        out.push_back(strings.Strings(i));
    return out;
}

void Load(TQuickIni& ini, std::string_view text) {
    fw::TMemoryStream stream;
    Fill(stream, ToBytes(text));
    ini.LoadFromStream(&stream);
}

std::string Saved(TQuickIni& ini) {
    fw::TMemoryStream stream;
    ini.SaveToStream(&stream);
    const Bytes bytes = Contents(stream);
    return std::string(bytes.begin(), bytes.end());
}

const char* const kSkinText = "; skin description\r\n"
                              "loose=line before any section\r\n"
                              "[TitlebarSkin]\r\n"
                              "  Rightwidth = 40  \r\n"
                              "Colour=255 0 255\r\n"
                              "\r\n"
                              "[Skins]\r\n"
                              "Twice=\r\n"
                              "twice=second\r\n"
                              "Note=a;b\r\n"
                              "no equals sign\r\n"
                              "[ Spaced ]\r\n"
                              "k=v\r\n"
                              "[Colours]\r\n"
                              "Hex1=0x1F\r\n"
                              "Hex2=0X1f\r\n"
                              "Hex3=$1F\r\n"
                              "Bare=1F\r\n"

                              "Pair=1 2\r\n"
                              "Neg=-12\r\n"
                              "Empty=\r\n"
                              "Big=4294967296\r\n"
                              "Yes=1\r\n"
                              "Word=true\r\n";

TEST(QuickIni, LoadsTrimmedLinesWithoutCommentsAndBlanks) {
    TQuickIni ini;
    Load(ini, kSkinText);
    const auto lines = Lines(ini.IniFile());
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "loose=line before any section");
    EXPECT_EQ(lines[2], "Rightwidth = 40");
    fw::TStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(Lines(sections),
              (std::vector<std::string>{"TitlebarSkin", "Skins", "Spaced", "Colours"}));
}

TEST(QuickIni, LineEndsAndNulSplitTheSameWay) {
    const char* const texts[] = {"[A]\r\nx=1\r\ny=2", "[A]\nx=1\ny=2\n", "[A]\rx=1\ry=2\r",
                                 "[A]\n\r\nx=1\n\ry=2"};
    for (const char* text : texts) {
        TQuickIni ini;
        Load(ini, text);
        EXPECT_EQ(Lines(ini.IniFile()), (std::vector<std::string>{"[A]", "x=1", "y=2"}));
    }
    TQuickIni ini;
    Load(ini, std::string_view("[A]\r\nx=1\0y=2\r\n", 14));
    EXPECT_EQ(Lines(ini.IniFile()), (std::vector<std::string>{"[A]", "x=1"}));
}

TEST(QuickIni, ReadsStringsByFirstKeyWithoutRegardToCase) {
    TQuickIni ini;
    Load(ini, kSkinText);
    const struct {
        const char *section, *ident, *expected;
    } cases[] = {
        {"TitlebarSkin", "RightWidth", "40"}, // stored as "Rightwidth"
        {"titlebarskin", "RIGHTWIDTH", "40"},
        {"Skins", "Twice", "default"}, // the first, empty occurrence decides
        {"Skins", "Note", "a;b"},
        {"Skins", "", "default"},
        {"Skins", "Missing", "default"},
        {"Nowhere", "Twice", "default"},
        {"Spaced", "k", "default"}, // its header is "[ Spaced ]"
        {" Spaced ", "k", "v"},
        {"TitlebarSkin", "loose", "default"}, // lines before a header are in no section
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.ident, "default"), c.expected)
            << c.section << "/" << c.ident;
}

TEST(QuickIni, ReadsIntegersAndBooleans) {
    TQuickIni ini;
    Load(ini, kSkinText);
    const struct {
        const char* ident;
        int expected;
    } integers[] = {{"Hex1", 31}, {"Hex2", 31},  {"Hex3", 31}, {"Bare", -7},   {"Pair", -7},
                    {"Neg", -12}, {"Empty", -7}, {"Big", -7},  {"Missing", -7}};
    for (const auto& c : integers)
        EXPECT_EQ(ini.ReadInteger("Colours", c.ident, -7), c.expected) << c.ident;
    EXPECT_EQ(ini.ReadInteger("TitlebarSkin", "Colour", -7), -7);
    EXPECT_TRUE(ini.ReadBool("Colours", "Yes", false));
    EXPECT_FALSE(ini.ReadBool("Colours", "Word", false));
    EXPECT_TRUE(ini.ReadBool("Colours", "Word", true));
}

// Exactly the skin format's integers: a sign with decimal digits or "$" and hex
// digits, "0x" or "0X" standing for "$" only at the very start.
TEST(QuickIni, IntegersTakeNothingElse) {
    const struct {
        const char* value;
        int expected;
    } cases[] = {
        {"0x1F", 31},
        {"$1f", 31},
        {"-$1F", -31},
        {"+12", 12},
        {"x1F", -7},
        {"-0x1F", -7},
        {"0x", -7},
        {"$", -7},
        {"-", -7},
        {"--5", -7},
        {"+-5", -7},
        {"$-5", -7},
        {"1e3", -7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", -7},
        {"-2147483649", -7},
    };
    for (const auto& c : cases) {
        TQuickIni ini;
        Load(ini, std::string("[S]\r\nk=") + c.value + "\r\n");
        EXPECT_EQ(ini.ReadInteger("S", "k", -7), c.expected) << c.value;
    }
}

TEST(QuickIni, ListsKeysAndLinesOfASection) {
    TQuickIni ini;
    Load(ini, kSkinText);
    fw::TStringList list;
    list.Add("stale");
    ini.ReadSection("SKINS", &list);
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"twice", "twice", "note"}));
    ini.ReadSectionValues("Skins", &list);
    EXPECT_EQ(Lines(list),
              (std::vector<std::string>{"Twice=", "twice=second", "Note=a;b", "no equals sign"}));
    ini.ReadSection("Nowhere", &list);
    EXPECT_EQ(list.Count(), 0);
}

TEST(QuickIni, NullListIsAnAssertionFailure) {
    TQuickIni ini;
    Load(ini, kSkinText);
    try {
        ini.ReadSections(nullptr);
        FAIL() << "no error";
    } catch (const fw::EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), "The parameter Strings is unassigned!");
    }
    EXPECT_THROW(ini.ReadSection("Skins", nullptr), fw::EAssertionFailed);
    EXPECT_THROW(ini.ReadSectionValues("Skins", nullptr), fw::EAssertionFailed);
    ini.LoadFromStream(nullptr);
    ini.SaveToStream(nullptr);
    EXPECT_EQ(ini.IniFile().Count(), 22);
}

TEST(QuickIni, WritesKeysWhereTheyBelong) {
    TQuickIni ini;
    Load(ini, "[A]\r\nx=1\r\n[B]\r\ny=2\r\n");
    ini.WriteString("a", "X", " spaced "); // replaced, in the caller's case
    ini.WriteString("A", "new", "3");      // inserted before [B]
    ini.WriteInteger("B", "n", -4);        // appended at the end
    ini.WriteBool("C", "flag", true);      // a new section
    ini.WriteString("D", "", "ignored");   // header only
    ini.WriteString("A", "", "ignored");   // nothing
    EXPECT_EQ(Saved(ini), "[A]\r\nX= spaced \r\nnew=3\r\n[B]\r\ny=2\r\nn=-4\r\n"
                          "[C]\r\nflag=1\r\n[D]\r\n");
    // The index followed the inserted line.
    EXPECT_EQ(ini.ReadString("B", "y", ""), "2");
    EXPECT_EQ(ini.ReadInteger("B", "n", 0), -4);
    EXPECT_TRUE(ini.ReadBool("C", "flag", false));
}

TEST(QuickIni, DeletesKeysAndErasesSections) {
    TQuickIni ini;
    Load(ini, "[A]\r\nx=1\r\n[B]\r\ny=2\r\nz=3\r\n[C]\r\nw=4\r\n");
    ini.DeleteKey("A", "X");
    ini.DeleteKey("A", "missing");
    ini.DeleteKey("Nowhere", "x");
    EXPECT_EQ(ini.ReadString("B", "z", ""), "3");
    ini.EraseSection("b"); // leaves a blank line in its place
    EXPECT_EQ(Saved(ini), "[A]\r\n\r\n[C]\r\nw=4\r\n");
    EXPECT_EQ(ini.ReadString("C", "w", ""), "4");
    ini.EraseSection("A"); // the first line, with the blank line now in it: none left
    EXPECT_EQ(Saved(ini), "[C]\r\nw=4\r\n");
    EXPECT_EQ(ini.ReadString("C", "w", ""), "4");
    fw::TStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(Lines(sections), (std::vector<std::string>{"C"}));
}

TEST(QuickIni, AssigningLinesRebuildsTheIndex) {
    fw::TStringList lines;
    lines.SetText("[One]\r\na=1\r\n[Two]\r\nb=2");
    TQuickIni ini;
    ini.SetIniFile(lines);
    EXPECT_EQ(ini.ReadString("Two", "b", ""), "2");
    ini.Clear();
    EXPECT_EQ(ini.ReadString("Two", "b", "gone"), "gone");
}

TEST(QuickIni, KeepsChineseTextInTheAnsiCodePage) {
    // "名称=测试" in GBK.
    const std::string gbk = "[S]\r\n\xC3\xFB\xB3\xC6=\xB2\xE2\xCA\xD4\r\n";
    TQuickIni ini;
    Load(ini, gbk);
    EXPECT_EQ(ini.ReadString("S", "名称", ""), "测试");
    EXPECT_EQ(Saved(ini), gbk);
}

class QuickIniFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("skin-ini-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(QuickIniFiles, SavesAndLoadsPlainAndCompressed) {
    TQuickIni ini;
    Load(ini, kSkinText);
    const std::string plain = (dir / "skin.ini").string();
    const std::string packed = (dir / "skin.ini.lzh").string();
    ini.SaveToFile(plain);
    ini.SavetoZip(packed);

    TQuickIni fromPlain, fromZip;
    fromPlain.LoadFromFile(plain);
    fromZip.LoadFromZip(packed);
    EXPECT_EQ(Lines(fromPlain.IniFile()), Lines(ini.IniFile()));
    EXPECT_EQ(Lines(fromZip.IniFile()), Lines(ini.IniFile()));
    EXPECT_EQ(std::filesystem::file_size(plain), Saved(ini).size());

    // A plain text is no compressed block: its "length" is far beyond its bits.
    TQuickIni notZip;
    EXPECT_THROW(notZip.LoadFromZip(plain), ElzhException);
    EXPECT_THROW(notZip.LoadFromFile((dir / "missing.ini").string()), fw::EFOpenError);
}

} // namespace
} // namespace skin::test
