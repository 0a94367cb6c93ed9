#pragma once
// One TCP socket and its addresses. Closing and address updates take the handle's
// lock, so the caller may close the socket while the connect thread still uses it.

#include "http/NetStack.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>

class TNetSocketHandle {
public:
    TNetSocketHandle() = default;
    TNetSocketHandle(const TNetSocketHandle&) = delete;
    TNetSocketHandle& operator=(const TNetSocketHandle&) = delete;
    ~TNetSocketHandle();

    // A stream socket of the version, close-on-exec. Raises ENetSocketError.
    void AllocateSocket(TNetIPVersion version);
    bool HandleAllocated() const;
    int Handle() const;
    TNetIPVersion IPVersion() const { return FIPVersion; }

    void SetReuseAddress(bool reuse);
    void SetNagle(bool useNagle);
    void Bind(const std::string& ip, std::uint16_t port);

    enum class TConnectResult { Connected, Cancelled };
    // Connects to ip:port, waiting without limit until the connection is made or
    // cancelFd (when not -1) becomes readable. Raises ENetSocketError on failure.
    TConnectResult Connect(const std::string& ip, std::uint16_t port, int cancelFd = -1);

    // Waits up to timeoutMs (-1: no limit) for the socket to become readable;
    // a peer close or an error counts as readable, so the next receive reports it.
    bool Readable(int timeoutMs);
    // Bytes received, 0 when the peer has closed. Raises ENetSocketError.
    std::size_t Receive(std::span<std::uint8_t> into);
    // Bytes sent (at least 1). Raises ENetSocketError.
    std::size_t Send(std::span<const std::uint8_t> bytes);

    void ShutdownSend();
    void CloseSocket();

    std::string IP() const;
    std::uint16_t Port() const;
    std::string PeerIP() const;
    std::uint16_t PeerPort() const;

private:
    void UpdateBindingLocal();
    void UpdateBindingPeer();

    mutable std::mutex FLock;
    int FHandle = -1;
    TNetIPVersion FIPVersion = TNetIPVersion::Id_IPv4;
    std::string FIP;
    std::uint16_t FPort = 0;
    std::string FPeerIP;
    std::uint16_t FPeerPort = 0;
};
