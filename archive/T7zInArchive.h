#pragma once
// T7zInArchive: the archive reader. Opens an archive with the format handler
// named by its class id, answers questions about the items and extracts them into
// a folder tree, a caller's stream or streams a caller supplies per item. To the
// library it is also the callback object of every open and extract operation.
//
// Failures inside a callback never unwind through the library: the callback
// answers with a failure code and keeps the exception, which the operation
// raises once the library has returned. Damage is not success: an archive the
// library reports as damaged, or an item whose data fails its check, makes the
// extraction fail, and the bad item's file is removed.

#include "archive/ExtractOutcome.h"
#include "archive/ExtractTarget.h"
#include "archive/I7zInArchive.h"
#include "archive/T7zArchive.h"
#include "archive/T7zStream.h"

#include <exception>
#include <optional>

namespace archive {

class T7zInArchive : public T7zArchive,
                     public I7zInArchive,
                     public IArchiveOpenCallback,
                     public IArchiveExtractCallback,
                     public ICryptoGetTextPassword,
                     public IArchiveOpenVolumeCallback,
                     public IArchiveOpenSetSubArchiveName {
public:
    explicit T7zInArchive(const std::string& lib);
    ~T7zInArchive() override;

    bool SubArchiveMode() const { return FSubArchiveMode; }
    const std::string& SubArchiveName() const { return FSubArchiveName; }

    HRESULT QueryInterface(const TGUID& iid, void** outObject) override;
    ULONG AddRef() override { return AddRefObject(); }
    ULONG Release() override { return ReleaseObject(); }

    // I7zInArchive
    void OpenFile(const std::string& FileName) override;
    void OpenStream(IInStream* stream) override;
    void Close() override;
    std::uint32_t GetNumberOfItems() override;
    std::string GetItemPath(std::int32_t index) override;
    std::string GetItemName(std::int32_t index) override;
    std::int32_t GetItemSize(std::int32_t index) override;
    bool GetItemIsFolder(std::int32_t index) override;
    TComPtr<IInArchive> GetInArchive() override;
    void ExtractItem(std::uint32_t item, fw::TStream& Stream, bool test) override;
    void ExtractItems(const std::uint32_t* items, std::uint32_t count, bool test, void* sender,
                      T7zGetStreamCallBack callback) override;
    void ExtractAll(bool test, void* sender, T7zGetStreamCallBack callback) override;
    void ExtractTo(const std::string& path) override;
    void SetPasswordCallback(void* sender, T7zPasswordCallback callback) override;
    void SetPassword(const std::string& password) override;
    void SetProgressCallback(void* sender, T7zProgressCallback callback) override;
    void SetClassId(const TGUID& classid) override { SetClassID(classid); }
    TGUID GetClassId() override { return ClassID(); }

    // IArchiveOpenCallback
    HRESULT SetTotal(const std::uint64_t* files, const std::uint64_t* bytes) override;
    HRESULT SetCompleted(const std::uint64_t* files, const std::uint64_t* bytes) override;
    // IProgress
    HRESULT SetTotal(std::uint64_t total) override;
    HRESULT SetCompleted(const std::uint64_t* completeValue) override;
    // IArchiveExtractCallback
    HRESULT GetStream(std::uint32_t index, ISequentialOutStream** outStream,
                      std::int32_t askExtractMode) override;
    HRESULT PrepareOperation(std::int32_t askExtractMode) override;
    HRESULT SetOperationResult(std::int32_t operationResult) override;
    // ICryptoGetTextPassword
    HRESULT CryptoGetTextPassword(BSTR* password) override;
    // IArchiveOpenVolumeCallback
    HRESULT GetProperty(PROPID propID, PROPVARIANT* value) override;
    HRESULT GetStream(const wchar_t* name, IInStream** inStream) override;
    // IArchiveOpenSetSubArchiveName
    HRESULT SetSubArchiveName(const wchar_t* name) override;

private:
    // The file ExtractTo is writing for the current item.
    struct TPendingFile {
        std::string path;
        TComPtr<T7zStream> stream;
    };

    IInArchive& RequireHandler() const;
    void RequireItem(std::uint32_t index) const;
    TPropVariant ItemProperty(std::int32_t index, PROPID propID) const;
    std::string ItemText(std::int32_t index, PROPID propID) const;
    void RequireIntactArchive() const;
    // Runs the handler's Extract with the reader as callback, then raises whatever
    // went wrong: a callback's exception, the result code, damaged or refused items.
    void RunExtract(const std::uint32_t* indices, std::uint32_t count, bool test);
    void EndExtract();
    HRESULT OpenItemFile(std::uint32_t index, ISequentialOutStream** outStream);
    // Removes the current item's file when it was not completed successfully.
    void FinishPendingFile(bool complete);
    HRESULT AnswerPassword(BSTR* password);

    TComPtr<IInArchive> FInArchive;
    T7zPasswordCallback FPasswordCallback;
    void* FPasswordSender = nullptr;
    T7zProgressCallback FProgressCallback;
    void* FProgressSender = nullptr;
    fw::TStream* FStream = nullptr;
    bool FPasswordIsDefined = false;
    std::string FPassword;
    bool FSubArchiveMode = false;
    std::string FSubArchiveName;
    T7zGetStreamCallBack FExtractCallBack;
    void* FExtractSender = nullptr;
    std::string FExtractPath;
    std::optional<TExtractTarget> FExtractTarget;

    std::exception_ptr FCallbackFailure;
    std::optional<TExtractOutcome> FOutcome;
    std::uint32_t FCurrentIndex = 0;
    std::optional<TPendingFile> FPendingFile;
};

} // namespace archive
