// Between the program's text (UTF-8, which plays the platform's ANSI code page here) and the wide
// text (UTF-16) that the text operations take.
#pragma once

#include <string>
#include <string_view>

namespace skin {

// Ill-formed sequences and unpaired surrogates become U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace skin
