#include "http/NetConnectThread.h"

#include "http/NetException.h"
#include "http/NetSocketErrors.h"
#include "http/NetStack.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

TNetConnectThread::TNetConnectThread(TNetSocketHandle& binding, std::string ip, std::uint16_t port)
    : FBinding(binding), FCancelFd(eventfd(0, EFD_CLOEXEC)) {
    if (FCancelFd < 0) {
        RaiseSocketError(TNetStack::WSGetLastError());
    }
    FThread = std::thread(&TNetConnectThread::Execute, this, std::move(ip), port);
}

TNetConnectThread::~TNetConnectThread() {
    Terminate();
    WaitFor();
    close(FCancelFd);
}

void TNetConnectThread::Terminate() {
    std::uint64_t one = 1;
    ssize_t written = write(FCancelFd, &one, sizeof one);
    (void)written; // a full counter already signals the cancel
}

void TNetConnectThread::WaitFor() {
    if (FThread.joinable()) {
        FThread.join();
    }
}

void TNetConnectThread::Execute(std::string ip, std::uint16_t port) {
    try {
        FBinding.Connect(ip, port, FCancelFd);
    } catch (const ENetSocketError& e) {
        // A socket closed under the thread by the caller's time limit is no failure.
        if (e.LastError() != kWSAENOTSOCK && e.LastError() != kWSAEBADF) {
            FFailure = TFailure{e.Message(), e.LastError()};
        }
    } catch (const std::exception& e) {
        FFailure = TFailure{e.what(), std::nullopt};
    }
    std::lock_guard lock(FLock);
    FFinished = true;
    FFinishedSignal.notify_all();
}

bool TNetConnectThread::Finished() const {
    std::lock_guard lock(FLock);
    return FFinished;
}

bool TNetConnectThread::WaitForFinish(int AMSec) {
    std::unique_lock lock(FLock);
    return FFinishedSignal.wait_for(lock, std::chrono::milliseconds(AMSec),
                                    [this] { return FFinished; });
}
