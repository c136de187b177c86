// Painting the skinned tab strip: the frame and page background (or the built-in frame), the row
// of tabs composed in one picture with the selected tab drawn last over the frame, each tab's face
// with its caption, image and close box.
#include "framework/controls/control_look.h"
#include "framework/graphics/image_list.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/text.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "skin/controls/picture_turns.h"
#include "skin/controls/skin_fonts.h"
#include "skin/controls/skin_tab_control.h"
#include "skin/data/skin_data.h"
#include "skin/render/bars.h"
#include "skin/render/caption_layout.h"
#include "skin/render/frame_strips.h"
#include "skin/render/nine_part_image.h"
#include "skin/render/parent_background.h"

namespace skin {

using namespace framework;
using platform::HDC;
using platform::Rect;
using platform::Size;

namespace {

constexpr uint32_t kCaptionFormat =
    platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE | platform::DT_NOPREFIX;

// The tab images as the face drawers see an image list.
class TabImages final : public ImageList {
  public:
    explicit TabImages(const TImageList& list) : list_(list) {}
    Size ImageSize() const override { return {list_.Width(), list_.Height()}; }
    int32_t Count() const override { return list_.Count(); }
    void Draw(HDC canvas, int32_t x, int32_t y, int32_t index, bool enabled) const override {
        list_.Draw(canvas, x, y, index, enabled);
    }

  private:
    const TImageList& list_;
};

// A picture over a whole area: repeated from its origin, or stretched (type 0 both ways, 1 to the
// area's height and repeated across, 2 to its width and repeated down).
PieceFill FillOf(bool stretchEffect, TStretchType type) {
    if (!stretchEffect)
        return PieceFill::TileBoth;
    return type == TStretchType::stFull   ? PieceFill::Scale
           : type == TStretchType::stHorz ? PieceFill::TileX
                                          : PieceFill::TileY;
}

void DrawSurface(TCanvas& canvas, platform::Point at, platform::Surface& picture) {
    if (!picture.isEmpty())
        canvas.Draw(at.X, at.Y, picture);
}

}  // namespace

void TbsSkinTabControl::PaintWindow(HDC dc) {
    ReadTabSkin();
    canvas_->SetHandle(dc);
    try {
        if (!skin_)
            PaintDefaultFrame(*canvas_);
        else
            PaintClientFrame(*canvas_);
        DrawTabs(*canvas_);
    } catch (...) {
        canvas_->SetHandle(nullptr);
        throw;
    }
    canvas_->SetHandle(nullptr);
}

// --- Frame and background ------------------------------------------------------------------------

void TbsSkinTabControl::PaintDefaultFrame(TCanvas& canvas) {
    canvas.Brush().SetColor(platform::clBtnFace);
    canvas.FillRect(ClientRect());
    const Rect d = DisplayArea();
    canvas.Brush().SetColor(platform::clBtnShadow);
    canvas.FrameRect({d.Left - 1, d.Top - 1, d.Right + 1, d.Bottom + 1});
}

// The picture's `tile` over the whole control (as far as the canvas's clip lets it show).
void TbsSkinTabControl::PaintPageBackground(TCanvas& canvas, const Picture& picture, const Rect& tile) {
    const Rect client = ClientRect();
    if (client.isEmpty() || tile.isEmpty())
        return;
    Rect clip;
    if (platform::GetClipBox(canvas.Handle(), &clip) == 0)
        clip = client;
    TBitmap page;
    page.SetSize(client.width(), client.height());
    FillPiece(page.Surface(), client, picture, tile, FillOf(skin_->stretchEffect, skin_->stretchType),
              platform::intersect(clip, client));
    canvas.Draw(0, 0, page);
}

void TbsSkinTabControl::PaintClientFrame(TCanvas& canvas) {
    if (skin_->background) {
        PaintPageBackground(canvas, *skin_->background, skin_->background->bounds());
        return;
    }
    if (!skin_->picture) {
        canvas.Brush().SetColor(platform::clBtnFace);
        canvas.FillRect(ClientRect());
        return;
    }
    const HDC dc = canvas.Handle();
    const Rect display = DisplayArea();
    int saved = platform::SaveDC(dc);
    platform::IntersectClipRect(dc, display.Left, display.Top, display.Right, display.Bottom);
    PaintPageBackground(canvas, *skin_->picture, skin_->PageTile());
    platform::RestoreDC(dc, saved);

    const Rect F = FrameOf(display, skin_->Borders());
    const Size size{F.width(), F.height()};
    FrameStrips strips;
    ComposeFrameStrips(skin_->layout, ResizeLayout(skin_->SkinSize(), skin_->layout, size), strips,
                       *skin_->picture, skin_->skinRect, size, skin_->sides);
    saved = platform::SaveDC(dc);
    // The selected tab is drawn last, over the frame.
    if (const Rect extent = ActiveTabExtent(); !extent.isEmpty())
        platform::ExcludeClipRect(dc, extent.Left, extent.Top, extent.Right, extent.Bottom);
    const FrameStripOrigins at = PlaceFrameStrips(strips, size);
    DrawSurface(canvas, {F.Left + at.Top.X, F.Top + at.Top.Y}, strips.Top);
    DrawSurface(canvas, {F.Left + at.Left.X, F.Top + at.Left.Y}, strips.Left);
    DrawSurface(canvas, {F.Left + at.Right.X, F.Top + at.Right.Y}, strips.Right);
    DrawSurface(canvas, {F.Left + at.Bottom.X, F.Top + at.Bottom.Y}, strips.Bottom);
    platform::RestoreDC(dc, saved);
}

void TbsSkinTabControl::PaintTabBackground(HDC dc) {
    const Rect client = ClientRect();
    if (!dc || client.isEmpty())
        return;
    ReadTabSkin();
    TCanvas canvas;
    canvas.SetHandle(dc);
    if (!skin_) {
        canvas.Brush().SetColor(platform::clBtnFace);
        canvas.FillRect(client);
    } else if (skin_->background) {
        PaintPageBackground(canvas, *skin_->background, skin_->background->bounds());
    } else if (skin_->picture) {
        PaintPageBackground(canvas, *skin_->picture, skin_->PageTile());
    }
    canvas.SetHandle(nullptr);
}

// --- The row of tabs -----------------------------------------------------------------------------

void TbsSkinTabControl::DrawTabs(TCanvas& canvas) {
    if (TabCount() == 0)
        return;
    ReadTabSkin();
    const int selected = TabIndex();
    if (!skin_) {
        for (int i = 0; i < TabCount(); ++i) DrawTab(i, TabRect(i), canvas, i == selected, i == hotTab_);
        return;
    }
    const Rect client = ClientRect();
    const TTabPosition position = TabPosition();
    const Rect strip = RowStripRect(RowFrameOf(DisplayRect(), skin_->Borders()),
                                    {client.width(), client.height()}, position);
    if (!strip.isEmpty()) {
        TBitmap row;
        row.SetSize(strip.width(), strip.height());
        if (tabsBGTransparent_ && HandleAllocated())
            PaintParentBackgroundPart(Handle(), strip, row.Canvas().Handle());
        else if (skin_->picture)
            FillPiece(row.Surface(), row.Surface().bounds(), *skin_->picture, skin_->tabsBGRect,
                      PieceFill::TileBoth);
        for (int i = 0; i < TabCount(); ++i)
            if (i != selected)
                DrawTab(i, TabRect(i).offsetBy(-strip.Left, -strip.Top), row.Canvas(), false, i == hotTab_);
        const HDC dc = canvas.Handle();
        const int saved = platform::SaveDC(dc);
        if (const Rect extent = ActiveTabExtent(); !extent.isEmpty())
            platform::ExcludeClipRect(dc, extent.Left, extent.Top, extent.Right, extent.Bottom);
        canvas.Draw(strip.Left, strip.Top, row);
        platform::RestoreDC(dc, saved);
    }
    if (selected >= 0 && selected < TabCount()) {
        // A taller selected face reaches toward the page: bottom and right tabs start that much
        // further up or left.
        const int32_t lower = skin_->tabRect.height() - skin_->activeTabRect.height();
        Rect r = TabRect(selected);
        if (position == TTabPosition::tpBottom)
            r = r.offsetBy(0, lower);
        else if (position == TTabPosition::tpRight)
            r = r.offsetBy(lower, 0);
        DrawTab(selected, r, canvas, true, selected == hotTab_);
    }
}

void TbsSkinTabControl::DrawTabsNow() {
    if (!HandleAllocated() || !platform::IsWindowVisible(Handle()))
        return;
    const HDC dc = platform::GetDC(Handle());
    if (!dc)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawTabs(canvas);
    canvas.SetHandle(nullptr);
    platform::ReleaseDC(Handle(), dc);
}

// --- One tab -------------------------------------------------------------------------------------

// The tab's face before its caption: built-in, or cut from the record (a bar whose middle follows
// the tab's length, or with a fixed TabHeight a nine-slice), upside down for bottom tabs. The
// face's canvas gets the caption font; `captionColor` its colour.
TBitmap TbsSkinTabControl::ComposeTabFace(int index, Size size, bool active, bool hot, bool focused,
                                          TColor& captionColor) {
    (void)index;
    const TabState state{active, hot, focused};
    TBitmap face;
    face.SetSize(size.cx, size.cy);
    if (!skin_) {
        const BuiltInTabLook look = BuiltInTabLookFor(state);
        TCanvas& c = face.Canvas();
        c.Brush().SetColor(look.fill);
        c.FillRect({0, 0, size.cx, size.cy});
        if (look.framed) {
            c.Brush().SetColor(platform::RGB(0, 0, 128));
            c.FrameRect({0, 0, size.cx, size.cy});
        }
        captionColor = Font().Color();
        AssignSkinFont(c.Font(), nullptr, false, Font(), skinData_, captionColor);
        return face;
    }
    const Rect from = skin_->FaceFor(state);
    face.Canvas().Brush().SetColor(platform::clBtnFace);
    face.Canvas().FillRect({0, 0, size.cx, size.cy});
    if (skin_->picture && !from.isEmpty()) {
        if (TabHeight() > 0) {
            int32_t height = size.cy;
            const int32_t focusRise = skin_->focusTabRect.height() - skin_->tabRect.height();
            if (active && skin_->ActiveRise() > 0)
                height += skin_->ActiveRise();
            else if (active && focused && focusRise > 0)
                height += focusRise;
            face.SetSize(size.cx, height);
            const int32_t q = skin_->tabRect.height() / 4;
            ComposeClientFramedImage(
                face.Surface(), *skin_->picture, from,
                {skin_->tabLeftOffset, q, from.width() - skin_->tabRightOffset, from.height() - q}, true);
        } else {
            ComposeHorizontalBar({skin_->tabLeftOffset, skin_->tabRightOffset}, face.Surface(),
                                 *skin_->picture, from, size.cx, skin_->tabStretchEffect);
        }
    }
    if (TabPosition() == TTabPosition::tpBottom)
        FlipUpsideDown(face.Surface());
    captionColor = skin_->CaptionColorFor(state);
    AssignSkinFont(face.Canvas().Font(), &skin_->font, useSkinFont_, Font(), skinData_, captionColor);
    return face;
}

void TbsSkinTabControl::CentreImageAndCaption(TCanvas& canvas, int32_t w, int32_t h, int32_t shift, int index,
                                              const std::string& caption) {
    Rect measured;
    canvas.DrawText(caption, measured,
                    platform::DT_CALCRECT | platform::DT_SINGLELINE | platform::DT_NOPREFIX);
    const int32_t cw = caption.empty() ? 0 : measured.width() + 2;
    const int32_t iw = images_ ? images_->Width() : 0, ih = images_ ? images_->Height() : 0;
    const int32_t x = w / 2 - (cw + iw + 2) / 2;
    const int32_t left = x + iw + 2, top = h / 2 + shift - measured.height() / 2;
    Rect text{left, top, left + cw, top + measured.height()};
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(caption, text, kCaptionFormat);
    if (images_)
        images_->Draw(canvas, x, h / 2 + shift - ih / 2, index);
}

void TbsSkinTabControl::DrawTab(int index, const Rect& rect, TCanvas& canvas, bool active, bool hot) {
    if (index < 0 || index >= TabCount())
        return;
    const TTabPosition position = TabPosition();
    const bool side = IsSideColumn(position);
    // Left and right tabs are composed lying and turned at the end.
    const Size size = side ? Size{rect.height(), rect.width()} : Size{rect.width(), rect.height()};
    if (size.cx <= 0 || size.cy <= 0)
        return;
    const bool focused = Focused();
    const bool hasImage = images_ && index < images_->Count();
    TColor color = 0;
    TBitmap face = ComposeTabFace(index, size, active, hot, focused, color);
    Rect caption{0, 0, size.cx, size.cy};
    const bool turnNow = side && textInHorizontal_;
    if (turnNow) {
        face.Surface() = position == TTabPosition::tpLeft ? TurnedCounterClockwise(face.Surface())
                                                          : TurnedClockwise(face.Surface());
        caption = {0, 0, face.Width(), face.Height()};
    }
    TCanvas& fc = face.Canvas();
    if (skin_ && skin_->showFocus && focused && active)
        DrawFocusRect(fc,
                      {caption.Left + skin_->focusOffsetX, caption.Top + skin_->focusOffsetY,
                       caption.Right - skin_->focusOffsetX, caption.Bottom - skin_->focusOffsetY},
                      color);
    // Tabs whose faces are lower than the selected one's show their caption (and image and close
    // box) a little toward the page.
    int32_t imageShift = 0;
    if (skin_ && skin_->ActiveRise() != 0 && !active) {
        const bool nearSide = position == TTabPosition::tpTop || position == TTabPosition::tpLeft;
        caption.Top += nearSide ? 1 : -1;
        if (hasImage)
            imageShift = nearSide ? 2 : -2;
    }
    const int32_t closeWidth = showCloseButtons_ ? closeBoxSize_ + 2 : 0;
    // The close box keeps 3 pixels from the edge of a skin's face.
    const int32_t closeLeft = caption.Right - closeWidth - (skin_ ? 3 : 0);
    const std::string& text = Tab(index);
    fc.Font().SetColor(color);
    fc.Brush().SetStyle(TBrushStyle::bsClear);
    if (OnDrawSkinTab) {
        OnDrawSkinTab(index, {0, 0, face.Width(), face.Height()}, active, hot, fc);
    } else if (hasImage || extendedDraw_) {
        const Rect room{caption.Left, caption.Top, caption.Right - closeWidth, caption.Bottom};
        if (extendedDraw_) {
            CaptionFace f{room, tabMargin_, tabSpacing_, GlyphLayout(tabLayout_), text, false, false, 0};
            if (images_) {
                const TabImages list(*images_);
                DrawCaptionWithListImage(fc.Handle(), f, index, &list, true);
            } else {
                DrawCaptionWithListImage(fc.Handle(), f, index, nullptr, true);
            }
        } else {
            CentreImageAndCaption(fc, room.Right, caption.Bottom, imageShift, index, text);
        }
    } else {
        Rect room{caption.Left, caption.Top, closeLeft, caption.Bottom};
        fc.DrawText(text, room, kCaptionFormat);
    }
    if (showCloseButtons_) {
        CloseBoxState& box = closeBoxes_.At(index);
        if (!hot)
            box.hot = false;
        const Rect area{closeLeft, caption.Top + imageShift, face.Width(), caption.Bottom};
        Rect drawn =
            DrawCloseBox(face, area, LookOf(box), skin_ ? &*skin_ : nullptr, skinData_, closeBoxSize_);
        if (side && !turnNow)
            drawn = TurnedCloseRect(drawn, {face.Width(), face.Height()}, position);
        box.rect = drawn;
    }
    if (side && !turnNow)
        face.Surface() = position == TTabPosition::tpLeft ? TurnedCounterClockwise(face.Surface())
                                                          : TurnedClockwise(face.Surface());
    canvas.Draw(rect.Left, rect.Top, face);
}

}  // namespace skin
