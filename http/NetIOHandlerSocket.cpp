#include "http/NetIOHandlerSocket.h"

#include "http/NetException.h"

void TNetIOHandlerSocket::Open() {
    TNetIOHandler::Open();
    if (FBinding == nullptr) {
        FBinding = std::make_unique<TNetSocketHandle>();
    }
    FBinding->AllocateSocket(FIPVersion);
    if (FReuseSocket) {
        FBinding->SetReuseAddress(true);
    }
    if (!FBoundIP.empty() || FBoundPort != 0) {
        FBinding->Bind(FBoundIP, FBoundPort);
    }
    if (!FUseNagle) {
        FBinding->SetNagle(false);
    }
    ConnectClient();
}

void TNetIOHandlerSocket::Close() {
    TNetIOHandler::Close();
    if (FBinding != nullptr) {
        FBinding->ShutdownSend();
        FBinding->CloseSocket();
    }
}

bool TNetIOHandlerSocket::Connected() {
    CheckForDisconnect(false);
    return !InputBufferIsEmpty() || (BindingAllocated() && Opened() && !FClosedGracefully);
}

void TNetIOHandlerSocket::CheckForDisconnect(bool ARaiseExceptionIfDisconnected,
                                             bool AIgnoreBuffer) {
    bool disconnected = !BindingAllocated();
    if (FClosedGracefully) {
        if (BindingAllocated()) {
            Close();
            DoStatus(TNetStatus::hsDisconnected);
        }
        disconnected = true;
    }
    if (disconnected && (AIgnoreBuffer || InputBufferIsEmpty()) && ARaiseExceptionIfDisconnected) {
        throw ENetConnClosedGracefully();
    }
}
