// DrawText, TextOut and measuring on device contexts: layouts come from gfx/text_layout.h, are
// placed by the format flags, and their coverage is blended into the surface through the clip.
#include <algorithm>

#include "platform/gfx/dc_internal.h"
#include "platform/gfx/raster.h"
#include "platform/gfx/text_layout.h"
#include "platform/utf16.h"

namespace platform {

namespace {

using gdi::DcObject;

std::shared_ptr<const gdi::FontFace> FaceOf(const DcObject& dc) {
    gdi::FontObject* font = gdi::CurrentFont(dc);
    if (!font->face)
        font->face = gdi::FontFace::Of(font->description);
    return font->face;
}

// Blends `color` over the pixels by coverage; every pixel touched becomes opaque.
void BlendCoverage(Surface& surface, const gdi::ClipSpans& clip, const gdi::Coverage& c, int64_t left,
                   int64_t top, uint32_t color) {
    const uint32_t cr = (color >> 16) & 0xFF, cg = (color >> 8) & 0xFF, cb = color & 0xFF;
    clip.forEachRect(left, top, left + c.width, top + c.height, [&](const Rect& part) {
        for (int32_t y = part.Top; y < part.Bottom; ++y) {
            const uint8_t* a = &c.alpha[size_t(y - top) * size_t(c.width) + size_t(part.Left - left)];
            uint32_t* d = surface.row(y) + part.Left;
            for (int32_t x = part.Left; x < part.Right; ++x, ++a, ++d) {
                const uint32_t m = *a;
                if (m == 0)
                    continue;
                if (m == 255) {  // the inside of a stroke: what the blend gives, without it
                    *d = 0xFF000000u | color;
                    continue;
                }
                const uint32_t p = *d, n = 255 - m;
                const uint32_t r = (cr * m + ((p >> 16) & 0xFF) * n + 127) / 255;
                const uint32_t g = (cg * m + ((p >> 8) & 0xFF) * n + 127) / 255;
                const uint32_t b = (cb * m + (p & 0xFF) * n + 127) / 255;
                *d = 0xFF000000u | (r << 16) | (g << 8) | b;
            }
        }
    });
}

struct Placement {
    int64_t left, top;  // rectangle, surface pixels
    int64_t width;
    int64_t firstLineTop;  // surface pixels
    uint32_t format;
};

int64_t LineLeft(const Placement& p, int32_t lineWidth) {
    if (p.format & DT_CENTER)
        return p.left + (p.width - lineWidth) / 2;
    if (p.format & DT_RIGHT)
        return p.left + p.width - lineWidth;
    return p.left;
}

// Draws every line of the layout; `clip` already holds whatever limits the drawing.
void DrawLayout(DcObject& dc, const gdi::TextLayout& layout, const Placement& p, const Region& clip) {
    Surface* target = dc.target();
    if (!target || clip.isEmpty())
        return;
    const gdi::ClipSpans spans(clip);
    gdi::PixelWriter background(*target, clip);
    const uint32_t textPixel = PixelFromColor(dc.state.textColor);
    const uint32_t bkPixel = PixelFromColor(dc.state.bkColor);
    for (size_t i = 0; i < layout.lines().size(); ++i) {
        const gdi::TextLine& line = layout.lines()[i];
        const int64_t left = LineLeft(p, line.width);
        const int64_t top = p.firstLineTop + int64_t(i) * layout.lineHeight();
        if (top >= clip.bounds().Bottom)
            break;
        if (top + layout.lineHeight() <= clip.bounds().Top)
            continue;
        if (dc.state.bkMode == OPAQUE)
            background.fillRect(left, top, left + line.width, top + layout.lineHeight(), bkPixel);
        const gdi::Coverage& c = layout.coverage(i);
        if (!c.alpha.empty())
            BlendCoverage(*target, spans, c, left + c.left, top + c.top, textPixel);
    }
}

gdi::LayoutOptions OptionsOf(uint32_t format, int32_t rectWidth) {
    gdi::LayoutOptions o;
    o.singleLine = format & DT_SINGLELINE;
    o.expandTabs = format & DT_EXPANDTABS;
    o.prefix = !(format & DT_NOPREFIX);
    o.rightToLeft = format & DT_RTLREADING;
    if ((format & DT_WORDBREAK) && !o.singleLine)
        o.wrapWidth = std::max(rectWidth, 0);
    return o;
}

int DrawTextUtf8(HDC hdc, std::string_view text, Rect* rect, uint32_t format) {
    DcObject* dc = gdi::FindDc(hdc);
    if (!dc || !rect || !RectAllowed(*rect))
        return 0;
    const auto layout = gdi::LayoutText(FaceOf(*dc), text, OptionsOf(format, rect->width()));
    if (layout->lines().empty()) {
        if (format & DT_CALCRECT)
            *rect = {rect->Left, rect->Top, rect->Left, rect->Top};
        return 0;
    }
    const int32_t height = layout->height();
    if (format & DT_CALCRECT) {
        rect->Right = rect->Left + layout->width();
        rect->Bottom = rect->Top + height;
        return height;
    }
    // Vertical placement applies to single lines only, as on the platform.
    int32_t offset = 0;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            offset = (rect->height() - height) / 2;
        else if (format & DT_BOTTOM)
            offset = rect->height() - height;
    }
    const Placement p{dc->toSurfaceX(rect->Left), dc->toSurfaceY(rect->Top), rect->width(),
                      dc->toSurfaceY(int64_t(rect->Top) + offset), format};
    if (format & DT_NOCLIP) {
        DrawLayout(*dc, *layout, p, dc->effectiveClip());
    } else {
        const Rect box{int32_t(p.left), int32_t(p.top), int32_t(p.left + rect->width()),
                       int32_t(p.top + rect->height())};
        DrawLayout(*dc, *layout, p, dc->effectiveClip().intersected(box));
    }
    return (format & (DT_VCENTER | DT_BOTTOM)) && (format & DT_SINGLELINE) ? offset + height : height;
}

}  // namespace

int DrawText(HDC hdc, std::string_view text, Rect* rect, uint32_t format) {
    return DrawTextUtf8(hdc, text, rect, format);
}

int DrawTextW(HDC hdc, std::u16string_view text, Rect* rect, uint32_t format) {
    return DrawTextUtf8(hdc, utf16::ToUtf8(text), rect, format);
}

bool TextOut(HDC hdc, int32_t x, int32_t y, std::string_view text) {
    DcObject* dc = gdi::FindDc(hdc);
    if (!dc || !CoordinateAllowed(x) || !CoordinateAllowed(y))
        return false;
    gdi::LayoutOptions o;
    o.singleLine = true;
    o.prefix = false;
    const auto layout = gdi::LayoutText(FaceOf(*dc), text, o);
    DrawLayout(*dc, *layout, {dc->toSurfaceX(x), dc->toSurfaceY(y), 0, dc->toSurfaceY(y), DT_LEFT},
               dc->effectiveClip());
    return true;
}

bool GetTextExtentPoint32(HDC hdc, std::string_view text, Size* size) {
    DcObject* dc = gdi::FindDc(hdc);
    if (!dc || !size)
        return false;
    gdi::LayoutOptions o;
    o.singleLine = true;
    o.prefix = false;
    const auto face = FaceOf(*dc);
    const auto layout = gdi::LayoutText(face, text, o);
    *size = {layout->width(), face->metrics().height};
    return true;
}

bool GetTextMetrics(HDC hdc, TEXTMETRIC* tm) {
    DcObject* dc = gdi::FindDc(hdc);
    if (!dc || !tm)
        return false;
    const auto face = FaceOf(*dc);
    const gdi::FontMetrics& m = face->metrics();
    const LOGFONT& f = face->logFont();
    *tm = {};
    tm->tmHeight = m.height;
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.descent;
    tm->tmInternalLeading = std::max(0, m.height - m.emHeight);
    tm->tmAveCharWidth = m.aveCharWidth;
    tm->tmMaxCharWidth = m.maxCharWidth;
    tm->tmWeight = f.lfWeight <= 0 ? FW_NORMAL : f.lfWeight;
    tm->tmItalic = f.lfItalic;
    tm->tmUnderlined = f.lfUnderline;
    tm->tmStruckOut = f.lfStrikeOut;
    tm->tmCharSet = f.lfCharSet;
    return true;
}

}  // namespace platform
