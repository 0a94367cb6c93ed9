#pragma once
// A stream over a block of memory it does not own or size itself: the base of the
// memory stream and the resource stream. Reading, seeking and saving live here.

#include "framework/Stream.h"

#include <string>

namespace fw {

class TCustomMemoryStream : public TStream {
    FW_CLASS(TCustomMemoryStream, TStream)

    const void* Memory() const { return FMemory; }

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return FSize; }

    // Writes the whole block at the destination's position.
    void SaveToStream(TStream& stream);
    void SaveToFile(const std::string& fileName);

protected:
    void SetPointer(const void* memory, std::int64_t size);
    std::int64_t CurrentPosition() const { return FPosition; }

private:
    const void* FMemory = nullptr;
    std::int64_t FSize = 0;
    std::int64_t FPosition = 0;
};

} // namespace fw
