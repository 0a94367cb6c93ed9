#include "framework/ClassRegistry.h"

#include "framework/Exception.h"
#include "framework/StringUtils.h"

#include <map>
#include <string>

namespace fw {

namespace {

struct CaseInsensitiveLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

std::map<std::string, const TClassInfo*, CaseInsensitiveLess>& Classes() {
    static std::map<std::string, const TClassInfo*, CaseInsensitiveLess> classes;
    return classes;
}

} // namespace

void RegisterClass(const TClassInfo& info) {
    const auto [it, inserted] = Classes().emplace(info.ClassName(), &info);
    if (!inserted && it->second != &info)
        RaiseFmt<EFilerError>("A class named %s already exists", info.ClassName());
}

void UnRegisterClass(const TClassInfo& info) {
    const auto it = Classes().find(info.ClassName());
    if (it != Classes().end() && it->second == &info)
        Classes().erase(it);
}

const TClassInfo* GetClass(std::string_view name) {
    const auto it = Classes().find(name);
    return it == Classes().end() ? nullptr : it->second;
}

const TClassInfo& FindClass(std::string_view name) {
    if (const TClassInfo* info = GetClass(name))
        return *info;
    RaiseFmt<EClassNotFound>("Class %s not found", name);
}

} // namespace fw
