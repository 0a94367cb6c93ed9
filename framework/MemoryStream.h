#pragma once
// A growable stream held in memory. Growing never holds two copies of the bytes
// (see GrowableBlock.h), so appending n bytes in small writes costs O(n) and a
// stream near its limit needs its own size in memory, no more; the size is
// limited to 2^31 - 1 bytes, like the framework's own, and a larger size is
// refused with EStreamError before any allocation.

#include "framework/CustomMemoryStream.h"
#include "framework/GrowableBlock.h"

namespace fw {

class TMemoryStream : public TCustomMemoryStream {
    FW_CLASS(TMemoryStream, TCustomMemoryStream)

    static constexpr std::int64_t MaxSize = 0x7FFFFFFF;

    using TCustomMemoryStream::Memory;
    void* Memory() { return FData.Data(); }

    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // New bytes read as zeros; the position stays unless it lies past the new end.
    void SetSize(std::int64_t newSize) override;
    std::int64_t Capacity() const { return static_cast<std::int64_t>(FData.Capacity()); }

    // Empties the stream and releases its memory.
    void Clear();
    // Replaces the contents with the whole of stream, read from its start. The
    // position stays unless it lies past the new end, as the framework's does.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);

private:
    void Reserve(std::int64_t size);

    // The block's fresh bytes are zero (for large blocks the system's fresh pages,
    // so growing a stream to a known size costs no pass over the memory).
    // Bytes at and past FDirtyEnd have never been written since, and are zero.
    TGrowableBlock FData{MaxSize};
    std::int64_t FDirtyEnd = 0;
};

} // namespace fw
