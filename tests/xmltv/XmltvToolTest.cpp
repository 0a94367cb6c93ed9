// telvora-tool xmltv as a script runs it: the counts line, skipped elements on
// stderr, the exit status, and the folder left alone when it fails.

#include "tests/catalogue/FolderFixture.h"
#include "tests/http/ScriptedServer.h"
#include "tests/support/ToolProcess.h"
#include "tests/xmltv/XmltvDocuments.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace xmltv {
namespace {

using testing::Document;
using testing::FilesUnder;
using testing::Gzipped;

const std::string kGuide =
    Document(R"(<channel id="CCTV1.cn"><display-name>CCTV-1</display-name></channel>
<channel id="hunan"><display-name>湖南卫视</display-name></channel>
<programme start="20261210190000 +0800" channel="CCTV1.cn"><title>新闻联播</title></programme>
<programme start="20261210193000 +0800" channel="CCTV1.cn"><title>焦点访谈</title></programme>
<programme start="x" channel="hunan"><title>坏</title></programme>)");

class XmltvTool : public ::testing::Test {
protected:
    ToolProcessRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), "xmltv");
        return RunToolProcess(TELVORA_TOOL, std::move(args), FFolder.Root());
    }

    catalogue::FolderFixture FFolder;
};

TEST_F(XmltvTool, ConvertsAFileAndNamesWhatItSkipped) {
    FFolder.WriteFile("guide.xml", kGuide);
    const ToolProcessRun run = Run({FFolder.Path("guide.xml"), FFolder.Path("out")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "2 channels, 2 programmes\n");
    EXPECT_EQ(run.err, "line 7: programme skipped: start time \"x\" is not an XMLTV time\n");
    EXPECT_EQ(FilesUnder(FFolder.Path("out")).size(), 2u);
}

TEST_F(XmltvTool, FetchesAGzipFeedOverHttp) {
    const std::string body = Gzipped(kGuide);
    ScriptedServer server({{{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                             "\r\nContent-Type: application/gzip\r\n\r\n" + body}}});
    FFolder.MakeFolder("out");
    const ToolProcessRun run = Run({server.URL("/guide.xml.gz"), FFolder.Path("out")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2 channels, 2 programmes\n");
    EXPECT_EQ(FilesUnder(FFolder.Path("out")).count("央视频道/01.txt"), 1u);
}

TEST_F(XmltvTool, FailuresPrintOneLineAndLeaveTheFolder) {
    FFolder.WriteFile("broken.xml", "<tv><channel id=\"a\"></tv>");
    FFolder.WriteFile("full/keep.txt", "mine");
    FFolder.WriteFile("guide.xml", kGuide);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* errStart;
    };
    const Case kCases[] = {
        {{FFolder.Path("broken.xml"), FFolder.Path("out")},
         1,
         "the document is not well-formed XML: line 1:"},
        {{FFolder.Path("guide.xml"), FFolder.Path("full")}, 1, "\""},
        {{FFolder.Path("missing.xml"), FFolder.Path("out")}, 1, "Cannot open file"},
        {{FFolder.Path("guide.xml")}, 2, "telvora-tool xmltv: expects a file or address"},
    };
    for (const Case& c : kCases) {
        const ToolProcessRun run = Run(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.errStart;
        EXPECT_EQ(run.out, "") << c.errStart;
        EXPECT_EQ(run.err.rfind(c.errStart, 0), 0u) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(FFolder.Path("out")));
    EXPECT_EQ(FilesUnder(FFolder.Path("full")).size(), 1u);
}

} // namespace
} // namespace xmltv
