// UTF-8 text as the window system passes it around: code points for WM_CHAR, and cutting text to a
// buffer without splitting a character. Internal to platform/window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform::win {

// The code points of `text`; each ill-formed piece is U+FFFD (platform/utf8.h).
std::vector<uint32_t> CodePointsOf(std::string_view text);

// The longest prefix of `text` of at most `maxBytes` bytes that ends on a character boundary.
size_t PrefixLength(std::string_view text, size_t maxBytes);

}  // namespace platform::win
