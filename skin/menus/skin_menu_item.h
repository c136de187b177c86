// TbsSkinMenuItem: one shown item of a skinned popup menu. It presents a framework menu item
// (caption, short-cut, image, marks, sub-items) in its popup and keeps the item's state there:
// highlighted by the pointer or the keyboard (active), its submenu open (down), inside the shown
// range (visible), preselected when the popup opened (waiting), and its animation: a strip of
// frames, or a morph between the normal and the highlighted look in steps of a fifth.
#pragma once

#include <cstdint>

#include "framework/core/persistent.h"
#include "framework/graphics/bitmap.h"
#include "platform/geometry.h"

namespace framework {
class TCanvas;
class TMenuItem;
}  // namespace framework

namespace skin {

class TbsSkinPopupWindow;

class TbsSkinMenuItem : public framework::TObject {
  public:
    static constexpr double kMorphStep = 0.2;

    TbsSkinMenuItem(TbsSkinPopupWindow& popup, framework::TMenuItem& item) : popup_(popup), item_(item) {}

    TbsSkinPopupWindow& Popup() const { return popup_; }
    framework::TMenuItem& MenuItem() const { return item_; }

    platform::Rect ItemRect;  // popup coordinates
    bool Active = false;
    bool Down = false;
    bool Visible = false;
    bool Waiting = false;
    int32_t FrameNumber = 0;  // 0: no frame
    double MorphProgress = 0.0;

    bool Highlighted() const { return Active || Down; }
    bool IsSeparator() const;
    // Enabled and not a separator: what the pointer and the keyboard can highlight and choose.
    bool Usable() const;
    bool HasSubItems() const;

    // Whether the item morphs or runs frames: the skin's record asks for it and effects are on.
    bool Morphs() const;
    bool FrameAnimated() const;

    // Draws the item into a picture of its size in its present state; an empty picture for an item
    // that is not visible.
    void DrawPicture(framework::TBitmap& picture);
    // Draws that picture at the item rectangle of the canvas (the popup's, in its coordinates).
    void DrawMenuItem(framework::TCanvas& canvas);
    // After a change of state: starts the popup's animation when one applies, else draws at once.
    void RedrawMenuItem();
    // One step of its morph and frame animation (drawn when it changed); true when it changed.
    bool AnimationStep();

  private:
    TbsSkinPopupWindow& popup_;
    framework::TMenuItem& item_;
};

}  // namespace skin
