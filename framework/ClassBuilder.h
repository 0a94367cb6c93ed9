#pragma once
// The declaration syntax of published properties. A class declares FW_CLASS in its
// body and defines StaticClass with a builder, listing what it publishes:
//
//     const fw::TClassInfo& TButton::StaticClass() {
//         static const fw::TClassInfo info =
//             fw::TClassBuilder<TButton, TControl>("TButton")
//                 .Property("Caption", &TButton::Caption, &TButton::SetCaption)
//                 .Property("Default", &TButton::Default, &TButton::SetDefault)
//                 .Property("Kind", &TButton::Kind, &TButton::SetKind)
//                 .Property("OnClick", &TButton::OnClick, &TButton::SetOnClick)
//                 .Build();
//         return info;
//     }
//
// The kind of a property follows from the getter's type: bool is Boolean, TColor
// is colour, an enumeration with FW_ENUM_NAMES is enumeration, TSet<E> is set, any
// other integer is integer, std::string is string, a pointer to a TObject class is
// object, a std::function is event. Getters and setters are member functions or
// data members; a property without a setter is read-only.
//
// Forms also publish their component fields (.Field("Button1", &TForm1::Button1))
// and event handlers (.Method("Button1Click", &TForm1::Button1Click)), which the
// form-definition reader binds by name; .Binary names a property stored as bytes.
// A component class that can be constructed from its owner gets a factory, so it
// can be created by class name once registered (ClassRegistry.h).

#include "framework/ClassInfo.h"
#include "framework/Color.h"
#include "framework/EnumInfo.h"
#include "framework/Exception.h"
#include "framework/PropInfo.h"
#include "framework/Set.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>

namespace fw {

namespace detail {

template <class V> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type {};
template <class V> struct IsFunction : std::false_type {};
template <class S> struct IsFunction<std::function<S>> : std::true_type {};

template <class V>
constexpr bool IsObjectPointer =
    std::is_pointer_v<V>&& std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<V>>>;

template <class V> constexpr std::int64_t OrdinalMax() {
    if constexpr (sizeof(V) >= sizeof(std::int64_t))
        return std::numeric_limits<std::int64_t>::max();
    else
        return static_cast<std::int64_t>(std::numeric_limits<V>::max());
}

} // namespace detail

template <class T, class Parent> class TClassBuilder {
public:
    explicit TClassBuilder(std::string name) : FInfo(std::move(name), ParentInfo()) {}

    template <class Getter, class Setter = std::nullptr_t>
    TClassBuilder& Property(std::string name, Getter getter, Setter setter = nullptr) {
        using V = std::remove_cvref_t<std::invoke_result_t<Getter, const T&>>;
        if constexpr (std::is_same_v<V, bool>)
            AddOrdinal<V>(std::move(name), TTypeKind::tkBoolean, &BooleanInfo(), getter, setter, 0,
                          1);
        else if constexpr (std::is_same_v<V, TColor>)
            AddOrdinal<V>(std::move(name), TTypeKind::tkColor, nullptr, getter, setter,
                          std::numeric_limits<std::int32_t>::min(),
                          std::numeric_limits<std::int32_t>::max());
        else if constexpr (NamedEnum<V>)
            AddOrdinal<V>(std::move(name), TTypeKind::tkEnumeration, &EnumInfoOf<V>(), getter,
                          setter, 0, EnumInfoOf<V>().Count() - 1);
        else if constexpr (detail::IsSet<V>::value)
            AddSet<V>(std::move(name), getter, setter);
        else if constexpr (std::is_integral_v<V>)
            AddOrdinal<V>(std::move(name), TTypeKind::tkInteger, nullptr, getter, setter,
                          static_cast<std::int64_t>(std::numeric_limits<V>::min()),
                          detail::OrdinalMax<V>());
        else if constexpr (std::is_same_v<V, std::string>)
            AddString(std::move(name), getter, setter);
        else if constexpr (detail::IsObjectPointer<V>)
            AddObject<V>(std::move(name), getter, setter);
        else if constexpr (detail::IsFunction<V>::value)
            AddEvent<V>(std::move(name), getter, setter);
        else
            static_assert(sizeof(V) == 0, "this type cannot be published");
        return *this;
    }

    template <class R, class... Args>
    TClassBuilder& Method(std::string name, R (T::*method)(Args...)) {
        using Event = std::function<R(Args...)>;
        FInfo.AddMethod(std::make_unique<TMethodInfo>(
            std::move(name), std::type_index(typeid(Event)), [method](TObject& instance) {
                T& self = static_cast<T&>(instance);
                return std::any(Event([&self, method](Args... args) {
                    return (self.*method)(std::forward<Args>(args)...);
                }));
            }));
        return *this;
    }

    template <class F> TClassBuilder& Field(std::string name, F* T::*field) {
        static_assert(std::is_base_of_v<TObject, F>);
        FInfo.AddField(std::make_unique<TFieldInfo>(
            std::move(name), F::StaticClass(), [field](TObject& instance, TObject* value) {
                static_cast<T&>(instance).*field = Checked<F>(value);
            }));
        return *this;
    }

    TClassBuilder& Binary(std::string name, void (T::*read)(TStream&),
                          void (T::*write)(TStream&) const) {
        FInfo.AddBinaryProperty(std::make_unique<TBinaryPropInfo>(
            std::move(name),
            [read](TObject& instance, TStream& stream) {
                (static_cast<T&>(instance).*read)(stream);
            },
            [write](const TObject& instance, TStream& stream) {
                (static_cast<const T&>(instance).*write)(stream);
            }));
        return *this;
    }

    TClassInfo Build() {
        if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*> &&
                      !std::is_abstract_v<T>)
            // The owner frees what the factory makes (see Component.h).
            FInfo.SetFactory([](TComponent* owner) -> TComponent* { return new T(owner); });
        return std::move(FInfo);
    }

private:
    static const TClassInfo* ParentInfo() {
        if constexpr (std::is_void_v<Parent>)
            return nullptr;
        else
            return &Parent::StaticClass();
    }

    // value as a F*, or EPropertyError when it is an object of another class.
    template <class F> static F* Checked(TObject* value) {
        F* typed = dynamic_cast<F*>(value);
        if (value && !typed)
            throw EPropertyError("Invalid property value");
        return typed;
    }

    template <class Setter, class V> static void Apply(Setter setter, T& self, V&& value) {
        if constexpr (std::is_member_object_pointer_v<Setter>)
            self.*setter = std::forward<V>(value);
        else
            std::invoke(setter, self, std::forward<V>(value));
    }

    template <class V, class Getter, class Setter>
    void AddOrdinal(std::string name, TTypeKind kind, const TEnumInfo* enumType, Getter getter,
                    Setter setter, std::int64_t min, std::int64_t max) {
        TPropInfo::TOrdAccess access{[getter](const TObject& instance) {
                                         return static_cast<std::int64_t>(
                                             std::invoke(getter, static_cast<const T&>(instance)));
                                     },
                                     {},
                                     min,
                                     max};
        if constexpr (!std::is_null_pointer_v<Setter>)
            access.set = [setter](TObject& instance, std::int64_t value) {
                Apply(setter, static_cast<T&>(instance), static_cast<V>(value));
            };
        FInfo.AddProperty(
            std::make_unique<TPropInfo>(std::move(name), kind, std::move(access), enumType));
    }

    template <class V, class Getter, class Setter>
    void AddSet(std::string name, Getter getter, Setter setter) {
        const TEnumInfo& elements = V::ElementInfo();
        const std::int64_t max = elements.Count() >= 63 ? std::numeric_limits<std::int64_t>::max()
                                                        : (std::int64_t(1) << elements.Count()) - 1;
        TPropInfo::TOrdAccess access{[getter](const TObject& instance) {
                                         const V value =
                                             std::invoke(getter, static_cast<const T&>(instance));
                                         return static_cast<std::int64_t>(value.Bits());
                                     },
                                     {},
                                     0,
                                     max};
        if constexpr (!std::is_null_pointer_v<Setter>)
            access.set = [setter](TObject& instance, std::int64_t bits) {
                Apply(setter, static_cast<T&>(instance),
                      V::FromBits(static_cast<std::uint64_t>(bits)));
            };
        FInfo.AddProperty(std::make_unique<TPropInfo>(std::move(name), TTypeKind::tkSet,
                                                      std::move(access), &elements));
    }

    template <class Getter, class Setter>
    void AddString(std::string name, Getter getter, Setter setter) {
        TPropInfo::TStrAccess access{[getter](const TObject& instance) {
                                         return std::string(
                                             std::invoke(getter, static_cast<const T&>(instance)));
                                     },
                                     {}};
        if constexpr (!std::is_null_pointer_v<Setter>)
            access.set = [setter](TObject& instance, const std::string& value) {
                Apply(setter, static_cast<T&>(instance), value);
            };
        FInfo.AddProperty(std::make_unique<TPropInfo>(std::move(name), std::move(access)));
    }

    template <class V, class Getter, class Setter>
    void AddObject(std::string name, Getter getter, Setter setter) {
        using F = std::remove_cv_t<std::remove_pointer_t<V>>;
        TPropInfo::TObjectAccess access{
            [getter](const TObject& instance) -> TObject* {
                return const_cast<F*>(std::invoke(getter, static_cast<const T&>(instance)));
            },
            {},
            &F::StaticClass()};
        if constexpr (!std::is_null_pointer_v<Setter>)
            access.set = [setter](TObject& instance, TObject* value) {
                Apply(setter, static_cast<T&>(instance), Checked<F>(value));
            };
        FInfo.AddProperty(std::make_unique<TPropInfo>(std::move(name), std::move(access)));
    }

    template <class V, class Getter, class Setter>
    void AddEvent(std::string name, Getter getter, Setter setter) {
        TPropInfo::TMethodAccess access{
            [getter](const TObject& instance) -> std::any {
                V handler = std::invoke(getter, static_cast<const T&>(instance));
                return handler ? std::any(std::move(handler)) : std::any();
            },
            {},
            std::type_index(typeid(V))};
        if constexpr (!std::is_null_pointer_v<Setter>)
            access.set = [setter](TObject& instance, const std::any& handler) {
                Apply(setter, static_cast<T&>(instance),
                      handler.has_value() ? std::any_cast<const V&>(handler) : V());
            };
        FInfo.AddProperty(std::make_unique<TPropInfo>(std::move(name), std::move(access)));
    }

    TClassInfo FInfo;
};

} // namespace fw
