// The three records that describe whole windows, each read from a fixed section: the popup menu
// window ("POPUPWINDOW"), the hint window ("HINTWINDOW") and the layered frame ("LAYERFRAME").
// The skin data component owns one of each and reloads them in place.
#pragma once

#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/data/keyed_values.h"

namespace skin {

class TbsDataSkinPopupWindow final : public KeyedValues {
  public:
    static constexpr std::string_view kSection = "POPUPWINDOW";
    TbsDataSkinPopupWindow();
    void Load(const IniDocument& ini) { LoadSection(ini, kSection); }
    void Save(IniDocument& ini) const { SaveSection(ini, kSection); }
    void VisitKeys(KeyVisitor& key) override;

    int32_t WindowPictureIndex{};  // -1: popup menus are not skinned
    int32_t MaskPictureIndex{};
    platform::Point LeftTopPoint{};
    platform::Point RightTopPoint{};
    platform::Point LeftBottomPoint{};
    platform::Point RightBottomPoint{};
    platform::Rect ItemsRect{};  // the nine-part client rectangle
    platform::COLORREF ScrollMarkerColor{};
    platform::COLORREF ScrollMarkerActiveColor{};
    bool LeftStretch{};
    bool RightStretch{};
    bool TopStretch{};
    bool BottomStretch{};
    bool StretchEffect{};
    TStretchType StretchType{};
};

class TbsDataSkinHintWindow final : public KeyedValues {
  public:
    static constexpr std::string_view kSection = "HINTWINDOW";
    // A hint record that was never loaded has a 12-pixel font (a load without the key gives 14).
    TbsDataSkinHintWindow();
    void Load(const IniDocument& ini) { LoadSection(ini, kSection); }
    void Save(IniDocument& ini) const { SaveSection(ini, kSection); }
    void VisitKeys(KeyVisitor& key) override;

    int32_t WindowPictureIndex{};  // -1: hints are not skinned
    int32_t MaskPictureIndex{};
    platform::Point LeftTopPoint{};
    platform::Point RightTopPoint{};
    platform::Point LeftBottomPoint{};
    platform::Point RightBottomPoint{};
    platform::Rect ClientRect{};  // the text area
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    bool LeftStretch{};
    bool RightStretch{};
    bool TopStretch{};
    bool BottomStretch{};
    bool StretchEffect{};
    TStretchType StretchType{};
};

class TbsDataSkinLayerFrame final : public KeyedValues {
  public:
    static constexpr std::string_view kSection = "LAYERFRAME";
    TbsDataSkinLayerFrame();
    void Load(const IniDocument& ini) { LoadSection(ini, kSection); }
    void Save(IniDocument& ini) const { SaveSection(ini, kSection); }
    void VisitKeys(KeyVisitor& key) override;

    int32_t PictureIndex{};  // -1: no layered frame
    int32_t MaskPictureIndex{};
    int32_t InActivePictureIndex{};
    int32_t InActiveMaskPictureIndex{};
    platform::Point LeftTopPoint{};
    platform::Point RightTopPoint{};
    platform::Point LeftBottomPoint{};
    platform::Point RightBottomPoint{};
    platform::Rect ClientRect{};
    int32_t AlphaBlendValue{};
    int32_t InActiveAlphaBlendValue{};
    platform::Rect BorderRect{};
    bool HitTestEnable{};
    bool FullBorder{};
    int32_t HitTestSize{};
    platform::Rect CaptionRect{};
    platform::Point HitTestLeftTopPoint{};
    platform::Point HitTestRightTopPoint{};
    platform::Point HitTestLeftBottomPoint{};
    platform::Point HitTestRightBottomPoint{};
    platform::Rect ButtonsRect{};
    platform::Rect SysMenuButtonRect{};
    bool FullStretch{};
    int32_t RollUpFormHeight{};
    int32_t ButtonsTopOffset{};
    int32_t SysButtonTopOffset{};
    int32_t BlurMaskPictureIndex{};
    platform::Rect IntersectBlurMaskRect{};
    platform::Rect ExcludeBlurMaskRect{};
    int32_t LeftOffset{};
    int32_t TopOffset{};
    int32_t WidthOffset{};
    int32_t HeightOffset{};
};

}  // namespace skin
