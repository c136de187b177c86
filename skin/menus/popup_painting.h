// Painting a popup menu's window apart from its items: the frame cut from the POPUPWINDOW picture
// (or the built-in look: a glyph column, a white area and a two-pixel border), and the scroll
// markers of a popup that scrolls, over the normal item face.
#pragma once

#include <cstdint>
#include <optional>

#include "framework/graphics/bitmap.h"
#include "platform/geometry.h"
#include "skin/menus/popup_geometry.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace skin {

struct MenuSkin;

struct PopupLook {
    const MenuSkin* skin = nullptr;
    platform::Size size;
    NinePartLayout newLayout;  // the frame moved to the size (NewCl)
    bool scrollMode = false;
    std::optional<int32_t> imageWidth;  // the menu's images
};

// The target becomes the popup's background; the client part of a skinned frame is drawn only
// when asked (a popup draws it behind its items only in scroll mode).
void PaintPopupBackground(const PopupLook& look, framework::TBitmap& target, bool drawClient);

// Which marker the pointer is on.
enum class MarkerHot { None = 0, Up = 1, Down = 2 };

// The two markers (the upper arrow in the active colour while hot, likewise the lower), each
// over the normal item face or, when the item face is transparent, over `background`; and with a
// skinned frame the same face in the gap from `itemsBottom` down to the lower marker.
void PaintScrollMarkers(const PopupLook& look, framework::TBitmap& target, MarkerHot hot,
                        const Picture& background, int32_t itemsBottom);

}  // namespace skin
