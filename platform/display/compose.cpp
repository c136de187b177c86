#include "platform/display/compose.h"

namespace platform {

namespace {

using Mode = LayerAttributes::Mode;

uint32_t Channel(uint32_t p, int shift) {
    return (p >> shift) & 0xFF;
}

// dst * (255 - coverage) / 255 + src, per channel, rounded; src already weighted.
uint32_t Over(uint32_t src, uint32_t dst, uint32_t coverage) {
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        uint32_t d = Channel(dst, shift), s = Channel(src, shift);
        uint32_t v = s + (d * (255 - coverage) + 127) / 255;
        out |= (v > 255 ? 255 : v) << shift;
    }
    return out;
}

uint32_t Scale(uint32_t p, uint32_t alpha) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) out |= ((Channel(p, shift) * alpha + 127) / 255) << shift;
    return out;
}

uint32_t Blend(uint32_t src, uint32_t dst, const LayerAttributes& layer) {
    uint32_t a = layer.alpha;
    switch (layer.mode) {
        case Mode::Opaque:
            return src | 0xFF000000u;
        case Mode::Constant: {
            if (layer.colorKey && (ColorFromPixel(src) == *layer.colorKey))
                return dst;
            if (a == 255)
                return src | 0xFF000000u;
            return Over(Scale(src & 0x00FFFFFFu, a), dst, a);
        }
        case Mode::PerPixel: {
            if (layer.colorKey && (ColorFromPixel(src) == *layer.colorKey))
                return dst;
            uint32_t scaled = a == 255 ? src : Scale(src, a);
            return Over(scaled & 0x00FFFFFFu, dst, scaled >> 24);
        }
        case Mode::Unset:
            return dst;
    }
    return dst;
}

void ComposeRect(Surface& screen, Point origin, const ScreenLayer& layer, const Rect& part) {
    // `part` in window coordinates, already inside the window's image and shape.
    for (int32_t y = part.Top; y < part.Bottom; ++y) {
        int32_t sy = layer.bounds.Top + y - origin.Y;
        if (sy < 0 || sy >= screen.height())
            continue;
        const uint32_t* src = layer.image->row(y);
        uint32_t* dst = screen.row(sy);
        for (int32_t x = part.Left; x < part.Right; ++x) {
            int32_t sx = layer.bounds.Left + x - origin.X;
            if (sx < 0 || sx >= screen.width())
                continue;
            dst[sx] = Blend(src[x], dst[sx], layer.layer);
        }
    }
}

}  // namespace

void ComposeLayers(Surface& screen, Point origin, std::span<const ScreenLayer> bottomFirst) {
    for (const ScreenLayer& layer : bottomFirst) {
        if (!layer.image || layer.layer.mode == Mode::Unset)
            continue;
        Rect visible = intersect({0, 0, layer.bounds.width(), layer.bounds.height()}, layer.image->bounds());
        // Only what lies on the screen.
        Rect onScreen = screen.bounds().offsetBy(origin.X - layer.bounds.Left, origin.Y - layer.bounds.Top);
        visible = intersect(visible, onScreen);
        if (visible.isEmpty())
            continue;
        if (!layer.shape) {
            ComposeRect(screen, origin, layer, visible);
            continue;
        }
        for (const Rect& r : layer.shape->rects()) {
            Rect part = intersect(r, visible);
            if (!part.isEmpty())
                ComposeRect(screen, origin, layer, part);
        }
    }
}

}  // namespace platform
