// The frame's side of the layered border: when it is in use, and the requests that switch, suspend
// or re-create it. The border follows the form from the frame's size, place, activation and
// visibility messages (skin_form_hook.cpp, skin_form_apply.cpp).
#include "skin/data/skin_data.h"
#include "skin/frame/skin_form.h"

namespace skin {

bool TbsSkinForm::LayeredBordersEnabled() const {
    return skinData_ && !skinData_->Empty() && skinData_->ShowLayeredBorders() &&
           skinData_->LayerFrame().PictureIndex != -1 && layerBorder_->Prepared() && layeringSupported_ &&
           skinnable_ && !BorderStyleNone() && !layerSuspended_;
}

void TbsSkinForm::LayerBorderFollows() {
    if (!LayeredBordersEnabled()) {
        layerBorder_->Hide();
        return;
    }
    layerBorder_->OnFormStateChanged();
}

void TbsSkinForm::SuspendLayerBorder(bool suspend) {
    layerSuspended_ = suspend;
    LayerBorderFollows();
}

}  // namespace skin
