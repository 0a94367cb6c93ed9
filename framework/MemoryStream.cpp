#include "framework/MemoryStream.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/FileStream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace fw {

const TClassInfo& TMemoryStream::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TMemoryStream, TCustomMemoryStream>("TMemoryStream").Build();
    return info;
}

namespace {

[[noreturn]] void RaiseTooLarge() {
    throw EStreamError("Out of memory while expanding memory stream");
}

} // namespace

void TMemoryStream::FreeBlock::operator()(char* block) const noexcept {
    std::free(block);
}

void TMemoryStream::Reserve(std::int64_t size) {
    if (size < 0 || size > MaxSize)
        RaiseTooLarge();
    if (size <= FCapacity)
        return;
    const std::int64_t grown = std::min(std::max(size, FCapacity + FCapacity / 2 + 64), MaxSize);
    std::unique_ptr<char, FreeBlock> data(
        static_cast<char*>(std::calloc(static_cast<std::size_t>(grown), 1)));
    if (!data)
        RaiseTooLarge();
    if (Size() > 0)
        std::memcpy(data.get(), FData.get(), static_cast<std::size_t>(Size()));
    FData = std::move(data);
    FCapacity = grown;
    FDirtyEnd = Size();
    SetPointer(FData.get(), Size());
}

void TMemoryStream::SetSize(std::int64_t newSize) {
    Reserve(newSize);
    const std::int64_t oldSize = Size();
    const std::int64_t dirtyEnd = std::min(newSize, FDirtyEnd);
    if (dirtyEnd > oldSize)
        std::memset(FData.get() + oldSize, 0, static_cast<std::size_t>(dirtyEnd - oldSize));
    FDirtyEnd = std::max(FDirtyEnd, newSize);
    SetPointer(FData.get(), newSize);
    if (CurrentPosition() > newSize)
        Seek(0, TSeekOrigin::soEnd);
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    const std::int64_t position = CurrentPosition();
    if (count <= 0)
        return 0;
    if (count > MaxSize - position)
        RaiseTooLarge();
    const std::int64_t end = position + count;
    if (end > Size())
        SetSize(end);
    std::memcpy(FData.get() + position, buffer, static_cast<std::size_t>(count));
    Seek(end, TSeekOrigin::soBeginning);
    return count;
}

void TMemoryStream::Clear() {
    FData.reset();
    FCapacity = 0;
    FDirtyEnd = 0;
    SetPointer(nullptr, 0);
    Seek(0, TSeekOrigin::soBeginning);
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    // Read into a fresh block first, so a failed read leaves the contents as they were.
    stream.SetPosition(0);
    TMemoryStream loaded;
    loaded.SetSize(stream.Size());
    stream.ReadBuffer(loaded.Memory(), loaded.Size());
    const std::int64_t position = CurrentPosition();
    FData = std::move(loaded.FData);
    FCapacity = loaded.FCapacity;
    FDirtyEnd = loaded.FDirtyEnd;
    SetPointer(FData.get(), loaded.Size());
    Seek(std::min(position, Size()), TSeekOrigin::soBeginning);
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

} // namespace fw
