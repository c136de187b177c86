// The caption bar's text and face: where the text goes in the caption object, how it is shortened,
// placed and drawn with its light, shadow, glow, halo or reflection, and the face composed for the
// object's width from the caption's skin rectangle (ends kept, middle stretched or tiled).
#pragma once

#include <string>

#include "framework/graphics/bitmap.h"
#include "platform/geometry.h"
#include "platform/gfx/font.h"
#include "platform/gfx/gdi_object.h"
#include "skin/data/skin_object_records.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"

namespace skin {

// The text area of a caption object at `objectRect` (window coordinates): the record's "textrect"
// in the object, its right edge keeping the distance to the object's right edge that it has in the
// skin rectangle. Empty when the record has no text rectangle.
platform::Rect CaptionTextArea(const TbsDataSkinCaption& caption, const platform::Rect& objectRect);

struct CaptionTextStyle {
    platform::LOGFONT font;
    bool active = true;
    bool centred = false;       // centred whatever the record's alignment
    uint32_t readingFlags = 0;  // DT_RTLREADING for right-to-left forms
};

// Draws the caption text (UTF-16) into `area` of the canvas: shortened with "..." to its width,
// centred vertically, aligned as the record says, light and shadow first, then the text with the
// record's effect for the state. An empty text or area draws nothing.
void DrawCaptionText(platform::HDC canvas, const TbsDataSkinCaption& caption, const platform::Rect& area,
                     std::u16string text, const CaptionTextStyle& style);

// The caption's face at `size` from `from` in `picture`: the columns of the skin rectangle left of
// the frame's LT.X and right of RT.X kept, the middle stretched ("stretcheffect") or tiled; with no
// fixed columns the rectangle scaled to the size.
void ComposeCaptionFace(Picture& face, platform::Size size, const Picture& picture,
                        const platform::Rect& from, const TbsDataSkinCaption& caption,
                        const NinePartLayout& frameLayout);

}  // namespace skin
