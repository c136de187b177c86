#include "skin/menus/published_classes.h"

#include "skin/data/skin_data.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_popup_menu.h"

namespace skin {

using framework::ClassTable;
using framework::PersistentClass;
using framework::Property;
using framework::SubObject;

PersistentClass TbsSkinPopupMenu::Published() {
    return ClassTable<TbsSkinPopupMenu>("TbsSkinPopupMenu", "TPopupMenu",
                                        {
                                            Property("SkinData", &TbsSkinPopupMenu::SetSkinData),
                                            Property("SkinForm", &TbsSkinPopupMenu::SetSkinForm),
                                            Property("Form", &TbsSkinPopupMenu::SetForm),
                                        });
}

PersistentClass TbsSkinHint::Published() {
    return ClassTable<TbsSkinHint>("TbsSkinHint", "",
                                   {
                                       Property("Active", &TbsSkinHint::SetActive),
                                       Property("SkinData", &TbsSkinHint::SetSkinData),
                                       Property("AlphaBlend", &TbsSkinHint::SetAlphaBlend),
                                       Property("AlphaBlendValue", &TbsSkinHint::SetAlphaBlendValue),
                                       Property("AlphaBlendAnimation", &TbsSkinHint::SetAlphaBlendAnimation),
                                       SubObject("DefaultFont", &TbsSkinHint::DefaultFont, "TFont"),
                                       Property("UseSkinFont", &TbsSkinHint::SetUseSkinFont),
                                       Property("LineSeparator", &TbsSkinHint::SetLineSeparator),
                                   });
}

void RegisterSkinMenuClasses() {
    static const bool registered = [] {
        for (PersistentClass table : {TbsSkinPopupMenu::Published(), TbsSkinHint::Published()})
            framework::RegisterPersistentClass(std::move(table));
        return true;
    }();
    (void)registered;
}

}  // namespace skin
