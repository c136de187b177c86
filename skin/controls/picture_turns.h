// Turning a picture a quarter turn and flipping it, for tab faces composed lying (left and right
// tabs) or upside down (bottom tabs).
//
//   counter-clockwise:  a b      b d      clockwise:  a b      c a
//                       c d  ->  a c                  c d  ->  d b
#pragma once

#include "skin/render/picture.h"

namespace skin {

Picture TurnedCounterClockwise(const Picture& picture);
Picture TurnedClockwise(const Picture& picture);
void FlipUpsideDown(Picture& picture);

}  // namespace skin
