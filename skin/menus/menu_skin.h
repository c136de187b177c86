// What a skinned menu reads from a skin when it opens: the popup window's record with its window
// and mask pictures, the menu-item record with its face picture, the records the scroll markers
// and menu headers are drawn from, and whether skin effects (morphs, frame strips) are on.
//
// Everything is checked here, where it is read: a record whose picture the skin does not hold, or
// whose face has no height, counts as absent, so that the menu falls back to its built-in look
// instead of drawing from it. Drawing code then never needs to doubt what it is given.
#pragma once

#include <optional>

#include "platform/geometry.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/window_records.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace skin {

class TbsSkinData;

struct MenuSkin {
    // The popup window: drawn without skin when the record is absent.
    const TbsDataSkinPopupWindow* popup = nullptr;
    const Picture* window = nullptr;  // never null while `popup` is set
    const Picture* mask = nullptr;    // null: the popup is not shaped
    // The items: drawn without skin when the record is absent.
    const TbsDataSkinMenuItem* item = nullptr;
    const Picture* faces = nullptr;  // null: the item faces are empty
    // The normal face under the scroll markers ("menuitem", else "MENUITEM").
    const TbsDataSkinMenuItem* markerItem = nullptr;
    const Picture* markerFaces = nullptr;
    // The face of menu headers ("menuheader", else "label"); headers draw nothing without it.
    const TbsDataSkinLabelControl* header = nullptr;
    const Picture* headerPicture = nullptr;
    // Items morph or run their animation frames only with skin effects on.
    bool effects = false;
    // Where the font's character set comes from (its resource strings); may be null.
    const TbsSkinData* data = nullptr;
};

// The menu parts of the skin data; all absent without skin data or for an empty skin.
MenuSkin MenuSkinOf(const TbsSkinData* data);

// The picture at `index` of the skin's pictures, or null when the index names none (or an empty one).
const Picture* SkinPictureAt(const TbsSkinData& data, int32_t index);

// The popup record's nine-part layout: its corner points and "itemsrect" as the client rectangle.
NinePartLayout PopupWindowLayout(const TbsDataSkinPopupWindow& popup);

}  // namespace skin
