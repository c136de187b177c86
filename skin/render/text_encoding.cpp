#include "skin/render/text_encoding.h"

#include <cstdint>

#include "platform/utf8.h"

namespace skin {

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto [c, length, wellFormed] = platform::utf8::DecodeAt(text, i);
        i += length;
        if (c < 0x10000) {
            out += char16_t(c);
        } else {
            out += char16_t(0xD800 + ((c - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = platform::utf8::ReplacementCharacter;
        }
        platform::utf8::Append(out, c);
    }
    return out;
}

}  // namespace skin
