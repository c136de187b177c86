// One source pixel over one destination pixel, the rules every blend of the skin engine uses.
// Pixels are 0xAARRGGBB (bytes B, G, R, A); colours are not premultiplied.
#pragma once

#include <cstdint>

namespace skin {

// The packed-integer blend: alpha 0 keeps the destination, 255 copies the source, anything else
// gives each of the four bytes (Cs * a + Cd * (256 - a)) >> 8. Two bytes are worked at a time in
// 16-bit lanes of one 32-bit word; a lane's sum stays below 255 * 256, so lanes never carry.
constexpr uint32_t BlendPixel(uint32_t source, uint32_t dest) {
    const uint32_t a = source >> 24;
    if (a == 0)
        return dest;
    if (a == 255)
        return source;
    const uint32_t na = 256 - a;
    const uint32_t rb = (((source & 0x00FF00FFu) * a + (dest & 0x00FF00FFu) * na) >> 8) & 0x00FF00FFu;
    const uint32_t ag = (((source >> 8) & 0x00FF00FFu) * a + ((dest >> 8) & 0x00FF00FFu) * na) & 0xFF00FF00u;
    return rb | ag;
}

// The pixels a transparent bitmap leaves out: colour 0x7F007F (blue 0x7F, green 0, red 0x7F).
constexpr uint32_t kTransparentMarker = 0x007F007Fu;

// A transparent copy: the marker colour keeps the destination; any other source colour is written
// with alpha 255.
constexpr uint32_t TransparentCopyPixel(uint32_t source, uint32_t dest) {
    return (source & 0x00FFFFFFu) == kTransparentMarker ? dest : (source | 0xFF000000u);
}

// How a bitmap's pixels go onto another: blended by their alpha, copied leaving out the marker, or
// copied as they are.
enum class DrawMode { Blend, Transparent, Copy };

// One row of pixels onto another by a mode. Blending takes four pixels at a time in 16-bit lanes
// where the processor offers them (SSE2), with exactly the arithmetic of BlendPixel.
void DrawRow(DrawMode mode, uint32_t* dest, const uint32_t* source, int32_t count);

}  // namespace skin
