#pragma once
// One argument of Format: the framework's "array of const" element. It remembers
// the argument's kind and width so %x and %u show negative values as the
// unsigned value of the same width, as the framework does.

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

class FormatArg {
public:
    enum class Kind { Signed, Unsigned, Float, String, Pointer };

    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) FormatArg(T value)
        : FBytes(sizeof(T)) {
        if constexpr (std::is_signed_v<T>) {
            FKind = Kind::Signed;
            FSigned = value;
        } else {
            FKind = Kind::Unsigned;
            FUnsigned = value;
        }
    }
    FormatArg(double value) : FKind(Kind::Float), FFloat(value) {}
    FormatArg(std::string_view value) : FKind(Kind::String), FString(value) {}
    FormatArg(const std::string& value) : FKind(Kind::String), FString(value) {}
    FormatArg(const char* value) : FKind(Kind::String), FString(value ? value : "") {}
    FormatArg(const void* value) : FKind(Kind::Pointer), FPointer(value) {}

    Kind ArgKind() const { return FKind; }
    bool IsInteger() const { return FKind == Kind::Signed || FKind == Kind::Unsigned; }
    std::int64_t AsSigned() const;
    // The bit pattern of the argument, truncated to its own width.
    std::uint64_t AsUnsigned() const;
    double AsFloat() const { return FFloat; }
    std::string_view AsString() const { return FString; }
    const void* AsPointer() const { return FPointer; }

private:
    Kind FKind = Kind::Signed;
    unsigned FBytes = 8;
    std::int64_t FSigned = 0;
    std::uint64_t FUnsigned = 0;
    double FFloat = 0;
    std::string_view FString;
    const void* FPointer = nullptr;
};

} // namespace fw
