// Points, sizes and rectangles of the window system. Screen convention: x grows to the right, y
// downwards; a rectangle covers columns Left..Right-1 and rows Top..Bottom-1 (right and bottom
// exclusive), and is empty when it has no width or no height.
#pragma once

#include <algorithm>
#include <cstdint>

namespace platform {

struct Point {
    int32_t X = 0;
    int32_t Y = 0;

    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int32_t cx = 0;
    int32_t cy = 0;

    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    constexpr int32_t width() const { return Right - Left; }
    constexpr int32_t height() const { return Bottom - Top; }
    constexpr bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool contains(Point p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    constexpr Point topLeft() const { return {Left, Top}; }
    constexpr Rect offsetBy(int32_t dx, int32_t dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle from its top-left corner and its size.
constexpr Rect rectOfSize(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
}

// The common part of two rectangles; an empty rectangle (all zero) when they do not meet.
constexpr Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    return r.isEmpty() ? Rect{} : r;
}

}  // namespace platform
