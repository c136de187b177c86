#include "skin/controls/custom_face.h"

#include "skin/data/skin_data.h"

namespace skin {

using platform::Point;
using platform::Size;

TResizeMode ResizeModeOf(const platform::Rect& skinRect, const NinePartLayout& layout) {
    if (skinRect.isEmpty())
        return TResizeMode::Unsized;
    if (layout.RB.X != 0 && layout.RB.Y != 0)
        return TResizeMode::Both;
    if (layout.RT.X != 0 || layout.RT.Y != 0)
        return TResizeMode::Horizontal;
    if (layout.LB.X != 0 || layout.LB.Y != 0)
        return TResizeMode::Vertical;
    return TResizeMode::Fixed;
}

namespace {

const Picture* PictureAt(const TbsSkinData& data, int32_t index) {
    const auto& pictures = data.ActivePictures();
    return index >= 0 && size_t(index) < pictures.size() ? &pictures[size_t(index)].Surface() : nullptr;
}

}  // namespace

CustomFace ReadCustomFace(const TbsDataSkinControl& record, const TbsSkinData& data) {
    CustomFace face;
    face.skinRect = ClampRect(record.SkinRect);
    const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(&record);
    if (!custom)
        return face;
    face.layout = ClampLayout({custom->LeftTopPoint, custom->RightTopPoint, custom->LeftBottomPoint,
                               custom->RightBottomPoint, custom->ClientRect});
    face.sides = {custom->LeftStretch, custom->TopStretch, custom->RightStretch, custom->BottomStretch};
    face.stretchEffect = custom->StretchEffect;
    face.stretchType = custom->StretchType;
    face.picture = PictureAt(data, custom->PictureIndex);
    face.mask = PictureAt(data, custom->MaskPictureIndex);
    face.mode = ResizeModeOf(face.skinRect, face.layout);
    return face;
}

SkinSizing CalcSkinSize(const std::optional<CustomFace>& face, Size size) {
    if (!face || face->mode == TResizeMode::Unsized)
        return {size, {}};
    const Size skin = face->SkinSize();
    switch (face->mode) {
        case TResizeMode::Fixed:
            // A record of another kind with no face of its own leaves the control as it is.
            return {skin.cx > 0 && skin.cy > 0 ? skin : size, face->layout};
        case TResizeMode::Horizontal:
            size.cy = skin.cy;
            break;
        case TResizeMode::Vertical:
            size.cx = skin.cx;
            break;
        default:
            break;
    }
    return {size, ResizeLayout(skin, face->layout, size)};
}

std::optional<std::pair<NinePartLayout, NinePartLayout>> RegionLayouts(const CustomFace& face, Size size) {
    const NinePartLayout& l = face.layout;
    const NinePartLayout n = CalcSkinSize(face, size).newLayout;
    switch (face.mode) {
        case TResizeMode::Both:
            return std::pair{l, n};
        case TResizeMode::Horizontal: {
            const Point right = n.RT;
            return std::pair{NinePartLayout{l.LT, l.RT, l.LT, l.RT, l.Cl},
                             NinePartLayout{l.LT, right, l.LT, right, n.Cl}};
        }
        case TResizeMode::Vertical: {
            const Point bottom = n.LB;
            return std::pair{NinePartLayout{l.LT, l.LT, l.LB, l.LB, l.Cl},
                             NinePartLayout{l.LT, l.LT, bottom, bottom, n.Cl}};
        }
        default:
            return std::nullopt;
    }
}

}  // namespace skin
