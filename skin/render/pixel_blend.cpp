#include "skin/render/pixel_blend.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

namespace {

void BlendRow(uint32_t* dest, const uint32_t* source, int32_t count) {
    int32_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128(), opaque = _mm_set1_epi32(int(0xFF000000u)),
                  full = _mm_set1_epi16(256);
    // Two pixels in 16-bit lanes: (s * a + d * (256 - a)) >> 8 for each byte; no lane passes 65280.
    auto blendTwo = [&](__m128i s, __m128i d) {
        __m128i a = _mm_shufflelo_epi16(s, 0xFF);
        a = _mm_shufflehi_epi16(a, 0xFF);
        const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, _mm_sub_epi16(full, a)));
        return _mm_srli_epi16(sum, 8);
    };
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dest + i));
        const __m128i low = blendTwo(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
        const __m128i high = blendTwo(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
        const __m128i blended = _mm_packus_epi16(low, high);
        // Alpha 255 copies the source (the formula would give (255 s + d) >> 8); alpha 0 gives d
        // from the formula itself.
        const __m128i copy = _mm_cmpeq_epi32(_mm_and_si128(s, opaque), opaque);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dest + i),
                         _mm_or_si128(_mm_and_si128(copy, s), _mm_andnot_si128(copy, blended)));
    }
#endif
    for (; i < count; ++i) dest[i] = BlendPixel(source[i], dest[i]);
}

}  // namespace

void DrawRow(DrawMode mode, uint32_t* dest, const uint32_t* source, int32_t count) {
    switch (mode) {
        case DrawMode::Blend:
            BlendRow(dest, source, count);
            break;
        case DrawMode::Transparent:
            for (int32_t i = 0; i < count; ++i) dest[i] = TransparentCopyPixel(source[i], dest[i]);
            break;
        case DrawMode::Copy:
            if (count > 0)
                std::memmove(dest, source, size_t(count) * sizeof(uint32_t));
            break;
    }
}

}  // namespace skin
