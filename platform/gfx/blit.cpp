// Copies between device contexts: plain, scaled (nearest neighbour) and with a key colour. Only
// destination pixels inside the destination's clip whose source pixel lies inside the source
// surface are written.
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/gfx/dc_internal.h"
#include "platform/gfx/raster.h"

namespace platform {

namespace {

using gdi::ClipSpans;
using gdi::DcObject;

bool Allowed(std::initializer_list<int64_t> values) {
    return std::all_of(values.begin(), values.end(), [](int64_t v) { return CoordinateAllowed(v); });
}

// One axis of a scaled copy: destination positions dst .. dst + dstLen show source positions
// src + floor((2i + 1) * srcLen / (2 * dstLen)) for i = 0 .. dstLen - 1 (pixel centres mapped).
struct Axis {
    int64_t dst, dstLen, src, srcLen;

    int64_t sourceOf(int64_t d) const { return src + ((2 * (d - dst) + 1) * srcLen) / (2 * dstLen); }

    // The destination positions, within [lo, hi), whose source lies in [0, limit). The mapping never
    // decreases, so they form one range, found by binary search.
    std::pair<int64_t, int64_t> visible(int64_t lo, int64_t hi, int64_t limit) const {
        int64_t first = std::max(lo, dst), last = std::min(hi, dst + dstLen);
        if (first >= last)
            return {0, 0};
        first = firstWhere(first, last, [&](int64_t d) { return sourceOf(d) >= 0; });
        last = firstWhere(first, last, [&](int64_t d) { return sourceOf(d) >= limit; });
        return {first, last};
    }

    template <typename P>
    static int64_t firstWhere(int64_t lo, int64_t hi, P pred) {
        while (lo < hi) {
            const int64_t mid = lo + (hi - lo) / 2;
            if (pred(mid)) {
                hi = mid;
            } else {
                lo = mid + 1;
            }
        }
        return lo;
    }
};

struct PlainCopy {
    static constexpr bool kRowsReusable = true;
    void operator()(uint32_t* dst, uint32_t src) const { *dst = src; }
};

struct KeyedCopy {
    static constexpr bool kRowsReusable = false;
    uint32_t key;
    void operator()(uint32_t* dst, uint32_t src) const {
        if ((src & 0x00FFFFFFu) != key)
            *dst = src | 0xFF000000u;
    }
};

// Pixels with any alpha, made opaque; the others leave the destination as it is.
struct MaskedCopy {
    static constexpr bool kRowsReusable = false;
    void operator()(uint32_t* dst, uint32_t src) const {
        if (src >> 24)
            *dst = src | 0xFF000000u;
    }
};

// A scaled copy into the clip. Each destination column's source column is computed once; a
// destination row whose source row repeats the previous one is copied from the row above.
template <typename Op>
void ScaledCopy(Surface& dest, const ClipSpans& clip, const Surface& src, const Axis& ax, const Axis& ay,
                Op op) {
    const Rect& box = clip.bounds();
    const std::pair<int64_t, int64_t> columnRange = ax.visible(box.Left, box.Right, src.width());
    const std::pair<int64_t, int64_t> rowRange = ay.visible(box.Top, box.Bottom, src.height());
    const int64_t x0 = columnRange.first, x1 = columnRange.second;
    const int64_t y0 = rowRange.first, y1 = rowRange.second;
    if (x0 >= x1 || y0 >= y1)
        return;
    std::vector<int32_t> columns(size_t(x1 - x0));
    for (int64_t x = x0; x < x1; ++x) columns[size_t(x - x0)] = int32_t(ax.sourceOf(x));

    clip.forEachRect(x0, y0, x1, y1, [&](const Rect& part) {
        int64_t previousSource = -1;
        for (int32_t y = part.Top; y < part.Bottom; ++y) {
            const int64_t sy = ay.sourceOf(y);
            uint32_t* d = dest.row(y);
            if (Op::kRowsReusable && sy == previousSource) {
                std::memcpy(d + part.Left, dest.row(y - 1) + part.Left, size_t(part.width()) * 4);
                continue;
            }
            const uint32_t* __restrict s = src.row(int32_t(sy));
            const int32_t* __restrict col = columns.data() + (part.Left - x0);
            uint32_t* __restrict out = d + part.Left;
            const int32_t n = part.width();
            int32_t i = 0;
            for (; i + 4 <= n; i += 4) {  // unrolled: the loads of four columns overlap
                const uint32_t a = s[col[i]], b = s[col[i + 1]], c = s[col[i + 2]], e = s[col[i + 3]];
                op(out + i, a);
                op(out + i + 1, b);
                op(out + i + 2, c);
                op(out + i + 3, e);
            }
            for (; i < n; ++i) op(out + i, s[col[i]]);
            previousSource = sy;
        }
    });
}

// A same-size copy into the clip; source and destination are never the same pixels (see Blit).
void PlainBlit(Surface& dest, const ClipSpans& clip, const Surface& src, int64_t x, int64_t y, int64_t w,
               int64_t h, int64_t sx, int64_t sy) {
    // Limit the destination to where the source surface has pixels.
    const int64_t dx = x - sx, dy = y - sy;
    const int64_t l = std::max(x, dx), t = std::max(y, dy);
    const int64_t r = std::min(x + w, dx + src.width()), b = std::min(y + h, dy + src.height());
    clip.forEachRect(l, t, r, b, [&](const Rect& part) {
        // pixman's block copy: its vector loops beat a memcpy per row on small and middle sizes.
        pixman_blt(const_cast<uint32_t*>(src.data()), dest.data(), src.width(), dest.width(), 32, 32,
                   int(part.Left - dx), int(part.Top - dy), part.Left, part.Top, part.width(), part.height());
    });
}

// The part of a source rectangle inside its surface, as a surface of its own, with the position of
// its top-left corner in the original. Used when source and destination are the same surface, so
// that no pixel is read after it was written.
struct SourceCopy {
    Surface pixels;
    int64_t left = 0, top = 0;
};

SourceCopy CopyOfSource(const Surface& src, int64_t sx, int64_t sy, int64_t sw, int64_t sh) {
    SourceCopy c;
    c.left = std::clamp<int64_t>(sx, 0, src.width());
    c.top = std::clamp<int64_t>(sy, 0, src.height());
    const int64_t right = std::clamp<int64_t>(sx + sw, 0, src.width());
    const int64_t bottom = std::clamp<int64_t>(sy + sh, 0, src.height());
    if (right <= c.left || bottom <= c.top)
        return c;
    c.pixels.resize(int32_t(right - c.left), int32_t(bottom - c.top));
    for (int32_t y = 0; y < c.pixels.height(); ++y) {
        std::memcpy(c.pixels.row(y), src.row(int32_t(c.top + y)) + c.left, size_t(c.pixels.width()) * 4);
    }
    return c;
}

struct BlitRequest {
    int64_t x, y, width, height;              // destination, logical
    int64_t xSrc, ySrc, srcWidth, srcHeight;  // source, logical
};

// Resolves both DCs and runs copy(dest, clip, src, request in surface pixels). False for bad
// handles, sizes or coordinates, or a source without pixels; true when there is nothing to draw on.
template <typename F>
bool Blit(HDC destDc, HDC srcDc, BlitRequest r, F&& copy) {
    DcObject* dest = gdi::FindDc(destDc);
    DcObject* src = gdi::FindDc(srcDc);
    if (!dest || !src || r.width <= 0 || r.height <= 0 || r.srcWidth <= 0 || r.srcHeight <= 0)
        return false;
    if (!Allowed({r.x, r.y, r.x + r.width, r.y + r.height, r.xSrc, r.ySrc, r.xSrc + r.srcWidth,
                  r.ySrc + r.srcHeight})) {
        return false;
    }
    Surface* source = src->target();
    if (!source)
        return false;
    Surface* target = dest->target();
    if (!target || dest->effectiveClip().isEmpty())
        return true;

    BlitRequest s{dest->toSurfaceX(r.x),   dest->toSurfaceY(r.y),   r.width,    r.height,
                  src->toSurfaceX(r.xSrc), src->toSurfaceY(r.ySrc), r.srcWidth, r.srcHeight};
    const ClipSpans clip(dest->effectiveClip());
    if (source == target) {
        SourceCopy c = CopyOfSource(*source, s.xSrc, s.ySrc, s.srcWidth, s.srcHeight);
        s.xSrc -= c.left;
        s.ySrc -= c.top;
        copy(*target, clip, c.pixels, s);
    } else {
        copy(*target, clip, *source, s);
    }
    return true;
}

}  // namespace

bool BitBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
            int32_t ySrc, uint32_t rop) {
    if (rop != SRCCOPY)
        return false;
    return Blit(dest, src, {x, y, width, height, xSrc, ySrc, width, height},
                [](Surface& d, const ClipSpans& clip, const Surface& s, const BlitRequest& r) {
                    PlainBlit(d, clip, s, r.x, r.y, r.width, r.height, r.xSrc, r.ySrc);
                });
}

bool StretchBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
                int32_t ySrc, int32_t srcWidth, int32_t srcHeight, uint32_t rop) {
    if (rop != SRCCOPY)
        return false;
    return Blit(dest, src, {x, y, width, height, xSrc, ySrc, srcWidth, srcHeight},
                [](Surface& d, const ClipSpans& clip, const Surface& s, const BlitRequest& r) {
                    if (r.width == r.srcWidth && r.height == r.srcHeight) {
                        PlainBlit(d, clip, s, r.x, r.y, r.width, r.height, r.xSrc, r.ySrc);
                    } else {
                        ScaledCopy(d, clip, s, {r.x, r.width, r.xSrc, r.srcWidth},
                                   {r.y, r.height, r.ySrc, r.srcHeight}, PlainCopy{});
                    }
                });
}

bool TransparentBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
                    int32_t ySrc, int32_t srcWidth, int32_t srcHeight, COLORREF transparent) {
    const uint32_t key = PixelFromColor(ColorToRGB(transparent), 0);
    return Blit(dest, src, {x, y, width, height, xSrc, ySrc, srcWidth, srcHeight},
                [key](Surface& d, const ClipSpans& clip, const Surface& s, const BlitRequest& r) {
                    ScaledCopy(d, clip, s, {r.x, r.width, r.xSrc, r.srcWidth},
                               {r.y, r.height, r.ySrc, r.srcHeight}, KeyedCopy{key});
                });
}

namespace gdi {

bool MaskedStretchBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src,
                      int32_t srcWidth, int32_t srcHeight) {
    return Blit(dest, src, {x, y, width, height, 0, 0, srcWidth, srcHeight},
                [](Surface& d, const ClipSpans& clip, const Surface& s, const BlitRequest& r) {
                    ScaledCopy(d, clip, s, {r.x, r.width, r.xSrc, r.srcWidth},
                               {r.y, r.height, r.ySrc, r.srcHeight}, MaskedCopy{});
                });
}

}  // namespace gdi

}  // namespace platform
