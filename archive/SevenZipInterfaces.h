#pragma once
// The library interfaces the binding uses, with their ids and their methods in
// slot order (the order is the binary contract: do not reorder), the handler
// property ids, the property ids and result values of items and archives, and
// the class id of the zip format handler.

#include "archive/SevenZipTypes.h"

namespace archive {

constexpr TGUID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

class IProgress : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x00, 0x05);
    virtual HRESULT SetTotal(std::uint64_t total) = 0;
    virtual HRESULT SetCompleted(const std::uint64_t* completeValue) = 0;

protected:
    ~IProgress() = default;
};

class ICryptoGetTextPassword : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x05, 0x10);
    virtual HRESULT CryptoGetTextPassword(BSTR* password) = 0;

protected:
    ~ICryptoGetTextPassword() = default;
};

class ISequentialInStream : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x03, 0x01);
    virtual HRESULT Read(void* data, std::uint32_t size, std::uint32_t* processedSize) = 0;

protected:
    ~ISequentialInStream() = default;
};

class ISequentialOutStream : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x03, 0x02);
    virtual HRESULT Write(const void* data, std::uint32_t size, std::uint32_t* processedSize) = 0;

protected:
    ~ISequentialOutStream() = default;
};

// Seek origins: 0 from the start, 1 from the current position, 2 from the end.
class IInStream : public ISequentialInStream {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x03, 0x03);
    virtual HRESULT Seek(std::int64_t offset, std::uint32_t seekOrigin,
                         std::uint64_t* newPosition) = 0;

protected:
    ~IInStream() = default;
};

class IOutStream : public ISequentialOutStream {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x03, 0x04);
    virtual HRESULT Seek(std::int64_t offset, std::uint32_t seekOrigin,
                         std::uint64_t* newPosition) = 0;
    virtual HRESULT SetSize(std::int64_t newSize) = 0;

protected:
    ~IOutStream() = default;
};

class IStreamGetSize : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x03, 0x06);
    virtual HRESULT GetSize(std::uint64_t* size) = 0;

protected:
    ~IStreamGetSize() = default;
};

class IOutStreamFlush : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x03, 0x07);
    virtual HRESULT Flush() = 0;

protected:
    ~IOutStreamFlush() = default;
};

class IArchiveOpenCallback : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x06, 0x10);
    virtual HRESULT SetTotal(const std::uint64_t* files, const std::uint64_t* bytes) = 0;
    virtual HRESULT SetCompleted(const std::uint64_t* files, const std::uint64_t* bytes) = 0;

protected:
    ~IArchiveOpenCallback() = default;
};

// askExtractMode values of GetStream and PrepareOperation.
namespace NAskMode {
enum : std::int32_t { kExtract = 0, kTest = 1, kSkip = 2 };
}

// operationResult values of SetOperationResult.
namespace NOperationResult {
enum : std::int32_t {
    kOK = 0,
    kUnsupportedMethod = 1,
    kDataError = 2,
    kCRCError = 3,
    kUnavailable = 4,
    kUnexpectedEnd = 5,
    kDataAfterEnd = 6,
    kIsNotArc = 7,
    kHeadersError = 8,
    kWrongPassword = 9,
};
} // namespace NOperationResult

class IArchiveExtractCallback : public IProgress {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x06, 0x20);
    virtual HRESULT GetStream(std::uint32_t index, ISequentialOutStream** outStream,
                              std::int32_t askExtractMode) = 0;
    virtual HRESULT PrepareOperation(std::int32_t askExtractMode) = 0;
    virtual HRESULT SetOperationResult(std::int32_t operationResult) = 0;

protected:
    ~IArchiveExtractCallback() = default;
};

class IArchiveOpenVolumeCallback : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x06, 0x30);
    virtual HRESULT GetProperty(PROPID propID, PROPVARIANT* value) = 0;
    virtual HRESULT GetStream(const wchar_t* name, IInStream** inStream) = 0;

protected:
    ~IArchiveOpenVolumeCallback() = default;
};

class IArchiveOpenSetSubArchiveName : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x06, 0x50);
    virtual HRESULT SetSubArchiveName(const wchar_t* name) = 0;

protected:
    ~IArchiveOpenSetSubArchiveName() = default;
};

// numItems value of Extract that means every item (with a null index array).
constexpr std::uint32_t kAllItems = 0xFFFFFFFF;

class IInArchive : public IUnknown {
public:
    static constexpr TGUID IID = SevenZipInterfaceId(0x06, 0x60);
    virtual HRESULT Open(IInStream* stream, const std::uint64_t* maxCheckStartPosition,
                         IArchiveOpenCallback* openArchiveCallback) = 0;
    virtual HRESULT Close() = 0;
    virtual HRESULT GetNumberOfItems(std::uint32_t* numItems) = 0;
    virtual HRESULT GetProperty(std::uint32_t index, PROPID propID, PROPVARIANT* value) = 0;
    virtual HRESULT Extract(const std::uint32_t* indices, std::uint32_t numItems,
                            std::int32_t testMode, IArchiveExtractCallback* extractCallback) = 0;
    virtual HRESULT GetArchiveProperty(PROPID propID, PROPVARIANT* value) = 0;
    virtual HRESULT GetNumberOfProperties(std::uint32_t* numProperties) = 0;
    virtual HRESULT GetPropertyInfo(std::uint32_t index, BSTR* name, PROPID* propID,
                                    VARTYPE* varType) = 0;
    virtual HRESULT GetNumberOfArchiveProperties(std::uint32_t* numProperties) = 0;
    virtual HRESULT GetArchivePropertyInfo(std::uint32_t index, BSTR* name, PROPID* propID,
                                           VARTYPE* varType) = 0;

protected:
    ~IInArchive() = default;
};

// Handler property ids of the library's "GetHandlerProperty", stored 4 bytes wide.
enum class NArchive : std::uint32_t {
    kName = 0,
    kClassID = 1,
    kExtension = 2,
    kAddExtension = 3,
    kUpdate = 4,
    kKeepName = 5,
    kStartSignature = 6,
    kFinishSignature = 7,
    kAssociate = 8,
};

// Item and archive property ids of IInArchive.
namespace NPropId {
enum : PROPID {
    kpidPath = 3,
    kpidName = 4,
    kpidIsDir = 6,
    kpidSize = 7,
    kpidHostOS = 23,
    kpidCharacts = 47,
    kpidErrorFlags = 71,
    kpidWarningFlags = 72,
};
} // namespace NPropId

// Bits of the archive's error and warning flags.
namespace NErrorFlags {
enum : std::uint32_t {
    kIsNotArc = 1u << 0,
    kHeadersError = 1u << 1,
    kEncryptedHeadersError = 1u << 2,
    kUnavailableStart = 1u << 3,
    kUnconfirmedStart = 1u << 4,
    kUnexpectedEnd = 1u << 5,
    kDataAfterEnd = 1u << 6,
    kUnsupportedFeature = 1u << 7,
    kUnsupportedMethod = 1u << 8,
    kDataError = 1u << 9,
    kCrcError = 1u << 10,
};
} // namespace NErrorFlags

constexpr TGUID ZipHandlerClassId{
    0x23170F69, 0x40C1, 0x278A, {0x10, 0x00, 0x00, 0x01, 0x10, 0x01, 0x00, 0x00}};

} // namespace archive
