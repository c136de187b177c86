#include "skin/menus/skin_hint_window.h"

#include <algorithm>
#include <vector>

#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "platform/window/metrics.h"
#include "platform/window/window.h"
#include "skin/controls/skin_fonts.h"
#include "skin/data/skin_data.h"
#include "skin/menus/hint_geometry.h"
#include "skin/menus/menu_skin.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/window_fade.h"
#include "skin/render/layered_windows.h"
#include "skin/render/mask_region.h"
#include "skin/render/monitor_area.h"
#include "skin/render/nine_part_image.h"
#include "skin/render/platform_calls.h"

namespace skin {

using framework::TBitmap;
using framework::TCanvas;
using platform::Rect;
using platform::Size;

namespace {

std::vector<TbsSkinHintWindow*>& LiveWindows() {
    static std::vector<TbsSkinHintWindow*> windows;
    return windows;
}

NinePartLayout HintWindowLayout(const TbsDataSkinHintWindow& r) {
    return {r.LeftTopPoint, r.RightTopPoint, r.LeftBottomPoint, r.RightBottomPoint, r.ClientRect};
}

// The record and picture a hint of this component is skinned with, or nulls.
struct HintSkin {
    const TbsDataSkinHintWindow* record = nullptr;
    const Picture* picture = nullptr;
    const Picture* mask = nullptr;
};
HintSkin HintSkinOf(const TbsSkinHint* hint) {
    const TbsSkinData* data = hint ? hint->SkinData() : nullptr;
    if (!hint || !hint->Active() || !data || data->Empty() || data->HintWindow().WindowPictureIndex == -1)
        return {};
    const TbsDataSkinHintWindow& record = data->HintWindow();
    const Picture* picture = SkinPictureAt(*data, record.WindowPictureIndex);
    if (!picture)
        return {};
    return {&record, picture, SkinPictureAt(*data, record.MaskPictureIndex)};
}

// Each line separator becomes a line break.
std::string WithLineBreaks(std::string text, const std::string& separator) {
    if (separator.empty())
        return text;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at + 2))
        text.replace(at, separator.size(), "\r\n");
    return text;
}

Size Extent(TCanvas& canvas, const std::string& text) {
    if (text.empty())
        return {};
    Rect r{0, 0, 0, 0};
    canvas.DrawText(text, r, platform::DT_CALCRECT);
    return {r.width(), r.height()};
}

}  // namespace

void ForgetSkinHint(const TbsSkinHint* hint) {
    for (TbsSkinHintWindow* window : LiveWindows()) window->Forget(hint);
}

TbsSkinHintWindow::TbsSkinHintWindow(framework::TComponent* owner, TbsSkinHint* component)
    : THintWindow(owner), fixed_(component) {
    LiveWindows().push_back(this);
}

TbsSkinHintWindow::~TbsSkinHintWindow() {
    std::erase(LiveWindows(), this);
}

void TbsSkinHintWindow::Forget(const TbsSkinHint* hint) {
    if (shownFor_ != hint)
        return;
    shownFor_ = nullptr;
    if (HintShowing())
        ReleaseHintWindow();
}

void TbsSkinHintWindow::CreateParams(framework::TCreateParams& params) {
    THintWindow::CreateParams(params);
    params.Style &= ~platform::WS_BORDER;
    if (IsOsVersion51OrLater())
        params.ClassStyle |= platform::CS_DROPSHADOW;
}

void TbsSkinHintWindow::Dispatch(framework::TMessage& message) {
    if (message.Msg == platform::WM_ERASEBKGND) {
        // Painting covers every pixel.
        message.Result = 1;
        return;
    }
    THintWindow::Dispatch(message);
}

TbsSkinHint* TbsSkinHintWindow::Component() const {
    return fixed_ ? fixed_ : FindActiveSkinHint();
}

bool TbsSkinHintWindow::Variant() const {
    return !title_.empty() || images_;
}

void TbsSkinHintWindow::Prepare(const TbsSkinHint& hint, const std::string& text) {
    shownFor_ = &hint;
    const HintSkin skin = HintSkinOf(&hint);
    skinned_ = skin.record != nullptr;
    const SkinFontKeys keys =
        skinned_ ? SkinFontKeys{skin.record->FontName, skin.record->FontHeight, skin.record->FontStyle}
                 : SkinFontKeys{};
    AssignSkinFont(Font(), skinned_ ? &keys : nullptr, hint.UseSkinFont(), hint.DefaultFont(),
                   hint.SkinData(),
                   skinned_ ? skin.record->FontColor : platform::SystemColor(platform::COLOR_INFOTEXT));
    SetCaption(WithLineBreaks(text, hint.LineSeparator()));
    title_ = hint.HintTitle();
    images_ = hint.HintImageList();
    imageIndex_ = hint.HintImageIndex();
}

TbsSkinHintWindow::Measured TbsSkinHintWindow::Measure() {
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font().Assign(Font());
    Measured m;
    m.text = Extent(canvas, Caption());
    if (!title_.empty()) {
        canvas.Font().SetStyle(
            framework::TFontStyles(canvas.Font().Style()).insert(framework::TFontStyle::fsBold));
        m.title = Extent(canvas, title_);
    }
    if (images_)
        m.image = {images_->Width(), images_->Height()};
    return m;
}

Size TbsSkinHintWindow::ContentSize(const Measured& m) const {
    if (!Variant())
        return m.text;
    Size content{std::max(m.text.cx, m.title.cx), m.text.cy + (m.title.cy > 0 ? m.title.cy + 10 : 0)};
    if (images_) {
        content.cx += m.image.cx + 10;
        content.cy = std::max(content.cy, m.image.cy + m.title.cy + 5);
    }
    return content;
}

Size TbsSkinHintWindow::SizeFor(const Measured& m) {
    const Rect limit = Limit();
    const Size maximum{limit.width(), limit.height()};
    const Size content = ContentSize(m);
    const HintSkin skin = HintSkinOf(shownFor_);
    if (skinned_ && skin.record) {
        const HintLayout l =
            SkinnedHintLayout({skin.picture->width(), skin.picture->height()}, HintWindowLayout(*skin.record),
                              content, Variant() ? 10 : 5, maximum);
        layout_ = l.newLayout;
        return l.size;
    }
    const Size size = PlainHintSize(content, maximum);
    layout_ = NinePartLayout{};
    layout_.Cl = {2, 2, size.cx - 2, size.cy - 2};
    return size;
}

Rect TbsSkinHintWindow::Limit() const {
    Rect limit{0, 0, platform::GetSystemMetrics(platform::SM_CXSCREEN),
               platform::GetSystemMetrics(platform::SM_CYSCREEN)};
    framework::TForm* form = framework::Application ? framework::Application->ActiveForm() : nullptr;
    if (!form && framework::Application && framework::Application->MainForm() &&
        framework::Application->MainForm()->Visible())
        form = framework::Application->MainForm();
    if (form && form->HandleAllocated())
        MonitorAreaOf(form->Handle(), true, limit);
    return limit;
}

Rect TbsSkinHintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    TbsSkinHint* component = Component();
    if (!component)
        return THintWindow::CalcHintRect(maxWidth, hint);
    Prepare(*component, hint);
    measured_ = Measure();
    const Size size = SizeFor(measured_);
    return {0, 0, size.cx, size.cy};
}

void TbsSkinHintWindow::ActivateHint(Rect rect, const std::string& hint) {
    TbsSkinHint* component = Component();
    if (!component) {
        // Hints show in the skin's look only while some TbsSkinHint exists; after the last one
        // went they are the framework's own again.
        if (!AnySkinHint())
            THintWindow::ActivateHint(rect, hint);
        return;
    }
    const bool variant = !component->HintTitle().empty() || component->HintImageList();
    if (!variant && !component->Active())
        return;
    Prepare(*component, hint);
    measured_ = Measure();
    const Size size = SizeFor(measured_);
    const Rect bounds = PlaceHint(rect.topLeft(), size, Limit());
    SetBoundsRect(bounds);
    if (!Handle())
        return;
    ApplyLayering(*component);
    ApplyRegion();
    ShowPopup(bounds);
    Invalidate();
    Update();
    if (layered_ && component->AlphaBlend() && component->AlphaBlendAnimation()) {
        const platform::HWND window = Handle();
        FadeIn(component->AlphaBlendValue(), 3, [this, window](uint8_t alpha) {
            Update();
            SetWindowAlpha(window, alpha);
            alpha_ = alpha;
        });
    }
}

void TbsSkinHintWindow::ApplyLayering(const TbsSkinHint& hint) {
    if (!AlphaWindowsShown())
        return;
    const platform::HWND window = Handle();
    const auto exStyle = platform::GetWindowLongPtr(window, platform::GWL_EXSTYLE);
    if (hint.AlphaBlend() && !layered_) {
        platform::SetWindowLongPtr(window, platform::GWL_EXSTYLE, exStyle | platform::WS_EX_LAYERED);
        layered_ = true;
        alphaApplied_ = false;
    } else if (!hint.AlphaBlend() && layered_) {
        platform::SetWindowLongPtr(window, platform::GWL_EXSTYLE,
                                   exStyle & ~platform::LONG_PTR(platform::WS_EX_LAYERED));
        layered_ = false;
    }
    if (!hint.AlphaBlend())
        return;
    const uint8_t alpha = hint.AlphaBlendAnimation() ? 0 : hint.AlphaBlendValue();
    if (hint.AlphaBlendAnimation() || !alphaApplied_ || alpha_ != alpha) {
        SetWindowAlpha(window, alpha);
        alpha_ = alpha;
        alphaApplied_ = true;
    }
}

void TbsSkinHintWindow::ApplyRegion() {
    const HintSkin skin = HintSkinOf(shownFor_);
    platform::HRGN region = nullptr;
    if (skinned_ && skin.mask)
        region = BuildFrameRegion(HintWindowLayout(*skin.record), layout_, *skin.mask, {Width(), Height()});
    // The window owns the region from here on (none: not shaped).
    platform::SetWindowRgn(Handle(), region, false);
}

Rect TbsSkinHintWindow::TextRect() const {
    if (skinned_ && !Variant())
        return CentredText(layout_.Cl, measured_.text);
    const Rect& area = layout_.Cl;
    return platform::rectOfSize(area.Left, area.Top, measured_.text.cx, measured_.text.cy);
}

void TbsSkinHintWindow::Paint() {
    const Size size{Width(), Height()};
    if (size.cx <= 0 || size.cy <= 0)
        return;
    TBitmap buffer;
    buffer.SetSize(size.cx, size.cy);
    TCanvas& canvas = buffer.Canvas();
    const HintSkin skin = HintSkinOf(shownFor_);
    if (skinned_ && skin.record) {
        const TbsDataSkinHintWindow& r = *skin.record;
        ComposeNinePartImage(HintWindowLayout(r), layout_, buffer.Surface(), *skin.picture,
                             skin.picture->bounds(), size,
                             {r.LeftStretch, r.TopStretch, r.RightStretch, r.BottomStretch},
                             {true, r.StretchEffect, r.StretchType});
    } else {
        canvas.Brush().SetColor(platform::SystemColor(platform::COLOR_INFOBK));
        canvas.FillRect({0, 0, size.cx, size.cy});
        canvas.Brush().SetColor(platform::clBtnShadow);
        canvas.FrameRect({0, 0, size.cx, size.cy});
    }
    PaintContent(buffer.Canvas());
    Canvas().Draw(0, 0, buffer);
}

void TbsSkinHintWindow::PaintContent(TCanvas& canvas) {
    canvas.Font().Assign(Font());
    canvas.Brush().SetStyle(framework::TBrushStyle::bsClear);
    Rect text = TextRect();
    if (!Variant()) {
        canvas.DrawText(Caption(), text, 0);
        return;
    }
    // The title in bold above the text; the image left of both.
    const Rect& area = layout_.Cl;
    int32_t x = area.Left;
    if (images_) {
        const int32_t imageTop = area.Top + (measured_.title.cy > 0 ? measured_.title.cy + 5 : 0);
        images_->Draw(canvas, x, imageTop, imageIndex_);
        x += measured_.image.cx + 10;
    }
    int32_t y = area.Top;
    if (!title_.empty()) {
        canvas.Font().SetStyle(
            framework::TFontStyles(canvas.Font().Style()).insert(framework::TFontStyle::fsBold));
        Rect title = platform::rectOfSize(x, y, measured_.title.cx, measured_.title.cy);
        canvas.DrawText(title_, title, 0);
        canvas.Font().Assign(Font());
        canvas.Brush().SetStyle(framework::TBrushStyle::bsClear);
        y += measured_.title.cy + 10;
    }
    text = platform::rectOfSize(x, y, measured_.text.cx, measured_.text.cy);
    canvas.DrawText(Caption(), text, 0);
}

}  // namespace skin
