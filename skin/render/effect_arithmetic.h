// The arithmetic of the colour effects and morphs: values in extended precision, rounded to the
// nearest integer with halves to even, clamped to a byte.
#pragma once

#include <cmath>
#include <cstdint>

namespace skin {

inline uint8_t RoundToByte(long double v) {
    const long double r = std::nearbyint(v);  // the default rounding mode: halves to even
    return uint8_t(r < 0 ? 0 : r > 255 ? 255 : r);
}

// round(a * f + b * (1 - f)), f in extended precision.
inline uint8_t Mix(uint8_t a, uint8_t b, long double f) {
    return RoundToByte(a * f + b * (1.0L - f));
}

inline long double Clamp01(long double v) {
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

}  // namespace skin
