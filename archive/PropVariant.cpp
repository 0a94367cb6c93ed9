#include "archive/PropVariant.h"

#include "archive/WideString.h"
#include "framework/Exception.h"

#include <limits>

namespace archive {

void TPropVariant::RaiseInvalidCast() const {
    throw fw::EConvertError("Invalid variant type conversion");
}

bool TPropVariant::IsInteger() const {
    switch (FValue.vt) {
    case VT_I1:
    case VT_UI1:
    case VT_I2:
    case VT_UI2:
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_I8:
    case VT_UI8:
        return true;
    default:
        return false;
    }
}

// VT_UI8 values above the signed range are reported by AsUInt64 only.
std::int64_t TPropVariant::SignedValue() const {
    switch (FValue.vt) {
    case VT_I1:
        return FValue.cVal;
    case VT_UI1:
        return FValue.bVal;
    case VT_I2:
        return FValue.iVal;
    case VT_UI2:
        return FValue.uiVal;
    case VT_I4:
    case VT_INT:
        return FValue.lVal;
    case VT_UI4:
    case VT_UINT:
        return FValue.ulVal;
    case VT_I8:
        return FValue.hVal;
    case VT_UI8:
        if (FValue.uhVal > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            throw fw::EConvertError("Variant overflow");
        return static_cast<std::int64_t>(FValue.uhVal);
    default:
        RaiseInvalidCast();
    }
}

std::wstring TPropVariant::AsWideString() const {
    if (IsEmpty())
        return {};
    if (FValue.vt == VT_BSTR) {
        if (FValue.bstrVal == nullptr)
            return {};
        return std::wstring(FValue.bstrVal,
                            FLibrary.StringByteLength(FValue.bstrVal) / sizeof(wchar_t));
    }
    if (FValue.vt == VT_BOOL)
        return FValue.boolVal != 0 ? L"True" : L"False";
    if (FValue.vt == VT_UI8)
        return std::to_wstring(FValue.uhVal);
    return std::to_wstring(SignedValue());
}

std::string TPropVariant::AsString() const {
    return WideToUtf8(AsWideString());
}

bool TPropVariant::AsBoolean() const {
    if (IsEmpty())
        return false;
    if (FValue.vt == VT_BOOL)
        return FValue.boolVal != 0;
    if (FValue.vt == VT_UI8)
        return FValue.uhVal != 0;
    return SignedValue() != 0;
}

std::int32_t TPropVariant::AsInteger() const {
    if (IsEmpty())
        return 0;
    if (FValue.vt == VT_BOOL)
        return FValue.boolVal != 0 ? -1 : 0;
    const std::int64_t value = SignedValue();
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw fw::EConvertError("Variant overflow");
    return static_cast<std::int32_t>(value);
}

std::uint64_t TPropVariant::AsUInt64() const {
    if (IsEmpty())
        return 0;
    if (FValue.vt == VT_UI8)
        return FValue.uhVal;
    if (!IsInteger())
        RaiseInvalidCast();
    const std::int64_t value = SignedValue();
    if (value < 0)
        throw fw::EConvertError("Variant overflow");
    return static_cast<std::uint64_t>(value);
}

std::string_view TPropVariant::AsBytes() const {
    if (FValue.vt != VT_BSTR || FValue.bstrVal == nullptr)
        return {};
    return std::string_view(reinterpret_cast<const char*>(FValue.bstrVal),
                            FLibrary.StringByteLength(FValue.bstrVal));
}

} // namespace archive
