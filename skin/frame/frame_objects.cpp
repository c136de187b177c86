#include "skin/frame/frame_objects.h"

#include "framework/menus/menu_item.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/icon.h"
#include "platform/gfx/pen_brush.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/render/effect_bitmap.h"
#include "skin/render/rect_helpers.h"
#include "skin/render/standard_glyphs.h"

namespace skin {

using namespace platform;

namespace {

const Picture& PixelsOf(const framework::TBitmap& bitmap) {
    return bitmap.Surface();
}

// Copies `from` of a picture to `to` of a canvas, scaled when the sizes differ.
void DrawPictureRect(HDC canvas, const Rect& to, const Picture& picture, const Rect& from) {
    if (IsEmptyRect(to) || IsEmptyRect(from) || picture.isEmpty() || !RectAllowed(to) || !RectAllowed(from))
        return;
    HDC source = CreateSurfaceDC(const_cast<Picture*>(&picture), {0, 0}, nullptr);  // only read
    if (WidthOfRect(to) == WidthOfRect(from) && HeightOfRect(to) == HeightOfRect(from))
        BitBlt(canvas, to.Left, to.Top, WidthOfRect(to), HeightOfRect(to), source, from.Left, from.Top,
               SRCCOPY);
    else
        StretchBlt(canvas, to.Left, to.Top, WidthOfRect(to), HeightOfRect(to), source, from.Left, from.Top,
                   WidthOfRect(from), HeightOfRect(from), SRCCOPY);
    DeleteDC(source);
}

// An image of `from` at `size`.
Picture ImageAt(Size size, const Picture& picture, const Rect& from) {
    Picture image(size.cx, size.cy);
    CopyPictureRect(image, image.bounds(), picture, from);
    return image;
}

Size SizeOf(const Rect& r) {
    return {WidthOfRect(r), HeightOfRect(r)};
}

// Object images are made at the object's size; one larger than the window could only come from a
// damaged skin and is not drawn.
bool DrawableSize(const Rect& r) {
    return !IsEmptyRect(r) && Surface::SizeAllowed(WidthOfRect(r), HeightOfRect(r));
}

}  // namespace

// --- TbsActiveSkinObject ------------------------------------------------------------------------

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm& form, const TbsDataSkinObject& record) : form_(form) {
    ObjectRect = ClampRect(record.SkinRect);
    hint_ = record.Hint;
}

void TbsActiveSkinObject::SetRecord(std::unique_ptr<TbsDataSkinObject> copy) {
    record_ = std::move(copy);
    // An object without an active image has nothing to morph into.
    if (IsEmptyRect(ActiveRect()))
        record_->Morphing = false;
}

const TbsSkinData* TbsActiveSkinObject::Data() const {
    const TbsSkinData* data = form_.SkinData();
    return data && !data->Empty() ? data : nullptr;
}

const framework::TBitmap* TbsActiveSkinObject::ActivePicture() const {
    const TbsSkinData* data = form_.SkinData();
    if (!data)
        return nullptr;
    if (pictureStandIn_)
        return pictureStandIn_;
    const int32_t i = record_->ActivePictureIndex;
    return i >= 0 && size_t(i) < data->ActivePictures().size() ? &data->ActivePictures()[size_t(i)] : nullptr;
}

bool TbsActiveSkinObject::HasImage(const Rect& r) const {
    const framework::TBitmap* picture = ActivePicture();
    if (!picture || IsEmptyRect(r))
        return false;
    // An image reaching past its picture is missing: the object draws without it.
    return r.Left >= 0 && r.Top >= 0 && r.Right <= picture->Width() && r.Bottom <= picture->Height();
}

Rect TbsActiveSkinObject::ActiveRect() const {
    return HasImage(record_->ActiveSkinRect) ? record_->ActiveSkinRect : Rect{};
}

FrameObjectPlacement TbsActiveSkinObject::Placement() const {
    return {Kind(), Command(), record_->SkinRect, record_->SkinRectInAPicture, Visible, ObjectRect};
}

bool TbsActiveSkinObject::WindowActive() const {
    return form_.IsFormActive();
}

bool TbsActiveSkinObject::CanMorph() const {
    const TbsSkinData* data = Data();
    return record_->Morphing && data && data->EnableSkinEffects() && !form_.LayeredBorderDrawsFrame();
}

bool TbsActiveSkinObject::Morphing() const {
    return CanMorph() && (Active ? MorphFactor < 1 : MorphFactor > 0);
}

bool TbsActiveSkinObject::NeedsMorphStep() const {
    return Active ? MorphFactor < 1 : MorphFactor > 0;
}

bool TbsActiveSkinObject::PointInObject(int32_t x, int32_t y) const {
    const TbsSkinData* data = Data();
    const int32_t i = record_->ActiveMaskPictureIndex;
    if (!data || i < 0 || size_t(i) >= data->ActivePictures().size())
        return true;
    const Picture& mask = PixelsOf(data->ActivePictures()[size_t(i)]);
    if (x < 0 || y < 0 || x > mask.width() || y > mask.height())
        return false;
    // The far edges count as inside; a pixel there lies outside the picture and is not black.
    return x < mask.width() && y < mask.height() && (mask.pixel(x, y) & 0x00FFFFFFu) == 0;
}

void TbsActiveSkinObject::DrawNormal(HDC canvas) const {
    const TbsSkinData* data = Data();
    if (!data)
        return;
    if (record_->SkinRectInAPicture) {
        if (const framework::TBitmap* picture = ActivePicture())
            DrawPictureRect(canvas, ObjectRect, PixelsOf(*picture), record_->SkinRect);
    } else {
        DrawPictureRect(canvas, ObjectRect, PixelsOf(data->FramePicture()), record_->SkinRect);
    }
}

void TbsActiveSkinObject::DrawActiveRect(HDC canvas, const Rect& from) const {
    if (const framework::TBitmap* picture = ActivePicture())
        DrawPictureRect(canvas, ObjectRect, PixelsOf(*picture), from);
}

void TbsActiveSkinObject::DrawMorph(HDC canvas, const framework::TBitmap& normalPicture, const Rect& normal,
                                    const framework::TBitmap& activePicture, const Rect& active) const {
    if (!DrawableSize(ObjectRect))
        return;
    const Size size = SizeOf(ObjectRect);
    TbsEffectBmp a(ImageAt(size, PixelsOf(normalPicture), normal));
    Morph(a, TbsEffectBmp(ImageAt(size, PixelsOf(activePicture), active)), record_->MorphKind, MorphFactor);
    a.PaintAt(canvas, ObjectRect.Left, ObjectRect.Top);
}

void TbsActiveSkinObject::Draw(HDC canvas, bool full) {
    const TbsSkinData* data = Data();
    if (!data)
        return;
    const TbsDataSkinObject& r = *record_;
    const framework::TBitmap* active = ActivePicture();
    if (Enabled && !WindowActive() && HasImage(r.InActiveSkinRect)) {
        DrawActiveRect(canvas, r.InActiveSkinRect);
        return;
    }
    if (Morphing() && active) {
        const framework::TBitmap& normalPicture = r.SkinRectInAPicture ? *active : data->FramePicture();
        DrawMorph(canvas, normalPicture, r.SkinRect, *active, r.ActiveSkinRect);
        return;
    }
    if (Active && !IsEmptyRect(ActiveRect())) {
        DrawActiveRect(canvas, r.ActiveSkinRect);
        return;
    }
    if (full || r.SkinRectInAPicture)
        DrawNormal(canvas);
}

void TbsActiveSkinObject::FollowHover() {
    // Without an active image only the plain frame's button face changes with the hover.
    if (!IsEmptyRect(ActiveRect()) && CanMorph())
        form_.StartMorphing();
    else
        form_.RedrawObject(*this);
}

void TbsActiveSkinObject::ShowGlowWith(TbsLayerManager& manager) const {
    const Point at = form_.ObjectScreenRect(*this).topLeft();
    const TbsDataSkinObject& r = *record_;
    ShowGlowFrame(manager, Data(),
                  {r.GlowLayerPictureIndex, r.GlowLayerMaskPictureIndex, r.GlowLayerOffsetX,
                   r.GlowLayerOffsetY, r.GlowLayerAlphaBlendValue},
                  at, GlowOwner::CaptionButton);
}

void TbsActiveSkinObject::MouseEnter() {
    MouseIn = Active = true;
    FollowHover();
    if (form_.OnMouseEnterEvent)
        form_.OnMouseEnterEvent(IDName());
    ShowGlow();
}

void TbsActiveSkinObject::MouseLeave() {
    MouseIn = Active = false;
    FollowHover();
    if (form_.OnMouseLeaveEvent)
        form_.OnMouseLeaveEvent(IDName());
    HideGlow();
}

void TbsActiveSkinObject::MouseDown(int32_t x, int32_t y, framework::TMouseButton button) {
    if (form_.OnMouseDownEvent)
        form_.OnMouseDownEvent(IDName(), x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseUp(int32_t x, int32_t y, framework::TMouseButton button) {
    if (MouseIn && form_.OnMouseUpEvent)
        form_.OnMouseUpEvent(IDName(), x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseMove(int32_t x, int32_t y) {
    if (form_.OnMouseMoveEvent)
        form_.OnMouseMoveEvent(IDName(), x, y, ObjectRect);
}

// --- TbsUserObject --------------------------------------------------------------------------------

TbsUserObject::TbsUserObject(TbsSkinForm& form, const TbsDataUserObject& record)
    : TbsActiveSkinObject(form, record) {
    SetRecord(std::make_unique<TbsDataUserObject>(record));
}

void TbsUserObject::Draw(HDC canvas, bool) {
    if (Form().OnPaintEvent)
        Form().OnPaintEvent(IDName(), canvas, ObjectRect);
}

// --- TbsSkinButtonObject --------------------------------------------------------------------------

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm& form, const TbsDataSkinButton& record)
    : TbsActiveSkinObject(form, record) {
    if (record.TypeName() == TbsDataSkinButton::kTypeName)
        SetRecord(std::make_unique<TbsDataSkinButton>(record));
}

const TbsDataSkinButton& TbsSkinButtonObject::ButtonRecord() const {
    return static_cast<const TbsDataSkinButton&>(Record());
}

bool TbsSkinButtonObject::NeedsMorphStep() const {
    return !(Down && MenuOpen) && TbsActiveSkinObject::NeedsMorphStep();
}

void TbsSkinButtonObject::Draw(HDC canvas, bool full) {
    const TbsDataSkinButton& r = ButtonRecord();
    if (Data() && ActivePicture()) {
        if (!Enabled && HasImage(r.DisableSkinRect)) {
            DrawActiveRect(canvas, r.DisableSkinRect);
            return;
        }
        if (Down && MouseIn && HasImage(r.DownRect)) {
            DrawActiveRect(canvas, r.DownRect);
            return;
        }
    }
    TbsActiveSkinObject::Draw(canvas, full);
}

TbsLayerManager& TbsSkinButtonObject::GlowManager() const {
    return Menu() ? Form().MenuButtonGlow() : Form().CaptionGlow();
}

void TbsSkinButtonObject::ShowGlow() {
    ShowGlowWith(GlowManager());
}

void TbsSkinButtonObject::HideGlow() {
    GlowManager().HideLayer();
}

void TbsSkinButtonObject::SetDown(bool down) {
    Down = down;
    if (down && Active && CanMorph())
        MorphFactor = 1;
    Form().RedrawObject(*this);
    if (!down && CanMorph())
        Form().StartMorphing();
}

void TbsSkinButtonObject::OpenMenu() {
    Form().CaptionGlow().HideLayer();
    Form().MenuButtonGlow().HideLayer();
    Form().PopupObjectMenu(*this);
}

void TbsSkinButtonObject::MouseDown(int32_t x, int32_t y, framework::TMouseButton button) {
    if (!Enabled)
        return;
    if (button == framework::TMouseButton::mbLeft && !Down) {
        SetDown(true);
        if (Menu())
            OpenMenu();
    }
    TbsActiveSkinObject::MouseDown(x, y, button);
}

void TbsSkinButtonObject::MouseUp(int32_t x, int32_t y, framework::TMouseButton button) {
    if (!Enabled)
        return;
    if (button == framework::TMouseButton::mbLeft && !Menu() && Down)
        SetDown(false);
    TbsActiveSkinObject::MouseUp(x, y, button);
}

void TbsSkinButtonObject::MouseEnter() {
    MouseIn = Active = true;
    const bool hasMenu = Menu() != nullptr;
    if (!Down || !HasImage(ButtonRecord().DownRect)) {
        FollowHover();
        if (hasMenu)
            ShowGlow();
    } else {
        // Back over a pressed button: its down image shows again.
        if (CanMorph())
            MorphFactor = 1;
        Form().RedrawObject(*this);
    }
    if (Form().OnMouseEnterEvent)
        Form().OnMouseEnterEvent(IDName());
    if (!hasMenu)
        ShowGlow();
}

void TbsSkinButtonObject::MouseLeave() {
    MouseIn = Active = false;
    const bool hasMenu = Menu() != nullptr;
    if (!(Down && hasMenu)) {
        if (hasMenu)
            HideGlow();
        Form().RedrawObject(*this);
        FollowHover();
    }
    if (Form().OnMouseLeaveEvent)
        Form().OnMouseLeaveEvent(IDName());
    if (!hasMenu)
        HideGlow();
}

// --- TbsSkinStdButtonObject -----------------------------------------------------------------------

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm& form, const TbsDataSkinStdButton& record)
    : TbsSkinButtonObject(form, record) {
    SetRecord(std::make_unique<TbsDataSkinStdButton>(record));
    restoreHint_ = record.RestoreHint;
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm& form, TStdCommand command)
    : TbsSkinStdButtonObject(form, [command] {
          TbsDataSkinStdButton record("");
          record.Command = command;
          record.ActivePictureIndex = -1;
          record.ActiveMaskPictureIndex = -1;
          record.SkinRectInAPicture = true;
          return record;
      }()) {
    fromRecord_ = false;
}

const TbsDataSkinStdButton& TbsSkinStdButtonObject::StdRecord() const {
    return static_cast<const TbsDataSkinStdButton&>(Record());
}

bool TbsSkinStdButtonObject::ShowsIcon() const {
    return StdRecord().Command == TStdCommand::cmSysMenu && Form().ShowIcon() &&
           StdRecord().SkinRectInAPicture;
}

bool TbsSkinStdButtonObject::InRestoreState() const {
    switch (StdRecord().Command) {
        case TStdCommand::cmMaximize:
            return Form().FormState() == TbsFormState::Maximized;
        case TStdCommand::cmMinimize:
            return Form().FormState() == TbsFormState::Minimized;
        case TStdCommand::cmRollUp:
            return Form().RolledUp();
        default:
            return false;
    }
}

bool TbsSkinStdButtonObject::PointInObject(int32_t x, int32_t y) const {
    return ShowsIcon() || TbsSkinButtonObject::PointInObject(x, y);
}

bool TbsSkinStdButtonObject::DrawRestoreFace(HDC canvas) const {
    const TbsDataSkinStdButton& r = StdRecord();
    const framework::TBitmap* picture = ActivePicture();
    if (!InRestoreState() || !Enabled || !picture || !HasImage(r.RestoreRect))
        return false;
    if (!WindowActive() && HasImage(r.RestoreInActiveRect))
        DrawActiveRect(canvas, r.RestoreInActiveRect);
    else if (Down && MouseIn && HasImage(r.RestoreDownRect))
        DrawActiveRect(canvas, r.RestoreDownRect);
    else if (Morphing() && HasImage(r.RestoreActiveRect))
        DrawMorph(canvas, *picture, r.RestoreRect, *picture, r.RestoreActiveRect);
    else if (Active && HasImage(r.RestoreActiveRect))
        DrawActiveRect(canvas, r.RestoreActiveRect);
    else
        DrawActiveRect(canvas, r.RestoreRect);
    return true;
}

bool TbsSkinStdButtonObject::NeedsMorphStep() const {
    return !ShowsIcon() && TbsSkinButtonObject::NeedsMorphStep();
}

void TbsSkinStdButtonObject::ShowGlow() {
    if (!ShowsIcon())
        TbsSkinButtonObject::ShowGlow();
}

const std::string& TbsSkinStdButtonObject::CurrentHint() const {
    return InRestoreState() && !restoreHint_.empty() ? restoreHint_ : Hint();
}

framework::TMenuItem* TbsSkinStdButtonObject::Menu() const {
    return StdRecord().Command == TStdCommand::cmSysMenu ? Form().SystemMenuRoot() : MenuItem;
}

void TbsSkinStdButtonObject::DoubleClick() {
    if (StdRecord().Command == TStdCommand::cmSysMenu)
        Form().CloseForm();
}

void TbsSkinStdButtonObject::MouseDown(int32_t, int32_t, framework::TMouseButton button) {
    // Caption buttons tell nobody of their presses: they carry out their command on release.
    if (!Enabled || button != framework::TMouseButton::mbLeft || Down)
        return;
    SetDown(true);
    if (StdRecord().Command == TStdCommand::cmSysMenu)
        OpenMenu();
}

void TbsSkinStdButtonObject::MouseUp(int32_t x, int32_t y, framework::TMouseButton button) {
    const TStdCommand command = StdRecord().Command;
    const bool run = Enabled && Active && button == framework::TMouseButton::mbLeft;
    if (command == TStdCommand::cmClose) {
        TbsSkinButtonObject::MouseUp(x, y, button);
        if (run)
            Form().RunObjectCommand(command);  // the last thing: the window may go with it
        return;
    }
    TbsSkinForm& form = Form();
    const std::weak_ptr<bool> alive = form.AliveToken();
    if (run)
        form.RunObjectCommand(command);
    if (!alive.expired() && form.FindObjectIndex(this) >= 0)
        TbsSkinButtonObject::MouseUp(x, y, button);
}

namespace {

StandardGlyph GlyphOf(TStdCommand command, bool restore) {
    switch (command) {
        case TStdCommand::cmClose:
            return StandardGlyph::Close;
        case TStdCommand::cmMaximize:
            return restore ? StandardGlyph::Restore : StandardGlyph::Maximize;
        case TStdCommand::cmMinimize:
            return restore ? StandardGlyph::Restore : StandardGlyph::Minimize;
        case TStdCommand::cmRollUp:
            return restore ? StandardGlyph::RollDown : StandardGlyph::RollUp;
        case TStdCommand::cmMinimizeToTray:
            return StandardGlyph::Tray;
        case TStdCommand::cmSysMenu:
        case TStdCommand::cmDefault:
            break;
    }
    return StandardGlyph::SystemMenu;
}

void FillWith(HDC dc, const Rect& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, r, brush);
    DeleteObject(brush);
}

}  // namespace

void TbsSkinStdButtonObject::DrawPlainFace(HDC canvas) const {
    const Rect& r = ObjectRect;
    const bool pressed = Down && MouseIn;
    if (pressed || MouseIn) {
        FillWith(canvas, r, RGB(0, 0, 128));
        FillWith(canvas, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1},
                 pressed ? RGB(133, 147, 181) : RGB(182, 189, 210));
    } else {
        FillRect(canvas, r, GetSysColorBrush(COLOR_BTNFACE));
    }
    const int32_t d = pressed ? 1 : 0;
    DrawStandardGlyph(canvas, GlyphOf(StdRecord().Command, InRestoreState()),
                      r.Left + WidthOfRect(r) / 2 - 5 + d, r.Top + HeightOfRect(r) / 2 - 4 + d,
                      GetSysColor(Enabled ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
}

void TbsSkinStdButtonObject::Draw(HDC canvas, bool full) {
    if (ShowsIcon()) {
        if (HICON icon = Form().SmallIcon())
            DrawIconEx(canvas, ObjectRect.Left, ObjectRect.Top, icon, 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!fromRecord_) {
        DrawPlainFace(canvas);
        return;
    }
    if (Data() && DrawRestoreFace(canvas))
        return;
    TbsSkinButtonObject::Draw(canvas, full);
}

// --- TbsSkinAnimateObject -------------------------------------------------------------------------

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsSkinForm& form, const TbsDataSkinAnimate& record)
    : TbsActiveSkinObject(form, record) {
    SetRecord(std::make_unique<TbsDataSkinAnimate>(record));
}

const TbsDataSkinAnimate& TbsSkinAnimateObject::AnimateRecord() const {
    return static_cast<const TbsDataSkinAnimate&>(Record());
}

Rect TbsSkinAnimateObject::FrameRect(int32_t k) const {
    const TbsDataSkinAnimate& r = AnimateRecord();
    const Size s = SizeOf(ClampRect(r.SkinRect));
    const Rect a = ClampRect(r.ActiveSkinRect);
    const int32_t left = ClampCoordinate(int64_t(a.Left) + int64_t(s.cx) * (int64_t(k) - 1));
    return rectOfSize(left, a.Top, s.cx, s.cy);
}

void TbsSkinAnimateObject::Draw(HDC canvas, bool) {
    const TbsDataSkinAnimate& r = AnimateRecord();
    if (!Data() || !ActivePicture())
        return;
    const bool restore =
        (r.Command == TStdCommand::cmMaximize && Form().FormState() == TbsFormState::Maximized) ||
        (r.Command == TStdCommand::cmMinimize && Form().FormState() == TbsFormState::Minimized) ||
        (r.Command == TStdCommand::cmRollUp && Form().RolledUp());
    if (restore && HasImage(r.RestoreRect))
        DrawActiveRect(canvas, Active && HasImage(r.RestoreActiveRect) ? r.RestoreActiveRect : r.RestoreRect);
    else if (!WindowActive() && HasImage(r.InActiveSkinRect))
        DrawActiveRect(canvas, r.InActiveSkinRect);
    else if (Down && MouseIn && HasImage(r.DownSkinRect))
        DrawActiveRect(canvas, r.DownSkinRect);
    else
        DrawActiveRect(canvas, FrameRect(Frame));
}

void TbsSkinAnimateObject::ShowGlow() {
    ShowGlowWith(Form().CaptionGlow());
}

void TbsSkinAnimateObject::HideGlow() {
    Form().CaptionGlow().HideLayer();
}

void TbsSkinAnimateObject::DoubleClick() {
    if (AnimateRecord().Command == TStdCommand::cmSysMenu)
        Form().CloseForm();
}

void TbsSkinAnimateObject::MouseEnter() {
    MouseIn = Active = true;
    if (AnimateRecord().ButtonStyle) {
        Forwards = true;
        Form().StartAnimating();
    }
    if (Form().OnMouseEnterEvent)
        Form().OnMouseEnterEvent(IDName());
    ShowGlow();
}

void TbsSkinAnimateObject::MouseLeave() {
    MouseIn = Active = false;
    if (AnimateRecord().ButtonStyle) {
        Forwards = false;
        Form().StartAnimating();
    }
    if (Form().OnMouseLeaveEvent)
        Form().OnMouseLeaveEvent(IDName());
    HideGlow();
}

void TbsSkinAnimateObject::MouseDown(int32_t x, int32_t y, framework::TMouseButton button) {
    const TbsDataSkinAnimate& r = AnimateRecord();
    if (r.ButtonStyle && Enabled && button == framework::TMouseButton::mbLeft && !Down) {
        Down = true;
        Frame = std::max(r.CountFrames, 1);
        Form().RedrawObject(*this);
        if (r.Command == TStdCommand::cmSysMenu)
            Form().ShowSystemMenuBelow(Form().ObjectScreenRect(*this));
        return;
    }
    TbsActiveSkinObject::MouseDown(x, y, button);
}

void TbsSkinAnimateObject::MouseUp(int32_t x, int32_t y, framework::TMouseButton button) {
    const TbsDataSkinAnimate& r = AnimateRecord();
    if (!r.ButtonStyle || !Down || button != framework::TMouseButton::mbLeft) {
        TbsActiveSkinObject::MouseUp(x, y, button);
        return;
    }
    Down = false;
    Form().RedrawObject(*this);
    if (MouseIn && Enabled && r.Command != TStdCommand::cmSysMenu)
        Form().RunObjectCommand(r.Command);  // the last thing: the window may go with it
}

bool TbsSkinAnimateObject::NeedsAnimationStep() const {
    const TbsDataSkinAnimate& r = AnimateRecord();
    if (Down || r.CountFrames <= 0)
        return false;
    return Forwards ? (r.Cycle || Frame < r.CountFrames) : Frame > 1;
}

bool TbsSkinAnimateObject::AnimationStep() {
    if (!NeedsAnimationStep())
        return false;
    const TbsDataSkinAnimate& r = AnimateRecord();
    TimeAccumulator += 25;
    if (TimeAccumulator < std::max(r.TimerInterval, 25))
        return true;
    TimeAccumulator = 0;
    Frame += Forwards ? 1 : -1;
    if (Frame > r.CountFrames)
        Frame = 1;
    if (Frame < 1)
        Frame = r.CountFrames;
    Form().RedrawObject(*this);
    return true;
}

// --- TbsSkinCaptionObject -------------------------------------------------------------------------

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm& form, const TbsDataSkinCaption& record)
    : TbsActiveSkinObject(form, record) {
    SetRecord(std::make_unique<TbsDataSkinCaption>(record));
}

const TbsDataSkinCaption& TbsSkinCaptionObject::CaptionRecord() const {
    return static_cast<const TbsDataSkinCaption&>(Record());
}

bool TbsSkinCaptionObject::Animates() const {
    const TbsSkinData* data = Data();
    return data && data->EnableSkinEffects() && !IsEmptyRect(CaptionRecord().AnimateSkinRect);
}

Rect TbsSkinCaptionObject::AnimationRect() const {
    const TbsDataSkinCaption& c = CaptionRecord();
    const int32_t frames = c.FrameCount;
    if (!Animates() || frames <= 0 || AnimationFrame < 1 || AnimationFrame > frames)
        return {};
    const Rect strip = ClampRect(c.AnimateSkinRect);
    const int32_t k = AnimationFrame - 1;
    if (HeightOfRect(strip) > HeightOfRect(ClampRect(c.SkinRect))) {
        const int32_t h = HeightOfRect(strip) / frames;
        return rectOfSize(strip.Left, strip.Top + k * h, WidthOfRect(strip), h);
    }
    const int32_t w = WidthOfRect(strip) / frames;
    return rectOfSize(strip.Left + k * w, strip.Top, w, HeightOfRect(strip));
}

void TbsSkinCaptionObject::DrawText(HDC canvas, const Rect& objectAt, bool active) const {
    const TbsSkinForm& form = Form();
    if (form.OnCaptionPaint) {
        form.OnCaptionPaint(canvas, objectAt, active);
        return;
    }
    CaptionTextStyle style;
    style.font = form.CaptionFont(CaptionRecord());
    style.active = active;
    DrawCaptionText(canvas, CaptionRecord(), CaptionTextArea(CaptionRecord(), objectAt), form.CaptionText(),
                    style);
}

void TbsSkinCaptionObject::Draw(HDC canvas, bool) {
    const TbsSkinData* data = Data();
    if (!data)
        return;
    const TbsDataSkinCaption& c = CaptionRecord();
    const framework::TBitmap* activePicture = ActivePicture();
    const Rect animation = AnimationRect();
    const bool ownFace =
        !IsEmptyRect(ActiveRect()) && (Active || Morphing() || !IsEmptyRect(animation) || c.StretchEffect);
    if (!ownFace || !DrawableSize(ObjectRect)) {
        DrawText(canvas, ObjectRect, Active);
        return;
    }
    const Size size = SizeOf(ObjectRect);
    const NinePartLayout& frame = Form().Geometry().layout;
    auto face = [&](bool active) {
        Picture image;
        if (!IsEmptyRect(animation) && activePicture)
            ComposeCaptionFace(image, size, PixelsOf(*activePicture), animation, c, frame);
        else if (active)
            ComposeCaptionFace(image, size, PixelsOf(*activePicture), c.ActiveSkinRect, c, frame);
        else
            ComposeCaptionFace(image, size, PixelsOf(data->FramePicture()), c.SkinRect, c, frame);
        if (image.width() != size.cx || image.height() != size.cy) {
            Picture fitted(size.cx, size.cy);
            CopyPictureRect(fitted, fitted.bounds(), image, image.bounds());
            image = std::move(fitted);
        }
        if (!active && data->FormInfo().AutoRenderingInActiveImage)
            ApplyInactiveEffect(image, data->FormInfo().InActiveEffect);
        HDC dc = CreateSurfaceDC(&image, {0, 0}, nullptr);
        DrawText(dc, rectOfSize(0, 0, size.cx, size.cy), active);
        DeleteDC(dc);
        return image;
    };
    Picture image;
    if (Morphing()) {
        TbsEffectBmp a(face(false));
        Morph(a, TbsEffectBmp(face(true)), c.MorphKind, MorphFactor);
        image = a.ToPicture();
    } else {
        image = face(Active);
    }
    DrawPictureRect(canvas, ObjectRect, image, image.bounds());
}

void TbsSkinCaptionObject::MouseEnter() {
    MouseIn = true;  // Active follows the window's activation
    if (Form().OnMouseEnterEvent)
        Form().OnMouseEnterEvent(IDName());
}

void TbsSkinCaptionObject::MouseLeave() {
    MouseIn = false;
    if (Form().OnMouseLeaveEvent)
        Form().OnMouseLeaveEvent(IDName());
}

void TbsSkinCaptionObject::MouseUp(int32_t x, int32_t y, framework::TMouseButton button) {
    // The caption never holds the mouse, so its release is told wherever the pointer is.
    if (Form().OnMouseUpEvent)
        Form().OnMouseUpEvent(IDName(), x, y, ObjectRect, button);
}

bool TbsSkinCaptionObject::NeedsAnimationStep() const {
    const int32_t frames = CaptionRecord().FrameCount;
    if (!Animates() || frames <= 0)
        return false;
    return Active ? AnimationFrame <= frames : AnimationFrame > 0;
}

bool TbsSkinCaptionObject::AnimationStep() {
    if (!NeedsAnimationStep())
        return false;
    if (TimeAccumulator < CaptionRecord().AnimateInterval) {
        TimeAccumulator += 25;
        return true;
    }
    AnimationFrame += Active ? 1 : -1;
    TimeAccumulator = 25;
    Form().RedrawObject(*this);
    return true;
}

// --- Making objects -------------------------------------------------------------------------------

std::unique_ptr<TbsActiveSkinObject> MakeFrameObject(TbsSkinForm& form, const TbsDataSkinObject& record) {
    const std::string_view type = record.TypeName();
    if (type == TbsDataSkinStdButton::kTypeName)
        return std::make_unique<TbsSkinStdButtonObject>(form,
                                                        static_cast<const TbsDataSkinStdButton&>(record));
    if (type == TbsDataSkinButton::kTypeName)
        return std::make_unique<TbsSkinButtonObject>(form, static_cast<const TbsDataSkinButton&>(record));
    if (type == TbsDataSkinCaption::kTypeName)
        return std::make_unique<TbsSkinCaptionObject>(form, static_cast<const TbsDataSkinCaption&>(record));
    if (type == TbsDataSkinAnimate::kTypeName)
        return std::make_unique<TbsSkinAnimateObject>(form, static_cast<const TbsDataSkinAnimate&>(record));
    if (type == TbsDataUserObject::kTypeName)
        return std::make_unique<TbsUserObject>(form, static_cast<const TbsDataUserObject&>(record));
    return nullptr;
}

}  // namespace skin
