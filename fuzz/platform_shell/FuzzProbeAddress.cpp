// The probe's URL reader: an accepted URL has a host and a port of 1..65535.

#include "platform/shell/ProbeAddress.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view url(reinterpret_cast<const char*>(data), size);
    if (auto address = win::ParseProbeAddress(url)) {
        int port = std::stoi(address->port);
        if (address->host.empty() || port < 1 || port > 65535) {
            std::abort();
        }
    }
    return 0;
}
