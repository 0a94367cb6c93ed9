#include "framework/CustomMemoryStream.h"

#include "framework/ClassBuilder.h"
#include "framework/FileStream.h"

#include <algorithm>
#include <cstring>

namespace fw {

const TClassInfo& TCustomMemoryStream::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCustomMemoryStream, TStream>("TCustomMemoryStream").Build();
    return info;
}

void TCustomMemoryStream::SetPointer(const void* memory, std::int64_t size) {
    FMemory = memory;
    FSize = size;
}

std::int64_t TCustomMemoryStream::Read(void* buffer, std::int64_t count) {
    if (count <= 0 || FPosition >= FSize)
        return 0;
    const std::int64_t n = std::min(count, FSize - FPosition);
    std::memcpy(buffer, static_cast<const char*>(FMemory) + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

std::int64_t TCustomMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const std::int64_t base = origin == TSeekOrigin::soBeginning ? 0
                              : origin == TSeekOrigin::soCurrent ? FPosition
                                                                 : FSize;
    // Overflowing or negative targets fail like a failed file seek.
    std::int64_t target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0)
        return -1;
    FPosition = target;
    return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream& stream) {
    stream.WriteBuffer(FMemory, FSize);
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

} // namespace fw
