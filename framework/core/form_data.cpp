#include "framework/core/form_data.h"

#include "framework/controls/win_control.h"

namespace framework {

namespace {

struct PendingReference {
    TComponent* component;
    std::string className;
    const PropertySetting* setting;
};

[[noreturn]] void ReadFailure(const TComponent& component, const std::string& property, const std::string& why) {
    std::string where = component.Name().empty() ? component.ClassName() : component.Name();
    if (!property.empty()) where += "." + property;
    throw EReadError("Error reading " + where + ": " + why);
}

// Applies the settings that are values now and keeps the references for later.
void ApplySettings(TComponent& component, const std::string& className, const std::vector<PropertySetting>& settings,
                   std::vector<PendingReference>& references) {
    for (const PropertySetting& setting : settings) {
        if (std::holds_alternative<Ref>(setting.value)) {
            references.push_back({&component, className, &setting});
            continue;
        }
        try {
            SetPropertyValue(component, className, setting.name, setting.value);
        } catch (const EPropertyError& error) {
            ReadFailure(component, setting.name, error.Message());
        } catch (const EClassNotFound& error) {
            ReadFailure(component, setting.name, error.Message());
        }
    }
}

}  // namespace

void ApplyFormData(TComponent& root, const FormData& data, const std::function<void()>& bind) {
    std::vector<TComponent*> created;
    std::vector<PendingReference> references;
    const ReferenceLookup lookup = [&root](const std::string& name) -> TComponent* {
        return name == root.Name() ? &root : root.FindComponent(name);
    };

    root.SetLoading();
    const PersistentClass* rootClass = FindClassOf(root);
    if (!rootClass && !data.properties.empty()) ReadFailure(root, "", "its class has no published properties");
    ApplySettings(root, rootClass ? rootClass->name : std::string(), data.properties, references);
    for (const ComponentData& entry : data.components) {
        const PersistentClass* persistentClass = FindPersistentClass(entry.className);
        if (!persistentClass || !persistentClass->create)
            throw EReadError("Error reading " + entry.name + ": Class " + entry.className + " not found");
        TComponent* component = persistentClass->create(&root);
        created.push_back(component);
        component->SetLoading();
        try {
            component->SetName(entry.name);
        } catch (const Exception& error) {
            throw EReadError("Error reading " + entry.name + ".Name: " + error.Message());
        }
        if (auto* control = dynamic_cast<TControl*>(component)) {
            TComponent* parent = entry.parent.empty() ? &root : root.FindComponent(entry.parent);
            auto* windowed = dynamic_cast<TWinControl*>(parent);
            if (!windowed) ReadFailure(*component, "Parent", "no control named " + entry.parent + " can hold it");
            control->SetParent(windowed);
        }
        ApplySettings(*component, entry.className, entry.properties, references);
    }
    if (bind) bind();
    for (const PendingReference& pending : references) {
        try {
            SetPropertyValue(*pending.component, pending.className, pending.setting->name, pending.setting->value,
                             lookup);
        } catch (const EPropertyError& error) {
            ReadFailure(*pending.component, pending.setting->name, error.Message());
        }
    }
    root.Loaded();
    for (TComponent* component : created) component->Loaded();
}

}  // namespace framework
