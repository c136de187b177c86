// TbsSkinCustomControl: a skinned control whose face is cut from a nine-part custom-control
// record (custom_face.h). It sizes itself as the record's resize mode allows, keeps its window
// region in step with the record's mask, and composes its face off screen.
#pragma once

#include <memory>
#include <optional>

#include "framework/graphics/font.h"
#include "skin/controls/custom_face.h"
#include "skin/controls/skin_control.h"

namespace skin {

class TbsSkinCustomControl : public TbsSkinControl {
  public:
    explicit TbsSkinCustomControl(framework::TComponent* owner);
    ~TbsSkinCustomControl() override;
    static framework::PersistentClass Published();

    // Font without a skin (or with UseSkinFont off): Arial, height 14.
    framework::TFont& DefaultFont() { return *defaultFont_; }
    void SetDefaultFont(const framework::TFont& font) { defaultFont_->Assign(font); }
    // The size taken without a record (0: keep the present one).
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int height);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use) { useSkinFont_ = use; }

    void ReadSkinRecord() override;
    void ChangeSkinData() override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    // The face as last read from the record (none without one) and its layout for the present size.
    const std::optional<CustomFace>& Face() const { return face_; }
    const NinePartLayout& NewLayout() const { return newLayout_; }
    // Whether the control has set a window region from the record's mask.
    bool HasRegion() const { return hasRegion_; }

  protected:
    // Run when DefaultFont is assigned or changes.
    virtual void DefaultFontChanged() {}
    // The size the control may take for `size`; computes the layout for it.
    virtual platform::Size CalcSkinSize(platform::Size size);
    // Sets the window region from the mask, or removes it.
    virtual void UpdateRegion();

    void PaintDefaultFace(framework::TBitmap& face) override;
    void PaintSkinFace(framework::TBitmap& face) override;
    void Paint() override;
    void CreateHandleDone() override;

    // Takes the window region away, if the control set one.
    void RemoveRegion();

    // Descendants may paint frame and client separately (off by default) and leave the client out.
    bool separatePaint_ = false;
    bool drawClient_ = true;

  private:
    void PaintFrameAndClient();
    void TellChildrenParentChanged();

    std::unique_ptr<framework::TFont> defaultFont_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool useSkinFont_ = true;
    std::optional<CustomFace> face_;
    NinePartLayout newLayout_;
    bool hasRegion_ = false;
};

}  // namespace skin
