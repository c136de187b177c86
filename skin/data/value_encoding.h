// The encodings of skin values in INI text: how each type is parsed from a present key, and how it
// is written back. A missing key is the reader's business (it takes the key's default).
//
//   integer   decimal with optional sign, or "0x"/"0X" + hexadecimal; anything else: the default
//   colour    an integer: red + green * 256 + blue * 65536; written as a signed decimal, so system
//             colours (0xFF000000 | index) come back as written
//   boolean   an integer; exactly 1 is true
//   rect      four comma-separated components; only digits count (blanks and minus signs are
//             dropped); a missing component or one without digits: EConvertError
//   point     the same with two components
//   font style the style names found anywhere in the value ("fsbold", "fsitalic", ...)
//   enums     exact names; every other text reads as the enumeration's fallback
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/data/ini_document.h"
#include "skin/data/value_types.h"

namespace skin {

std::optional<int32_t> ParseInteger(std::string_view text);
platform::Rect ParseRect(std::string_view text);
platform::Point ParsePoint(std::string_view text);
TFontStyles ParseFontStyles(std::string_view text);

template <class E>
E ParseEnum(std::string_view text) {
    const auto& names = EnumNames<E>::names;
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == text)
            return E(i);
    return EnumNames<E>::unknown;
}

std::string FormatRect(const platform::Rect& r);
std::string FormatPoint(const platform::Point& p);
std::string FormatFontStyles(const TFontStyles& styles);
template <class E>
std::string FormatEnum(E value) {
    return std::string(EnumNames<E>::names.at(size_t(value)));
}

// Typed reads of one key: the key's value parsed as above, or `def` when the key is missing (or,
// for integers, colours and booleans, not a number).
std::string ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                      std::string_view def);
int32_t ReadValue(const IniDocument& ini, std::string_view section, std::string_view key, int32_t def);
platform::COLORREF ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                             platform::COLORREF def);
bool ReadValue(const IniDocument& ini, std::string_view section, std::string_view key, bool def);
platform::Rect ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                         const platform::Rect& def);
platform::Point ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                          const platform::Point& def);
TFontStyles ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                      const TFontStyles& def);
template <class E>
requires std::is_enum_v<E> E ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                                       E def) {
    const std::string* value = ini.Find(section, key);
    return value ? ParseEnum<E>(*value) : def;
}

void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, const std::string& value);
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, int32_t value);
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, platform::COLORREF value);
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, bool value);
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key,
                const platform::Rect& value);
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key,
                const platform::Point& value);
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, const TFontStyles& value);
template <class E>
requires std::is_enum_v<E>
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, E value) {
    ini.WriteString(section, key, FormatEnum(value));
}

}  // namespace skin
