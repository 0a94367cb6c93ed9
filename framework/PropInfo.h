#pragma once
// One published property, method, component field or binary property of a class,
// with type-erased access. Built by TClassBuilder; read through TypInfo.h or
// directly by the form-definition reader.

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <typeindex>

namespace fw {

class TObject;
class TStream;
class TClassInfo;
class TEnumInfo;

enum class TTypeKind {
    tkInteger,
    tkEnumeration,
    tkSet,
    tkString,
    tkBoolean,
    tkColor,
    tkClass,
    tkMethod,
};

class TPropInfo {
public:
    struct TOrdAccess {
        std::function<std::int64_t(const TObject&)> get;
        std::function<void(TObject&, std::int64_t)> set; // empty when read-only
        std::int64_t min;
        std::int64_t max;
    };
    struct TStrAccess {
        std::function<std::string(const TObject&)> get;
        std::function<void(TObject&, const std::string&)> set;
    };
    struct TObjectAccess {
        std::function<TObject*(const TObject&)> get;
        std::function<void(TObject&, TObject*)> set;
        const TClassInfo* propClass;
    };
    // An event holds a std::function of its own signature, carried in a std::any.
    struct TMethodAccess {
        std::function<std::any(const TObject&)> get;
        std::function<void(TObject&, const std::any&)> set;
        std::type_index eventType;
    };

    TPropInfo(std::string name, TTypeKind kind, TOrdAccess access, const TEnumInfo* enumType);
    TPropInfo(std::string name, TStrAccess access);
    TPropInfo(std::string name, TObjectAccess access);
    TPropInfo(std::string name, TMethodAccess access);

    const std::string& Name() const { return FName; }
    TTypeKind Kind() const { return FKind; }
    bool IsOrdinal() const;
    bool IsWritable() const;
    // Value names of enumeration, Boolean and set properties (set: its elements).
    const TEnumInfo* EnumType() const { return FEnumType; }
    // The class an object property holds.
    const TClassInfo* PropClass() const;
    // The std::function type an event property holds.
    std::type_index EventType() const;
    // The range an integer property's type can hold.
    std::int64_t MinValue() const;
    std::int64_t MaxValue() const;

    // Each accessor raises EPropertyError "Invalid property type: %s" when the
    // property is of another kind; setters raise "Property %s is read-only" for a
    // property without a setter and "Invalid property value" for a value its type
    // cannot hold.
    std::int64_t GetOrd(const TObject& instance) const;
    void SetOrd(TObject& instance, std::int64_t value) const;
    std::string GetStr(const TObject& instance) const;
    void SetStr(TObject& instance, const std::string& value) const;
    TObject* GetObject(const TObject& instance) const;
    void SetObject(TObject& instance, TObject* value) const;
    std::any GetMethod(const TObject& instance) const;
    void SetMethod(TObject& instance, const std::any& handler) const;

private:
    [[noreturn]] void InvalidType() const;
    [[noreturn]] void ReadOnly() const;
    const TOrdAccess& Ord() const;

    std::string FName;
    TTypeKind FKind;
    const TEnumInfo* FEnumType = nullptr;
    std::any FAccess;
};

// A published method: an event handler a form definition names ("OnClick =
// Button1Click"). Bind gives the handler bound to an instance, as the
// std::function type of events with that signature.
class TMethodInfo {
public:
    TMethodInfo(std::string name, std::type_index eventType, std::function<std::any(TObject&)> bind)
        : FName(std::move(name)), FEventType(eventType), FBind(std::move(bind)) {}

    const std::string& Name() const { return FName; }
    std::type_index EventType() const { return FEventType; }
    std::any Bind(TObject& instance) const { return FBind(instance); }

private:
    std::string FName;
    std::type_index FEventType;
    std::function<std::any(TObject&)> FBind;
};

// A published component field of a form: the reader stores the component it
// creates under that name in the field.
class TFieldInfo {
public:
    TFieldInfo(std::string name, const TClassInfo& fieldClass,
               std::function<void(TObject&, TObject*)> set)
        : FName(std::move(name)), FFieldClass(fieldClass), FSet(std::move(set)) {}

    const std::string& Name() const { return FName; }
    const TClassInfo& FieldClass() const { return FFieldClass; }
    // Raises EPropertyError "Invalid property value" for an object of another class.
    void Set(TObject& instance, TObject* value) const { FSet(instance, value); }

private:
    std::string FName;
    const TClassInfo& FFieldClass;
    std::function<void(TObject&, TObject*)> FSet;
};

// A property stored as raw bytes in a form definition (a picture, a skin).
class TBinaryPropInfo {
public:
    TBinaryPropInfo(std::string name, std::function<void(TObject&, TStream&)> read,
                    std::function<void(const TObject&, TStream&)> write)
        : FName(std::move(name)), FRead(std::move(read)), FWrite(std::move(write)) {}

    const std::string& Name() const { return FName; }
    // Loads the property from the stored bytes.
    void Read(TObject& instance, TStream& stream) const { FRead(instance, stream); }
    // Writes the property's bytes.
    void Write(const TObject& instance, TStream& stream) const { FWrite(instance, stream); }

private:
    std::string FName;
    std::function<void(TObject&, TStream&)> FRead;
    std::function<void(const TObject&, TStream&)> FWrite;
};

} // namespace fw
