#include "platform/shell/ProbeAddress.h"

namespace win {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

bool IsValidPort(std::string_view port) {
    if (port.empty() || port.size() > 5) {
        return false;
    }
    unsigned value = 0;
    for (char c : port) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value >= 1 && value <= 65535;
}

// host, [v6]:port or host:port, from an authority without user information.
std::optional<ProbeAddress> SplitHostPort(std::string_view authority, std::string_view port) {
    std::string_view host = authority;
    std::string_view rest;
    if (authority.starts_with('[')) {
        std::size_t close = authority.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        host = authority.substr(1, close - 1);
        rest = authority.substr(close + 1);
    } else if (std::size_t colon = authority.find(':'); colon != std::string_view::npos) {
        host = authority.substr(0, colon);
        rest = authority.substr(colon);
    }
    if (!rest.empty()) {
        if (rest.front() != ':') {
            return std::nullopt;
        }
        port = rest.substr(1);
    }
    if (host.empty() || !IsValidPort(port)) {
        return std::nullopt;
    }
    return ProbeAddress{std::string(host), std::string(port)};
}

} // namespace

std::optional<ProbeAddress> ParseProbeAddress(std::string_view url) {
    std::size_t schemeEnd = url.find("://");
    if (schemeEnd == std::string_view::npos) {
        return std::nullopt;
    }
    std::string scheme = Lower(url.substr(0, schemeEnd));
    std::string_view defaultPort = scheme == "http" ? "80" : scheme == "https" ? "443" : "";
    if (defaultPort.empty()) {
        return std::nullopt;
    }
    std::string_view rest = url.substr(schemeEnd + 3);
    std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    if (std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
        authority = authority.substr(at + 1);
    }
    return SplitHostPort(authority, defaultPort);
}

} // namespace win
