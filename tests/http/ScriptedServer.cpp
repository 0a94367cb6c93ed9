#include "tests/http/ScriptedServer.h"

#include <arpa/inet.h>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int ListenOnLoopback(int backlog, std::uint16_t& port, bool ipv6 = false) {
    int fd = socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_storage storage{};
    socklen_t length;
    if (ipv6) {
        auto& address = reinterpret_cast<sockaddr_in6&>(storage);
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_loopback;
        length = sizeof address;
    } else {
        auto& address = reinterpret_cast<sockaddr_in&>(storage);
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof address;
    }
    auto* address = reinterpret_cast<sockaddr*>(&storage);
    if (fd < 0 || bind(fd, address, length) != 0 || listen(fd, backlog) != 0 ||
        getsockname(fd, address, &length) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        throw std::runtime_error("cannot listen on the loopback address");
    }
    port = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6&>(storage).sin6_port
                      : reinterpret_cast<sockaddr_in&>(storage).sin_port);
    return fd;
}

// Waits until fd is readable; false when the stop pipe fired first or the time
// ran out (-1: no limit).
bool WaitReadable(int fd, int stop, int timeoutMs = -1) {
    pollfd waits[2] = {{fd, POLLIN, 0}, {stop, POLLIN, 0}};
    return poll(waits, 2, timeoutMs) > 0 && (waits[1].revents & POLLIN) == 0;
}

// A connection that stays quiet this long is closed, so a client that waits for
// bytes the script never sends fails its test instead of hanging it.
constexpr int kIdleLimitMs = 10000;

// Reads one request head; empty when the client closed, went quiet or the
// server stops.
std::string ReadHead(int client, int stop) {
    std::string head;
    char byte;
    while (head.size() < 4 || head.compare(head.size() - 4, 4, "\r\n\r\n") != 0) {
        if (!WaitReadable(client, stop, kIdleLimitMs) || recv(client, &byte, 1, 0) != 1) {
            return {};
        }
        head += byte;
    }
    return head;
}

void WriteAll(int client, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        sent += std::size_t(n);
    }
}

} // namespace

ScriptedServer::ScriptedServer(std::vector<ScriptedReply> replies, Family family)
    : FReplies(std::move(replies)), FHost(family == Family::IPv6 ? "[::1]" : "127.0.0.1") {
    FListener = ListenOnLoopback(8, FPort, family == Family::IPv6);
    if (pipe2(FStopPipe, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make a pipe");
    }
    FThread = std::thread(&ScriptedServer::Serve, this);
}

ScriptedServer::~ScriptedServer() {
    char stop = 's';
    if (write(FStopPipe[1], &stop, 1) != 1) {
        shutdown(FListener, SHUT_RDWR);
    }
    FThread.join();
    close(FListener);
    close(FStopPipe[0]);
    close(FStopPipe[1]);
}

std::string ScriptedServer::URL(const std::string& path) const {
    return "http://" + FHost + ":" + std::to_string(FPort) + path;
}

std::vector<ScriptedServer::Request> ScriptedServer::Requests() const {
    std::lock_guard lock(FLock);
    return FRequests;
}

// Connections past the end of the script are closed at once, so a client that
// asks for more than scripted fails instead of waiting.
void ScriptedServer::Serve() {
    for (int connection = 0;; ++connection) {
        if (!WaitReadable(FListener, FStopPipe[0])) {
            return;
        }
        int client = accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            return;
        }
        ServeConnection(client, connection);
        close(client);
    }
}

// Serves requests on one connection until a reply closes it, the client leaves,
// or the script runs out.
void ScriptedServer::ServeConnection(int client, int connection) {
    for (;;) {
        std::string head = ReadHead(client, FStopPipe[0]);
        if (head.empty()) {
            return;
        }
        {
            std::lock_guard lock(FLock);
            FRequests.push_back({head, connection});
        }
        if (FNextReply >= FReplies.size()) {
            return;
        }
        const ScriptedReply& reply = FReplies[FNextReply++];
        for (std::size_t i = 0; i < reply.pieces.size(); ++i) {
            if (i > 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(reply.pauseMs));
            }
            WriteAll(client, reply.pieces[i]);
        }
        if (reply.resetAfter) {
            linger abort{1, 0};
            setsockopt(client, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
            return;
        }
        if (reply.closeAfter) {
            return;
        }
    }
}

UnansweredListener::UnansweredListener() {
    FListener = ListenOnLoopback(0, FPort);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(FPort);
    // Fill the accept queue; once full, the kernel drops further SYNs.
    for (int i = 0; i < 4; ++i) {
        int filler = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
        FFillers.push_back(filler);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

UnansweredListener::~UnansweredListener() {
    for (int filler : FFillers) {
        close(filler);
    }
    close(FListener);
}

std::uint16_t ClosedPort() {
    std::uint16_t port = 0;
    int fd = ListenOnLoopback(1, port);
    close(fd);
    return port;
}
