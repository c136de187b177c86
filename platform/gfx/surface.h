// A pixel surface: the memory every window, bitmap and skin picture draws into.
//
// Pixels are 32-bit, stored as the bytes B, G, R, A (0xAARRGGBB read as a little-endian uint32):
// the layout of 32-bit device-independent bitmaps and of Cairo's ARGB32, so text can be drawn
// straight into a surface. Rows are contiguous, top row first, stride = width * 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"

namespace platform {

// Bounds on surface size: no dimension above 32767 and at most 2^26 pixels (256 MiB). A request
// beyond them is refused rather than allocated, whatever the caller passed.
constexpr int32_t kMaxSurfaceDimension = 32767;
constexpr int64_t kMaxSurfacePixels = int64_t(1) << 26;

constexpr uint32_t PackBGRA(uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
    return uint32_t(b) | (uint32_t(g) << 8) | (uint32_t(r) << 16) | (uint32_t(a) << 24);
}
// The pixel of a resolved colour value (0x00BBGGRR), with the given alpha.
constexpr uint32_t PixelFromColor(COLORREF c, uint8_t alpha = 0xFF) {
    return PackBGRA(GetBValue(c), GetGValue(c), GetRValue(c), alpha);
}
// The colour value (0x00BBGGRR) of a pixel, alpha dropped.
constexpr COLORREF ColorFromPixel(uint32_t p) {
    return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

class Surface {
  public:
    Surface() = default;
    // A surface of that size, every pixel 0. Sizes beyond the bounds above (or negative) give an
    // empty surface.
    Surface(int32_t width, int32_t height);

    static bool SizeAllowed(int32_t width, int32_t height);

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    int32_t strideBytes() const { return width_ * 4; }

    // Resizes; contents are undefined afterwards (kept where the old and new areas overlap in
    // practice, but callers must not rely on it). Returns false and leaves the surface empty when
    // the size is refused.
    bool resize(int32_t width, int32_t height);

    uint32_t* row(int32_t y) { return pixels_.data() + size_t(y) * size_t(width_); }
    const uint32_t* row(int32_t y) const { return pixels_.data() + size_t(y) * size_t(width_); }
    uint32_t* data() { return pixels_.data(); }
    const uint32_t* data() const { return pixels_.data(); }

    // Checked access: reads outside the surface give 0, writes outside are ignored.
    uint32_t pixel(int32_t x, int32_t y) const;
    void setPixel(int32_t x, int32_t y, uint32_t value);

    void fill(uint32_t value);

    friend bool operator==(const Surface&, const Surface&) = default;

  private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace platform
