#include "skin/menus/popup_painting.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "skin/menus/menu_skin.h"
#include "skin/render/bars.h"
#include "skin/render/nine_part_image.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/standard_glyphs.h"

namespace skin {

using framework::TBitmap;
using framework::TCanvas;
using platform::COLORREF;
using platform::Rect;

void PaintPopupBackground(const PopupLook& look, TBitmap& target, bool drawClient) {
    target.SetSize(look.size.cx, look.size.cy);
    const MenuSkin& skin = *look.skin;
    if (skin.popup) {
        const TbsDataSkinPopupWindow& p = *skin.popup;
        const Picture& window = *skin.window;
        ComposeNinePartImage(PopupWindowLayout(p), look.newLayout, target.Surface(), window, window.bounds(),
                             look.size, {p.LeftStretch, p.TopStretch, p.RightStretch, p.BottomStretch},
                             {drawClient, p.StretchEffect, p.StretchType});
        return;
    }
    TCanvas& c = target.Canvas();
    const Rect all{0, 0, look.size.cx, look.size.cy};
    const int32_t column = look.imageWidth ? ClampCoordinate(int64_t(*look.imageWidth) + 7) : 21;
    c.Brush().SetColor(platform::clBtnFace);
    c.FillRect({0, 0, column, all.Bottom});
    c.Brush().SetColor(platform::clWindow);
    c.FillRect({column, 0, all.Right, all.Bottom});
    c.Brush().SetColor(platform::clBtnShadow);
    c.FrameRect(all);
    c.Brush().SetColor(platform::clWindow);
    c.FrameRect({1, 1, all.Right - 1, all.Bottom - 1});
}

namespace {

// The normal item face (the marker record's) over `area`, cut to the area's height.
void FillWithItemFace(const MenuSkin& skin, TBitmap& target, const Rect& area, const Picture& background) {
    const TbsDataSkinMenuItem* item = skin.markerItem;
    if (!item || IsEmptyRect(area))
        return;
    if (item->InActiveTransparent) {
        CopyPictureRect(target.Surface(), area, background, area);
        return;
    }
    if (!skin.markerFaces || IsEmptyRect(item->SkinRect))
        return;
    Picture bar;
    ComposeHorizontalBar({item->ItemLeftOffset, item->ItemRightOffset}, bar, *skin.markerFaces,
                         item->SkinRect, area.width(), item->InActiveStretchEffect);
    const int32_t rows = std::min(area.height(), bar.height());
    CopyPictureRect(target.Surface(), platform::rectOfSize(area.Left, area.Top, bar.width(), rows), bar,
                    {0, 0, bar.width(), rows});
}

}  // namespace

void PaintScrollMarkers(const PopupLook& look, TBitmap& target, MarkerHot hot, const Picture& background,
                        int32_t itemsBottom) {
    const MenuSkin& skin = *look.skin;
    const bool skinned = skin.popup != nullptr;
    const ScrollMarkers markers = MarkerRects(skinned, look.newLayout.Cl, look.size);
    COLORREF normal = platform::clBtnShadow, active = platform::clBtnText;
    if (skinned) {
        normal = skin.popup->ScrollMarkerColor;
        active = skin.popup->ScrollMarkerActiveColor;
        FillWithItemFace(skin, target, markers.up, background);
        FillWithItemFace(skin, target, markers.down, background);
        const Rect& cl = look.newLayout.Cl;
        FillWithItemFace(skin, target,
                         {cl.Left, std::max(itemsBottom, markers.up.Bottom), cl.Right, markers.down.Top},
                         background);
    }
    const platform::HDC dc = target.Canvas().Handle();
    DrawSmallArrow(dc, markers.up, platform::ColorToRGB(hot == MarkerHot::Up ? active : normal),
                   ArrowDirection::Up);
    DrawSmallArrow(dc, markers.down, platform::ColorToRGB(hot == MarkerHot::Down ? active : normal),
                   ArrowDirection::Down);
}

}  // namespace skin
