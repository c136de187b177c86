#include "skin/menus/menu_skin.h"

#include "skin/data/skin_data.h"
#include "skin/render/rect_helpers.h"

namespace skin {

const Picture* SkinPictureAt(const TbsSkinData& data, int32_t index) {
    const auto& pictures = data.ActivePictures();
    if (index < 0 || size_t(index) >= pictures.size() || pictures[size_t(index)].Empty())
        return nullptr;
    return &pictures[size_t(index)].Surface();
}

NinePartLayout PopupWindowLayout(const TbsDataSkinPopupWindow& popup) {
    return {popup.LeftTopPoint, popup.RightTopPoint, popup.LeftBottomPoint, popup.RightBottomPoint,
            popup.ItemsRect};
}

namespace {

const TbsDataSkinMenuItem* FirstMenuItemRecord(const TbsSkinData& data) {
    for (const auto& record : data.SkinObjects())
        if (const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(record.get()))
            return item;
    return nullptr;
}

const TbsDataSkinMenuItem* MenuItemNamed(const TbsSkinData& data, std::string_view name) {
    return data.ObjectAs<TbsDataSkinMenuItem>(data.FindObjectIndex(name));
}

}  // namespace

MenuSkin MenuSkinOf(const TbsSkinData* data) {
    MenuSkin skin;
    skin.data = data;
    if (!data || data->Empty())
        return skin;
    skin.effects = data->EnableSkinEffects();

    const TbsDataSkinPopupWindow& popup = data->PopupWindow();
    if (popup.WindowPictureIndex != -1) {
        // A popup picture the skin does not hold leaves the popup unskinned, as no record would.
        if (const Picture* window = SkinPictureAt(*data, popup.WindowPictureIndex)) {
            skin.popup = &popup;
            skin.window = window;
            skin.mask = SkinPictureAt(*data, popup.MaskPictureIndex);
        }
    }

    // Items are as high as their face: a record whose face has no height cannot give them one.
    if (const TbsDataSkinMenuItem* item = FirstMenuItemRecord(*data);
        item && HeightOfRect(item->SkinRect) > 0) {
        skin.item = item;
        skin.faces = SkinPictureAt(*data, item->ActivePictureIndex);
    }

    skin.markerItem = MenuItemNamed(*data, "menuitem");
    if (!skin.markerItem)
        skin.markerItem = MenuItemNamed(*data, "MENUITEM");
    if (skin.markerItem)
        skin.markerFaces = SkinPictureAt(*data, skin.markerItem->ActivePictureIndex);

    int32_t header = data->FindControlIndex("menuheader");
    if (header < 0)
        header = data->FindControlIndex("label");
    skin.header = data->ControlAs<TbsDataSkinLabelControl>(header);
    if (skin.header)
        skin.headerPicture = SkinPictureAt(*data, skin.header->PictureIndex);
    return skin;
}

}  // namespace skin
