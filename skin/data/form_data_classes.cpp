#include "skin/data/form_data_classes.h"

#include "framework/core/properties.h"
#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"

namespace skin {

using framework::ClassTable;
using framework::Property;

namespace {

framework::PersistentClass StoredSkinClass() {
    return ClassTable<TbsCompressedStoredSkin>(
        "TbsCompressedStoredSkin", "",
        {
            Property("Description", &TbsCompressedStoredSkin::SetDescription),
            Property("FileName", &TbsCompressedStoredSkin::SetFileName),
            Property("CompressedFileName", &TbsCompressedStoredSkin::SetCompressedFileName),
            Property(TbsCompressedStoredSkin::kBinaryPropertyName,
                     &TbsCompressedStoredSkin::SetCompressedData),
        });
}

framework::PersistentClass SkinListItemClass() {
    return ClassTable<TbsSkinListItem>(
        "TbsSkinListItem", "",
        {
            Property("Name", &TbsSkinListItem::SetName),
            Property("Description", &TbsSkinListItem::SetDescription),
            Property("FileName", &TbsSkinListItem::SetFileName),
            Property("CompressedFileName", &TbsSkinListItem::SetCompressedFileName),
            Property(TbsSkinListItem::kBinaryPropertyName, &TbsSkinListItem::SetSkin),
        });
}

framework::PersistentClass SkinListClass() {
    return ClassTable<TbsCompressedSkinList>(
        "TbsCompressedSkinList", "",
        {
            framework::CollectionProperty("Skins", &TbsCompressedSkinList::Skins, "TbsSkinListItem"),
        });
}

framework::PersistentClass SkinDataClass() {
    return ClassTable<TbsSkinData>(
        "TbsSkinData", "",
        {
            Property("SkinnableForm", &TbsSkinData::SetSkinnableForm),
            Property("AnimationForAllWindows", &TbsSkinData::SetAnimationForAllWindows),
            Property("EnableSkinEffects", &TbsSkinData::SetEnableSkinEffects),
            Property("ShowButtonGlowFrames", &TbsSkinData::SetShowButtonGlowFrames),
            Property("ShowCaptionButtonGlowFrames", &TbsSkinData::SetShowCaptionButtonGlowFrames),
            Property("ShowLayeredBorders", &TbsSkinData::SetShowLayeredBorders),
            Property("AeroBlurEnabled", &TbsSkinData::SetAeroBlurEnabled),
            Property("CompressedStoredSkin", &TbsSkinData::SetCompressedStoredSkin),
            Property("SkinList", &TbsSkinData::SetSkinList),
            Property("ResourceStrData", &TbsSkinData::SetResourceStrData),
            Property("SkinIndex", &TbsSkinData::SetSkinIndex),
        });
}

framework::PersistentClass ResourceStringsClass() {
    return ClassTable<TbsResourceStrData>("TbsResourceStrData", "",
                                          {
                                              Property("ResStrings", &TbsResourceStrData::SetResStrings),
                                              Property("CharSet", &TbsResourceStrData::SetCharSet),
                                          });
}

}  // namespace

void RegisterSkinDataClasses() {
    static const bool registered = [] {
        for (framework::PersistentClass table : {StoredSkinClass(), SkinListItemClass(), SkinListClass(),
                                                 SkinDataClass(), ResourceStringsClass()})
            framework::RegisterPersistentClass(std::move(table));
        return true;
    }();
    (void)registered;
}

}  // namespace skin
