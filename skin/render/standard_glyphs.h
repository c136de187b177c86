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

// Draws a small picture given as rows of text, '#' a pixel in `colour` and any other character
// none, with its top-left corner at (x, y).
void DrawPixelPicture(platform::HDC canvas, std::span<const std::string_view> rows, int32_t x, int32_t y,
                      platform::COLORREF colour);

void DrawStandardGlyph(platform::HDC canvas, StandardGlyph glyph, int32_t x, int32_t y,
                       platform::COLORREF colour);

inline void DrawCloseGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::Close, x, y, colour);
}
inline void DrawSystemMenuGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::SystemMenu, x, y, colour);
}
inline void DrawMinimizeGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::Minimize, x, y, colour);
}
inline void DrawMaximizeGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::Maximize, x, y, colour);
}
inline void DrawRestoreGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::Restore, x, y, colour);
}
inline void DrawRollUpGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::RollUp, x, y, colour);
}
inline void DrawRollDownGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::RollDown, x, y, colour);
}
inline void DrawTrayGlyph(platform::HDC c, int32_t x, int32_t y, platform::COLORREF colour) {
    DrawStandardGlyph(c, StandardGlyph::Tray, x, y, colour);
}

enum class ArrowDirection : int32_t { Left = 1, Right = 2, Up = 3, Down = 4 };

// An arrow 4 pixels deep and 7 wide at its base, around the rectangle's centre
// (Left + width div 2, Top + height div 2).
void DrawSmallArrow(platform::HDC canvas, const platform::Rect& rect, platform::COLORREF colour,
                    ArrowDirection direction);

}  // namespace skin
