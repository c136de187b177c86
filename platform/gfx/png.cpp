#include "platform/gfx/png.h"

#include <cairo.h>

#include <cstring>

namespace platform {

bool SaveSurfacePng(const Surface& surface, const std::string& path, PngAlpha alpha) {
    if (surface.isEmpty())
        return false;
    // Cairo's 32-bit formats share our byte order; RGB24 ignores the alpha byte.
    const cairo_format_t format = alpha == PngAlpha::Ignore ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32;
    cairo_surface_t* s = cairo_image_surface_create(format, surface.width(), surface.height());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int32_t y = 0; y < surface.height(); ++y) {
        std::memcpy(data + size_t(y) * size_t(stride), surface.row(y), size_t(surface.strideBytes()));
    }
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

std::optional<Surface> LoadSurfacePng(const std::string& path) {
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    std::optional<Surface> out;
    const cairo_format_t format = cairo_image_surface_get_format(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
        (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24) && w > 0 && h > 0 &&
        Surface::SizeAllowed(w, h)) {
        out.emplace(w, h);
        const unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        for (int32_t y = 0; y < h; ++y) {
            std::memcpy(out->row(y), data + size_t(y) * size_t(stride), size_t(out->strideBytes()));
            if (format == CAIRO_FORMAT_RGB24) {
                for (int32_t x = 0; x < w; ++x) out->row(y)[x] |= 0xFF000000u;
            }
        }
    }
    cairo_surface_destroy(s);
    return out;
}

}  // namespace platform
