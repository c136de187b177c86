// The window frame as four strips around the client area, composed from the frame picture.
//
//   +------------------- top strip: W x NewCl.Top --------------------+
//   | left  |                                                | right  |
//   | strip |              client area (left out)            | strip  |   side height
//   |       |                                                |        |   S = H - top - bottom
//   +------------------ bottom strip: W x (H - NewCl.Bottom) ---------+
//
// Tiled strips start their pattern at strip column 0 (top, bottom) or strip row 0 (sides), not at
// the new corner point as a nine-part image does: top-strip column x between the corners shows
// source column LT.X + (x mod (RT.X - LT.X)).
#pragma once

#include "platform/geometry.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace skin {

struct FrameStrips {
    Picture Top, Left, Right, Bottom;
};

// Fills the strips for a frame of outer size W x H (`size`). A strip whose size would not be
// positive (or whose middle piece is empty) is not made: it is left empty. Strips kept from an
// earlier call at the same size are composed into without being cleared.
void ComposeFrameStrips(const NinePartLayout& layout, const NinePartLayout& newLayout, FrameStrips& strips,
                        const Picture& source, const platform::Rect& R, platform::Size size,
                        const SideStretch& stretch);

// Where the caller draws each strip in a W x H window: top at (0, 0), left at (0, top height),
// right at (W - right width, top height), bottom at (0, H - bottom height).
struct FrameStripOrigins {
    platform::Point Top, Left, Right, Bottom;
};
FrameStripOrigins PlaceFrameStrips(const FrameStrips& strips, platform::Size size);

}  // namespace skin
