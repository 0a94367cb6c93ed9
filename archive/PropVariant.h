#pragma once
// A property variant filled by the library, released through the library's own
// string functions when it goes, and converted by the platform's variant rules:
// an empty value reads as "", 0 or false; a number that does not fit raises.

#include "archive/T7zPlugin.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace archive {

class TPropVariant {
public:
    explicit TPropVariant(const T7zPlugin& library) : FLibrary(library) {}
    ~TPropVariant() { Clear(); }
    TPropVariant(TPropVariant&& other) noexcept : FLibrary(other.FLibrary), FValue(other.FValue) {
        other.FValue = PROPVARIANT();
    }
    TPropVariant(const TPropVariant&) = delete;
    TPropVariant& operator=(const TPropVariant&) = delete;
    TPropVariant& operator=(TPropVariant&&) = delete;

    // The slot for the library to fill; whatever it held is released first.
    PROPVARIANT* Out() {
        Clear();
        return &FValue;
    }
    VARTYPE Type() const { return FValue.vt; }
    bool IsEmpty() const { return FValue.vt == VT_EMPTY || FValue.vt == VT_NULL; }

    std::wstring AsWideString() const;
    std::string AsString() const;
    bool AsBoolean() const;
    std::int32_t AsInteger() const;
    std::uint64_t AsUInt64() const;
    // The payload bytes of a string value (a GUID travels as 16 such bytes).
    std::string_view AsBytes() const;

private:
    void Clear() { FLibrary.ClearVariant(FValue); }
    // Integer types as a 64-bit value with its sign; raises for other types.
    bool IsInteger() const;
    std::int64_t SignedValue() const;
    [[noreturn]] void RaiseInvalidCast() const;

    const T7zPlugin& FLibrary;
    PROPVARIANT FValue;
};

} // namespace archive
