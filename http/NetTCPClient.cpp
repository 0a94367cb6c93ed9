#include "http/NetTCPClient.h"

#include "http/NetException.h"
#include "http/NetIOHandlerStack.h"

void TNetTCPClientCustom::Connect() {
    if (Connected()) {
        throw ENetAlreadyConnected();
    }
    if (FHost.empty()) {
        throw ENetHostRequired();
    }
    if (FPort == 0) {
        throw ENetPortRequired();
    }
    if (IOHandler() == nullptr) {
        CreateManagedIOHandler(fw::MakeComponent<TNetIOHandlerStack>());
    }
    CopySettingsTo(*IOHandler());
    try {
        IOHandler()->Open();
    } catch (...) {
        IOHandler()->Close();
        ReleaseManagedIOHandler();
        throw;
    }
    DoStatus(TNetStatus::hsConnected);
    if (FOnConnected) {
        FOnConnected(this);
    }
}

void TNetTCPClientCustom::CopySettingsTo(TNetIOHandler& handler) const {
    handler.SetHost(FHost);
    handler.SetPort(FPort);
    handler.SetConnectTimeout(FConnectTimeout);
    handler.SetReadTimeout(FReadTimeout);
    if (auto* socket = dynamic_cast<TNetIOHandlerSocket*>(&handler)) {
        socket->SetBoundIP(FBoundIP);
        socket->SetBoundPort(FBoundPort);
        socket->SetIPVersion(FIPVersion);
        socket->SetReuseSocket(FReuseSocket);
        socket->SetUseNagle(FUseNagle);
    }
}
