// The colour effects of TbsEffectBmp (inactive window looks).
#include <algorithm>
#include <random>
#include <vector>

#include "skin/render/effect_arithmetic.h"
#include "skin/render/effect_bitmap.h"

namespace skin {

namespace {

// Runs change(bytes, pixelCount) on each row through one scratch row.
template <class Change>
void ForEachRow(TbsEffectBmp& bitmap, Change change) {
    std::vector<uint8_t> scratch(size_t(bitmap.Width()) * 3);
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
        std::copy_n(bitmap.Row(y), scratch.size(), scratch.begin());
        change(scratch.data(), bitmap.Width());
        std::copy(scratch.begin(), scratch.end(), bitmap.Row(y));
    }
}

template <class ByteFn>
void ForEachByte(TbsEffectBmp& bitmap, ByteFn fn) {
    ForEachRow(bitmap, [&](uint8_t* row, int32_t width) {
        for (int32_t i = 0; i < 3 * width; ++i) row[i] = fn(row[i]);
    });
}

}  // namespace

void TbsEffectBmp::Lighten(double x) {
    const long double f = Clamp01(x);
    ForEachByte(*this, [&](uint8_t c) { return RoundToByte((1.0L - f) * c + 255.0L * f); });
}

void TbsEffectBmp::Darken(double x) {
    const long double f = Clamp01(x);
    ForEachByte(*this, [&](uint8_t c) { return RoundToByte((1.0L - f) * c); });
}

void TbsEffectBmp::ToGray() {
    ForEachRow(*this, [](uint8_t* row, int32_t width) {
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = row + 3 * x;
            const uint8_t g = RoundToByte(0.3L * p[2] + 0.59L * p[1] + 0.11L * p[0]);
            p[0] = p[1] = p[2] = g;
        }
    });
}

void TbsEffectBmp::AddNoise(int32_t amount, uint32_t seed) {
    if (amount <= 0)
        return;
    std::minstd_rand random(seed);
    ForEachRow(*this, [&](uint8_t* row, int32_t width) {
        for (int32_t x = 0; x < width; ++x) {
            const int32_t n = int32_t(random() % uint32_t(amount)) - amount / 2;
            for (int c = 0; c < 3; ++c) row[3 * x + c] = uint8_t(std::clamp(row[3 * x + c] + n, 0, 255));
        }
    });
}

// In place, so that pixels already changed are read again by later ones. A neighbour beyond the
// bottom or right edge is mirrored to height - i (width - j); on the first row or column of a
// bitmap no larger than the amount that mirror falls outside, and the last row or column is read.
void TbsEffectBmp::BlurSplit(int32_t amount) {
    if (amount <= 0 || Empty())
        return;
    const int64_t a = amount;
    auto neighbours = [a](int64_t i, int64_t size) {
        const int64_t before = i - a < 0 ? i : i - a;
        const int64_t after = i + a < size ? i + a : std::min(size - i, size - 1);
        return std::pair<int32_t, int32_t>{int32_t(before), int32_t(after)};
    };
    for (int32_t i = 0; i < height_; ++i) {
        const auto [up, down] = neighbours(i, height_);
        for (int32_t j = 0; j < width_; ++j) {
            const auto [left, right] = neighbours(j, width_);
            uint8_t* out = Row(i) + 3 * j;
            for (int c = 0; c < 3; ++c) {
                const int sum = Row(up)[3 * left + c] + Row(down)[3 * left + c] + Row(up)[3 * right + c] +
                                Row(down)[3 * right + c];
                out[c] = uint8_t(sum / 4);
            }
        }
    }
}

void TbsEffectBmp::InvertColours() {
    ForEachByte(*this, [](uint8_t c) { return uint8_t(255 - c); });
}

}  // namespace skin
