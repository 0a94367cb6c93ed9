#include "framework/MemoryStream.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/FileStream.h"

#include <algorithm>
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

void TMemoryStream::Reserve(std::int64_t size) {
    if (size < 0 || size > MaxSize)
        RaiseTooLarge();
    if (!FData.Grow(static_cast<std::size_t>(size)))
        RaiseTooLarge();
    SetPointer(FData.Data(), Size());
}

void TMemoryStream::SetSize(std::int64_t newSize) {
    Reserve(newSize);
    const std::int64_t oldSize = Size();
    const std::int64_t dirtyEnd = std::min(newSize, FDirtyEnd);
    if (dirtyEnd > oldSize)
        std::memset(FData.Data() + oldSize, 0, static_cast<std::size_t>(dirtyEnd - oldSize));
    FDirtyEnd = std::max(FDirtyEnd, newSize);
    SetPointer(FData.Data(), newSize);
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
    std::memcpy(FData.Data() + position, buffer, static_cast<std::size_t>(count));
    Seek(end, TSeekOrigin::soBeginning);
    return count;
}

void TMemoryStream::Clear() {
    FData.Release();
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
    const std::int64_t size = loaded.Size();
    FData = std::move(loaded.FData);
    FDirtyEnd = loaded.FDirtyEnd;
    SetPointer(FData.Data(), size);
    Seek(std::min(position, Size()), TSeekOrigin::soBeginning);
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

} // namespace fw
