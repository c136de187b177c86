// The stack blur of work bitmaps, and alpha taken from a mask.
#pragma once

#include <cstdint>

#include "skin/render/work_bitmap.h"

namespace skin {

// Radii above this are taken as this: the blur's cost and its arithmetic stay bounded whatever a
// skin's glow size says.
constexpr int32_t kMaxBlurRadius = 100;

// A blur sum divided by d = (r + 1)^2, truncating, as one float multiply: with S < 2^23,
// floor((S + 0.5) / d) equals S div d, and the float error (below 256 * 2^-23) stays under the
// 0.5 / d margin for every d up to (kMaxBlurRadius + 1)^2.
struct BlurDivider {
    explicit BlurDivider(int32_t radius) : inverse(1.0f / float((radius + 1) * (radius + 1))) {}
    uint32_t operator()(uint32_t sum) const { return uint32_t((float(sum) + 0.5f) * inverse); }
    float inverse;
};
static_assert(255 * (kMaxBlurRadius + 1) * (kMaxBlurRadius + 1) < (1 << 23));

// Blurs blue, green and red with the stack blur (Klingemann's running sums): a horizontal then a
// vertical triangle filter over 2r + 1 pixels with weights r + 1 - |k|, edge pixels repeated beyond
// the border, each sum divided by (r + 1)^2 with truncation. Every pixel gets alpha 255. Nothing
// for r <= 0.
void StackBlur(TbsBitmap& bitmap, int32_t radius);

// Each pixel's alpha becomes (red + green + blue) div 3 of the mask pixel at the same place (0
// where the mask has none); the colours stay.
void AlphaFromMask(TbsBitmap& bitmap, const TbsBitmap& mask);

}  // namespace skin
