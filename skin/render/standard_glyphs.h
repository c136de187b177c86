// The window-command glyphs that stand in when a skin has no picture for a caption button or a
// menu item, and the small arrows of scroll buttons. Each glyph is an 11 x 10 cell drawn one pixel
// wide in one colour, from the cell's top-left corner (x, y).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"

namespace skin {

enum class StandardGlyph { Close, SystemMenu, Minimize, Maximize, Restore, RollUp, RollDown, Tray };

// Draws a small picture given as rows of text, '#' a pixel in `color` and any other character
// none, with its top-left corner at (x, y).
void DrawPixelPicture(platform::HDC canvas, std::span<const std::string_view> rows, int32_t x, int32_t y,
                      platform::COLORREF color);

void DrawStandardGlyph(platform::HDC canvas, StandardGlyph glyph, int32_t x, int32_t y,
                       platform::COLORREF color);

inline void DrawCloseGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::Close, x, y, color);
}
inline void DrawSystemMenuGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::SystemMenu, x, y, color);
}
inline void DrawMinimizeGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::Minimize, x, y, color);
}
inline void DrawMaximizeGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::Maximize, x, y, color);
}
inline void DrawRestoreGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::Restore, x, y, color);
}
inline void DrawRollUpGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::RollUp, x, y, color);
}
inline void DrawRollDownGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::RollDown, x, y, color);
}
inline void DrawTrayGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF color) {
    DrawStandardGlyph(c, StandardGlyph::Tray, x, y, color);
}

enum class ArrowDirection : int32_t { Left = 1, Right = 2, Up = 3, Down = 4 };

// An arrow 4 pixels deep and 7 wide at its base, around the rectangle's centre
// (Left + width div 2, Top + height div 2).
void DrawSmallArrow(platform::HDC canvas, const platform::Rect& rect, platform::COLORREF color,
                    ArrowDirection direction);

}  // namespace skin
