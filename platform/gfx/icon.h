// Icons: small pictures with a transparent background, shown in caption bars and system-menu
// buttons. An icon is a handle like the other graphics objects (looked up, type-checked, refused
// once destroyed); its pixels are fully transparent or fully opaque.
//
// The platform has one icon of its own, the default application icon (IDI_APPLICATION), which
// windows without an icon of their own show. Icons are destroyed with DestroyIcon, not
// DeleteObject; the stock icon survives destruction.
#pragma once

#include <cstdint>

#include "platform/color.h"
#include "platform/gfx/gdi_object.h"

namespace platform {

struct HICON__;
using HICON = HICON__*;

// The identifiers LoadIcon knows.
constexpr int IDI_APPLICATION = 32512;

// LoadIcon(nullptr, IDI_APPLICATION): the stock application icon; null for any other identifier.
HICON LoadIcon(std::nullptr_t, int id);

// CopyImage of an icon (IMAGE_ICON): a new icon of cx x cy, scaled nearest-neighbour from the
// icon (LR_COPYFROMRESOURCE picks the icon's own drawing, which is the only one it has). A size of
// 0 takes the icon's own. Null for a bad handle, another image type or a size beyond 256.
constexpr uint32_t IMAGE_ICON = 1;
constexpr uint32_t LR_COPYFROMRESOURCE = 0x4000;
HICON CopyImage(HICON icon, uint32_t type, int32_t cx, int32_t cy, uint32_t flags);

// Draws the icon's opaque pixels with their top-left corner at (x, y), scaled to cx x cy (0: the
// icon's own size), through the DC's origins and clip. DI_NORMAL is the only mode.
constexpr uint32_t DI_NORMAL = 0x0003;
bool DrawIconEx(HDC dc, int32_t x, int32_t y, HICON icon, int32_t cx, int32_t cy, uint32_t step,
                HBRUSH flickerFreeBrush, uint32_t flags);

// The icon's size; false for a bad handle.
bool GetIconSize(HICON icon, int32_t* cx, int32_t* cy);

// False for a bad handle; the stock icon reports success and stays.
bool DestroyIcon(HICON icon);

}  // namespace platform
