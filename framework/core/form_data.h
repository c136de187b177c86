// Form data: the declarative description of a form in C++ — the form's own properties, then its
// components in order, each with its class, name, parent and properties.
//
//   const FormData kSearchForm{
//       {{"Caption", std::string("Velmoro")}, {"ClientWidth", 777}},
//       {
//           {"TPanel", "Panel1", "", {{"Left", 3}, {"Top", 3}, {"BevelOuter", Ident{"bvNone"}}}},
//           {"TEdit", "m_keyword", "Panel1", {{"Left", 47}, {"TabOrder", 0}}},
//           {"TbsSkinData", "bsSkinData1", "", {{"CompressedStoredSkin", Ref{"bsStore"}}}},
//       }};
//
// Applying it (LoadFormData) goes in this order:
//   1. the form's own properties, then every component in order: made by its class's registered
//      creator with the form as owner, named, put on its parent (a control; "" is the form), its
//      properties applied as they are listed; references are only noted;
//   2. the caller's bind step (the form's code picks up its components and wires its events);
//   3. the references, in the order they were read, each through its setter;
//   4. the finishing step (Loaded) of the form and then of every component, in creation order;
//   (5. the form's creation event, run by TForm::LoadFormData.)
// A collection property's items are made and set as they are read (their own values cannot be
// references). Every component carries csLoading from its creation to its finishing step. An unknown class,
// property, parent or reference raises EReadError naming the component and the property.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/properties.h"

namespace framework {

class TComponent;

struct ComponentData {
    std::string className;
    std::string name;
    std::string parent;  // the parent control's name; "" for the form itself
    std::vector<PropertySetting> properties;
};

struct FormData {
    std::vector<PropertySetting> properties;
    std::vector<ComponentData> components;
};

// Applies steps 1 to 4 to `root` (the form, or any component that owns the components described).
void ApplyFormData(TComponent& root, const FormData& data, const std::function<void()>& bind = {});

}  // namespace framework
