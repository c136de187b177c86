// The skin control records: one per SKINCONTROLS entry, read from the INI section named by its
// IDName. Each class lists its keys (INI name, member, default) in VisitKeys, in reading order,
// after its parent's; a skinned control finds its record by name and copies what it needs.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/data/keyed_values.h"

namespace skin {

class TbsDataSkinControl : public KeyedValues {
  public:
    explicit TbsDataSkinControl(std::string idName);
    // The SKINCONTROLS type name of the class ("" for classes without one).
    virtual std::string_view TypeName() const { return ""; }
    void Load(const IniDocument& ini) { LoadSection(ini, IDName); }
    void Save(IniDocument& ini) const { SaveSection(ini, IDName); }
    void VisitKeys(KeyVisitor& key) override;

    std::string IDName;

    int32_t PictureIndex{};
    int32_t MaskPictureIndex{};
    platform::Rect SkinRect{};
};

// The base of controls whose face is a nine-part layout.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinCustomControl(std::string idName);
    void VisitKeys(KeyVisitor& key) override;

    platform::Point LeftTopPoint{};
    platform::Point RightTopPoint{};
    platform::Point LeftBottomPoint{};
    platform::Point RightBottomPoint{};
    platform::Rect ClientRect{};
    bool LeftStretch{};
    bool TopStretch{};
    bool RightStretch{};
    bool BottomStretch{};
    bool StretchEffect{};
    TStretchType StretchType{};
};

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinButtonControl(std::string idName);
    static constexpr std::string_view kTypeName = "button";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF DownFontColor{};
    platform::COLORREF DisabledFontColor{};
    platform::Rect ActiveSkinRect{};
    platform::Rect DownSkinRect{};
    platform::Rect FocusedSkinRect{};
    platform::Rect DisabledSkinRect{};
    bool Morphing{};
    TMorphKind MorphKind{};
    platform::Rect AnimateSkinRect{};
    int32_t FrameCount{};
    int32_t AnimateInterval{};
    bool ShowFocus{};
    platform::Rect MenuMarkerFlatRect{};
    platform::Rect MenuMarkerRect{};
    platform::Rect MenuMarkerActiveRect{};
    platform::Rect MenuMarkerDownRect{};
    platform::COLORREF MenuMarkerTransparentColor{};
    int32_t GlowLayerPictureIndex{};
    int32_t GlowLayerMaskPictureIndex{};
    int32_t GlowLayerOffsetLeft{};
    int32_t GlowLayerOffsetTop{};
    int32_t GlowLayerOffsetRight{};
    int32_t GlowLayerOffsetBottom{};
    int32_t GlowLayerShowOffsetX{};
    int32_t GlowLayerShowOffsetY{};
    int32_t GlowLayerAlphaBlendValue{};
};

class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
  public:
    explicit TbsDataSkinMenuButtonControl(std::string idName);
    static constexpr std::string_view kTypeName = "menubutton";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect TrackButtonRect{};
};

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinPanelControl(std::string idName);
    static constexpr std::string_view kTypeName = "panel";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    int32_t BGPictureIndex{};
    platform::Rect CaptionRect{};
    TAlignment Alignment{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::Rect CheckImageRect{};
    platform::Rect UncheckImageRect{};
    platform::Rect MarkFrameRect{};
    platform::Rect FrameRect{};
    platform::Rect FrameTextRect{};
    int32_t FrameLeftOffset{};
    int32_t FrameRightOffset{};
    platform::Rect GripperRect{};
    bool GripperTransparent{};
    platform::COLORREF GripperTransparentColor{};
    platform::Rect ButtonRect{};
    platform::Rect ButtonActiveRect{};
    platform::Rect ButtonDownRect{};
    bool ButtonTransparent{};
    platform::COLORREF ButtonTransparentColor{};
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinExPanelControl(std::string idName);
    static constexpr std::string_view kTypeName = "expanel";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect RollHSkinRect{};
    platform::Rect RollVSkinRect{};
    int32_t RollLeftOffset{};
    int32_t RollRightOffset{};
    int32_t RollTopOffset{};
    int32_t RollBottomOffset{};
    platform::Rect RollVCaptionRect{};
    platform::Rect RollHCaptionRect{};
    platform::Rect CloseButtonRect{};
    platform::Rect CloseButtonActiveRect{};
    platform::Rect CloseButtonDownRect{};
    platform::Rect HRollButtonRect{};
    platform::Rect HRollButtonActiveRect{};
    platform::Rect HRollButtonDownRect{};
    platform::Rect HRestoreButtonRect{};
    platform::Rect HRestoreButtonActiveRect{};
    platform::Rect HRestoreButtonDownRect{};
    platform::Rect VRollButtonRect{};
    platform::Rect VRollButtonActiveRect{};
    platform::Rect VRollButtonDownRect{};
    platform::Rect VRestoreButtonRect{};
    platform::Rect VRestoreButtonActiveRect{};
    platform::Rect VRestoreButtonDownRect{};
    platform::Rect CaptionRect{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    bool ButtonsTransparent{};
    platform::COLORREF ButtonsTransparentColor{};
};

class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinCheckRadioControl(std::string idName);
    static constexpr std::string_view kTypeName = "checkradio";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF UnEnabledFontColor{};
    platform::COLORREF FrameFontColor{};
    platform::Rect ActiveSkinRect{};
    platform::Rect CheckImageArea{};
    platform::Rect TextArea{};
    platform::Rect CheckImageRect{};
    platform::Rect UncheckImageRect{};
    platform::Rect ActiveCheckImageRect{};
    platform::Rect ActiveUncheckImageRect{};
    platform::Rect UnEnabledCheckImageRect{};
    platform::Rect UnEnabledUncheckImageRect{};
    platform::Rect GrayedCheckImageRect{};
    platform::Rect ActiveGrayedCheckImageRect{};
    bool Morphing{};
    TMorphKind MorphKind{};
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinGaugeControl(std::string idName);
    static constexpr std::string_view kTypeName = "gauge";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ProgressArea{};
    platform::Rect ProgressRect{};
    int32_t BeginOffset{};
    int32_t EndOffset{};
    bool Vertical{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    bool ProgressTransparent{};
    platform::COLORREF ProgressTransparentColor{};
    bool ProgressStretch{};
    platform::Rect AnimationSkinRect{};
    int32_t AnimationCountFrames{};
    int32_t AnimationTimerInterval{};
    platform::Rect ProgressAnimationSkinRect{};
    int32_t ProgressAnimationCountFrames{};
    int32_t ProgressAnimationTimerInterval{};
    int32_t AnimationBeginOffset{};
    int32_t AnimationEndOffset{};
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinSplitterControl(std::string idName);
    static constexpr std::string_view kTypeName = "splitter";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect GripperRect{};
    bool GripperTransparent{};
    platform::COLORREF GripperTransparentColor{};
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinTrackBarControl(std::string idName);
    static constexpr std::string_view kTypeName = "trackbar";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ActiveSkinRect{};
    platform::Rect TrackArea{};
    platform::Rect ButtonRect{};
    platform::Rect ActiveButtonRect{};
    bool Vertical{};
    bool ButtonTransparent{};
    platform::COLORREF ButtonTransparentColor{};
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinLabelControl(std::string idName);
    static constexpr std::string_view kTypeName = "label";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
};

class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinStdLabelControl(std::string idName);
    static constexpr std::string_view kTypeName = "stdlabel";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
};

// An up-down face is never cut into nine parts: its corner points and client rectangle are zero
// after every load, whatever the section says. The button places are relative to SkinRect; the
// active and pressed faces lie in the picture.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinUpDownControl(std::string idName);
    static constexpr std::string_view kTypeName = "updown";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect UpButtonRect{};
    platform::Rect ActiveUpButtonRect{};
    platform::Rect DownUpButtonRect{};
    platform::Rect DownButtonRect{};
    platform::Rect ActiveDownButtonRect{};
    platform::Rect DownDownButtonRect{};

  protected:
    void AfterLoad() override;
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinGridControl(std::string idName);
    static constexpr std::string_view kTypeName = "grid";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect FixedCellRect{};
    platform::Rect SelectCellRect{};
    platform::Rect FocusCellRect{};
    int32_t FixedCellLeftOffset{};
    int32_t FixedCellRightOffset{};
    platform::Rect FixedCellTextRect{};
    int32_t CellLeftOffset{};
    int32_t CellRightOffset{};
    platform::Rect CellTextRect{};
    int32_t BGPictureIndex{};
    platform::COLORREF LinesColor{};
    platform::COLORREF BGColor{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF SelectFontColor{};
    platform::COLORREF FocusFontColor{};
    std::string FixedFontName;
    int32_t FixedFontHeight{};
    TFontStyles FixedFontStyle{};
    platform::COLORREF FixedFontColor{};
    bool CellStretchEffect{};
    bool FixedCellStretchEffect{};
    bool ShowFocus{};
};

// The tab strip: its page face (SkinRect, cut by its own nine-part keys), the tab faces and the
// strip behind them. A new record has magenta close-button and divider transparent colours; a load
// gives 0 for them when the keys are missing.
class TbsDataSkinTabControl : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinTabControl(std::string idName);
    static constexpr std::string_view kTypeName = "tab";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect TabRect{};
    platform::Rect ActiveTabRect{};
    platform::Rect FocusTabRect{};
    platform::Rect MouseInTabRect{};
    platform::Rect ClientRect{};
    int32_t BGPictureIndex{};
    platform::Point LeftTopPoint{};
    platform::Point RightTopPoint{};
    platform::Point LeftBottomPoint{};
    platform::Point RightBottomPoint{};
    int32_t TabLeftOffset{};
    int32_t TabRightOffset{};
    platform::Rect TabsBGRect{};
    bool TabStretchEffect{};
    bool LeftStretch{};
    bool TopStretch{};
    bool RightStretch{};
    bool BottomStretch{};
    bool StretchEffect{};
    TStretchType StretchType{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF FocusFontColor{};
    platform::COLORREF MouseInFontColor{};
    std::string UpDown;  // IDName of the up-down record that scrolls the tabs
    bool ShowFocus{};
    int32_t FocusOffsetX{};
    int32_t FocusOffsetY{};
    platform::Rect CloseButtonRect{};
    platform::Rect CloseButtonActiveRect{};
    platform::Rect CloseButtonDownRect{};
    bool ButtonTransparent{};
    platform::COLORREF ButtonTransparentColor{};
    platform::Rect DividerRect{};
    bool DividerTransparent{};
    platform::COLORREF DividerTransparentColor{};
    platform::Rect MDICloseRect{};
    platform::Rect MDICloseActiveRect{};
    platform::Rect MDICloseDownRect{};
    platform::Rect MDIRestoreRect{};
    platform::Rect MDIRestoreActiveRect{};
    platform::Rect MDIRestoreDownRect{};
    platform::Rect MDIMinRect{};
    platform::Rect MDIMinActiveRect{};
    platform::Rect MDIMinDownRect{};
    bool MDIButtonsTransparent{};
    platform::COLORREF MDIButtonsTransparentColor{};
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinMainMenuBar(std::string idName);
    static constexpr std::string_view kTypeName = "mainmenubar";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ItemsRect{};
    // IDNames of skin object records.
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MinButton;
    std::string MaxButton;
    std::string SysMenuButton;
    platform::COLORREF TrackMarkColor{};
    platform::COLORREF TrackMarkActiveColor{};
    bool StretchEffect{};
    bool ItemTransparent{};
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinControlBar(std::string idName);
    static constexpr std::string_view kTypeName = "controlbar";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ItemRect{};
    int32_t BGPictureIndex{};
    platform::Rect HGripRect{};
    platform::Rect VGripRect{};
    int32_t GripOffset1{};
    int32_t GripOffset2{};
    bool ItemStretchEffect{};
    int32_t ItemOffset1{};
    int32_t ItemOffset2{};
    bool ItemTransparent{};
    platform::COLORREF ItemTransparentColor{};
    bool GripTransparent{};
    platform::COLORREF GripTransparentColor{};
};

class TbsDataSkinAppMenu : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinAppMenu(std::string idName);
    static constexpr std::string_view kTypeName = "appmenu";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    int32_t BGPictureIndex{};
    bool BGStretchEffect{};
    platform::Rect ItemRect{};
    platform::Rect PageItemRect{};
    platform::Rect PageItemActiveRect{};
    int32_t ItemOffset1{};
    int32_t ItemOffset2{};
    int32_t PageItemOffset1{};
    int32_t PageItemOffset2{};
    int32_t PageOffset{};
    std::string FontName;
    int32_t FontHeight{};
    int32_t FontPageHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF DisabledFontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF FontPageColor{};
    platform::COLORREF ActiveFontPageColor{};
    platform::Rect GripperRect{};
    platform::COLORREF GripperTransparentColor{};
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinEditControl(std::string idName);
    static constexpr std::string_view kTypeName = "edit";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ActiveSkinRect{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF DisabledFontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::Rect ButtonRect{};
    platform::Rect ActiveButtonRect{};
    platform::Rect DownButtonRect{};
    platform::Rect UnEnabledButtonRect{};
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
  public:
    explicit TbsDataSkinMemoControl(std::string idName);
    static constexpr std::string_view kTypeName = "memo";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::COLORREF BGColor{};
    platform::COLORREF ActiveBGColor{};
};

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinListBox(std::string idName);
    static constexpr std::string_view kTypeName = "listbox";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ItemRect{};
    platform::Rect ActiveItemRect{};
    platform::Rect FocusItemRect{};
    int32_t ItemLeftOffset{};
    int32_t ItemRightOffset{};
    platform::Rect ItemTextRect{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF FocusFontColor{};
    platform::Rect CaptionRect{};
    std::string CaptionFontName;
    int32_t CaptionFontHeight{};
    TFontStyles CaptionFontStyle{};
    platform::COLORREF CaptionFontColor{};
    platform::Rect UpButtonRect{};
    platform::Rect ActiveUpButtonRect{};
    platform::Rect DownUpButtonRect{};
    platform::Rect DownButtonRect{};
    platform::Rect ActiveDownButtonRect{};
    platform::Rect DownDownButtonRect{};
    platform::Rect CheckButtonRect{};
    platform::Rect ActiveCheckButtonRect{};
    platform::Rect DownCheckButtonRect{};
    std::string VScrollBarName;
    std::string HScrollBarName;
    std::string BothHScrollBarName;
    bool ShowFocus{};
    platform::Rect DisabledButtonsRect{};
    platform::Rect ButtonsArea{};
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
  public:
    explicit TbsDataSkinCheckListBox(std::string idName);
    static constexpr std::string_view kTypeName = "checklistbox";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ItemCheckRect{};
    platform::Rect CheckImageRect{};
    platform::Rect UncheckImageRect{};
};

class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinComboBox(std::string idName);
    static constexpr std::string_view kTypeName = "combobox";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ActiveSkinRect{};
    platform::Rect ItemRect{};
    platform::Rect ActiveItemRect{};
    platform::Rect FocusItemRect{};
    int32_t ItemLeftOffset{};
    int32_t ItemRightOffset{};
    platform::Rect ItemTextRect{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF FocusFontColor{};
    platform::COLORREF ActiveFontColor{};
    std::string ListBoxName;
    platform::Rect ButtonRect{};
    platform::Rect ActiveButtonRect{};
    platform::Rect DownButtonRect{};
    platform::Rect UnEnabledButtonRect{};
    bool ItemStretchEffect{};
    bool FocusItemStretchEffect{};
    bool ShowFocus{};
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinScrollBarControl(std::string idName);
    static constexpr std::string_view kTypeName = "scrollbar";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect TrackArea{};
    platform::Rect UpButtonRect{};
    platform::Rect ActiveUpButtonRect{};
    platform::Rect DownUpButtonRect{};
    platform::Rect DownButtonRect{};
    platform::Rect ActiveDownButtonRect{};
    platform::Rect DownDownButtonRect{};
    platform::Rect ThumbRect{};
    platform::Rect ActiveThumbRect{};
    platform::Rect DownThumbRect{};
    int32_t ThumbOffset1{};
    int32_t ThumbOffset2{};
    bool ThumbTransparent{};
    platform::COLORREF ThumbTransparentColor{};
    bool ThumbStretchEffect{};
    int32_t ThumbMinSize{};
    int32_t ThumbMinPageSize{};
    platform::Rect GlyphRect{};
    platform::Rect ActiveGlyphRect{};
    platform::Rect DownGlyphRect{};
    bool GlyphTransparent{};
    platform::COLORREF GlyphTransparentColor{};
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinSpinEditControl(std::string idName);
    static constexpr std::string_view kTypeName = "spinedit";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::Rect ActiveSkinRect{};
    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF ActiveFontColor{};
    platform::COLORREF DisabledFontColor{};
    platform::Rect UpButtonRect{};
    platform::Rect ActiveUpButtonRect{};
    platform::Rect DownUpButtonRect{};
    platform::Rect DownButtonRect{};
    platform::Rect ActiveDownButtonRect{};
    platform::Rect DownDownButtonRect{};
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
  public:
    explicit TbsDataSkinScrollBoxControl(std::string idName);
    static constexpr std::string_view kTypeName = "scrollbox";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    int32_t BGPictureIndex{};
};

// The keys "treeview", "listview" and "richedit" share.
class TbsDataSkinTextViewControl : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinTextViewControl(std::string idName);
    void VisitKeys(KeyVisitor& key) override;

    std::string FontName;
    int32_t FontHeight{};
    TFontStyles FontStyle{};
    platform::COLORREF FontColor{};
    platform::COLORREF BGColor{};
};

class TbsDataSkinTreeView : public TbsDataSkinTextViewControl {
  public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
    static constexpr std::string_view kTypeName = "treeview";
    std::string_view TypeName() const override { return kTypeName; }
};

class TbsDataSkinListView : public TbsDataSkinTextViewControl {
  public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
    static constexpr std::string_view kTypeName = "listview";
    std::string_view TypeName() const override { return kTypeName; }
};

class TbsDataSkinRichEdit : public TbsDataSkinTextViewControl {
  public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
    static constexpr std::string_view kTypeName = "richedit";
    std::string_view TypeName() const override { return kTypeName; }
};

class TbsDataSkinBevel : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinBevel(std::string idName);
    static constexpr std::string_view kTypeName = "bevel";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::COLORREF LightColor{};
    platform::COLORREF DarkColor{};
};

class TbsDataSkinSlider : public TbsDataSkinControl {
  public:
    explicit TbsDataSkinSlider(std::string idName);
    static constexpr std::string_view kTypeName = "slider";
    std::string_view TypeName() const override { return kTypeName; }
    void VisitKeys(KeyVisitor& key) override;

    platform::COLORREF BGColor{};
    platform::Rect HRulerRect{};
    platform::Rect HThumbRect{};
    platform::Rect VRulerRect{};
    platform::Rect VThumbRect{};
    int32_t EdgeSize{};
    platform::COLORREF PointsColor{};
};

// The record class for a SKINCONTROLS type name (exact, case-sensitive), created with its IDName;
// nullptr when the type is not one of the 29.
std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view typeName, std::string idName);
// The SKINCONTROLS type names, in table order.
std::vector<std::string_view> SkinControlTypeNames();

}  // namespace skin
