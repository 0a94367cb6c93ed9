#include "framework/HandleStream.h"

#include "framework/ClassBuilder.h"
#include "framework/Exception.h"
#include "framework/OSError.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <unistd.h>

namespace fw {

const TClassInfo& THandleStream::StaticClass() {
    static const TClassInfo info = TClassBuilder<THandleStream, TStream>("THandleStream").Build();
    return info;
}

namespace {

// One system call moves at most this much, so the byte count always fits ssize_t.
constexpr std::int64_t MaxTransfer = std::numeric_limits<std::int32_t>::max();

// Repeats a read or write call until count bytes moved, the end is reached or an
// error other than an interruption occurs; returns the bytes moved.
template <class Call> std::int64_t Transfer(std::int64_t count, Call call) {
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = call(done, static_cast<std::size_t>(std::min(count - done, MaxTransfer)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

} // namespace

std::int64_t THandleStream::Read(void* buffer, std::int64_t count) {
    return Transfer(count, [&](std::int64_t done, std::size_t n) {
        return ::read(FHandle, static_cast<char*>(buffer) + done, n);
    });
}

std::int64_t THandleStream::Write(const void* buffer, std::int64_t count) {
    return Transfer(count, [&](std::int64_t done, std::size_t n) {
        return ::write(FHandle, static_cast<const char*>(buffer) + done, n);
    });
}

std::int64_t THandleStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                          : SEEK_END;
    const off_t result = ::lseek(FHandle, static_cast<off_t>(offset), whence);
    return result < 0 ? -1 : static_cast<std::int64_t>(result);
}

void THandleStream::SetSize(std::int64_t newSize) {
    if (newSize < 0 || ::ftruncate(FHandle, static_cast<off_t>(newSize)) != 0)
        throw EStreamError(LastOSErrorText());
    // The position stays where it was unless it now lies past the end, as the
    // framework's handle streams do.
    if (Position() > newSize)
        SetPosition(newSize);
}

} // namespace fw
