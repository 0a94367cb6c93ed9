#include "http/NetIOHandlerStack.h"

#include "http/NetConnectThread.h"
#include "http/NetException.h"
#include "http/NetSocketErrors.h"

#include <algorithm>
#include <chrono>

namespace {

// A connect through the pump has a limit even when none was asked for, so the
// window cannot wait for ever on a host that never answers.
constexpr std::int32_t kPumpConnectLimit = 120000;
constexpr int kConnectSlice = 125;

std::int64_t ElapsedMs(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
}

} // namespace

bool TNetIOHandlerStack::Readable(int AMSec) {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        // Both are looked up again at every step: a handler run by the pump may
        // have closed the connection, or freed the pump itself.
        if (!BindingAllocated()) {
            throw ENetConnClosedGracefully();
        }
        const int remaining =
            AMSec < 0 ? -1 : int(std::max<std::int64_t>(AMSec - ElapsedMs(start), 0));
        if (!TNetAntiFreezeBase::ShouldUse()) {
            return Binding()->Readable(remaining);
        }
        int slice = TNetAntiFreezeBase::Current()->IdleTimeOut();
        if (remaining >= 0) {
            slice = std::min(slice, remaining);
        }
        bool ready = Binding()->Readable(slice);
        TNetAntiFreezeBase::DoProcess(!ready);
        if (ready) {
            return true;
        }
        if (AMSec >= 0 && ElapsedMs(start) >= AMSec) {
            return false;
        }
    }
}

std::size_t TNetIOHandlerStack::ReadDataFromSource(std::span<std::uint8_t> into) {
    return Binding()->Receive(into);
}

void TNetIOHandlerStack::WriteDirect(std::span<const std::uint8_t> ABuffer) {
    CheckForDisconnect(true, true);
    while (!ABuffer.empty()) {
        std::size_t sent = 0;
        try {
            sent = Binding()->Send(ABuffer);
        } catch (const ENetSocketError& e) {
            if (e.LastError() == kWSAESHUTDOWN || e.LastError() == kWSAECONNABORTED ||
                e.LastError() == kWSAECONNRESET) {
                FClosedGracefully = true;
                Close();
            }
            throw;
        }
        TNetAntiFreezeBase::DoProcess(false);
        if (sent == 0) {
            FClosedGracefully = true;
        }
        CheckForDisconnect(true, false);
        DoWork(TWorkMode::wmWrite, std::int64_t(sent));
        ABuffer = ABuffer.subspan(sent);
    }
}

void TNetIOHandlerStack::ConnectClient() {
    DoStatus(TNetStatus::hsResolving, Host());
    std::string ip = TNetStack::ResolveHost(Host(), IPVersion());
    DoStatus(TNetStatus::hsConnecting, ip);
    std::int32_t timeout = ConnectTimeout();
    if (timeout == 0 && TNetAntiFreezeBase::ShouldUse()) {
        timeout = kPumpConnectLimit;
    }
    if (timeout == 0) {
        Binding()->Connect(ip, Port());
    } else {
        ConnectWithTimeout(ip, timeout);
    }
}

// The connect runs on its own thread while this one waits in slices and lets the
// pump turn; timeout -1 waits without limit.
void TNetIOHandlerStack::ConnectWithTimeout(const std::string& ip, std::int32_t timeout) {
    const auto start = std::chrono::steady_clock::now();
    TNetConnectThread thread(*Binding(), ip, Port());
    for (;;) {
        int slice = kConnectSlice;
        if (TNetAntiFreezeBase::ShouldUse()) {
            slice = std::min(slice, TNetAntiFreezeBase::Current()->IdleTimeOut());
        }
        if (thread.WaitForFinish(slice)) {
            break;
        }
        TNetAntiFreezeBase::DoProcess(true);
        if (timeout >= 0 && ElapsedMs(start) >= timeout) {
            thread.Terminate();
            thread.WaitFor();
            Binding()->CloseSocket();
            throw ENetConnectTimeout();
        }
    }
    thread.WaitFor();
    if (const auto& failure = thread.Failure()) {
        if (failure->SocketError) {
            throw ENetSocketError(*failure->SocketError, failure->Message);
        }
        throw ENetConnectException(failure->Message);
    }
}
