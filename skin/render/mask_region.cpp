#include "skin/render/mask_region.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace skin {

using namespace platform;

namespace {

// The first position from x on (up to `width`) whose pixel is opaque (`opaque`) or not; four
// pixels at a time where SSE2 is there, since masks are long runs of one kind.
int32_t NextOfKind(const uint32_t* row, int32_t x, int32_t width, bool opaque) {
#if defined(__SSE2__)
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF), zero = _mm_setzero_si128();
    for (; x + 4 <= width; x += 4) {
        const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x)), colour);
        const int black = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, zero)));
        const int wanted = opaque ? black : ~black & 0xF;
        if (wanted)
            return x + __builtin_ctz(unsigned(wanted));
    }
#endif
    while (x < width && IsOpaqueMaskPixel(row[x]) != opaque) ++x;
    return x;
}

// Calls run(x0, x1, y) for every maximal run of opaque pixels, rows top to bottom.
template <class RunFn>
void ForEachMaskRun(const Picture& mask, RunFn&& run) {
    const int32_t width = mask.width();
    for (int32_t y = 0; y < mask.height(); ++y) {
        const uint32_t* row = mask.row(y);
        for (int32_t x = NextOfKind(row, 0, width, true); x < width; x = NextOfKind(row, x, width, true)) {
            const int32_t start = x;
            x = NextOfKind(row, x, width, false);
            run(start, x, y);
        }
    }
}

void WriteHeader(uint8_t* block, uint32_t count, const Rect& bound) {
    RGNDATAHEADER header;
    header.nCount = count;
    header.rcBound = bound;
    std::memcpy(block, &header, sizeof header);
}

// Builds the region of a stream of runs one block of kMaskRunsPerBlock rectangles at a time, so a
// mask with any number of runs gives its whole region and the block never grows.
class RunRegionBuilder {
  public:
    // `expectedRuns` only sizes the first block.
    RunRegionBuilder(const Rect& bound, size_t expectedRuns) : bound_(bound), block_(sizeof(RGNDATAHEADER)) {
        block_.reserve(sizeof(RGNDATAHEADER) +
                       sizeof(Rect) * std::min<size_t>(expectedRuns, kMaskRunsPerBlock));
    }
    ~RunRegionBuilder() {
        if (region_)
            DeleteObject(region_);
    }
    RunRegionBuilder(const RunRegionBuilder&) = delete;
    RunRegionBuilder& operator=(const RunRegionBuilder&) = delete;

    void add(const Rect& r) {
        if (count_ == kMaskRunsPerBlock)
            flush();
        const size_t at = block_.size();
        block_.resize(at + sizeof(Rect));
        std::memcpy(block_.data() + at, &r, sizeof r);
        ++count_;
    }

    // The region of everything added (empty when nothing was); the caller owns it.
    HRGN finish() {
        flush();
        if (!region_)
            region_ = CreateRectRgn(0, 0, 0, 0);
        HRGN result = region_;
        region_ = nullptr;
        return result;
    }

  private:
    void flush() {
        if (count_ == 0)
            return;
        WriteHeader(block_.data(), count_, bound_);
        HRGN piece = ExtCreateRegion(nullptr, uint32_t(block_.size()), block_.data());
        if (piece && region_) {
            CombineRgn(region_, region_, piece, RGN_OR);
            DeleteObject(piece);
        } else if (piece) {
            region_ = piece;
        }
        block_.resize(sizeof(RGNDATAHEADER));
        count_ = 0;
    }

    Rect bound_;
    std::vector<uint8_t> block_;
    uint32_t count_ = 0;
    HRGN region_ = nullptr;
};

void AddRuns(RunRegionBuilder& builder, const Picture& mask, int32_t dx, int32_t dy) {
    ForEachMaskRun(mask, [&](int32_t x0, int32_t x1, int32_t y) {
        builder.add({x0 + dx, y + dy, x1 + dx, y + dy + 1});
    });
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
    std::vector<uint8_t> block(sizeof(RGNDATAHEADER));
    uint32_t count = 0;
    ForEachMaskRun(mask, [&](int32_t x0, int32_t x1, int32_t y) {
        const Rect r{x0 + dx, y + dy, x1 + dx, y + dy + 1};
        const size_t at = block.size();
        block.resize(at + sizeof r);
        std::memcpy(block.data() + at, &r, sizeof r);
        ++count;
    });
    WriteHeader(block.data(), count, {dx, dy, dx + mask.width(), dy + mask.height()});
    return block;
}

HRGN RegionFromMask(const Picture& mask) {
    if (mask.isEmpty())
        return nullptr;
    RunRegionBuilder builder(mask.bounds(), size_t(mask.height()) * 2);
    AddRuns(builder, mask, 0, 0);
    return builder.finish();
}

HRGN BuildFrameRegion(const NinePartLayout& layout, const NinePartLayout& newLayout, const Picture& mask,
                      Size size, FrameStrips* maskStrips) {
    const NinePartLayout n = ClampLayout(newLayout);
    if (n.RT.X < n.LT.X || n.LB.Y < n.LT.Y || n.Cl.isEmpty())
        return nullptr;
    FrameStrips ownStrips;
    FrameStrips& strips = maskStrips ? *maskStrips : ownStrips;
    ComposeMaskStrips(layout, n, mask, strips, size.cx);
    // The client rectangle and the runs of every band go to the platform together, in as few
    // blocks as they fill (about two runs a row is usual for a frame).
    const size_t rows =
        size_t(strips.Top.height()) + size_t(strips.Bottom.height()) + 2 * size_t(n.Cl.height());
    RunRegionBuilder builder({0, 0, size.cx, size.cy}, 1 + 2 * rows);
    builder.add(n.Cl);
    AddRuns(builder, strips.Top, 0, 0);
    AddRuns(builder, strips.Left, 0, n.Cl.Top);
    AddRuns(builder, strips.Right, n.Cl.Right, n.Cl.Top);
    AddRuns(builder, strips.Bottom, 0, n.Cl.Bottom);
    return builder.finish();
}

}  // namespace skin
