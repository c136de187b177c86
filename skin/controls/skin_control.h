// TbsSkinControl: the base of the skinned window controls. It links the control to a skin data
// component and a record name, finds the record (its index among the skin's control records, -1
// when there is none), paints the control off screen with its built-in face or its skin face, and
// takes part in skin changes (skinned_control.h).
//
// TbsSkinCustomControl (skin_custom_control.h) adds faces cut from a nine-part record.
#pragma once

#include <string>

#include "framework/controls/win_control.h"
#include "framework/graphics/bitmap.h"
#include "skin/controls/skinned_control.h"

namespace framework {
class TImageList;
}

namespace skin {

class TbsSkinData;

class TbsSkinControl : public framework::TCustomControl, public SkinnedControl {
  public:
    explicit TbsSkinControl(framework::TComponent* owner);
    ~TbsSkinControl() override;
    static framework::PersistentClass Published();

    // For the skinned hint.
    const std::string& HintTitle() const { return hintTitle_; }
    void SetHintTitle(const std::string& title) { hintTitle_ = title; }
    int HintImageIndex() const { return hintImageIndex_; }
    void SetHintImageIndex(int index) { hintImageIndex_ = index; }
    framework::TImageList* HintImageList() const { return hintImageList_; }
    void SetHintImageList(framework::TImageList* images);

    TbsSkinData* SkinData() const override { return skinData_; }
    // Stores the component; one that holds a skin is taken at once (ChangeSkinData).
    virtual void SetSkinData(TbsSkinData* skinData);
    const std::string& SkinDataName() const { return skinDataName_; }
    // Stores the name only; the record is looked up at the next paint or skin change.
    virtual void SetSkinDataName(const std::string& name) { skinDataName_ = name; }

    // The record's position among the skin's control records, -1 when none is in use.
    int SkinIndex() const { return skinIndex_; }
    // Looks the record up anew.
    virtual void ReadSkinRecord();
    void ResetSkinIndex() override { skinIndex_ = -1; }
    void ChangeSkinData() override;

    framework::TNotifyEvent OnMouseEnter;
    framework::TNotifyEvent OnMouseLeave;

  protected:
    // Draw the face on `face`, which has the control's size: the built-in look, or the record's.
    virtual void PaintDefaultFace(framework::TBitmap& face);
    virtual void PaintSkinFace(framework::TBitmap& face);
    // SKM_PARENTCHANGED: the parent's face changed (a control that shows it draws again).
    virtual void ParentChanged() {}

    bool DesignMode() const { return InState(framework::csDesigning); }
    void Paint() override;
    void Dispatch(framework::TMessage& message) override;
    void Notification(framework::TComponent* component, framework::Operation operation) override;

  private:
    std::string hintTitle_;
    int hintImageIndex_ = 0;
    framework::TImageList* hintImageList_ = nullptr;
    TbsSkinData* skinData_ = nullptr;
    std::string skinDataName_;
    int skinIndex_ = -1;
};

}  // namespace skin
