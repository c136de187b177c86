#include "skin/controls/published_classes.h"

#include "framework/graphics/image_list.h"
#include "skin/controls/skin_tab_control.h"
#include "skin/controls/skin_updown.h"
#include "skin/data/skin_data.h"

namespace skin {

using framework::ClassTable;
using framework::PersistentClass;
using framework::Property;
using framework::SubObject;

PersistentClass TbsSkinControl::Published() {
    return ClassTable<TbsSkinControl>("TbsSkinControl", "TWinControl",
                                      {
                                          Property("HintTitle", &TbsSkinControl::SetHintTitle),
                                          Property("HintImageIndex", &TbsSkinControl::SetHintImageIndex),
                                          Property("HintImageList", &TbsSkinControl::SetHintImageList),
                                          Property("SkinData", &TbsSkinControl::SetSkinData),
                                          Property("SkinDataName", &TbsSkinControl::SetSkinDataName),
                                      });
}

PersistentClass TbsSkinCustomControl::Published() {
    return ClassTable<TbsSkinCustomControl>(
        "TbsSkinCustomControl", "TbsSkinControl",
        {
            SubObject("DefaultFont", &TbsSkinCustomControl::DefaultFont, "TFont"),
            Property("DefaultWidth", &TbsSkinCustomControl::SetDefaultWidth),
            Property("DefaultHeight", &TbsSkinCustomControl::SetDefaultHeight),
            Property("UseSkinFont", &TbsSkinCustomControl::SetUseSkinFont),
        });
}

PersistentClass TbsSkinUpDown::Published() {
    return ClassTable<TbsSkinUpDown>("TbsSkinUpDown", "TbsSkinCustomControl",
                                     {
                                         Property("UseSkinSize", &TbsSkinUpDown::SetUseSkinSize),
                                         Property("Orientation", &TbsSkinUpDown::SetOrientation),
                                         Property("Increment", &TbsSkinUpDown::SetIncrement),
                                         Property("Min", &TbsSkinUpDown::SetMin),
                                         Property("Max", &TbsSkinUpDown::SetMax),
                                         Property("Position", &TbsSkinUpDown::SetPosition),
                                     });
}

PersistentClass TbsSkinTabControl::Published() {
    return ClassTable<TbsSkinTabControl>(
        "TbsSkinTabControl", "TTabControl",
        {
            Property("TabPosition", &TbsSkinTabControl::SetTabPosition),
            Property("TabExtededDraw", &TbsSkinTabControl::SetTabExtededDraw),
            Property("TabMargin", &TbsSkinTabControl::SetTabMargin),
            Property("TabSpacing", &TbsSkinTabControl::SetTabSpacing),
            Property("TabLayout", &TbsSkinTabControl::SetTabLayout),
            Property("TextInHorizontal", &TbsSkinTabControl::SetTextInHorizontal),
            Property("Images", &TbsSkinTabControl::SetImages),
            Property("ShowCloseButtons", &TbsSkinTabControl::SetShowCloseButtons),
            Property("TabsBGTransparent", &TbsSkinTabControl::SetTabsBGTransparent),
            SubObject("DefaultFont", &TbsSkinTabControl::DefaultFont, "TFont"),
            Property("UseSkinFont", &TbsSkinTabControl::SetUseSkinFont),
            Property("DefaultItemHeight", &TbsSkinTabControl::SetDefaultItemHeight),
            Property("SkinData", &TbsSkinTabControl::SetSkinData),
            Property("SkinDataName", &TbsSkinTabControl::SetSkinDataName),
        });
}

void RegisterSkinControlClasses() {
    static const bool registered = [] {
        for (PersistentClass table : {TbsSkinControl::Published(), TbsSkinCustomControl::Published(),
                                      TbsSkinUpDown::Published(), TbsSkinTabControl::Published()})
            framework::RegisterPersistentClass(std::move(table));
        return true;
    }();
    (void)registered;
}

}  // namespace skin
