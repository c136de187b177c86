#include "skin/controls/skin_updown.h"

#include "framework/graphics/canvas.h"
#include "platform/window/input.h"
#include "platform/window/timers.h"
#include "skin/data/skin_data.h"
#include "skin/render/nine_part_image.h"
#include "skin/render/standard_glyphs.h"

namespace skin {

using namespace framework;
using platform::Rect;
using platform::Size;

namespace {

constexpr TColor kNavy = platform::RGB(0, 0, 128);
constexpr TColor kPressedFill = platform::RGB(133, 146, 181);
constexpr TColor kHotFill = platform::RGB(182, 189, 210);

Rect Or(const Rect& r, const Rect& fallback) {
    return r.isEmpty() ? fallback : r;
}

ArrowDirection ArrowOf(int button, TUDOrientation orientation) {
    if (orientation == TUDOrientation::udVertical)
        return button == 0 ? ArrowDirection::Up : ArrowDirection::Down;
    return button == 0 ? ArrowDirection::Right : ArrowDirection::Left;
}

}  // namespace

TbsSkinUpDown::TbsSkinUpDown(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName("hupdown");
    SetBounds(Left(), Top(), 50, 25);
}

TbsSkinUpDown::~TbsSkinUpDown() = default;

// --- Values --------------------------------------------------------------------------------------

void TbsSkinUpDown::SetPosition(int position) {
    if (position > max_ || position < min_)
        return;
    position_ = position;
    if (OnChange && !DesignMode())
        OnChange(this);
}

void TbsSkinUpDown::SetMin(int min) {
    min_ = min;
    if (position_ < min_)
        position_ = min_;
}

void TbsSkinUpDown::SetMax(int max) {
    max_ = max;
    if (position_ > max_)
        position_ = max_;
}

void TbsSkinUpDown::SetUseSkinSize(bool use) {
    if (use == useSkinSize_)
        return;
    useSkinSize_ = use;
    if (SkinData() && !SkinData()->Empty())
        ChangeSkinData();
    LayOutButtons();
    Repaint();
}

void TbsSkinUpDown::SetOrientation(TUDOrientation orientation) {
    orientation_ = orientation;
    if (DesignMode() && !InState(csLoading))
        SetSkinDataName(orientation == TUDOrientation::udVertical ? "vupdown" : "hupdown");
    LayOutButtons();
    Repaint();
}

// --- Skin and size -------------------------------------------------------------------------------

void TbsSkinUpDown::ReadSkinRecord() {
    TbsSkinCustomControl::ReadSkinRecord();
    faces_.reset();
    if (const auto* record =
            SkinData() ? SkinData()->ControlAs<TbsDataSkinUpDownControl>(SkinIndex()) : nullptr)
        faces_ = RecordFaces{
            record->UpButtonRect,         record->DownButtonRect,
            record->ActiveUpButtonRect,   Or(record->DownUpButtonRect, record->ActiveUpButtonRect),
            record->ActiveDownButtonRect, Or(record->DownDownButtonRect, record->ActiveDownButtonRect)};
    LayOutButtons();
}

Size TbsSkinUpDown::CalcSkinSize(Size size) {
    return useSkinSize_ ? TbsSkinCustomControl::CalcSkinSize(size) : size;
}

void TbsSkinUpDown::UpdateRegion() {
    if (useSkinSize_)
        TbsSkinCustomControl::UpdateRegion();
    else
        RemoveRegion();
}

void TbsSkinUpDown::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TbsSkinCustomControl::SetBounds(left, top, width, height);
    LayOutButtons();
}

void TbsSkinUpDown::LayOutButtons() {
    std::array<Rect, 2> places = BuiltInButtonPlaces(orientation_, {Width(), Height()});
    if (faces_ && useSkinSize_)
        places = {faces_->upPlace, faces_->downPlace};
    for (size_t i = 0; i < 2; ++i) tracking_.buttons[i].rect = places[i];
}

// --- Painting ------------------------------------------------------------------------------------

void TbsSkinUpDown::PaintDefaultFace(TBitmap& face) {
    LayOutButtons();
    TCanvas& canvas = face.Canvas();
    for (int i = 0; i < 2; ++i) {
        const Rect r = Button(i).rect;
        const bool pressed = tracking_.IsPressed(i), hot = tracking_.IsHot(i);
        canvas.Brush().SetColor(pressed || hot ? kNavy : platform::clBtnShadow);
        canvas.FrameRect(r);
        canvas.Brush().SetColor(pressed ? kPressedFill : hot ? kHotFill : platform::clBtnFace);
        canvas.FillRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
        DrawSmallArrow(canvas.Handle(), r, platform::RGB(0, 0, 0), ArrowOf(i, orientation_));
    }
}

void TbsSkinUpDown::PaintSkinFace(TBitmap& face) {
    if (!faces_ || !useSkinSize_) {
        if (!faces_)
            TbsSkinCustomControl::PaintSkinFace(face);
        else
            for (int i = 0; i < 2; ++i) PaintButtonFromResizeButton(face, i);
        return;
    }
    TbsSkinCustomControl::PaintSkinFace(face);
    const Picture* picture = Face() ? Face()->picture : nullptr;
    if (!picture)
        return;
    const Rect pressedFaces[2] = {faces_->upPressed, faces_->downPressed};
    const Rect hotFaces[2] = {faces_->upHot, faces_->downHot};
    for (int i = 0; i < 2; ++i) {
        if (tracking_.IsPressed(i))
            CopyPictureRect(face.Surface(), Button(i).rect, *picture, pressedFaces[i]);
        else if (tracking_.IsHot(i))
            CopyPictureRect(face.Surface(), Button(i).rect, *picture, hotFaces[i]);
    }
}

// A button of any size, from the skin's "resizebutton" faces.
void TbsSkinUpDown::PaintButtonFromResizeButton(TBitmap& face, int i) {
    const Rect place = Button(i).rect;
    const bool pressed = tracking_.IsPressed(i), hot = tracking_.IsHot(i);
    const TbsSkinData* data = SkinData();
    const auto* record =
        data ? data->ControlAs<TbsDataSkinButtonControl>(data->FindControlIndex("resizebutton")) : nullptr;
    TBitmap button;
    button.SetSize(place.width(), place.height());
    if (!record) {
        button.Canvas().Brush().SetColor(platform::clBtnFace);
        button.Canvas().FillRect(button.Surface().bounds());
        face.Canvas().Draw(place.Left, place.Top, button);
        return;
    }
    const Rect source = pressed ? Or(Or(record->DownSkinRect, record->ActiveSkinRect), record->SkinRect)
                        : hot   ? Or(record->ActiveSkinRect, record->SkinRect)
                                : record->SkinRect;
    const auto& pictures = data->ActivePictures();
    if (record->PictureIndex >= 0 && size_t(record->PictureIndex) < pictures.size()) {
        const NinePartLayout layout =
            ClampLayout({record->LeftTopPoint, record->RightTopPoint, record->LeftBottomPoint,
                         record->RightBottomPoint, record->ClientRect});
        const Size size{place.width(), place.height()};
        ComposeNinePartImage(
            layout, ResizeLayout({record->SkinRect.width(), record->SkinRect.height()}, layout, size),
            button.Surface(), pictures[size_t(record->PictureIndex)].Surface(), source, size,
            {record->LeftStretch, record->TopStretch, record->RightStretch, record->BottomStretch},
            {true, record->StretchEffect, record->StretchType});
    }
    face.Canvas().Draw(place.Left, place.Top, button);
    const TColor color = pressed ? record->DownFontColor : hot ? record->ActiveFontColor : record->FontColor;
    const Rect arrow = pressed ? Rect{place.Left + 2, place.Top + 2, place.Right, place.Bottom} : place;
    DrawSmallArrow(face.Canvas().Handle(), arrow, color, ArrowOf(i, orientation_));
}

// --- The pointer and the repeat timer ------------------------------------------------------------

void TbsSkinUpDown::Apply(const TrackingEffects& effects) {
    if (effects.stopTimer && HandleAllocated())
        platform::KillTimer(Handle(), kRepeatTimer);
    if (effects.repaint)
        Repaint();
    if (effects.startTimer && HandleAllocated())
        platform::SetTimer(Handle(), kRepeatTimer, effects.startTimer);
    if (effects.step != 0)
        SetPosition(position_ + effects.step * increment_);
    if (effects.click == 0 && OnUpButtonClick)
        OnUpButtonClick(this);
    if (effects.click == 1 && OnDownButtonClick)
        OnDownButtonClick(this);
}

void TbsSkinUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    Apply(tracking_.Press({x, y}, increment_ != 0));
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    Apply(tracking_.Release(increment_ != 0));
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinUpDown::MouseMove(TShiftState shift, int x, int y) {
    Apply(tracking_.Move({x, y}, increment_ != 0));
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinUpDown::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case platform::WM_TIMER:
            if (message.WParam == kRepeatTimer) {
                Apply(tracking_.Tick());
                return;
            }
            break;
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            Apply(tracking_.EnterOrLeave(message.Msg == CM_MOUSELEAVE, increment_ != 0));
            break;
        default:
            break;
    }
    TbsSkinCustomControl::Dispatch(message);
}

}  // namespace skin
