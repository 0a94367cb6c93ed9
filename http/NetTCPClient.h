#pragma once
// A TCP client connection: where to connect, with which limits, and the connect
// itself, which makes a socket handler on first use.

#include "http/NetTCPConnection.h"

#include <cstdint>
#include <functional>
#include <string>

class TNetTCPClientCustom : public TNetTCPConnection {
public:
    using TNetTCPConnection::TNetTCPConnection;

    // Raises ENetAlreadyConnected, ENetHostRequired, ENetPortRequired, or what the
    // lookup and the connect raise; a handler it made is released on failure.
    void Connect();

    const std::string& Host() const { return FHost; }
    void SetHost(std::string value) { FHost = std::move(value); }
    std::uint16_t Port() const { return FPort; }
    void SetPort(std::uint16_t value) { FPort = value; }
    std::int32_t ConnectTimeout() const { return FConnectTimeout; }
    void SetConnectTimeout(std::int32_t value) { FConnectTimeout = value; }
    std::int32_t ReadTimeout() const { return FReadTimeout; }
    void SetReadTimeout(std::int32_t value) { FReadTimeout = value; }
    const std::string& BoundIP() const { return FBoundIP; }
    void SetBoundIP(std::string value) { FBoundIP = std::move(value); }
    std::uint16_t BoundPort() const { return FBoundPort; }
    void SetBoundPort(std::uint16_t value) { FBoundPort = value; }
    TNetIPVersion IPVersion() const { return FIPVersion; }
    void SetIPVersion(TNetIPVersion value) { FIPVersion = value; }
    bool ReuseSocket() const { return FReuseSocket; }
    void SetReuseSocket(bool value) { FReuseSocket = value; }
    bool UseNagle() const { return FUseNagle; }
    void SetUseNagle(bool value) { FUseNagle = value; }

    void SetOnConnected(std::function<void(fw::TObject*)> handler) {
        FOnConnected = std::move(handler);
    }

private:
    void CopySettingsTo(TNetIOHandler& handler) const;

    std::string FHost;
    std::uint16_t FPort = 0;
    std::int32_t FConnectTimeout = 0;
    std::int32_t FReadTimeout = -1;
    std::string FBoundIP;
    std::uint16_t FBoundPort = 0;
    TNetIPVersion FIPVersion = TNetIPVersion::Id_IPv4;
    bool FReuseSocket = false;
    bool FUseNagle = true;
    std::function<void(fw::TObject*)> FOnConnected;
};
