// Text output and measuring on a canvas (a device context with its selected font and text colour),
// and shortening a text with an ellipsis to fit a width.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"

namespace skin {

// Draws wide text through the platform's DrawText: on the NT family the wide call takes it as it
// is, elsewhere it goes through the ANSI code page. The rectangle comes back as the text's extent
// with DT_CALCRECT. Returns the height the platform reports.
int DrawTextUnicode(platform::HDC canvas, std::u16string_view text, platform::Rect& rect, uint32_t format);

// Width or height of the text in the canvas font, line breaks counting (DT_CALCRECT alone).
int32_t MeasureTextWidth(platform::HDC canvas, std::u16string_view text);
int32_t MeasureTextHeight(platform::HDC canvas, std::u16string_view text);

// Leaves a text that fits alone; otherwise drops characters from the end until the rest followed
// by "..." fits, or nothing is left ("..." alone, whether it fits or not).
void FitTextWithEllipsis(platform::HDC canvas, std::u16string& text, int32_t maxWidth);

}  // namespace skin
