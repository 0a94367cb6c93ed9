#pragma once
// The socket handler over the platform's sockets: readiness waits cut into the
// pump's slices, receives, sends, and connects with or without a time limit.

#include "http/NetIOHandlerSocket.h"

class TNetIOHandlerStack : public TNetIOHandlerSocket {
public:
    using TNetIOHandlerSocket::TNetIOHandlerSocket;

    bool Readable(int AMSec = IdTimeoutInfinite) override;

protected:
    void ConnectClient() override;
    std::size_t ReadDataFromSource(std::span<std::uint8_t> into) override;
    void WriteDirect(std::span<const std::uint8_t> ABuffer) override;

private:
    void ConnectWithTimeout(const std::string& ip, std::int32_t timeout);
};
