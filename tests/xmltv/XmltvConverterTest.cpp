// Small XMLTV documents against the catalogue files they must give, and the
// documents that must be refused with the folder left as it was.

#include "xmltv/XmltvConverter.h"

#include "framework/MemoryStream.h"
#include "tests/catalogue/FolderFixture.h"
#include "tests/xmltv/XmltvDocuments.h"
#include "xmltv/XmltvError.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace xmltv {
namespace {

using testing::Document;
using testing::FilesUnder;
using testing::Gzipped;
using testing::kMarker;
using Files = std::map<std::string, std::string>;

struct Converted {
    ConversionCounts counts;
    Files files;
    std::vector<std::string> skipped;
};

class XmltvConversion : public ::testing::Test {
protected:
    Converted Convert(const std::string& bytes) {
        fw::TMemoryStream document;
        document.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        document.SetPosition(0);
        Converted result{};
        result.counts = ConvertXmltv(
            document, Out(), [&](const std::string& line) { result.skipped.push_back(line); });
        result.files = FilesUnder(Out());
        return result;
    }
    std::string Out() const { return FFolder.Path("out"); }

    catalogue::FolderFixture FFolder;
};

std::string Schedule(std::string_view lines) {
    return std::string(kMarker) + std::string(lines);
}

const std::string kCctv1 =
    R"(<channel id="CCTV1.cn"><display-name lang="en">CCTV-1</display-name></channel>)";

TEST_F(XmltvConversion, DocumentsGiveTheirCatalogueFiles) {
    struct Case {
        const char* rule;
        std::string body;
        Files files;
    };
    const Case kCases[] = {
        {"each programme in its own offset; no zone is UTC",
         kCctv1 + R"(
          <channel id="kbs"><display-name>KBS World</display-name></channel>
          <programme start="20261210190000 +0800" channel="CCTV1.cn"><title>新闻联播</title></programme>
          <programme start="20261210083000 -0500" channel="kbs"><title>Morning</title></programme>
          <programme start="20261210120000" channel="kbs"><title>Noon</title></programme>)",
         {{"央视频道/01.txt", Schedule("2026-12-10 星期四 +0800\r\n19:00 新闻联播\r\n")},
          {"境外频道/KBS World.txt", Schedule("2026-12-10 星期四 +0000\r\n12:00 Noon\r\n"
                                              "2026-12-10 星期四 -0500\r\n08:30 Morning\r\n")}}},
        {"a programme across midnight stays on the day it starts; sorted by start",
         kCctv1 + R"(
          <programme start="20261211003000 +0800" channel="CCTV1.cn"><title>凌晨</title></programme>
          <programme start="20261210233000 +0800" stop="20261211003000 +0800" channel="CCTV1.cn"><title>跨夜</title></programme>)",
         {{"央视频道/01.txt", Schedule("2026-12-10 星期四 +0800\r\n23:30 跨夜\r\n"
                                       "2026-12-11 星期五 +0800\r\n00:30 凌晨\r\n")}}},
        {"a duplicate goes, another title at the same start stays",
         kCctv1 + R"(
          <programme start="20261210190000 +0800" channel="CCTV1.cn"><title>新闻联播</title></programme>
          <programme start="20261210190000 +0800" channel="CCTV1.cn"><title>新闻联播</title></programme>
          <programme start="20261210110000 +0000" channel="CCTV1.cn"><title>新闻联播</title></programme>
          <programme start="20261210190000 +0800" channel="CCTV1.cn"><title>天气预报</title></programme>)",
         {{"央视频道/01.txt",
           Schedule("2026-12-10 星期四 +0800\r\n19:00 新闻联播\r\n19:00 天气预报\r\n")}}},
        {"the Chinese display name and title are preferred; text laid out on lines",
         R"(<channel id="hunan.cn"><display-name lang="en">Hunan TV</display-name>
               <display-name lang="zh">湖南卫视</display-name></channel>
          <programme start="20261210193000 +0800" channel="hunan.cn"><title lang="en">Show</title>
            <title lang="zh">快乐
              大本营</title><desc>a description</desc></programme>)",
         {{"地方频道/湖南卫视.txt", Schedule("2026-12-10 星期四 +0800\r\n19:30 快乐 大本营\r\n")}}},
        {"programmes listed before their channel join it; a channel without programmes is kept",
         R"(<programme start="20261210190000 +0800" channel="ch"><title>早</title></programme>
          <channel id="ch"><display-name>翡翠台</display-name></channel>
          <channel id="empty"><display-name>北京卫视</display-name></channel>)",
         {{"境外频道/翡翠台.txt", Schedule("2026-12-10 星期四 +0800\r\n19:00 早\r\n")},
          {"地方频道/北京卫视.txt", Schedule("")}}},
        {"a channel with no display name is named by its id",
         R"(<channel id="Dragon.TV"/>
          <programme start="20261210190000+0800" channel="Dragon.TV"><title>新闻</title></programme>)",
         {{"地方频道/Dragon.TV.txt", Schedule("2026-12-10 星期四 +0800\r\n19:00 新闻\r\n")}}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.rule);
        std::filesystem::remove_all(Out());
        const Converted converted = Convert(Document(c.body));
        EXPECT_EQ(converted.files, c.files);
        EXPECT_EQ(converted.skipped, std::vector<std::string>{});
    }
}

TEST_F(XmltvConversion, GzipGivesTheSameFilesAsPlainText) {
    const std::string document = Document(kCctv1 + R"(
        <programme start="20261210190000 +0800" channel="CCTV1.cn"><title>新闻联播</title></programme>)");
    const Converted plain = Convert(document);
    std::filesystem::remove_all(Out());
    const Converted gzipped = Convert(Gzipped(document));
    EXPECT_EQ(gzipped.files, plain.files);
    EXPECT_EQ(gzipped.counts.programmes, 1u);
    // A feed made of several gzip members, as concatenated archives are.
    std::filesystem::remove_all(Out());
    const std::size_t half = document.size() / 2;
    const Converted members =
        Convert(Gzipped(document.substr(0, half)) + Gzipped(document.substr(half)));
    EXPECT_EQ(members.files, plain.files);
}

TEST_F(XmltvConversion, BrokenElementsAreSkippedAndNamedTheGoodOnesKept) {
    const Converted converted = Convert(Document(kCctv1 + R"(
<channel><display-name>无名</display-name></channel>
<channel id="CCTV1.cn"><display-name>again</display-name></channel>
<programme start="20261210190000 +0800" channel="CCTV1.cn"><title>新闻联播</title></programme>
<programme start="2026121x" channel="CCTV1.cn"><title>坏时间</title></programme>
<programme channel="CCTV1.cn"><title>无时间</title></programme>
<programme start="20261210200000 +0800" channel="CCTV1.cn"><desc>no title</desc></programme>
<programme start="20261210200000 +0800"><title>无频道</title></programme>
<programme start="20261210200000 +0800" channel="nowhere"><title>x</title></programme>
<programme start="20261232200000 +0800" channel="CCTV1.cn"><title>no such day</title></programme>)"));
    EXPECT_EQ(
        converted.files,
        (Files{{"央视频道/01.txt", Schedule("2026-12-10 星期四 +0800\r\n19:00 新闻联播\r\n")}}));
    EXPECT_EQ(converted.counts.channels, 1u);
    EXPECT_EQ(converted.counts.programmes, 1u);
    EXPECT_EQ(converted.skipped,
              (std::vector<std::string>{
                  "line 4: channel skipped: no id",
                  "line 5: channel skipped: id \"CCTV1.cn\" is declared already",
                  "line 7: programme skipped: start time \"2026121x\" is not an XMLTV time",
                  "line 8: programme skipped: no start time",
                  "line 9: programme skipped: no title",
                  "line 10: programme skipped: no channel",
                  "line 12: programme skipped: start time \"20261232200000 +0800\" is not an "
                  "XMLTV time",
                  "line 11: programme skipped: no channel \"nowhere\" in the document",
              }));
}

TEST_F(XmltvConversion, RefusedDocumentsLeaveTheFolderAsItWas) {
    struct Case {
        const char* rule;
        std::string bytes;
        const char* message;
    };
    const std::string good = Document(kCctv1);
    const Case kCases[] = {
        {"not well-formed", Document(kCctv1 + "<programme start=\"x\">"),
         "the document is not well-formed XML: line 4:"},
        {"cut short", good.substr(0, good.size() / 2), "the document is not well-formed XML:"},
        {"empty", "", "the document is not well-formed XML:"},
        {"not a guide", "<html><body/></html>",
         "not an XMLTV document: its root element is <html>, not <tv>"},
        {"no channel", Document(""), "the document has no channel"},
        {"gzip cut short", Gzipped(good).substr(0, 20), "the gzip data is cut short"},
        {"gzip damaged", std::string("\x1F\x8B\x08\x00", 4) + std::string(40, 'x'),
         "the gzip data is damaged"},
    };
    FFolder.MakeFolder("out");
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.rule);
        try {
            Convert(c.bytes);
            ADD_FAILURE() << "converted";
        } catch (const EXmltvError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
        EXPECT_TRUE(std::filesystem::is_directory(Out()));
        EXPECT_EQ(FilesUnder(FFolder.Root()), Files{});
    }
}

TEST_F(XmltvConversion, TheFolderMustBeEmptyOrMissing) {
    FFolder.WriteFile("out/keep.txt", "mine");
    EXPECT_THROW(Convert(Document(kCctv1)), EXmltvError);
    EXPECT_EQ(FilesUnder(Out()), (Files{{"keep.txt", "mine"}}));
}

} // namespace
} // namespace xmltv
