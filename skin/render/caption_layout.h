// A glyph (image) beside a caption on a button face: where each goes, and the two face drawers
// that measure, place and draw them with an optional mark bar.
#pragma once

#include <cstdint>
#include <string>

#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"
#include "skin/render/picture.h"

namespace skin {

enum class GlyphLayout : int32_t { GlyphLeft = 0, GlyphRight = 1, GlyphAbove = 2, GlyphBelow = 3 };
// A margin of -1 centres glyph and caption together as one group.
constexpr int32_t kCentredGroup = -1;

struct GlyphAndText {
    platform::Rect face;
    platform::Size glyph;  // 0 wide: no glyph, and the spacing does not count
    platform::Size text;
    int32_t spacing = 0;
    int32_t margin = kCentredGroup;
    GlyphLayout layout = GlyphLayout::GlyphLeft;
};

struct GlyphAndTextPlaces {
    platform::Point glyph;
    platform::Point text;
    friend constexpr bool operator==(const GlyphAndTextPlaces&, const GlyphAndTextPlaces&) = default;
};

// Places glyph and text (divisions truncate towards zero). A layout value outside 0 .. 3 is
// placed as glyph left.
GlyphAndTextPlaces LayoutGlyphAndText(const GlyphAndText& g);

// What an image list offers the face drawer.
class ImageList {
  public:
    virtual ~ImageList() = default;
    virtual platform::Size ImageSize() const = 0;
    virtual int32_t Count() const = 0;
    virtual void Draw(platform::HDC canvas, int32_t x, int32_t y, int32_t index, bool enabled) const = 0;
};

// A face: its rectangle, where glyph and caption go, the caption (UTF-8), and its state.
struct CaptionFace {
    platform::Rect face;
    int32_t margin = kCentredGroup;
    int32_t spacing = 0;
    GlyphLayout layout = GlyphLayout::GlyphLeft;
    std::string caption;
    bool down = false;  // glyph and caption one pixel right and down
    bool markBar = false;
    platform::COLORREF markColor = 0;
};

// The caption in the canvas font and the image `index` of `images` (none when the index is outside
// the list), placed by LayoutGlyphAndText, with the mark bar when asked.
void DrawCaptionWithListImage(platform::HDC canvas, const CaptionFace& face, int32_t index,
                              const ImageList* images, bool enabled);
// The same with frame `frame` of a glyph strip of `frameCount` frames (DrawGlyphFrame).
void DrawCaptionWithGlyph(platform::HDC canvas, const CaptionFace& face, const Picture& strip,
                          int32_t frameCount, int32_t frame);

}  // namespace skin
