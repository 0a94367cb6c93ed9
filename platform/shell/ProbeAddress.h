#pragma once
// Where the connection probe connects: the host and port of an http:// or
// https:// URL (ports 80 and 443 unless the URL names one).

#include <optional>
#include <string>
#include <string_view>

namespace win {

struct ProbeAddress {
    std::string host; // without the brackets of an IPv6 literal
    std::string port;
};

// nullopt for any other scheme, an empty host or a port outside 1..65535.
std::optional<ProbeAddress> ParseProbeAddress(std::string_view url);

} // namespace win
