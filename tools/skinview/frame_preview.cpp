#include "tools/skinview/frame_preview.h"

#include <algorithm>

#include "platform/gfx/dc.h"
#include "platform/gfx/font.h"
#include "platform/gfx/text.h"
#include "skin/render/bars.h"
#include "skin/render/effect_bitmap.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/skin_font.h"
#include "skin/render/text_effects.h"
#include "skin/render/text_encoding.h"
#include "skin/render/text_output.h"

namespace tools {

using namespace platform;
using namespace skin;

FrameGeometry CalcFrameGeometry(const TbsSkinData& data, Size size) {
    const TbsFormInfo& fi = data.FormInfo();
    FrameGeometry g;
    g.picture = {data.FramePicture().Width(), data.FramePicture().Height()};
    g.layout = {fi.LeftTopPoint, fi.RightTopPoint, fi.LeftBottomPoint, fi.RightBottomPoint, fi.ClientRect};
    g.newLayout = ResizeLayout(g.picture, g.layout, size);
    const int32_t dW = size.cx - g.picture.cx;
    g.captionArea = fi.CaptionRect;
    if (!IsEmptyRect(g.captionArea))
        g.captionArea.Right += dW;
    g.buttonsArea = fi.ButtonsRect;
    if (!IsEmptyRect(g.buttonsArea) && g.buttonsArea.Left > g.picture.cx / 2)
        g.buttonsArea = g.buttonsArea.offsetBy(dW, 0);
    return g;
}

Rect MapSkinRect(const FrameGeometry& g, const Rect& r) {
    const NinePartLayout& l = g.layout;
    const Size p = g.picture;
    const Rect topLeft{0, 0, l.LT.X, l.LT.Y}, topRight{l.RT.X, 0, p.cx, l.RT.Y};
    const Rect bottomLeft{0, l.LB.Y, l.LB.X, p.cy}, bottomRight{l.RB.X, l.RB.Y, p.cx, p.cy};
    const int32_t dx = g.newLayout.RB.X - l.RB.X, dy = g.newLayout.RB.Y - l.RB.Y;
    if (RectInsideRect(r, topLeft))
        return r;
    if (RectInsideRect(r, topRight))
        return r.offsetBy(dx, 0);
    if (RectInsideRect(r, bottomLeft))
        return r.offsetBy(0, dy);
    if (RectInsideRect(r, bottomRight))
        return r.offsetBy(dx, dy);
    const Point a{r.Left, r.Top}, b{r.Right, r.Bottom};
    if (topLeft.contains(a) && bottomRight.contains(b))
        return {r.Left, r.Top, r.Right + dx, r.Bottom + dy};
    if (topLeft.contains(a) && topRight.contains(b))
        return {r.Left, r.Top, r.Right + dx, r.Bottom};
    if (bottomLeft.contains(a) && bottomRight.contains(b))
        return Rect{r.Left, r.Top, r.Right + dx, r.Bottom}.offsetBy(0, dy);
    if (topLeft.contains(a) && bottomLeft.contains(b))
        return {r.Left, r.Top, r.Right, r.Bottom + dy};
    if (topRight.contains(a) && bottomRight.contains(b))
        return Rect{r.Left, r.Top, r.Right, r.Bottom + dy}.offsetBy(dx, 0);
    return r;
}

namespace {

// The command of a caption button or an animation, if the object has one.
std::optional<TStdCommand> CommandOf(const TbsDataSkinObject& record) {
    if (record.TypeName() == TbsDataSkinStdButton::kTypeName)
        return static_cast<const TbsDataSkinStdButton&>(record).Command;
    if (const auto* a = dynamic_cast<const TbsDataSkinAnimate*>(&record))
        return a->Command;
    return std::nullopt;
}

bool IsFrameObjectType(std::string_view type) {
    return type == TbsDataSkinStdButton::kTypeName || type == TbsDataSkinButton::kTypeName ||
           type == TbsDataSkinCaption::kTypeName || type == TbsDataSkinAnimate::kTypeName ||
           type == TbsDataUserObject::kTypeName;
}

// Whether a caption button shows, by its command and the border icons: one the window does not
// offer disappears when it is drawn from a picture of its own and stays (inert) when it is part of
// the frame picture; a custom button shows only when a handler asks for it, and skinview has none.
bool ButtonVisible(const TbsDataSkinObject& record, TStdCommand command, const BorderIcons& icons) {
    bool enabled = true;
    switch (command) {
        case TStdCommand::cmClose:
            return true;
        case TStdCommand::cmDefault:
            return false;
        case TStdCommand::cmMaximize:
            enabled = icons.maximize;
            break;
        case TStdCommand::cmMinimize:
            enabled = icons.minimize;
            break;
        case TStdCommand::cmSysMenu:
            enabled = icons.systemMenu;
            break;
        case TStdCommand::cmRollUp:
            enabled = icons.rollUp;
            break;
        case TStdCommand::cmMinimizeToTray:
            enabled = icons.minimizeToTray;
            break;
    }
    return record.SkinRectInAPicture ? enabled : true;
}

Size SizeOf(const Rect& r) {
    return {r.width(), r.height()};
}

}  // namespace

std::vector<FrameObject> LayoutFrameObjects(const TbsSkinData& data, const FrameGeometry& g,
                                            const BorderIcons& icons) {
    std::vector<FrameObject> objects;
    for (const auto& record : data.SkinObjects()) {
        if (!IsFrameObjectType(record->TypeName()))
            continue;
        FrameObject o{record.get(), record->SkinRect, true};
        const auto command = CommandOf(*record);
        const auto* animate = dynamic_cast<const TbsDataSkinAnimate*>(record.get());
        if (command && (!animate || animate->ButtonStyle))
            o.visible = ButtonVisible(*record, *command, icons);
        if (!record->SkinRectInAPicture)
            o.rect = MapSkinRect(g, record->SkinRect);
        objects.push_back(o);
    }
    const Rect area = !IsEmptyRect(g.buttonsArea) ? g.buttonsArea : g.captionArea;
    if (IsEmptyRect(area))
        return objects;
    const bool inLeft = data.FormInfo().ButtonsInLeft;
    const int32_t offset = data.FormInfo().ButtonsOffset;
    auto placed = [](const FrameObject& o) { return o.visible && o.record->SkinRectInAPicture; };
    auto firstWith = [&](TStdCommand c) -> FrameObject* {
        for (FrameObject& o : objects)
            if (placed(o) && CommandOf(*o.record) == c)
                return &o;
        return nullptr;
    };
    FrameObject* caption = nullptr;
    for (FrameObject& o : objects)
        if (!caption && o.record->TypeName() == TbsDataSkinCaption::kTypeName)
            caption = &o;

    int32_t x = inLeft ? area.Left : area.Right;
    auto place = [&](FrameObject& o) {
        const Size s = SizeOf(o.record->SkinRect);
        o.rect = inLeft ? rectOfSize(x, area.Top, s.cx, s.cy) : Rect{x - s.cx, area.Top, x, area.Top + s.cy};
        x += inLeft ? s.cx + offset : -(s.cx + offset);
    };
    for (TStdCommand c : {TStdCommand::cmClose, TStdCommand::cmMaximize, TStdCommand::cmMinimize,
                          TStdCommand::cmRollUp, TStdCommand::cmMinimizeToTray})
        if (FrameObject* o = firstWith(c))
            place(*o);
    for (FrameObject& o : objects)
        if (placed(o) && CommandOf(*o.record) == TStdCommand::cmDefault)
            place(o);

    FrameObject* sysMenu = firstWith(TStdCommand::cmSysMenu);
    if (!inLeft) {
        if (IsEmptyRect(g.buttonsArea) && caption)
            caption->rect.Right = x + offset;
        if (sysMenu) {
            const Size s = SizeOf(sysMenu->record->SkinRect);
            const Rect& c = g.captionArea;
            const int32_t top = c.Top + c.height() / 2 - s.cy / 2;
            sysMenu->rect = rectOfSize(c.Left, top, s.cx, s.cy);
            if (caption)
                caption->rect.Left = sysMenu->rect.Right;
        }
    } else if (IsEmptyRect(g.buttonsArea)) {
        if (sysMenu)
            place(*sysMenu);
        if (caption)
            caption->rect.Left = x + offset;
    }
    return objects;
}

namespace {

const framework::TBitmap* ActivePicture(const TbsSkinData& data, const TbsDataSkinObject& record) {
    const auto& pictures = data.ActivePictures();
    const int32_t i = record.ActivePictureIndex;
    return i >= 0 && size_t(i) < pictures.size() ? &pictures[size_t(i)] : nullptr;
}

// A caption button or animation at rest: its inactive face on an inactive window, its normal face
// when that lies in a picture of its own (a face in the frame picture is already on the strip).
void DrawButton(const TbsSkinData& data, const FrameObject& o, bool active, Picture& strip, const Rect& at) {
    const framework::TBitmap* picture = ActivePicture(data, *o.record);
    if (!picture)
        return;
    Rect face;
    if (!active && !IsEmptyRect(o.record->InActiveSkinRect)) {
        face = o.record->InActiveSkinRect;
    } else if (o.record->SkinRectInAPicture) {
        face = o.record->SkinRect;
        if (o.record->TypeName() == TbsDataSkinAnimate::kTypeName)  // frame 1 of the animation
            face = rectOfSize(o.record->ActiveSkinRect.Left, o.record->ActiveSkinRect.Top, face.width(),
                              face.height());
    } else {
        return;
    }
    CopyPictureRect(strip, at, picture->Surface(), face);
}

// Draws one line of text in a font and colour at a rectangle.
struct TextPen {
    HDC dc;
    Rect rect;
    std::u16string text;
    void draw(COLORREF colour, int32_t dx, int32_t dy) const {
        SetTextColor(dc, colour);
        Rect r = rect.offsetBy(dx, dy);
        DrawTextUnicode(dc, text, r, 0);
    }
};

CaptionEffect RecordEffect(const TbsDataSkinCaption& c, bool active) {
    if (c.ReflectionEffect)
        return CaptionEffect::Reflection;
    if (c.VistaGlowEffect && (active || c.VistaGlowInActiveEffect))
        return CaptionEffect::Halo;
    if (c.GlowEffect && (active || c.GlowInActiveEffect))
        return CaptionEffect::Glow;
    return CaptionEffect::Plain;
}

// The caption text of the caption object at `at` (strip coordinates) on the canvas.
void DrawCaptionText(HDC dc, const TbsDataSkinCaption& c, const Rect& at,
                     const FramePreviewOptions& options) {
    const bool active = options.active;
    Rect area = c.TextRect;
    area.Right = at.width() + c.TextRect.Right - c.SkinRect.width();
    if (options.caption.empty() || IsEmptyRect(c.TextRect))
        return;
    HFONT font =
        CreateFontIndirect(LogFontOf({c.FontName, c.FontHeight, c.FontStyle}, platform::DEFAULT_CHARSET));
    HGDIOBJ previous = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    std::u16string text = Utf16FromUtf8(options.caption);
    FitTextWithEllipsis(dc, text, area.width());
    const int32_t tw = MeasureTextWidth(dc, text), th = MeasureTextHeight(dc, text);
    const int32_t y = area.Top + area.height() / 2 - th / 2;
    int32_t x = area.Left + area.width() / 2 - tw / 2;
    if (c.Alignment == TAlignment::taLeftJustify)
        x = area.Left;
    if (c.Alignment == TAlignment::taRightJustify)
        x = area.Right - tw;
    const TextPen pen{dc, rectOfSize(at.Left + x, at.Top + y, tw, th), text};
    if (c.Light)
        pen.draw(active ? c.ActiveLightColor : c.LightColor, -1, -1);
    if (c.Shadow)
        pen.draw(active ? c.ActiveShadowColor : c.ShadowColor, 1, 1);
    SetTextColor(dc, active ? c.ActiveFontColor : c.FontColor);
    const COLORREF glow = options.effectColour.value_or(active ? c.GlowActiveColor : c.GlowColor);
    const COLORREF reflection =
        options.effectColour.value_or(active ? c.ReflectionActiveColor : c.ReflectionColor);
    switch (options.captionEffect.value_or(RecordEffect(c, active))) {
        case CaptionEffect::Reflection:
            DrawReflectedText(dc, pen.rect, Utf8FromUtf16(text), 0, c.ReflectionOffset, reflection);
            break;
        case CaptionEffect::Halo:
            DrawHaloText12(dc, pen.rect, text, 0, glow);
            break;
        case CaptionEffect::Glow:
            DrawGlowText(dc, pen.rect, text, 0, c.GlowOffset, glow, options.glowSize.value_or(c.GlowSize));
            break;
        case CaptionEffect::Plain:
            pen.draw(active ? c.ActiveFontColor : c.FontColor, 0, 0);
            break;
    }
    SelectObject(dc, previous);
    DeleteObject(font);
}

// The caption bar: its text straight onto the strip when its face is part of the frame picture,
// else its own face (the active face from its picture, ends kept and middle stretched or tiled)
// with the text on it.
void DrawCaption(const TbsSkinData& data, const FrameGeometry& g, const FrameObject& o,
                 const FramePreviewOptions& options, Picture& strip, const Rect& at) {
    const auto& c = static_cast<const TbsDataSkinCaption&>(*o.record);
    const framework::TBitmap* picture = ActivePicture(data, c);
    const bool ownFace = options.active && picture && !IsEmptyRect(c.ActiveSkinRect);
    if (!ownFace) {
        HDC dc = CreateSurfaceDC(&strip, {0, 0}, nullptr);
        DrawCaptionText(dc, c, at, options);
        DeleteDC(dc);
        return;
    }
    const BarEnds ends{std::max(0, g.layout.LT.X - c.SkinRect.Left),
                       std::max(0, c.SkinRect.Right - g.layout.RT.X)};
    Picture face(at.width(), at.height());
    if (ends.first == 0 && ends.last == 0)
        CopyPictureRect(face, face.bounds(), picture->Surface(), c.ActiveSkinRect);
    else
        ComposeHorizontalBar(ends, face, picture->Surface(), c.ActiveSkinRect, at.width(), c.StretchEffect);
    HDC dc = CreateSurfaceDC(&face, {0, 0}, nullptr);
    DrawCaptionText(dc, c, face.bounds(), options);
    DeleteDC(dc);
    CopyPictureRect(strip, at, face, face.bounds());
}

}  // namespace

void PaintFramePreview(const TbsSkinData& data, const FramePreviewOptions& options, Picture& window) {
    const FrameGeometry g = CalcFrameGeometry(data, options.size);
    const TbsFormInfo& fi = data.FormInfo();
    const bool inactivePicture = !options.active && !data.InactiveFramePicture().Empty();
    const Picture& source = (inactivePicture ? data.InactiveFramePicture() : data.FramePicture()).Surface();
    FrameStrips strips;
    ComposeFrameStrips(g.layout, g.newLayout, strips, source, source.bounds(), options.size,
                       {fi.LeftStretch, fi.TopStretch, fi.RightStretch, fi.BottomStretch});
    if (options.objects) {
        for (const FrameObject& o : LayoutFrameObjects(data, g, options.icons)) {
            if (!o.visible)
                continue;
            const bool lower = o.rect.Bottom > g.newLayout.Cl.Top;
            Picture& strip = lower ? strips.Bottom : strips.Top;
            const Rect at = lower ? o.rect.offsetBy(0, -g.newLayout.Cl.Bottom) : o.rect;
            if (o.record->TypeName() == TbsDataSkinCaption::kTypeName)
                DrawCaption(data, g, o, options, strip, at);
            else
                DrawButton(data, o, options.active, strip, at);
        }
    }
    if (!options.active && fi.AutoRenderingInActiveImage)
        for (Picture* strip : {&strips.Top, &strips.Left, &strips.Right, &strips.Bottom})
            ApplyInactiveEffect(*strip, fi.InActiveEffect);
    const FrameStripOrigins at = PlaceFrameStrips(strips, options.size);
    const std::pair<const Picture*, Point> placed[] = {{&strips.Top, at.Top},
                                                       {&strips.Left, at.Left},
                                                       {&strips.Right, at.Right},
                                                       {&strips.Bottom, at.Bottom}};
    for (const auto& [strip, origin] : placed)
        CopyPictureRect(window, rectOfSize(origin.X, origin.Y, strip->width(), strip->height()), *strip,
                        strip->bounds());
}

}  // namespace tools
