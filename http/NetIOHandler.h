#pragma once
// The buffered reader and writer over a byte source: line, counted and
// close-delimited reads through the receive buffer, and sends with optional
// buffering. The socket handlers below supply the source itself.

#include "framework/Stream.h"
#include "http/NetBuffer.h"
#include "http/NetComponent.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace fw {
class TMemoryStream;
}

enum class TNetMaxLineAction { maException, maSplit };

// A timeout argument meaning "the handler's own ReadTimeout".
constexpr int IdTimeoutDefault = -1;
// A wait without limit.
constexpr int IdTimeoutInfinite = -2;

class TNetIOHandler : public TNetComponent {
public:
    explicit TNetIOHandler(fw::TComponent* AOwner);

    // Marks the handler open and empties its send and receive buffers.
    virtual void Open();
    // Drops the send buffer and marks the handler not open.
    virtual void Close();
    virtual bool Connected() = 0;
    // Notices a peer close; raises ENetConnClosedGracefully when asked and
    // nothing (or, with AIgnoreBuffer, not even buffered bytes) can still be read.
    virtual void CheckForDisconnect(bool ARaiseExceptionIfDisconnected = true,
                                    bool AIgnoreBuffer = false) = 0;
    // Whether the source becomes readable within AMSec (-1: no limit).
    virtual bool Readable(int AMSec = IdTimeoutInfinite) = 0;

    bool CheckForDataOnSource(int ATimeout = 0);
    bool InputBufferIsEmpty() const { return FInputBuffer.IsEmpty(); }
    TNetBuffer& InputBuffer() { return FInputBuffer; }

    // A line up to ATerminator, the terminator dropped (and a CR before an LF);
    // AMaxLineLength -1 stands for MaxLineLength.
    std::string ReadLn(char ATerminator = '\n', int ATimeout = IdTimeoutDefault,
                       int AMaxLineLength = -1);
    std::vector<std::uint8_t> ReadBytes(std::size_t AByteCount);
    // AByteCount bytes (all until the peer closes when negative or when
    // AReadUntilDisconnect) written to AStream at its position.
    void ReadStream(fw::TStream& AStream, std::int64_t AByteCount = -1,
                    bool AReadUntilDisconnect = false);
    void Discard(std::int64_t AByteCount);
    void DiscardAll();

    void Write(std::string_view AOut);
    void Write(std::span<const std::uint8_t> ABuffer);
    void WriteLn(std::string_view AOut);
    // AThreshold -1 (or 0) collects everything until WriteBufferClose.
    void WriteBufferOpen(int AThreshold = -1);
    void WriteBufferClose();
    void WriteBufferCancel();
    void WriteBufferFlush();
    bool WriteBufferingActive() const { return FWriteBuffer != nullptr; }

    bool ClosedGracefully() const { return FClosedGracefully; }
    // Bytes received from the source since the handler was made.
    std::uint64_t BytesReceived() const { return FBytesReceived; }
    bool Opened() const { return FOpened; }
    const std::string& Host() const { return FHost; }
    void SetHost(std::string value) { FHost = std::move(value); }
    std::uint16_t Port() const { return FPort; }
    void SetPort(std::uint16_t value) { FPort = value; }
    std::int32_t ConnectTimeout() const { return FConnectTimeout; }
    void SetConnectTimeout(std::int32_t value) { FConnectTimeout = value; }
    std::int32_t ReadTimeout() const { return FReadTimeOut; }
    void SetReadTimeout(std::int32_t value) { FReadTimeOut = value; }
    std::int32_t MaxLineLength() const { return FMaxLineLength; }
    void SetMaxLineLength(std::int32_t value) { FMaxLineLength = value; }
    TNetMaxLineAction MaxLineAction() const { return FMaxLineAction; }
    void SetMaxLineAction(TNetMaxLineAction value) { FMaxLineAction = value; }
    std::int32_t RecvBufferSize() const { return FRecvBufferSize; }
    void SetRecvBufferSize(std::int32_t value) { FRecvBufferSize = value; }
    bool ReadLnSplit() const { return FReadLnSplit; }
    bool ReadLnTimedOut() const { return FReadLnTimedOut; }

protected:
    // Receives into the buffer: bytes received, 0 after a peer close (the socket
    // is then gone), -1 on a timeout that does not raise.
    int ReadFromSource(bool ARaiseExceptionIfDisconnected, int ATimeout,
                       bool ARaiseExceptionOnTimeout);
    // One receive of up to into.size() bytes; 0 when the peer has closed.
    virtual std::size_t ReadDataFromSource(std::span<std::uint8_t> into) = 0;
    virtual bool SourceIsAvailable() = 0;
    virtual void WriteDirect(std::span<const std::uint8_t> ABuffer) = 0;

    bool FClosedGracefully = false;

private:
    // ReadFromSource's receive, into ADirect when given instead of the buffer.
    int ReceiveOnce(bool ARaiseExceptionIfDisconnected, int ATimeout, bool ARaiseExceptionOnTimeout,
                    std::span<std::uint8_t> ADirect);
    void FillInputBuffer(std::size_t AByteCount);
    void FillBlock(std::size_t ABlockSize);
    // Taken: the block, or as much of it as came within the block wait limit.
    enum class TBlockEnd { Taken, Closed, NoRoom };
    TBlockEnd ReceiveBlockInto(fw::TMemoryStream& AStream, std::size_t ABlock);
    void ReadBlocks(fw::TStream& AStream, std::int64_t AByteCount, bool AReadUntilDisconnect);
    void TakeIntoStream(fw::TStream& AStream, std::size_t AByteCount);
    std::string TakeLine(std::size_t ALength, std::size_t ATerminatorLength, char ATerminator);
    void SendWriteBuffer(std::size_t AByteCount);

    std::uint64_t FBytesReceived = 0;
    std::int32_t FConnectTimeout = 0;
    std::string FHost;
    TNetBuffer FInputBuffer;
    TNetMaxLineAction FMaxLineAction = TNetMaxLineAction::maException;
    std::int32_t FMaxLineLength = 16384;
    bool FOpened = false;
    std::uint16_t FPort = 0;
    bool FReadLnSplit = false;
    bool FReadLnTimedOut = false;
    std::int32_t FReadTimeOut = -1;
    std::int32_t FRecvBufferSize = 32768;
    std::unique_ptr<std::vector<std::uint8_t>> FWriteBuffer;
    std::int32_t FWriteBufferThreshold = 0;
};

// Bytes as the handler's ASCII encoding reads them: bytes above 127 become '?'.
std::string AsciiDecode(std::span<const std::uint8_t> bytes);
// Text as the handler's ASCII encoding writes it: characters above 127 become '?'.
std::vector<std::uint8_t> AsciiEncode(std::string_view text);
