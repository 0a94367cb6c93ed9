#include "platform/shell/Internet.h"
#include "platform/shell/ProbeAddress.h"

#include <arpa/inet.h>
#include <chrono>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace win;

// A TCP socket bound to a free loopback port; listening unless told otherwise.
class LoopbackSocket {
public:
    LoopbackSocket(int family, int backlog) {
        fd_ = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_storage address{};
        socklen_t length;
        if (family == AF_INET6) {
            auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
            v6->sin6_family = AF_INET6;
            v6->sin6_addr = in6addr_loopback;
            length = sizeof *v6;
        } else {
            auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
            v4->sin_family = AF_INET;
            v4->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            length = sizeof *v4;
        }
        ok_ = fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
              getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
              (backlog < 0 || listen(fd_, backlog) == 0);
        port_ = ntohs(family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&address)->sin6_port
                                         : reinterpret_cast<sockaddr_in*>(&address)->sin_port);
    }
    ~LoopbackSocket() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    bool ok() const { return ok_; }
    std::string port() const { return std::to_string(port_); }

private:
    int fd_ = -1;
    bool ok_ = false;
    unsigned port_ = 0;
};

TEST(ProbeAddress, TakesHostAndPortFromHttpUrls) {
    const struct {
        const char* url;
        const char* host; // null: rejected
        const char* port;
    } cases[] = {
        {"http://www.example.com/", "www.example.com", "80"},
        {"HTTP://Example.com", "Example.com", "80"},
        {"https://example.com/path?q=1", "example.com", "443"},
        {"http://example.com:8080/x", "example.com", "8080"},
        {"http://user:pw@example.com:81/", "example.com", "81"},
        {"http://[::1]:8000/", "::1", "8000"},
        {"http://[::1]/", "::1", "80"},
        {"http://example.com?q", "example.com", "80"},
        {"ftp://example.com/", nullptr, nullptr},
        {"example.com", nullptr, nullptr},
        {"http:///path", nullptr, nullptr},
        {"http://example.com:/", nullptr, nullptr},
        {"http://example.com:0/", nullptr, nullptr},
        {"http://example.com:65536/", nullptr, nullptr},
        {"http://example.com:8x/", nullptr, nullptr},
        {"http://[::1/", nullptr, nullptr},
        {"http://[::1]x/", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        auto address = ParseProbeAddress(c.url);
        if (c.host == nullptr) {
            EXPECT_FALSE(address.has_value()) << c.url;
        } else {
            ASSERT_TRUE(address.has_value()) << c.url;
            EXPECT_EQ(address->host, c.host) << c.url;
            EXPECT_EQ(address->port, c.port) << c.url;
        }
    }
}

TEST(Probe, ConnectsToALocalListener) {
    LoopbackSocket listener(AF_INET, 8);
    ASSERT_TRUE(listener.ok());
    EXPECT_TRUE(ProbeConnection("http://127.0.0.1:" + listener.port() + "/", 5000));
    EXPECT_TRUE(ProbeConnection("http://localhost:" + listener.port() + "/", 5000));
    LoopbackSocket listener6(AF_INET6, 8);
    if (listener6.ok()) {
        EXPECT_TRUE(ProbeConnection("http://[::1]:" + listener6.port() + "/", 5000));
    }
}

TEST(Probe, ClosedPortsAndBadAddressesAreFalse) {
    std::string closedPort;
    {
        LoopbackSocket bound(AF_INET, -1); // bound, never listening: connections are refused
        ASSERT_TRUE(bound.ok());
        closedPort = bound.port();
        EXPECT_FALSE(ProbeConnection("http://127.0.0.1:" + closedPort + "/", 5000));
    }
    EXPECT_FALSE(ProbeConnection("not a url", 5000));
    EXPECT_FALSE(ProbeConnection("ftp://127.0.0.1:" + closedPort + "/", 5000));
    EXPECT_FALSE(InternetCheckConnection(nullptr, FLAG_ICC_FORCE_CONNECTION, 0));
}

TEST(Probe, TheCallerTurnsBetweenSlicesWhileItWaits) {
    // A listener whose queue is full leaves the attempt waiting its whole limit.
    LoopbackSocket listener(AF_INET, 0);
    ASSERT_TRUE(listener.ok());
    const std::string url = "http://127.0.0.1:" + listener.port() + "/";
    for (int answered = 0; answered < 16 && ProbeConnection(url, 300); ++answered) {
    }
    int turns = 0;
    EXPECT_FALSE(ProbeConnection(url, 300, [&turns] { return ++turns > 0; }));
    EXPECT_GE(turns, 2) << "the waiting thread was held for the whole attempt";
    turns = 0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ProbeConnection(url, 5000, [&turns] { return ++turns < 2; }));
    EXPECT_EQ(turns, 2);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4))
        << "the caller could not stop waiting";
}

TEST(Probe, GivesUpWhenTheTimeLimitRunsOut) {
    // A listener whose queue is full drops further connection requests unanswered.
    LoopbackSocket listener(AF_INET, 0);
    ASSERT_TRUE(listener.ok());
    const std::string url = "http://127.0.0.1:" + listener.port() + "/";
    int answered = 0;
    while (answered < 16 && ProbeConnection(url, 300)) {
        ++answered;
    }
    ASSERT_LT(answered, 16) << "the listener's queue never filled up";
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ProbeConnection(url, 300));
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(5)) << "the time limit was not kept";
}

} // namespace
