#include "platform/display/gtk/layer_pixels.h"

#include <vector>

namespace platform::gtk {

namespace {

using Mode = LayerAttributes::Mode;

uint32_t Channel(uint32_t p, int shift) {
    return (p >> shift) & 0xFF;
}

uint32_t Scaled(uint32_t p, uint32_t alpha) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) out |= ((Channel(p, shift) * alpha + 127) / 255) << shift;
    return out;
}

bool Keyed(uint32_t p, const LayerAttributes& layer) {
    return layer.colorKey && ColorFromPixel(p) == *layer.colorKey;
}

// The alpha a pixel shows with (0 to 255).
uint32_t ShownAlphaOf(uint32_t p, const LayerAttributes& layer) {
    switch (layer.mode) {
        case Mode::Opaque:
            return 255;
        case Mode::Unset:
            return 0;
        case Mode::Constant:
            return Keyed(p, layer) ? 0 : layer.alpha;
        case Mode::PerPixel:
            return Keyed(p, layer) ? 0 : (Channel(p, 24) * layer.alpha + 127) / 255;
    }
    return 0;
}

// A premultiplied pixel back to its own colour, opaque.
uint32_t Unpremultiplied(uint32_t p) {
    uint32_t a = Channel(p, 24);
    if (a == 0)
        return 0xFF000000u;
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        uint32_t v = (Channel(p, shift) * 255 + a / 2) / a;
        out |= (v > 255 ? 255 : v) << shift;
    }
    return out;
}

uint32_t WithCompositor(uint32_t p, const LayerAttributes& layer) {
    switch (layer.mode) {
        case Mode::Opaque:
            return p | 0xFF000000u;
        case Mode::Unset:
            return 0;
        case Mode::Constant:
            if (Keyed(p, layer))
                return 0;
            return layer.alpha == 255 ? p | 0xFF000000u : Scaled(p | 0xFF000000u, layer.alpha);
        case Mode::PerPixel:
            if (Keyed(p, layer))
                return 0;
            return layer.alpha == 255 ? p : Scaled(p, layer.alpha);
    }
    return 0;
}

uint32_t WithoutCompositor(uint32_t p, const LayerAttributes& layer) {
    if (layer.mode == Mode::PerPixel)
        return Unpremultiplied(p);
    return p | 0xFF000000u;
}

}  // namespace

void ConvertLayerPixels(const Surface& image, const Rect& area, const LayerAttributes& layer, bool compositor,
                        Surface& out) {
    Rect r = intersect(intersect(area, image.bounds()), out.bounds());
    for (int32_t y = r.Top; y < r.Bottom; ++y) {
        const uint32_t* src = image.row(y);
        uint32_t* dst = out.row(y);
        for (int32_t x = r.Left; x < r.Right; ++x)
            dst[x] = compositor ? WithCompositor(src[x], layer) : WithoutCompositor(src[x], layer);
    }
}

std::optional<Region> ShownPixels(const Surface& image, const LayerAttributes& layer, uint8_t threshold) {
    if (layer.mode == Mode::Opaque)
        return std::nullopt;
    if (layer.mode == Mode::Unset)
        return Region();
    if (layer.mode == Mode::Constant && !layer.colorKey)
        return layer.alpha >= threshold ? std::nullopt : std::optional<Region>(Region());
    // Runs of shown pixels, row by row.
    std::vector<Rect> runs;
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint32_t* row = image.row(y);
        int32_t x = 0;
        while (x < image.width()) {
            while (x < image.width() && ShownAlphaOf(row[x], layer) < threshold) ++x;
            int32_t start = x;
            while (x < image.width() && ShownAlphaOf(row[x], layer) >= threshold) ++x;
            if (x > start)
                runs.push_back({start, y, x, y + 1});
        }
    }
    return Region::FromRects(runs);
}

}  // namespace platform::gtk
