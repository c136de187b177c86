// The frame objects: everything in the skinned frame that is drawn from a skin object record and
// may react to the pointer (the caption bar, caption buttons, push buttons, animations, user-drawn
// objects). The frame component makes one per record, lays them out and has each draw itself; the
// virtual operations below are the whole contract between the two, in this order:
//
//   PointInObject, ShowGlow, HideGlow, PrepareAlphaImages, NeedsMorphStep, Draw, DrawWithAlpha,
//   DoubleClick, MouseDown, MouseUp, MouseMove, MouseEnter, MouseLeave
//
// Each object keeps a copy of its record, so it never reads a record the skin data has freed; the
// pictures it draws from are looked up in the skin data at every draw.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/controls/control.h"
#include "framework/graphics/bitmap.h"
#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"
#include "skin/data/skin_object_records.h"
#include "skin/frame/caption_drawing.h"
#include "skin/frame/frame_layout.h"
#include "skin/render/layer_manager.h"
#include "skin/render/picture.h"

namespace framework {
class TMenuItem;
}

namespace skin {

class TbsSkinForm;
class TbsSkinData;

class TbsActiveSkinObject {
  public:
    TbsActiveSkinObject(TbsSkinForm& form, const TbsDataSkinObject& record);
    virtual ~TbsActiveSkinObject() = default;
    TbsActiveSkinObject(const TbsActiveSkinObject&) = delete;
    TbsActiveSkinObject& operator=(const TbsActiveSkinObject&) = delete;

    // --- The operations, in their fixed order ---
    // Whether a point (relative to ObjectRect's top-left corner) belongs to the object.
    virtual bool PointInObject(int32_t x, int32_t y) const;
    virtual void ShowGlow() {}
    virtual void HideGlow() {}
    // Prepares the images a layered border draws the object with.
    virtual void PrepareAlphaImages() {}
    virtual bool NeedsMorphStep() const;
    // Draws the object at ObjectRect of a canvas in window coordinates. Without `full`, an object
    // whose normal image is part of the frame picture leaves it out (the frame has drawn it).
    virtual void Draw(platform::HDC canvas, bool full);
    // Draws the object with its alpha onto a layered border's strip (premultiplied, in the
    // coordinates ObjectRect is laid out in there).
    virtual void DrawWithAlpha(Picture& /*strip*/) {}
    virtual void DoubleClick() {}
    // Pointer events; x and y are window-relative (-1, -1 for a release that came captured).
    virtual void MouseDown(int32_t x, int32_t y, framework::TMouseButton button);
    virtual void MouseUp(int32_t x, int32_t y, framework::TMouseButton button);
    virtual void MouseMove(int32_t x, int32_t y);
    virtual void MouseEnter();
    virtual void MouseLeave();

    // What the layout needs of the object.
    virtual FrameObjectKind Kind() const = 0;
    virtual std::optional<TStdCommand> Command() const { return std::nullopt; }
    FrameObjectPlacement Placement() const;

    // Whether the object can morph between its normal and active images now.
    bool CanMorph() const;
    // Morphing in progress: the factor has not reached the end its state heads for.
    bool Morphing() const;

    const TbsDataSkinObject& Record() const { return *record_; }
    const std::string& IDName() const { return record_->IDName; }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }
    // The hint to show now (a caption button in its restore state shows its restore hint).
    virtual const std::string& CurrentHint() const { return hint_; }

    platform::Rect ObjectRect;
    bool Enabled = true;
    bool Visible = true;
    bool Active = false;  // the pointer is over it (the caption: the window is active)
    bool MouseIn = false;
    double MorphFactor = 0;

  protected:
    TbsSkinForm& Form() const { return form_; }
    const TbsSkinData* Data() const;  // null without skin data or with an empty one
    // The record's active picture, or null when its index is outside the skin's pictures.
    const framework::TBitmap* ActivePicture() const;
    // The active skin rectangle, empty when there is no active picture or it reaches past it.
    platform::Rect ActiveRect() const;
    // Whether `r` is an image of the active picture (within it, not empty).
    bool HasImage(const platform::Rect& r) const;
    // The normal image: the skin rectangle on the frame picture, or on the active picture when
    // the record says it lies there.
    void DrawNormal(platform::HDC canvas) const;
    // A rectangle of the active picture at ObjectRect (scaled when the sizes differ).
    void DrawActiveRect(platform::HDC canvas, const platform::Rect& from) const;
    // The blend of two images by the record's morph kind and the morph factor.
    void DrawMorph(platform::HDC canvas, const framework::TBitmap& normalPicture,
                   const platform::Rect& normal, const framework::TBitmap& activePicture,
                   const platform::Rect& active) const;
    bool WindowActive() const;
    // Heads for the image the hover state asks for: morphing there, or redrawn at once.
    void FollowHover();
    // Shows the record's glow with `manager` at the object's place on the screen.
    void ShowGlowWith(TbsLayerManager& manager) const;

    // Takes the object's own copy of its record (made by the most derived class).
    void SetRecord(std::unique_ptr<TbsDataSkinObject> copy);

    // While set, the record's active picture is read from this one (a mask laid out like it).
    const framework::TBitmap* pictureStandIn_ = nullptr;

  private:
    TbsSkinForm& form_;
    std::unique_ptr<TbsDataSkinObject> record_;
    std::string hint_;
};

// Draws nothing itself: the form's OnPaintEvent draws it.
class TbsUserObject : public TbsActiveSkinObject {
  public:
    TbsUserObject(TbsSkinForm& form, const TbsDataUserObject& record);
    void Draw(platform::HDC canvas, bool full) override;
    FrameObjectKind Kind() const override { return FrameObjectKind::User; }
};

class TbsSkinButtonObject : public TbsActiveSkinObject {
  public:
    TbsSkinButtonObject(TbsSkinForm& form, const TbsDataSkinButton& record);
    void ShowGlow() override;
    void HideGlow() override;
    bool NeedsMorphStep() const override;
    void Draw(platform::HDC canvas, bool full) override;
    void MouseDown(int32_t x, int32_t y, framework::TMouseButton button) override;
    void MouseUp(int32_t x, int32_t y, framework::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    FrameObjectKind Kind() const override { return FrameObjectKind::Button; }
    const TbsDataSkinButton& ButtonRecord() const;

    // Pressed or released: the down image shows or goes, a released button morphs back.
    void SetDown(bool down);
    // The items the button opens below (or above) itself, or null.
    virtual framework::TMenuItem* Menu() const { return MenuItem; }

    bool Down = false;
    bool PopupUp = false;
    bool MenuOpen = false;  // its menu is shown (set by the menu bookkeeping)
    framework::TMenuItem* MenuItem = nullptr;

  protected:
    // The manager whose window shows the glow: menu buttons use the frame's second one.
    TbsLayerManager& GlowManager() const;
    void OpenMenu();
};

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
  public:
    TbsSkinStdButtonObject(TbsSkinForm& form, const TbsDataSkinStdButton& record);
    // A button of the plain frame, made without a record.
    TbsSkinStdButtonObject(TbsSkinForm& form, TStdCommand command);

    bool PointInObject(int32_t x, int32_t y) const override;
    void ShowGlow() override;
    void PrepareAlphaImages() override;
    bool NeedsMorphStep() const override;
    void Draw(platform::HDC canvas, bool full) override;
    void DrawWithAlpha(Picture& strip) override;
    void DoubleClick() override;
    void MouseDown(int32_t x, int32_t y, framework::TMouseButton button) override;
    void MouseUp(int32_t x, int32_t y, framework::TMouseButton button) override;
    FrameObjectKind Kind() const override { return FrameObjectKind::StdButton; }
    const std::string& CurrentHint() const override;
    framework::TMenuItem* Menu() const override;
    std::optional<TStdCommand> Command() const override { return StdRecord().Command; }
    const TbsDataSkinStdButton& StdRecord() const;

    bool FromRecord() const { return fromRecord_; }
    // Showing the window's small icon instead of a skin face.
    bool ShowsIcon() const;
    // The window is in the state this button toggles back (maximised, minimised, rolled up).
    bool InRestoreState() const;
    const std::string& RestoreHint() const { return restoreHint_; }
    void SetRestoreHint(std::string hint) { restoreHint_ = std::move(hint); }

  private:
    void DrawPlainFace(platform::HDC canvas) const;
    bool DrawRestoreFace(platform::HDC canvas) const;
    // The alpha mask picture for the face showing now, or null (the face is opaque).
    const framework::TBitmap* AlphaMaskNow() const;

    bool fromRecord_ = true;
    // The record's three alpha masks ("alphamask...pictureindex": normal, active, inactive), each
    // -1 unless it is a picture of the active picture's size.
    std::array<int32_t, 3> alphaMasks_{-1, -1, -1};
    std::string restoreHint_;
};

class TbsSkinAnimateObject : public TbsActiveSkinObject {
  public:
    TbsSkinAnimateObject(TbsSkinForm& form, const TbsDataSkinAnimate& record);
    void ShowGlow() override;
    void HideGlow() override;
    void Draw(platform::HDC canvas, bool full) override;
    void DoubleClick() override;
    void MouseDown(int32_t x, int32_t y, framework::TMouseButton button) override;
    void MouseUp(int32_t x, int32_t y, framework::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    FrameObjectKind Kind() const override { return FrameObjectKind::Animate; }
    std::optional<TStdCommand> Command() const override { return AnimateRecord().Command; }
    const TbsDataSkinAnimate& AnimateRecord() const;
    // Frame k (1-based) of the animation strip.
    platform::Rect FrameRect(int32_t k) const;
    // One tick of the animation timer; true while the object still animates.
    bool AnimationStep();
    // Whether the next tick has anything to do.
    bool NeedsAnimationStep() const;

    int32_t Frame = 1;
    bool Forwards = true;
    int32_t TimeAccumulator = 0;
    bool Down = false;
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
  public:
    TbsSkinCaptionObject(TbsSkinForm& form, const TbsDataSkinCaption& record);
    void Draw(platform::HDC canvas, bool full) override;
    // On a layered border the caption bar is the border's picture: only the text is drawn.
    void DrawWithAlpha(Picture& strip) override;
    void MouseUp(int32_t x, int32_t y, framework::TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // One tick of the caption animation; true while it still animates.
    bool AnimationStep();
    bool NeedsAnimationStep() const;
    FrameObjectKind Kind() const override { return FrameObjectKind::Caption; }
    const TbsDataSkinCaption& CaptionRecord() const;
    // The caption animation applies: skin effects on and an animation strip.
    bool Animates() const;
    // The text area in window coordinates for the present ObjectRect.
    platform::Rect TextArea() const { return CaptionTextArea(CaptionRecord(), ObjectRect); }

    int32_t AnimationFrame = 0;
    int32_t TimeAccumulator = 0;
    int32_t QuickButtonHot = -1;
    int32_t QuickButtonPreviousHot = -1;

  private:
    void DrawText(platform::HDC canvas, const platform::Rect& objectAt, bool active) const;
    // The animation frame showing now, or empty.
    platform::Rect AnimationRect() const;
};

// The object a record makes (null for records that make none: menu items and menu-bar parts).
std::unique_ptr<TbsActiveSkinObject> MakeFrameObject(TbsSkinForm& form, const TbsDataSkinObject& record);

}  // namespace skin
