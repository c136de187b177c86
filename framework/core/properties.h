// Published properties: for every class that form data can describe, one table of its properties
// (name, type, setter), registered under the class's name with its base class, so that a class
// inherits its base's properties. Form data (form_data.h) creates components by class name and sets
// their properties through these tables; nothing else knows property names.
//
// A table is written with Property(name, &T::Setter): the type is read from the setter's parameter
// (integer, Boolean, string, enumeration, set of an enumeration, reference to a component, bytes,
// list of strings), and everything else (parsing the value, checking it, calling the setter) is
// generated from that. Enumerations name their values in an EnumNames<E> specialisation, checked
// against the enumeration by a static_assert. Colours take ColorProperty, sub-objects such as a
// font SubObject (their properties are reached as "Font.Height").
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/enum_set.h"
#include "framework/core/exception.h"
#include "framework/core/persistent.h"

namespace framework {

// A property value that form data could not apply: an unknown property or class, a value of the
// wrong kind or out of range, a reference to no component.
class EPropertyError : public Exception {
    using Exception::Exception;
};
class EClassNotFound : public Exception {
    using Exception::Exception;
};

// The values form data writes.
struct Ident {  // an enumeration value or a named constant: Ident{"alClient"}, Ident{"clBtnFace"}
    std::string name;
};
struct SetOf {  // a set: SetOf{{"biSystemMenu", "biMinimize"}}
    std::vector<std::string> names;
};
struct Ref {  // a reference to another component of the form, by name ("" for none)
    std::string name;
};
using Bytes = std::span<const uint8_t>;  // binary data, kept by whoever wrote the form data
using StringList = std::vector<std::string>;
struct PropertySetting;
// The items of a collection property, each as the settings of its own properties, in order:
//   {"Skins", Collection{{{{"Name", "Blush"}, {"Skin", Bytes(package)}}}}}
struct Collection {
    std::vector<std::vector<PropertySetting>> items;
};
using PropertyValue =
    std::variant<int64_t, bool, std::string, Ident, SetOf, Ref, Bytes, StringList, Collection>;

// One property of a component (or of a collection item) and the value form data gives it.
struct PropertySetting {
    std::string name;  // "Left", "Font.Height"
    PropertyValue value;

    PropertySetting(std::string name, PropertyValue value) : name(std::move(name)), value(std::move(value)) {}
    // Plain integers are common enough to be written as such.
    PropertySetting(std::string name, int value) : name(std::move(name)), value(int64_t(value)) {}
    PropertySetting(std::string name, int64_t value) : name(std::move(name)), value(value) {}
    PropertySetting(std::string name, bool value) : name(std::move(name)), value(value) {}
    PropertySetting(std::string name, const char* text) : name(std::move(name)), value(std::string(text)) {}
};

enum class PropertyType {
    Integer,
    Boolean,
    String,
    Enumeration,
    Set,
    Color,
    Reference,
    Binary,
    Strings,
    Object,
    Collection
};

// Looks up the component a reference names (form_data.h gives the form's components).
using ReferenceLookup = std::function<TComponent*(const std::string& name)>;

struct PropertyInfo {
    std::string_view name;
    PropertyType type;
    // Applies the value; raises EPropertyError when it does not fit.
    std::function<void(TPersistent& target, const PropertyValue& value, const ReferenceLookup& lookup)> set;
    // Object properties: the sub-object and the name of its class's table.
    std::function<TPersistent*(TPersistent& target)> object;
    std::string_view objectClass;
};

// The names of an enumeration's values in order; specialised for every enumeration form data sets:
//   template <> struct EnumNames<TAlign> { static constexpr std::array names{"alNone", ...}; };
template <class E>
struct EnumNames;

template <class E>
std::optional<E> EnumFromName(std::string_view name) {
    const auto& names = EnumNames<E>::names;
    for (size_t i = 0; i < names.size(); ++i)
        if (std::string_view(names[i]) == name)
            return E(i);
    return std::nullopt;
}
template <class E>
std::string_view EnumName(E value) {
    const auto& names = EnumNames<E>::names;
    return size_t(value) < names.size() ? std::string_view(names[size_t(value)]) : std::string_view();
}

// Colour constants by name ("clBtnFace", "clNavy"), or nullopt.
std::optional<uint32_t> ColorFromName(std::string_view name);

// --- Generating a property from its setter ---------------------------------------------------

namespace detail {

[[noreturn]] void BadValue(std::string_view property, std::string_view expected);
int64_t IntegerValue(std::string_view property, const PropertyValue& value, int64_t low, int64_t high);
bool BooleanValue(std::string_view property, const PropertyValue& value);
const std::string& StringValue(std::string_view property, const PropertyValue& value);
const std::string& IdentValue(std::string_view property, const PropertyValue& value);
const std::vector<std::string>& SetNames(std::string_view property, const PropertyValue& value);
TComponent* ReferenceValue(std::string_view property, const PropertyValue& value,
                           const ReferenceLookup& lookup);

template <class T>
struct IsEnumSet : std::false_type {};
template <class E>
struct IsEnumSet<EnumSet<E>> : std::true_type {
    using Enum = E;
};

template <class V>
constexpr PropertyType TypeOf() {
    using Plain = std::remove_cvref_t<V>;
    if constexpr (std::is_same_v<Plain, bool>)
        return PropertyType::Boolean;
    else if constexpr (std::is_enum_v<Plain>)
        return PropertyType::Enumeration;
    else if constexpr (std::is_integral_v<Plain>)
        return PropertyType::Integer;
    else if constexpr (std::is_same_v<Plain, std::string>)
        return PropertyType::String;
    else if constexpr (IsEnumSet<Plain>::value)
        return PropertyType::Set;
    else if constexpr (std::is_pointer_v<Plain>)
        return PropertyType::Reference;
    else if constexpr (std::is_same_v<Plain, Bytes>)
        return PropertyType::Binary;
    else if constexpr (std::is_same_v<Plain, StringList>)
        return PropertyType::Strings;
    else
        static_assert(sizeof(V) == 0, "no property type for this setter parameter");
}

template <class V>
std::remove_cvref_t<V> Convert(std::string_view name, const PropertyValue& value,
                               const ReferenceLookup& lookup) {
    using Plain = std::remove_cvref_t<V>;
    constexpr PropertyType type = TypeOf<V>();
    if constexpr (type == PropertyType::Boolean) {
        return BooleanValue(name, value);
    } else if constexpr (type == PropertyType::Enumeration) {
        auto parsed = EnumFromName<Plain>(IdentValue(name, value));
        if (!parsed)
            BadValue(name, "a value of its enumeration");
        return *parsed;
    } else if constexpr (type == PropertyType::Integer) {
        return Plain(IntegerValue(name, value, int64_t(std::numeric_limits<Plain>::min()),
                                  int64_t(std::numeric_limits<Plain>::max())));
    } else if constexpr (type == PropertyType::String) {
        return StringValue(name, value);
    } else if constexpr (type == PropertyType::Set) {
        using E = typename IsEnumSet<Plain>::Enum;
        Plain set;
        for (const std::string& member : SetNames(name, value)) {
            auto parsed = EnumFromName<E>(member);
            if (!parsed)
                BadValue(name, "members of its enumeration");
            set.insert(*parsed);
        }
        return set;
    } else if constexpr (type == PropertyType::Reference) {
        TComponent* component = ReferenceValue(name, value, lookup);
        if (!component)
            return nullptr;
        auto* typed = dynamic_cast<Plain>(component);
        if (!typed)
            BadValue(name, "a component of the right class");
        return typed;
    } else if constexpr (type == PropertyType::Binary) {
        if (auto* bytes = std::get_if<Bytes>(&value))
            return *bytes;
        BadValue(name, "binary data");
    } else {
        if (auto* list = std::get_if<StringList>(&value))
            return *list;
        BadValue(name, "a list of strings");
    }
}

}  // namespace detail

template <class T, class V>
PropertyInfo Property(std::string_view name, void (T::*setter)(V)) {
    PropertyInfo info{name, detail::TypeOf<V>(), {}, {}, {}};
    info.set = [name, setter](TPersistent& target, const PropertyValue& value,
                              const ReferenceLookup& lookup) {
        (static_cast<T&>(target).*setter)(detail::Convert<V>(name, value, lookup));
    };
    return info;
}

// A colour: an integer 0x00BBGGRR (or a system colour) or a named constant.
template <class T>
PropertyInfo ColorProperty(std::string_view name, void (T::*setter)(uint32_t)) {
    PropertyInfo info{name, PropertyType::Color, {}, {}, {}};
    info.set = [name, setter](TPersistent& target, const PropertyValue& value, const ReferenceLookup&) {
        uint32_t color = 0;
        if (auto* ident = std::get_if<Ident>(&value)) {
            auto named = ColorFromName(ident->name);
            if (!named)
                detail::BadValue(name, "a colour");
            color = *named;
        } else {
            color = uint32_t(detail::IntegerValue(name, value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<uint32_t>::max()));
        }
        (static_cast<T&>(target).*setter)(color);
    };
    return info;
}

// A property holding an object whose own properties form data sets ("Font.Name").
template <class T, class Sub>
PropertyInfo SubObject(std::string_view name, Sub& (T::*getter)(), std::string_view className) {
    PropertyInfo info{name, PropertyType::Object, {}, {}, className};
    info.object = [getter](TPersistent& target) -> TPersistent* {
        return &(static_cast<T&>(target).*getter)();
    };
    return info;
}

// --- The registry ----------------------------------------------------------------------------

struct PersistentClass {
    std::string name;
    std::string base;  // the class whose properties this one inherits; empty for none
    // Makes a component of the class with that owner; empty for classes that are not components
    // (a font) or cannot be made by form data.
    std::function<TComponent*(TComponent* owner)> create;
    std::vector<PropertyInfo> properties;
    // Whether an object is of this class (or derives from it).
    std::function<bool(const TPersistent& object)> isInstance;
};

// The table of class T: `create` is filled in when T is a component form data can make.
template <class T>
PersistentClass ClassTable(std::string name, std::string base, std::vector<PropertyInfo> properties) {
    PersistentClass table{std::move(name), std::move(base), {}, std::move(properties), {}};
    table.isInstance = [](const TPersistent& object) { return dynamic_cast<const T*>(&object) != nullptr; };
    if constexpr (std::is_base_of_v<TComponent, T> && std::is_constructible_v<T, TComponent*> &&
                  !std::is_abstract_v<T>)
        table.create = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return table;
}

// Registers (or replaces) a class. Later layers register their classes the same way.
void RegisterPersistentClass(PersistentClass persistentClass);
const PersistentClass* FindPersistentClass(std::string_view name);
// The table for an object: its own class's, else the most derived registered class it is an
// instance of (a form class of the program uses TForm's), or nullptr.
const PersistentClass* FindClassOf(const TPersistent& object);
// The property of that name on the class or its bases, or nullptr.
const PropertyInfo* FindProperty(const PersistentClass& persistentClass, std::string_view name);

// Sets one property by name ("Left", "Font.Height") on `target` of class `className`; raises
// EPropertyError for an unknown property or a value that does not fit.
void SetPropertyValue(TPersistent& target, std::string_view className, std::string_view name,
                      const PropertyValue& value, const ReferenceLookup& lookup = {});

// A collection property: form data's items replace the collection's, each made by the collection's
// Add() and given its settings through the item class's table (`itemClass`). The collection needs
// Clear() and Add(), which returns the new item (a TPersistent).
template <class T, class C>
PropertyInfo CollectionProperty(std::string_view name, C& (T::*getter)(), std::string_view itemClass) {
    PropertyInfo info{name, PropertyType::Collection, {}, {}, itemClass};
    info.set = [name, getter, itemClass](TPersistent& target, const PropertyValue& value,
                                         const ReferenceLookup& lookup) {
        const auto* collection = std::get_if<Collection>(&value);
        if (!collection)
            detail::BadValue(name, "a collection of items");
        C& items = (static_cast<T&>(target).*getter)();
        items.Clear();
        for (const std::vector<PropertySetting>& settings : collection->items) {
            TPersistent& item = items.Add();
            for (const PropertySetting& setting : settings)
                SetPropertyValue(item, itemClass, setting.name, setting.value, lookup);
        }
    };
    return info;
}

}  // namespace framework
