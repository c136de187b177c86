#include "skin/render/nine_part_image.h"

namespace skin {

using platform::Rect;
using platform::Size;

std::array<NinePiece, 13> NinePartPieces(const NinePartLayout& l, const NinePartLayout& n, Size source,
                                         Size target) {
    const int32_t w = source.cx, h = source.cy, W = target.cx, H = target.cy;
    return {{
        {NinePiece::TopEdge, {l.LT.X, 0, l.RT.X, l.Cl.Top}, {n.LT.X, 0, n.RT.X, n.Cl.Top}},
        {NinePiece::BottomEdge, {l.LB.X, l.Cl.Bottom, l.RB.X, h}, {n.LB.X, n.Cl.Bottom, n.RB.X, H}},
        {NinePiece::LeftEdge, {0, l.LT.Y, l.Cl.Left, l.LB.Y}, {0, n.LT.Y, n.Cl.Left, n.LB.Y}},
        {NinePiece::RightEdge, {l.Cl.Right, l.RT.Y, w, l.RB.Y}, {n.Cl.Right, n.RT.Y, W, n.RB.Y}},
        {NinePiece::Corner, {0, 0, l.LT.X, l.Cl.Top}, {0, 0, n.LT.X, n.Cl.Top}},
        {NinePiece::Corner, {0, l.Cl.Top, l.Cl.Left, l.LT.Y}, {0, n.Cl.Top, n.Cl.Left, n.LT.Y}},
        {NinePiece::Corner, {l.RT.X, 0, w, l.Cl.Top}, {n.RT.X, 0, W, n.Cl.Top}},
        {NinePiece::Corner, {l.Cl.Right, l.Cl.Top, w, l.RT.Y}, {n.Cl.Right, n.Cl.Top, W, n.RT.Y}},
        {NinePiece::Corner, {0, l.LB.Y, l.Cl.Left, h}, {0, n.LB.Y, n.Cl.Left, H}},
        {NinePiece::Corner, {l.Cl.Left, l.Cl.Bottom, l.LB.X, h}, {n.Cl.Left, n.Cl.Bottom, n.LB.X, H}},
        {NinePiece::Corner, {l.RB.X, l.Cl.Bottom, w, h}, {n.RB.X, n.Cl.Bottom, W, H}},
        {NinePiece::Corner, {l.Cl.Right, l.RB.Y, w, l.Cl.Bottom}, {n.Cl.Right, n.RB.Y, W, n.Cl.Bottom}},
        {NinePiece::Client, l.Cl, n.Cl},
    }};
}

namespace {

PieceFill EdgeFill(NinePiece::Kind kind, const SideStretch& stretch) {
    switch (kind) {
        case NinePiece::TopEdge:
            return stretch.Top ? PieceFill::Scale : PieceFill::TileX;
        case NinePiece::BottomEdge:
            return stretch.Bottom ? PieceFill::Scale : PieceFill::TileX;
        case NinePiece::LeftEdge:
            return stretch.Left ? PieceFill::Scale : PieceFill::TileY;
        case NinePiece::RightEdge:
            return stretch.Right ? PieceFill::Scale : PieceFill::TileY;
        default:
            return PieceFill::Scale;
    }
}

// The client piece G (gw x gh) into NewCl (cw x ch).
void DrawClientPiece(Picture& target, const Picture& source, const Rect& from, const Rect& to,
                     const ClientFill& fill) {
    if (!fill.StretchEffect) {
        FillPiece(target, to, source, from, PieceFill::TileBoth);
        return;
    }
    const Rect visible = platform::intersect(to, target.bounds());
    if (to.isEmpty() || visible.isEmpty())
        return;
    const int32_t gw = from.width(), gh = from.height();
    switch (fill.StretchType) {
        case TStretchType::stFull:
            CopyPictureRect(target, to, source, from);
            break;
        case TStretchType::stHorz:
            // G scaled to a band gw x ch, repeated across; the last band is clipped to NewCl.
            ForEachTile({to.Left, int64_t(to.Left) + (int64_t(to.width()) / std::max(gw, 1) + 1) * gw, gw},
                        visible.Left, visible.Right, [&](int64_t p, int32_t) {
                            CopyPictureRect(target, {int32_t(p), to.Top, int32_t(p + gw), to.Bottom}, source,
                                            from, to);
                        });
            break;
        case TStretchType::stVert:
            ForEachTile({to.Top, int64_t(to.Top) + (int64_t(to.height()) / std::max(gh, 1) + 1) * gh, gh},
                        visible.Top, visible.Bottom, [&](int64_t p, int32_t) {
                            CopyPictureRect(target, {to.Left, int32_t(p), to.Right, int32_t(p + gh)}, source,
                                            from, to);
                        });
            break;
    }
}

}  // namespace

void ComposeNinePartImage(const NinePartLayout& layout, const NinePartLayout& newLayout, Picture& target,
                          const Picture& source, const Rect& R, Size size, const SideStretch& stretch,
                          const ClientFill& client) {
    SetPictureSize(target, size.cx, size.cy);
    const NinePartLayout l = ClampLayout(layout), n = ClampLayout(newLayout);
    const Rect r = ClampRect(R);
    if (l.RB.X == l.LT.X || l.RB.Y == l.LT.Y || source.isEmpty())
        return;
    for (const NinePiece& piece : NinePartPieces(l, n, {r.width(), r.height()}, size)) {
        const Rect from = piece.from.offsetBy(r.Left, r.Top);
        if (piece.kind == NinePiece::Client) {
            if (client.DrawClient)
                DrawClientPiece(target, source, from, piece.to, client);
        } else {
            FillPiece(target, piece.to, source, from, EdgeFill(piece.kind, stretch));
        }
    }
}

void ComposeClientFramedImage(Picture& target, const Picture& source, const Rect& R, const Rect& Cl,
                              bool drawClient) {
    const Size size{target.width(), target.height()};
    const Rect r = ClampRect(R);
    const NinePartLayout layout = ClientFramedLayout(ClampRect(Cl));
    ComposeNinePartImage(layout, ResizeLayout({r.width(), r.height()}, layout, size), target, source, r, size,
                         {true, true, true, true}, {drawClient, true, TStretchType::stFull});
}

}  // namespace skin
