#pragma once
// A socket handler: the buffered reader over one TCP socket, with the socket's
// bind and option settings and the connection state checks.

#include "http/NetIOHandler.h"
#include "http/NetSocketHandle.h"
#include "http/NetStack.h"

#include <memory>

class TNetIOHandlerSocket : public TNetIOHandler {
public:
    using TNetIOHandler::TNetIOHandler;

    // Opens and connects: allocates the socket, applies the bind settings, then
    // connects to Host:Port (ConnectClient).
    void Open() override;
    void Close() override;
    bool Connected() override;
    void CheckForDisconnect(bool ARaiseExceptionIfDisconnected = true,
                            bool AIgnoreBuffer = false) override;

    // The socket, made at the first Open and reused by later ones.
    TNetSocketHandle* Binding() const { return FBinding.get(); }
    bool BindingAllocated() const { return FBinding != nullptr && FBinding->HandleAllocated(); }

    const std::string& BoundIP() const { return FBoundIP; }
    void SetBoundIP(std::string value) { FBoundIP = std::move(value); }
    std::uint16_t BoundPort() const { return FBoundPort; }
    void SetBoundPort(std::uint16_t value) { FBoundPort = value; }
    TNetIPVersion IPVersion() const { return FIPVersion; }
    void SetIPVersion(TNetIPVersion value) { FIPVersion = value; }
    bool UseNagle() const { return FUseNagle; }
    void SetUseNagle(bool value) { FUseNagle = value; }
    bool ReuseSocket() const { return FReuseSocket; }
    void SetReuseSocket(bool value) { FReuseSocket = value; }

protected:
    virtual void ConnectClient() = 0;
    bool SourceIsAvailable() override { return BindingAllocated(); }

private:
    std::unique_ptr<TNetSocketHandle> FBinding;
    std::string FBoundIP;
    std::uint16_t FBoundPort = 0;
    TNetIPVersion FIPVersion = TNetIPVersion::Id_IPv4;
    bool FUseNagle = true;
    bool FReuseSocket = false;
};
