// The morphs of TbsEffectBmp: from the normal look A (this bitmap) towards the active look B.
// Positions computed from the progress are kept inside the bitmap whatever the progress, so no
// morph reads or writes outside a row.
#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/render/effect_arithmetic.h"
#include "skin/render/effect_bitmap.h"

namespace skin {

namespace {

int64_t RoundHalfEven(long double v) {
    return int64_t(std::nearbyint(v));
}

// "At least 1, at most W - 1", the upper bound winning on a bitmap one pixel wide.
int32_t WidthOfProgress(int32_t width, double x) {
    return int32_t(std::min<int64_t>(std::max<int64_t>(RoundHalfEven((long double)width * x), 1), width - 1));
}

void CopyPixel(uint8_t* to, const uint8_t* from) {
    std::copy_n(from, 3, to);
}

void MixPixel(uint8_t* to, const uint8_t* a, const uint8_t* b, long double f) {
    for (int c = 0; c < 3; ++c) to[c] = Mix(a[c], b[c], f);
}

// A fade along a row: pixel positions `from`, stepping by `dir`, up to and including `to`, get
// f = 0, step, 2 step, ... (capped at 1): round(row * f + B * (1 - f)).
void Fade(uint8_t* row, const uint8_t* b, int32_t from, int32_t to, int32_t dir, long double step) {
    long double f = 0;
    for (int32_t x = from;; x += dir) {
        MixPixel(row + 3 * x, row + 3 * x, b + 3 * x, Clamp01(f));
        if (x == to)
            break;
        f += step;
    }
}

}  // namespace

void TbsEffectBmp::BlendWith(const TbsEffectBmp& b, double x) {
    if (!SameSize(b))
        return;
    const long double f = Clamp01(x);
    for (int32_t y = 0; y < height_; ++y) {
        uint8_t* row = Row(y);
        const uint8_t* other = b.Row(y);
        for (int32_t i = 0; i < 3 * width_; ++i) row[i] = RoundToByte((1.0L - f) * row[i] + f * other[i]);
    }
}

void TbsEffectBmp::GradientFromLeft(const TbsEffectBmp& b, double x) {
    if (!SameSize(b) || Empty())
        return;
    const int32_t a = WidthOfProgress(width_, x);
    const long double step = a > 0 ? 1.0L / a : 1.0L;
    for (int32_t y = 0; y < height_; ++y) Fade(Row(y), b.Row(y), 0, a, 1, step);
}

void TbsEffectBmp::GradientFromRight(const TbsEffectBmp& b, double x) {
    if (!SameSize(b) || Empty())
        return;
    const int32_t from =
        int32_t(std::clamp<int64_t>(width_ - RoundHalfEven((long double)width_ * x), 0, width_ - 1));
    const long double step = 1.0L / (width_ - from);
    for (int32_t y = 0; y < height_; ++y) Fade(Row(y), b.Row(y), width_ - 1, from, -1, step);
}

void TbsEffectBmp::SlideFromLeft(const TbsEffectBmp& b, double x) {
    if (!SameSize(b) || Empty())
        return;
    const int32_t a = WidthOfProgress(width_, x);
    for (int32_t y = 0; y < height_; ++y) std::copy_n(b.Row(y) + 3 * (width_ - a), 3 * a, Row(y));
}

void TbsEffectBmp::SlideFromRight(const TbsEffectBmp& b, double x) {
    if (!SameSize(b) || Empty())
        return;
    const int32_t a = WidthOfProgress(width_, x);
    for (int32_t y = 0; y < height_; ++y) std::copy_n(b.Row(y), 3 * a, Row(y) + 3 * (width_ - a));
}

void TbsEffectBmp::PushFromLeft(const TbsEffectBmp& b, double x) {
    if (!SameSize(b) || Empty())
        return;
    const int32_t a = int32_t(std::clamp<int64_t>(RoundHalfEven((long double)width_ * x), 0, width_ - 1));
    for (int32_t y = 0; y < height_; ++y) {
        uint8_t* row = Row(y);
        // A's columns 0 .. W - a - 2 move right to a + 1 .. W - 1 (overlapping: copy from the end).
        std::copy_backward(row, row + 3 * (width_ - a - 1), row + 3 * width_);
        std::copy_n(b.Row(y) + 3 * (width_ - a - 1), 3 * (a + 1), row);
    }
}

void TbsEffectBmp::GradientFromCentre(const TbsEffectBmp& b, double x) {
    if (!SameSize(b) || Empty())
        return;
    if (width_ < height_)
        GradientFromCentreDown(b, x);
    else
        GradientFromCentreAcross(b, x);
}

// A band of B widening from the middle column, fading into A on both sides.
void TbsEffectBmp::GradientFromCentreAcross(const TbsEffectBmp& b, double x) {
    const int64_t a = RoundHalfEven((long double)width_ * x);
    const int64_t half = a / 2, fade = (width_ - a) / 2;
    const long double step = fade == 0 ? 1.0L : 1.0L / fade;
    const int32_t g = int32_t(std::clamp<int64_t>(width_ / 2 - half, 0, width_ - 1));
    const int32_t c2 = int32_t(std::clamp<int64_t>(width_ / 2 + half, 0, width_ - 1));
    for (int32_t y = 0; y < height_; ++y) {
        uint8_t* row = Row(y);
        const uint8_t* other = b.Row(y);
        for (int32_t i = g; i <= c2; ++i) CopyPixel(row + 3 * i, other + 3 * i);
        Fade(row, other, g, 0, -1, step);
        Fade(row, other, c2, width_ - 1, 1, step);
    }
}

// The same down the bitmap for one taller than wide; with no room to fade it becomes B whole.
void TbsEffectBmp::GradientFromCentreDown(const TbsEffectBmp& b, double x) {
    const int64_t a = RoundHalfEven((long double)height_ * x);
    const int64_t half = a / 2, fade = (height_ - a - 1) / 2;
    const long double step = fade == 0 ? 0.0L : 1.0L / fade;
    const int32_t g = int32_t(std::clamp<int64_t>(height_ / 2 - half, 0, height_ - 1));
    const int32_t c2 = int32_t(std::clamp<int64_t>(height_ / 2 + half, 0, height_ - 1));
    for (int32_t y = g; y <= c2; ++y) std::copy_n(b.Row(y), 3 * width_, Row(y));
    auto fadeRows = [&](int32_t from, int32_t to, int32_t dir) {
        long double f = 0;
        for (int32_t y = from;; y += dir) {
            uint8_t* row = Row(y);
            const uint8_t* other = b.Row(y);
            for (int32_t i = 0; i < width_; ++i)
                MixPixel(row + 3 * i, row + 3 * i, other + 3 * i, Clamp01(f));
            if (y == to)
                break;
            f += step;
        }
    };
    fadeRows(g, 0, -1);
    fadeRows(c2, height_ - 1, 1);
}

}  // namespace skin
