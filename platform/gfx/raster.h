// Clipped pixel writing: every drawing call ends here, with coordinates already in surface pixels
// and a clip region (surface pixels, inside the surface) that decides what may change.
// Internal to platform/gfx.
#pragma once

#include <cstdint>

#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

namespace platform::gdi {

// The parts of horizontal runs and rectangles that lie in a clip region. Region rectangles come in
// bands sorted top to bottom; a run finds its band by binary search.
class ClipSpans {
  public:
    explicit ClipSpans(const Region& clip);

    bool isEmpty() const { return count_ == 0; }
    const Rect& bounds() const { return bounds_; }

    // f(x0, x1) for every part of row y, columns x0..x1-1, that lies in the clip.
    template <typename F>
    void forEachSpan(int64_t y, int64_t x0, int64_t x1, F&& f) const;
    // f(rect) for every part of the rectangle (any 64-bit corners) that lies in the clip.
    template <typename F>
    void forEachRect(int64_t left, int64_t top, int64_t right, int64_t bottom, F&& f) const;

  private:
    const pixman_box32_t* firstBoxOfRow(int64_t y) const;

    const pixman_box32_t* boxes_ = nullptr;
    int count_ = 0;
    Rect bounds_;
};

// One pen's or brush's worth of writing onto one surface.
class PixelWriter {
  public:
    PixelWriter(Surface& surface, const Region& clip) : surface_(surface), clip_(clip) {}

    const ClipSpans& clip() const { return clip_; }
    Surface& surface() { return surface_; }

    void fillSpan(int64_t y, int64_t x0, int64_t x1, uint32_t pixel);
    void fillRect(int64_t left, int64_t top, int64_t right, int64_t bottom, uint32_t pixel);
    void setPixel(int64_t x, int64_t y, uint32_t pixel) { fillSpan(y, x, x + 1, pixel); }

  private:
    Surface& surface_;
    ClipSpans clip_;
};

// Blends the red, green and blue of `color` over `count` pixels by their coverage: 0 leaves a pixel
// as it is, 255 gives the colour, between them each channel is (colour * m + pixel * (255 - m) +
// 127) / 255. Every pixel touched becomes opaque.
void BlendCoverageRow(uint32_t* pixels, const uint8_t* coverage, int32_t count, uint32_t color);

template <typename F>
void ClipSpans::forEachSpan(int64_t y, int64_t x0, int64_t x1, F&& f) const {
    if (y < bounds_.Top || y >= bounds_.Bottom || x1 <= bounds_.Left || x0 >= bounds_.Right)
        return;
    const pixman_box32_t* end = boxes_ + count_;
    for (const pixman_box32_t* b = firstBoxOfRow(y); b != end && b->y1 <= y; ++b) {
        const int64_t l = std::max<int64_t>(x0, b->x1);
        const int64_t r = std::min<int64_t>(x1, b->x2);
        if (l < r)
            f(int32_t(l), int32_t(r));
        if (b->x2 >= x1)
            break;
    }
}

template <typename F>
void ClipSpans::forEachRect(int64_t left, int64_t top, int64_t right, int64_t bottom, F&& f) const {
    const int64_t t = std::max<int64_t>(top, bounds_.Top);
    const int64_t b = std::min<int64_t>(bottom, bounds_.Bottom);
    const int64_t l = std::max<int64_t>(left, bounds_.Left);
    const int64_t r = std::min<int64_t>(right, bounds_.Right);
    if (l >= r || t >= b)
        return;
    for (int i = 0; i < count_; ++i) {
        const pixman_box32_t& box = boxes_[i];
        if (box.y1 >= b)
            break;
        const Rect part{int32_t(std::max<int64_t>(l, box.x1)), int32_t(std::max<int64_t>(t, box.y1)),
                        int32_t(std::min<int64_t>(r, box.x2)), int32_t(std::min<int64_t>(b, box.y2))};
        if (!part.isEmpty())
            f(part);
    }
}

}  // namespace platform::gdi
