// Composing top-level windows into one screen image, bottom first: each window's image clipped to
// its shape, then blended by how it is layered (display.h, LayerAttributes):
//
//   Opaque    screen = window pixel
//   Constant  screen = window pixel * a + screen * (1 - a), where the colour key (if any) skips
//             pixels of that colour
//   PerPixel  screen = window pixel * a + screen * (1 - alpha of the pixel * a), the window's
//             pixels premultiplied by their own alpha
//   Unset     nothing shown
//
// with a the constant alpha / 255. Window surfaces carry an alpha byte from drawing that means
// nothing on the screen: outside PerPixel it is ignored.
#pragma once

#include <span>

#include "platform/display/display.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

namespace platform {

struct ScreenLayer {
    Rect bounds;                     // screen coordinates
    const Surface* image = nullptr;  // what the window shows, from its top-left corner
    const Region* shape = nullptr;   // window coordinates; null: the whole rectangle
    LayerAttributes layer;
};

// `screen` covers the screen from `origin` (its pixel (0, 0) is that screen point).
void ComposeLayers(Surface& screen, Point origin, std::span<const ScreenLayer> bottomFirst);

}  // namespace platform
