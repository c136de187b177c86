// A checksum the test pages compute over a string argument, to show that it arrived byte for byte:
// FNV-1a over its UTF-8 bytes, as a 32-bit integer, here and in the page's script.
#pragma once

#include <cstdint>
#include <string>

namespace platform::test {

inline int32_t Fnv1a(const std::string& bytes) {
    uint32_t h = 2166136261u;
    for (unsigned char c : bytes) h = (h ^ c) * 16777619u;
    return int32_t(h);
}

// The page's side: function Fnv(s).
#define VELMORO_PAGE_FNV                                                                           \
    "function Fnv(s) {\n"                                                                          \
    "  let h = 2166136261;\n"                                                                      \
    "  for (const byte of new TextEncoder().encode(s)) h = Math.imul(h ^ byte, 16777619) >>> 0;\n" \
    "  return h | 0;\n"                                                                            \
    "}\n"

}  // namespace platform::test
