#include "skin/menus/hint_geometry.h"

#include <algorithm>

#include "skin/render/rect_helpers.h"

namespace skin {

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

int32_t Bounded(int64_t v, int32_t maximum) {
    return int32_t(std::clamp<int64_t>(v, 1, std::max(maximum, 1)));
}

}  // namespace

HintLayout SkinnedHintLayout(Size picture, const NinePartLayout& frame, Size text, int32_t extraWidth,
                             Size maximum) {
    const NinePartLayout l = ClampLayout(frame);
    const Rect& c = l.Cl;
    int64_t w = int64_t(text.cx) + c.Left + picture.cx - c.Right + extraWidth;
    int64_t h = int64_t(text.cy) + c.Top + picture.cy - c.Bottom;
    // The frame must not fold: each right-hand point stays right of its left-hand one, each lower
    // point below its upper one.
    auto grow = [](int64_t& length, int64_t moved, int64_t fixed) {
        if (moved < fixed)
            length += fixed - moved;
    };
    grow(w, l.RT.X + (w - picture.cx), l.LT.X);
    grow(w, l.RB.X + (w - picture.cx), l.LB.X);
    grow(h, l.LB.Y + (h - picture.cy), l.LT.Y);
    grow(h, l.RB.Y + (h - picture.cy), l.RT.Y);
    const Size size{Bounded(w, maximum.cx), Bounded(h, maximum.cy)};
    return {size, ResizeLayout(picture, l, size)};
}

Size PlainHintSize(Size text, Size maximum) {
    return {Bounded(int64_t(text.cx) + 4, maximum.cx), Bounded(int64_t(text.cy) + 4, maximum.cy)};
}

Rect PlaceHint(Point at, Size size, const Rect& limit) {
    Rect r = platform::rectOfSize(at.X, at.Y, size.cx, size.cy);
    if (r.Right > limit.Right)
        r = r.offsetBy(-(size.cx + 2), 0);
    if (r.Bottom > limit.Bottom)
        r = r.offsetBy(0, -(size.cy + 2));
    return r;
}

Rect CentredText(const Rect& area, Size text) {
    const int32_t left = ClampCoordinate(int64_t(area.Left) + WidthOfRect(area) / 2 - text.cx / 2);
    const int32_t top = ClampCoordinate(int64_t(area.Top) + HeightOfRect(area) / 2 - text.cy / 2);
    return {left, top, ClampCoordinate(int64_t(left) + text.cx), ClampCoordinate(int64_t(top) + text.cy)};
}

}  // namespace skin
