// Bitmaps as handles: 32-bit pixel surfaces (B, G, R, A bytes, top row first) that memory device
// contexts draw into. Every bitmap is of this one format, so a "compatible" bitmap and a 32-bit
// device-independent section are the same thing here, and their pixels can be read and written
// directly through SurfaceOfBitmap.
#pragma once

#include <cstdint>

#include "platform/gfx/gdi_object.h"
#include "platform/gfx/surface.h"

namespace platform {

// What GetObject reports of a bitmap.
struct BITMAP {
    int32_t bmWidth = 0;
    int32_t bmHeight = 0;
    int32_t bmWidthBytes = 0;
    uint16_t bmPlanes = 1;
    uint16_t bmBitsPixel = 32;
    void* bmBits = nullptr;
};

// A bitmap of that size with every pixel 0. Null for a zero or negative size or one beyond the
// surface bounds (gfx/surface.h).
HBITMAP CreateBitmap32(int32_t width, int32_t height);
// The same; `dc` (which may be null) only says where the bitmap will be used.
HBITMAP CreateCompatibleBitmap(HDC dc, int32_t width, int32_t height);
// A 32-bit section: the same bitmap, with its pixels handed out through `bits` (may be null).
HBITMAP CreateDIBSection32(int32_t width, int32_t height, uint32_t** bits);

// The bitmap's pixels, or null for a bad handle. Valid until the bitmap is deleted.
Surface* SurfaceOfBitmap(HBITMAP bitmap);
bool GetObject(HBITMAP bitmap, BITMAP* out);

}  // namespace platform
