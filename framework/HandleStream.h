#pragma once
// A stream over an open operating-system file handle (a POSIX file descriptor
// here). It borrows the handle: closing it is the creator's business.

#include "framework/Stream.h"

namespace fw {

using THandle = int;
constexpr THandle INVALID_HANDLE_VALUE = -1;

class THandleStream : public TStream {
    FW_CLASS(THandleStream, TStream)

    explicit THandleStream(THandle handle) : FHandle(handle) {}

    THandle Handle() const { return FHandle; }

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    // Truncates or extends the file; failure raises EStreamError with the system text.
    void SetSize(std::int64_t newSize) override;

protected:
    THandle FHandle;
};

} // namespace fw
