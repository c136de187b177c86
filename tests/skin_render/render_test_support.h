// Pictures for the skin rendering tests: every pixel says where it came from, so a misplaced copy
// shows as a wrong coordinate.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/geometry.h"
#include "skin/render/picture.h"

namespace skin::test {

// Pixels carry their own position: blue = x, green = y (both below 256), red = a tag, alpha 255.
constexpr uint8_t kTag = 0xA5;
constexpr uint32_t CoordPixel(int32_t x, int32_t y) {
    return uint32_t(x & 0xFF) | (uint32_t(y & 0xFF) << 8) | (uint32_t(kTag) << 16) | 0xFF000000u;
}
inline Picture CoordPicture(int32_t w, int32_t h) {
    Picture p(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) p.row(y)[x] = CoordPixel(x, y);
    return p;
}
// The source position a pixel of a coordinate picture came from; none for a pixel never drawn.
inline std::optional<platform::Point> SourceOf(uint32_t pixel) {
    if (((pixel >> 16) & 0xFF) != kTag)
        return std::nullopt;
    return platform::Point{int32_t(pixel & 0xFF), int32_t((pixel >> 8) & 0xFF)};
}

inline std::string Describe(const std::optional<platform::Point>& p) {
    return p ? "(" + std::to_string(p->X) + ", " + std::to_string(p->Y) + ")" : "undrawn";
}

}  // namespace skin::test
