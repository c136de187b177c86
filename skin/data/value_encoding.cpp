#include "skin/data/value_encoding.h"

#include <array>
#include <limits>

#include "framework/core/exception.h"

namespace skin {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int32_t> ParseHex(std::string_view digits) {
    uint64_t value = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + uint64_t(d);
        if (value > std::numeric_limits<uint32_t>::max())
            return std::nullopt;
    }
    // Eight hexadecimal digits fill all 32 bits: 0xFF00000F is the system colour, a negative integer.
    return int32_t(uint32_t(value));
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(value);
}

// One component of a rect or point value: its digits, every other character dropped.
struct DigitRun {
    std::string_view text;  // the component as written, for the error message
    bool hasDigit = false;
    bool tooLarge = false;
    int64_t value = 0;

    void Add(char c) {
        hasDigit = true;
        if (!tooLarge) {
            value = value * 10 + (c - '0');
            tooLarge = value > std::numeric_limits<int32_t>::max();
        }
    }
    int32_t ToInteger() const {
        if (!hasDigit || tooLarge) {
            std::string shown;  // the digits, cut short
            for (char c : text)
                if (IsDigit(c) && shown.size() < 24)
                    shown += c;
            throw framework::EConvertError("'" + shown + "' is not a valid integer value");
        }
        return int32_t(value);
    }
};

// Components beyond `N` are ignored; fewer than `N` raise like a component without digits.
template <size_t N>
std::array<int32_t, N> ParseComponents(std::string_view text) {
    std::array<DigitRun, N> runs;
    size_t current = 0, start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ',') {
            runs[current].text = text.substr(start, i - start);
            start = i + 1;
            if (++current == N)
                break;
        } else if (IsDigit(c)) {
            runs[current].Add(c);
        }
    }
    if (current < N)
        runs[current].text = text.substr(start);
    std::array<int32_t, N> values{};
    for (size_t i = 0; i < N; ++i) values[i] = runs[i].ToInteger();
    return values;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2));
    return ParseDecimal(text);
}

platform::Rect ParseRect(std::string_view text) {
    auto v = ParseComponents<4>(text);
    return {v[0], v[1], v[2], v[3]};
}

platform::Point ParsePoint(std::string_view text) {
    auto v = ParseComponents<2>(text);
    return {v[0], v[1]};
}

TFontStyles ParseFontStyles(std::string_view text) {
    auto has = [&](size_t i) { return text.find(kFontStyleNames[i]) != std::string_view::npos; };
    return {has(0), has(1), has(2), has(3)};
}

std::string FormatRect(const platform::Rect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

std::string FormatPoint(const platform::Point& p) {
    return std::to_string(p.X) + "," + std::to_string(p.Y);
}

std::string FormatFontStyles(const TFontStyles& styles) {
    const bool present[] = {styles.Bold, styles.Italic, styles.Underline, styles.StrikeOut};
    std::string text;
    for (size_t i = 0; i < kFontStyleNames.size(); ++i) {
        if (!present[i])
            continue;
        if (!text.empty())
            text += ",";
        text += kFontStyleNames[i];
    }
    return text;
}

std::string ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                      std::string_view def) {
    return ini.ReadString(section, key, def);
}

int32_t ReadValue(const IniDocument& ini, std::string_view section, std::string_view key, int32_t def) {
    const std::string* value = ini.Find(section, key);
    return value ? ParseInteger(*value).value_or(def) : def;
}

platform::COLORREF ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                             platform::COLORREF def) {
    return platform::COLORREF(ReadValue(ini, section, key, int32_t(def)));
}

bool ReadValue(const IniDocument& ini, std::string_view section, std::string_view key, bool def) {
    const std::string* value = ini.Find(section, key);
    return value ? ParseInteger(*value) == 1 : def;
}

platform::Rect ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                         const platform::Rect& def) {
    const std::string* value = ini.Find(section, key);
    return value ? ParseRect(*value) : def;
}

platform::Point ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                          const platform::Point& def) {
    const std::string* value = ini.Find(section, key);
    return value ? ParsePoint(*value) : def;
}

TFontStyles ReadValue(const IniDocument& ini, std::string_view section, std::string_view key,
                      const TFontStyles& def) {
    const std::string* value = ini.Find(section, key);
    return value ? ParseFontStyles(*value) : def;
}

void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, const std::string& value) {
    ini.WriteString(section, key, value);
}
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, int32_t value) {
    ini.WriteString(section, key, std::to_string(value));
}
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, platform::COLORREF value) {
    WriteValue(ini, section, key, int32_t(value));
}
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, bool value) {
    ini.WriteString(section, key, value ? "1" : "0");
}
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key,
                const platform::Rect& value) {
    ini.WriteString(section, key, FormatRect(value));
}
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key,
                const platform::Point& value) {
    ini.WriteString(section, key, FormatPoint(value));
}
void WriteValue(IniDocument& ini, std::string_view section, std::string_view key, const TFontStyles& value) {
    ini.WriteString(section, key, FormatFontStyles(value));
}

}  // namespace skin
