#include "http/NetIOHandler.h"

#include "framework/MemoryStream.h"
#include "http/NetException.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <typeinfo>

namespace {

// How long the first bytes of a block wait for the rest before they are taken:
// a slow body still shows its progress, a fast one keeps its large blocks.
constexpr std::chrono::milliseconds kBlockWaitLimit{20};

// What is left of that wait for a block whose first bytes came at firstBytes,
// in ms; 0 or less once the block is to be taken as it stands.
int BlockWaitLeft(std::chrono::steady_clock::time_point firstBytes) {
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - firstBytes);
    return int((kBlockWaitLimit - waited).count());
}

// The most a stream can hold: a memory stream refuses more than MaxSize bytes, so
// a reply announcing more is refused before anything is allocated.
std::int64_t StreamCapacity(fw::TStream& stream) {
    if (dynamic_cast<fw::TMemoryStream*>(&stream) != nullptr) {
        return fw::TMemoryStream::MaxSize;
    }
    return std::numeric_limits<std::int64_t>::max();
}

void CheckRoom(fw::TStream& stream, std::int64_t count) {
    if (count > StreamCapacity(stream) - stream.Position()) {
        throw ENetIOHandlerStreamDataTooLarge();
    }
}

// Cuts the stream back to its position when a read ends, however it ends.
class TStreamTrim {
public:
    explicit TStreamTrim(fw::TStream& stream) : FStream(stream) {}
    TStreamTrim(const TStreamTrim&) = delete;
    TStreamTrim& operator=(const TStreamTrim&) = delete;
    ~TStreamTrim() {
        std::int64_t position = FStream.Position();
        if (FStream.Size() > position) {
            FStream.SetSize(position);
        }
    }

private:
    fw::TStream& FStream;
};

} // namespace

std::string AsciiDecode(std::span<const std::uint8_t> bytes) {
    std::string text(bytes.size(), '?');
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](std::uint8_t b) { return b < 0x80 ? static_cast<char>(b) : '?'; });
    return text;
}

std::vector<std::uint8_t> AsciiEncode(std::string_view text) {
    std::vector<std::uint8_t> bytes(text.size());
    std::transform(text.begin(), text.end(), bytes.begin(), [](char c) {
        auto b = static_cast<std::uint8_t>(c);
        return b < 0x80 ? b : static_cast<std::uint8_t>('?');
    });
    return bytes;
}

TNetIOHandler::TNetIOHandler(fw::TComponent* AOwner) : TNetComponent(AOwner) {
    FInputBuffer.SetOnBytesRemoved(
        [this](std::int64_t count) { DoWork(TWorkMode::wmRead, count); });
}

void TNetIOHandler::Open() {
    FOpened = true;
    FClosedGracefully = false;
    FWriteBuffer.reset();
    FInputBuffer.Clear();
}

void TNetIOHandler::Close() {
    FWriteBuffer.reset();
    FOpened = false;
}

bool TNetIOHandler::CheckForDataOnSource(int ATimeout) {
    if (!Connected()) {
        return false;
    }
    return ReadFromSource(false, ATimeout, false) > 0;
}

int TNetIOHandler::ReadFromSource(bool ARaiseExceptionIfDisconnected, int ATimeout,
                                  bool ARaiseExceptionOnTimeout) {
    return ReceiveOnce(ARaiseExceptionIfDisconnected, ATimeout, ARaiseExceptionOnTimeout, {});
}

int TNetIOHandler::ReceiveOnce(bool ARaiseExceptionIfDisconnected, int ATimeout,
                               bool ARaiseExceptionOnTimeout, std::span<std::uint8_t> ADirect) {
    if (ATimeout == IdTimeoutDefault) {
        ATimeout = FReadTimeOut > 0 ? FReadTimeOut : IdTimeoutInfinite;
    }
    CheckForDisconnect(ARaiseExceptionIfDisconnected, false);
    if (!SourceIsAvailable()) {
        if (ARaiseExceptionIfDisconnected) {
            throw ENetNotConnected();
        }
        return 0;
    }
    for (;;) {
        if (!Readable(ATimeout)) {
            if (ARaiseExceptionOnTimeout) {
                throw ENetReadTimeout();
            }
            return -1;
        }
        const bool buffered = ADirect.empty();
        std::span<std::uint8_t> room =
            buffered ? FInputBuffer.Reserve(static_cast<std::size_t>(FRecvBufferSize)) : ADirect;
        std::size_t received = 0;
        try {
            received = ReadDataFromSource(room);
        } catch (...) {
            if (buffered) {
                FInputBuffer.Commit(0);
            }
            throw;
        }
        if (buffered) {
            FInputBuffer.Commit(received);
        }
        FBytesReceived += received;
        if (received == 0) {
            FClosedGracefully = true;
        }
        CheckForDisconnect(ARaiseExceptionIfDisconnected, false);
        if (received > 0) {
            return static_cast<int>(received);
        }
        if (!SourceIsAvailable()) {
            return 0;
        }
    }
}

std::string TNetIOHandler::ReadLn(char ATerminator, int ATimeout, int AMaxLineLength) {
    const std::size_t maxLength =
        static_cast<std::size_t>(AMaxLineLength < 0 ? FMaxLineLength : AMaxLineLength);
    FReadLnSplit = false;
    FReadLnTimedOut = false;
    const auto start = std::chrono::steady_clock::now();
    std::size_t searchFrom = 0;
    for (;;) {
        std::optional<std::size_t> terminator =
            FInputBuffer.IndexOf(static_cast<std::uint8_t>(ATerminator), searchFrom);
        // Without a terminator yet, the buffered bytes already count against the
        // limit, so a line that never ends cannot fill memory.
        std::size_t lineLength = terminator ? *terminator : FInputBuffer.Size();
        if (maxLength > 0 && lineLength > maxLength) {
            if (FMaxLineAction == TNetMaxLineAction::maException) {
                throw ENetReadLnMaxLineLengthExceeded();
            }
            FReadLnSplit = true;
            return TakeLine(maxLength, 0, ATerminator);
        }
        if (terminator) {
            return TakeLine(*terminator, 1, ATerminator);
        }
        searchFrom = FInputBuffer.Size();
        CheckForDisconnect(true, true);
        int received = ReadFromSource(true, ATimeout, ATimeout == IdTimeoutDefault);
        auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        if (received == -1 || (ATimeout >= 0 && elapsed.count() >= ATimeout)) {
            FReadLnTimedOut = true;
            return {};
        }
    }
}

std::string TNetIOHandler::TakeLine(std::size_t ALength, std::size_t ATerminatorLength,
                                    char ATerminator) {
    std::string line = AsciiDecode(FInputBuffer.Bytes().first(ALength));
    FInputBuffer.Remove(ALength + ATerminatorLength);
    if (ATerminatorLength > 0 && ATerminator == '\n' && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

void TNetIOHandler::FillInputBuffer(std::size_t AByteCount) {
    while (FInputBuffer.Size() < AByteCount) {
        int received = ReadFromSource(false, IdTimeoutDefault, true);
        if (received <= 0 || FInputBuffer.Size() < AByteCount) {
            CheckForDisconnect(true, true);
        }
    }
}

std::vector<std::uint8_t> TNetIOHandler::ReadBytes(std::size_t AByteCount) {
    FillInputBuffer(AByteCount);
    std::span<const std::uint8_t> bytes = FInputBuffer.Bytes().first(AByteCount);
    std::vector<std::uint8_t> result(bytes.begin(), bytes.end());
    FInputBuffer.Remove(AByteCount);
    return result;
}

void TNetIOHandler::ReadStream(fw::TStream& AStream, std::int64_t AByteCount,
                               bool AReadUntilDisconnect) {
    if (AByteCount < 0) {
        AReadUntilDisconnect = true;
    }
    if (!AReadUntilDisconnect) {
        CheckRoom(AStream, AByteCount);
        std::int64_t position = AStream.Position();
        AStream.SetSize(position + AByteCount);
        AStream.SetPosition(position);
    }
    TStreamTrim trim(AStream);
    TNetWorkScope work(*this, TWorkMode::wmRead, AReadUntilDisconnect ? 0 : AByteCount);
    ReadBlocks(AStream, AByteCount, AReadUntilDisconnect);
}

void TNetIOHandler::ReadBlocks(fw::TStream& AStream, std::int64_t AByteCount,
                               bool AReadUntilDisconnect) {
    std::size_t buffered = FInputBuffer.Size();
    if (!AReadUntilDisconnect) {
        buffered = static_cast<std::size_t>(std::min<std::int64_t>(AByteCount, buffered));
    }
    TakeIntoStream(AStream, buffered);
    // A subclass may watch what is written to it: only a plain memory stream
    // takes bytes straight from the socket.
    auto* memory = typeid(AStream) == typeid(fw::TMemoryStream)
                       ? static_cast<fw::TMemoryStream*>(&AStream)
                       : nullptr;
    std::int64_t remaining = AReadUntilDisconnect ? -1 : AByteCount - std::int64_t(buffered);
    while (AReadUntilDisconnect || remaining > 0) {
        std::size_t block = static_cast<std::size_t>(FRecvBufferSize);
        if (!AReadUntilDisconnect) {
            block = static_cast<std::size_t>(std::min<std::int64_t>(remaining, block));
        }
        const std::int64_t start = memory != nullptr ? memory->Position() : 0;
        TBlockEnd end = memory != nullptr && InputBufferIsEmpty() ? ReceiveBlockInto(*memory, block)
                                                                  : TBlockEnd::NoRoom;
        if (end == TBlockEnd::Closed) {
            if (AReadUntilDisconnect) {
                return;
            }
            throw ENetConnClosedGracefully();
        }
        if (end == TBlockEnd::Taken) {
            remaining -= memory->Position() - start;
            TNetAntiFreezeBase::DoProcess(true);
            continue;
        }
        try {
            FillBlock(block);
        } catch (const ENetConnClosedGracefully&) {
            TakeIntoStream(AStream, std::min(block, FInputBuffer.Size()));
            if (AReadUntilDisconnect) {
                return;
            }
            throw;
        } catch (...) {
            TakeIntoStream(AStream, std::min(block, FInputBuffer.Size()));
            throw;
        }
        block = std::min(block, FInputBuffer.Size());
        TakeIntoStream(AStream, block);
        remaining -= std::int64_t(block);
        TNetAntiFreezeBase::DoProcess(true);
    }
}

// Waits as long as it takes for the first byte, then at most kBlockWaitLimit
// for the block to fill; a close or a quiet source ends the block early.
void TNetIOHandler::FillBlock(std::size_t ABlockSize) {
    FillInputBuffer(1);
    const auto firstBytes = std::chrono::steady_clock::now();
    while (FInputBuffer.Size() < ABlockSize) {
        const int left = BlockWaitLeft(firstBytes);
        if (left <= 0 || ReadFromSource(false, left, false) <= 0) {
            return;
        }
    }
}

// Receives a block straight into the memory stream at its position, so each byte
// is copied once (by the system) instead of twice; the work events and the ends
// (a close, a failure) are those of the way through the receive buffer. NoRoom,
// having done nothing, when the stream has no room for a whole block: the
// buffered way then takes what arrives up to the limit.
TNetIOHandler::TBlockEnd TNetIOHandler::ReceiveBlockInto(fw::TMemoryStream& AStream,
                                                         std::size_t ABlock) {
    const std::int64_t position = AStream.Position();
    if (std::int64_t(ABlock) > fw::TMemoryStream::MaxSize - position) {
        return TBlockEnd::NoRoom;
    }
    if (AStream.Size() < position + std::int64_t(ABlock)) {
        AStream.SetSize(position + std::int64_t(ABlock));
    }
    auto* into = static_cast<std::uint8_t*>(AStream.Memory()) + position;
    std::size_t got = 0;
    auto account = [&] {
        AStream.SetPosition(position + std::int64_t(got));
        if (got > 0) {
            DoWork(TWorkMode::wmRead, std::int64_t(got));
        }
    };
    try {
        std::chrono::steady_clock::time_point firstBytes;
        while (got < ABlock) {
            // The first byte is waited for as long as it takes, the rest of
            // the block only as long as FillBlock waits for it.
            int wait = IdTimeoutDefault;
            if (got > 0) {
                wait = BlockWaitLeft(firstBytes);
                if (wait <= 0) {
                    break;
                }
            }
            int received = ReceiveOnce(false, wait, got == 0, {into + got, ABlock - got});
            if (received > 0) {
                if (got == 0) {
                    firstBytes = std::chrono::steady_clock::now();
                }
                got += std::size_t(received);
            } else if (received < 0) {
                break;
            } else {
                CheckForDisconnect(true, true);
            }
        }
    } catch (const ENetConnClosedGracefully&) {
        account();
        return TBlockEnd::Closed;
    } catch (...) {
        account();
        throw;
    }
    account();
    return TBlockEnd::Taken;
}

void TNetIOHandler::TakeIntoStream(fw::TStream& AStream, std::size_t AByteCount) {
    if (AByteCount == 0) {
        return;
    }
    CheckRoom(AStream, std::int64_t(AByteCount));
    AStream.WriteBuffer(FInputBuffer.Bytes().data(), std::int64_t(AByteCount));
    FInputBuffer.Remove(AByteCount);
}

void TNetIOHandler::Discard(std::int64_t AByteCount) {
    if (AByteCount <= 0) {
        return;
    }
    TNetWorkScope work(*this, TWorkMode::wmRead, AByteCount);
    while (AByteCount > 0) {
        FillInputBuffer(1);
        auto take = static_cast<std::size_t>(
            std::min<std::int64_t>(AByteCount, std::int64_t(FInputBuffer.Size())));
        FInputBuffer.Remove(take);
        AByteCount -= std::int64_t(take);
    }
}

void TNetIOHandler::DiscardAll() {
    TNetWorkScope work(*this, TWorkMode::wmRead, 0);
    FInputBuffer.Clear();
    try {
        for (;;) {
            ReadFromSource(true, IdTimeoutDefault, true);
            FInputBuffer.Clear();
            TNetAntiFreezeBase::DoProcess(true);
        }
    } catch (const ENetConnClosedGracefully&) {
        FInputBuffer.Clear();
    } catch (...) {
        FInputBuffer.Clear();
        throw;
    }
}

void TNetIOHandler::Write(std::string_view AOut) {
    Write(AsciiEncode(AOut));
}

void TNetIOHandler::WriteLn(std::string_view AOut) {
    std::string line(AOut);
    line += "\r\n";
    Write(line);
}

void TNetIOHandler::Write(std::span<const std::uint8_t> ABuffer) {
    if (FWriteBuffer == nullptr) {
        WriteDirect(ABuffer);
        return;
    }
    FWriteBuffer->insert(FWriteBuffer->end(), ABuffer.begin(), ABuffer.end());
    if (FWriteBufferThreshold > 0) {
        auto threshold = static_cast<std::size_t>(FWriteBufferThreshold);
        while (FWriteBuffer != nullptr && FWriteBuffer->size() >= threshold) {
            SendWriteBuffer(threshold);
        }
    }
}

void TNetIOHandler::WriteBufferOpen(int AThreshold) {
    FWriteBuffer = std::make_unique<std::vector<std::uint8_t>>();
    FWriteBufferThreshold = AThreshold;
}

void TNetIOHandler::WriteBufferClose() {
    if (FWriteBuffer == nullptr) {
        return;
    }
    std::unique_ptr<std::vector<std::uint8_t>> pending = std::move(FWriteBuffer);
    if (!pending->empty()) {
        WriteDirect(*pending);
    }
}

void TNetIOHandler::WriteBufferCancel() {
    FWriteBuffer.reset();
}

void TNetIOHandler::WriteBufferFlush() {
    if (FWriteBuffer != nullptr) {
        SendWriteBuffer(FWriteBuffer->size());
    }
}

// Sends the first AByteCount buffered bytes; they leave the buffer before the send,
// so a failing send does not resend them.
void TNetIOHandler::SendWriteBuffer(std::size_t AByteCount) {
    std::vector<std::uint8_t> piece(FWriteBuffer->begin(),
                                    FWriteBuffer->begin() + std::ptrdiff_t(AByteCount));
    FWriteBuffer->erase(FWriteBuffer->begin(), FWriteBuffer->begin() + std::ptrdiff_t(AByteCount));
    if (!piece.empty()) {
        WriteDirect(piece);
    }
}
