// The reader's answers to the library during its open and extract operations.

#include "archive/CallbackGuard.h"
#include "archive/T7zInArchive.h"
#include "archive/WideString.h"
#include "framework/FileStream.h"

#include <cstdio>

namespace archive {

HRESULT T7zInArchive::SetTotal(const std::uint64_t*, const std::uint64_t*) {
    return win::S_OK;
}

HRESULT T7zInArchive::SetCompleted(const std::uint64_t*, const std::uint64_t*) {
    return win::S_OK;
}

HRESULT T7zInArchive::SetTotal(std::uint64_t total) {
    return GuardCallback(
        [&] {
            return FProgressCallback
                       ? FProgressCallback(FProgressSender, true, static_cast<std::int64_t>(total))
                       : win::S_OK;
        },
        &FCallbackFailure);
}

HRESULT T7zInArchive::SetCompleted(const std::uint64_t* completeValue) {
    return GuardCallback(
        [&] {
            return FProgressCallback && completeValue != nullptr
                       ? FProgressCallback(FProgressSender, false,
                                           static_cast<std::int64_t>(*completeValue))
                       : win::S_OK;
        },
        &FCallbackFailure);
}

HRESULT T7zInArchive::GetStream(std::uint32_t index, ISequentialOutStream** outStream,
                                std::int32_t askExtractMode) {
    if (outStream == nullptr)
        return win::E_POINTER;
    *outStream = nullptr;
    FCurrentIndex = index;
    return GuardCallback(
        [&]() -> HRESULT {
            if (askExtractMode != NAskMode::kExtract)
                return win::S_OK;
            if (FStream != nullptr) {
                *outStream = TComPtr<ISequentialOutStream>(new T7zStream(*FStream)).Detach();
                return win::S_OK;
            }
            if (FExtractCallBack)
                return FExtractCallBack(FExtractSender, index, outStream);
            if (FExtractTarget)
                return OpenItemFile(index, outStream);
            return win::S_OK;
        },
        &FCallbackFailure);
}

HRESULT T7zInArchive::OpenItemFile(std::uint32_t index, ISequentialOutStream** outStream) {
    const auto item = static_cast<std::int32_t>(index);
    if (GetItemIsFolder(item))
        return win::S_OK;
    const std::string itemPath = GetItemPath(item);
    const std::optional<std::string> target = FExtractTarget->PrepareFile(itemPath);
    if (!target) {
        if (FOutcome)
            FOutcome->Refused(itemPath);
        return win::S_OK;
    }
    auto file = std::make_unique<fw::TFileStream>(*target, fw::fmCreate | fw::fmShareExclusive);
    TComPtr<T7zStream> stream(new T7zStream(std::move(file)));
    *outStream = TComPtr<ISequentialOutStream>(stream.Get()).Detach();
    FPendingFile = TPendingFile{*target, std::move(stream)};
    return win::S_OK;
}

void T7zInArchive::FinishPendingFile(bool complete) {
    if (!FPendingFile)
        return;
    const std::string path = std::move(FPendingFile->path);
    FPendingFile.reset();
    if (!complete)
        std::remove(path.c_str());
}

HRESULT T7zInArchive::PrepareOperation(std::int32_t) {
    return win::S_OK;
}

HRESULT T7zInArchive::SetOperationResult(std::int32_t operationResult) {
    return GuardCallback(
        [&] {
            const bool complete = operationResult == NOperationResult::kOK;
            FinishPendingFile(complete);
            if (!complete && FOutcome)
                FOutcome->ItemFailed(GetItemPath(static_cast<std::int32_t>(FCurrentIndex)),
                                     operationResult);
            return win::S_OK;
        },
        &FCallbackFailure);
}

HRESULT T7zInArchive::CryptoGetTextPassword(BSTR* password) {
    if (password == nullptr)
        return win::E_POINTER;
    *password = nullptr;
    return GuardCallback([&] { return AnswerPassword(password); }, &FCallbackFailure);
}

HRESULT T7zInArchive::AnswerPassword(BSTR* password) {
    if (FPasswordIsDefined) {
        *password = AllocString(Utf8ToWide(FPassword));
        return win::S_OK;
    }
    if (!FPasswordCallback)
        return win::S_FALSE;
    std::string supplied;
    const HRESULT result = FPasswordCallback(FPasswordSender, supplied);
    if (result != win::S_OK)
        return result;
    *password = AllocString(Utf8ToWide(supplied));
    FPasswordIsDefined = true;
    FPassword = std::move(supplied);
    return win::S_OK;
}

HRESULT T7zInArchive::GetProperty(PROPID, PROPVARIANT*) {
    return win::S_OK;
}

HRESULT T7zInArchive::GetStream(const wchar_t*, IInStream** inStream) {
    if (inStream != nullptr)
        *inStream = nullptr;
    return win::S_OK;
}

HRESULT T7zInArchive::SetSubArchiveName(const wchar_t* name) {
    return GuardCallback(
        [&] {
            FSubArchiveMode = true;
            FSubArchiveName = WideToUtf8(name != nullptr ? std::wstring_view(name) : L"");
            return win::S_OK;
        },
        &FCallbackFailure);
}

} // namespace archive
