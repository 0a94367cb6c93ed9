#include "framework/ClassInfo.h"

#include "framework/PropInfo.h"
#include "framework/StringUtils.h"

namespace fw {

namespace {

// Searches info and then its parents for an entry called name.
template <class Entry, class Member>
const Entry* FindInHierarchy(const TClassInfo* info, std::string_view name, Member member) {
    for (; info; info = info->ClassParent())
        for (const auto& entry : (*info).*member)
            if (SameText(entry->Name(), name))
                return entry.get();
    return nullptr;
}

} // namespace

TClassInfo::TClassInfo(std::string name, const TClassInfo* parent)
    : FName(std::move(name)), FParent(parent) {}

TClassInfo::~TClassInfo() = default;
TClassInfo::TClassInfo(TClassInfo&&) noexcept = default;

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
    for (const TClassInfo* info = this; info; info = info->FParent)
        if (info == &ancestor)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    return FindInHierarchy<TPropInfo>(this, name, &TClassInfo::FProperties);
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const {
    return FindInHierarchy<TMethodInfo>(this, name, &TClassInfo::FMethods);
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const {
    return FindInHierarchy<TFieldInfo>(this, name, &TClassInfo::FFields);
}

const TBinaryPropInfo* TClassInfo::FindBinaryProperty(std::string_view name) const {
    return FindInHierarchy<TBinaryPropInfo>(this, name, &TClassInfo::FBinaryProperties);
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
    std::vector<const TPropInfo*> all =
        FParent ? FParent->Properties() : std::vector<const TPropInfo*>{};
    for (const auto& property : FProperties) {
        // A class may republish an inherited property with new accessors; it keeps its place.
        bool replaced = false;
        for (const TPropInfo*& existing : all)
            if (SameText(existing->Name(), property->Name())) {
                existing = property.get();
                replaced = true;
            }
        if (!replaced)
            all.push_back(property.get());
    }
    return all;
}

void TClassInfo::AddProperty(std::unique_ptr<TPropInfo> info) {
    FProperties.push_back(std::move(info));
}

void TClassInfo::AddMethod(std::unique_ptr<TMethodInfo> info) {
    FMethods.push_back(std::move(info));
}

void TClassInfo::AddField(std::unique_ptr<TFieldInfo> info) {
    FFields.push_back(std::move(info));
}

void TClassInfo::AddBinaryProperty(std::unique_ptr<TBinaryPropInfo> info) {
    FBinaryProperties.push_back(std::move(info));
}

} // namespace fw
