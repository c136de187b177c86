#include "platform/gfx/raster.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::gdi {

namespace {

uint32_t BlendPixel(uint32_t pixel, uint32_t m, uint32_t color) {
    if (m == 255)  // the inside of a stroke: what the blend gives, without it
        return 0xFF000000u | color;
    const uint32_t n = 255 - m;
    const uint32_t r = (((color >> 16) & 0xFF) * m + ((pixel >> 16) & 0xFF) * n + 127) / 255;
    const uint32_t g = (((color >> 8) & 0xFF) * m + ((pixel >> 8) & 0xFF) * n + 127) / 255;
    const uint32_t b = ((color & 0xFF) * m + (pixel & 0xFF) * n + 127) / 255;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

#if defined(__SSE2__)
// Four pixels at a time in 16-bit lanes. Every sum v = c * m + p * (255 - m) + 127 stays below
// 65,153, where v / 255 is exactly (v + 1 + (v >> 8)) >> 8 without overflowing the lane.
void BlendFour(uint32_t* pixels, uint32_t coverage4, __m128i colour16) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i m32 = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(int(coverage4)), zero), zero);
    const __m128i m2 = _mm_or_si128(m32, _mm_slli_epi32(m32, 16));  // m in both halves of a lane
    const __m128i all = _mm_set1_epi16(255), round = _mm_set1_epi16(127), one = _mm_set1_epi16(1);
    const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
    auto blendTwo = [&](__m128i m, __m128i p16) {
        __m128i v = _mm_add_epi16(_mm_mullo_epi16(colour16, m), _mm_mullo_epi16(p16, _mm_sub_epi16(all, m)));
        v = _mm_add_epi16(v, round);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(v, one), _mm_srli_epi16(v, 8)), 8);
    };
    const __m128i low = blendTwo(_mm_unpacklo_epi32(m2, m2), _mm_unpacklo_epi8(p, zero));
    const __m128i high = blendTwo(_mm_unpackhi_epi32(m2, m2), _mm_unpackhi_epi8(p, zero));
    const __m128i blended = _mm_or_si128(_mm_packus_epi16(low, high), _mm_set1_epi32(int32_t(0xFF000000u)));
    const __m128i untouched = _mm_cmpeq_epi32(m32, zero);
    const __m128i result = _mm_or_si128(_mm_and_si128(untouched, p), _mm_andnot_si128(untouched, blended));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), result);
}
#endif

}  // namespace

void BlendCoverageRow(uint32_t* pixels, const uint8_t* coverage, int32_t count, uint32_t color) {
    int32_t x = 0;
#if defined(__SSE2__)
    const uint32_t c = color & 0x00FFFFFFu;
    const __m128i colour16 = _mm_unpacklo_epi8(_mm_set1_epi32(int32_t(c)), _mm_setzero_si128());
    for (; x + 4 <= count; x += 4) {
        uint32_t four;
        std::memcpy(&four, coverage + x, sizeof four);
        if (four == 0)  // between the strokes
            continue;
        if (four == 0xFFFFFFFFu) {
            std::fill(pixels + x, pixels + x + 4, 0xFF000000u | color);
            continue;
        }
        BlendFour(pixels + x, four, colour16);
    }
#endif
    for (; x < count; ++x)
        if (coverage[x] != 0)
            pixels[x] = BlendPixel(pixels[x], coverage[x], color);
}

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
