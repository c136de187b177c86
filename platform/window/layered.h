// Layered top-level windows (WS_EX_LAYERED), composed by the display with what lies below them:
// either the window's own painting with a constant alpha and/or a colour key
// (SetLayeredWindowAttributes), or an image with per-pixel alpha that replaces its painting
// (UpdateLayeredWindow). As on the platform, a layered window shows nothing until one of the two
// was called, and after SetLayeredWindowAttributes UpdateLayeredWindow fails until the layered
// style is removed and set again.
#pragma once

#include <cstdint>

#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"
#include "platform/window/types.h"

namespace platform {

constexpr DWORD LWA_COLORKEY = 0x1;
constexpr DWORD LWA_ALPHA = 0x2;

constexpr DWORD ULW_COLORKEY = 0x1;
constexpr DWORD ULW_ALPHA = 0x2;
constexpr DWORD ULW_OPAQUE = 0x4;

constexpr uint8_t AC_SRC_OVER = 0x00;
constexpr uint8_t AC_SRC_ALPHA = 0x01;

struct BLENDFUNCTION {
    uint8_t BlendOp = AC_SRC_OVER;
    uint8_t BlendFlags = 0;
    uint8_t SourceConstantAlpha = 255;
    uint8_t AlphaFormat = 0;  // AC_SRC_ALPHA: the source carries premultiplied per-pixel alpha
};

// False unless the window is a top-level window with WS_EX_LAYERED.
bool SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, uint8_t alpha, DWORD flags);
bool GetLayeredWindowAttributes(HWND hwnd, COLORREF* colorKey, uint8_t* alpha, DWORD* flags);

// Shows `size` pixels of `source` from `sourcePosition` (premultiplied B, G, R, A with ULW_ALPHA and
// AC_SRC_ALPHA; opaque otherwise) as the window, times the blend's constant alpha, and moves the
// window to `position` and `size` when given. `destination` is not used (the screen). Pixels
// outside the source are transparent.
bool UpdateLayeredWindow(HWND hwnd, HDC destination, const Point* position, const Size* size, HDC source,
                         const Point* sourcePosition, COLORREF colorKey, const BLENDFUNCTION* blend,
                         DWORD flags);

// Desktop composition: whether the display blends translucent windows with what lies below them
// (a compositing manager runs). False, and `enabled` untouched, when `enabled` is null or no display
// is connected.
bool DwmIsCompositionEnabled(bool* enabled);

}  // namespace platform
