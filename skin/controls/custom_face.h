// The face of a custom control as its skin record describes it, and how it follows the control's
// size: the values copied from a custom-control record, the resize mode they give, the size a
// control may take (CalcSkinSize) and the layout for it. Pure functions of the record.
//
//   mode 0 (fixed)       the face is the skin rectangle, the control its size
//   mode 1 (both ways)   nine parts: corners kept, edges and client follow W and H
//   mode 2 (horizontal)  a bar: ends LT.X and w - RT.X kept, the control as high as the face
//   mode 3 (vertical)    a bar: ends LT.Y and h - LB.Y kept, the control as wide as the face
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "platform/geometry.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace skin {

class TbsDataSkinControl;
class TbsSkinData;

enum class TResizeMode : int32_t { Unsized = -1, Fixed = 0, Both = 1, Horizontal = 2, Vertical = 3 };

// -1 for an empty skin rectangle; 1 when RB has both coordinates; else 2 when RT has one; else 3
// when LB has one; else 0.
TResizeMode ResizeModeOf(const platform::Rect& skinRect, const NinePartLayout& layout);

struct CustomFace {
    NinePartLayout layout;  // relative to skinRect
    platform::Rect skinRect;
    SideStretch sides;
    bool stretchEffect = false;
    TStretchType stretchType = TStretchType::stFull;
    const Picture* picture = nullptr;  // none when the index is outside the skin's pictures
    const Picture* mask = nullptr;
    TResizeMode mode = TResizeMode::Fixed;

    platform::Size SkinSize() const { return {skinRect.width(), skinRect.height()}; }
};

// A custom-control record gives its values; a record of another kind a fixed face of its skin
// rectangle without picture or mask.
CustomFace ReadCustomFace(const TbsDataSkinControl& record, const TbsSkinData& data);

struct SkinSizing {
    platform::Size size;       // what the control may take
    NinePartLayout newLayout;  // the face's layout at that size
};

// CalcSkinSize: without a face (or mode -1) the size stays; mode 0 takes the skin size; mode 1 keeps
// the size; mode 2 keeps the width and takes the skin height; mode 3 the other way round.
SkinSizing CalcSkinSize(const std::optional<CustomFace>& face, platform::Size size);

// The source and target layouts a window region is cut with for a face at `size`: mode 1 the face's
// own; mode 2 a band (bottom points taken as the top ones); mode 3 a column (right points as the
// left ones). None for modes 0 and -1.
std::optional<std::pair<NinePartLayout, NinePartLayout>> RegionLayouts(const CustomFace& face,
                                                                       platform::Size size);

}  // namespace skin
