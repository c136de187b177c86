// The small rectangle and point helpers every skinned part shares. Rectangles are right- and
// bottom-exclusive (platform/geometry.h); the inclusive test below is the one exception and says so.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace skin {

// Damaged skins may hold any 32-bit values: arithmetic on them is done in 64 bits and a result
// too large for 32 bits saturates instead of overflowing.
constexpr int32_t Saturated(int64_t value) {
    return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : int32_t(value);
}
constexpr int32_t SaturatedSpan(int32_t from, int32_t to) {
    return Saturated(int64_t(to) - from);
}
constexpr int32_t WidthOfRect(const platform::Rect& r) {
    return SaturatedSpan(r.Left, r.Right);
}
constexpr int32_t HeightOfRect(const platform::Rect& r) {
    return SaturatedSpan(r.Top, r.Bottom);
}
constexpr bool IsEmptyRect(const platform::Rect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
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
