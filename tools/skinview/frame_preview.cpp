#include "tools/skinview/frame_preview.h"

#include <nlohmann/json.hpp>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "platform/display/compose.h"
#include "platform/display/headless_display.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/region.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/frame/skin_form.h"

namespace tools {

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

constexpr int32_t kMargin = 8;

// The caption record's effect switches and colours set for the preview's choice.
void OverrideCaptionEffect(skin::TbsSkinData& data, const FramePreviewOptions& o) {
    for (const auto& record : data.SkinObjects()) {
        auto* c = dynamic_cast<skin::TbsDataSkinCaption*>(record.get());
        if (!c)
            continue;
        if (o.captionEffect) {
            c->ReflectionEffect = *o.captionEffect == CaptionEffect::Reflection;
            c->VistaGlowEffect = c->VistaGlowInActiveEffect = *o.captionEffect == CaptionEffect::Halo;
            c->GlowEffect = c->GlowInActiveEffect = *o.captionEffect == CaptionEffect::Glow;
        }
        if (o.effectColor)
            c->GlowColor = c->GlowActiveColor = c->ReflectionColor = c->ReflectionActiveColor =
                *o.effectColor;
        if (o.glowSize)
            c->GlowSize = *o.glowSize;
    }
}

FrameLayoutReport ReportOf(const skin::TbsSkinForm& frame) {
    const skin::FrameGeometry& g = frame.Geometry();
    FrameLayoutReport r{g.newLayout.Cl, g.captionArea,  g.buttonsArea,
                        std::nullopt,   g.newLayout.LT, g.newLayout.RT,
                        g.newLayout.LB, g.newLayout.RB, {}};
    // A layered border that carries the frame lays the objects out on its top strip, above the
    // window: they are reported in window coordinates all the same.
    Point shift{0, 0};
    if (frame.LayeredBorderDrawsFrame()) {
        Rect bounds;
        platform::GetWindowRect(frame.OwnerForm()->Handle(), &bounds);
        const Point strip = frame.LayerBorder().StripOrigin();
        shift = {strip.X - bounds.Left, strip.Y - bounds.Top};
        const skin::LayerFrameAreas areas = frame.LayerBorder().FrameAreas();
        r.client = {0, 0, bounds.width(), bounds.height()};
        r.captionArea = areas.caption.offsetBy(shift.X, shift.Y);
        r.buttonsArea = areas.buttons.isEmpty() ? Rect{} : areas.buttons.offsetBy(shift.X, shift.Y);
    }
    for (const auto& o : frame.FrameObjects()) {
        const Rect at = o->ObjectRect.isEmpty() ? o->ObjectRect : o->ObjectRect.offsetBy(shift.X, shift.Y);
        r.objects.push_back({o->IDName(), o->Command(), o->Visible, at});
        if (const auto* caption = dynamic_cast<const skin::TbsSkinCaptionObject*>(o.get());
            caption && !r.captionTextArea && !caption->TextArea().isEmpty())
            r.captionTextArea = caption->TextArea().offsetBy(shift.X, shift.Y);
    }
    return r;
}

// The window (cut to its shape) with its layered border's strips around it, composed over the
// backdrop by the display's own composition.
void AddLayeredBorder(FramePreview& preview, const skin::TbsSkinForm& frame) {
    const skin::TbsFormLayerBorder& border = frame.LayerBorder();
    platform::HWND window = frame.OwnerForm()->Handle();
    Rect bounds;
    platform::GetWindowRect(window, &bounds);
    platform::HRGN region = platform::CreateRectRgn(0, 0, 0, 0);
    const bool shaped = platform::GetWindowRgn(window, region) != 0;
    const Rect outer = border.OuterRect();
    skin::Picture whole(outer.width(), outer.height());
    whole.fill(platform::PixelFromColor(kLayerBackdrop));
    const platform::ScreenLayer windowLayer{
        bounds, &preview.picture, shaped ? platform::RegionFromHandle(region) : nullptr, {}};
    platform::ComposeLayers(whole, outer.topLeft(), {&windowLayer, 1});
    border.ComposeOver(whole, outer.topLeft());
    platform::DeleteObject(region);
    preview.windowOrigin = {bounds.Left - outer.Left, bounds.Top - outer.Top};
    preview.picture = std::move(whole);
}

}  // namespace

FramePreview PreviewFrame(skin::TbsSkinData& data, const FramePreviewOptions& o, platform::COLORREF client) {
    OverrideCaptionEffect(data, o);
    platform::HeadlessDisplay::Options screen;
    screen.screen = {o.size.cx + 2 * kMargin,
                     o.size.cy + 2 * kMargin + platform::HeadlessDisplay::kTaskbarHeight};
    // The preview composes the layered border as a compositing desktop shows it, so a border
    // that carries the whole frame carries it here too; without it the form wears its own frame.
    screen.composesAlpha = o.layeredBorder;
    platform::HeadlessDisplay display(screen);
    framework::TApplication application;
    auto* form = application.CreateForm<framework::TForm>();
    form->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
    form->SetCaption(o.objects ? o.caption : std::string());
    auto* frame = new skin::TbsSkinForm(form);
    frame->SetBorderIcons(o.icons);
    frame->SetShowIcon(o.showIcon);
    frame->SetHideCaptionButtons(!o.objects);
    frame->SetSkinData(&data);
    form->SetBounds(kMargin, kMargin, o.size.cx, o.size.cy);
    form->Show();
    application.ProcessMessages();
    if (!o.active) {
        // Another window of the program takes the activation, as the fitting room does.
        auto* other = application.CreateForm<framework::TForm>();
        other->SetBounds(0, 0, 40, 40);
        other->Show();
        application.ProcessMessages();
    }
    FramePreview preview{skin::Picture(o.size.cx, o.size.cy), {}};
    preview.picture.fill(platform::PixelFromColor(client));
    platform::HDC dc = platform::CreateSurfaceDC(&preview.picture, {0, 0}, nullptr);
    platform::SendMessage(form->Handle(), skin::SKM_PRINTFRAME, platform::WPARAM(dc), 0);
    platform::DeleteDC(dc);
    preview.layout = ReportOf(*frame);
    if (o.layeredBorder && frame->LayerBorder().Shown())
        AddLayeredBorder(preview, *frame);
    return preview;
}

std::string LayoutJson(const FrameLayoutReport& layout) {
    using nlohmann::json;
    auto rect = [](const Rect& r) { return json::array({r.Left, r.Top, r.Right, r.Bottom}); };
    auto point = [](const Point& p) { return json::array({p.X, p.Y}); };
    json objects = json::array();
    for (const FrameObjectReport& o : layout.objects) {
        json command = nullptr;
        if (o.command)
            command = std::string(skin::EnumNames<skin::TStdCommand>::names[size_t(*o.command)]);
        objects.push_back(
            {{"name", o.name}, {"command", command}, {"visible", o.visible}, {"rect", rect(o.rect)}});
    }
    json j = {{"client", rect(layout.client)},
              {"caption_area", rect(layout.captionArea)},
              {"buttons_area", rect(layout.buttonsArea)},
              {"caption_text_area", layout.captionTextArea ? rect(*layout.captionTextArea) : json(nullptr)},
              {"lefttop", point(layout.leftTop)},
              {"righttop", point(layout.rightTop)},
              {"leftbottom", point(layout.leftBottom)},
              {"rightbottom", point(layout.rightBottom)},
              {"objects", objects}};
    return j.dump();
}

}  // namespace tools
