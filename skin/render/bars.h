// Bars: a face with two fixed ends and a middle that stretches or repeats, along x or along y
// (menu items, separators, caption strips, tab faces).
//
//      R:  | a (left end) |   middle (d)   | b (right end) |
//   target: | a |  middle, stretched or tiled from a  | b |      W wide, as high as R
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "skin/render/picture.h"

namespace skin {

// Ends and whether the middle stretches (false: it is tiled).
struct BarEnds {
    int32_t first = 0;  // left end width, or top end height
    int32_t last = 0;   // right end width, or bottom end height
};

// The target becomes W x height of R. The ends are drawn first (when W < a + b the right end covers
// part of the left one and no middle is drawn); a middle of width 0 is taken as 1 column wide.
void ComposeHorizontalBar(BarEnds ends, Picture& target, const Picture& source, const platform::Rect& R,
                          int32_t W, bool stretch);

// The same along y: the target becomes width of R x H. A middle of height 0 draws nothing.
void ComposeVerticalBar(BarEnds ends, Picture& target, const Picture& source, const platform::Rect& R,
                        int32_t H, bool stretch);

}  // namespace skin
