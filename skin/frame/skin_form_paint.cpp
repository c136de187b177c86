// Painting the frame: the skinned frame from four strips, the plain frame while no skin is applied,
// the client background, and single objects.
#include "framework/graphics/bitmap.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/text.h"
#include "platform/window/painting.h"
#include "platform/window/window_pos.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/render/effect_bitmap.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/text_encoding.h"
#include "skin/render/text_output.h"

namespace skin {

using namespace platform;

namespace {

// A window DC for the duration of a paint when the caller gave none.
class FrameDC {
  public:
    FrameDC(HWND window, HDC given)
        : window_(given ? nullptr : window), dc_(given ? given : GetWindowDC(window)) {}
    ~FrameDC() {
        if (window_ && dc_)
            ReleaseDC(window_, dc_);
    }
    FrameDC(const FrameDC&) = delete;
    FrameDC& operator=(const FrameDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

void Blit(HDC dc, Point at, const Picture& picture) {
    if (picture.isEmpty())
        return;
    HDC source = CreateSurfaceDC(const_cast<Picture*>(&picture), {0, 0}, nullptr);  // only read
    BitBlt(dc, at.X, at.Y, picture.width(), picture.height(), source, 0, 0, SRCCOPY);
    DeleteDC(source);
}

void FillSys(HDC dc, const Rect& r, int index) {
    FillRect(dc, r, GetSysColorBrush(index));
}

// A one-pixel ring: `light` along the top and left, `dark` along the bottom and right.
void Ring(HDC dc, const Rect& r, int light, int dark) {
    if (IsEmptyRect(r))
        return;
    FillSys(dc, {r.Left, r.Top, r.Right, r.Top + 1}, light);
    FillSys(dc, {r.Left, r.Top, r.Left + 1, r.Bottom}, light);
    FillSys(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, dark);
    FillSys(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, dark);
}

// Whether every piece the frame strips are cut from lies in the picture (points on its far edges
// included), so that composing them writes each of their pixels.
bool CornersInside(const NinePartLayout& l, const Rect& picture) {
    for (const Point p : {l.LT, l.RT, l.LB, l.RB})
        if (p.X < picture.Left || p.X > picture.Right || p.Y < picture.Top || p.Y > picture.Bottom)
            return false;
    return l.LT.X <= l.RT.X && l.LB.X <= l.RB.X && l.LT.Y <= l.LB.Y && l.RT.Y <= l.RB.Y;
}

Rect Shrunk(const Rect& r, int32_t by) {
    return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

}  // namespace

void TbsSkinForm::DrawStrips(HDC dc, const FrameStrips& strips, Size size) const {
    const FrameStripOrigins at = PlaceFrameStrips(strips, size);
    Blit(dc, at.Top, strips.Top);
    Blit(dc, at.Left, strips.Left);
    Blit(dc, at.Right, strips.Right);
    Blit(dc, at.Bottom, strips.Bottom);
}

void TbsSkinForm::PaintFrame(HDC given) {
    if (!skinData_ || skinData_->Empty())
        return;  // the skin data went away: what was painted stays until the next size change
    if (LayeredBorderDrawsFrame())
        return;  // the window has no frame of its own
    if (frameWidth_ == 0 || frameHeight_ == 0)
        TakeWindowSize();
    if (frameWidth_ < MinFormWidth() || frameHeight_ < MinFormHeight())
        return;
    CalcFrameGeometry();
    LayoutObjects();
    const bool active = IsFormActive();
    const TbsFormInfo& info = skinData_->FormInfo();
    const framework::TBitmap& picture = active || skinData_->InactiveFramePicture().Empty()
                                            ? skinData_->FramePicture()
                                            : skinData_->InactiveFramePicture();
    const Size size{frameWidth_, frameHeight_};
    // The strips are kept from paint to paint, so that painting again at the same size allocates
    // and clears nothing. Corner points outside the picture leave pixels of them unwritten, which
    // must not show the last paint: such a skin's strips start afresh, as black as new ones.
    if (!CornersInside(geometry_.layout, picture.Surface().bounds()))
        paintStrips_ = FrameStrips{};
    FrameStrips& strips = paintStrips_;
    ComposeFrameStrips(geometry_.layout, geometry_.newLayout, strips, picture.Surface(),
                       picture.Surface().bounds(), size,
                       {info.LeftStretch, info.TopStretch, info.RightStretch, info.BottomStretch});
    const int32_t clTop = geometry_.newLayout.Cl.Top;
    HDC top = strips.Top.isEmpty() ? nullptr : CreateSurfaceDC(&strips.Top, {0, 0}, nullptr);
    HDC bottom = strips.Bottom.isEmpty() ? nullptr : CreateSurfaceDC(&strips.Bottom, {0, 0}, nullptr);
    if (bottom)  // the bottom strip in window coordinates
        SetWindowOrgEx(bottom, 0, size.cy - strips.Bottom.height(), nullptr);
    for (const auto& o : objects_) {
        if (!o->Visible)
            continue;
        HDC canvas = o->ObjectRect.Bottom > clTop ? bottom : top;
        if (canvas)
            o->Draw(canvas, false);
    }
    if (top)
        DeleteDC(top);
    if (bottom)
        DeleteDC(bottom);
    if (!active && info.AutoRenderingInActiveImage)
        for (Picture* strip : {&strips.Top, &strips.Left, &strips.Right, &strips.Bottom})
            if (!strip->isEmpty())
                ApplyInactiveEffect(*strip, info.InActiveEffect);
    FrameDC dc(Window(), given);
    if (!dc.get())
        return;
    const int saved = SaveDC(dc.get());
    const Rect& cl = geometry_.newLayout.Cl;
    ExcludeClipRect(dc.get(), cl.Left, cl.Top, cl.Right, cl.Bottom);
    DrawStrips(dc.get(), strips, size);
    RestoreDC(dc.get(), saved);
}

void TbsSkinForm::PaintDefaultFrame(HDC given) {
    if (frameWidth_ == 0 || frameHeight_ == 0)
        TakeWindowSize();
    const Size size{frameWidth_, frameHeight_};
    const bool tool = ToolWindow();
    const DefaultFrameMetrics m = DefaultFrameMetricsFor(tool);
    if (objects_.empty())
        MakeDefaultButtons();
    std::vector<FrameObjectPlacement> placements = Placements();
    const Rect caption = LayoutDefaultFrameObjects(size, tool, placements,
                                                   showIcon_ ? std::optional(SmallIconSize()) : std::nullopt);
    ApplyPlacements(placements);

    // The caption picture covers (3, 3, W - 3, 3 + ch): window coordinates less 3.
    const int32_t pw = std::max(0, size.cx - 2 * kDefaultBorder);
    Picture picture(std::max(pw, 1), m.captionHeight);
    HDC pdc = CreateSurfaceDC(&picture, {0, 0}, nullptr);
    FillSys(pdc, picture.bounds(), COLOR_BTNFACE);
    const int32_t cl = caption.Left, cr = caption.Right;
    if (m.captionHeight - 4 > 1) {
        for (int32_t i = 0; i < m.captionHeight - 5; ++i)
            FillSys(pdc, {cl - 1, 2 + i, cr - 6, 3 + i}, i % 2 == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    }
    const bool active = IsFormActive();
    if (OnCaptionPaint) {
        OnCaptionPaint(pdc, {cl - 3, 0, cr - 3, m.captionHeight}, active);
    } else if (std::u16string text = CaptionText(); !text.empty()) {
        const framework::TFont& font = active ? defCaptionFont_ : defInActiveCaptionFont_;
        LOGFONT lf = font.LogFont();
        if (skinData_ && skinData_->ResourceStrData())
            lf.lfCharSet = skinData_->ResourceStrData()->CharSet();
        HFONT handle = CreateFontIndirect(lf);
        HGDIOBJ previous = SelectObject(pdc, handle);
        SetBkMode(pdc, TRANSPARENT);
        SetTextColor(pdc, ColorToRGB(font.Color()));
        const int32_t tw = cr - cl + 3;
        FitTextWithEllipsis(pdc, text, tw);
        const int32_t textWidth = MeasureTextWidth(pdc, text), textHeight = MeasureTextHeight(pdc, text);
        const int32_t x = (cl - 3) + tw / 2 - (textWidth + 5) / 2, y = m.captionHeight / 2 - textHeight / 2;
        const Rect at = rectOfSize(x, y, textWidth, textHeight);
        FillSys(pdc, Rect{at.Left - 2, at.Top - 2, at.Right + 2, at.Bottom + 2}, COLOR_BTNFACE);
        Rect r = at;
        DrawTextUnicode(pdc, text, r, 0);
        SelectObject(pdc, previous);
        DeleteObject(handle);
    }
    SetWindowOrgEx(pdc, kDefaultBorder, kDefaultBorder, nullptr);  // objects draw in window coordinates
    for (const auto& o : objects_)
        if (o->Visible)
            o->Draw(pdc, true);
    DeleteDC(pdc);

    FrameDC dc(Window(), given);
    if (!dc.get())
        return;
    const int saved = SaveDC(dc.get());
    const Rect client = DefaultClientArea(size, tool);
    ExcludeClipRect(dc.get(), client.Left, client.Top, client.Right, client.Bottom);
    if (pw > 0)
        Blit(dc.get(), {kDefaultBorder, kDefaultBorder}, picture);
    const Rect outer{0, 0, size.cx, size.cy};
    Ring(dc.get(), outer, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
    Ring(dc.get(), Shrunk(outer, 1), COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
    Ring(dc.get(), Shrunk(outer, 2), COLOR_BTNFACE, COLOR_BTNFACE);
    RestoreDC(dc.get(), saved);
}

void TbsSkinForm::PaintClientBackground(HDC dc) {
    if (!dc)
        return;
    Rect client{0, 0, form_->ClientWidth(), form_->ClientHeight()};
    if (HWND window = Window())
        GetClientRect(window, &client);
    const bool skinned = skinApplied_ && skinData_ && !skinData_->Empty();
    auto faceFill = [&] { FillSys(dc, client, COLOR_BTNFACE); };
    bool drawLogo = true;
    if (!skinned) {
        faceFill();
    } else {
        const TbsFormInfo& info = skinData_->FormInfo();
        const Picture* tileSource = &skinData_->FramePicture().Surface();
        Rect tileRect = ClampRect(info.ClientRect);
        const int32_t index = info.BGPictureIndex;
        if (index >= 0 && size_t(index) < skinData_->ActivePictures().size()) {
            tileSource = &skinData_->ActivePictures()[size_t(index)].Surface();
            tileRect = tileSource->bounds();
        }
        tileRect = intersect(tileRect, tileSource->bounds());
        if (IsEmptyRect(tileRect)) {
            faceFill();
            drawLogo = false;
        } else {
            Picture tile(tileRect.width(), tileRect.height());
            CopyPictureRect(tile, tile.bounds(), *tileSource, tileRect);
            const int32_t tw = tile.width(), th = tile.height();
            const int32_t W = frameWidth_ > 0 ? frameWidth_ : client.width();
            const int32_t H = frameHeight_ > 0 ? frameHeight_ : client.height();
            HDC source = CreateSurfaceDC(&tile, {0, 0}, nullptr);
            if (info.StretchEffect && !IsEmptyRect(client)) {
                switch (info.StretchType) {
                    case TStretchType::stFull:
                        StretchBlt(dc, 0, 0, W, H, source, 0, 0, tw, th, SRCCOPY);
                        break;
                    case TStretchType::stHorz:
                        for (int32_t i = 0; i <= W / tw; ++i)
                            StretchBlt(dc, i * tw, 0, tw, H, source, 0, 0, tw, th, SRCCOPY);
                        break;
                    case TStretchType::stVert:
                        for (int32_t j = 0; j <= H / th; ++j)
                            StretchBlt(dc, 0, j * th, W, th, source, 0, 0, tw, th, SRCCOPY);
                        break;
                }
            } else {
                for (int32_t i = 0; i <= client.width() / tw; ++i)
                    for (int32_t j = 0; j <= client.height() / th; ++j)
                        BitBlt(dc, i * tw, j * th, tw, th, source, 0, 0, SRCCOPY);
            }
            DeleteDC(source);
        }
    }
    if (drawLogo && !logo_.Empty()) {
        const int32_t x = std::max(0, client.width() / 2 - logo_.Width() / 2);
        const int32_t y = std::max(0, client.height() / 2 - logo_.Height() / 2);
        HDC source = CreateSurfaceDC(const_cast<Picture*>(&logo_.Surface()), {0, 0}, nullptr);
        if (logoTransparent_)
            TransparentBlt(dc, x, y, logo_.Width(), logo_.Height(), source, 0, 0, logo_.Width(),
                           logo_.Height(), ColorFromPixel(logo_.Surface().pixel(0, logo_.Height() - 1)));
        else
            BitBlt(dc, x, y, logo_.Width(), logo_.Height(), source, 0, 0, SRCCOPY);
        DeleteDC(source);
    }
}

void TbsSkinForm::RedrawObject(TbsActiveSkinObject& object) {
    if (LayeredBorderDrawsFrame()) {
        layerBorder_->Update();
        return;
    }
    if (BorderStyleNone())
        return;
    HWND window = Window();
    if (!window)
        return;
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    object.Draw(dc, true);
    ReleaseDC(window, dc);
}

}  // namespace skin
