// Where the parts of one menu item go, in the item's own coordinates (its top-left at (0, 0)). With
// the shipped MENUITEM record (face 54 wide, "textrect" 2,2,52,18) an item 104 wide gets:
//
//   0 2               18                                 86        102 104
//   +-+----------------+-----------------------------------+---------+-+
//   | |  mark / image  | caption ...          short-cut    |  arrow  | |
//   +-+----------------+-----------------------------------+---------+-+
//     T.Left          T.Left + g                  T.Right - 16       T.Right
//
// T is "textrect" with its right edge moved by the item's extra width; g is the column left of the
// caption (image width + 5, or 16; 0 when the record has its own "imagerect"). Without a record T is
// the item less 2 pixels on every side, g is 19 wide (or image width + 5) and the right gap 19.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/geometry.h"

namespace skin {

class TbsDataSkinMenuItem;

struct ItemLayout {
    platform::Rect text;   // T
    int32_t glyph = 0;     // g
    int32_t endGap = 16;   // the caption and short-cut end this far left of T.Right
    platform::Rect image;  // the record's "imagerect" when it gives one, else empty
    bool skinned = false;  // from a record
};

ItemLayout SkinnedItemLayout(const TbsDataSkinMenuItem& record, int32_t itemWidth,
                             std::optional<int32_t> imageWidth);
ItemLayout PlainItemLayout(platform::Size item, std::optional<int32_t> imageWidth);

// The caption: measured to `extent`, starting at T.Left + g, centred on T's rows, 2 wider.
platform::Rect CaptionRect(const ItemLayout& layout, platform::Size extent);
// The short-cut text: on the caption's rows, ending at T.Right less the gap.
platform::Rect ShortCutRect(const ItemLayout& layout, platform::Size extent, const platform::Rect& caption);
// The built-in submenu arrow's top-left, and the area a skin's arrow face is centred in.
platform::Point SubmenuArrowAt(const ItemLayout& layout);
platform::Rect ArrowFaceArea(const ItemLayout& layout, int32_t arrowWidth);
// Where an image (a bitmap or an image list's) of that size goes.
platform::Point ImageAt(const ItemLayout& layout, platform::Size image);
// The top-left of a built-in mark or window-command glyph drawn instead of an image.
platform::Point MarkAt(const ItemLayout& layout);
// The area a skin's check or radio face is centred in: "imagerect", else the first 14 columns of
// "textrect" from 2 in.
platform::Rect MarkFaceArea(const TbsDataSkinMenuItem& record);

// A picture of `size` centred in `area`, but never left of or above it.
platform::Point CentredIn(const platform::Rect& area, platform::Size size);

// Frame `k` (1 .. count) of an animation strip: stacked downwards when the strip is taller than
// the item face, else side by side. None when the strip cannot hold `count` frames.
std::optional<platform::Rect> AnimationFrameRect(const platform::Rect& strip, const platform::Rect& face,
                                                 int32_t k, int32_t count);

}  // namespace skin
