#pragma once
// Names of an enumeration's values, for enumeration and set properties read and
// written by value name. An enumeration opts in with FW_ENUM_NAMES next to its
// declaration, listing the names of the values 0, 1, 2 ... in order:
//
//     enum class TBitBtnKind { bkCustom, bkOK, bkCancel };
//     FW_ENUM_NAMES(TBitBtnKind, "bkCustom", "bkOK", "bkCancel");

#include <concepts>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TEnumInfo {
public:
    TEnumInfo(std::string typeName, std::initializer_list<const char*> names);

    const std::string& TypeName() const { return FTypeName; }
    int Count() const { return static_cast<int>(FNames.size()); }
    // The name of value, or "" for a value outside the enumeration.
    std::string Name(std::int64_t value) const;
    // The value named name (compared without regard to case), if there is one.
    std::optional<int> Value(std::string_view name) const;

private:
    std::string FTypeName;
    std::vector<std::string> FNames;
};

// The names of bool's values, "False" and "True".
const TEnumInfo& BooleanInfo();

// Found by argument-dependent lookup, so FW_ENUM_NAMES works in any namespace.
template <class E>
concept NamedEnum = std::is_enum_v<E> && requires(E e) {
    { FwEnumInfo(e) } -> std::same_as<const TEnumInfo&>;
};

template <NamedEnum E> const TEnumInfo& EnumInfoOf() {
    return FwEnumInfo(E{});
}

} // namespace fw

#define FW_ENUM_NAMES(type, ...)                                                                   \
    [[maybe_unused]] inline const ::fw::TEnumInfo& FwEnumInfo(type) {                              \
        static const ::fw::TEnumInfo info(#type, {__VA_ARGS__});                                   \
        return info;                                                                               \
    }                                                                                              \
    static_assert(true)
