// The framework's font: a face name, a height, a style set, a colour and a character set, with a
// change event, turned into a platform font handle on demand.
#pragma once

#include <cstdint>
#include <string>

#include "framework/core/enum_set.h"
#include "framework/core/persistent.h"
#include "framework/core/properties.h"
#include "platform/color.h"
#include "platform/gfx/font.h"

namespace framework {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = EnumSet<TFontStyle>;
template <>
struct EnumNames<TFontStyle> {
    static constexpr std::array names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    static_assert(names.size() == size_t(TFontStyle::fsStrikeOut) + 1);
};

// Colours are platform colours: 0x00BBGGRR or a system colour (0xFF000000 | index).
using TColor = platform::COLORREF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNavy = 0x800000;
constexpr TColor clNone = 0x1FFFFFFF;

// The screen's dots per inch: a font's Size in points is its pixel height at this resolution.
constexpr int kScreenPixelsPerInch = 96;

class TFont : public TPersistent {
public:
    // "Tahoma", height -11 (8 points), no style, window-text colour, the default character set.
    TFont();
    ~TFont() override;
    static PersistentClass Published();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: em height in pixels; positive: cell height (as the platform font).
    int32_t Height() const { return height_; }
    void SetHeight(int32_t height);
    // Points at the screen's resolution; setting it sets Height to -(points * 96 / 72).
    int32_t Size() const;
    void SetSize(int32_t points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    uint8_t Charset() const { return charset_; }
    void SetCharset(uint8_t charset);

    // Copies every value and raises one change.
    void Assign(const TFont& source);
    bool SameAs(const TFont& other) const;
    platform::LOGFONT LogFont() const;
    // The platform font for the present values, made on first use and owned by this object.
    platform::HFONT Handle() const;

    TNotifyEvent OnChange;

private:
    void Changed();
    void DropHandle() const;

    std::string name_ = "Tahoma";
    int32_t height_ = -11;
    TFontStyles style_;
    TColor color_ = platform::clWindowText;
    uint8_t charset_ = platform::DEFAULT_CHARSET;
    mutable platform::HFONT handle_ = nullptr;
};

}  // namespace framework
