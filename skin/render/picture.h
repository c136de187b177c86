// Pictures and the copies composition is made of: a rectangle copied into a rectangle (scaled when
// the sizes differ) and a piece tiled along a run.
//
// A picture is a platform surface (32-bit B, G, R, A; skin pictures come as the framework bitmap's
// surface). Every copy here is clipped to both pictures, so no coordinate a skin gives can read or
// write outside them, and no loop runs over tiles that fall outside the target.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/geometry.h"
#include "platform/gfx/surface.h"

namespace skin {

using Picture = platform::Surface;

// Copies the `from` rectangle of `source` into the `to` rectangle of `target`, pixel for pixel when
// both have the same size, otherwise scaled nearest-neighbour exactly as the platform's StretchBlt
// maps pixels. Only pixels inside both pictures and inside `clip` (when given) are read and
// written; an empty or inverted rectangle copies nothing. `source` and `target` must differ.
void CopyPictureRect(Picture& target, const platform::Rect& to, const Picture& source,
                     const platform::Rect& from, std::optional<platform::Rect> clip = std::nullopt);

// The tiling rule along one axis. A piece of span `s` fills the run a .. b: n = (b - a) div s
// (truncating); nothing when n < 0; else tile i = 0 .. n starts at p = a + i s and is s - cut long,
// cut = max(0, p + s - b). The pass i = n is empty when s divides b - a. The phase is fixed at a.
struct TileRun {
    int64_t a = 0;
    int64_t b = 0;
    int32_t span = 0;
};

// Calls tile(start, length) for every non-empty tile of the run that reaches into [lo, hi) (the
// target's extent), in order. A span of 0 or less draws nothing (a skin whose corner points
// coincide on that side has no piece to repeat).
template <class TileFn>
void ForEachTile(const TileRun& run, int64_t lo, int64_t hi, TileFn&& tile);

// Gives the picture a size; its contents are then undefined. A picture that has the size already
// keeps its pixels (and nothing is cleared), so composing again at the same size costs no fill.
inline void SetPictureSize(Picture& picture, int32_t width, int32_t height) {
    if (picture.width() != width || picture.height() != height || picture.isEmpty())
        picture.resize(width, height);
}

// How a piece fills its destination rectangle.
enum class PieceFill {
    Scale,     // copied, scaled when the sizes differ (a stretched piece, a corner)
    TileX,     // repeated along x from the destination's left edge, the last tile cut
    TileY,     // repeated along y from the destination's top edge, the last tile cut
    TileBoth,  // repeated both ways: columns in the outer loop, rows in the inner
};

// Fills `to` of the target with the `from` piece of the source. Tiles keep the piece's size along
// their axis; across it (and for Scale) a size difference scales.
void FillPiece(Picture& target, const platform::Rect& to, const Picture& source, const platform::Rect& from,
               PieceFill fill, std::optional<platform::Rect> clip = std::nullopt);

// --- implementation ---

namespace detail {
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
}  // namespace detail

template <class TileFn>
void ForEachTile(const TileRun& run, int64_t lo, int64_t hi, TileFn&& tile) {
    const int64_t s = run.span;
    if (s <= 0)
        return;
    const int64_t n = (run.b - run.a) / s;
    if (n < 0)
        return;
    // Tiles wholly before lo or from hi on change nothing; skipping them bounds the loop by the
    // target's size whatever the run.
    const int64_t first = std::max<int64_t>(0, detail::FloorDiv(lo - run.a, s));
    const int64_t last = std::min<int64_t>(n, detail::FloorDiv(hi - run.a - 1, s));
    for (int64_t i = first; i <= last; ++i) {
        const int64_t p = run.a + i * s;
        const int64_t cut = std::max<int64_t>(0, p + s - run.b);
        if (s - cut > 0)
            tile(p, int32_t(s - cut));
    }
}

}  // namespace skin
