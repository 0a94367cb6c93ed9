#pragma once
// A socket handler that serves fixed bytes as if a server sent them, in pieces
// of a given size, and closes when they run out; what the client writes is
// dropped. It lets the fuzz targets drive the whole reply path without sockets.

#include "framework/Stream.h"
#include "http/NetIOHandler.h"

#include <cstdint>
#include <span>

class ReplySource : public TNetIOHandler {
public:
    ReplySource(std::span<const std::uint8_t> reply, std::size_t pieceSize)
        : TNetIOHandler(nullptr), FReply(reply), FPieceSize(pieceSize == 0 ? 1 : pieceSize) {}

    void Open() override;
    void Close() override;
    bool Connected() override;
    void CheckForDisconnect(bool ARaiseExceptionIfDisconnected = true,
                            bool AIgnoreBuffer = false) override;
    bool Readable(int AMSec = IdTimeoutInfinite) override;

protected:
    std::size_t ReadDataFromSource(std::span<std::uint8_t> into) override;
    bool SourceIsAvailable() override { return FOpen; }
    void WriteDirect(std::span<const std::uint8_t> ABuffer) override;

private:
    std::span<const std::uint8_t> FReply;
    std::size_t FPieceSize;
    bool FOpen = false;
};

// A stream that counts what is written and keeps nothing, so a reply announcing a
// huge body costs no memory in the fuzzer.
class CountingStream : public fw::TStream {
public:
    std::int64_t Read(void*, std::int64_t) override { return 0; }
    std::int64_t Write(const void*, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, fw::TSeekOrigin origin) override;
    std::int64_t Size() override { return FSize; }
    void SetSize(std::int64_t newSize) override { FSize = newSize; }

private:
    std::int64_t FPosition = 0;
    std::int64_t FSize = 0;
};
