// One request, one scripted reply: the reply as written on the wire, then what
// the caller's stream holds, the work events and the exception.

#include "framework/MemoryStream.h"
#include "http/NetHTTP.h"
#include "tests/http/ScriptedServer.h"
#include "tests/http/WorkLog.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using Events = std::vector<std::string>;

struct WireCase {
    const char* name;
    std::vector<std::string> pieces; // the reply, piece by piece
    bool closeAfter;
    std::string body; // what the caller's stream holds afterwards
    Events events;
    std::string exception = {}; // class name, empty when the Get returns
    std::string message = {};
    int errorCode = 0;
    std::string errorMessage = {};
    int pauseMs = 50; // between pieces
};

const std::string kHundredDots(100, '.');

std::string ManyHeaders(int count) {
    std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n";
    for (int i = 1; i < count; ++i) {
        head += "X-H" + std::to_string(i) + ": v\r\n";
    }
    return head + "\r\nok";
}

std::string InterimReplies(int count) {
    std::string replies;
    for (int i = 0; i < count; ++i) {
        replies += "HTTP/1.1 100 Continue\r\nSet-Cookie: c" + std::to_string(i) + "=1\r\n\r\n";
    }
    return replies;
}

const WireCase kCases[] = {
    {"counted body",
     {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello"},
     false,
     "hello",
     {"begin read 5", "work read 5", "end read"}},
    {"counted body in split reads",
     {"HTTP/1.1 200 OK\r\nContent-Len", "gth: 10\r\n\r\nhello", "world"},
     false,
     "helloworld",
     {"begin read 10", "work read 5", "work read 10", "end read"}},
    {"counted body cut short by the server's close",
     {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhel", "lo"},
     true,
     "hello",
     {"begin read 10", "work read 3", "work read 5", "end read"}},
    {"counted body in slow pieces: each is counted as it arrives",
     {"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n", "abc", "def", "ghi"},
     false,
     "abcdefghi",
     {"begin read 9", "work read 3", "work read 6", "work read 9", "end read"},
     "",
     "",
     0,
     "",
     300},
    {"empty counted body", {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"}, false, "", {}},
    {"chunked with an extension and trailers",
     {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
      "5\r\nhello\r\n6;ext=1\r\n world\r\n0\r\nX-Trailer: yes\r\n\r\n"},
     false,
     "hello world",
     {"begin read 0", "work read 3", "work read 8", "work read 10", "work read 19", "work read 25",
      "work read 27", "work read 30", "work read 46", "work read 48", "end read"}},
    {"chunked in split reads",
     {"HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n3\r\nab", "c\r\n0\r\n\r\n"},
     false,
     "abc",
     {"begin read 0", "work read 3", "work read 5", "work read 6", "work read 8", "work read 11",
      "work read 13", "end read"}},
    {"chunk-size line that is not hexadecimal ends the body",
     {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\nzz\r\n\r\n"},
     false,
     "ok",
     {"begin read 0", "work read 3", "work read 5", "work read 7", "work read 11", "work read 13",
      "end read"}},
    {"close during a chunked body",
     {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel"},
     true,
     "hel",
     {"begin read 0", "work read 3", "work read 6", "end read"},
     "ENetConnClosedGracefully",
     "Connection Closed Gracefully."},
    {"body until the server closes",
     {"HTTP/1.1 200 OK\r\n\r\nuntil ", "close"},
     true,
     "until close",
     {"begin read 0", "work read 6", "work read 11", "end read"}},
    {"interim 100 reply",
     {"HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"},
     false,
     "ok",
     {"begin read 2", "work read 2", "end read"}},
    {"ten interim replies",
     {InterimReplies(10) + "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"},
     false,
     "ok",
     {"begin read 2", "work read 2", "end read"}},
    {"an eleventh interim reply is refused",
     {InterimReplies(11) + "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"},
     false,
     "",
     {},
     "ENetException",
     "Too many interim replies."},
    {"201 with a Location is not a redirect",
     {"HTTP/1.1 201 Created\r\nLocation: /elsewhere\r\nContent-Length: 4\r\n\r\nmade"},
     false,
     "made",
     {"begin read 4", "work read 4", "end read"}},
    {"204 without body", {"HTTP/1.1 204 No Content\r\n\r\n"}, false, "", {}},
    {"304",
     {"HTTP/1.1 304 Not Modified\r\n\r\n"},
     false,
     "",
     {},
     "ENetHTTPProtocolException",
     "HTTP/1.1 304 Not Modified",
     304,
     ""},
    {"401 is not answered",
     {"HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"x\"\r\n"
      "Content-Type: text/plain\r\nContent-Length: 4\r\n\r\ndeny"},
     false,
     "",
     {"begin read 4", "work read 4", "end read"},
     "ENetHTTPProtocolException",
     "HTTP/1.1 401 Unauthorized",
     401,
     "deny"},
    {"404 with a body in the reply's charset",
     {"HTTP/1.1 404 Not Found\r\nContent-Type: text/html; charset=GBK\r\n"
      "Content-Length: 6\r\n\r\n\xC3\xBB\xD3\xD0!!"},
     false,
     "",
     {"begin read 6", "work read 6", "end read"},
     "ENetHTTPProtocolException",
     "HTTP/1.1 404 Not Found",
     404,
     "\xE6\xB2\xA1\xE6\x9C\x89!!"},
    {"404 page declaring its charset",
     {"HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\nContent-Length: 82\r\n\r\n"
      "<html><head><META HTTP-EQUIV='Content-Type' content=\"text/html; charset=gb2312\">"
      "\xC3\xBB"},
     false,
     "",
     {"begin read 82", "work read 82", "end read"},
     "ENetHTTPProtocolException",
     "HTTP/1.1 404 Not Found",
     404,
     "<html><head><META HTTP-EQUIV='Content-Type' content=\"text/html; charset=gb2312\">"
     "\xE6\xB2\xA1"},
    {"500 with a Latin-1 body",
     {"HTTP/1.0 500 Oops\r\nContent-Type: text/plain\r\nContent-Length: 2\r\n\r\n\xE9!"},
     false,
     "",
     {"begin read 2", "work read 2", "end read"},
     "ENetHTTPProtocolException",
     "HTTP/1.0 500 Oops",
     500,
     "\xC3\xA9!"},
    {"unreadable status line",
     {"SPDY nonsense\r\nContent-Length: 0\r\n\r\n"},
     false,
     "",
     {},
     "ENetHTTPProtocolException",
     "SPDY nonsense",
     -1,
     ""},
    {"closed before the status line",
     {},
     true,
     "",
     {},
     "ENetConnClosedGracefully",
     "Connection Closed Gracefully."},
    {"close in the header block ends it",
     {"HTTP/1.1 200 OK\r\nX-A: 1\r\n"},
     true,
     "",
     {"begin read 0", "end read"}},
    {"close cutting a header line is no success, and its bytes are no body",
     {"HTTP/1.1 200 OK\r\nContent-Length: 10\r\nX-Partial"},
     true,
     "",
     {},
     "ENetConnClosedGracefully",
     "Connection Closed Gracefully."},
    {"status line over the maximum length",
     {"HTTP/1.1 200 " + std::string(16400, 'x') + "\r\n\r\n"},
     true,
     "",
     {},
     "ENetReadLnMaxLineLengthExceeded",
     "Max line length exceeded."},
    {"255 header lines",
     {ManyHeaders(255)},
     false,
     "ok",
     {"begin read 2", "work read 2", "end read"}},
    {"256 header lines",
     {ManyHeaders(256)},
     false,
     "",
     {},
     "ENetMaxHeaderLinesExceeded",
     "Max header lines exceeded."},
    {"body larger than a memory stream holds",
     {"HTTP/1.1 200 OK\r\nContent-Length: 3000000000\r\n\r\nabc"},
     true,
     "",
     {},
     "ENetIOHandlerStreamDataTooLarge",
     "Data is too large for stream"},
    {"chunk larger than a memory stream holds",
     {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFFFFFFFFFFFF\r\nabc"},
     true,
     "",
     {"begin read 0", "work read 22", "end read"},
     "ENetIOHandlerStreamDataTooLarge",
     "Data is too large for stream"},
};

// A stream that is not a memory stream: bodies reach it through the receive
// buffer, where a memory stream takes them straight from the socket.
class PlainStream : public fw::TStream {
public:
    std::string bytes;

    std::int64_t Read(void*, std::int64_t) override { return 0; }
    std::int64_t Write(const void* buffer, std::int64_t count) override {
        if (FPosition + count > std::int64_t(bytes.size())) {
            bytes.resize(std::size_t(FPosition + count));
        }
        std::memcpy(bytes.data() + FPosition, buffer, std::size_t(count));
        FPosition += count;
        return count;
    }
    std::int64_t Seek(std::int64_t offset, fw::TSeekOrigin origin) override {
        std::int64_t base = origin == fw::TSeekOrigin::soBeginning ? 0
                            : origin == fw::TSeekOrigin::soCurrent ? FPosition
                                                                   : Size();
        FPosition = base + offset;
        return FPosition;
    }
    std::int64_t Size() override { return std::int64_t(bytes.size()); }
    void SetSize(std::int64_t newSize) override { bytes.resize(std::size_t(newSize)); }

private:
    std::int64_t FPosition = 0;
};

struct WireOutcome {
    std::string body;
    Events events;
    std::string exception;
    std::string message;
    int errorCode = 0;
    std::string errorMessage;
    bool operator==(const WireOutcome&) const = default;
};

WireOutcome RunCase(const WireCase& c, fw::TStream& stream) {
    ScriptedServer server({{.pieces = c.pieces, .closeAfter = c.closeAfter, .pauseMs = c.pauseMs}});
    TNetHTTP http(nullptr);
    http.SetHandleRedirects(true);
    WorkLog log(http);
    WireOutcome outcome;
    try {
        http.Get(server.URL("/f"), stream);
    } catch (const ENetHTTPProtocolException& e) {
        outcome.exception = ExceptionClassName(e);
        outcome.message = e.Message();
        outcome.errorCode = e.ErrorCode();
        outcome.errorMessage = e.ErrorMessage();
    } catch (const std::exception& e) {
        outcome.exception = ExceptionClassName(e);
        outcome.message = e.what();
    }
    outcome.events = log.Events();
    EXPECT_EQ(stream.Position(), stream.Size());
    return outcome;
}

class WireTest : public testing::TestWithParam<WireCase> {};

TEST_P(WireTest, Reply) {
    const WireCase& c = GetParam();
    fw::TMemoryStream stream;
    WireOutcome outcome = RunCase(c, stream);
    EXPECT_EQ(std::string(static_cast<const char*>(stream.Memory()), std::size_t(stream.Size())),
              c.body);
    EXPECT_EQ(outcome.events, c.events);
    EXPECT_EQ(outcome.exception, c.exception);
    EXPECT_EQ(outcome.message, c.message);
    EXPECT_EQ(outcome.errorCode, c.errorCode);
    EXPECT_EQ(outcome.errorMessage, c.errorMessage);
}

std::string CaseName(const testing::TestParamInfo<WireCase>& info) {
    std::string name;
    for (const char* p = info.param.name; *p != '\0'; ++p) {
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(NetHTTP, WireTest, testing::ValuesIn(kCases), CaseName);

// A memory stream takes bodies straight from the socket; any other stream
// through the receive buffer. Both ways give the same bytes, events and ends
// (except where only a memory stream's limit refuses a body).
TEST(NetHTTPWire, AnyStreamTheSame) {
    for (const WireCase& c : kCases) {
        if (c.exception == "ENetIOHandlerStreamDataTooLarge") {
            continue;
        }
        SCOPED_TRACE(c.name);
        fw::TMemoryStream memory;
        PlainStream plain;
        WireOutcome direct = RunCase(c, memory);
        direct.body.assign(static_cast<const char*>(memory.Memory()), std::size_t(memory.Size()));
        WireOutcome buffered = RunCase(c, plain);
        buffered.body = plain.bytes;
        EXPECT_EQ(direct, buffered);
    }
}

} // namespace
