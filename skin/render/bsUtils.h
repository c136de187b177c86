// bsUtils: composing skin images and window regions, skin text and glyphs, and layer windows. Each
// concept has a header of its own; this one includes them all.
#pragma once

#include "skin/render/bars.h"
#include "skin/render/caption_layout.h"
#include "skin/render/frame_strips.h"
#include "skin/render/glyph_frame.h"
#include "skin/render/layer_manager.h"
#include "skin/render/layered_windows.h"
#include "skin/render/mask_region.h"
#include "skin/render/monitor_area.h"
#include "skin/render/nine_part_image.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/parent_background.h"
#include "skin/render/picture.h"
#include "skin/render/platform_calls.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/skin_font.h"
#include "skin/render/standard_glyphs.h"
#include "skin/render/text_effects.h"
#include "skin/render/text_encoding.h"
#include "skin/render/text_output.h"
