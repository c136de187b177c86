// The frame's side of the layered border: when it is in use, and the requests that switch, suspend
// or re-create it. The border follows the form from the frame's size, place, activation and
// visibility messages (skin_form_hook.cpp, skin_form_apply.cpp).
#include "framework/forms/application.h"
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"
#include "skin/render/layered_windows.h"

namespace skin {

using platform::Size;

bool TbsSkinForm::LayeredBordersEnabled() const {
    return skinData_ && !skinData_->Empty() && skinData_->ShowLayeredBorders() &&
           skinData_->LayerFrame().PictureIndex != -1 && layerBorder_->Prepared() && layeringSupported_ &&
           skinnable_ && !BorderStyleNone() && !layerSuspended_;
}

void TbsSkinForm::LayerBorderFollows() {
    FollowLayerFrameMode();
    if (!LayeredBordersEnabled()) {
        layerBorder_->Hide();
        return;
    }
    layerBorder_->OnFormStateChanged();
}

bool TbsSkinForm::LayerDrawsFrameNow() const {
    const std::optional<LayerFrameLayout>& layout = layerBorder_->Layout();
    return layout && layout->fullBorder && LayeredBordersEnabled() && IsCompositionEnabled();
}

void TbsSkinForm::FollowLayerFrameMode() {
    if (switchingLayerMode_ || LayerDrawsFrameNow() == layerDrawsFrame_)
        return;
    // The window keeps its bounds; its client area, region, size limits and the place of the
    // frame objects change with the mode. Sizing the window again below comes back here.
    switchingLayerMode_ = true;
    layerDrawsFrame_ = !layerDrawsFrame_;
    ResetHoverStates();
    hotIndex_ = previousHotIndex_ = capturedIndex_ = -1;
    // The border's windows are made again for the mode (none without a compositor).
    layerBorder_->Hide();
    if (Window()) {
        TakeWindowSize();
        UpdateFrame(true);
        FitToSizeLimits();
        if (!layerDrawsFrame_)
            SendNcPaint();
        form_->Invalidate();
    }
    switchingLayerMode_ = false;
    if (LayeredBordersEnabled())
        layerBorder_->OnFormStateChanged();
}

int32_t TbsSkinForm::FullBorderShownHeight(int32_t windowHeight) const {
    const bool small = (rolledUp_ || formState_ == TbsFormState::Minimized) &&
                       !(framework::Application && framework::Application->MainForm() == form_);
    const int32_t h = skin::FullBorderShownHeight(*layerBorder_->Layout(), windowHeight, small);
    // On platform version 6.1 a window rolled up to nothing keeps one row.
    return small && h == 0 && osVersion61_ ? 1 : h;
}

void TbsSkinForm::LayoutObjectsOnBorder(const LayerFrameLayout& layout, Size outer) {
    std::vector<FrameObjectPlacement> placements = Placements();
    const std::optional<Size> icon = showIcon_ ? std::optional(SmallIconSize()) : std::nullopt;
    LayoutLayerFrameObjects(layout, outer, placements, icon);
    ApplyPlacements(placements);
}

void TbsSkinForm::SuspendLayerBorder(bool suspend) {
    layerSuspended_ = suspend;
    LayerBorderFollows();
}

}  // namespace skin
