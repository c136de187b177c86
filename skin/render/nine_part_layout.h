// The nine-part layout of a skin face: a source rectangle R cut by four corner points and a client
// rectangle Cl, all relative to R's top-left corner, and the same layout moved to a target size.
// The thirteen pieces of R (w x h):
//
//     0        LT.X                       RT.X        w
//   0 +--------+--------------------------+-----------+
//     |   c1   |         top edge         |    c3     |
//     +---+----+--------------------------+-----+-----+ Cl.Top
//     |c2 |                                     | c4  |
//     |   | LT.Y                                |     |
//     +---+                                     +-----+ RT.Y
//     |le |               client                | re  |
//     |   |                                     +-----+ RB.Y
//     +---+ LB.Y                                | c8  |
//     |c5 +-----+-----------------------+-------+-----+ Cl.Bottom
//     |   | c6  |      bottom edge      |     c7      |
//   h +---+-----+-----------------------+-------------+
//         Cl.Left LB.X               RB.X   Cl.Right
//
// Each corner of the frame is an L of two pieces: c1 + c2, c3 + c4, c5 + c6, c7 + c8.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "skin/data/value_types.h"

namespace skin {

struct NinePartLayout {
    platform::Point LT, RT, LB, RB;
    platform::Rect Cl;

    friend constexpr bool operator==(const NinePartLayout&, const NinePartLayout&) = default;
};

// Which sides stretch their edge piece (false: the piece is tiled).
struct SideStretch {
    bool Left = false;
    bool Top = false;
    bool Right = false;
    bool Bottom = false;
};

// How the client piece fills its target: not at all, tiled, or stretched by a stretch type.
struct ClientFill {
    bool DrawClient = true;
    bool StretchEffect = false;
    TStretchType StretchType = TStretchType::stFull;
};

// Layout arithmetic stays within the platform's coordinate range (+-2^27), so that no sum or
// difference of skin coordinates can overflow; a skin's value beyond it is taken at the limit.
constexpr int32_t kMaxLayoutCoordinate = int32_t(1) << 27;
constexpr int32_t ClampCoordinate(int64_t v) {
    return int32_t(v < -kMaxLayoutCoordinate ? -kMaxLayoutCoordinate
                                             : (v > kMaxLayoutCoordinate ? kMaxLayoutCoordinate : v));
}
constexpr platform::Point ClampPoint(platform::Point p) {
    return {ClampCoordinate(p.X), ClampCoordinate(p.Y)};
}
constexpr platform::Rect ClampRect(const platform::Rect& r) {
    return {ClampCoordinate(r.Left), ClampCoordinate(r.Top), ClampCoordinate(r.Right),
            ClampCoordinate(r.Bottom)};
}
constexpr NinePartLayout ClampLayout(const NinePartLayout& l) {
    return {ClampPoint(l.LT), ClampPoint(l.RT), ClampPoint(l.LB), ClampPoint(l.RB), ClampRect(l.Cl)};
}

// The layout moved from a source of size w x h to a target of W x H: dW = W - w, dH = H - h;
// NewLT = LT, NewRT = RT + (dW, 0), NewLB = LB + (0, dH), NewRB = RB + (dW, dH), NewCl = Cl with its
// right and bottom edges moved by dW and dH. Corners keep their size; edges and client change.
constexpr NinePartLayout ResizeLayout(platform::Size source, const NinePartLayout& layout,
                                      platform::Size target) {
    const NinePartLayout l = ClampLayout(layout);
    const int64_t dW = int64_t(target.cx) - source.cx, dH = int64_t(target.cy) - source.cy;
    auto c = [](int64_t v) { return ClampCoordinate(v); };
    return {l.LT,
            {c(l.RT.X + dW), l.RT.Y},
            {l.LB.X, c(l.LB.Y + dH)},
            {c(l.RB.X + dW), c(l.RB.Y + dH)},
            {l.Cl.Left, l.Cl.Top, c(l.Cl.Right + dW), c(l.Cl.Bottom + dH)}};
}

// The layout whose corner points are the corners of the client rectangle (classic nine-slice).
constexpr NinePartLayout ClientFramedLayout(const platform::Rect& cl) {
    return {{cl.Left, cl.Top}, {cl.Right, cl.Top}, {cl.Left, cl.Bottom}, {cl.Right, cl.Bottom}, cl};
}

}  // namespace skin
