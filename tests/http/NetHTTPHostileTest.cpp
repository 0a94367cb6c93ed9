// Servers that misbehave, on purpose or not: kept connections closed under the
// client, cookie floods, overlong error bodies, and addresses that must not be
// taken for others.

#include "http/NetCookieManager.h"
#include "http/NetHTTP.h"
#include "tests/http/Replies.h"
#include "tests/http/ScriptedServer.h"

#include <gtest/gtest.h>

namespace {

class NetHTTPHostileTest : public testing::Test {
protected:
    NetHTTPHostileTest() { http.SetHandleRedirects(true); }

    // The exception's class and message, or "" when the Get returned.
    std::string GetOutcome(const std::string& url) {
        try {
            http.Get(url, stream);
            return "";
        } catch (const std::exception& e) {
            return ExceptionClassName(e) + ": " + e.what();
        }
    }

    TNetHTTP http{nullptr};
    fw::TMemoryStream stream;
};

const ScriptedReply kCloseWithoutReply{{}, true};
const ScriptedReply kResetWithoutReply{{}, false, true};

// The second Get goes on the connection the first one kept.
TEST_F(NetHTTPHostileTest, AKeptConnectionLostBeforeTheReplyIsReplacedOnce) {
    const ScriptedReply kStartedThenClosed{{"HTTP/1.1 200 OK\r\nContent-Le"}, true};
    struct {
        const char* rule;
        std::vector<ScriptedReply> replies;
        std::string outcome;
        std::vector<int> connections; // of each request the server read
    } cases[] = {
        {"closed as the request went out: sent again on a new connection",
         {Ok("1"), kCloseWithoutReply, Ok("2")},
         "",
         {0, 0, 1}},
        {"reset as the request went out: sent again on a new connection",
         {Ok("1"), kResetWithoutReply, Ok("2")},
         "",
         {0, 0, 1}},
        {"the new connection is not retried in turn",
         {Ok("1"), kCloseWithoutReply, kCloseWithoutReply, Ok("2")},
         "ENetConnClosedGracefully: Connection Closed Gracefully.",
         {0, 0, 1}},
        {"a reply that had begun is not sent again",
         {Ok("1"), kStartedThenClosed, Ok("2")},
         "ENetConnClosedGracefully: Connection Closed Gracefully.",
         {0, 0}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.rule);
        ScriptedServer server(c.replies);
        TNetHTTP client(nullptr);
        fw::TMemoryStream out;
        client.Get(server.URL("/1"), out);
        std::string outcome;
        try {
            client.Get(server.URL("/2"), out);
        } catch (const std::exception& e) {
            outcome = ExceptionClassName(e) + ": " + e.what();
        }
        EXPECT_EQ(outcome, c.outcome);
        std::vector<int> connections;
        for (const auto& request : server.Requests()) {
            connections.push_back(request.connection);
        }
        EXPECT_EQ(connections, c.connections);
        EXPECT_EQ(Contents(out), c.outcome.empty() ? "12" : "1");
    }
}

TEST_F(NetHTTPHostileTest, AFreshConnectionIsNeverRetried) {
    for (const ScriptedReply& lost : {kCloseWithoutReply, kResetWithoutReply}) {
        ScriptedServer server({lost, Ok("never")});
        EXPECT_NE(GetOutcome(server.URL("/")), "");
        EXPECT_EQ(server.Requests().size(), 1u);
    }
}

TEST_F(NetHTTPHostileTest, PortsOutsideTheirRangeAreRefused) {
    ScriptedServer server({});
    for (const char* port : {"0", "65536", "99999", "-1", "+80x", "abc"}) {
        EXPECT_EQ(GetOutcome("http://127.0.0.1:" + std::string(port) + "/"),
                  "ENetException: Invalid port number: " + std::string(port));
    }
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(NetHTTPHostileTest, TheRequestTargetIsSentAsASCII) {
    ScriptedServer server({Ok("a"), Ok("b")});
    http.Get(server.URL("/频道/a b.zip?q=中&r=%41"), stream);
    http.Get("/x\t\r\ny", stream);
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(RequestLine(requests[0]),
              "GET /%E9%A2%91%E9%81%93/a%20b.zip?q=%E4%B8%AD&r=%41 HTTP/1.1");
    EXPECT_EQ(RequestLine(requests[1]), "GET /x%09%0D%0Ay HTTP/1.1");
}

// Set-Cookie lines of many cookies each, in interim replies and redirects.
TEST_F(NetHTTPHostileTest, ACookieFloodIsBounded) {
    auto flood = [](int reply) {
        std::string head;
        for (int line = 0; line < 20; ++line) {
            head += "Set-Cookie: ";
            for (int i = 0; i < 100; ++i) {
                head += (i > 0 ? ", " : "") + std::string("k") + std::to_string(reply) + "_" +
                        std::to_string(line) + "_" + std::to_string(i) + "=v";
            }
            head += "\r\n";
        }
        return head;
    };
    std::vector<ScriptedReply> replies;
    for (int hop = 0; hop < 3; ++hop) {
        replies.push_back({{"HTTP/1.1 100 Continue\r\n" + flood(hop) + "\r\n" +
                            "HTTP/1.1 302 Found\r\nLocation: /next\r\n" + flood(hop + 10) +
                            "Content-Length: 0\r\n\r\n"}});
    }
    replies.push_back(Ok("end"));
    ScriptedServer server(replies);
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(Contents(stream), "end");
    EXPECT_EQ(http.CookieManager()->CookieCollection().Count(), TNetCookies::MaxCookiesPerDomain);
    const std::string lastHead = server.Requests().back().head;
    EXPECT_LT(lastHead.size(), 2000u);
    EXPECT_NE(lastHead.find("Cookie: k12_19_99=v\r\n"), std::string::npos);
}

// The exception keeps the body's start; the whole body is still read, so the
// connection carries the next request.
TEST_F(NetHTTPHostileTest, AnOverlongErrorBodyIsCut) {
    std::string body;
    for (int i = 0; body.size() < 3 * kMaxErrorBodyBytes; ++i) {
        body += std::to_string(i) + " ";
    }
    ScriptedServer server({{{"HTTP/1.1 500 Oops\r\nContent-Type: text/html\r\nContent-Length: " +
                             std::to_string(body.size()) + "\r\n\r\n" + body}},
                           {{"HTTP/1.1 500 Oops\r\nTransfer-Encoding: chunked\r\n\r\n" +
                             std::string("20000\r\n") + body.substr(0, 0x20000) + "\r\n0\r\n\r\n"}},
                           Ok("next")});
    for (int i = 0; i < 2; ++i) {
        try {
            http.Get(server.URL("/"), stream);
            ADD_FAILURE() << "no exception";
        } catch (const ENetHTTPProtocolException& e) {
            EXPECT_EQ(e.ErrorMessage(), body.substr(0, kMaxErrorBodyBytes));
        }
    }
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(Contents(stream), "next");
    for (const auto& request : server.Requests()) {
        EXPECT_EQ(request.connection, 0);
    }
}

} // namespace
