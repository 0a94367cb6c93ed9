#include "framework/PropInfo.h"

#include "framework/Exception.h"

namespace fw {

TPropInfo::TPropInfo(std::string name, TTypeKind kind, TOrdAccess access, const TEnumInfo* enumType)
    : FName(std::move(name)), FKind(kind), FEnumType(enumType), FAccess(std::move(access)) {}

TPropInfo::TPropInfo(std::string name, TStrAccess access)
    : FName(std::move(name)), FKind(TTypeKind::tkString), FAccess(std::move(access)) {}

TPropInfo::TPropInfo(std::string name, TObjectAccess access)
    : FName(std::move(name)), FKind(TTypeKind::tkClass), FAccess(std::move(access)) {}

TPropInfo::TPropInfo(std::string name, TMethodAccess access)
    : FName(std::move(name)), FKind(TTypeKind::tkMethod), FAccess(std::move(access)) {}

bool TPropInfo::IsOrdinal() const {
    return FKind != TTypeKind::tkString && FKind != TTypeKind::tkClass &&
           FKind != TTypeKind::tkMethod;
}

bool TPropInfo::IsWritable() const {
    switch (FKind) {
    case TTypeKind::tkString:
        return bool(std::any_cast<const TStrAccess&>(FAccess).set);
    case TTypeKind::tkClass:
        return bool(std::any_cast<const TObjectAccess&>(FAccess).set);
    case TTypeKind::tkMethod:
        return bool(std::any_cast<const TMethodAccess&>(FAccess).set);
    default:
        return bool(Ord().set);
    }
}

void TPropInfo::InvalidType() const {
    RaiseFmt<EPropertyError>("Invalid property type: %s", FName);
}

void TPropInfo::ReadOnly() const {
    RaiseFmt<EPropertyError>("Property %s is read-only", FName);
}

const TPropInfo::TOrdAccess& TPropInfo::Ord() const {
    if (!IsOrdinal())
        InvalidType();
    return std::any_cast<const TOrdAccess&>(FAccess);
}

const TClassInfo* TPropInfo::PropClass() const {
    return FKind == TTypeKind::tkClass ? std::any_cast<const TObjectAccess&>(FAccess).propClass
                                       : nullptr;
}

std::type_index TPropInfo::EventType() const {
    return FKind == TTypeKind::tkMethod ? std::any_cast<const TMethodAccess&>(FAccess).eventType
                                        : std::type_index(typeid(void));
}

std::int64_t TPropInfo::MinValue() const {
    return Ord().min;
}

std::int64_t TPropInfo::MaxValue() const {
    return Ord().max;
}

std::int64_t TPropInfo::GetOrd(const TObject& instance) const {
    return Ord().get(instance);
}

void TPropInfo::SetOrd(TObject& instance, std::int64_t value) const {
    const TOrdAccess& access = Ord();
    if (!access.set)
        ReadOnly();
    if (value < access.min || value > access.max)
        throw EPropertyError("Invalid property value");
    access.set(instance, value);
}

std::string TPropInfo::GetStr(const TObject& instance) const {
    if (FKind != TTypeKind::tkString)
        InvalidType();
    return std::any_cast<const TStrAccess&>(FAccess).get(instance);
}

void TPropInfo::SetStr(TObject& instance, const std::string& value) const {
    if (FKind != TTypeKind::tkString)
        InvalidType();
    const TStrAccess& access = std::any_cast<const TStrAccess&>(FAccess);
    if (!access.set)
        ReadOnly();
    access.set(instance, value);
}

TObject* TPropInfo::GetObject(const TObject& instance) const {
    if (FKind != TTypeKind::tkClass)
        InvalidType();
    return std::any_cast<const TObjectAccess&>(FAccess).get(instance);
}

void TPropInfo::SetObject(TObject& instance, TObject* value) const {
    if (FKind != TTypeKind::tkClass)
        InvalidType();
    const TObjectAccess& access = std::any_cast<const TObjectAccess&>(FAccess);
    if (!access.set)
        ReadOnly();
    access.set(instance, value);
}

std::any TPropInfo::GetMethod(const TObject& instance) const {
    if (FKind != TTypeKind::tkMethod)
        InvalidType();
    return std::any_cast<const TMethodAccess&>(FAccess).get(instance);
}

void TPropInfo::SetMethod(TObject& instance, const std::any& handler) const {
    if (FKind != TTypeKind::tkMethod)
        InvalidType();
    const TMethodAccess& access = std::any_cast<const TMethodAccess&>(FAccess);
    if (!access.set)
        ReadOnly();
    if (handler.has_value() && std::type_index(handler.type()) != access.eventType)
        throw EPropertyError("Invalid property value");
    access.set(instance, handler);
}

} // namespace fw
