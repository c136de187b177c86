// FORMINFO: the values of the skinned window frame, positions in the frame picture.
#pragma once

#include <string_view>

#include "platform/geometry.h"
#include "skin/data/keyed_values.h"

namespace skin {

class TbsFormInfo final : public KeyedValues {
  public:
    static constexpr std::string_view kSection = "FORMINFO";
    TbsFormInfo();
    // Reads every key. The rules below need the frame mask's name and are applied by the caller.
    void Load(const IniDocument& ini) { LoadSection(ini, kSection); }
    void Save(IniDocument& ini) const { SaveSection(ini, kSection); }
    void VisitKeys(KeyVisitor& key) override;

    // The frame's own rules, applied after reading:
    // - with a mask picture named, an empty MaskRectArea becomes ClientRect and a non-empty one
    //   grows to the bounding box of both; hit-test points with X or Y 0 take the matching corner
    //   point;
    // - unless RightBottomPoint shares X or Y with LeftTopPoint, the four corner points are pulled
    //   into ClientRect.
    void ApplyFrameRules(bool maskNamed);

    platform::Point LeftTopPoint{};
    platform::Point RightTopPoint{};
    platform::Point LeftBottomPoint{};
    platform::Point RightBottomPoint{};
    platform::Rect ClientRect{};
    int32_t BGPictureIndex{};
    int32_t MDIBGPictureIndex{};
    bool LeftStretch{};
    bool RightStretch{};
    bool TopStretch{};
    bool BottomStretch{};
    bool StretchEffect{};
    TStretchType StretchType{};
    bool MDIBGStretchEffect{};
    TStretchType MDIBGStretchType{};
    platform::Rect MaskRectArea{};
    platform::Point HitTestLeftTopPoint{};
    platform::Point HitTestRightTopPoint{};
    platform::Point HitTestLeftBottomPoint{};
    platform::Point HitTestRightBottomPoint{};
    platform::Rect ButtonsRect{};
    platform::Rect CaptionRect{};
    int32_t ButtonsOffset{};
    bool ButtonsInLeft{};
    bool MainMenuPopupUp{};
    int32_t BorderWidth{};
    int32_t FormMinWidth{};
    int32_t FormMinHeight{};
    bool MDITabsTransparent{};
    bool MainMenuBarTransparent{};
    bool AutoRenderingInActiveImage{};
    TInactiveEffect InActiveEffect{};
};

}  // namespace skin
