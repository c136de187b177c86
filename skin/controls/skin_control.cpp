#include "skin/controls/skin_control.h"

#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace skin {

using namespace framework;

TbsSkinControl::TbsSkinControl(TComponent* owner) : TCustomControl(owner) {}

TbsSkinControl::~TbsSkinControl() = default;

void TbsSkinControl::SetHintImageList(TImageList* images) {
    if (hintImageList_)
        hintImageList_->RemoveFreeNotification(this);
    hintImageList_ = images;
    if (hintImageList_)
        hintImageList_->FreeNotification(this);
}

void TbsSkinControl::SetSkinData(TbsSkinData* skinData) {
    if (LinkSkinData(*this, skinData_, skinData))
        ChangeSkinData();
}

void TbsSkinControl::ReadSkinRecord() {
    skinIndex_ = skinData_ && !skinData_->Empty() ? skinData_->FindControlIndex(skinDataName_) : -1;
}

void TbsSkinControl::ChangeSkinData() {
    ReadSkinRecord();
    Repaint();
}

void TbsSkinControl::PaintDefaultFace(TBitmap&) {}

void TbsSkinControl::PaintSkinFace(TBitmap&) {}

void TbsSkinControl::Paint() {
    if (Width() <= 0 || Height() <= 0)
        return;
    ReadSkinRecord();
    TBitmap face;
    face.SetSize(Width(), Height());
    if (skinIndex_ == -1)
        PaintDefaultFace(face);
    else
        PaintSkinFace(face);
    Canvas().Draw(0, 0, face);
}

void TbsSkinControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case platform::WM_ERASEBKGND:
            // The paint covers the whole control.
            message.Result = 1;
            return;
        case SKM_PARENTCHANGED:
            ParentChanged();
            return;
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE: {
            TCustomControl::Dispatch(message);
            const TNotifyEvent& event = message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
            if (event && !DesignMode())
                event(this);
            return;
        }
        default:
            TCustomControl::Dispatch(message);
    }
}

void TbsSkinControl::Notification(TComponent* component, Operation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != Operation::opRemove)
        return;
    if (component == skinData_)
        skinData_ = nullptr;
    if (component == hintImageList_)
        hintImageList_ = nullptr;
}

}  // namespace skin
