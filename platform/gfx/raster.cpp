#include "platform/gfx/raster.h"

#include <algorithm>

namespace platform::gdi {

ClipSpans::ClipSpans(const Region& clip) : bounds_(clip.bounds()) {
    boxes_ = pixman_region32_rectangles(const_cast<pixman_region32_t*>(clip.pixman()), &count_);
}

const pixman_box32_t* ClipSpans::firstBoxOfRow(int64_t y) const {
    // Boxes of one band share y1 and y2; the first box whose band ends below y starts the row's band.
    return std::upper_bound(boxes_, boxes_ + count_, y,
                            [](int64_t row, const pixman_box32_t& b) { return row < b.y2; });
}

void PixelWriter::fillSpan(int64_t y, int64_t x0, int64_t x1, uint32_t pixel) {
    clip_.forEachSpan(y, x0, x1, [&](int32_t l, int32_t r) {
        std::fill(surface_.row(int32_t(y)) + l, surface_.row(int32_t(y)) + r, pixel);
    });
}

void PixelWriter::fillRect(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel) {
    clip_.forEachRect(left, top, right, bottom, [&](const Rect& part) {
        for (int32_t y = part.Top; y < part.Bottom; ++y) {
            std::fill(surface_.row(y) + part.Left, surface_.row(y) + part.Right, pixel);
        }
    });
}

}  // namespace platform::gdi
