#include "framework/core/properties.h"

#include <map>

#include "platform/color.h"

namespace framework {

namespace detail {

void BadValue(std::string_view property, std::string_view expected) {
    throw EPropertyError("Invalid property value: " + std::string(property) + " takes " + std::string(expected));
}

int64_t IntegerValue(std::string_view property, const PropertyValue& value, int64_t low, int64_t high) {
    const auto* number = std::get_if<int64_t>(&value);
    if (!number) BadValue(property, "an integer");
    if (*number < low || *number > high) BadValue(property, "an integer in its range");
    return *number;
}

bool BooleanValue(std::string_view property, const PropertyValue& value) {
    const auto* flag = std::get_if<bool>(&value);
    if (!flag) BadValue(property, "true or false");
    return *flag;
}

const std::string& StringValue(std::string_view property, const PropertyValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    if (!text) BadValue(property, "a string");
    return *text;
}

const std::string& IdentValue(std::string_view property, const PropertyValue& value) {
    const auto* ident = std::get_if<Ident>(&value);
    if (!ident) BadValue(property, "a named value");
    return ident->name;
}

const std::vector<std::string>& SetNames(std::string_view property, const PropertyValue& value) {
    const auto* set = std::get_if<SetOf>(&value);
    if (!set) BadValue(property, "a set");
    return set->names;
}

TComponent* ReferenceValue(std::string_view property, const PropertyValue& value, const ReferenceLookup& lookup) {
    const auto* ref = std::get_if<Ref>(&value);
    if (!ref) BadValue(property, "a reference to a component");
    if (ref->name.empty()) return nullptr;
    TComponent* component = lookup ? lookup(ref->name) : nullptr;
    if (!component) throw EPropertyError("Invalid property value: " + std::string(property) + " names " + ref->name +
                                         ", which is no component of the form");
    return component;
}

}  // namespace detail

std::optional<uint32_t> ColorFromName(std::string_view name) {
    using namespace platform;
    struct Named {
        std::string_view name;
        uint32_t color;
    };
    static constexpr Named kColors[] = {
        {"clBlack", 0x000000},
        {"clMaroon", 0x000080},
        {"clGreen", 0x008000},
        {"clOlive", 0x008080},
        {"clNavy", 0x800000},
        {"clPurple", 0x800080},
        {"clTeal", 0x808000},
        {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},
        {"clRed", 0x0000FF},
        {"clLime", 0x00FF00},
        {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},
        {"clFuchsia", 0xFF00FF},
        {"clAqua", 0xFFFF00},
        {"clWhite", 0xFFFFFF},
        {"clBtnFace", SystemColor(COLOR_BTNFACE)},
        {"clBtnText", SystemColor(COLOR_BTNTEXT)},
        {"clBtnShadow", SystemColor(COLOR_BTNSHADOW)},
        {"clBtnHighlight", SystemColor(COLOR_BTNHIGHLIGHT)},
        {"clWindow", SystemColor(COLOR_WINDOW)},
        {"clWindowText", SystemColor(COLOR_WINDOWTEXT)},
        {"clWindowFrame", SystemColor(COLOR_WINDOWFRAME)},
        {"clHighlight", SystemColor(COLOR_HIGHLIGHT)},
        {"clHighlightText", SystemColor(COLOR_HIGHLIGHTTEXT)},
        {"clGrayText", SystemColor(COLOR_GRAYTEXT)},
        {"clInfoBk", SystemColor(COLOR_INFOBK)},
        {"clInfoText", SystemColor(COLOR_INFOTEXT)},
        {"clMenu", SystemColor(COLOR_MENU)},
        {"clMenuText", SystemColor(COLOR_MENUTEXT)},
        {"clActiveCaption", SystemColor(COLOR_ACTIVECAPTION)},
        {"clCaptionText", SystemColor(COLOR_CAPTIONTEXT)},
    };
    for (const Named& named : kColors)
        if (named.name == name) return named.color;
    return std::nullopt;
}

namespace {

std::map<std::string, PersistentClass, std::less<>>& Registry() {
    static std::map<std::string, PersistentClass, std::less<>> registry;
    return registry;
}

}  // namespace

void RegisterFrameworkClasses();

void RegisterPersistentClass(PersistentClass persistentClass) {
    std::string name = persistentClass.name;
    Registry()[name] = std::move(persistentClass);
}

const PersistentClass* FindPersistentClass(std::string_view name) {
    // The framework's own classes are there before anyone looks.
    static const bool registered = (RegisterFrameworkClasses(), true);
    (void)registered;
    auto& registry = Registry();
    auto found = registry.find(name);
    return found == registry.end() ? nullptr : &found->second;
}

const PersistentClass* FindClassOf(const TPersistent& object) {
    if (const PersistentClass* own = FindPersistentClass(object.ClassName())) return own;
    const PersistentClass* best = nullptr;
    int bestDepth = -1;
    for (const auto& [name, candidate] : Registry()) {
        if (!candidate.isInstance || !candidate.isInstance(object)) continue;
        int depth = 0;
        for (const PersistentClass* c = &candidate; c && !c->base.empty() && depth < 32; ++depth)
            c = FindPersistentClass(c->base);
        if (depth > bestDepth) {
            best = &candidate;
            bestDepth = depth;
        }
    }
    return best;
}

const PropertyInfo* FindProperty(const PersistentClass& persistentClass, std::string_view name) {
    // A base that is missing ends the search instead of looping; tables never name themselves.
    const PersistentClass* current = &persistentClass;
    for (int depth = 0; current && depth < 32; ++depth) {
        for (const PropertyInfo& property : current->properties)
            if (property.name == name) return &property;
        current = current->base.empty() ? nullptr : FindPersistentClass(current->base);
    }
    return nullptr;
}

void SetPropertyValue(TPersistent& target, std::string_view className, std::string_view name,
                      const PropertyValue& value, const ReferenceLookup& lookup) {
    const PersistentClass* persistentClass = FindPersistentClass(className);
    if (!persistentClass) throw EClassNotFound("Class " + std::string(className) + " not found");
    const size_t dot = name.find('.');
    const std::string_view head = name.substr(0, dot);
    const PropertyInfo* property = FindProperty(*persistentClass, head);
    if (!property) throw EPropertyError("Property " + std::string(name) + " does not exist");
    if (dot != std::string_view::npos) {
        if (property->type != PropertyType::Object)
            throw EPropertyError("Property " + std::string(head) + " has no parts");
        TPersistent* object = property->object(target);
        SetPropertyValue(*object, property->objectClass, name.substr(dot + 1), value, lookup);
        return;
    }
    if (property->type == PropertyType::Object) throw EPropertyError("Property " + std::string(name) + " is an object");
    property->set(target, value, lookup);
}

}  // namespace framework
