#include "platform/shell/Internet.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

std::string RunShell(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 256> buffer;
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
        output += buffer.data();
    }
    return output;
}

bool CanMakeNetworkNamespaces() {
    return RunShell("unshare -n sh -c 'ip link add v0 type veth peer name v1 && echo yes' "
                    "2>/dev/null") == "yes\n";
}

// The connection state as seen inside a new network namespace after setup.
std::string StateInNamespace(const std::string& setup) {
    std::string script = setup + " >/dev/null 2>&1; " + TEST_CONNECTED_STATE_PATH;
    return RunShell("unshare -n sh -c '" + script + "'");
}

TEST(ConnectedState, CountsOnlyInterfacesThatAreUpRunningAndAddressed) {
    if (!CanMakeNetworkNamespaces()) {
        GTEST_SKIP() << "network namespaces with veth pairs are not available here "
                        "(unshare -n needs root or user namespaces)";
    }
    const std::string pair = "ip link add v0 type veth peer name v1";
    // The operational state (and with it "running") turns up a moment after both ends.
    const std::string awaitCarrier = "; for i in $(seq 100); do ip link show v0 | grep -q \"state "
                                     "UP\" && break; sleep 0.05; done";
    const struct {
        const char* what;
        std::string setup;
        const char* expected;
    } cases[] = {
        {"nothing but loopback, down", "true", "0 32\n"},
        {"loopback up", "ip link set lo up", "0 32\n"},
        {"an address but no carrier",
         "ip link set lo up; " + pair + "; ip addr add 192.0.2.1/24 dev v0; ip link set v0 up",
         "0 32\n"},
        {"up and running, link-local address only",
         pair + "; ip link set v1 up; ip link set v0 up" + awaitCarrier, "0 32\n"},
        {"up, running and addressed",
         pair + "; ip addr add 192.0.2.1/24 dev v0; ip link set v1 up; ip link set v0 up", "1 2\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StateInNamespace(c.setup), c.expected) << c.what;
    }
}

} // namespace
