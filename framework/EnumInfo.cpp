#include "framework/EnumInfo.h"

#include "framework/StringUtils.h"

namespace fw {

TEnumInfo::TEnumInfo(std::string typeName, std::initializer_list<const char*> names)
    : FTypeName(std::move(typeName)), FNames(names.begin(), names.end()) {}

std::string TEnumInfo::Name(std::int64_t value) const {
    return value >= 0 && value < Count() ? FNames[static_cast<std::size_t>(value)] : std::string();
}

std::optional<int> TEnumInfo::Value(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(FNames[static_cast<std::size_t>(i)], name))
            return i;
    return std::nullopt;
}

const TEnumInfo& BooleanInfo() {
    static const TEnumInfo info("Boolean", {"False", "True"});
    return info;
}

} // namespace fw
