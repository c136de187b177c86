// Text on device contexts: DrawText with its format flags, TextOut, and measuring, in the DC's
// selected font, text colour and background mode (Pango and Cairo underneath).
//
// Encoding: std::string text is UTF-8 (the project's encoding); the wide variant DrawTextW takes
// UTF-16 (std::u16string_view), as the code that calls the platform's W functions has it. Invalid
// sequences are drawn as U+FFFD.
//
// Lines: every line is as high as the font's cell (tmHeight = ascent + descent), with the baseline
// tmAscent below the line top, whatever fallback faces its characters need; a line is as wide as
// its glyph advances. Measuring (DT_CALCRECT, GetTextExtentPoint32) and drawing use the same layout,
// so the ink of drawn text stays inside the measured rectangle (italic overhang aside).
//
// Pixels: grey-scale anti-aliasing; see gfx/dc.h for the alpha written.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"

namespace platform {

enum : uint32_t {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,  // with DT_SINGLELINE only, as on the platform
    DT_BOTTOM = 0x8,   // with DT_SINGLELINE only
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,  // tabs to every 8 average character widths; without it a tab is a space
    DT_NOCLIP = 0x100,     // without it drawing is clipped to the rectangle as well
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_RTLREADING = 0x20000,
};

// Draws `text` in `rect` (logical coordinates) and returns the height of the text, or 0 on failure
// or for empty text. "&x" underlines x and "&&" is one "&" unless DT_NOPREFIX. With DT_CALCRECT
// nothing is drawn: rect keeps its left and top and gets right = left + widest line and bottom =
// top + height (lines wrap at the rectangle's width with DT_WORDBREAK). With DT_VCENTER or DT_BOTTOM
// on a single line the result is the text's bottom relative to rect.top, as the platform reports it.
// Line breaks ("\n", "\r\n", "\r") start new lines unless DT_SINGLELINE, where they are dropped.
int DrawText(HDC dc, std::string_view text, Rect* rect, uint32_t format);
int DrawTextW(HDC dc, std::u16string_view text, Rect* rect, uint32_t format);

// One line at (x, y), its cell's top-left corner; no prefix handling. In OPAQUE background mode the
// cell is filled with the background colour first.
bool TextOut(HDC dc, int32_t x, int32_t y, std::string_view text);

// Width (sum of advances) and height (tmHeight) of one line of text, no prefix handling.
bool GetTextExtentPoint32(HDC dc, std::string_view text, Size* size);

struct TEXTMETRIC {
    int32_t tmHeight = 0;  // ascent + descent: the line height
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;  // tmHeight - the em height
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    bool tmItalic = false;
    bool tmUnderlined = false;
    bool tmStruckOut = false;
    uint8_t tmCharSet = 0;
};
bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);

}  // namespace platform
