#include "platform/gfx/surface.h"

#include <algorithm>

namespace platform {

bool Surface::SizeAllowed(int32_t width, int32_t height) {
    return width >= 0 && height >= 0 && width <= kMaxSurfaceDimension && height <= kMaxSurfaceDimension &&
           int64_t(width) * int64_t(height) <= kMaxSurfacePixels;
}

Surface::Surface(int32_t width, int32_t height) {
    resize(width, height);
}

bool Surface::resize(int32_t width, int32_t height) {
    if (!SizeAllowed(width, height)) {
        width_ = height_ = 0;
        pixels_.clear();
        return false;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(size_t(width) * size_t(height), 0);
    return true;
}

uint32_t Surface::pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return row(y)[x];
}

void Surface::setPixel(int32_t x, int32_t y, uint32_t value) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    row(y)[x] = value;
}

void Surface::fill(uint32_t value) {
    std::fill(pixels_.begin(), pixels_.end(), value);
}

}  // namespace platform
