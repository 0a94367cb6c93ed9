#include "http/NetSocketHandle.h"

#include "http/NetException.h"
#include "http/NetSocketErrors.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// An IPv4 or IPv6 socket address built from a literal.
struct SocketAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;

    SocketAddress(const std::string& ip, std::uint16_t port, TNetIPVersion version) {
        if (version == TNetIPVersion::Id_IPv6) {
            auto* v6 = reinterpret_cast<sockaddr_in6*>(&storage);
            v6->sin6_family = AF_INET6;
            v6->sin6_port = htons(port);
            if (!ip.empty() && inet_pton(AF_INET6, ip.c_str(), &v6->sin6_addr) != 1) {
                RaiseSocketError(10049);
            }
            length = sizeof(sockaddr_in6);
        } else {
            auto* v4 = reinterpret_cast<sockaddr_in*>(&storage);
            v4->sin_family = AF_INET;
            v4->sin_port = htons(port);
            if (!ip.empty() && inet_pton(AF_INET, ip.c_str(), &v4->sin_addr) != 1) {
                RaiseSocketError(10049);
            }
            length = sizeof(sockaddr_in);
        }
    }
    const sockaddr* Address() const { return reinterpret_cast<const sockaddr*>(&storage); }
};

void ReadAddress(const sockaddr_storage& storage, std::string& ip, std::uint16_t& port) {
    char text[INET6_ADDRSTRLEN] = {};
    if (storage.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(storage);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        port = ntohs(v6.sin6_port);
    } else {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(storage);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
        port = ntohs(v4.sin_port);
    }
    ip = text;
}

[[noreturn]] void RaiseLastSocketError() {
    RaiseSocketError(TNetStack::WSGetLastError());
}

void SetBlocking(int handle, bool blocking) {
    int flags = fcntl(handle, F_GETFL);
    fcntl(handle, F_SETFL, blocking ? (flags & ~O_NONBLOCK) : (flags | O_NONBLOCK));
}

} // namespace

TNetSocketHandle::~TNetSocketHandle() {
    CloseSocket();
}

void TNetSocketHandle::AllocateSocket(TNetIPVersion version) {
    CloseSocket();
    int family = version == TNetIPVersion::Id_IPv6 ? AF_INET6 : AF_INET;
    int handle = socket(family, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (handle < 0) {
        RaiseLastSocketError();
    }
    std::lock_guard lock(FLock);
    FHandle = handle;
    FIPVersion = version;
}

bool TNetSocketHandle::HandleAllocated() const {
    std::lock_guard lock(FLock);
    return FHandle >= 0;
}

int TNetSocketHandle::Handle() const {
    std::lock_guard lock(FLock);
    return FHandle;
}

void TNetSocketHandle::SetReuseAddress(bool reuse) {
    int value = reuse ? 1 : 0;
    if (setsockopt(Handle(), SOL_SOCKET, SO_REUSEADDR, &value, sizeof value) != 0) {
        RaiseLastSocketError();
    }
}

void TNetSocketHandle::SetNagle(bool useNagle) {
    int noDelay = useNagle ? 0 : 1;
    if (setsockopt(Handle(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay) != 0) {
        RaiseLastSocketError();
    }
}

void TNetSocketHandle::Bind(const std::string& ip, std::uint16_t port) {
    SocketAddress address(ip, port, FIPVersion);
    if (bind(Handle(), address.Address(), address.length) != 0) {
        RaiseLastSocketError();
    }
    UpdateBindingLocal();
}

// Connects without blocking the descriptor, so a second descriptor can end the
// wait: closing a socket does not interrupt another thread's connect on Linux.
TNetSocketHandle::TConnectResult TNetSocketHandle::Connect(const std::string& ip,
                                                           std::uint16_t port, int cancelFd) {
    SocketAddress address(ip, port, FIPVersion);
    int handle = Handle();
    SetBlocking(handle, false);
    if (connect(handle, address.Address(), address.length) != 0) {
        if (errno != EINPROGRESS) {
            RaiseLastSocketError();
        }
        pollfd waits[2] = {{handle, POLLOUT, 0}, {cancelFd, POLLIN, 0}};
        int ready;
        do {
            ready = poll(waits, cancelFd >= 0 ? 2 : 1, -1);
        } while (ready < 0 && errno == EINTR);
        if (ready < 0) {
            RaiseLastSocketError();
        }
        if (cancelFd >= 0 && (waits[1].revents & POLLIN) != 0) {
            return TConnectResult::Cancelled;
        }
        int error = 0;
        socklen_t length = sizeof error;
        getsockopt(handle, SOL_SOCKET, SO_ERROR, &error, &length);
        if (error != 0) {
            RaiseSocketError(SocketErrorFromErrno(error));
        }
    }
    SetBlocking(handle, true);
    UpdateBindingLocal();
    UpdateBindingPeer();
    return TConnectResult::Connected;
}

bool TNetSocketHandle::Readable(int timeoutMs) {
    pollfd wait{Handle(), POLLIN, 0};
    int ready;
    do {
        ready = poll(&wait, 1, timeoutMs < 0 ? -1 : timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready < 0) {
        RaiseLastSocketError();
    }
    return ready > 0;
}

std::size_t TNetSocketHandle::Receive(std::span<std::uint8_t> into) {
    ssize_t received;
    do {
        received = recv(Handle(), into.data(), into.size(), 0);
    } while (received < 0 && errno == EINTR);
    if (received < 0) {
        RaiseLastSocketError();
    }
    return static_cast<std::size_t>(received);
}

std::size_t TNetSocketHandle::Send(std::span<const std::uint8_t> bytes) {
    ssize_t sent;
    do {
        sent = send(Handle(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent < 0) {
        RaiseLastSocketError();
    }
    return static_cast<std::size_t>(sent);
}

void TNetSocketHandle::ShutdownSend() {
    std::lock_guard lock(FLock);
    if (FHandle >= 0) {
        shutdown(FHandle, SHUT_WR);
    }
}

void TNetSocketHandle::CloseSocket() {
    std::lock_guard lock(FLock);
    if (FHandle >= 0) {
        close(FHandle);
        FHandle = -1;
    }
}

void TNetSocketHandle::UpdateBindingLocal() {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    std::lock_guard lock(FLock);
    if (getsockname(FHandle, reinterpret_cast<sockaddr*>(&storage), &length) == 0) {
        ReadAddress(storage, FIP, FPort);
    }
}

void TNetSocketHandle::UpdateBindingPeer() {
    sockaddr_storage storage{};
    socklen_t length = sizeof storage;
    std::lock_guard lock(FLock);
    if (getpeername(FHandle, reinterpret_cast<sockaddr*>(&storage), &length) == 0) {
        ReadAddress(storage, FPeerIP, FPeerPort);
    }
}

std::string TNetSocketHandle::IP() const {
    std::lock_guard lock(FLock);
    return FIP;
}

std::uint16_t TNetSocketHandle::Port() const {
    std::lock_guard lock(FLock);
    return FPort;
}

std::string TNetSocketHandle::PeerIP() const {
    std::lock_guard lock(FLock);
    return FPeerIP;
}

std::uint16_t TNetSocketHandle::PeerPort() const {
    std::lock_guard lock(FLock);
    return FPeerPort;
}
