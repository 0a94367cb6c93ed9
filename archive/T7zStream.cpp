#include "archive/T7zStream.h"

#include "archive/CallbackGuard.h"
#include "platform/kernel/SystemMessage.h"

#include <cerrno>

namespace archive {

namespace {

// The library's own code for a seek before the start of a stream.
constexpr HRESULT kNegativeSeek = win::HRESULT_FROM_WIN32(131);

} // namespace

T7zStream::T7zStream(fw::TStream& stream) : FStream(stream) {}

T7zStream::T7zStream(std::unique_ptr<fw::TStream> stream)
    : FOwnedStream(std::move(stream)), FStream(*FOwnedStream) {}

HRESULT T7zStream::QueryInterface(const TGUID& iid, void** outObject) {
    return QueryInterfaceOf<T7zStream, IInStream, IStreamGetSize, IOutStream, IOutStreamFlush>(
        this, iid, outObject);
}

HRESULT T7zStream::Read(void* data, std::uint32_t size, std::uint32_t* processedSize) {
    return GuardCallback([&] {
        const std::int64_t done = FStream.Read(data, size);
        if (processedSize != nullptr)
            *processedSize = static_cast<std::uint32_t>(done < 0 ? 0 : done);
        return win::S_OK;
    });
}

// A write that falls short (a full disk) is a failure, not a short success: the
// library would otherwise go on as though the data had reached the file.
HRESULT T7zStream::Write(const void* data, std::uint32_t size, std::uint32_t* processedSize) {
    return GuardCallback([&] {
        errno = 0;
        const std::int64_t done = FStream.Write(data, size);
        if (processedSize != nullptr)
            *processedSize = static_cast<std::uint32_t>(done < 0 ? 0 : done);
        if (done == static_cast<std::int64_t>(size))
            return win::S_OK;
        FWriteError = errno != 0 ? win::Win32ErrorFromErrno(errno) : win::ERROR_HANDLE_DISK_FULL;
        return win::HRESULT_FROM_WIN32(FWriteError);
    });
}

HRESULT T7zStream::Seek(std::int64_t offset, std::uint32_t seekOrigin, std::uint64_t* newPosition) {
    return GuardCallback([&] {
        if (seekOrigin > 2)
            return win::STG_E_INVALIDFUNCTION;
        const std::int64_t position =
            FStream.Seek(offset, static_cast<fw::TSeekOrigin>(seekOrigin));
        if (position < 0)
            return kNegativeSeek;
        if (newPosition != nullptr)
            *newPosition = static_cast<std::uint64_t>(position);
        return win::S_OK;
    });
}

HRESULT T7zStream::SetSize(std::int64_t newSize) {
    return GuardCallback([&] {
        FStream.SetSize(newSize);
        return win::S_OK;
    });
}

HRESULT T7zStream::GetSize(std::uint64_t* size) {
    return GuardCallback([&] {
        if (size != nullptr)
            *size = static_cast<std::uint64_t>(FStream.Size());
        return win::S_OK;
    });
}

HRESULT T7zStream::Flush() {
    return win::S_OK;
}

} // namespace archive
