#include "framework/TypInfo.h"

#include "framework/Color.h"
#include "framework/EnumInfo.h"
#include "framework/Exception.h"
#include "framework/StringUtils.h"

namespace fw {

namespace {

const TPropInfo* FindOfKind(const TObject& instance, std::string_view name,
                            std::initializer_list<TTypeKind> kinds) {
    const TPropInfo* info = GetPropInfo(instance, name);
    if (!info)
        return nullptr;
    for (TTypeKind kind : kinds)
        if (info->Kind() == kind)
            return info;
    return nullptr;
}

const TPropInfo* FindOrdinal(const TObject& instance, std::string_view name) {
    const TPropInfo* info = GetPropInfo(instance, name);
    return info && info->IsOrdinal() ? info : nullptr;
}

std::optional<std::int64_t> ParseOrdinalText(const TPropInfo& info, std::string_view text) {
    switch (info.Kind()) {
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkBoolean:
        if (std::optional<int> value = info.EnumType()->Value(Trim(text)))
            return *value;
        return std::nullopt;
    case TTypeKind::tkSet:
        if (std::optional<std::uint64_t> bits = StringToSet(*info.EnumType(), text))
            return static_cast<std::int64_t>(*bits);
        return std::nullopt;
    case TTypeKind::tkColor:
        try {
            return StringToColor(Trim(text));
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    default:
        try {
            return StrToInt64(text);
        } catch (const EConvertError&) {
            return std::nullopt;
        }
    }
}

} // namespace

const TPropInfo* GetPropInfo(const TObject& instance, std::string_view name) {
    return instance.ClassType().FindProperty(name);
}

bool IsPublishedProp(const TObject& instance, std::string_view name) {
    return GetPropInfo(instance, name) != nullptr;
}

std::optional<std::int64_t> GetOrdProp(const TObject& instance, std::string_view name) {
    const TPropInfo* info = FindOrdinal(instance, name);
    return info ? std::optional(info->GetOrd(instance)) : std::nullopt;
}

std::optional<std::string> GetStrProp(const TObject& instance, std::string_view name) {
    const TPropInfo* info = FindOfKind(instance, name, {TTypeKind::tkString});
    return info ? std::optional(info->GetStr(instance)) : std::nullopt;
}

std::optional<std::string> GetEnumProp(const TObject& instance, std::string_view name) {
    const TPropInfo* info =
        FindOfKind(instance, name, {TTypeKind::tkEnumeration, TTypeKind::tkBoolean});
    return info ? std::optional(info->EnumType()->Name(info->GetOrd(instance))) : std::nullopt;
}

std::optional<std::string> GetSetProp(const TObject& instance, std::string_view name) {
    const TPropInfo* info = FindOfKind(instance, name, {TTypeKind::tkSet});
    if (!info)
        return std::nullopt;
    return SetToString(*info->EnumType(), static_cast<std::uint64_t>(info->GetOrd(instance)),
                       false);
}

std::optional<TObject*> GetObjectProp(const TObject& instance, std::string_view name,
                                      const TClassInfo* minClass) {
    const TPropInfo* info = FindOfKind(instance, name, {TTypeKind::tkClass});
    if (!info)
        return std::nullopt;
    TObject* value = info->GetObject(instance);
    if (minClass && value && !value->InheritsFrom(*minClass))
        return std::nullopt;
    return value;
}

std::optional<std::any> GetMethodProp(const TObject& instance, std::string_view name) {
    const TPropInfo* info = FindOfKind(instance, name, {TTypeKind::tkMethod});
    return info ? std::optional(info->GetMethod(instance)) : std::nullopt;
}

bool SetOrdProp(TObject& instance, std::string_view name, std::int64_t value) {
    const TPropInfo* info = FindOrdinal(instance, name);
    if (info)
        info->SetOrd(instance, value);
    return info != nullptr;
}

bool SetStrProp(TObject& instance, std::string_view name, const std::string& value) {
    const TPropInfo* info = FindOfKind(instance, name, {TTypeKind::tkString});
    if (info)
        info->SetStr(instance, value);
    return info != nullptr;
}

bool SetEnumProp(TObject& instance, std::string_view name, std::string_view valueName) {
    const TPropInfo* info =
        FindOfKind(instance, name, {TTypeKind::tkEnumeration, TTypeKind::tkBoolean});
    if (!info)
        return false;
    const std::optional<int> value = info->EnumType()->Value(valueName);
    if (value)
        info->SetOrd(instance, *value);
    return value.has_value();
}

bool SetObjectProp(TObject& instance, std::string_view name, TObject* value) {
    const TPropInfo* info = FindOfKind(instance, name, {TTypeKind::tkClass});
    if (info)
        info->SetObject(instance, value);
    return info != nullptr;
}

bool SetMethodProp(TObject& instance, std::string_view name, const std::any& handler) {
    const TPropInfo* info = FindOfKind(instance, name, {TTypeKind::tkMethod});
    if (info)
        info->SetMethod(instance, handler);
    return info != nullptr;
}

std::optional<std::string> GetPropText(const TObject& instance, std::string_view name) {
    const TPropInfo* info = GetPropInfo(instance, name);
    if (!info)
        return std::nullopt;
    switch (info->Kind()) {
    case TTypeKind::tkString:
        return info->GetStr(instance);
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkBoolean:
        return info->EnumType()->Name(info->GetOrd(instance));
    case TTypeKind::tkSet:
        return SetToString(*info->EnumType(), static_cast<std::uint64_t>(info->GetOrd(instance)),
                           true);
    case TTypeKind::tkColor:
        return ColorToString(static_cast<TColor>(info->GetOrd(instance)));
    case TTypeKind::tkInteger:
        return IntToStr(info->GetOrd(instance));
    default:
        return std::nullopt;
    }
}

bool SetPropText(TObject& instance, std::string_view name, std::string_view text) {
    const TPropInfo* info = GetPropInfo(instance, name);
    if (!info || info->Kind() == TTypeKind::tkClass || info->Kind() == TTypeKind::tkMethod)
        return false;
    if (info->Kind() == TTypeKind::tkString) {
        info->SetStr(instance, std::string(text));
        return true;
    }
    const std::optional<std::int64_t> value = ParseOrdinalText(*info, text);
    if (!value || *value < info->MinValue() || *value > info->MaxValue())
        return false;
    info->SetOrd(instance, *value);
    return true;
}

std::string SetToString(const TEnumInfo& elements, std::uint64_t bits, bool brackets) {
    std::string out;
    for (int i = 0; i < elements.Count() && i < 64; ++i)
        if (bits & (std::uint64_t(1) << i)) {
            if (!out.empty())
                out += ',';
            out += elements.Name(i);
        }
    return brackets ? "[" + out + "]" : out;
}

std::optional<std::uint64_t> StringToSet(const TEnumInfo& elements, std::string_view text) {
    std::string body = Trim(text);
    if (!body.empty() && body.front() == '[') {
        if (body.back() != ']')
            return std::nullopt;
        body = Trim(std::string_view(body).substr(1, body.size() - 2));
    }
    std::uint64_t bits = 0;
    std::size_t start = 0;
    while (!body.empty() && start <= body.size()) {
        const std::size_t comma = std::min(body.find(',', start), body.size());
        const std::optional<int> element =
            elements.Value(Trim(std::string_view(body).substr(start, comma - start)));
        if (!element || *element >= 64)
            return std::nullopt;
        bits |= std::uint64_t(1) << *element;
        start = comma + 1;
    }
    return bits;
}

} // namespace fw
