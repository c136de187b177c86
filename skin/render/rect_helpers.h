// The small rectangle and point helpers every skinned part shares. Rectangles are right- and
// bottom-exclusive (platform/geometry.h); the inclusive test below is the one exception and says so.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace skin {

constexpr int32_t WidthOfRect(const platform::Rect& r) {
    return r.Right - r.Left;
}
constexpr int32_t HeightOfRect(const platform::Rect& r) {
    return r.Bottom - r.Top;
}
constexpr bool IsEmptyRect(const platform::Rect& r) {
    return WidthOfRect(r) <= 0 || HeightOfRect(r) <= 0;
}
constexpr void ZeroRect(platform::Rect& r) {
    r = {};
}
constexpr bool SameRect(const platform::Rect& a, const platform::Rect& b) {
    return a == b;
}

// The right and bottom edges count as inside.
constexpr bool PointInRectInclusive(const platform::Point& p, const platform::Rect& r) {
    return r.Left <= p.X && p.X <= r.Right && r.Top <= p.Y && p.Y <= r.Bottom;
}

// Both corners of `a` lie in `b` by the platform's point test, which leaves out b's right and
// bottom edges; so a rectangle is never inside itself.
constexpr bool RectInsideRect(const platform::Rect& a, const platform::Rect& b) {
    return b.contains({a.Left, a.Top}) && b.contains({a.Right, a.Bottom});
}

// Skin readers take a point with a zero coordinate as one the skin does not give.
constexpr bool HasZeroCoordinate(const platform::Point& p) {
    return p.X == 0 || p.Y == 0;
}

constexpr int32_t LargerOf(int32_t a, int32_t b) {
    return a > b ? a : b;
}
constexpr int32_t SmallerOf(int32_t a, int32_t b) {
    return a < b ? a : b;
}

}  // namespace skin
