#pragma once
// The two connectivity tests of the internet layer.
//
// InternetGetConnectedState: connected when some network interface is up,
// running, not loopback, and has an IPv4 or IPv6 address that is not link-local
// (a link-local address is what an interface gets with no network configured).
// No server is contacted.
//
// InternetCheckConnection: a real TCP connection to the host and port of an
// http:// or https:// URL (default ports 80 and 443), made whatever the flags
// say, within kConnectionProbeTimeLimitMs, name resolution included. Any failure
// is FALSE; nothing is raised.

#include "platform/kernel/WinTypes.h"

#include <functional>
#include <string_view>

namespace win {

constexpr DWORD INTERNET_CONNECTION_MODEM = 0x01;
constexpr DWORD INTERNET_CONNECTION_LAN = 0x02;
constexpr DWORD INTERNET_CONNECTION_OFFLINE = 0x20;
constexpr DWORD FLAG_ICC_FORCE_CONNECTION = 0x01;

constexpr DWORD kConnectionProbeTimeLimitMs = 5000;

BOOL InternetGetConnectedState(DWORD* flags, DWORD reserved);
BOOL InternetCheckConnection(const char* url, DWORD flags, DWORD reserved);

// The probe with a time limit of the caller's choosing. The attempt runs on a
// thread of its own; with betweenSlices the caller's thread waits for it in
// short slices and calls betweenSlices after each one (a GUI thread turns its
// message pump there, so its windows keep painting); when that returns false
// the caller stops waiting and the probe reads as failed.
BOOL ProbeConnection(std::string_view url, DWORD milliseconds,
                     const std::function<bool()>& betweenSlices = {});

} // namespace win
