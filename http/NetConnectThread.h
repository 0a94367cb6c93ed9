#pragma once
// Runs a blocking connect on its own thread so the caller can wait for it in
// slices, keep the pump turning and give up after a time limit. A failure is
// recorded for the caller instead of being raised on the thread.

#include "http/NetSocketHandle.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class TNetConnectThread {
public:
    struct TFailure {
        std::string Message;
        std::optional<int> SocketError; // set when the failure was a socket error
    };

    // Starts connecting binding to ip:port at once.
    TNetConnectThread(TNetSocketHandle& binding, std::string ip, std::uint16_t port);
    TNetConnectThread(const TNetConnectThread&) = delete;
    TNetConnectThread& operator=(const TNetConnectThread&) = delete;
    ~TNetConnectThread(); // stops and awaits the thread

    bool Finished() const;
    // Waits up to AMSec for the connect to end; true when it has.
    bool WaitForFinish(int AMSec);
    // Tells a pending connect to give up; the thread then ends soon.
    void Terminate();
    void WaitFor();
    // What went wrong, once Finished; empty after a success or a cancel.
    const std::optional<TFailure>& Failure() const { return FFailure; }

private:
    void Execute(std::string ip, std::uint16_t port);

    TNetSocketHandle& FBinding;
    int FCancelFd;
    std::optional<TFailure> FFailure;
    mutable std::mutex FLock;
    std::condition_variable FFinishedSignal;
    bool FFinished = false;
    std::thread FThread;
};
