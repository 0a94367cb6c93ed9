#pragma once
// The platform's socket interface as the network layer sees it: name lookup and
// the last socket error, over POSIX sockets.

#include <string>

enum class TNetIPVersion { Id_IPv4, Id_IPv6 };

class TNetStack {
public:
    // "LOCALHOST" (any case) is the loopback address; an address literal of the
    // version is used as it is; otherwise the first address the lookup gives.
    // Raises ENetSocketError (11001 "Host not found." for an unknown name).
    static std::string ResolveHost(const std::string& host, TNetIPVersion version);

    static bool IsIP(const std::string& host, TNetIPVersion version);

    // errno of the last failed call, as a Windows sockets code.
    static int WSGetLastError();
};
