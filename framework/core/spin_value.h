// How an integer spin edit reads its text: a decimal integer, optionally signed and surrounded by
// blanks, that fits in 32 bits; any other text (empty, letters, too large) reads as the edit's
// minimum. The value is not clamped here: the edit clamps only when it loses the focus or is set
// by the program, so a text typed a moment ago may still read outside the range.
// Header-only so that pure logic above the framework (the query builder) reads prices the same way.
#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

namespace framework {

inline int32_t SpinEditTextValue(std::string_view text, int32_t minValue) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            return minValue;
        }
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return minValue;
    }
    return value;
}

}  // namespace framework
