// The 32-bit little-endian integers of skin packages and compressed skin files.
#pragma once

#include <cstdint>

#include "framework/core/stream.h"

namespace skin {

// The integer in the four bytes at `b`.
inline int32_t Int32At(const uint8_t* b) {
    return int32_t(uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24));
}

// EReadError when the stream ends first.
inline int32_t ReadInt32(framework::TStream& stream) {
    uint8_t b[4];
    stream.ReadBuffer(b, 4);
    return Int32At(b);
}

inline void WriteInt32(framework::TStream& stream, int32_t value) {
    const uint32_t v = uint32_t(value);
    const uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    stream.WriteBuffer(b, 4);
}

}  // namespace skin
