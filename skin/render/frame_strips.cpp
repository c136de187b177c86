#include "skin/render/frame_strips.h"

namespace skin {

using platform::Rect;
using platform::Size;

namespace {

// One side strip (left or right) of `width` x S from source columns `columns` (relative to R):
// the middle rows `top .. bottom` of the piece (LT.Y .. LB.Y or RT.Y .. RB.Y), then the end rows
// Cl.Top .. top above and bottom .. Cl.Bottom below.
void ComposeSideStrip(Picture& strip, int32_t width, int32_t S, const Picture& source, const Rect& r,
                      int32_t columnsFrom, int32_t columnsTo, int32_t top, int32_t bottom, const Rect& Cl,
                      bool stretch) {
    SetPictureSize(strip, width, S);
    const int32_t above = top - Cl.Top, below = Cl.Bottom - bottom;
    const Rect middle{r.Left + columnsFrom, r.Top + top, r.Left + columnsTo, r.Top + bottom};
    if (stretch)
        CopyPictureRect(strip, {0, above, width, S - below}, source, middle);
    else
        FillPiece(strip, {0, 0, width, S}, source, middle, PieceFill::TileY);
    if (above > 0)
        CopyPictureRect(strip, {0, 0, width, above}, source,
                        {middle.Left, r.Top + Cl.Top, middle.Right, r.Top + top});
    if (below > 0)
        CopyPictureRect(strip, {0, S - below, width, S}, source,
                        {middle.Left, r.Top + bottom, middle.Right, r.Top + Cl.Bottom});
}

// The top or bottom strip, W x `height`, from source rows `rowsFrom .. rowsFrom + height`: the
// middle columns `left .. right` (stretched into newLeft .. newRight, or tiled from column 0), then
// the ends 0 .. left to 0 .. newLeft and right .. w to newRight .. W.
void ComposeEndStrip(Picture& strip, int32_t W, int32_t height, const Picture& source, const Rect& r,
                     int32_t rowsFrom, int32_t left, int32_t right, int32_t newLeft, int32_t newRight,
                     bool stretch) {
    SetPictureSize(strip, W, height);
    const int32_t t = r.Top + rowsFrom, b = t + height;
    const Rect middle{r.Left + left, t, r.Left + right, b};
    if (stretch)
        CopyPictureRect(strip, {newLeft, 0, newRight, height}, source, middle);
    else
        FillPiece(strip, {0, 0, W, height}, source, middle, PieceFill::TileX);
    CopyPictureRect(strip, {0, 0, newLeft, height}, source, {r.Left, t, r.Left + left, b});
    CopyPictureRect(strip, {newRight, 0, W, height}, source, {r.Left + right, t, r.Right, b});
}

}  // namespace

void ComposeFrameStrips(const NinePartLayout& layout, const NinePartLayout& newLayout, FrameStrips& strips,
                        const Picture& source, const Rect& R, Size size, const SideStretch& stretch) {
    const NinePartLayout l = ClampLayout(layout), n = ClampLayout(newLayout);
    const Rect r = ClampRect(R);
    const int32_t W = ClampCoordinate(size.cx), H = ClampCoordinate(size.cy), w = r.width(), h = r.height();

    if (W > 0 && n.Cl.Top > 0 && l.RT.X - l.LT.X > 0)
        ComposeEndStrip(strips.Top, W, n.Cl.Top, source, r, 0, l.LT.X, l.RT.X, n.LT.X, n.RT.X, stretch.Top);
    else
        strips.Top = Picture();
    if (const int32_t d = H - n.Cl.Bottom; W > 0 && d > 0 && l.RB.X - l.LB.X > 0)
        ComposeEndStrip(strips.Bottom, W, d, source, r, h - d, l.LB.X, l.RB.X, n.LB.X, n.RB.X,
                        stretch.Bottom);
    else
        strips.Bottom = Picture();
    const int32_t S = H - strips.Bottom.height() - strips.Top.height();
    if (n.Cl.Left > 0 && S > 0 && l.LB.Y - l.LT.Y > 0)
        ComposeSideStrip(strips.Left, n.Cl.Left, S, source, r, 0, n.Cl.Left, l.LT.Y, l.LB.Y, l.Cl,
                         stretch.Left);
    else
        strips.Left = Picture();
    if (const int32_t b = W - n.Cl.Right; b >= 1 && S >= 1 && l.RB.Y - l.RT.Y >= 1)
        ComposeSideStrip(strips.Right, b, S, source, r, l.Cl.Right, w, l.RT.Y, l.RB.Y, l.Cl, stretch.Right);
    else
        strips.Right = Picture();
}

FrameStripOrigins PlaceFrameStrips(const FrameStrips& strips, Size size) {
    const int32_t top = strips.Top.height();
    return {{0, 0}, {0, top}, {size.cx - strips.Right.width(), top}, {0, size.cy - strips.Bottom.height()}};
}

}  // namespace skin
