// The skin object records: caption, caption buttons, menu items, main-menu-bar items and buttons,
// animations and user objects, one per SKINOBJECTS entry, each read from the INI section named by
// its IDName. Each class lists its keys (INI name, member, default) in VisitKeys, in reading order.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/data/keyed_values.h"

namespace skin {

class TbsDataSkinObject : public KeyedValues {
  public:
    explicit TbsDataSkinObject(std::string idName);

    // The SKINOBJECTS type name of the class ("" for classes without one).
    virtual std::string_view TypeName() const { return ""; }

    void Load(const IniDocument& ini) { LoadSection(ini, IDName); }
    void Save(IniDocument& ini) const { SaveSection(ini, IDName); }
    void VisitKeys(KeyVisitor& key) override;

    std::string IDName{};

    std::string Hint{};
    int32_t ActivePictureIndex{};
    int32_t ActiveMaskPictureIndex{};
    bool SkinRectInAPicture{};  // false: SkinRect lies on the frame picture
    platform::Rect SkinRect{};
    platform::Rect ActiveSkinRect{};
    platform::Rect InActiveSkinRect{};
    bool Morphing{};
    TMorphKind MorphKind{};
    int32_t GlowLayerPictureIndex{};
    int32_t GlowLayerMaskPictureIndex{};
    int32_t GlowLayerOffsetX{};
    int32_t GlowLayerOffsetY{};
    int32_t GlowLayerAlphaBlendValue{};
};

// Reads "skinrect" only; every other value keeps its new-record default.
class TbsDataUserObject : public TbsDataSkinObject {
  public:
    using TbsDataSkinObject::TbsDataSkinObject;
    static constexpr std::string_view kTypeName = "userobject";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
  public:
    explicit TbsDataSkinButton(std::string idName);
    static constexpr std::string_view kTypeName = "button";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect DownRect{};
    platform::Rect DisableSkinRect{};  // key "disableskinrsect"
    int32_t AlphaMaskPictureIndex{};
    int32_t AlphaMaskActivePictureIndex{};
    int32_t AlphaMaskInActivePictureIndex{};
};

class TbsDataSkinStdButton : public TbsDataSkinButton {
  public:
    explicit TbsDataSkinStdButton(std::string idName);
    static constexpr std::string_view kTypeName = "stdbutton";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    TStdCommand Command{};
    // Faces while the window is in the state the command toggles (maximized, minimized, rolled up).
    platform::Rect RestoreRect{};
    platform::Rect RestoreActiveRect{};
    platform::Rect RestoreDownRect{};
    platform::Rect RestoreInActiveRect{};
    std::string RestoreHint{};  // derived from Hint and Command when empty

  protected:
    void AfterLoad() override;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
  public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
    static constexpr std::string_view kTypeName = "mainmenubarbutton";
    std::string_view TypeName() const override { return kTypeName; }
};

class TbsDataSkinAnimate : public TbsDataSkinObject {
  public:
    explicit TbsDataSkinAnimate(std::string idName);
    static constexpr std::string_view kTypeName = "animate";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    int32_t CountFrames{};
    bool Cycle{};
    bool ButtonStyle{};
    int32_t TimerInterval{};
    TStdCommand Command{};
    platform::Rect DownSkinRect{};
    platform::Rect RestoreRect{};
    platform::Rect RestoreActiveRect{};
    platform::Rect RestoreDownRect{};
    platform::Rect RestoreInActiveRect{};
    std::string RestoreHint{};

  protected:
    // Animations never morph, whatever the section says.
    void AfterLoad() override;
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
  public:
    explicit TbsDataSkinMenuItem(std::string idName);
    static constexpr std::string_view kTypeName = "menuitem";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    int32_t ItemLeftOffset{};
    int32_t ItemRightOffset{};
    platform::Rect DividerRect{};
    int32_t DividerLeftOffset{};
    int32_t DividerRightOffset{};
    platform::Rect TextRect{};
    platform::Rect ImageRect{};
    std::string FontName{};
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF UnEnabledFontColor{};
    bool StretchEffect{};
    bool InActiveStretchEffect{};
    bool DividerStretchEffect{};
    platform::Rect AnimateSkinRect{};
    int32_t FrameCount{};
    int32_t AnimateInterval{};
    bool InActiveAnimation{};
    bool UseImageColor{};
    platform::COLORREF ImageColor{};
    platform::COLORREF ActiveImageColor{};
    bool InActiveTransparent{};
    platform::Rect CheckImageRect{};
    platform::Rect ActiveCheckImageRect{};  // empty in the section: CheckImageRect
    platform::Rect RadioImageRect{};
    platform::Rect ActiveRadioImageRect{};  // empty in the section: RadioImageRect
    platform::Rect ArrowImageRect{};
    platform::Rect ActiveArrowImageRect{};  // empty in the section: ArrowImageRect

  protected:
    void AfterLoad() override;
};

// The keys of main-menu-bar items; only its subclass has a type name.
class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
  public:
    explicit TbsDataSkinMainMenuItem(std::string idName);
    void VisitKeys(KeyVisitor& key) override;

    int32_t ItemLeftOffset{};
    int32_t ItemRightOffset{};
    platform::Rect DownRect{};
    platform::Rect TextRect{};
    std::string FontName{};
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF DownFontColor{};
    platform::COLORREF UnEnabledFontColor{};  // key "unenabledfontColor"
    bool StretchEffect{};
    platform::Rect AnimateSkinRect{};
    int32_t FrameCount{};
    int32_t AnimateInterval{};
    bool InActiveAnimation{};
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
  public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
    static constexpr std::string_view kTypeName = "mainmenubaritem";
    std::string_view TypeName() const override { return kTypeName; }
};

class TbsDataSkinCaption : public TbsDataSkinObject {
  public:
    explicit TbsDataSkinCaption(std::string idName);
    static constexpr std::string_view kTypeName = "caption";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect TextRect{};  // relative to the caption strip (SkinRect)
    std::string FontName{};
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};        // inactive window
    platform::COLORREF ActiveFontColor{};  // active window
    TAlignment Alignment{};
    bool Light{};
    platform::COLORREF LightColor{};
    platform::COLORREF ActiveLightColor{};
    bool Shadow{};
    platform::COLORREF ShadowColor{};
    platform::COLORREF ActiveShadowColor{};
    platform::Rect FrameRect{};
    platform::Rect ActiveFrameRect{};
    platform::Rect FrameTextRect{};
    int32_t FrameLeftOffset{};
    int32_t FrameRightOffset{};
    bool StretchEffect{};
    platform::Rect AnimateSkinRect{};
    int32_t FrameCount{};
    int32_t AnimateInterval{};
    bool InActiveAnimation{};
    bool FullFrame{};
    bool VistaGlowEffect{};
    bool VistaGlowInActiveEffect{};
    bool GlowEffect{};
    bool GlowInActiveEffect{};
    int32_t GlowSize{};
    platform::COLORREF GlowColor{};
    platform::COLORREF GlowActiveColor{};
    int32_t GlowOffset{};
    bool ReflectionEffect{};
    platform::COLORREF ReflectionColor{};        // key "reflactioncolor"
    platform::COLORREF ReflectionActiveColor{};  // key "reflactionactivecolor"
    int32_t ReflectionOffset{};
    platform::Rect DividerRect{};
    bool DividerTransparent{};
    platform::COLORREF DividerTransparentColor{};
};

// The record class for a SKINOBJECTS type name (exact, case-sensitive), created with its IDName;
// nullptr when the type is not one of the eight.
std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view typeName, std::string idName);
// The SKINOBJECTS type names, in table order.
std::vector<std::string_view> SkinObjectTypeNames();

// The restore hint a caption button derives when its section gives none: "Restore" for the
// hints "Maximize", "Minimize", "RollUp" and "Roll Up" paired with their commands.
std::string DerivedRestoreHint(const std::string& hint, TStdCommand command);

}  // namespace skin
