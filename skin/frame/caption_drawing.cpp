#include "skin/frame/caption_drawing.h"

#include <algorithm>

#include "platform/gfx/dc.h"
#include "platform/gfx/text.h"
#include "skin/render/bars.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/text_effects.h"
#include "skin/render/text_encoding.h"
#include "skin/render/text_output.h"

namespace skin {

using namespace platform;

Rect CaptionTextArea(const TbsDataSkinCaption& c, const Rect& objectRect) {
    if (IsEmptyRect(c.TextRect))
        return {};
    Rect area = ClampRect(c.TextRect);
    area.Right =
        ClampCoordinate(int64_t(WidthOfRect(objectRect)) + area.Right - WidthOfRect(ClampRect(c.SkinRect)));
    return {ClampCoordinate(int64_t(area.Left) + objectRect.Left),
            ClampCoordinate(int64_t(area.Top) + objectRect.Top),
            ClampCoordinate(int64_t(area.Right) + objectRect.Left),
            ClampCoordinate(int64_t(area.Bottom) + objectRect.Top)};
}

namespace {

enum class TextEffect { Plain, Glow, Halo, Reflection };

TextEffect EffectOf(const TbsDataSkinCaption& c, bool active) {
    if (c.ReflectionEffect)
        return TextEffect::Reflection;
    if (c.VistaGlowEffect && (active || c.VistaGlowInActiveEffect))
        return TextEffect::Halo;
    if (c.GlowEffect && (active || c.GlowInActiveEffect))
        return TextEffect::Glow;
    return TextEffect::Plain;
}

void DrawAt(HDC dc, const std::u16string& text, const Rect& at, COLORREF colour, uint32_t flags) {
    SetTextColor(dc, colour);
    Rect r = at;
    DrawTextUnicode(dc, text, r, flags);
}

}  // namespace

void DrawCaptionText(HDC dc, const TbsDataSkinCaption& c, const Rect& area, std::u16string text,
                     const CaptionTextStyle& style) {
    if (text.empty() || IsEmptyRect(area))
        return;
    HFONT font = CreateFontIndirect(style.font);
    HGDIOBJ previous = SelectObject(dc, font);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    FitTextWithEllipsis(dc, text, WidthOfRect(area));
    const int32_t tw = MeasureTextWidth(dc, text), th = MeasureTextHeight(dc, text);
    const int32_t y = area.Top + HeightOfRect(area) / 2 - th / 2;
    int32_t x = area.Left + WidthOfRect(area) / 2 - tw / 2;
    if (!style.centred && c.Alignment == TAlignment::taLeftJustify)
        x = area.Left;
    else if (!style.centred && c.Alignment == TAlignment::taRightJustify)
        x = area.Right - tw;
    const Rect at = rectOfSize(x, y, tw, th);
    const bool active = style.active;
    const uint32_t flags = style.readingFlags;
    if (c.Light)
        DrawAt(dc, text, at.offsetBy(-1, -1), active ? c.ActiveLightColor : c.LightColor, flags);
    if (c.Shadow)
        DrawAt(dc, text, at.offsetBy(1, 1), active ? c.ActiveShadowColor : c.ShadowColor, flags);
    const COLORREF colour = active ? c.ActiveFontColor : c.FontColor;
    SetTextColor(dc, colour);
    switch (EffectOf(c, active)) {
        case TextEffect::Reflection:
            DrawReflectedText(dc, at, Utf8FromUtf16(text), flags, c.ReflectionOffset,
                              active ? c.ReflectionActiveColor : c.ReflectionColor);
            break;
        case TextEffect::Halo:
            DrawHaloText12(dc, at, text, flags, active ? c.GlowActiveColor : c.GlowColor);
            break;
        case TextEffect::Glow:
            DrawGlowText(dc, at, text, flags, c.GlowOffset, active ? c.GlowActiveColor : c.GlowColor,
                         c.GlowSize);
            break;
        case TextEffect::Plain:
            DrawAt(dc, text, at, colour, flags);
            break;
    }
    SetBkMode(dc, previousMode);
    SelectObject(dc, previous);
    DeleteObject(font);
}

void ComposeCaptionFace(Picture& face, Size size, const Picture& picture, const Rect& from,
                        const TbsDataSkinCaption& caption, const NinePartLayout& frameLayout) {
    const Rect skin = ClampRect(caption.SkinRect);
    const BarEnds ends{std::max(0, frameLayout.LT.X - skin.Left), std::max(0, skin.Right - frameLayout.RT.X)};
    if (ends.first == 0 && ends.last == 0) {
        SetPictureSize(face, size.cx, size.cy);
        CopyPictureRect(face, face.bounds(), picture, from);
        return;
    }
    ComposeHorizontalBar(ends, face, picture, from, size.cx, caption.StretchEffect);
}

}  // namespace skin
