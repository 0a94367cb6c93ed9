#include "platform/shell/Internet.h"

#include "platform/kernel/SystemMessage.h"
#include "platform/shell/ProbeAddress.h"

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <ifaddrs.h>
#include <memory>
#include <mutex>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace win {

namespace {

using Clock = std::chrono::steady_clock;

// Short enough that a window waiting on the probe repaints without visible lag.
constexpr auto kProbeSlice = std::chrono::milliseconds(30);

bool IsLinkLocal(const sockaddr* address) {
    if (address->sa_family == AF_INET) {
        auto ip = ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
        return (ip & 0xFFFF0000u) == 0xA9FE0000u; // 169.254.0.0/16
    }
    const in6_addr& ip = reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr;
    return IN6_IS_ADDR_LINKLOCAL(&ip);
}

bool IsConnectedInterface(const ifaddrs& entry) {
    const unsigned required = IFF_UP | IFF_RUNNING;
    return (entry.ifa_flags & required) == required && (entry.ifa_flags & IFF_LOOPBACK) == 0 &&
           entry.ifa_addr != nullptr &&
           (entry.ifa_addr->sa_family == AF_INET || entry.ifa_addr->sa_family == AF_INET6) &&
           !IsLinkLocal(entry.ifa_addr);
}

int RemainingMs(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool ConnectWithin(const addrinfo& address, Clock::time_point deadline) {
    int fd = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                    address.ai_protocol);
    if (fd < 0) {
        return false;
    }
    bool connected = connect(fd, address.ai_addr, address.ai_addrlen) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd waiting{fd, POLLOUT, 0};
        int error = 0;
        socklen_t length = sizeof error;
        connected = poll(&waiting, 1, RemainingMs(deadline)) == 1 &&
                    getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
    close(fd);
    return connected;
}

bool ConnectToAny(const ProbeAddress& target, Clock::time_point deadline) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(target.host.c_str(), target.port.c_str(), &hints, &found) != 0) {
        return false;
    }
    bool connected = false;
    for (addrinfo* a = found; a != nullptr && !connected && Clock::now() < deadline;
         a = a->ai_next) {
        connected = ConnectWithin(*a, deadline);
    }
    freeaddrinfo(found);
    return connected;
}

// What the probe's worker reports; shared, because a worker stuck in name
// resolution past the time limit finishes after the caller has gone.
struct ProbeOutcome {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool connected = false;
};

} // namespace

BOOL InternetGetConnectedState(DWORD* flags, DWORD) {
    ifaddrs* interfaces = nullptr;
    bool connected = false;
    if (getifaddrs(&interfaces) == 0) {
        for (ifaddrs* entry = interfaces; entry != nullptr && !connected; entry = entry->ifa_next) {
            connected = IsConnectedInterface(*entry);
        }
        freeifaddrs(interfaces);
    }
    if (flags != nullptr) {
        *flags = connected ? INTERNET_CONNECTION_LAN : INTERNET_CONNECTION_OFFLINE;
    }
    return connected ? TRUE : FALSE;
}

BOOL ProbeConnection(std::string_view url, DWORD milliseconds,
                     const std::function<bool()>& betweenSlices) {
    std::optional<ProbeAddress> target = ParseProbeAddress(url);
    if (!target) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    auto outcome = std::make_shared<ProbeOutcome>();
    try {
        std::thread([outcome, target = *target, deadline] {
            bool connected = ConnectToAny(target, deadline);
            std::lock_guard lock(outcome->mutex);
            outcome->connected = connected;
            outcome->done = true;
            outcome->finished.notify_all();
        }).detach();
    } catch (const std::exception&) {
        return FALSE;
    }
    std::unique_lock lock(outcome->mutex);
    if (betweenSlices) {
        while (!outcome->finished.wait_until(lock, std::min(deadline, Clock::now() + kProbeSlice),
                                             [&] { return outcome->done; }) &&
               Clock::now() < deadline) {
            lock.unlock();
            const bool keepWaiting = betweenSlices();
            lock.lock();
            if (!keepWaiting)
                return FALSE;
        }
    } else {
        outcome->finished.wait_until(lock, deadline, [&] { return outcome->done; });
    }
    if (!outcome->done) {
        SetLastError(ERROR_TIMEOUT);
    }
    return outcome->connected ? TRUE : FALSE;
}

BOOL InternetCheckConnection(const char* url, DWORD, DWORD) {
    if (url == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ProbeConnection(url, kConnectionProbeTimeLimitMs);
}

} // namespace win
