// How a window's pixels reach a desktop window, for the way the window is layered.
//
// With a compositing manager every desktop window has an alpha channel, and layered windows show
// their alpha exactly (premultiplied ARGB, as cairo wants it). Without one (a plain X server, Xvfb)
// a desktop window is opaque wherever it is shaped, so a layered window is cut to the pixels whose
// alpha is at least half (kShownAlpha): they show at full strength in their own colour, the others
// not at all. A constant alpha below half thus hides the whole window, a colour key cuts its
// pixels out, and a per-pixel image keeps its solid part.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/display/display.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

namespace platform::gtk {

constexpr uint8_t kShownAlpha = 128;

// Writes `area` of `image` into `out` (same size as the image; B, G, R, A premultiplied) as the
// desktop window shows it.
void ConvertLayerPixels(const Surface& image, const Rect& area, const LayerAttributes& layer, bool compositor,
                        Surface& out);

// The pixels of `image` that show with at least `threshold` alpha, or nullopt when all of them do.
// Without a compositor kShownAlpha gives what shows at all; with one, 1 gives the pixels a click
// lands on (a layered window's fully transparent pixels let the pointer through).
std::optional<Region> ShownPixels(const Surface& image, const LayerAttributes& layer,
                                  uint8_t threshold = kShownAlpha);

}  // namespace platform::gtk
