// UTF-16, the wide text the platform's text calls take, to and from the program's UTF-8
// (utf8.h). Both directions never fail: an unpaired surrogate becomes U+FFFD, and so does each
// ill-formed piece of UTF-8 (one replacement per maximal ill-formed subpart, as utf8::DecodeAt
// steps). Header-only, as utf8.h is.
#pragma once

#include <string>
#include <string_view>

#include "platform/utf8.h"

namespace platform::utf16 {

inline bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

inline std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const utf8::Step step = utf8::DecodeAt(text, pos);
        pos += step.length;
        // A well-formed step is never a surrogate.
        const char32_t c = step.codePoint;
        if (c < 0x10000) {
            out += char16_t(c);
        } else {
            out += char16_t(0xD800 + ((c - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

inline std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
        }
        // A surrogate left here is unpaired: Append writes U+FFFD for it.
        utf8::Append(out, c);
    }
    return out;
}

}  // namespace platform::utf16
