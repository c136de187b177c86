#include "platform/window/layered.h"

#include "platform/gfx/dc.h"
#include "platform/window/internal.h"
#include "platform/window/window_pos.h"

namespace platform {

using namespace win;

namespace {

using Mode = LayerAttributes::Mode;

WindowRecord* LayeredTopLevel(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && w->top && (w->exStyle & WS_EX_LAYERED) ? w : nullptr;
}

// Copies width x height pixels from (x, y) of the source into a new image; what lies outside the
// source stays transparent. `opaque` sets every copied pixel's alpha to 255.
Surface CopyImage(const Surface& source, Point from, Size size, bool opaque) {
    Surface image(size.cx, size.cy);
    for (int32_t y = 0; y < image.height(); ++y) {
        int32_t sy = from.Y + y;
        if (sy < 0 || sy >= source.height())
            continue;
        for (int32_t x = 0; x < image.width(); ++x) {
            int32_t sx = from.X + x;
            if (sx < 0 || sx >= source.width())
                continue;
            uint32_t p = source.row(sy)[sx];
            image.row(y)[x] = opaque ? (p | 0xFF000000u) : p;
        }
    }
    return image;
}

}  // namespace

bool SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, uint8_t alpha, DWORD flags) {
    WindowRecord* w = LayeredTopLevel(hwnd);
    if (!w)
        return false;
    LayerAttributes& layer = w->top->layer;
    bool wasPerPixel = layer.mode == Mode::PerPixel;
    layer.mode = Mode::Constant;
    layer.alpha = (flags & LWA_ALPHA) ? alpha : 255;
    layer.colorKey = (flags & LWA_COLORKEY) ? std::optional<COLORREF>(ColorToRGB(colorKey)) : std::nullopt;
    AnnounceTopLevel(hwnd);
    // From now on the window's own painting is what shows.
    if (wasPerPixel)
        ReportSurfaceChange(hwnd, w->top->surface->bounds());
    return true;
}

bool GetLayeredWindowAttributes(HWND hwnd, COLORREF* colorKey, uint8_t* alpha, DWORD* flags) {
    WindowRecord* w = LayeredTopLevel(hwnd);
    if (!w || w->top->layer.mode != Mode::Constant)
        return false;
    const LayerAttributes& layer = w->top->layer;
    if (colorKey)
        *colorKey = layer.colorKey.value_or(0);
    if (alpha)
        *alpha = layer.alpha;
    if (flags)
        *flags = (layer.colorKey ? LWA_COLORKEY : 0) | (layer.alpha != 255 ? LWA_ALPHA : 0);
    return true;
}

bool UpdateLayeredWindow(HWND hwnd, HDC, const Point* position, const Size* size, HDC source,
                         const Point* sourcePosition, COLORREF colorKey, const BLENDFUNCTION* blend,
                         DWORD flags) {
    WindowRecord* w = LayeredTopLevel(hwnd);
    if (!w || w->top->layer.mode == Mode::Constant)
        return false;
    if (size && (size->cx <= 0 || size->cy <= 0 || !Surface::SizeAllowed(size->cx, size->cy)))
        return false;
    Point origin;
    Surface* pixels = source ? SurfaceOfDC(source, &origin) : nullptr;
    if (source && !pixels)
        return false;

    Rect target = w->rect;
    if (position)
        target = rectOfSize(position->X, position->Y, target.width(), target.height());
    if (size)
        target = rectOfSize(target.Left, target.Top, size->cx, size->cy);
    if (target != w->rect) {
        SetWindowPos(hwnd, nullptr, target.Left, target.Top, target.width(), target.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        if (!(w = LayeredTopLevel(hwnd)))
            return false;
    }
    LayerAttributes& layer = w->top->layer;
    bool perPixel = (flags & ULW_ALPHA) && blend && (blend->AlphaFormat & AC_SRC_ALPHA);
    layer.mode = Mode::PerPixel;
    layer.alpha = (flags & ULW_ALPHA) && blend ? blend->SourceConstantAlpha : 255;
    layer.colorKey = (flags & ULW_COLORKEY) ? std::optional<COLORREF>(ColorToRGB(colorKey)) : std::nullopt;
    if (pixels) {
        Point from = sourcePosition ? *sourcePosition : Point{};
        from = {from.X + origin.X, from.Y + origin.Y};
        *w->top->layeredImage = CopyImage(*pixels, from, {w->rect.width(), w->rect.height()}, !perPixel);
    }
    AnnounceTopLevel(hwnd);
    if (KnownTopLevel(hwnd)) {
        const Surface& image = *w->top->layeredImage;
        CurrentDisplay()->surfaceUpdated(hwnd, image, image.bounds());
    }
    return true;
}

bool DwmIsCompositionEnabled(bool* enabled) {
    Display* display = CurrentDisplay();
    if (!enabled || !display)
        return false;
    *enabled = display->composesAlpha();
    return true;
}

}  // namespace platform
