// Nine-part composition: a skin face of any size from its layout (nine_part_layout.h).
#pragma once

#include <array>

#include "platform/geometry.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace skin {

// One of the thirteen pieces: where it comes from (relative to R) and where it goes in the target.
struct NinePiece {
    enum Kind { TopEdge, BottomEdge, LeftEdge, RightEdge, Corner, Client };
    Kind kind;
    platform::Rect from;
    platform::Rect to;
};

// The pieces in drawing order: top, bottom, left and right edge, corners 1 to 8, client. `source`
// is the size of R, `target` the size W x H.
std::array<NinePiece, 13> NinePartPieces(const NinePartLayout& layout, const NinePartLayout& newLayout,
                                         platform::Size source, platform::Size target);

// The target becomes a W x H image (`size`) of the face cut from `R` of the source picture:
// edges stretched or tiled by `stretch` (tiles start at the new corner point), corners copied,
// then the client when `client.DrawClient`. An empty source, or corner points with RB.X = LT.X or
// RB.Y = LT.Y, leave the target sized but undrawn.
void ComposeNinePartImage(const NinePartLayout& layout, const NinePartLayout& newLayout, Picture& target,
                          const Picture& source, const platform::Rect& R, platform::Size size,
                          const SideStretch& stretch, const ClientFill& client);

// The classic nine-slice of button and control faces: the target keeps its size; the corner
// points are the corners of `Cl`, all sides stretch and the client stretches fully.
void ComposeClientFramedImage(Picture& target, const Picture& source, const platform::Rect& R,
                              const platform::Rect& Cl, bool drawClient);

}  // namespace skin
