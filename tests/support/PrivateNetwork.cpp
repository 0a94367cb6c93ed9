#include "tests/support/PrivateNetwork.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <sched.h>
#include <thread>
#include <unistd.h>

namespace testing_support {

namespace {

// A documentation address (TEST-NET-2): never routed anywhere, and no traffic
// is sent to it; it only makes the interface count as configured.
constexpr const char* kConnectCommands =
    "ip link add tlv0 type veth peer name tlv1 && ip addr add 198.51.100.1/24 dev tlv0 && "
    "ip link set tlv0 up && ip link set tlv1 up";

bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

bool InterfaceRunning(const char* name) {
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    bool running = false;
    for (ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next)
        running = running || (std::strcmp(entry->ifa_name, name) == 0 &&
                              (entry->ifa_flags & IFF_RUNNING) != 0 && entry->ifa_addr != nullptr &&
                              entry->ifa_addr->sa_family == AF_INET);
    freeifaddrs(interfaces);
    return running;
}

} // namespace

PrivateNetwork::PrivateNetwork(Shape shape) {
    previous_ = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    if (previous_ < 0) {
        problem_ =
            std::string("cannot hold the current network namespace: ") + std::strerror(errno);
        return;
    }
    if (::unshare(CLONE_NEWNET) != 0) {
        problem_ =
            std::string("no private network namespace (needs root): ") + std::strerror(errno);
        return;
    }
    unshared_ = true;
    if (!Run("ip link set lo up")) {
        problem_ = "loopback could not be brought up (is iproute2 installed?)";
        return;
    }
    if (shape == Shape::Offline)
        return;
    if (!Run(kConnectCommands)) {
        problem_ = "no veth pair could be made in the namespace";
        return;
    }
    // A veth end reports running once its peer is up, a moment later.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!InterfaceRunning("tlv0") && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!InterfaceRunning("tlv0"))
        problem_ = "the veth pair never came up";
}

PrivateNetwork::~PrivateNetwork() {
    if (unshared_)
        ::setns(previous_, CLONE_NEWNET);
    if (previous_ >= 0)
        ::close(previous_);
}

} // namespace testing_support
