// Moving through UTF-8 text by characters (the edit's caret and selection are byte offsets that
// always lie on character boundaries); decoding and writing code points (platform/utf8.h).
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/utf8.h"

namespace framework::utf8 {

using platform::utf8::IsContinuation;

// The boundary after the character at `pos` (pos < size), or size.
inline size_t NextBoundary(std::string_view text, size_t pos) {
    if (pos >= text.size())
        return text.size();
    ++pos;
    while (pos < text.size() && IsContinuation(text[pos])) ++pos;
    return pos;
}

// The boundary before `pos`, or 0.
inline size_t PreviousBoundary(std::string_view text, size_t pos) {
    if (pos == 0)
        return 0;
    pos = std::min(pos, text.size()) - 1;
    while (pos > 0 && IsContinuation(text[pos])) --pos;
    return pos;
}

// `pos` moved back onto the boundary at or before it.
inline size_t BoundaryAtOrBefore(std::string_view text, size_t pos) {
    pos = std::min(pos, text.size());
    while (pos > 0 && pos < text.size() && IsContinuation(text[pos])) --pos;
    return pos;
}

inline size_t CountCharacters(std::string_view text) {
    size_t count = 0;
    for (char c : text)
        if (!IsContinuation(c))
            ++count;
    return count;
}

// The first `count` characters of `text`.
inline std::string_view FirstCharacters(std::string_view text, size_t count) {
    size_t pos = 0;
    while (count-- > 0 && pos < text.size()) pos = NextBoundary(text, pos);
    return text.substr(0, pos);
}

// The code point starting at `pos` (a boundary); an ill-formed sequence gives U+FFFD.
inline char32_t DecodeAt(std::string_view text, size_t pos) {
    return platform::utf8::DecodeAt(text, pos).codePoint;
}

// A code point as UTF-8; surrogates and values beyond U+10FFFF become U+FFFD.
inline std::string Encode(char32_t cp) {
    std::string out;
    platform::utf8::Append(out, cp);
    return out;
}

}  // namespace framework::utf8
