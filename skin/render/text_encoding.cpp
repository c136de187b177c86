#include "skin/render/text_encoding.h"

#include "platform/utf16.h"

namespace skin {

std::u16string Utf16FromUtf8(std::string_view text) {
    return platform::utf16::FromUtf8(text);
}

std::string Utf8FromUtf16(std::u16string_view text) {
    return platform::utf16::ToUtf8(text);
}

}  // namespace skin
