// TbsSkinData: the component every skinned part reads its looks from. It inflates and parses a
// stored skin into pictures and typed records, answers lookups by name, and tells every form
// before and after the skin changes (skin_messages.h, skin_broadcast.h).
//
// It owns every picture, record, list and the colour set; consumers keep plain references only
// until the next SKM_BEFORECHANGESKINDATA and re-read everything on SKM_CHANGESKINDATA.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "framework/graphics/bitmap.h"
#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/form_info.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_control_records.h"
#include "skin/data/skin_object_records.h"
#include "skin/data/skin_package.h"
#include "skin/data/window_records.h"

namespace skin {

// A SKINOBJECTS or SKINCONTROLS entry that created no record (unknown type, or no ":").
struct SkippedEntry {
    std::string list;  // "SKINOBJECTS" or "SKINCONTROLS"
    int32_t index;
    std::string entry;  // the value, name ":" type
};

class TbsSkinData : public framework::TComponent {
  public:
    explicit TbsSkinData(framework::TComponent* owner);
    // Frees everything; sends nothing.
    ~TbsSkinData() override;

    // Switches (published, always stored). Setting SkinnableForm, ShowLayeredBorders or
    // AeroBlurEnabled to a new value outside design mode and outside form-data reading broadcasts
    // the matching message; the others are plain values.
    bool SkinnableForm() const { return skinnableForm_; }
    void SetSkinnableForm(bool value);
    bool AnimationForAllWindows() const { return animationForAllWindows_; }
    void SetAnimationForAllWindows(bool value) { animationForAllWindows_ = value; }
    bool EnableSkinEffects() const { return enableSkinEffects_; }
    void SetEnableSkinEffects(bool value) { enableSkinEffects_ = value; }
    bool ShowButtonGlowFrames() const { return showButtonGlowFrames_; }
    void SetShowButtonGlowFrames(bool value) { showButtonGlowFrames_ = value; }
    bool ShowCaptionButtonGlowFrames() const { return showCaptionButtonGlowFrames_; }
    void SetShowCaptionButtonGlowFrames(bool value) { showCaptionButtonGlowFrames_ = value; }
    bool ShowLayeredBorders() const { return showLayeredBorders_; }
    void SetShowLayeredBorders(bool value);
    bool AeroBlurEnabled() const { return aeroBlurEnabled_; }
    void SetAeroBlurEnabled(bool value);

    // References (published). Outside design mode, assigning a stored skin loads it at once (also
    // while form data is read); assigning a skin list, or a valid SkinIndex with a list, loads
    // that entry; assigning resource strings broadcasts SKM_RESSTRINGSCHANGED. A referenced
    // component that goes away leaves the reference empty, without a message or a reload.
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* value);
    TbsResourceStrData* ResourceStrData() const { return resourceStrData_; }
    void SetResourceStrData(TbsResourceStrData* value);
    TbsCompressedSkinList* SkinList() const { return skinList_; }
    void SetSkinList(TbsCompressedSkinList* value);
    int32_t SkinIndex() const { return skinIndex_; }
    // With a skin list, a value outside 0 .. entries - 1 is ignored.
    void SetSkinIndex(int32_t value);

    // Raised after each successful load, before the change notices.
    std::function<void(framework::TComponent* sender)> OnLoadData;

    // Replaces the current skin by the stored one (nothing happens when it holds no data):
    // SKM_BEFORECHANGESKINDATA, clear, inflate and parse, OnLoadData, SKM_CHANGESKINDATA,
    // SKM_AFTERCHANGESKINDATA. A damaged skin raises its error (EDecompressionError, EReadError,
    // EInvalidGraphic, EConvertError) after the component was left empty and the change notices
    // were sent, so consumers draw without skin; a package version above 3 does the same without
    // an error.
    void LoadStoredSkin(const TbsCompressedStoredSkin& storedSkin);
    // Frees the records and pictures, empties the frame pictures and picture names; Empty becomes
    // true. Sends nothing.
    void ClearSkin();
    // Frees the records and active pictures, sets the window records' picture indexes to -1 and
    // the colours to the system colours. Other record values stay.
    void ClearRecords();

    // Positions of the first record with exactly that IDName (case-sensitive), or -1.
    int32_t FindObjectIndex(std::string_view name) const;
    int32_t FindControlIndex(std::string_view name) const;
    // The record at a position as a record class, or nullptr (bad position or other class).
    template <class R>
    const R* ObjectAs(int32_t index) const {
        return index >= 0 && size_t(index) < skinObjects_.size()
                   ? dynamic_cast<const R*>(skinObjects_[size_t(index)].get())
                   : nullptr;
    }
    template <class R>
    const R* ControlAs(int32_t index) const {
        return index >= 0 && size_t(index) < skinControls_.size()
                   ? dynamic_cast<const R*>(skinControls_[size_t(index)].get())
                   : nullptr;
    }

    // Sends one skin message (wParam this component, lParam 1000) to the application's forms in
    // the order SkinBroadcastOrder gives, each synchronously.
    void BroadcastSkinMessage(uint32_t message);

    bool Empty() const { return empty_; }
    bool ChangingSkin() const { return changingSkin_; }

    const framework::TBitmap& FramePicture() const { return framePicture_; }
    const framework::TBitmap& InactiveFramePicture() const { return inactiveFramePicture_; }
    const framework::TBitmap& FrameMask() const { return frameMask_; }
    // The PICTURES names "picture", "inactivepicture", "mask" (informational).
    const std::string& PictureName() const { return pictureName_; }
    const std::string& InactivePictureName() const { return inactivePictureName_; }
    const std::string& MaskName() const { return maskName_; }
    // Position = picture index.
    const std::vector<framework::TBitmap>& ActivePictures() const { return activePictures_; }
    const std::vector<std::string>& ActivePictureNames() const { return activePictureNames_; }
    const std::vector<std::unique_ptr<TbsDataSkinObject>>& SkinObjects() const { return skinObjects_; }
    const std::vector<std::unique_ptr<TbsDataSkinControl>>& SkinControls() const { return skinControls_; }
    const TbsFormInfo& FormInfo() const { return formInfo_; }
    const TbsDataSkinPopupWindow& PopupWindow() const { return popupWindow_; }
    const TbsDataSkinHintWindow& HintWindow() const { return hintWindow_; }
    const TbsDataSkinLayerFrame& LayerFrame() const { return layerFrame_; }
    const TbsSkinColors& SkinColors() const { return skinColors_; }

    // The VERSION strings (informational).
    const std::string& SkinName() const { return skinName_; }
    const std::string& SkinAuthor() const { return skinAuthor_; }
    const std::string& AuthorEmail() const { return authorEmail_; }
    const std::string& AuthorURL() const { return authorURL_; }
    const std::string& SkinComments() const { return skinComments_; }

    // What the last load found: where the pictures lay in the package (and its version, also of
    // a refused package), and the list entries it skipped. For tools; no behaviour depends on it.
    const SkinPackageLayout& PackageLayout() const { return packageLayout_; }
    int64_t IniLineCount() const { return iniLineCount_; }
    const std::vector<SkippedEntry>& SkippedEntries() const { return skippedEntries_; }

  protected:
    void Notification(framework::TComponent* component, framework::Operation operation) override;

  private:
    bool DesignMode() const { return InState(framework::csDesigning); }
    void SetNotifiedSwitch(bool& field, bool value, uint32_t message);
    template <class T>
    void Refer(T*& field, T* value);
    void LoadListEntry();
    void ReadPackage(SkinPackage& package, const IniDocument& ini);
    void ReadRecordLists(const IniDocument& ini);
    void EndChange();

    bool skinnableForm_ = true;
    bool animationForAllWindows_ = false;
    bool enableSkinEffects_ = true;
    bool showButtonGlowFrames_ = true;
    bool showCaptionButtonGlowFrames_ = true;
    bool showLayeredBorders_ = true;
    bool aeroBlurEnabled_ = true;
    TbsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    TbsResourceStrData* resourceStrData_ = nullptr;
    TbsCompressedSkinList* skinList_ = nullptr;
    int32_t skinIndex_ = 0;

    bool empty_ = true;
    bool changingSkin_ = false;
    framework::TBitmap framePicture_, inactiveFramePicture_, frameMask_;
    std::string pictureName_, inactivePictureName_, maskName_;
    std::vector<framework::TBitmap> activePictures_;
    std::vector<std::string> activePictureNames_;
    std::vector<std::unique_ptr<TbsDataSkinObject>> skinObjects_;
    std::vector<std::unique_ptr<TbsDataSkinControl>> skinControls_;
    TbsFormInfo formInfo_;
    TbsDataSkinPopupWindow popupWindow_;
    TbsDataSkinHintWindow hintWindow_;
    TbsDataSkinLayerFrame layerFrame_;
    TbsSkinColors skinColors_;
    std::string skinName_, skinAuthor_, authorEmail_, authorURL_, skinComments_;

    SkinPackageLayout packageLayout_;
    int64_t iniLineCount_ = 0;
    std::vector<SkippedEntry> skippedEntries_;
};

}  // namespace skin
