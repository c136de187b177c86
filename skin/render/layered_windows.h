// The helpers every layered and alpha-blended window of the skin engine shares: constant and
// per-pixel alpha, a picture and a mask made into a per-pixel-alpha image, and desktop composition
// (whether it is on; its two settings are not offered by this platform and do nothing).
#pragma once

#include <cstdint>

#include "framework/graphics/bitmap.h"
#include "platform/gfx/gdi_object.h"
#include "platform/window/types.h"
#include "skin/render/work_bitmap.h"

namespace skin {

// SetLayeredWindowAttributes(window, colour key 0, alpha, LWA_ALPHA); false when the call is missing
// or refused.
bool SetWindowAlpha(platform::HWND window, uint8_t alpha);

// Shows `image` (premultiplied, per-pixel alpha) as the window at the window's present place and
// the image's size, times the constant `alpha`.
bool PushLayeredImage(const TbsBitmap& image, uint8_t alpha, platform::HWND window);

// The image becomes a copy of the picture (alpha 255) whose alpha comes from the mask (the mean of
// its colours, AlphaFromMask), colours then limited to the alpha (ClampColoursToAlpha). An empty
// mask keeps the picture opaque.
void MakeAlphaFromMask(const framework::TBitmap& picture, const framework::TBitmap& mask, TbsBitmap& image);

// Desktop composition: whether the display blends translucent windows (a compositing manager
// runs); switching window transitions; blur behind a window.
bool IsCompositionEnabled();
bool SetWindowTransitions(platform::HWND window, bool enable);
bool SetBlurBehind(platform::HWND window, bool enable, platform::HRGN region);

}  // namespace skin
