// Values read from a fuzzer's bytes for the frame's fuzz targets: whole integers, or mostly small
// ones near the pictures with now and then anything at all.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/geometry.h"

namespace fuzz {

struct FuzzBytes {
    const uint8_t* data;
    size_t size;
    // The next four bytes (0 past the end).
    int32_t next() {
        int32_t v = 0;
        const size_t n = std::min(size, sizeof v);
        std::memcpy(&v, data, n);
        data += n;
        size -= n;
        return v;
    }
    // One time in eight any value; otherwise one of `span` values from `low`.
    int32_t small(int32_t low, int32_t span) {
        const int32_t v = next();
        return (v & 0x7) == 0 ? v : (v >> 3) % span + low;
    }
    platform::Point point(int32_t low, int32_t span) { return {small(low, span), small(low, span)}; }
    platform::Rect rect(int32_t low, int32_t span) {
        return {small(low, span), small(low, span), small(low, span), small(low, span)};
    }
};

}  // namespace fuzz
