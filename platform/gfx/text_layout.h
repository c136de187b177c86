// Text laid out in lines for one font, with the glyph coverage of each line rendered once and kept:
// measuring and drawing both read this, so they cannot disagree. Layouts are cached (most recently
// used first, bounded), so redrawing the same captions costs a lookup and a blend.
// Internal to platform/gfx.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/font_face.h"

namespace platform::gdi {

// What decides a layout besides the font and the text.
struct LayoutOptions {
    bool singleLine = false;
    bool expandTabs = false;
    bool prefix = true;  // "&x" underlines x, "&&" is "&"
    bool rightToLeft = false;
    int32_t wrapWidth = -1;  // pixels; -1 = lines break only at line breaks

    friend bool operator==(const LayoutOptions&, const LayoutOptions&) = default;
};

// Grey-scale coverage of a line's glyphs: width x height bytes, 0 = none, 255 = full, placed with
// its top-left corner at (left, top) relative to the line's top-left corner.
struct Coverage {
    int32_t left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> alpha;
};

struct TextLine {
    int32_t width = 0;    // the sum of the line's advances
    int32_t originX = 0;  // where the glyphs start, relative to the line's left edge
};

class TextLayout {
  public:
    TextLayout(std::shared_ptr<const FontFace> face, PangoLayout* layout, std::vector<TextLine> lines);
    ~TextLayout();
    TextLayout(const TextLayout&) = delete;
    TextLayout& operator=(const TextLayout&) = delete;

    const std::vector<TextLine>& lines() const { return lines_; }
    int32_t lineHeight() const { return face_->metrics().height; }
    int32_t width() const;
    int32_t height() const { return int32_t(lines_.size()) * lineHeight(); }
    // The coverage of line i, rendered on first use.
    const Coverage& coverage(size_t i) const;

  private:
    std::shared_ptr<const FontFace> face_;
    PangoLayout* layout_;
    std::vector<TextLine> lines_;
    mutable std::vector<std::unique_ptr<Coverage>> coverage_;
};

// Longer text is cut to this many bytes before layout: no caption comes near it, and it bounds the
// work and memory one call can cost.
constexpr size_t kMaxTextBytes = 64 * 1024;

// The layout of `text` (UTF-8, any bytes) in a face; empty text gives no lines.
std::shared_ptr<const TextLayout> LayoutText(const std::shared_ptr<const FontFace>& face,
                                             std::string_view text, const LayoutOptions& options);

}  // namespace platform::gdi
