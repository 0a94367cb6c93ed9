#include "skin/WinConvert.h"

#include "skin/LzhCoder.h"

#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace skin {

namespace {

const char* const kNoMemory = "LZH : Cannot get memory for dictionary tables";
const char* const kTruncated = "LZH : Compressed data ends before the declared length";
const char* const kTooLarge = "LZH : Input is too large for a compressed block";

// The longest output a bit stream of B bytes can produce: a match of 60 bytes
// costs at least a 1-bit length code and a 9-bit offset, so 6 bytes a bit.
constexpr std::int64_t kMaxBytesPerInputByte = 48;

struct TruncatedBlock {
    [[noreturn]] static void Raise() { throw ElzhException(kTruncated); }
};

// The tables belong to one call; they start zeroed, mirror area included.
template <class Tables> std::unique_ptr<Tables> AllocateTables() {
    try {
        return std::make_unique<Tables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(kNoMemory);
    }
}

// One byte a callback call, and a bit reader that fetches only when eight bits
// or fewer remain, as the callback interface promises its users.
class CallbackSource {
public:
    static constexpr int kRefillAt = 8;
    static constexpr bool kExactFetchTiming = true;
    explicit CallbackSource(const TReadProc& read) : FRead(read) {}

    bool Next(std::uint8_t& byte) {
        std::uint8_t fetched = 0;
        std::uint16_t got = 0;
        FRead(&fetched, 1, got);
        if (got != 1)
            return false;
        byte = fetched;
        return true;
    }

private:
    const TReadProc& FRead;
};

class CallbackSink {
public:
    explicit CallbackSink(const TWriteProc& write) : FWrite(write) {}

    void Put(std::uint8_t byte) {
        std::uint16_t put = 0;
        FWrite(&byte, 1, put);
    }

private:
    const TWriteProc& FWrite;
};

constexpr std::size_t kStreamChunk = 64 * 1024;

// Reads the stream in chunks, so the coding loops do no virtual call per byte.
class StreamSource {
public:
    static constexpr int kRefillAt = 56;
    static constexpr bool kExactFetchTiming = false;
    explicit StreamSource(fw::TStream& stream) : FStream(stream), FBuffer(kStreamChunk) {}

    bool Next(std::uint8_t& byte) {
        if (FAt == FEnd && !Fill())
            return false;
        byte = FBuffer[FAt++];
        return true;
    }

private:
    bool Fill() {
        FAt = 0;
        FEnd = static_cast<std::size_t>(FStream.Read(FBuffer.data(), kStreamChunk));
        return FEnd > 0;
    }

    fw::TStream& FStream;
    std::vector<std::uint8_t> FBuffer;
    std::size_t FAt = 0;
    std::size_t FEnd = 0;
};

class StreamSink {
public:
    explicit StreamSink(fw::TStream& stream) : FStream(stream) { FBuffer.reserve(kStreamChunk); }

    void Put(std::uint8_t byte) {
        FBuffer.push_back(byte);
        if (FBuffer.size() == kStreamChunk)
            Flush();
    }

    void Flush() {
        FStream.WriteBuffer(FBuffer.data(), static_cast<std::int64_t>(FBuffer.size()));
        FBuffer.clear();
    }

private:
    fw::TStream& FStream;
    std::vector<std::uint8_t> FBuffer;
};

void WriteLength(fw::TStream& stream, std::int32_t length) {
    const auto value = static_cast<std::uint32_t>(length);
    const std::uint8_t bytes[4] = {std::uint8_t(value), std::uint8_t(value >> 8),
                                   std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
    stream.WriteBuffer(bytes, 4);
}

std::int32_t ReadLength(fw::TStream& stream) {
    std::uint8_t bytes[4];
    stream.ReadBuffer(bytes, 4);
    return static_cast<std::int32_t>(std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                     std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24);
}

} // namespace

void TLZH::LZHPack(std::int32_t& Bytes_Written, const TReadProc& GetBytes,
                   const TWriteProc& PutBytes) {
    auto tables = AllocateTables<lzh::PackTables>();
    CallbackSource input(GetBytes);
    CallbackSink output(PutBytes);
    Bytes_Written = static_cast<std::int32_t>(lzh::Pack(input, output, *tables));
}

void TLZH::LZHUnpack(std::int32_t TextSize, const TReadProc& GetBytes, const TWriteProc& PutBytes) {
    if (TextSize <= 0)
        return;
    auto tables = AllocateTables<lzh::UnpackTables>();
    CallbackSource input(GetBytes);
    CallbackSink output(PutBytes);
    lzh::Unpack<CallbackSource, TruncatedBlock>(TextSize, input, output, *tables);
}

void TLZH::GetBlockStream(void* DTA, std::uint16_t NBytes, std::uint16_t& Bytes_Got) {
    const std::int64_t remaining = StreamIn->Size() - StreamIn->Position();
    Bytes_Got = remaining < NBytes
                    ? static_cast<std::uint16_t>(std::max<std::int64_t>(remaining, 0))
                    : NBytes;
    StreamIn->ReadBuffer(DTA, Bytes_Got);
}

void TLZH::PutBlockStream(const void* DTA, std::uint16_t NBytes, std::uint16_t& Bytes_Got) {
    StreamOut->WriteBuffer(DTA, NBytes);
    Bytes_Got = NBytes;
}

void Compress(fw::TStream& source, fw::TStream& dest) {
    source.SetPosition(0);
    dest.SetPosition(0);
    const std::int64_t size = source.Size();
    if (size > std::numeric_limits<std::int32_t>::max())
        throw ElzhException(kTooLarge);
    auto tables = AllocateTables<lzh::PackTables>();
    WriteLength(dest, static_cast<std::int32_t>(size));
    StreamSource input(source);
    StreamSink output(dest);
    lzh::Pack(input, output, *tables);
    output.Flush();
}

void Decompress(fw::TStream& source, fw::TStream& dest) {
    source.SetPosition(0);
    dest.SetPosition(0);
    const std::int32_t length = ReadLength(source);
    if (length <= 0)
        return;
    const std::int64_t available = source.Size() - source.Position();
    if (length > kMaxBytesPerInputByte * available)
        throw ElzhException(kTruncated);
    auto tables = AllocateTables<lzh::UnpackTables>();
    StreamSource input(source);
    StreamSink output(dest);
    lzh::Unpack<StreamSource, TruncatedBlock>(length, input, output, *tables);
    output.Flush();
}

} // namespace skin
