#include "skin/render/stack_blur.h"

#include <algorithm>
#include <vector>

namespace skin {

namespace {

// One line of `length` pixels, 4 channels each: from `in` (stride `inStep` pixels) to `out`.
// S(x + 1) = S(x) + IN(x) - OUT(x); IN(x) = p(x + 1) .. p(x + r + 1); OUT(x) = p(x - r) .. p(x),
// positions clamped to the line.
void BlurLine(const uint8_t* in, uint8_t* out, int32_t length, int32_t r, const BlurDivider& divide) {
    auto at = [&](int64_t i) { return in + 4 * std::clamp<int64_t>(i, 0, length - 1); };
    uint32_t sum[4] = {}, sumIn[4] = {}, sumOut[4] = {};
    for (int32_t k = -r; k <= r; ++k) {
        const uint8_t* p = at(k);
        for (int c = 0; c < 4; ++c) {
            sum[c] += uint32_t(r + 1 - std::abs(k)) * p[c];
            if (k <= 0)
                sumOut[c] += p[c];
            if (k > 0)
                sumIn[c] += p[c];
        }
    }
    for (int c = 0; c < 4; ++c) sumIn[c] += at(r + 1)[c];
    for (int32_t x = 0; x < length; ++x) {
        for (int c = 0; c < 3; ++c) out[4 * x + c] = uint8_t(divide(sum[c]));
        out[4 * x + 3] = 255;
        const uint8_t* next = at(x + 1);
        const uint8_t* entering = at(int64_t(x) + r + 2);
        const uint8_t* leaving = at(int64_t(x) - r);
        for (int c = 0; c < 4; ++c) {
            sum[c] += sumIn[c] - sumOut[c];
            sumIn[c] += entering[c] - next[c];
            sumOut[c] += next[c] - leaving[c];
        }
    }
}

// The vertical pass over every column at once, row by row, so memory is read in order: per column
// and channel the running sums S, IN and OUT of BlurLine, kept in arrays across the row.
void BlurColumns(const uint8_t* in, uint8_t* out, int32_t width, int32_t height, int32_t r,
                 const BlurDivider& divide) {
    const size_t n = size_t(width) * 4;
    auto row = [&](int64_t y) { return in + n * size_t(std::clamp<int64_t>(y, 0, height - 1)); };
    std::vector<uint32_t> sum(n, 0), sumIn(n, 0), sumOut(n, 0);
    for (int32_t k = -r; k <= r + 1; ++k) {
        const uint8_t* p = row(k);
        const uint32_t weight = k <= r ? uint32_t(r + 1 - std::abs(k)) : 0;
        for (size_t i = 0; i < n; ++i) {
            sum[i] += weight * p[i];
            if (k <= 0)
                sumOut[i] += p[i];
            if (k > 0)
                sumIn[i] += p[i];
        }
    }
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* o = out + n * size_t(y);
        for (size_t i = 0; i < n; ++i) o[i] = uint8_t(divide(sum[i]));
        for (int32_t x = 0; x < width; ++x) o[4 * x + 3] = 255;
        const uint8_t* next = row(y + 1);
        const uint8_t* entering = row(int64_t(y) + r + 2);
        const uint8_t* leaving = row(int64_t(y) - r);
        uint32_t* __restrict s = sum.data();
        uint32_t* __restrict si = sumIn.data();
        uint32_t* __restrict so = sumOut.data();
        for (size_t i = 0; i < n; ++i) {
            s[i] += si[i] - so[i];
            si[i] += uint32_t(entering[i]) - next[i];
            so[i] += uint32_t(next[i]) - leaving[i];
        }
    }
}

}  // namespace

void StackBlur(TbsBitmap& bitmap, int32_t radius) {
    if (radius <= 0 || bitmap.Empty())
        return;
    const int32_t r = std::min(radius, kMaxBlurRadius);
    const BlurDivider divide(r);
    platform::Surface& pixels = bitmap.Pixels();
    const int32_t width = pixels.width(), height = pixels.height();
    auto* bytes = reinterpret_cast<uint8_t*>(pixels.data());
    std::vector<uint8_t> across(size_t(width) * size_t(height) * 4);
    for (int32_t y = 0; y < height; ++y) {
        const size_t at = size_t(y) * size_t(width) * 4;
        BlurLine(bytes + at, across.data() + at, width, r, divide);
    }
    BlurColumns(across.data(), bytes, width, height, r, divide);
}

void AlphaFromMask(TbsBitmap& bitmap, const TbsBitmap& mask) {
    platform::Surface& pixels = bitmap.Pixels();
    for (int32_t y = 0; y < pixels.height(); ++y) {
        uint32_t* row = pixels.row(y);
        for (int32_t x = 0; x < pixels.width(); ++x) {
            const uint32_t m = mask.PixelAt(x, y);
            const uint32_t alpha = ((m & 0xFF) + ((m >> 8) & 0xFF) + ((m >> 16) & 0xFF)) / 3;
            row[x] = (row[x] & 0x00FFFFFFu) | (alpha << 24);
        }
    }
}

}  // namespace skin
