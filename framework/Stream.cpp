#include "framework/Stream.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"

#include <algorithm>
#include <vector>

namespace fw {

const TClassInfo& TStream::StaticClass() {
    static const TClassInfo info = TClassBuilder<TStream, TObject>("TStream").Build();
    return info;
}

std::int64_t TStream::Size() {
    const std::int64_t position = Seek(0, TSeekOrigin::soCurrent);
    const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::SetSize(std::int64_t) {}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    constexpr std::int64_t MaxBufferSize = 0xF000;
    if (count < 0)
        return 0;
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<char> buffer(
        static_cast<std::size_t>(std::clamp<std::int64_t>(count, 1, MaxBufferSize)));
    const std::int64_t total = count;
    while (count > 0) {
        const std::int64_t n = std::min<std::int64_t>(count, MaxBufferSize);
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        count -= n;
    }
    return total;
}

} // namespace fw
