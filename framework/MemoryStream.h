#pragma once
// A growable stream held in memory. Capacity grows geometrically, so appending n
// bytes in small writes costs O(n); the size is limited to 2^31 - 1 bytes, like the
// framework's own, and a larger size is refused with EStreamError before any
// allocation.

#include "framework/CustomMemoryStream.h"

#include <memory>

namespace fw {

class TMemoryStream : public TCustomMemoryStream {
    FW_CLASS(TMemoryStream, TCustomMemoryStream)

    static constexpr std::int64_t MaxSize = 0x7FFFFFFF;

    using TCustomMemoryStream::Memory;
    void* Memory() { return FData.get(); }

    std::int64_t Write(const void* buffer, std::int64_t count) override;
    // New bytes read as zeros; the position stays unless it lies past the new end.
    void SetSize(std::int64_t newSize) override;
    std::int64_t Capacity() const { return FCapacity; }

    // Empties the stream and releases its memory.
    void Clear();
    // Replaces the contents with the whole of stream, read from its start. The
    // position stays unless it lies past the new end, as the framework's does.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);

private:
    struct FreeBlock {
        void operator()(char* block) const noexcept;
    };

    void Reserve(std::int64_t size);

    // Blocks come zeroed from calloc (for large blocks the system's fresh pages,
    // so growing a stream to a known size costs no pass over the memory).
    // Bytes at and past FDirtyEnd have never been written since, and are zero.
    std::unique_ptr<char, FreeBlock> FData;
    std::int64_t FCapacity = 0;
    std::int64_t FDirtyEnd = 0;
};

} // namespace fw
