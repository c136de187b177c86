// UTF-8, the one text encoding of every layer: one decoding step for text that may come from
// anywhere, a well-formedness check, a repair that replaces each ill-formed piece with U+FFFD (one
// replacement per maximal ill-formed subpart, the usual practice), and writing code points.
// Header-only so that the demo page server, which links no project library, shares it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::utf8 {

inline constexpr char32_t ReplacementCharacter = 0xFFFD;

struct Step {
    char32_t codePoint;  // ReplacementCharacter when the piece is ill-formed
    size_t length;       // bytes consumed, at least 1
    bool wellFormed;
};

// Decodes the character starting at text[pos] (pos < text.size()). Overlong forms, surrogates and
// values above U+10FFFF are ill-formed.
inline Step DecodeAt(std::string_view text, size_t pos) {
    const auto byte = [&](size_t i) { return uint8_t(text[i]); };
    const uint8_t lead = byte(pos);
    if (lead < 0x80) {
        return {lead, 1, true};
    }
    size_t needed = 0;
    char32_t value = 0;
    uint8_t low = 0x80, high = 0xBF;  // allowed range of the first continuation byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1, value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2, value = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3, value = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return {ReplacementCharacter, 1, false};
    }
    size_t length = 1;
    for (size_t k = 0; k < needed; ++k, ++length) {
        if (pos + length >= text.size()) {
            return {ReplacementCharacter, length, false};
        }
        const uint8_t next = byte(pos + length);
        const uint8_t min = k == 0 ? low : 0x80, max = k == 0 ? high : 0xBF;
        if (next < min || next > max) {
            return {ReplacementCharacter, length, false};
        }
        value = (value << 6) | (next & 0x3F);
    }
    return {value, length, true};
}

inline bool IsWellFormed(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        const Step step = DecodeAt(text, pos);
        if (!step.wellFormed) {
            return false;
        }
        pos += step.length;
    }
    return true;
}

inline bool IsContinuation(char c) {
    return (uint8_t(c) & 0xC0) == 0x80;
}

// Appends a code point; surrogates and values beyond U+10FFFF become U+FFFD.
inline void Append(std::string& out, char32_t c) {
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        c = ReplacementCharacter;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The text itself when it is well-formed; otherwise each ill-formed piece becomes U+FFFD.
inline std::string ToWellFormed(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const Step step = DecodeAt(text, pos);
        if (step.wellFormed) {
            out.append(text.substr(pos, step.length));
        } else {
            Append(out, ReplacementCharacter);
        }
        pos += step.length;
    }
    return out;
}

}  // namespace platform::utf8
