#include "skin/render/bars.h"

#include "skin/render/nine_part_layout.h"

namespace skin {

using platform::Rect;

void ComposeHorizontalBar(BarEnds ends, Picture& target, const Picture& source, const Rect& R, int32_t width,
                          bool stretch) {
    const Rect r = ClampRect(R);
    const int32_t W = ClampCoordinate(width);
    const int32_t a = ClampCoordinate(ends.first), b = ClampCoordinate(ends.last);
    SetPictureSize(target, W, r.height());
    const int32_t h = target.height();
    if (a > 0)
        CopyPictureRect(target, {0, 0, a, h}, source, {r.Left, r.Top, r.Left + a, r.Bottom});
    if (b > 0)
        CopyPictureRect(target, {W - b, 0, W, h}, source, {r.Right - b, r.Top, r.Right, r.Bottom});
    Rect middle{r.Left + a, r.Top, r.Right - b, r.Bottom};
    if (middle.width() == 0)
        middle.Right = middle.Left + 1;
    FillPiece(target, {a, 0, W - b, h}, source, middle, stretch ? PieceFill::Scale : PieceFill::TileX);
}

void ComposeVerticalBar(BarEnds ends, Picture& target, const Picture& source, const Rect& R, int32_t height,
                        bool stretch) {
    const Rect r = ClampRect(R);
    const int32_t H = ClampCoordinate(height);
    const int32_t a = ClampCoordinate(ends.first), b = ClampCoordinate(ends.last);
    SetPictureSize(target, r.width(), H);
    const int32_t w = target.width();
    if (a > 0)
        CopyPictureRect(target, {0, 0, w, a}, source, {r.Left, r.Top, r.Right, r.Top + a});
    if (b > 0)
        CopyPictureRect(target, {0, H - b, w, H}, source, {r.Left, r.Bottom - b, r.Right, r.Bottom});
    const Rect middle{r.Left, r.Top + a, r.Right, r.Bottom - b};
    FillPiece(target, {0, a, w, H - b}, source, middle, stretch ? PieceFill::Scale : PieceFill::TileY);
}

}  // namespace skin
