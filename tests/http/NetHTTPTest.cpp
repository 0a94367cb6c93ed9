// Requests in sequence on one client: the request head, redirects, keep-alive,
// cookies, and failures to connect.

#include "http/NetHTTP.h"

#include "framework/MemoryStream.h"
#include "tests/http/Replies.h"
#include "tests/http/ScriptedServer.h"
#include "tests/http/WorkLog.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

class NetHTTPTest : public testing::Test {
protected:
    NetHTTPTest() { http.SetHandleRedirects(true); }

    TNetHTTP http{nullptr};
    fw::TMemoryStream stream;
};

TEST_F(NetHTTPTest, SendsTheRequestHeadByteForByte) {
    ScriptedServer server({Ok("a"), Ok("b"), Ok("c")});
    std::string port = std::to_string(server.Port());
    http.Get(server.URL("/pkg/orvo.zip#frag"), stream);
    http.Get("http://127.0.0.1:" + port, stream);
    http.Get(server.URL("/q?a=1#b"), stream);
    Texts requests;
    for (const auto& request : server.Requests()) {
        requests.push_back(request.head);
    }
    const std::string rest = "Host: 127.0.0.1:" + port +
                             "\r\nAccept: text/html, */*\r\nAccept-Encoding: identity\r\n"
                             "User-Agent: Mozilla/3.0 (compatible; Telvora)\r\n\r\n";
    EXPECT_EQ(requests, (Texts{"GET /pkg/orvo.zip HTTP/1.1\r\n" + rest, "GET / HTTP/1.1\r\n" + rest,
                               "GET /q?a=1#b HTTP/1.1\r\n" + rest}));
    EXPECT_EQ(Contents(stream), "abc");
}

TEST_F(NetHTTPTest, IPv6Literals) {
    std::unique_ptr<ScriptedServer> server;
    try {
        server = std::make_unique<ScriptedServer>(std::vector<ScriptedReply>{Ok("six")},
                                                  ScriptedServer::Family::IPv6);
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "no IPv6 loopback";
    }
    http.Get(server->URL("/v6"), stream);
    EXPECT_EQ(Contents(stream), "six");
    EXPECT_NE(server->Requests()[0].head.find("\r\nHost: [::1]:" + std::to_string(server->Port()) +
                                              "\r\n"),
              std::string::npos);
}

TEST_F(NetHTTPTest, FollowsARelativeRedirectOnTheSameConnection) {
    ScriptedServer server({Redirect("../x/f.zip", "moved"), Ok("final")});
    stream.WriteBuffer("XY", 2);
    WorkLog log(http);
    http.Get(server.URL("/a/b/c.zip"), stream);
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(RequestLine(requests[1]), "GET /a/x/f.zip HTTP/1.1");
    EXPECT_EQ(requests[1].connection, 0);
    EXPECT_EQ(Contents(stream), "XYfinal");
    EXPECT_EQ(log.Events(), (Texts{"begin read 5", "work read 5", "end read", "begin read 5",
                                   "work read 5", "end read"}));
    EXPECT_EQ(http.ResponseCode(), 200);
}

TEST_F(NetHTTPTest, FollowsAnAbsoluteRedirectToAnotherServer) {
    ScriptedServer second({Ok("there")});
    ScriptedServer first({Redirect(second.URL("/new/place.zip"))});
    http.Get(first.URL("/old.zip"), stream);
    EXPECT_EQ(Contents(stream), "there");
    ASSERT_EQ(second.Requests().size(), 1u);
    EXPECT_EQ(RequestLine(second.Requests()[0]), "GET /new/place.zip HTTP/1.1");
}

TEST_F(NetHTTPTest, A200WithLocationIsFollowed) {
    ScriptedServer server(
        {{{"HTTP/1.1 200 OK\r\nLocation: /real\r\nContent-Length: 1\r\n\r\nx"}}, Ok("real")});
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(Contents(stream), "real");
}

TEST_F(NetHTTPTest, TheFifteenthRedirectEndsTheGetWithoutError) {
    std::vector<ScriptedReply> replies;
    for (int i = 1; i <= 15; ++i) {
        replies.push_back(Redirect("/r" + std::to_string(i), "body"));
    }
    ScriptedServer server(replies);
    stream.WriteBuffer("P", 1);
    http.Get(server.URL("/start"), stream);
    EXPECT_EQ(server.Requests().size(), 15u);
    EXPECT_EQ(http.RedirectCount(), 15);
    EXPECT_EQ(http.Response().Location(), "/r15");
    EXPECT_EQ(Contents(stream), "P");
}

TEST_F(NetHTTPTest, WithoutHandleRedirectsARedirectIsAnError) {
    ScriptedServer server({{{"HTTP/1.1 301 Moved Permanently\r\nLocation: /x\r\n"
                             "Content-Type: text/html\r\nContent-Length: 5\r\n\r\nmoved"}}});
    http.SetHandleRedirects(false);
    stream.WriteBuffer("keep", 4);
    try {
        http.Get(server.URL("/"), stream);
        FAIL() << "no exception";
    } catch (const ENetHTTPProtocolException& e) {
        EXPECT_EQ(e.Message(), "HTTP/1.1 301 Moved Permanently");
        EXPECT_EQ(e.ErrorCode(), 301);
        EXPECT_EQ(e.ErrorMessage(), "moved");
    }
    EXPECT_EQ(Contents(stream), "keep");
}

TEST_F(NetHTTPTest, AnErrorAfterARedirectLeavesTheStreamAtItsStart) {
    ScriptedServer server({Redirect("/b", "12345"),
                           {{"HTTP/1.1 404 Not Found\r\n"
                             "Content-Length: 3\r\n\r\nno!"}}});
    stream.WriteBuffer("P", 1);
    EXPECT_THROW(http.Get(server.URL("/a"), stream), ENetHTTPProtocolException);
    EXPECT_EQ(Contents(stream), "P");
}

TEST_F(NetHTTPTest, KeepsTheConnectionUntilTheServerSaysClose) {
    for (const char* close : {"close", "Close", "CLOSE"}) {
        SCOPED_TRACE(close);
        ScriptedServer server(
            {Ok("1"), Ok("2", std::string("Connection: ") + close + "\r\n"), Ok("3")});
        TNetHTTP client(nullptr);
        fw::TMemoryStream out;
        for (int i = 0; i < 3; ++i) {
            client.Get(server.URL("/"), out);
        }
        auto requests = server.Requests();
        ASSERT_EQ(requests.size(), 3u);
        EXPECT_EQ(requests[0].connection, 0);
        EXPECT_EQ(requests[1].connection, 0);
        EXPECT_EQ(requests[2].connection, 1);
        EXPECT_EQ(Contents(out), "123");
    }
}

TEST_F(NetHTTPTest, ABodyUntilCloseEndsTheConnection) {
    ScriptedServer server({{{"HTTP/1.1 200 OK\r\n\r\nall"}, true}, Ok("next")});
    http.Get(server.URL("/"), stream);
    EXPECT_FALSE(http.Connected());
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(Contents(stream), "allnext");
    EXPECT_EQ(server.Requests()[1].connection, 1);
}

TEST_F(NetHTTPTest, AKeptConnectionTheServerClosedIsReplaced) {
    ScriptedServer server({{{"HTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\na"}, true}, Ok("b")});
    http.Get(server.URL("/"), stream);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(Contents(stream), "ab");
}

TEST_F(NetHTTPTest, StoresAndSendsCookies) {
    ScriptedServer server({
        Ok("1", "Set-Cookie: a=1; path=/\r\nSet-Cookie: s=1; secure\r\n"),
        Ok("2", "Set-Cookie: a=2, b=x\r\n"),
        Ok("3", "Set-Cookie: b=gone; expires=Thu, 01 Jan 1970 00:00:00 GMT\r\n"),
        Ok("4"),
    });
    for (int i = 0; i < 4; ++i) {
        http.Get(server.URL("/dir/"), stream);
    }
    auto cookieLines = [](const ScriptedServer::Request& request) {
        Texts lines;
        for (const std::string& line : HeadLines(request.head)) {
            if (line.rfind("Cookie", 0) == 0) {
                lines.push_back(line);
            }
        }
        return lines;
    };
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(cookieLines(requests[0]), Texts{});
    EXPECT_EQ(cookieLines(requests[1]), (Texts{"Cookie: a=1", "Cookie2: $Version=\"1\""}));
    EXPECT_EQ(cookieLines(requests[2]),
              (Texts{"Cookie: a=2", "Cookie: b=x", "Cookie2: $Version=\"1\""}));
    EXPECT_EQ(cookieLines(requests[3]), (Texts{"Cookie: a=2", "Cookie2: $Version=\"1\""}));
}

TEST_F(NetHTTPTest, APageCanSetCookies) {
    const std::string page = "<meta http-equiv=\"Set-Cookie\" content=\"m=1; path=/\">";
    ScriptedServer server({Ok(page, "Content-Type: text/html\r\n"), Ok("")});
    http.Get(server.URL("/"), stream);
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(Contents(stream), page);
    EXPECT_EQ(http.Response().MetaHTTPEquiv().Count(), 0u);
    EXPECT_NE(server.Requests()[1].head.find("\r\nCookie: m=1\r\n"), std::string::npos);
}

TEST_F(NetHTTPTest, UnsupportedAddresses) {
    EXPECT_THROW(
        {
            try {
                http.Get("ftp://127.0.0.1/file", stream);
            } catch (const ENetUnknownProtocol& e) {
                EXPECT_EQ(e.Message(), "Unknown Protocol");
                throw;
            }
        },
        ENetUnknownProtocol);
    EXPECT_THROW(
        {
            try {
                http.Get("https://127.0.0.1/file", stream);
            } catch (const ENetIOHandlerPropInvalid& e) {
                EXPECT_EQ(e.Message(), "IOHandler value is not valid");
                throw;
            }
        },
        ENetIOHandlerPropInvalid);
}

TEST_F(NetHTTPTest, ConnectionFailures) {
    struct {
        std::string url;
        int code;
        std::string message;
    } cases[] = {
        {"http://127.0.0.1:" + std::to_string(ClosedPort()) + "/", 10061,
         "Socket Error # 10061\r\nConnection refused."},
        {"http://host.invalid/", 11001, "Socket Error # 11001\r\nHost not found."},
    };
    for (const auto& c : cases) {
        try {
            http.Get(c.url, stream);
            ADD_FAILURE() << "no exception for " << c.url;
        } catch (const ENetSocketError& e) {
            EXPECT_EQ(e.LastError(), c.code);
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    // The client stays usable.
    ScriptedServer server({Ok("fine")});
    http.Get(server.URL("/"), stream);
    EXPECT_EQ(Contents(stream), "fine");
}

TEST_F(NetHTTPTest, ConnectTimeLimit) {
    UnansweredListener listener;
    http.SetConnectTimeout(300);
    auto start = std::chrono::steady_clock::now();
    try {
        http.Get("http://127.0.0.1:" + std::to_string(listener.Port()) + "/", stream);
        FAIL() << "no exception";
    } catch (const ENetConnectTimeout& e) {
        EXPECT_EQ(e.Message(), "Connect timed out.");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

} // namespace
