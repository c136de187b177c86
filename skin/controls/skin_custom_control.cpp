#include "skin/controls/skin_custom_control.h"

#include "framework/graphics/canvas.h"
#include "platform/gfx/gdi_object.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/render/bars.h"
#include "skin/render/frame_strips.h"
#include "skin/render/mask_region.h"
#include "skin/render/nine_part_image.h"

namespace skin {

using namespace framework;
using platform::Rect;
using platform::Size;

TbsSkinCustomControl::TbsSkinCustomControl(TComponent* owner)
    : TbsSkinControl(owner), defaultFont_(std::make_unique<TFont>()) {
    defaultFont_->SetName("Arial");
    defaultFont_->SetHeight(14);
    defaultFont_->OnChange = [this](TObject*) {
        DefaultFontChanged();
        if (SkinIndex() == -1)
            Repaint();
    };
}

TbsSkinCustomControl::~TbsSkinCustomControl() {
    defaultFont_->OnChange = nullptr;
}

void TbsSkinCustomControl::SetDefaultWidth(int width) {
    defaultWidth_ = width;
    if (SkinIndex() == -1 && width > 0)
        SetWidth(width);
}

void TbsSkinCustomControl::SetDefaultHeight(int height) {
    defaultHeight_ = height;
    if (SkinIndex() == -1 && height > 0)
        SetHeight(height);
}

void TbsSkinCustomControl::ReadSkinRecord() {
    TbsSkinControl::ReadSkinRecord();
    face_.reset();
    if (SkinIndex() != -1)
        face_ = ReadCustomFace(*SkinData()->SkinControls()[size_t(SkinIndex())], *SkinData());
}

Size TbsSkinCustomControl::CalcSkinSize(Size size) {
    const SkinSizing sizing = skin::CalcSkinSize(face_, size);
    if (face_ && face_->mode != TResizeMode::Unsized)
        newLayout_ = sizing.newLayout;
    return sizing.size;
}

void TbsSkinCustomControl::ChangeSkinData() {
    ReadSkinRecord();
    if (!face_) {
        SetBounds(Left(), Top(), defaultWidth_ > 0 ? defaultWidth_ : Width(),
                  defaultHeight_ > 0 ? defaultHeight_ : Height());
        UpdateRegion();
        Repaint();
        return;
    }
    const Size size = CalcSkinSize({Width(), Height()});
    if (size.cx != Width() || size.cy != Height()) {
        SetBounds(Left(), Top(), size.cx, size.cy);
        return;
    }
    UpdateRegion();
    Repaint();
}

void TbsSkinCustomControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    ReadSkinRecord();
    const bool resizing = face_ && (width != Width() || height != Height());
    if (resizing) {
        const Size size = CalcSkinSize({width, height});
        width = size.cx;
        height = size.cy;
    }
    TbsSkinControl::SetBounds(left, top, width, height);
    if (resizing) {
        UpdateRegion();
        Repaint();
    }
    if (face_ && face_->stretchEffect)
        TellChildrenParentChanged();
}

void TbsSkinCustomControl::TellChildrenParentChanged() {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
            if (windowed->HandleAllocated())
                platform::SendMessage(windowed->Handle(), SKM_PARENTCHANGED);
        } else {
            child->Perform(SKM_PARENTCHANGED);
        }
    }
}

// --- The window region ---------------------------------------------------------------------------

void TbsSkinCustomControl::RemoveRegion() {
    if (hasRegion_ && HandleAllocated())
        platform::SetWindowRgn(Handle(), nullptr, true);
    hasRegion_ = false;
}

void TbsSkinCustomControl::UpdateRegion() {
    if (!Parent())
        return;
    if (!face_ || !face_->mask) {
        RemoveRegion();
        return;
    }
    const Size size = {Width(), Height()};
    CalcSkinSize(size);
    platform::HRGN region = nullptr;
    if (face_->mode == TResizeMode::Fixed) {
        region = RegionFromMask(*face_->mask);
    } else if (const auto layouts = RegionLayouts(*face_, size)) {
        region = BuildFrameRegion(layouts->first, layouts->second, *face_->mask, size);
    }
    if (!region) {
        RemoveRegion();
        return;
    }
    // The window owns the region once it takes it (and deletes the one it had).
    if (HandleAllocated() && platform::SetWindowRgn(Handle(), region, true)) {
        hasRegion_ = true;
        return;
    }
    platform::DeleteObject(region);
}

void TbsSkinCustomControl::CreateHandleDone() {
    TbsSkinControl::CreateHandleDone();
    UpdateRegion();
}

// --- Painting ------------------------------------------------------------------------------------

void TbsSkinCustomControl::PaintDefaultFace(TBitmap& face) {
    TCanvas& canvas = face.Canvas();
    canvas.Brush().SetColor(platform::clBtnFace);
    canvas.FillRect({0, 0, face.Width(), face.Height()});
}

void TbsSkinCustomControl::PaintSkinFace(TBitmap& face) {
    if (!face_ || !face_->picture)
        return;
    const CustomFace& f = *face_;
    const Size skin = f.SkinSize();
    switch (f.mode) {
        case TResizeMode::Fixed:
            face.SetSize(skin.cx, skin.cy);
            CopyPictureRect(face.Surface(), face.Surface().bounds(), *f.picture, f.skinRect);
            return;
        case TResizeMode::Both:
            if (!separatePaint_)
                ComposeNinePartImage(f.layout, newLayout_, face.Surface(), *f.picture, f.skinRect,
                                     {Width(), Height()}, f.sides, {true, f.stretchEffect, f.stretchType});
            return;
        case TResizeMode::Horizontal:
            ComposeHorizontalBar({f.layout.LT.X, skin.cx - f.layout.RT.X}, face.Surface(), *f.picture,
                                 f.skinRect, Width(), f.stretchEffect);
            return;
        case TResizeMode::Vertical:
            ComposeVerticalBar({f.layout.LT.Y, skin.cy - f.layout.LB.Y}, face.Surface(), *f.picture,
                               f.skinRect, Height(), f.stretchEffect);
            return;
        case TResizeMode::Unsized:
            return;
    }
}

void TbsSkinCustomControl::Paint() {
    if (Width() < 1 || Height() < 1)
        return;
    ReadSkinRecord();
    CalcSkinSize({Width(), Height()});
    if (face_ && face_->mode == TResizeMode::Both && separatePaint_)
        PaintFrameAndClient();
    else
        TbsSkinControl::Paint();
}

// The frame as four strips around the client part, which is laid into NewCl repeated or stretched.
void TbsSkinCustomControl::PaintFrameAndClient() {
    const CustomFace& f = *face_;
    const Size size{Width(), Height()};
    TBitmap whole;
    whole.SetSize(size.cx, size.cy);
    if (f.picture && drawClient_) {
        const Rect from = f.layout.Cl.offsetBy(f.skinRect.Left, f.skinRect.Top);
        PieceFill fill = PieceFill::TileBoth;
        if (f.stretchEffect)
            fill = f.stretchType == TStretchType::stFull   ? PieceFill::Scale
                   : f.stretchType == TStretchType::stHorz ? PieceFill::TileX
                                                           : PieceFill::TileY;
        FillPiece(whole.Surface(), newLayout_.Cl, *f.picture, from, fill, newLayout_.Cl);
    }
    if (f.picture) {
        FrameStrips strips;
        ComposeFrameStrips(f.layout, newLayout_, strips, *f.picture, f.skinRect, size, f.sides);
        TBitmap top;
        top.Surface() = strips.Top;
        PaintSkinFace(top);
        strips.Top = top.Surface();
        const FrameStripOrigins at = PlaceFrameStrips(strips, size);
        for (auto [strip, origin] :
             {std::pair{&strips.Top, at.Top}, std::pair{&strips.Left, at.Left},
              std::pair{&strips.Right, at.Right}, std::pair{&strips.Bottom, at.Bottom}})
            CopyPictureRect(whole.Surface(),
                            platform::rectOfSize(origin.X, origin.Y, strip->width(), strip->height()), *strip,
                            strip->bounds());
    }
    Canvas().Draw(0, 0, whole);
}

}  // namespace skin
