#include "skin/menus/item_layout.h"

#include <algorithm>

#include "skin/data/skin_object_records.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

// The row a centred picture lines up on.
int32_t MiddleOf(const Rect& r) {
    return ClampCoordinate(int64_t(r.Top) + HeightOfRect(r) / 2);
}

}  // namespace

ItemLayout SkinnedItemLayout(const TbsDataSkinMenuItem& record, int32_t itemWidth,
                             std::optional<int32_t> imageWidth) {
    ItemLayout l;
    l.skinned = true;
    const Rect text = ClampRect(record.TextRect);
    l.text = text;
    l.text.Right = ClampCoordinate(int64_t(text.Right) + itemWidth - WidthOfRect(ClampRect(record.SkinRect)));
    l.image = IsEmptyRect(record.ImageRect) ? Rect{} : ClampRect(record.ImageRect);
    l.glyph = !IsEmptyRect(l.image) ? 0 : imageWidth ? ClampCoordinate(int64_t(*imageWidth) + 5) : 16;
    l.endGap = 16;
    return l;
}

ItemLayout PlainItemLayout(Size item, std::optional<int32_t> imageWidth) {
    ItemLayout l;
    l.text = {2, 2, item.cx - 2, item.cy - 2};
    l.glyph = imageWidth ? ClampCoordinate(int64_t(*imageWidth) + 5) : 19;
    l.endGap = 19;
    return l;
}

Rect CaptionRect(const ItemLayout& l, Size extent) {
    const int64_t left = int64_t(l.text.Left) + l.glyph;
    const int64_t top = int64_t(MiddleOf(l.text)) - extent.cy / 2;
    return {ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(left + extent.cx + 2),
            ClampCoordinate(top + extent.cy)};
}

Rect ShortCutRect(const ItemLayout& l, Size extent, const Rect& caption) {
    const int64_t right = int64_t(l.text.Right) - l.endGap;
    return {ClampCoordinate(right - extent.cx), caption.Top, ClampCoordinate(right), caption.Bottom};
}

Point SubmenuArrowAt(const ItemLayout& l) {
    return {ClampCoordinate(int64_t(l.text.Right) - 7), ClampCoordinate(int64_t(MiddleOf(l.text)) - 4)};
}

Rect ArrowFaceArea(const ItemLayout& l, int32_t arrowWidth) {
    return {ClampCoordinate(int64_t(l.text.Right) - arrowWidth - 5), l.text.Top, l.text.Right, l.text.Bottom};
}

Point ImageAt(const ItemLayout& l, Size image) {
    if (!IsEmptyRect(l.image))
        return {ClampCoordinate(int64_t(l.image.Left) + (int64_t(WidthOfRect(l.image)) - image.cx) / 2),
                ClampCoordinate(int64_t(l.image.Top) + (int64_t(HeightOfRect(l.image)) - image.cy) / 2)};
    return {ClampCoordinate(int64_t(l.text.Left) + 2),
            ClampCoordinate(int64_t(MiddleOf(l.text)) - image.cy / 2)};
}

Point MarkAt(const ItemLayout& l) {
    if (!IsEmptyRect(l.image))
        return {ClampCoordinate(int64_t(l.image.Left) + WidthOfRect(l.image) / 2 - 4),
                ClampCoordinate(int64_t(MiddleOf(l.image)) - 4)};
    return {ClampCoordinate(int64_t(l.text.Left) + (l.skinned ? 2 : 3)),
            ClampCoordinate(int64_t(MiddleOf(l.text)) - 4)};
}

Rect MarkFaceArea(const TbsDataSkinMenuItem& record) {
    if (!IsEmptyRect(record.ImageRect))
        return ClampRect(record.ImageRect);
    const Rect text = ClampRect(record.TextRect);
    return {ClampCoordinate(int64_t(text.Left) + 2), text.Top, ClampCoordinate(int64_t(text.Left) + 16),
            ClampCoordinate(record.ImageRect.Bottom)};
}

Point CentredIn(const Rect& area, Size size) {
    const int64_t x = int64_t(area.Left) + (int64_t(WidthOfRect(area)) - size.cx) / 2;
    const int64_t y = int64_t(area.Top) + (int64_t(HeightOfRect(area)) - size.cy) / 2;
    return {ClampCoordinate(std::max<int64_t>(x, area.Left)),
            ClampCoordinate(std::max<int64_t>(y, area.Top))};
}

std::optional<Rect> AnimationFrameRect(const Rect& stripRect, const Rect& faceRect, int32_t k,
                                       int32_t count) {
    const Rect strip = ClampRect(stripRect);
    if (count <= 0 || k < 1 || k > count || IsEmptyRect(strip))
        return std::nullopt;
    if (HeightOfRect(strip) > HeightOfRect(ClampRect(faceRect))) {
        const int32_t h = HeightOfRect(strip) / count;
        if (h <= 0)
            return std::nullopt;
        const int32_t top = strip.Top + h * (k - 1);
        return Rect{strip.Left, top, strip.Right, top + h};
    }
    const int32_t w = WidthOfRect(strip) / count;
    if (w <= 0)
        return std::nullopt;
    const int32_t left = strip.Left + w * (k - 1);
    return Rect{left, strip.Top, left + w, strip.Bottom};
}

}  // namespace skin
