#include "platform/gfx/bitmap.h"

#include <memory>

#include "platform/gfx/objects.h"

namespace platform {

HBITMAP CreateBitmap32(int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || !Surface::SizeAllowed(width, height))
        return nullptr;
    auto bitmap = std::make_unique<gdi::BitmapObject>();
    if (!bitmap->surface.resize(width, height))
        return nullptr;
    return static_cast<HBITMAP>(gdi::Insert(gdi::Kind::Bitmap, std::move(bitmap)));
}

HBITMAP CreateCompatibleBitmap(HDC, int32_t width, int32_t height) {
    return CreateBitmap32(width, height);
}

HBITMAP CreateDIBSection32(int32_t width, int32_t height, uint32_t** bits) {
    HBITMAP bitmap = CreateBitmap32(width, height);
    if (bits)
        *bits = bitmap ? SurfaceOfBitmap(bitmap)->data() : nullptr;
    return bitmap;
}

Surface* SurfaceOfBitmap(HBITMAP bitmap) {
    auto* b = gdi::Find<gdi::BitmapObject>(bitmap);
    return b ? &b->surface : nullptr;
}

bool GetObject(HBITMAP bitmap, BITMAP* out) {
    Surface* s = SurfaceOfBitmap(bitmap);
    if (!s || !out)
        return false;
    *out = {s->width(), s->height(), s->strideBytes(), 1, 32, s->data()};
    return true;
}

}  // namespace platform
