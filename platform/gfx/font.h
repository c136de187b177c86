// Fonts as handles: a face name, a height, a weight, italic, underline, strike-out and a character
// set, resolved through fontconfig when text is drawn or measured (gfx/text.h).
//
// Height: negative = character (em) height in pixels ("Tahoma, height -11"); positive = cell height
// (ascent + descent) in pixels; 0 = the default, -11. "Arial" resolves to Liberation Sans, "Tahoma"
// to the Tahoma of fonts-wine, and characters the face lacks (Chinese) fall back to a face that has
// them (WenQuanYi Micro Hei), preferring Chinese faces when the character set is GB2312_CHARSET.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gfx/gdi_object.h"

namespace platform {

enum : int32_t {
    FW_DONTCARE = 0,
    FW_THIN = 100,
    FW_LIGHT = 300,
    FW_NORMAL = 400,
    FW_MEDIUM = 500,
    FW_SEMIBOLD = 600,
    FW_BOLD = 700,
    FW_HEAVY = 900,
};

enum : uint8_t {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    SHIFTJIS_CHARSET = 128,
    HANGUL_CHARSET = 129,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
};

constexpr int32_t kDefaultFontHeight = -11;
// Heights beyond this (either sign) are refused: no caption needs a glyph taller than a screen.
constexpr int32_t kMaxFontHeight = 2048;

struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;  // kept for callers; glyphs always keep their natural width
    int32_t lfWeight = FW_NORMAL;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    uint8_t lfCharSet = DEFAULT_CHARSET;
    std::string lfFaceName;  // UTF-8; at most 31 bytes are used, as the platform keeps

    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// Null for a height beyond +-kMaxFontHeight.
HFONT CreateFontIndirect(const LOGFONT& font);
HFONT CreateFont(int32_t height, int32_t width, int32_t escapement, int32_t orientation, int32_t weight,
                 bool italic, bool underline, bool strikeOut, uint8_t charSet, uint8_t outPrecision,
                 uint8_t clipPrecision, uint8_t quality, uint8_t pitchAndFamily, const std::string& faceName);

// The description the font was made from; false for a bad handle.
bool GetObject(HFONT font, LOGFONT* out);

}  // namespace platform
