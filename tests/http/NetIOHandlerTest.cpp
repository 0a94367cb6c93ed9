// The buffered reader over a real connection: a request is written by hand, and
// the scripted reply is read back line by line or as a stream.

#include "framework/MemoryStream.h"
#include "http/NetException.h"
#include "http/NetTCPClient.h"
#include "tests/http/ScriptedServer.h"
#include "tests/http/WorkLog.h"

#include <gtest/gtest.h>

namespace {

class NetIOHandlerTest : public testing::Test {
protected:
    // Connects to a server that answers with reply and sends the request for it.
    void Start(ScriptedReply reply) {
        server = std::make_unique<ScriptedServer>(std::vector<ScriptedReply>{std::move(reply)});
        client.SetHost("127.0.0.1");
        client.SetPort(server->Port());
        client.Connect();
        client.IOHandler()->Write("GET / HTTP/1.1\r\n\r\n");
    }
    TNetIOHandler& IO() { return *client.IOHandler(); }

    std::unique_ptr<ScriptedServer> server;
    TNetTCPClientCustom client{nullptr};
};

TEST_F(NetIOHandlerTest, LinesUpToTheMaximumLength) {
    const std::string longest = std::string(16383, 'a') + "\r";
    Start({{"short\r\n", "bare lf\n" + longest + "\n", std::string(16385, 'b') + "\n"}, true});
    EXPECT_EQ(IO().ReadLn(), "short");
    EXPECT_EQ(IO().ReadLn(), "bare lf");
    EXPECT_EQ(IO().ReadLn(), std::string(16383, 'a'));
    EXPECT_THROW(IO().ReadLn(), ENetReadLnMaxLineLengthExceeded);
}

TEST_F(NetIOHandlerTest, ALineThatNeverEndsIsRefusedOnceTooLong) {
    Start({{std::string(20000, 'c')}, false});
    EXPECT_THROW(IO().ReadLn(), ENetReadLnMaxLineLengthExceeded);
}

TEST_F(NetIOHandlerTest, ACloseInsideALineRaises) {
    Start({{"partial"}, true});
    EXPECT_THROW(IO().ReadLn(), ENetConnClosedGracefully);
}

TEST_F(NetIOHandlerTest, ACountedReadEndsWithTheLastByteBeforeTheClose) {
    Start({{"12345", "67890"}, true});
    fw::TMemoryStream stream;
    IO().ReadStream(stream, 10);
    EXPECT_EQ(stream.Size(), 10);
    EXPECT_TRUE(std::equal(static_cast<const char*>(stream.Memory()),
                           static_cast<const char*>(stream.Memory()) + 10, "1234567890"));
}

TEST_F(NetIOHandlerTest, ReadingUntilCloseCountsWholeBlocks) {
    Start({{std::string(70000, 'z')}, true});
    WorkLog log(client);
    fw::TMemoryStream stream;
    IO().ReadStream(stream, -1, true);
    EXPECT_EQ(stream.Size(), 70000);
    EXPECT_EQ(log.Events(),
              (std::vector<std::string>{"begin read 0", "work read 32768", "work read 65536",
                                        "work read 70000", "end read"}));
}

TEST_F(NetIOHandlerTest, DiscardAllFiresNoProgress) {
    Start({{"abc", "def"}, true});
    WorkLog log(client);
    IO().DiscardAll();
    EXPECT_EQ(log.Events(), (std::vector<std::string>{"begin read 0", "end read"}));
    EXPECT_FALSE(client.Connected());
}

TEST_F(NetIOHandlerTest, ReadTimeout) {
    Start({{}, false});
    IO().SetReadTimeout(100);
    EXPECT_THROW(IO().ReadLn(), ENetReadTimeout);
    EXPECT_EQ(IO().ReadLn('\n', 50), "");
    EXPECT_TRUE(IO().ReadLnTimedOut());
}

TEST_F(NetIOHandlerTest, WritesAreCountedAsWriteWork) {
    Start({{}, false});
    WorkLog log(client);
    client.BeginWork(TWorkMode::wmWrite, 7);
    IO().WriteBufferOpen(-1);
    IO().Write("abc");
    IO().WriteLn("de");
    EXPECT_TRUE(log.Events().size() == 1); // nothing sent before the buffer closes
    IO().WriteBufferClose();
    client.EndWork(TWorkMode::wmWrite);
    EXPECT_EQ(log.Events(),
              (std::vector<std::string>{"begin write 7", "work write 7", "end write"}));
}

TEST(NetTCPClient, RequiresHostAndPortAndRefusesASecondConnect) {
    TNetTCPClientCustom client(nullptr);
    EXPECT_THROW(client.Connect(), ENetHostRequired);
    client.SetHost("127.0.0.1");
    EXPECT_THROW(client.Connect(), ENetPortRequired);
    ScriptedServer server({});
    client.SetPort(server.Port());
    client.Connect();
    EXPECT_THROW(client.Connect(), ENetAlreadyConnected);
    client.Disconnect();
    EXPECT_FALSE(client.Connected());
}

} // namespace
