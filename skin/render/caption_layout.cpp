#include "skin/render/caption_layout.h"

#include "platform/gfx/dc.h"
#include "platform/gfx/text.h"
#include "skin/render/glyph_frame.h"

namespace skin {

using namespace platform;

GlyphAndTextPlaces LayoutGlyphAndText(const GlyphAndText& g) {
    const Rect& f = g.face;
    const int32_t gw = g.glyph.cx, gh = g.glyph.cy, tw = g.text.cx, th = g.text.cy;
    const int32_t spacing = gw == 0 ? 0 : g.spacing;
    const int32_t cx = f.Left + f.width() / 2, cy = f.Top + f.height() / 2;
    const bool centred = g.margin == kCentredGroup;
    const int32_t across = (gw + tw + spacing) / 2, down = (th + gh + spacing) / 2;
    switch (g.layout) {
        case GlyphLayout::GlyphRight:
            if (centred)
                return {{cx + across - gw, cy - gh / 2}, {cx - across, cy - th / 2}};
            return {{f.Right - gw - g.margin, cy - gh / 2},
                    {f.Right - gw - g.margin - spacing - tw, cy - th / 2}};
        case GlyphLayout::GlyphAbove:
            if (centred)
                return {{cx - gw / 2, cy - down}, {cx - tw / 2, cy + down - th}};
            return {{cx - gw / 2, f.Top + g.margin}, {cx - tw / 2, f.Top + g.margin + gh + spacing}};
        case GlyphLayout::GlyphBelow:
            if (centred)
                return {{cx - gw / 2, cy + down - gh}, {cx - tw / 2, cy - down}};
            return {{cx - gw / 2, f.Bottom - gh - g.margin},
                    {cx - tw / 2, f.Bottom - gh - g.margin - spacing - th}};
        case GlyphLayout::GlyphLeft:
        default:
            if (centred)
                return {{cx - across, cy - gh / 2}, {cx + across - tw, cy - th / 2}};
            return {{f.Left + g.margin, cy - gh / 2}, {f.Left + g.margin + gw + spacing, cy - th / 2}};
    }
}

namespace {

void FillRow(HDC canvas, int32_t left, int32_t right, int32_t y, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(canvas, {left, y, right, y + 1}, brush);
    DeleteObject(brush);
}

void FillBox(HDC canvas, const Rect& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(canvas, r, brush);
    DeleteObject(brush);
}

// The size of the caption when laid out in the face less the glyph's room (beside or under it; a
// layout outside 0 .. 3 leaves the face whole).
Size MeasureCaption(HDC canvas, const CaptionFace& f, Size glyph) {
    if (f.caption.empty())
        return {0, 0};
    Rect r{0, 0, f.face.width(), f.face.height()};
    if (f.layout == GlyphLayout::GlyphLeft || f.layout == GlyphLayout::GlyphRight)
        r.Right -= glyph.cx;
    if (f.layout == GlyphLayout::GlyphAbove || f.layout == GlyphLayout::GlyphBelow)
        r.Bottom -= glyph.cy;
    DrawText(canvas, f.caption, &r, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
    return {r.width(), r.height()};
}

// Measures, places and draws the caption; returns the places (moved when down) and the caption's
// rectangle.
std::pair<GlyphAndTextPlaces, Rect> PlaceAndDrawCaption(HDC canvas, const CaptionFace& f, Size glyph) {
    const Size text = MeasureCaption(canvas, f, glyph);
    SetBkMode(canvas, TRANSPARENT);
    GlyphAndTextPlaces at = LayoutGlyphAndText({f.face, glyph, text, f.spacing, f.margin, f.layout});
    if (f.down) {
        at.glyph = {at.glyph.X + 1, at.glyph.Y + 1};
        at.text = {at.text.X + 1, at.text.Y + 1};
    }
    Rect textRect{at.text.X, at.text.Y, at.text.X + text.cx + 2, at.text.Y + text.cy};
    if (!f.caption.empty()) {
        Rect r = textRect;
        DrawText(canvas, f.caption, &r, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    }
    return {at, textRect};
}

// The mark bar under the caption when there is no glyph, or over the face when there is neither.
void MarkWithoutGlyph(HDC canvas, const CaptionFace& f, const Rect& textRect, const Rect& emptyFaceMark) {
    if (!f.caption.empty()) {
        for (int32_t y = textRect.Bottom - 1; y <= textRect.Bottom + 1; ++y)
            FillRow(canvas, textRect.Left, textRect.Right, y, f.markColor);
    } else {
        FillBox(canvas, emptyFaceMark, f.markColor);
    }
}

}  // namespace

void DrawCaptionWithListImage(HDC canvas, const CaptionFace& f, int32_t index, const ImageList* images,
                              bool enabled) {
    const bool hasImage = images && index >= 0 && index < images->Count();
    const Size glyph = hasImage ? images->ImageSize() : Size{0, 0};
    const auto [at, textRect] = PlaceAndDrawCaption(canvas, f, glyph);
    if (hasImage)
        images->Draw(canvas, at.glyph.X, at.glyph.Y, index, enabled);
    if (!f.markBar)
        return;
    if (hasImage) {
        for (int32_t y = at.glyph.Y + glyph.cy - 2; y <= at.glyph.Y + glyph.cy; ++y)
            FillRow(canvas, at.glyph.X, at.glyph.X + glyph.cx, y, f.markColor);
    } else {
        MarkWithoutGlyph(canvas, f, textRect,
                         {f.face.Left + 4, f.face.Top + 4, f.face.Right - 2, f.face.Bottom - 4});
    }
}

void DrawCaptionWithGlyph(HDC canvas, const CaptionFace& f, const Picture& strip, int32_t frameCount,
                          int32_t frame) {
    const bool hasGlyph = !strip.isEmpty() && frameCount > 0;
    const Size glyph = hasGlyph ? Size{strip.width() / frameCount, strip.height()} : Size{0, 0};
    const auto [at, textRect] = PlaceAndDrawCaption(canvas, f, glyph);
    if (hasGlyph)
        DrawGlyphFrame(canvas, at.glyph.X, at.glyph.Y, frame, frameCount, strip);
    if (!f.markBar)
        return;
    if (hasGlyph) {
        for (int32_t y = at.glyph.Y + strip.height() - 2; y <= at.glyph.Y + strip.height(); ++y)
            FillRow(canvas, at.glyph.X, at.glyph.X + strip.width(), y, f.markColor);
    } else {
        const Rect& r = f.face;
        MarkWithoutGlyph(canvas, f, textRect,
                         f.down ? Rect{r.Left + 4, r.Top + 5, r.Right - 2, r.Bottom - 3}
                                : Rect{r.Left + 4, r.Top + 4, r.Right - 2, r.Bottom - 4});
    }
}

}  // namespace skin
