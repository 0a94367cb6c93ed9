#pragma once
// A TCP connection: the socket handler it reads and writes through, and the
// disconnect and state checks the protocol clients build on.

#include "http/NetIOHandlerSocket.h"

#include <functional>
#include <memory>

class TNetTCPConnection : public TNetComponent {
public:
    using TNetComponent::TNetComponent;
    ~TNetTCPConnection() override;

    TNetIOHandler* IOHandler() const { return FIOHandler; }
    // Uses a handler owned elsewhere; a handler this connection made is released.
    void SetIOHandler(TNetIOHandler* AHandler);
    bool ManagedIOHandler() const { return FManagedIOHandler != nullptr; }
    // The handler when it is a socket handler, else none.
    TNetIOHandlerSocket* Socket() const { return dynamic_cast<TNetIOHandlerSocket*>(FIOHandler); }

    virtual bool Connected();
    void Disconnect(bool ANotifyPeer = true);
    void CheckForGracefulDisconnect(bool ARaiseExceptionIfDisconnected = true);

    void SetOnDisconnected(std::function<void(fw::TObject*)> handler) {
        FOnDisconnected = std::move(handler);
    }

protected:
    // Uses a handler that this connection owns.
    void CreateManagedIOHandler(fw::TComponentPtr<TNetIOHandler> AHandler);
    void ReleaseManagedIOHandler();

private:
    TNetIOHandler* FIOHandler = nullptr;
    fw::TComponentPtr<TNetIOHandler> FManagedIOHandler;
    std::function<void(fw::TObject*)> FOnDisconnected;
};
