#include "skin/menus/skin_menu_item.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/menus/menu_item.h"
#include "skin/menus/item_layout.h"
#include "skin/menus/item_painting.h"
#include "skin/menus/skin_popup_window.h"
#include "skin/render/rect_helpers.h"

namespace skin {

namespace {

// Fifths do not add up exactly in binary: a morph that has all but arrived has arrived, so that
// five steps always lead from one end to the other.
double SnappedProgress(double progress) {
    constexpr double kNear = 1e-9;
    return progress < kNear ? 0.0 : progress > 1.0 - kNear ? 1.0 : progress;
}

}  // namespace

bool TbsSkinMenuItem::IsSeparator() const {
    return IsSeparatorCaption(item_.Caption());
}

bool TbsSkinMenuItem::Usable() const {
    return item_.Enabled() && !IsSeparator();
}

bool TbsSkinMenuItem::HasSubItems() const {
    return item_.Count() > 0;
}

bool TbsSkinMenuItem::Morphs() const {
    const MenuSkin& skin = popup_.Skin();
    return skin.item && skin.item->Morphing && skin.effects;
}

bool TbsSkinMenuItem::FrameAnimated() const {
    const MenuSkin& skin = popup_.Skin();
    return skin.item && skin.effects && !IsEmptyRect(skin.item->AnimateSkinRect) && skin.item->FrameCount > 0;
}

void TbsSkinMenuItem::DrawPicture(framework::TBitmap& picture) {
    if (!Visible) {
        picture.Clear();
        return;
    }
    Picture background;
    ItemLook look = popup_.LookOf(*this, background);
    look.highlighted = Highlighted();
    const TbsDataSkinMenuItem* record = popup_.Skin().item;
    if (FrameAnimated() && FrameNumber >= 1 && FrameNumber <= record->FrameCount) {
        look.frameFace =
            AnimationFrameRect(record->AnimateSkinRect, record->SkinRect, FrameNumber, record->FrameCount);
        DrawItemPicture(look, picture);
        return;
    }
    if (Morphs() && !(MorphProgress >= 1.0 && look.highlighted) &&
        (look.highlighted || MorphProgress > 0.0)) {
        DrawMorphedItemPicture(look, record->MorphKind, MorphProgress, picture);
        return;
    }
    DrawItemPicture(look, picture);
}

void TbsSkinMenuItem::DrawMenuItem(framework::TCanvas& canvas) {
    if (!Visible)
        return;
    framework::TBitmap picture;
    DrawPicture(picture);
    if (!picture.Empty())
        canvas.Draw(ItemRect.Left, ItemRect.Top, picture);
}

void TbsSkinMenuItem::RedrawMenuItem() {
    if (FrameAnimated()) {
        const TbsDataSkinMenuItem& record = *popup_.Skin().item;
        if (Active || record.InActiveAnimation) {
            popup_.StartAnimation(uint32_t(std::max(record.AnimateInterval, 1)));
            return;
        }
        FrameNumber = 0;
    } else if (Morphs()) {
        popup_.StartAnimation(TbsSkinPopupWindow::kMorphInterval);
        return;
    }
    popup_.DrawItemNow(*this);
}

bool TbsSkinMenuItem::AnimationStep() {
    bool changed = false;
    if (Morphs()) {
        const bool highlighted = Highlighted();
        if (highlighted && Visible && MorphProgress < 1.0) {
            MorphProgress = SnappedProgress(MorphProgress + kMorphStep);
            changed = true;
        } else if (!highlighted && MorphProgress > 0.0) {
            MorphProgress = SnappedProgress(MorphProgress - kMorphStep);
            changed = true;
        }
    }
    if (FrameAnimated()) {
        if (Active && FrameNumber <= popup_.Skin().item->FrameCount) {
            ++FrameNumber;
            changed = true;
        } else if (!Active && FrameNumber > 0) {
            --FrameNumber;
            changed = true;
        }
    }
    if (changed)
        popup_.DrawItemNow(*this);
    return changed;
}

}  // namespace skin
