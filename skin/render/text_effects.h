// Caption text with an effect behind it: a soft glow, a wide halo, or a fading reflection below.
// Each draws the text in red on a zeroed work bitmap, blurs or fades it, turns the red into alpha
// of the effect colour, blends that onto the canvas and then draws the text itself on top, in the
// canvas font and text colour.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"
#include "skin/render/work_bitmap.h"

namespace skin {

// Glow of `size` pixels (blur radius), moved by `offset` both ways. Returns the height the final
// text output reports.
int DrawGlowText(platform::HDC canvas, const platform::Rect& rect, std::u16string_view text, uint32_t format,
                 int32_t offset, platform::COLORREF glowColor, int32_t size);

// Halo with a margin of 10 (blur radius 5, twice) or 12 (radius 6, twice).
int DrawHaloText10(platform::HDC canvas, const platform::Rect& rect, std::u16string_view text,
                   uint32_t format, platform::COLORREF haloColor);
int DrawHaloText12(platform::HDC canvas, const platform::Rect& rect, std::u16string_view text,
                   uint32_t format, platform::COLORREF haloColor);

// The text (UTF-8) mirrored below itself, `offset` pixels lower, fading from 0.7 at its bottom row.
void DrawReflectedText(platform::HDC canvas, const platform::Rect& rect, std::string_view text,
                       uint32_t format, int32_t offset, platform::COLORREF reflectionColor);

// Every pixel's alpha becomes its red and its colour `color` (not premultiplied); the bitmap is
// then drawn by its alpha.
void RedToAlpha(TbsBitmap& bitmap, platform::COLORREF color);

// The reflection's fade, before the flip: rows below `textHeight` are cleared; row i up to it keeps
// red x f as alpha (f = 0.7 - (textHeight - i) / textHeight, 0 when negative) in `color`.
void FadeReflection(TbsBitmap& bitmap, int32_t textHeight, platform::COLORREF color);

}  // namespace skin
