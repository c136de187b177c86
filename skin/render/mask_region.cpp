#include "skin/render/mask_region.h"

#include <algorithm>
#include <cstring>
#include <span>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

using namespace platform;

namespace {

// The first position from x on (up to `width`) whose pixel is opaque (`opaque`) or not. Masks are
// long runs of one kind, so where SSE2 is there the search strides 16 pixels at a time and then
// finds the pixel four at a time.
int32_t NextOfKind(const uint32_t* row, int32_t x, int32_t width, bool opaque) {
#if defined(__SSE2__)
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF), zero = _mm_setzero_si128();
    auto black = [&](int32_t at) {  // all ones where the pixel is opaque
        return _mm_cmpeq_epi32(
            _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + at)), colour), zero);
    };
    for (; x + 16 <= width; x += 16) {
        const __m128i a = black(x), b = black(x + 4), c = black(x + 8), d = black(x + 12);
        const __m128i any = _mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d));
        const __m128i all = _mm_and_si128(_mm_and_si128(a, b), _mm_and_si128(c, d));
        const int found = _mm_movemask_ps(_mm_castsi128_ps(opaque ? any : all));
        if (opaque ? found != 0 : found != 0xF)
            break;
    }
    for (; x + 4 <= width; x += 4) {
        const int mask = _mm_movemask_ps(_mm_castsi128_ps(black(x)));
        const int wanted = opaque ? mask : ~mask & 0xF;
        if (wanted)
            return x + __builtin_ctz(unsigned(wanted));
    }
#endif
    while (x < width && IsOpaqueMaskPixel(row[x]) != opaque) ++x;
    return x;
}

// Calls run(x0, x1) for every maximal run of opaque pixels of one row, left to right.
template <class RunFn>
void ForEachRunInRow(const uint32_t* row, int32_t width, RunFn&& run) {
    // A narrow row (a frame's side band) is read in one pass.
    if (width < 16) {
        int32_t start = -1;
        for (int32_t x = 0; x < width; ++x) {
            const bool opaque = IsOpaqueMaskPixel(row[x]);
            if (opaque && start < 0) {
                start = x;
            } else if (!opaque && start >= 0) {
                run(start, x);
                start = -1;
            }
        }
        if (start >= 0)
            run(start, width);
        return;
    }
    for (int32_t x = NextOfKind(row, 0, width, true); x < width; x = NextOfKind(row, x, width, true)) {
        const int32_t start = x;
        x = NextOfKind(row, x, width, false);
        run(start, x);
    }
}

// Calls run(x0, x1, y) for every maximal run of opaque pixels, rows top to bottom.
template <class RunFn>
void ForEachMaskRun(const Picture& mask, RunFn&& run) {
    for (int32_t y = 0; y < mask.height(); ++y)
        ForEachRunInRow(mask.row(y), mask.width(), [&](int32_t x0, int32_t x1) { run(x0, x1, y); });
}

// A region data block: the header, then the rectangles.
std::vector<uint8_t> RegionDataBlock(std::span<const Rect> rects, const Rect& bound) {
    RGNDATAHEADER header;
    header.nCount = uint32_t(rects.size());
    header.rcBound = bound;
    std::vector<uint8_t> block(sizeof header + rects.size_bytes());
    std::memcpy(block.data(), &header, sizeof header);
    if (!rects.empty())
        std::memcpy(block.data() + sizeof header, rects.data(), rects.size_bytes());
    return block;
}

// One stretch of a row that is inside the region.
struct Span {
    int32_t x0, x1;
    friend bool operator==(const Span&, const Span&) = default;
};

/*  Builds a region from its rows, top to bottom, in the form the platform's region keeps: rows
    with the same spans one after the other become one band of rectangles, spans that meet become
    one. So the rectangles reach the platform sorted (top to bottom, left to right), without
    overlaps and fewer than the runs: a frame's side rows mostly repeat, and its side runs meet the
    client rectangle.

        runs of rows 5, 6, 7:   [0,4) [4,396) [396,400)   ->   one rectangle (0,5)-(400,8)

    The rectangles go to the platform in blocks of kMaskRunsPerBlock, so the block never grows past
    that whatever the mask.
*/
class BandedRegionBuilder {
  public:
    explicit BandedRegionBuilder(const Rect& bound) : bound_(bound) {}
    ~BandedRegionBuilder() {
        if (region_)
            DeleteObject(region_);
    }
    BandedRegionBuilder(const BandedRegionBuilder&) = delete;
    BandedRegionBuilder& operator=(const BandedRegionBuilder&) = delete;

    // The rows from the last ones added down to `bottom` hold the same spans as they.
    void repeatRows(int32_t bottom) { bandBottom_ = bottom; }

    // Rows top .. bottom (below the rows added so far) hold these spans (any order, overlapping
    // or not).
    void addRows(int32_t top, int32_t bottom, std::vector<Span>& spans) {
        Normalise(spans);
        if (top == bandBottom_ && spans == band_) {
            bandBottom_ = bottom;
            return;
        }
        emitBand();
        band_.swap(spans);
        bandTop_ = top;
        bandBottom_ = bottom;
    }

    // The region of every row added (empty when none was); the caller owns it.
    HRGN finish() {
        emitBand();
        flush();
        if (!region_)
            region_ = CreateRectRgn(0, 0, 0, 0);
        HRGN result = region_;
        region_ = nullptr;
        return result;
    }

  private:
    // Sorted by x0 and merged where spans overlap or touch.
    static void Normalise(std::vector<Span>& spans) {
        auto byLeft = [](Span a, Span b) { return a.x0 < b.x0; };
        if (!std::is_sorted(spans.begin(), spans.end(), byLeft))
            std::sort(spans.begin(), spans.end(), byLeft);
        size_t kept = 0;
        for (const Span& s : spans) {
            if (s.x1 <= s.x0)
                continue;
            if (kept > 0 && s.x0 <= spans[kept - 1].x1)
                spans[kept - 1].x1 = std::max(spans[kept - 1].x1, s.x1);
            else
                spans[kept++] = s;
        }
        spans.resize(kept);
    }

    void emitBand() {
        // Nothing beyond the platform's coordinate range can be part of a region.
        const int32_t top = std::max(bandTop_, -kMaxCoordinate),
                      bottom = std::min(bandBottom_, kMaxCoordinate);
        for (const Span& s : band_) {
            const Rect r{std::max(s.x0, -kMaxCoordinate), top, std::min(s.x1, kMaxCoordinate), bottom};
            if (r.isEmpty())
                continue;
            if (rects_.size() == kMaskRunsPerBlock)
                flush();
            rects_.push_back(r);
        }
        band_.clear();
    }

    void flush() {
        if (rects_.empty())
            return;
        const std::vector<uint8_t> block = RegionDataBlock(rects_, bound_);
        HRGN piece = ExtCreateRegion(nullptr, uint32_t(block.size()), block.data());
        if (piece && region_) {
            CombineRgn(region_, region_, piece, RGN_OR);
            DeleteObject(piece);
        } else if (piece) {
            region_ = piece;
        }
        rects_.clear();
    }

    Rect bound_;
    std::vector<Span> band_;
    int32_t bandTop_ = 0, bandBottom_ = 0;
    std::vector<Rect> rects_;
    HRGN region_ = nullptr;
};

// A mask picture placed at a point of the region.
struct PlacedMask {
    const Picture* mask;
    Point at;
};

// What gives the spans of a stretch of rows: a placed mask's black runs, or a solid rectangle.
struct SpanSource {
    const Picture* mask;  // none: the solid rectangle
    int64_t left, right, top, bottom;

    bool covers(int64_t y) const { return top <= y && y < bottom; }
    // Whether row y holds what row y - 1 does (both covered).
    bool repeatsRowAbove(int64_t y) const {
        if (!mask)
            return true;
        const uint32_t* row = mask->row(int32_t(y - top));
        return std::memcmp(row, row - mask->width(), size_t(mask->width()) * sizeof *row) == 0;
    }
    void addSpans(int64_t y, std::vector<Span>& spans) const {
        if (!mask) {
            spans.push_back({int32_t(left), int32_t(right)});
            return;
        }
        ForEachRunInRow(mask->row(int32_t(y - top)), mask->width(), [&](int32_t x0, int32_t x1) {
            spans.push_back({ClampCoordinate(left + x0), ClampCoordinate(left + x1)});
        });
    }
};

// The region of the masks' black runs and of `solid` (when not empty), which may overlap: rows
// where only `solid` lies are one band; the others are taken row by row.
HRGN RegionOfMasks(std::span<const PlacedMask> masks, const Rect& solid, const Rect& bound) {
    std::vector<SpanSource> sources;
    if (!solid.isEmpty())
        sources.push_back({nullptr, solid.Left, solid.Right, solid.Top, solid.Bottom});
    for (const PlacedMask& m : masks)
        if (!m.mask->isEmpty())
            sources.push_back({m.mask, m.at.X, int64_t(m.at.X) + m.mask->width(), m.at.Y,
                               int64_t(m.at.Y) + m.mask->height()});
    // Left to right, so that a row's spans come sorted where the sources do not overlap.
    std::stable_sort(sources.begin(), sources.end(),
                     [](const SpanSource& a, const SpanSource& b) { return a.left < b.left; });
    std::vector<int64_t> edges;
    for (const SpanSource& source : sources) edges.insert(edges.end(), {source.top, source.bottom});
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    BandedRegionBuilder builder(bound);
    std::vector<const SpanSource*> here;
    std::vector<Span> spans;
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        const int64_t top = edges[e], bottom = edges[e + 1];
        here.clear();
        bool masked = false;
        for (const SpanSource& source : sources) {
            if (source.covers(top)) {
                here.push_back(&source);
                masked |= source.mask != nullptr;
            }
        }
        // Without a mask every row of the stretch is alike; with masks, a row whose pixels repeat
        // the row above adds nothing to find.
        for (int64_t y = top; y < bottom; y = masked ? y + 1 : bottom) {
            if (y > top && std::all_of(here.begin(), here.end(), [&](const SpanSource* source) {
                    return source->repeatsRowAbove(y);
                })) {
                builder.repeatRows(int32_t(y + 1));
                continue;
            }
            spans.clear();
            for (const SpanSource* source : here) source->addSpans(y, spans);
            builder.addRows(int32_t(y), int32_t(masked ? y + 1 : bottom), spans);
        }
    }
    return builder.finish();
}

// A band of the mask for a side strip: rows `top .. bottom` of columns `columns` tiled from strip
// row 0, then the end rows Cl.Top .. top and bottom .. Cl.Bottom at the strip's ends.
void MaskSideStrip(Picture& strip, const Picture& mask, int32_t columnsFrom, int32_t columnsTo,
                   int32_t height, int32_t top, int32_t bottom, const Rect& Cl) {
    const int32_t width = columnsTo - columnsFrom;
    SetPictureSize(strip, width, height);
    strip.fill(0);
    if (bottom != top)
        FillPiece(strip, {0, 0, width, height}, mask, {columnsFrom, top, columnsTo, bottom},
                  PieceFill::TileY);
    if (const int32_t above = top - Cl.Top; above > 0)
        CopyPictureRect(strip, {0, 0, width, above}, mask, {columnsFrom, Cl.Top, columnsTo, top});
    if (const int32_t below = Cl.Bottom - bottom; below > 0)
        CopyPictureRect(strip, {0, height - below, width, height}, mask,
                        {columnsFrom, bottom, columnsTo, Cl.Bottom});
}

// A band of the mask for the top or bottom strip: columns `left .. right` of rows `rows` tiled from
// newLeft up to newRight, then the ends 0 .. left and right .. mask width.
void MaskEndStrip(Picture& strip, const Picture& mask, int32_t W, int32_t rowsFrom, int32_t rowsTo,
                  int32_t left, int32_t right, int32_t newLeft, int32_t newRight) {
    const int32_t height = rowsTo - rowsFrom, mw = mask.width();
    SetPictureSize(strip, W, height);
    strip.fill(0);
    if (right != left)
        FillPiece(strip, {newLeft, 0, newRight, height}, mask, {left, rowsFrom, right, rowsTo},
                  PieceFill::TileX);
    CopyPictureRect(strip, {0, 0, left, height}, mask, {0, rowsFrom, left, rowsTo});
    CopyPictureRect(strip, {newRight, 0, W, height}, mask, {right, rowsFrom, mw, rowsTo});
}

}  // namespace

void ComposeMaskStrips(const NinePartLayout& layout, const NinePartLayout& newLayout, const Picture& mask,
                       FrameStrips& strips, int32_t width) {
    const NinePartLayout l = ClampLayout(layout), n = ClampLayout(newLayout);
    const int32_t W = ClampCoordinate(width), mw = mask.width(), mh = mask.height();
    const int32_t ch = n.Cl.height();
    if (l.Cl.Left > 0 && ch > 0)
        MaskSideStrip(strips.Left, mask, 0, l.Cl.Left, ch, l.LT.Y, l.LB.Y, l.Cl);
    if (mw - l.Cl.Right > 0 && ch > 0)
        MaskSideStrip(strips.Right, mask, l.Cl.Right, mw, ch, l.RT.Y, l.RB.Y, l.Cl);
    if (W > 0 && l.Cl.Top > 0)
        MaskEndStrip(strips.Top, mask, W, 0, l.Cl.Top, l.LT.X, l.RT.X, n.LT.X, n.RT.X);
    if (W >= 1 && mh - l.Cl.Bottom >= 1)
        MaskEndStrip(strips.Bottom, mask, W, l.Cl.Bottom, mh, l.LB.X, l.RB.X, n.LB.X, n.RB.X);
}

std::vector<uint8_t> CollectMaskRuns(const Picture& mask, int32_t dx, int32_t dy) {
    std::vector<Rect> runs;
    ForEachMaskRun(mask, [&](int32_t x0, int32_t x1, int32_t y) {
        runs.push_back({x0 + dx, y + dy, x1 + dx, y + dy + 1});
    });
    return RegionDataBlock(runs, {dx, dy, dx + mask.width(), dy + mask.height()});
}

HRGN RegionFromMask(const Picture& mask) {
    if (mask.isEmpty())
        return nullptr;
    const PlacedMask placed[] = {{&mask, {0, 0}}};
    return RegionOfMasks(placed, Rect{}, mask.bounds());
}

HRGN BuildFrameRegion(const NinePartLayout& layout, const NinePartLayout& newLayout, const Picture& mask,
                      Size size, FrameStrips* maskStrips) {
    const NinePartLayout n = ClampLayout(newLayout);
    if (n.RT.X < n.LT.X || n.LB.Y < n.LT.Y || n.Cl.isEmpty())
        return nullptr;
    FrameStrips ownStrips;
    FrameStrips& strips = maskStrips ? *maskStrips : ownStrips;
    ComposeMaskStrips(layout, n, mask, strips, size.cx);
    const PlacedMask placed[] = {{&strips.Top, {0, 0}},
                                 {&strips.Left, {0, n.Cl.Top}},
                                 {&strips.Right, {n.Cl.Right, n.Cl.Top}},
                                 {&strips.Bottom, {0, n.Cl.Bottom}}};
    return RegionOfMasks(placed, n.Cl, {0, 0, size.cx, size.cy});
}

}  // namespace skin
