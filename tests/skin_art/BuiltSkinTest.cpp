// The skin the build draws, as the skin engine reads it: the container the
// main window's skin has always had (version, padding, directory, the 37
// entries with their sizes, pixel sizes and depths), its INI sections in
// order, the "SkinStream" bytes, and the program's own bitmaps.

#include "framework/MemoryStream.h"
#include "platform/gdi/BmpReader.h"
#include "skin/SkinRead.h"
#include "skin/WinSkinIni.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace skinart {
namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(in), {});
}

void Fill(fw::TMemoryStream& stream, const TBytes& bytes) {
    stream.Clear();
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
}

TBytes Contents(fw::TMemoryStream& stream) {
    const auto* bytes = static_cast<const std::uint8_t*>(stream.Memory());
    return TBytes(bytes, bytes + stream.Size());
}

class BuiltSkin : public ::testing::Test {
protected:
    void SetUp() override {
        Fill(file, ReadFile(TELVORA_SKIN_FILE));
        ASSERT_TRUE(reader.Loadfromstream(file));
    }

    TBytes Entry(const std::string& name) {
        fw::TMemoryStream entry;
        reader.readfile(name, entry);
        return Contents(entry);
    }

    fw::TMemoryStream file;
    skin::TSkinReader reader;
};

TEST_F(BuiltSkin, HoldsTheThirtySevenEntriesInTheirOrderSizesAndDepths) {
    const struct {
        const char* name;
        int size, width, height, bits;
    } bitmaps[] = {
        {"buttons.bmp", 6954, 100, 23, 24},         {"checkbox.bmp", 6138, 156, 13, 24},
        {"radiobutton.bmp", 4110, 104, 13, 24},     {"progress.bmp", 1494, 10, 13, 24},
        {"progresschunk.bmp", 4674, 102, 15, 24},   {"tab.bmp", 9070, 130, 23, 24},
        {"tabsheet.bmp", 6966, 48, 48, 24},         {"comboboxbtn.bmp", 2934, 60, 16, 24},
        {"statusbar.bmp", 12906, 204, 21, 24},      {"header.bmp", 4950, 90, 18, 24},
        {"scrollbararrow.bmp", 23606, 368, 16, 32}, {"scrollbarhthumb.bmp", 4014, 88, 15, 24},
        {"scrollbarvthumb.bmp", 4014, 60, 22, 24},  {"scrollbarhbar.bmp", 3522, 68, 17, 24},
        {"scrollbarvbar.bmp", 3522, 68, 17, 24},    {"menubackground.bmp", 1654, 20, 20, 32},
        {"menuitem.bmp", 7254, 100, 18, 32},        {"extraimages.bmp", 4134, 80, 17, 24},
        {"trackthumbh.bmp", 2774, 45, 20, 24},      {"trackbot.bmp", 3582, 55, 21, 24},
        {"trackbar.bmp", 1238, 5, 10, 24},          {"trackbarv.bmp", 1238, 5, 10, 24},
        {"mdibutton.bmp", 4678, 120, 10, 24},       {"spin.bmp", 5814, 120, 16, 24},
        {"spinarrow.bmp", 1062, 56, 6, 24},         {"spinh.bmp", 5814, 120, 16, 24},
        {"spinharrow.bmp", 1062, 48, 7, 24},        {"closebutton.bmp", 8034, 126, 21, 24},
        {"maxbutton.bmp", 8034, 126, 21, 24},       {"minbutton.bmp", 8034, 126, 21, 24},
        {"restrorebutton.bmp", 8034, 126, 21, 24},  {"frameleft.bmp", 2454, 8, 100, 24},
        {"frameright.bmp", 2454, 8, 100, 24},       {"frametop.bmp", 106230, 632, 56, 24},
        {"framebottom.bmp", 19014, 632, 10, 24},    {"mincaption.bmp", 11654, 66, 58, 24},
    };
    constexpr int count = int(std::size(bitmaps));
    EXPECT_EQ(reader.header().Version, 70000);
    EXPECT_EQ(reader.header().DirLen, 593);
    ASSERT_EQ(reader.Num(), count + 1);
    std::int64_t data = 0;
    for (int i = 0; i < count; ++i) {
        const auto& b = bitmaps[i];
        EXPECT_EQ(reader.Dir().Strings(i), b.name) << i;
        EXPECT_EQ(reader.sizes(i), b.size) << b.name;
        const win::BmpImage image = win::DecodeBmp(Entry(b.name));
        EXPECT_EQ(image.width, b.width) << b.name;
        EXPECT_EQ(image.height, b.height) << b.name;
        EXPECT_EQ(image.bitCount, b.bits) << b.name;
        data += reader.sizes(i);
    }
    const std::string ini = reader.Dir().Strings(count);
    EXPECT_EQ(ini.substr(ini.size() - 4), ".ini") << "the description comes last";
    data += reader.sizes(count);
    EXPECT_EQ(reader.ms().Size(), data) << "the data area ends with the last entry";
}

TEST_F(BuiltSkin, PadsItsHeadWithSixtyNineZeroBytes) {
    fw::TMemoryStream unpacked;
    reader.Decompress(file, unpacked);
    const TBytes bytes = Contents(unpacked);
    ASSERT_GT(bytes.size(), 16u + 69u);
    EXPECT_EQ(TBytes(bytes.begin() + 16, bytes.begin() + 16 + 69), TBytes(69, 0));
    EXPECT_EQ(bytes[16 + 69], 'b') << "the directory follows the padding";
}

TEST_F(BuiltSkin, DescribesItselfInThirtyThreeSectionsInTheirOrder) {
    fw::TMemoryStream text;
    std::string name;
    reader.readIni(".ini", text, name);
    text.SetPosition(0);
    skin::TQuickIni ini;
    ini.LoadFromStream(&text);
    fw::TStringList sections;
    ini.ReadSections(&sections);
    const std::vector<std::string> expected = {
        "TitlebarSkin",
        "Skins",
        "Buttons",
        "Progress",
        "Progress.Chunk",
        "Tabs",
        "Tab.Pane",
        "ComboButton",
        "StatusBarEdges",
        "Headerbar",
        "Scrollbar",
        "HorzScrollThumb",
        "VertScrollThumb",
        "HorzScroll",
        "VertScroll",
        "MenuBackground",
        "MenuItem",
        "ExtraImages",
        "Trackbar.ThumbHorz",
        "Trackbar.ThumbDown",
        "Track",
        "TRACKVERT",
        "MDICONTROLS",
        "UpDown.Vert",
        "UpDown.Horz",
        "Button0",
        "Button1",
        "Button2",
        "Button3",
        "Button4",
        "Personality",
        "MinCaption",
        "Colours",
    };
    ASSERT_EQ(sections.Count(), int(expected.size()));
    for (int i = 0; i < sections.Count(); ++i)
        EXPECT_EQ(sections.Strings(i), expected[std::size_t(i)]);
    EXPECT_EQ(ini.ReadString("Colours", "ButtonFace", ""), "227 238 253");
}

TEST(SkinStream, IsTheByteCountThenTheSkinFile) {
    const TBytes file = ReadFile(TELVORA_SKIN_FILE);
    const TBytes stream = ReadFile(TELVORA_SKIN_STREAM);
    ASSERT_EQ(stream.size(), file.size() + 4);
    const std::uint32_t count =
        stream[0] | stream[1] << 8 | stream[2] << 16 | std::uint32_t(stream[3]) << 24;
    EXPECT_EQ(count, file.size());
    EXPECT_EQ(TBytes(stream.begin() + 4, stream.end()), file);
}

TEST(ProgramBitmaps, HaveTheSizesTheEngineCutsThemBy) {
    const struct {
        const char* path;
        int width, height;
    } cases[] = {
        {TELVORA_TRACK_BMP, 16, 4},
        {TELVORA_TRACKVERT_BMP, 4, 16},
        {TELVORA_NIMBRELMENU_BMP, 64, 16},
    };
    for (const auto& c : cases) {
        const win::BmpImage image = win::DecodeBmp(ReadFile(c.path));
        EXPECT_EQ(image.width, c.width) << c.path;
        EXPECT_EQ(image.height, c.height) << c.path;
    }
}

TEST(ProgramBitmaps, SystemMenuPicturesStandOnTheirWhiteMask) {
    const win::BmpImage menu = win::DecodeBmp(ReadFile(TELVORA_NIMBRELMENU_BMP));
    ASSERT_EQ(menu.width, 64);
    for (int picture = 0; picture < 4; ++picture) {
        int ink = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ink += menu.pixels[std::size_t(y * 64 + picture * 16 + x)] != 0xFFFFFF;
        EXPECT_GT(ink, 8) << "picture " << picture << " draws something";
        EXPECT_EQ(menu.pixels[std::size_t(picture * 16)], 0xFFFFFFu)
            << "and leaves its corner white";
    }
}

} // namespace
} // namespace skinart
