#pragma once
// T7zStream: one adapter that shows a host stream (a framework TStream) to the
// library as a readable, writable, seekable stream with a size.

#include "archive/InterfacedObject.h"
#include "framework/Stream.h"

#include <memory>

namespace archive {

enum class TStreamOwnership { soReference = 0, soOwned = 1 };

class T7zStream : public TInterfacedObject,
                  public IInStream,
                  public IStreamGetSize,
                  public IOutStream,
                  public IOutStreamFlush {
public:
    // Borrows stream: the caller keeps it alive while the library holds the adapter.
    explicit T7zStream(fw::TStream& stream);
    // Owns stream and frees it (closing a file) when the library lets go.
    explicit T7zStream(std::unique_ptr<fw::TStream> stream);

    TStreamOwnership Ownership() const {
        return FOwnedStream ? TStreamOwnership::soOwned : TStreamOwnership::soReference;
    }
    // The system error of the last write that fell short, or 0.
    win::DWORD WriteError() const { return FWriteError; }

    HRESULT QueryInterface(const TGUID& iid, void** outObject) override;
    ULONG AddRef() override { return AddRefObject(); }
    ULONG Release() override { return ReleaseObject(); }

    HRESULT Read(void* data, std::uint32_t size, std::uint32_t* processedSize) override;
    HRESULT Write(const void* data, std::uint32_t size, std::uint32_t* processedSize) override;
    HRESULT Seek(std::int64_t offset, std::uint32_t seekOrigin,
                 std::uint64_t* newPosition) override;
    HRESULT SetSize(std::int64_t newSize) override;
    HRESULT GetSize(std::uint64_t* size) override;
    HRESULT Flush() override;

private:
    std::unique_ptr<fw::TStream> FOwnedStream;
    fw::TStream& FStream;
    win::DWORD FWriteError = 0;
};

} // namespace archive
