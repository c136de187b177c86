#include "platform/gfx/icon.h"

#include <array>
#include <memory>
#include <string_view>

#include "platform/gfx/dc.h"
#include "platform/gfx/dc_internal.h"
#include "platform/gfx/gdi_table.h"
#include "platform/gfx/surface.h"

namespace platform {

namespace gdi {
namespace {

struct IconObject : Object {
    static constexpr Kind kKind = Kind::Icon;
    Surface pixels;  // alpha 0: transparent, 255: opaque
};

constexpr int32_t kLargestIcon = 256;

// The default application icon, 16 x 16: a small window with a blue title bar and its buttons.
//   . transparent   K frame   B title bar   W white   G grey
constexpr std::array<std::string_view, 16> kApplicationIcon = {
    "................",  //
    "KKKKKKKKKKKKKKKK",  //
    "KBBBBBBBBBBBBBBK",  //
    "KBBBBBBBBBWBWBWK",  //
    "KBBBBBBBBBBBBBBK",  //
    "KKKKKKKKKKKKKKKK",  //
    "KWWWWWWWWWWWWWWK",  //
    "KWGGGGGGGGGGGGWK",  //
    "KWWWWWWWWWWWWWWK",  //
    "KWGGGGGGGGGWWWWK",  //
    "KWWWWWWWWWWWWWWK",  //
    "KWGGGGGGGGGGGWWK",  //
    "KWWWWWWWWWWWWWWK",  //
    "KWWWWWWWWWWWWWWK",  //
    "KKKKKKKKKKKKKKKK",  //
    "................",  //
};

uint32_t IconPixel(char c) {
    switch (c) {
        case 'K':
            return PixelFromColor(RGB(0, 0, 0));
        case 'B':
            return PixelFromColor(RGB(10, 36, 106));
        case 'W':
            return PixelFromColor(RGB(255, 255, 255));
        case 'G':
            return PixelFromColor(RGB(128, 128, 128));
        default:
            return 0;
    }
}

HICON StockApplicationIcon() {
    static const HICON icon = [] {
        auto o = std::make_unique<IconObject>();
        o->pixels.resize(16, 16);
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 16; ++x)
                o->pixels.row(y)[x] = IconPixel(kApplicationIcon[size_t(y)][size_t(x)]);
        return static_cast<HICON>(Insert(Kind::Icon, std::move(o), true));
    }();
    return icon;
}

// Source index for destination index i of n when scaling a length of m (nearest, centres).
int32_t Nearest(int32_t i, int32_t n, int32_t m) {
    return int32_t((int64_t(2 * i + 1) * m) / (int64_t(2) * n));
}

}  // namespace
}  // namespace gdi

HICON LoadIcon(std::nullptr_t, int id) {
    return id == IDI_APPLICATION ? gdi::StockApplicationIcon() : nullptr;
}

HICON CopyImage(HICON icon, uint32_t type, int32_t cx, int32_t cy, uint32_t) {
    const auto* source = gdi::Find<gdi::IconObject>(icon);
    if (!source || type != IMAGE_ICON || cx < 0 || cy < 0 || cx > gdi::kLargestIcon || cy > gdi::kLargestIcon)
        return nullptr;
    const Surface& from = source->pixels;
    const int32_t w = cx ? cx : from.width(), h = cy ? cy : from.height();
    auto copy = std::make_unique<gdi::IconObject>();
    if (!copy->pixels.resize(w, h))
        return nullptr;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            copy->pixels.row(y)[x] =
                from.pixel(gdi::Nearest(x, w, from.width()), gdi::Nearest(y, h, from.height()));
    return static_cast<HICON>(gdi::Insert(gdi::Kind::Icon, std::move(copy)));
}

bool DrawIconEx(HDC dc, int32_t x, int32_t y, HICON icon, int32_t cx, int32_t cy, uint32_t, HBRUSH,
                uint32_t) {
    auto* o = gdi::Find<gdi::IconObject>(icon);
    if (!o || GetObjectType(dc) == 0)
        return false;
    const Surface& from = o->pixels;
    const int32_t w = cx > 0 ? std::min(cx, gdi::kLargestIcon) : from.width();
    const int32_t h = cy > 0 ? std::min(cy, gdi::kLargestIcon) : from.height();
    HDC source = CreateSurfaceDC(&o->pixels, {0, 0}, nullptr);  // only read
    const bool drawn = gdi::MaskedStretchBlt(dc, x, y, w, h, source, from.width(), from.height());
    DeleteDC(source);
    return drawn;
}

bool GetIconSize(HICON icon, int32_t* cx, int32_t* cy) {
    const auto* o = gdi::Find<gdi::IconObject>(icon);
    if (!o)
        return false;
    if (cx)
        *cx = o->pixels.width();
    if (cy)
        *cy = o->pixels.height();
    return true;
}

bool DestroyIcon(HICON icon) {
    if (!gdi::Find<gdi::IconObject>(icon))
        return false;
    if (gdi::IsStock(icon))
        return true;
    return gdi::Remove(icon, gdi::Kind::Icon) != nullptr;
}

}  // namespace platform
