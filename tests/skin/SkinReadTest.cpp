// The skin file reader: every container version, entry lookup rules, and
// containers whose structure runs past their own bytes.

#include "skin/SkinRead.h"

#include "framework/MemoryStream.h"
#include "skin/SkinMessageBox.h"
#include "skin/WinConvert.h"
#include "tests/skin/support/SkinTestUtil.h"

#include <gtest/gtest.h>
#include <string>

namespace skin::test {
namespace {

// Routes the reader's message box into a string for the test's lifetime.
class CapturedMessages {
public:
    CapturedMessages()
        : FPrevious(SetSkinMessageBoxHandler([this](const std::string& t) { text += t; })) {}
    ~CapturedMessages() { SetSkinMessageBoxHandler(FPrevious); }
    std::string text;

private:
    TSkinMessageBoxHandler FPrevious;
};

bool Load(TSkinReader& reader, const Bytes& container) {
    fw::TMemoryStream file;
    Fill(file, Pack(container));
    return reader.Loadfromstream(file);
}

Bytes Entry(TSkinReader& reader, const std::string& name) {
    fw::TMemoryStream m;
    reader.readfile(name, m);
    EXPECT_EQ(m.Position(), 0);
    return Contents(m);
}

const std::vector<SkinEntry> kEntries = {
    {"Buttons.bmp", ToBytes("BM buttons")},
    {"empty.bmp", {}},
    {"skin.ini", ToBytes("[Skins]\r\n")},
};

TEST(SkinReader, ReadsEveryContainerVersion) {
    const struct {
        std::int32_t version;
        int padding;
    } versions[] = {{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}};
    for (const auto& v : versions) {
        SCOPED_TRACE(v.version);
        EXPECT_EQ(SkinPaddingLength(v.version), v.padding);
        TSkinReader reader;
        ASSERT_TRUE(Load(reader, SkinContainer(v.version, v.padding, kEntries)));
        EXPECT_EQ(reader.header().Version, v.version);
        EXPECT_EQ(reader.Num(), 3);
        EXPECT_EQ(reader.Dir().Strings(0), "buttons.bmp");
        EXPECT_EQ(reader.sizes(0), 10);
        EXPECT_EQ(Entry(reader, "buttons.bmp"), ToBytes("BM buttons"));
        EXPECT_EQ(Entry(reader, "skin.ini"), ToBytes("[Skins]\r\n"));
        EXPECT_EQ(reader.ms().Size(), 19);
    }
}

TEST(SkinReader, UnknownVersionShowsTheMessageAndKeepsTheLastSkin) {
    CapturedMessages messages;
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, SkinContainer(70000, 69, kEntries)));
    EXPECT_FALSE(Load(reader, SkinContainer(10000, 0, {{"other.bmp", ToBytes("x")}})));
    EXPECT_EQ(messages.text, "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.header().Version, 10000);
    EXPECT_EQ(reader.Num(), 3);
    EXPECT_EQ(Entry(reader, "Buttons.bmp"), ToBytes("BM buttons"));
}

TEST(SkinReader, LooksEntriesUpWithoutRegardToCase) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, SkinContainer(20000, 0,
                                           {{"FRAMETOP.BMP", ToBytes("first")},
                                            {"frametop.bmp", ToBytes("second")},
                                            {"zero.bmp", {}}})));
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {{"frametop.bmp", "first"},
                 {"FrameTop.Bmp", "first"},
                 {"zero.bmp", ""},
                 {"missing.bmp", ""},
                 {"frametop", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(Entry(reader, c.name), ToBytes(c.expected)) << c.name;
}

TEST(SkinReader, TakesTheFirstEntryWhoseNameContainsTheIniSuffix) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, SkinContainer(70000, 69,
                                           {{"logo.bmp", ToBytes("bmp")},
                                            {"mini.ini.bmp", ToBytes("not the ini")},
                                            {"Skin.INI", ToBytes("[Skins]")}})));
    fw::TMemoryStream m;
    std::string fname = "unchanged";
    reader.readIni(".ini", m, fname);
    EXPECT_EQ(fname, "mini.ini.bmp");
    EXPECT_EQ(Contents(m), ToBytes("not the ini"));
    reader.readIni(".INI", m, fname); // the pattern is not lower-cased
    EXPECT_EQ(fname, "mini.ini.bmp");
    EXPECT_EQ(m.Size(), 0);
}

TEST(SkinReader, DecodesAnsiNamesAndSplitsAnyLineBreak) {
    Bytes container = SkinContainer(20000, 0, {});
    const std::string directory = "\xB0\xB4\xC5\xA5.bmp\nB.bmp\rC.bmp"; // "按钮.bmp"
    Bytes bytes;
    AppendInt32(bytes, 20000);
    AppendInt32(bytes, static_cast<std::int32_t>(directory.size()));
    AppendInt32(bytes, 0);
    AppendInt32(bytes, 0);
    bytes.insert(bytes.end(), directory.begin(), directory.end());
    for (int size : {1, 2, 3})
        AppendInt32(bytes, size);
    for (char c : std::string("abbccc"))
        bytes.push_back(static_cast<std::uint8_t>(c));
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, bytes));
    EXPECT_EQ(reader.Num(), 3);
    EXPECT_EQ(Entry(reader, "按钮.bmp"), ToBytes("a"));
    EXPECT_EQ(Entry(reader, "c.bmp"), ToBytes("ccc"));
}

void ExpectDamaged(const Bytes& container, const std::string& message) {
    TSkinReader reader;
    try {
        Load(reader, container);
        FAIL() << "no error for: " << message;
    } catch (const ESkinFileError& e) {
        EXPECT_EQ(e.Message(), message);
    }
}

TEST(SkinReader, RefusesContainersThatRunPastTheirBytes) {
    const Bytes good = SkinContainer(70000, 69, kEntries);
    ExpectDamaged(Bytes(good.begin(), good.begin() + 15),
                  "Skin file is damaged: the 16-byte head runs past the end of the data");
    ExpectDamaged(Bytes(good.begin(), good.begin() + 50),
                  "Skin file is damaged: the padding after the head runs past the end of the "
                  "data");
    ExpectDamaged(Bytes(good.begin(), good.begin() + 16 + 69 + 10),
                  "Skin file is damaged: the directory runs past the end of the data");
    Bytes negative = good;
    negative[7] = 0x80; // DirLen < 0
    ExpectDamaged(negative, "Skin file is damaged: the directory runs past the end of the data");
    const std::size_t sizesAt =
        16 + 69 + std::string("Buttons.bmp\r\nempty.bmp\r\nskin.ini\r\n").size();
    ExpectDamaged(Bytes(good.begin(), good.begin() + sizesAt + 9),
                  "Skin file is damaged: the size table runs past the end of the data");

    std::vector<SkinEntry> many(1002, SkinEntry{"x.bmp", {}});
    ExpectDamaged(SkinContainer(20000, 0, many),
                  "Skin file is damaged: the directory holds more than 1001 names");
    many.pop_back();
    TSkinReader reader;
    EXPECT_TRUE(Load(reader, SkinContainer(20000, 0, many)));
    EXPECT_EQ(reader.Num(), 1001);
}

TEST(SkinReader, SizesPastTheDataDeliverOnlyWhatIsThere) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, SkinContainer(20000, 0,
                                           {{"a", ToBytes("aaaa")},
                                            {"neg", ToBytes("")},
                                            {"b", ToBytes("bb")},
                                            {"far", ToBytes("")}},
                                           {4, -3, 100, 7})));
    EXPECT_EQ(Entry(reader, "a"), ToBytes("aaaa"));
    EXPECT_EQ(Entry(reader, "neg"), Bytes{});
    EXPECT_EQ(Entry(reader, "b"), ToBytes("aaabb")); // offset 4 - 3, cut at the end
    EXPECT_EQ(Entry(reader, "far"), Bytes{});

    // A second, smaller skin leaves nothing of the first behind.
    ASSERT_TRUE(Load(reader, SkinContainer(20000, 0, {{"a", ToBytes("x")}}, {6})));
    EXPECT_EQ(Entry(reader, "a"), ToBytes("x"));
}

// A skin that declares more than 64 MiB unpacked is refused before anything is
// unpacked (real skins are well under 1 MiB); the last skin stays.
TEST(SkinReader, RefusesAnUnpackedSizeOver64MiB) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, SkinContainer(20000, 0, kEntries)));
    fw::TMemoryStream file;
    Fill(file, Block((64 << 20) + 1, Bytes(2 << 20, 0)));
    try {
        reader.Loadfromstream(file);
        FAIL() << "loaded";
    } catch (const ESkinFileError& e) {
        EXPECT_EQ(e.Message(), "Skin file is damaged: it declares 67108865 unpacked bytes, more "
                               "than the 64 MiB a skin may have");
    }
    EXPECT_EQ(Entry(reader, "skin.ini"), ToBytes("[Skins]\r\n"));
}

TEST(SkinReader, DamagedBlockIsACodecError) {
    Bytes file = Pack(SkinContainer(70000, 69, kEntries));
    file.resize(file.size() - 3);
    fw::TMemoryStream stream;
    Fill(stream, file);
    TSkinReader reader;
    EXPECT_THROW(reader.Loadfromstream(stream), ElzhException);
}

} // namespace
} // namespace skin::test
