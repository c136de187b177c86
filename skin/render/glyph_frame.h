// One frame of a glyph strip: N frames side by side, drawn transparently.
//
//   strip:  | frame 1 | frame 2 | ... | frame N |     each (strip width div N) wide, all rows
//                                                     key colour: the frame's bottom-left pixel
#pragma once

#include <cstdint>

#include "platform/gfx/gdi_object.h"
#include "skin/render/picture.h"

namespace skin {

// Draws frame k (counted from 1) of the N frames of `strip` at (x, y) on the canvas; pixels of the
// colour of the frame's bottom-left pixel are not drawn. Nothing for an empty strip, N < 1, a
// frame narrower than a pixel or k outside 1 .. N.
void DrawGlyphFrame(platform::HDC canvas, int32_t x, int32_t y, int32_t k, int32_t N, const Picture& strip);

}  // namespace skin
