// Measuring text in a font without a window to draw on: a memory device context with the font
// selected, for layout done before or outside painting (tab widths, caret positions, label sizes).
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/graphics/font.h"
#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"

namespace framework {

class TextMeasure {
  public:
    // A null font measures in the platform's default font.
    explicit TextMeasure(platform::HFONT font);
    explicit TextMeasure(const TFont& font) : TextMeasure(font.Handle()) {}
    ~TextMeasure();
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    // The width of one line (no "&" handling).
    int32_t Width(std::string_view text) const;
    // The height of a line of the font.
    int32_t LineHeight() const;
    // What DrawText needs for the text with `format` (DT_CALCRECT is added) in a rectangle
    // `width` wide (0: as wide as the text), at (0, 0).
    platform::Rect Extent(std::string_view text, int32_t width, uint32_t format) const;

  private:
    platform::HDC dc_;
    platform::HGDIOBJ previous_ = nullptr;
};

}  // namespace framework
