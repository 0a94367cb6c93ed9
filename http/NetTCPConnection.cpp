#include "http/NetTCPConnection.h"

#include "http/NetException.h"

TNetTCPConnection::~TNetTCPConnection() {
    if (FIOHandler != nullptr && FIOHandler->Opened()) {
        FIOHandler->Close();
    }
}

void TNetTCPConnection::SetIOHandler(TNetIOHandler* AHandler) {
    if (AHandler == FIOHandler) {
        return;
    }
    ReleaseManagedIOHandler();
    FIOHandler = AHandler;
}

void TNetTCPConnection::CreateManagedIOHandler(fw::TComponentPtr<TNetIOHandler> AHandler) {
    ReleaseManagedIOHandler();
    FManagedIOHandler = std::move(AHandler);
    FIOHandler = FManagedIOHandler.get();
    FIOHandler->SetWorkTarget(this);
    FIOHandler->SetOnStatus(OnStatus());
}

void TNetTCPConnection::ReleaseManagedIOHandler() {
    if (FManagedIOHandler != nullptr) {
        FIOHandler = nullptr;
        FManagedIOHandler.reset();
    }
}

bool TNetTCPConnection::Connected() {
    return FIOHandler != nullptr && FIOHandler->Connected();
}

void TNetTCPConnection::Disconnect(bool /*ANotifyPeer: TCP has nothing more to say*/) {
    if (FIOHandler == nullptr || !FIOHandler->Opened()) {
        return;
    }
    DoStatus(TNetStatus::hsDisconnecting);
    FIOHandler->Close();
    if (FOnDisconnected) {
        FOnDisconnected(this);
    }
    DoStatus(TNetStatus::hsDisconnected);
}

void TNetTCPConnection::CheckForGracefulDisconnect(bool ARaiseExceptionIfDisconnected) {
    if (FIOHandler != nullptr) {
        FIOHandler->CheckForDisconnect(ARaiseExceptionIfDisconnected);
    } else if (ARaiseExceptionIfDisconnected) {
        throw ENetNotConnected();
    }
}
