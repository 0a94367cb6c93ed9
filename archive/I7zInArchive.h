#pragma once
// I7zInArchive: the program's archive reader interface, and the callback types
// through which callers supply passwords, output streams and a progress receiver.
// Callers address the operations by slot (3 to 20 after IUnknown's three), so the
// order below is fixed. Operations report failures by raising.

#include "archive/ComPtr.h"
#include "archive/SevenZipInterfaces.h"
#include "framework/Stream.h"

#include <functional>
#include <string>

namespace archive {

using T7zPasswordCallback = std::function<HRESULT(void* sender, std::string& password)>;
// Supplies the output stream for item index (a new reference, or none to skip it).
using T7zGetStreamCallBack =
    std::function<HRESULT(void* sender, std::uint32_t index, ISequentialOutStream** outStream)>;
// total is true when value is the total, false when it is the amount completed.
using T7zProgressCallback = std::function<HRESULT(void* sender, bool total, std::int64_t value)>;

class I7zInArchive : public IUnknown {
public:
    static constexpr TGUID IID{
        0x022CF785, 0x3ECE, 0x46EF, {0x97, 0x55, 0x29, 0x1F, 0xA8, 0x4C, 0xC6, 0xC9}};

    virtual void OpenFile(const std::string& FileName) = 0;
    virtual void OpenStream(IInStream* stream) = 0;
    virtual void Close() = 0;
    virtual std::uint32_t GetNumberOfItems() = 0;
    virtual std::string GetItemPath(std::int32_t index) = 0;
    virtual std::string GetItemName(std::int32_t index) = 0;
    virtual std::int32_t GetItemSize(std::int32_t index) = 0;
    virtual bool GetItemIsFolder(std::int32_t index) = 0;
    virtual TComPtr<IInArchive> GetInArchive() = 0;
    virtual void ExtractItem(std::uint32_t item, fw::TStream& Stream, bool test) = 0;
    virtual void ExtractItems(const std::uint32_t* items, std::uint32_t count, bool test,
                              void* sender, T7zGetStreamCallBack callback) = 0;
    virtual void ExtractAll(bool test, void* sender, T7zGetStreamCallBack callback) = 0;
    virtual void ExtractTo(const std::string& path) = 0;
    virtual void SetPasswordCallback(void* sender, T7zPasswordCallback callback) = 0;
    virtual void SetPassword(const std::string& password) = 0;
    virtual void SetProgressCallback(void* sender, T7zProgressCallback callback) = 0;
    virtual void SetClassId(const TGUID& classid) = 0;
    virtual TGUID GetClassId() = 0;

    TComPtr<IInArchive> InArchive() { return GetInArchive(); }

protected:
    ~I7zInArchive() = default;
};

} // namespace archive
