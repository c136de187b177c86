// bsEffects: the 32-bit work bitmap with its blending, the 24-bit effect bitmap with its colour
// effects and morphs, and the stack blur. Each concept has a header of its own; this one includes
// them all.
#pragma once

#include "skin/render/effect_bitmap.h"
#include "skin/render/pixel_blend.h"
#include "skin/render/stack_blur.h"
#include "skin/render/work_bitmap.h"
