// The update road in process, from an update start to the reloaded list,
// against a real HTTP server on loopback inside a network namespace of the
// test's own: each row names the rule it pins, the replies the server gives,
// the status lines and boxes the user sees, and whether the catalogue changed
// (on every failure it must not).

#include "app/NetworkPump.h"
#include "catalogue/function_module.h"
#include "framework/gui/Application.h"
#include "http/NetAntiFreeze.h"
#include "platform/user/Painting.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/archive/TestZip.h"
#include "tests/http/ScriptedServer.h"
#include "tests/support/PrivateNetwork.h"
#include "tests/xmltv/XmltvDocuments.h"

#include <arpa/inet.h>
#include <filesystem>
#include <map>
#include <netinet/in.h>
#include <regex>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

namespace app_test {
namespace {

namespace fs = std::filesystem;
using testing_support::PrivateNetwork;
using testing_support::ReadFile;
using testing_support::ScopedEnvironment;

// Every file under a folder with its bytes: the catalogue as a user has it.
std::map<std::string, std::string> Tree(const fs::path& folder) {
    std::map<std::string, std::string> files;
    if (!fs::exists(folder))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[fs::relative(entry.path(), folder).string()] =
            entry.is_regular_file() ? ReadFile(entry.path()) : "<folder>";
    return files;
}

// A site the probe can connect to: a listening socket nobody accepts from
// (the kernel completes the connection).
class ProbeSite {
public:
    ProbeSite() {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(fd_, 8);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~ProbeSite() { ::close(fd_); }
    std::string URL() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

const std::string kOldChannel = "\xEF\xBB\xBF"
                                "19:00 新闻联播\r\n";
const std::string kNewChannel = "\xEF\xBB\xBF"
                                "20:00 新的节目\r\n";

// The package: two new channels of "央视频道" and one of "地方频道".
const std::string kPackage = archive::test::BuildZip({
    {.name = "央视频道/", .data = "", .utf8Flag = true, .folder = true},
    {.name = "央视频道/01.txt", .data = kNewChannel, .utf8Flag = true},
    {.name = "央视频道/02.txt", .data = kNewChannel, .utf8Flag = true},
    {.name = "地方频道/shandong山东卫视.txt", .data = kNewChannel, .utf8Flag = true},
});

ScriptedReply Ok(const std::string& body) {
    return {{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n",
             body.substr(0, body.size() / 2), body.substr(body.size() / 2)}};
}

const std::string kPending = "请稍后正在更新数据.";
const std::string kDownloading = "正在下载数据包...";
const std::string kDownloaded = "数据包下载完成.";
const std::string kUnpacking = "正在释放文件.";
const std::string kFailed = "更新失败，原有节目单已保留。";

enum class Probe { Answers, Refused };
enum class Before { Nothing, PackagePresent, SaveBlocked };

struct RoadCase {
    const char* rule;
    PrivateNetwork::Shape network;
    Probe probe;
    Before before;
    std::vector<ScriptedReply> replies;
    int requests;
    // The schedule view once the download step is over, and the boxes shown.
    std::vector<std::string> afterDownload;
    std::vector<std::string> boxes;
    // The view once the unpack step has run (empty: it never runs).
    std::vector<std::string> afterUnpack;
    bool updated;
    int progressMax;
    int progressPosition;
};

void PrintTo(const RoadCase& c, std::ostream* os) {
    *os << c.rule;
}

const int kPackageSize = static_cast<int>(kPackage.size());

// An XMLTV guide, recognised by its content whatever the address says; one cut
// off in the middle of an element.
const std::string kGuide = R"(<?xml version="1.0" encoding="UTF-8"?>
<tv><channel id="CCTV1.cn"><display-name>CCTV-1</display-name></channel>
<channel id="CCTV13.cn"><display-name>CCTV-13</display-name></channel>
<programme start="20261210190000 +0800" channel="CCTV1.cn"><title>新闻联播</title></programme>
</tv>)";
const std::string kBrokenGuide = kGuide.substr(0, kGuide.size() / 2);
const std::string kCut = kPackage.substr(0, kPackage.size() / 2);

const RoadCase kRoad[] = {
    {"a whole package replaces the catalogue",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::Nothing,
     {Ok(kPackage)},
     1,
     {kPending, kDownloading, kDownloaded},
     {},
     {"数据更新完成."},
     true,
     kPackageSize,
     kPackageSize},
    {"no network: the box, then the old catalogue",
     PrivateNetwork::Shape::Offline,
     Probe::Answers,
     Before::Nothing,
     {},
     0,
     {kPending, kFailed},
     {"暂无网络请稍候更新."},
     {},
     false,
     100,
     0},
    {"probe refused: nothing is requested",
     PrivateNetwork::Shape::Connected,
     Probe::Refused,
     Before::Nothing,
     {},
     0,
     {kPending, "网络未连接!", kFailed},
     {},
     {},
     false,
     100,
     0},
    {"a package file already present is neither fetched nor unpacked",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::PackagePresent,
     {},
     0,
     {kPending, "您要下载的文件已经存在!", kFailed},
     {},
     {},
     false,
     100,
     0},
    {"404: the status line in the error box; its body arms nothing",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::Nothing,
     {{{"HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"}}},
     1,
     {kPending, kDownloading, kFailed},
     {"HTTP/1.1 404 Not Found"},
     {},
     false,
     9,
     9},
    {"a body cut short is not a package",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::Nothing,
     {{{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kPackage.size()) + "\r\n\r\n", kCut},
       true}},
     1,
     {kPending, kDownloading, kFailed},
     {"数据包不完整."},
     {},
     false,
     kPackageSize,
     static_cast<int>(kCut.size())},
    {"a body that is no zip is saved, fails to unpack and is discarded",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::Nothing,
     {Ok("this is no zip archive")},
     1,
     {kPending, kDownloading, kDownloaded},
     {},
     {kPending, kDownloading, kDownloaded, kUnpacking, kFailed},
     false,
     22,
     22},
    {"a guide that is not well-formed fails the update and keeps the catalogue",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::Nothing,
     {Ok(kBrokenGuide)},
     1,
     {kPending, kDownloading, kDownloaded},
     {},
     {kPending, kDownloading, kDownloaded, kUnpacking, kFailed},
     false,
     static_cast<int>(kBrokenGuide.size()),
     static_cast<int>(kBrokenGuide.size())},
    {"302 then 200: only the package's own transfer ends the download",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::Nothing,
     {{{"HTTP/1.1 302 Found\r\nLocation: /files/package.zip\r\nContent-Length: 5\r\n\r\nmoved"}},
      Ok(kPackage)},
     2,
     {kPending, kDownloading, kDownloading, kDownloaded},
     {},
     {"数据更新完成."},
     true,
     kPackageSize,
     kPackageSize},
    {"a failed save: the error box, nothing half-written",
     PrivateNetwork::Shape::Connected,
     Probe::Answers,
     Before::SaveBlocked,
     {Ok(kPackage)},
     1,
     {kPending, kDownloading, kDownloaded, kFailed},
     {"Cannot create file"},
     {},
     false,
     kPackageSize,
     kPackageSize},
};

class UpdateRoadTest : public MainWindowTest {
protected:
    UpdateRoadTest() {
        WriteCatalogueFile("央视频道/01.txt", kOldChannel);
        WriteCatalogueFile("境外频道/hk香港台.txt", kOldChannel);
        ConnectNetworkPump(fw::Application());
    }
    ~UpdateRoadTest() override { TNetAntiFreeze::SetDispatchers(nullptr, nullptr); }

    fs::path Working() const { return ApplicationFolder() / "ORVOListTemp"; }
    std::vector<std::string> View() const { return Lines(*form->TVListBox->Lines()); }
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const TShownBox& box : boxes)
            texts.push_back(box.text);
        return texts;
    }
};

class UpdateRoad : public UpdateRoadTest, public testing::WithParamInterface<RoadCase> {};

TEST_P(UpdateRoad, FromUpdateStartToReload) {
    const RoadCase& c = GetParam();
    PrivateNetwork network(c.network);
    if (!network.Entered())
        GTEST_SKIP() << network.Problem();
    ScriptedServer server(c.replies);
    ProbeSite probe;
    ScopedEnvironment packageUrl("TELVORA_PACKAGE_URL", server.URL("/download/showtime.zip"));
    ScopedEnvironment probeUrl("TELVORA_PROBE_URL",
                               c.probe == Probe::Answers
                                   ? probe.URL()
                                   : "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/");
    if (c.before == Before::PackagePresent)
        WriteCatalogueFile("orvo.zip", "an older package");
    if (c.before == Before::SaveBlocked)
        WriteCatalogueFile("orvo.zip/in-the-way", "");
    const auto catalogueBefore = Tree(Working());

    TForm1& f = Start({"-up"});
    EXPECT_EQ(View(), std::vector<std::string>{kPending});
    display->Advance(2000);

    EXPECT_EQ(View(), c.afterDownload);
    ASSERT_EQ(BoxTexts().size(), c.boxes.size());
    for (std::size_t i = 0; i < c.boxes.size(); ++i) {
        EXPECT_TRUE(BoxTexts()[i].starts_with(c.boxes[i])) << BoxTexts()[i];
        EXPECT_EQ(boxes[i].caption, "Telvora");
    }
    const auto requests = server.Requests();
    ASSERT_EQ(static_cast<int>(requests.size()), c.requests);
    if (!requests.empty()) {
        EXPECT_TRUE(std::regex_search(
            requests[0].head,
            std::regex("^GET /download/showtime\\.zip\\?[0-9]{14} HTTP/1\\.1\r\n")))
            << requests[0].head;
    }
    EXPECT_EQ(f.ProgressBar1->Max(), c.progressMax);
    EXPECT_EQ(f.ProgressBar1->Position(), c.progressPosition);
    EXPECT_EQ(f.Timer_Load->Enabled(), !c.afterUnpack.empty());

    display->Advance(3000);
    if (!c.afterUnpack.empty()) {
        EXPECT_EQ(View(), c.afterUnpack);
    }
    EXPECT_FALSE(fs::exists(ApplicationFolder() / "ORVOListTemp.new"));
    EXPECT_FALSE(fs::exists(ApplicationFolder() / "ORVOListTemp.old"));
    const auto catalogueAfter = Tree(Working());
    if (c.updated) {
        EXPECT_EQ(catalogueAfter, (std::map<std::string, std::string>{
                                      {"orvo.zip", kPackage},
                                      {"央视频道", "<folder>"},
                                      {"央视频道/01.txt", kNewChannel},
                                      {"央视频道/02.txt", kNewChannel},
                                      {"地方频道", "<folder>"},
                                      {"地方频道/shandong山东卫视.txt", kNewChannel},
                                  }));
        EXPECT_EQ(Lines(*f.TVList->Items()), (std::vector<std::string>{"ORVO-1台", "ORVO-2台"}));
    } else {
        EXPECT_EQ(catalogueAfter, catalogueBefore);
        EXPECT_EQ(Lines(*f.TVList->Items()), std::vector<std::string>{"ORVO-1台"});
        EXPECT_EQ(f.SB->Panels()->Items(0)->Text(), kFailed);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, UpdateRoad, testing::ValuesIn(kRoad));

// A gzip-compressed guide served at the package address is converted into the
// staging folder and swapped in like a package.
TEST_F(MainWindowTest, AnXmltvGuideReplacesTheCatalogue) {
    PrivateNetwork network(PrivateNetwork::Shape::Connected);
    if (!network.Entered())
        GTEST_SKIP() << network.Problem();
    WriteCatalogueFile("央视频道/01.txt", kOldChannel);
    ConnectNetworkPump(fw::Application());
    const std::string gzipped = xmltv::testing::Gzipped(kGuide);
    ScriptedServer server({Ok(gzipped)});
    ProbeSite probe;
    ScopedEnvironment packageUrl("TELVORA_PACKAGE_URL", server.URL("/guide.xml.gz"));
    ScopedEnvironment probeUrl("TELVORA_PROBE_URL", probe.URL());

    TForm1& f = Start({"-up"});
    display->Advance(2000);
    display->Advance(3000);
    TNetAntiFreeze::SetDispatchers(nullptr, nullptr);

    const fs::path working = ApplicationFolder() / "ORVOListTemp";
    EXPECT_EQ(Tree(working), (std::map<std::string, std::string>{
                                 {"orvo.zip", gzipped},
                                 {"央视频道", "<folder>"},
                                 {"央视频道/01.txt", "\xEF\xBB\xBF"
                                                     "2026-12-10 星期四 +0800\r\n"
                                                     "19:00 新闻联播\r\n"},
                                 {"央视频道/13.txt", "\xEF\xBB\xBF"},
                             }));
    EXPECT_EQ(Lines(*f.TVList->Items()), (std::vector<std::string>{"ORVO-1台", "ORVO-13台"}));
    EXPECT_EQ(f.SB->Panels()->Items(0)->Text(), "数据更新完成.");
}

// A package that arrives in pieces moves the bar in between, and every turn of
// the pump leaves the bar painted at its position.
TEST_F(UpdateRoadTest, TheBarFollowsAPackageArrivingInPieces) {
    PrivateNetwork network(PrivateNetwork::Shape::Connected);
    if (!network.Entered())
        GTEST_SKIP() << network.Problem();
    constexpr std::size_t kPieces = 8;
    ScriptedReply paced{
        {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kPackage.size()) + "\r\n\r\n"}};
    const std::size_t piece = (kPackage.size() + kPieces - 1) / kPieces;
    for (std::size_t at = 0; at < kPackage.size(); at += piece)
        paced.pieces.push_back(kPackage.substr(at, piece));
    ScriptedServer server({paced});
    ProbeSite probe;
    ScopedEnvironment packageUrl("TELVORA_PACKAGE_URL", server.URL("/download/showtime.zip"));
    ScopedEnvironment probeUrl("TELVORA_PROBE_URL", probe.URL());
    TForm1& f = Start({"-up"});

    struct Turn {
        int position;
        bool painted;
    };
    std::vector<Turn> turns;
    const win::HWND bar = f.ProgressBar1->Handle();
    TNetAntiFreeze::SetDispatchers(
        [&] {
            fw::Application().ProcessMessages();
            turns.push_back({f.ProgressBar1->Position(),
                             win::GetUpdateRect(bar, nullptr, win::FALSE) == win::FALSE});
        },
        nullptr);
    display->Advance(2000);

    ASSERT_EQ(f.ProgressBar1->Max(), kPackageSize);
    EXPECT_EQ(f.ProgressBar1->Position(), kPackageSize);
    std::set<int> between;
    int last = 0;
    for (const Turn& turn : turns) {
        EXPECT_TRUE(turn.painted) << "at " << turn.position;
        EXPECT_GE(turn.position, last);
        last = turn.position;
        if (turn.position > 0 && turn.position < kPackageSize)
            between.insert(turn.position);
    }
    EXPECT_GE(between.size(), 2u) << "the bar stood still until the package was whole";
}

} // namespace
} // namespace app_test
