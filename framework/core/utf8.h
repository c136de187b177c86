// Moving through UTF-8 text by characters (the edit's caret and selection are byte offsets that
// always lie on character boundaries) and writing code points.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace framework::utf8 {

inline bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The boundary after the character at `pos` (pos < size), or size.
inline size_t NextBoundary(std::string_view text, size_t pos) {
    if (pos >= text.size()) return text.size();
    ++pos;
    while (pos < text.size() && IsContinuation(text[pos])) ++pos;
    return pos;
}

// The boundary before `pos`, or 0.
inline size_t PreviousBoundary(std::string_view text, size_t pos) {
    if (pos == 0) return 0;
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
        if (!IsContinuation(c)) ++count;
    return count;
}

// The first `count` characters of `text`.
inline std::string_view FirstCharacters(std::string_view text, size_t count) {
    size_t pos = 0;
    while (count-- > 0 && pos < text.size()) pos = NextBoundary(text, pos);
    return text.substr(0, pos);
}

// The code point starting at `pos` (a boundary); a broken sequence gives U+FFFD.
inline char32_t DecodeAt(std::string_view text, size_t pos) {
    const size_t end = NextBoundary(text, pos);
    const auto byte = [&](size_t i) { return char32_t(static_cast<unsigned char>(text[i])); };
    const char32_t lead = byte(pos);
    const size_t length = end - pos;
    if (lead < 0x80) return lead;
    if (length == 2 && (lead & 0xE0) == 0xC0) return ((lead & 0x1F) << 6) | (byte(pos + 1) & 0x3F);
    if (length == 3 && (lead & 0xF0) == 0xE0)
        return ((lead & 0x0F) << 12) | ((byte(pos + 1) & 0x3F) << 6) | (byte(pos + 2) & 0x3F);
    if (length == 4 && (lead & 0xF8) == 0xF0)
        return ((lead & 0x07) << 18) | ((byte(pos + 1) & 0x3F) << 12) | ((byte(pos + 2) & 0x3F) << 6) |
               (byte(pos + 3) & 0x3F);
    return 0xFFFD;
}

// A code point as UTF-8; surrogates and values beyond U+10FFFF become U+FFFD.
inline std::string Encode(char32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    std::string out;
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
    return out;
}

}  // namespace framework::utf8
