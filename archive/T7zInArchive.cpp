#include "archive/T7zInArchive.h"

#include "archive/CLocaleScope.h"
#include "archive/ResultCode.h"
#include "archive/ZipItemName.h"
#include "framework/Exception.h"
#include "framework/FileNames.h"
#include "framework/FileStream.h"
#include "framework/Format.h"
#include "platform/kernel/SystemMessage.h"

#include <sstream>

namespace archive {

namespace {

// How far into a file the handler looks for the archive's signature.
constexpr std::uint64_t kMaxCheckStartPosition = 1048576;

// Error and warning bits that mean the archive's contents cannot be trusted; a
// warning such as data after the end of the archive leaves the items sound.
constexpr std::uint32_t kDamageWarnings = NErrorFlags::kHeadersError | NErrorFlags::kUnexpectedEnd |
                                          NErrorFlags::kDataError | NErrorFlags::kCrcError;

std::string DamageText(std::uint32_t flags) {
    static constexpr std::pair<std::uint32_t, const char*> kTexts[] = {
        {NErrorFlags::kIsNotArc, "not an archive"},
        {NErrorFlags::kHeadersError, "headers error"},
        {NErrorFlags::kEncryptedHeadersError, "encrypted headers error"},
        {NErrorFlags::kUnavailableStart, "the start of the archive is missing"},
        {NErrorFlags::kUnconfirmedStart, "the start of the archive is unconfirmed"},
        {NErrorFlags::kUnexpectedEnd, "unexpected end of archive"},
        {NErrorFlags::kDataAfterEnd, "data after the end of the archive"},
        {NErrorFlags::kUnsupportedFeature, "unsupported feature"},
        {NErrorFlags::kUnsupportedMethod, "unsupported method"},
        {NErrorFlags::kDataError, "data error"},
        {NErrorFlags::kCrcError, "CRC error"},
    };
    std::string text;
    for (const auto& [flag, words] : kTexts) {
        if ((flags & flag) != 0)
            text += (text.empty() ? "" : ", ") + std::string(words);
    }
    return text.empty() ? fw::Format("error flags 0x%x", flags) : text;
}

bool HasToken(const std::string& text, std::string_view token) {
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (word == token)
            return true;
    }
    return false;
}

} // namespace

T7zInArchive::T7zInArchive(const std::string& lib) : T7zArchive(lib) {}

// The handler goes before the library that holds its code.
T7zInArchive::~T7zInArchive() {
    FPendingFile.reset();
    FInArchive.Reset();
}

HRESULT T7zInArchive::QueryInterface(const TGUID& iid, void** outObject) {
    return QueryInterfaceOf<T7zInArchive, I7zInArchive, IArchiveOpenCallback,
                            IArchiveExtractCallback, ICryptoGetTextPassword,
                            IArchiveOpenVolumeCallback, IArchiveOpenSetSubArchiveName>(this, iid,
                                                                                       outObject);
}

IInArchive& T7zInArchive::RequireHandler() const {
    if (!FInArchive)
        throw fw::EInvalidOperation("No archive is open");
    return *FInArchive;
}

SEVENZIP_CALLS_LIBRARY_OBJECTS TComPtr<IInArchive> T7zInArchive::GetInArchive() {
    if (!FInArchive) {
        CreateObject(ClassID(), IInArchive::IID, FInArchive.ReceiveVoid());
        if (!FInArchive)
            throw fw::Exception(ResultCodeMessage(win::E_NOINTERFACE));
    }
    return FInArchive;
}

void T7zInArchive::OpenFile(const std::string& FileName) {
    auto file = std::make_unique<fw::TFileStream>(FileName, fw::fmOpenRead | fw::fmShareDenyNone);
    const TComPtr<IInStream> stream(new T7zStream(std::move(file)));
    OpenStream(stream.Get());
}

SEVENZIP_CALLS_LIBRARY_OBJECTS void T7zInArchive::OpenStream(IInStream* stream) {
    // The library would read through a null stream.
    if (stream == nullptr)
        throw fw::Exception(ResultCodeMessage(win::E_POINTER));
    const TComPtr<IInArchive> handler = GetInArchive();
    FCallbackFailure = nullptr;
    HRESULT result;
    {
        const TCLocaleScope pin;
        result = handler->Open(stream, &kMaxCheckStartPosition,
                               static_cast<IArchiveOpenCallback*>(this));
    }
    if (FCallbackFailure)
        std::rethrow_exception(std::exchange(FCallbackFailure, nullptr));
    RequireOk(result);
}

// Closing a reader that has no archive open does nothing, so cleanup paths may
// close unconditionally.
SEVENZIP_CALLS_LIBRARY_OBJECTS void T7zInArchive::Close() {
    FPasswordIsDefined = false;
    FSubArchiveMode = false;
    if (FInArchive) {
        FInArchive->Close();
        FInArchive.Reset();
    }
}

SEVENZIP_CALLS_LIBRARY_OBJECTS std::uint32_t T7zInArchive::GetNumberOfItems() {
    IInArchive& handler = RequireHandler();
    std::uint32_t count = 0;
    RequireOk(handler.GetNumberOfItems(&count));
    return count;
}

// The library does not check item indices: one past its items crashes it.
SEVENZIP_CALLS_LIBRARY_OBJECTS void T7zInArchive::RequireItem(std::uint32_t index) const {
    std::uint32_t count = 0;
    RequireHandler().GetNumberOfItems(&count);
    if (index >= count)
        fw::RaiseFmt<fw::EListError>("Item index %d is out of range (the archive has %u items)",
                                     static_cast<std::int32_t>(index), count);
}

SEVENZIP_CALLS_LIBRARY_OBJECTS TPropVariant T7zInArchive::ItemProperty(std::int32_t index,
                                                                       PROPID propID) const {
    IInArchive& handler = RequireHandler();
    RequireItem(static_cast<std::uint32_t>(index));
    TPropVariant value(*this);
    const TCLocaleScope pin;
    handler.GetProperty(static_cast<std::uint32_t>(index), propID, value.Out());
    return value;
}

std::string T7zInArchive::ItemText(std::int32_t index, PROPID propID) const {
    const std::wstring name = ItemProperty(index, propID).AsWideString();
    const bool flagged = HasToken(ItemProperty(index, NPropId::kpidCharacts).AsString(), "UTF8");
    return ItemNameFromLibrary(name,
                               flagged ? TNameEncoding::Utf8Flagged : TNameEncoding::Unflagged);
}

std::string T7zInArchive::GetItemPath(std::int32_t index) {
    return ItemText(index, NPropId::kpidPath);
}

std::string T7zInArchive::GetItemName(std::int32_t index) {
    return ItemText(index, NPropId::kpidName);
}

std::int32_t T7zInArchive::GetItemSize(std::int32_t index) {
    return ItemProperty(index, NPropId::kpidSize).AsInteger();
}

bool T7zInArchive::GetItemIsFolder(std::int32_t index) {
    return ItemProperty(index, NPropId::kpidIsDir).AsBoolean();
}

// The library opens a damaged or cut-short zip by scanning its local headers and
// tells of the damage only through these properties.
SEVENZIP_CALLS_LIBRARY_OBJECTS void T7zInArchive::RequireIntactArchive() const {
    IInArchive& handler = RequireHandler();
    TPropVariant errors(*this);
    TPropVariant warnings(*this);
    handler.GetArchiveProperty(NPropId::kpidErrorFlags, errors.Out());
    handler.GetArchiveProperty(NPropId::kpidWarningFlags, warnings.Out());
    const auto damage = static_cast<std::uint32_t>(errors.AsUInt64()) |
                        (static_cast<std::uint32_t>(warnings.AsUInt64()) & kDamageWarnings);
    if (damage != 0)
        fw::RaiseFmt<fw::Exception>("The archive is damaged: %s", DamageText(damage));
}

SEVENZIP_CALLS_LIBRARY_OBJECTS void T7zInArchive::RunExtract(const std::uint32_t* indices,
                                                             std::uint32_t count, bool test) {
    IInArchive& handler = RequireHandler();
    if (indices != nullptr) {
        for (std::uint32_t i = 0; i < count; ++i)
            RequireItem(indices[i]);
    } else if (count != kAllItems && count != 0) {
        throw fw::Exception(ResultCodeMessage(win::E_POINTER));
    }
    RequireIntactArchive();
    FCallbackFailure = nullptr;
    FOutcome.emplace();
    HRESULT result;
    {
        const TCLocaleScope pin;
        result = handler.Extract(indices, count, test ? 1 : 0,
                                 static_cast<IArchiveExtractCallback*>(this));
    }
    if (FPendingFile) {
        const win::DWORD writeError = FPendingFile->stream->WriteError();
        if (writeError != 0 && !FCallbackFailure)
            FCallbackFailure = std::make_exception_ptr(
                fw::EWriteError(fw::Format("Cannot write file \"%s\". %s", FPendingFile->path,
                                           win::SystemMessageText(writeError))));
        FinishPendingFile(false);
    }
    if (FCallbackFailure)
        std::rethrow_exception(FCallbackFailure);
    RequireOk(result);
    FOutcome->RaiseIfAny();
}

void T7zInArchive::EndExtract() {
    FStream = nullptr;
    FExtractCallBack = nullptr;
    FExtractSender = nullptr;
    FExtractPath.clear();
    FExtractTarget.reset();
    FOutcome.reset();
    FPendingFile.reset();
    FCallbackFailure = nullptr;
}

namespace {

// Ends an extract operation on every path out of it, exceptions included.
template <class F> class TScopeExit {
public:
    explicit TScopeExit(F action) : FAction(std::move(action)) {}
    ~TScopeExit() { FAction(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    F FAction;
};

} // namespace

void T7zInArchive::ExtractItem(std::uint32_t item, fw::TStream& Stream, bool test) {
    const TScopeExit end([this] { EndExtract(); });
    FStream = &Stream;
    RunExtract(&item, 1, test);
}

void T7zInArchive::ExtractItems(const std::uint32_t* items, std::uint32_t count, bool test,
                                void* sender, T7zGetStreamCallBack callback) {
    const TScopeExit end([this] { EndExtract(); });
    FExtractCallBack = std::move(callback);
    FExtractSender = sender;
    RunExtract(items, count, test);
}

void T7zInArchive::ExtractAll(bool test, void* sender, T7zGetStreamCallBack callback) {
    ExtractItems(nullptr, kAllItems, test, sender, std::move(callback));
}

void T7zInArchive::ExtractTo(const std::string& path) {
    // An empty path would become "/" once the separator is added: never the
    // folder anybody meant.
    if (path.empty())
        throw fw::Exception("Cannot extract into a folder without a name");
    const TScopeExit end([this] { EndExtract(); });
    FExtractPath = fw::IncludeTrailingPathDelimiter(path);
    FExtractTarget.emplace(FExtractPath);
    RunExtract(nullptr, kAllItems, false);
}

void T7zInArchive::SetPasswordCallback(void* sender, T7zPasswordCallback callback) {
    FPasswordSender = sender;
    FPasswordCallback = std::move(callback);
}

void T7zInArchive::SetPassword(const std::string& password) {
    FPassword = password;
    FPasswordIsDefined = !password.empty();
}

void T7zInArchive::SetProgressCallback(void* sender, T7zProgressCallback callback) {
    FProgressSender = sender;
    FProgressCallback = std::move(callback);
}

} // namespace archive
