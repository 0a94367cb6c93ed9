#include "fuzz/http/ReplySource.h"

#include "http/NetException.h"

#include <algorithm>
#include <cstring>

void ReplySource::Open() {
    TNetIOHandler::Open();
    FOpen = true;
}

void ReplySource::Close() {
    TNetIOHandler::Close();
    FOpen = false;
}

bool ReplySource::Connected() {
    CheckForDisconnect(false);
    return !InputBufferIsEmpty() || (FOpen && !FClosedGracefully);
}

void ReplySource::CheckForDisconnect(bool ARaiseExceptionIfDisconnected, bool AIgnoreBuffer) {
    if (FClosedGracefully && FOpen) {
        Close();
    }
    bool disconnected = !FOpen;
    if (disconnected && (AIgnoreBuffer || InputBufferIsEmpty()) && ARaiseExceptionIfDisconnected) {
        throw ENetConnClosedGracefully();
    }
}

bool ReplySource::Readable(int /*AMSec*/) {
    if (!FOpen) {
        throw ENetConnClosedGracefully();
    }
    return true;
}

std::size_t ReplySource::ReadDataFromSource(std::span<std::uint8_t> into) {
    std::size_t count = std::min({into.size(), FPieceSize, FReply.size()});
    std::memcpy(into.data(), FReply.data(), count);
    FReply = FReply.subspan(count);
    return count;
}

void ReplySource::WriteDirect(std::span<const std::uint8_t> ABuffer) {
    DoWork(TWorkMode::wmWrite, std::int64_t(ABuffer.size()));
}

std::int64_t CountingStream::Write(const void*, std::int64_t count) {
    FPosition += count;
    FSize = std::max(FSize, FPosition);
    return count;
}

std::int64_t CountingStream::Seek(std::int64_t offset, fw::TSeekOrigin origin) {
    std::int64_t base = origin == fw::TSeekOrigin::soBeginning ? 0
                        : origin == fw::TSeekOrigin::soCurrent ? FPosition
                                                               : FSize;
    if (base + offset < 0) {
        return -1;
    }
    FPosition = base + offset;
    return FPosition;
}
