#include "skin/render/picture.h"

#include <pixman.h>

#include <cstring>

#include "platform/gfx/dc.h"
#include "platform/gfx/region.h"

namespace skin {

using platform::Rect;

namespace {

// A same-size copy: the destination pixels whose source lies in the source picture, in the
// target and in the clip.
void PlainCopy(Picture& target, const Rect& to, const Picture& source, const Rect& from, const Rect& clip) {
    const int64_t dx = int64_t(to.Left) - from.Left, dy = int64_t(to.Top) - from.Top;
    const int64_t left = std::max<int64_t>({to.Left, clip.Left, from.Left + dx, dx});
    const int64_t top = std::max<int64_t>({to.Top, clip.Top, from.Top + dy, dy});
    const int64_t right = std::min<int64_t>({to.Right, clip.Right, from.Right + dx, source.width() + dx});
    const int64_t bottom =
        std::min<int64_t>({to.Bottom, clip.Bottom, from.Bottom + dy, source.height() + dy});
    if (left >= right || top >= bottom)
        return;
    // pixman's block copy: its vector loops beat a memcpy per row at the widths of skin pieces.
    if (pixman_blt(const_cast<uint32_t*>(source.data()), target.data(), source.width(), target.width(), 32,
                   32, int(left - dx), int(top - dy), int(left), int(top), int(right - left),
                   int(bottom - top)))
        return;
    for (int64_t y = top; y < bottom; ++y)
        std::memcpy(target.row(int32_t(y)) + left, source.row(int32_t(y - dy)) + (left - dx),
                    size_t(right - left) * sizeof(uint32_t));
}

// A scaled copy through the platform's StretchBlt, so that scaling maps pixels exactly as the
// platform does everywhere else.
void ScaledCopy(Picture& target, const Rect& to, const Picture& source, const Rect& from, const Rect& clip) {
    using namespace platform;
    // The source DC only reads its surface.
    HDC src = CreateSurfaceDC(const_cast<Picture*>(&source), {0, 0}, nullptr);
    HDC dest = CreateSurfaceDC(&target, {0, 0}, nullptr);
    IntersectClipRect(dest, clip.Left, clip.Top, clip.Right, clip.Bottom);
    StretchBlt(dest, to.Left, to.Top, to.width(), to.height(), src, from.Left, from.Top, from.width(),
               from.height(), SRCCOPY);
    DeleteDC(dest);
    DeleteDC(src);
}

}  // namespace

void CopyPictureRect(Picture& target, const Rect& to, const Picture& source, const Rect& from,
                     std::optional<Rect> clip) {
    if (to.isEmpty() || from.isEmpty() || target.isEmpty() || source.isEmpty())
        return;
    const Rect limit = clip ? platform::intersect(*clip, target.bounds()) : target.bounds();
    if (limit.isEmpty())
        return;
    // Widths in 64 bits: a skin may give any 32-bit coordinates.
    const auto width = [](const Rect& r) { return int64_t(r.Right) - r.Left; };
    const auto height = [](const Rect& r) { return int64_t(r.Bottom) - r.Top; };
    if (width(to) == width(from) && height(to) == height(from))
        PlainCopy(target, to, source, from, limit);
    else if (platform::RectAllowed(to) && platform::RectAllowed(from))
        ScaledCopy(target, to, source, from, limit);
}

void FillPiece(Picture& target, const Rect& to, const Picture& source, const Rect& from, PieceFill fill,
               std::optional<Rect> clip) {
    const Rect limit = clip ? platform::intersect(*clip, target.bounds()) : target.bounds();
    const TileRun columns{to.Left, to.Right, from.width()}, rows{to.Top, to.Bottom, from.height()};
    auto tileColumns = [&](int32_t top, int32_t bottom, int32_t fromTop, int32_t fromBottom) {
        ForEachTile(columns, limit.Left, limit.Right, [&](int64_t p, int32_t len) {
            CopyPictureRect(target, {int32_t(p), top, int32_t(p + len), bottom}, source,
                            {from.Left, fromTop, from.Left + len, fromBottom}, clip);
        });
    };
    switch (fill) {
        case PieceFill::Scale:
            CopyPictureRect(target, to, source, from, clip);
            break;
        case PieceFill::TileX:
            tileColumns(to.Top, to.Bottom, from.Top, from.Bottom);
            break;
        case PieceFill::TileY:
            ForEachTile(rows, limit.Top, limit.Bottom, [&](int64_t p, int32_t len) {
                CopyPictureRect(target, {to.Left, int32_t(p), to.Right, int32_t(p + len)}, source,
                                {from.Left, from.Top, from.Right, from.Top + len}, clip);
            });
            break;
        case PieceFill::TileBoth:
            // Row by row of tiles gives the same pixels as column by column: tiles never overlap.
            ForEachTile(rows, limit.Top, limit.Bottom, [&](int64_t p, int32_t len) {
                tileColumns(int32_t(p), int32_t(p + len), from.Top, from.Top + len);
            });
            break;
    }
}

}  // namespace skin
