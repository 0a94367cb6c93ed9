#include "archive/T7zArchive.h"

#include "archive/ResultCode.h"
#include "framework/Exception.h"

#include <cstring>

namespace archive {

T7zArchive::T7zArchive(const std::string& lib) : T7zPlugin(lib) {
    FGetHandlerProperty = reinterpret_cast<GetHandlerPropertyFunc>(Export("GetHandlerProperty"));
    if (FGetHandlerProperty == nullptr)
        RefuseLibrary(lib, "%s is not a Format library");
}

TPropVariant T7zArchive::GetHandlerProperty(NArchive propID) const {
    TPropVariant value(*this);
    RequireSucceeded(FGetHandlerProperty(static_cast<PROPID>(propID), value.Out()));
    return value;
}

std::string T7zArchive::GetLibStringProperty(NArchive index) const {
    return GetHandlerProperty(index).AsString();
}

TGUID T7zArchive::GetLibGUIDProperty(NArchive index) const {
    const TPropVariant value = GetHandlerProperty(index);
    const std::string_view bytes = value.AsBytes();
    if (bytes.size() < sizeof(TGUID))
        throw fw::EConvertError("Invalid variant type conversion");
    TGUID result;
    std::memcpy(&result, bytes.data(), sizeof(TGUID));
    return result;
}

} // namespace archive
