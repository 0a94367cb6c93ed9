#include "http/NetStack.h"

#include "http/NetException.h"
#include "http/NetSocketErrors.h"

#include <arpa/inet.h>
#include <cerrno>
#include <memory>
#include <netdb.h>
#include <strings.h>
#include <sys/socket.h>

namespace {

int FamilyOf(TNetIPVersion version) {
    return version == TNetIPVersion::Id_IPv6 ? AF_INET6 : AF_INET;
}

struct AddrInfoDeleter {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

std::string AddressText(const sockaddr* address) {
    char text[INET6_ADDRSTRLEN] = {};
    const void* raw =
        address->sa_family == AF_INET6
            ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr)
            : static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
    inet_ntop(address->sa_family, raw, text, sizeof text);
    return text;
}

} // namespace

bool TNetStack::IsIP(const std::string& host, TNetIPVersion version) {
    unsigned char raw[sizeof(in6_addr)];
    return inet_pton(FamilyOf(version), host.c_str(), raw) == 1;
}

std::string TNetStack::ResolveHost(const std::string& host, TNetIPVersion version) {
    if (strcasecmp(host.c_str(), "localhost") == 0) {
        return version == TNetIPVersion::Id_IPv6 ? "::1" : "127.0.0.1";
    }
    if (IsIP(host, version)) {
        return host;
    }
    addrinfo hints{};
    hints.ai_family = FamilyOf(version);
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    int result = getaddrinfo(host.c_str(), nullptr, &hints, &found);
    std::unique_ptr<addrinfo, AddrInfoDeleter> list(found);
    if (result != 0) {
        RaiseSocketError(SocketErrorFromLookup(result, errno));
    }
    if (list == nullptr || list->ai_addr == nullptr) {
        RaiseSocketError(kWSAHOST_NOT_FOUND);
    }
    return AddressText(list->ai_addr);
}

int TNetStack::WSGetLastError() {
    return SocketErrorFromErrno(errno);
}
