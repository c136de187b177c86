#include "skin/data/skin_control_records.h"

#include <array>

#include "skin/data/type_table.h"

namespace skin {

namespace {
constexpr platform::COLORREF kMagenta = platform::RGB(255, 0, 255);
}  // namespace

TbsDataSkinControl::TbsDataSkinControl(std::string idName) : IDName(std::move(idName)) {
    TbsDataSkinControl::VisitKeys(Defaults());
}

void TbsDataSkinControl::VisitKeys(KeyVisitor& key) {
    key("pictureindex", PictureIndex, -1);
    key("maskpictureindex", MaskPictureIndex, -1);
    key("skinrect", SkinRect, {});
}

TbsDataSkinCustomControl::TbsDataSkinCustomControl(std::string idName)
    : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinCustomControl::VisitKeys(Defaults());
}

void TbsDataSkinCustomControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("lefttoppoint", LeftTopPoint, {});
    key("righttoppoint", RightTopPoint, {});
    key("leftbottompoint", LeftBottomPoint, {});
    key("rightbottompoint", RightBottomPoint, {});
    key("clientrect", ClientRect, {});
    key("leftstretch", LeftStretch, false);
    key("topstretch", TopStretch, false);
    key("rightstretch", RightStretch, false);
    key("bottomstretch", BottomStretch, false);
    key("stretcheffect", StretchEffect, false);
    key("stretchtype", StretchType, TStretchType::stFull);
}

TbsDataSkinButtonControl::TbsDataSkinButtonControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinButtonControl::VisitKeys(Defaults());
}

void TbsDataSkinButtonControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("downfontcolor", DownFontColor, 0);
    key("disabledfontcolor", DisabledFontColor, 0);
    key("activeskinrect", ActiveSkinRect, {});
    key("downskinrect", DownSkinRect, {});
    key("focusedskinrect", FocusedSkinRect, {});
    key("disabledskinrect", DisabledSkinRect, {});
    key("morphing", Morphing, false);
    key("morphkind", MorphKind, TMorphKind::mkDefault);
    key("animateskinrect", AnimateSkinRect, {});
    key("framecount", FrameCount, 0);
    key("animateinterval", AnimateInterval, 25);
    key("showfocus", ShowFocus, false);
    key("menumarkerflatrect", MenuMarkerFlatRect, {});
    key("menumarkerrect", MenuMarkerRect, {});
    key("menumarkeractiverect", MenuMarkerActiveRect, {});
    key("menumarkerdownrect", MenuMarkerDownRect, {});
    key("menumarkertransparentcolor", MenuMarkerTransparentColor, 0);
    key("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    key("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    key("glowlayeroffsetleft", GlowLayerOffsetLeft, 0);
    key("glowlayeroffsettop", GlowLayerOffsetTop, 0);
    key("glowlayeroffsetright", GlowLayerOffsetRight, 0);
    key("glowlayeroffsetbottom", GlowLayerOffsetBottom, 0);
    key("glowlayershowoffsetx", GlowLayerShowOffsetX, 0);
    key("glowlayershowoffsety", GlowLayerShowOffsetY, 0);
    key("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

TbsDataSkinMenuButtonControl::TbsDataSkinMenuButtonControl(std::string idName)
    : TbsDataSkinButtonControl(std::move(idName)) {
    TbsDataSkinMenuButtonControl::VisitKeys(Defaults());
}

void TbsDataSkinMenuButtonControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinButtonControl::VisitKeys(key);
    key("trackbuttonrect", TrackButtonRect, {});
}

TbsDataSkinPanelControl::TbsDataSkinPanelControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinPanelControl::VisitKeys(Defaults());
}

void TbsDataSkinPanelControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("bgpictureindex", BGPictureIndex, -1);
    key("captionrect", CaptionRect, {});
    key("alignment", Alignment, TAlignment::taCenter);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("checkimagerect", CheckImageRect, {});
    key("uncheckimagerect", UncheckImageRect, {});
    key("markframerect", MarkFrameRect, {});
    key("framerect", FrameRect, {});
    key("frametextrect", FrameTextRect, {});
    key("frameleftoffset", FrameLeftOffset, 0);
    key("framerightoffset", FrameRightOffset, 0);
    key("gripperrect", GripperRect, {});
    key("grippertransparent", GripperTransparent, false);
    key("grippertransparentcolor", GripperTransparentColor, 0);
    key("buttonrect", ButtonRect, {});
    key("buttonactiverect", ButtonActiveRect, {});
    key("buttondownrect", ButtonDownRect, {});
    key("buttontransparent", ButtonTransparent, false);
    key("buttontransparentcolor", ButtonTransparentColor, 0);
}

TbsDataSkinExPanelControl::TbsDataSkinExPanelControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinExPanelControl::VisitKeys(Defaults());
}

void TbsDataSkinExPanelControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("rollhskinrect", RollHSkinRect, {});
    key("rollvskinrect", RollVSkinRect, {});
    key("rollleftoffset", RollLeftOffset, 0);
    key("rollrightoffset", RollRightOffset, 0);
    key("rolltopoffset", RollTopOffset, 0);
    key("rollbottomoffset", RollBottomOffset, 0);
    key("rollvcaptionrect", RollVCaptionRect, {});
    key("rollhcaptionrect", RollHCaptionRect, {});
    key("closebuttonrect", CloseButtonRect, {});
    key("closebuttonactiverect", CloseButtonActiveRect, {});
    key("closebuttondownrect", CloseButtonDownRect, {});
    key("hrollbuttonrect", HRollButtonRect, {});
    key("hrollbuttonactiverect", HRollButtonActiveRect, {});
    key("hrollbuttondownrect", HRollButtonDownRect, {});
    key("hrestorebuttonrect", HRestoreButtonRect, {});
    key("hrestorebuttonactiverect", HRestoreButtonActiveRect, {});
    key("hrestorebuttondownrect", HRestoreButtonDownRect, {});
    key("vrollbuttonrect", VRollButtonRect, {});
    key("vrollbuttonactiverect", VRollButtonActiveRect, {});
    key("vrollbuttondownrect", VRollButtonDownRect, {});
    key("vrestorebuttonrect", VRestoreButtonRect, {});
    key("vrestorebuttonactiverect", VRestoreButtonActiveRect, {});
    key("vrestorebuttondownrect", VRestoreButtonDownRect, {});
    key("captionrect", CaptionRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("buttonstransparent", ButtonsTransparent, false);
    key("buttonstransparentcolor", ButtonsTransparentColor, 0);
}

TbsDataSkinCheckRadioControl::TbsDataSkinCheckRadioControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinCheckRadioControl::VisitKeys(Defaults());
}

void TbsDataSkinCheckRadioControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("unenabledfontcolor", UnEnabledFontColor, 0);
    key("framefontcolor", FrameFontColor, 0);
    key("activeskinrect", ActiveSkinRect, {});
    key("checkimagearea", CheckImageArea, {});
    key("textarea", TextArea, {});
    key("checkimagerect", CheckImageRect, {});
    key("uncheckimagerect", UncheckImageRect, {});
    key("activecheckimagerect", ActiveCheckImageRect, {});
    key("activeuncheckimagerect", ActiveUncheckImageRect, {});
    key("unenabledcheckimagerect", UnEnabledCheckImageRect, {});
    key("unenableduncheckimagerect", UnEnabledUncheckImageRect, {});
    key("grayedcheckimagerect", GrayedCheckImageRect, {});
    key("activegrayedcheckimagerect", ActiveGrayedCheckImageRect, {});
    key("morphing", Morphing, false);
    key("morphkind", MorphKind, TMorphKind::mkDefault);
}

TbsDataSkinGaugeControl::TbsDataSkinGaugeControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinGaugeControl::VisitKeys(Defaults());
}

void TbsDataSkinGaugeControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("progressarea", ProgressArea, {});
    key("progressrect", ProgressRect, {});
    key("beginoffset", BeginOffset, 0);
    key("endoffset", EndOffset, 0);
    key("vertical", Vertical, false);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("progresstransparent", ProgressTransparent, false);
    key("progresstransparentcolor", ProgressTransparentColor, 0);
    key("progressstretch", ProgressStretch, false);
    key("animationskinrect", AnimationSkinRect, {});
    key("animationcountframes", AnimationCountFrames, 0);
    key("animationtimerinterval", AnimationTimerInterval, 0);
    key("progressanimationskinrect", ProgressAnimationSkinRect, {});
    key("progressanimationcountframes", ProgressAnimationCountFrames, 0);
    key("progressanimationtimerinterval", ProgressAnimationTimerInterval, 0);
    key("animationbeginoffset", AnimationBeginOffset, 0);
    key("animationendoffset", AnimationEndOffset, 0);
}

TbsDataSkinSplitterControl::TbsDataSkinSplitterControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinSplitterControl::VisitKeys(Defaults());
}

void TbsDataSkinSplitterControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("gripperrect", GripperRect, {});
    key("grippertransparent", GripperTransparent, false);
    key("grippertransparentcolor", GripperTransparentColor, 0);
}

TbsDataSkinTrackBarControl::TbsDataSkinTrackBarControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinTrackBarControl::VisitKeys(Defaults());
}

void TbsDataSkinTrackBarControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("activeskinrect", ActiveSkinRect, {});
    key("trackarea", TrackArea, {});
    key("buttonrect", ButtonRect, {});
    key("activebuttonrect", ActiveButtonRect, {});
    key("vertical", Vertical, false);
    key("buttontransparent", ButtonTransparent, false);
    key("buttontransparentcolor", ButtonTransparentColor, 0);
}

TbsDataSkinLabelControl::TbsDataSkinLabelControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinLabelControl::VisitKeys(Defaults());
}

void TbsDataSkinLabelControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
}

TbsDataSkinStdLabelControl::TbsDataSkinStdLabelControl(std::string idName)
    : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinStdLabelControl::VisitKeys(Defaults());
}

void TbsDataSkinStdLabelControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 16711680);
}

TbsDataSkinUpDownControl::TbsDataSkinUpDownControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinUpDownControl::VisitKeys(Defaults());
}

void TbsDataSkinUpDownControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("upbuttonrect", UpButtonRect, {});
    key("activeupbuttonrect", ActiveUpButtonRect, {});
    key("downupbuttonrect", DownUpButtonRect, {});
    key("downbuttonrect", DownButtonRect, {});
    key("activedownbuttonrect", ActiveDownButtonRect, {});
    key("downdownbuttonrect", DownDownButtonRect, {});
}

void TbsDataSkinUpDownControl::AfterLoad() {
    LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = {};
    ClientRect = {};
}

TbsDataSkinGridControl::TbsDataSkinGridControl(std::string idName) : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinGridControl::VisitKeys(Defaults());
}

void TbsDataSkinGridControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("fixedcellrect", FixedCellRect, {});
    key("selectcellrect", SelectCellRect, {});
    key("focuscellrect", FocusCellRect, {});
    key("fixedcellleftoffset", FixedCellLeftOffset, 0);
    key("fixedcellrightoffset", FixedCellRightOffset, 0);
    key("fixedcelltextrect", FixedCellTextRect, {});
    key("cellleftoffset", CellLeftOffset, 0);
    key("cellrightoffset", CellRightOffset, 0);
    key("celltextrect", CellTextRect, {});
    key("bgpictureindex", BGPictureIndex, -1);
    key("linescolor", LinesColor, 0);
    key("bgcolor", BGColor, 0);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("selectfontcolor", SelectFontColor, 0);
    key("focusfontcolor", FocusFontColor, 0);
    key("fixedfontname", FixedFontName, "Arial");
    key("fixedfontheight", FixedFontHeight, 14);
    key("fixedfontstyle", FixedFontStyle, {});
    key("fixedfontcolor", FixedFontColor, 0);
    key("cellstretcheffect", CellStretchEffect, false);
    key("fixedcellstretcheffect", FixedCellStretchEffect, false);
    key("showfocus", ShowFocus, false);
}

TbsDataSkinTabControl::TbsDataSkinTabControl(std::string idName) : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinTabControl::VisitKeys(Defaults());
    ButtonTransparentColor = kMagenta;
    DividerTransparentColor = kMagenta;
}

void TbsDataSkinTabControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("tabrect", TabRect, {});
    key("activetabrect", ActiveTabRect, {});
    key("focustabrect", FocusTabRect, {});
    key("mouseintabrect", MouseInTabRect, {});
    key("clientrect", ClientRect, {});
    key("bgpictureindex", BGPictureIndex, -1);
    key("lefttoppoint", LeftTopPoint, {});
    key("righttoppoint", RightTopPoint, {});
    key("leftbottompoint", LeftBottomPoint, {});
    key("rightbottompoint", RightBottomPoint, {});
    key("tableftoffset", TabLeftOffset, 0);
    key("tabrightoffset", TabRightOffset, 0);
    key("tabsbgrect", TabsBGRect, {});
    key("tabstretcheffect", TabStretchEffect, false);
    key("leftstretch", LeftStretch, false);
    key("topstretch", TopStretch, false);
    key("rightstretch", RightStretch, false);
    key("bottomstretch", BottomStretch, false);
    key("stretcheffect", StretchEffect, false);
    key("stretchtype", StretchType, TStretchType::stFull);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("focusfontcolor", FocusFontColor, 0);
    key("mouseinfontcolor", MouseInFontColor, 0);
    key("updown", UpDown, "");
    key("showfocus", ShowFocus, false);
    key("focusoffsetx", FocusOffsetX, 0);
    key("focusoffsety", FocusOffsetY, 0);
    key("closebuttonrect", CloseButtonRect, {});
    key("closebuttonactiverect", CloseButtonActiveRect, {});
    key("closebuttondownrect", CloseButtonDownRect, {});
    key("buttontransparent", ButtonTransparent, false);
    key("buttontransparentcolor", ButtonTransparentColor, 0);
    key("dividerrect", DividerRect, {});
    key("dividertransparent", DividerTransparent, false);
    key("dividertransparentcolor", DividerTransparentColor, 0);
    key("mdicloserect", MDICloseRect, {});
    key("mdicloseactiverect", MDICloseActiveRect, {});
    key("mdiclosedownrect", MDICloseDownRect, {});
    key("mdirestorerect", MDIRestoreRect, {});
    key("mdirestoreactiverect", MDIRestoreActiveRect, {});
    key("mdirestoredownrect", MDIRestoreDownRect, {});
    key("mdiminrect", MDIMinRect, {});
    key("mdiminactiverect", MDIMinActiveRect, {});
    key("mdimindownrect", MDIMinDownRect, {});
    key("mdibuttonstransparent", MDIButtonsTransparent, false);
    key("mdibuttonstransparentcolor", MDIButtonsTransparentColor, 0);
}

TbsDataSkinMainMenuBar::TbsDataSkinMainMenuBar(std::string idName) : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinMainMenuBar::VisitKeys(Defaults());
}

void TbsDataSkinMainMenuBar::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("itemsrect", ItemsRect, {});
    key("menubaritem", MenuBarItem, "");
    key("closebutton", CloseButton, "");
    key("minbutton", MinButton, "");
    key("maxbutton", MaxButton, "");
    key("sysmenubutton", SysMenuButton, "");
    key("trackmarkcolor", TrackMarkColor, 0);
    key("trackmarkactivecolor", TrackMarkActiveColor, 0);
    key("stretcheffect", StretchEffect, false);
    key("itemtransparent", ItemTransparent, false);
}

TbsDataSkinControlBar::TbsDataSkinControlBar(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinControlBar::VisitKeys(Defaults());
}

void TbsDataSkinControlBar::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("itemrect", ItemRect, {});
    key("bgpictureindex", BGPictureIndex, -1);
    key("hgriprect", HGripRect, {});
    key("vgriprect", VGripRect, {});
    key("gripoffset1", GripOffset1, 0);
    key("gripoffset2", GripOffset2, 0);
    key("itemstretcheffect", ItemStretchEffect, false);
    key("itemoffset1", ItemOffset1, 3);
    key("itemoffset2", ItemOffset2, 3);
    key("itemtransparent", ItemTransparent, false);
    key("itemtransparentcolor", ItemTransparentColor, 0);
    key("griptransparent", GripTransparent, false);
    key("griptransparentcolor", GripTransparentColor, 0);
}

TbsDataSkinAppMenu::TbsDataSkinAppMenu(std::string idName) : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinAppMenu::VisitKeys(Defaults());
}

void TbsDataSkinAppMenu::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("bgpictureindex", BGPictureIndex, -1);
    key("bgstretcheffect", BGStretchEffect, false);
    key("itemrect", ItemRect, {});
    key("pageitemrect", PageItemRect, {});
    key("pageitemactiverect", PageItemActiveRect, {});
    key("itemoffset1", ItemOffset1, 3);
    key("itemoffset2", ItemOffset2, 3);
    key("pageitemoffset1", PageItemOffset1, 10);
    key("pageitemoffset2", PageItemOffset2, 10);
    key("pageoffset", PageOffset, 0);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontpageheight", FontPageHeight, 16);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("disabledfontcolor", DisabledFontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("fontpagecolor", FontPageColor, 0);
    key("activefontpagecolor", ActiveFontPageColor, 0);
    key("gripperrect", GripperRect, {});
    key("grippertransparentcolor", GripperTransparentColor, 0);
}

TbsDataSkinEditControl::TbsDataSkinEditControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinEditControl::VisitKeys(Defaults());
}

void TbsDataSkinEditControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("activeskinrect", ActiveSkinRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("disabledfontcolor", DisabledFontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("buttonrect", ButtonRect, {});
    key("activebuttonrect", ActiveButtonRect, {});
    key("downbuttonrect", DownButtonRect, {});
    key("unenabledbuttonrect", UnEnabledButtonRect, {});
}

TbsDataSkinMemoControl::TbsDataSkinMemoControl(std::string idName)
    : TbsDataSkinEditControl(std::move(idName)) {
    TbsDataSkinMemoControl::VisitKeys(Defaults());
}

void TbsDataSkinMemoControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinEditControl::VisitKeys(key);
    key("bgcolor", BGColor, 0);
    key("activebgcolor", ActiveBGColor, 0);
}

TbsDataSkinListBox::TbsDataSkinListBox(std::string idName) : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinListBox::VisitKeys(Defaults());
}

void TbsDataSkinListBox::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("itemrect", ItemRect, {});
    key("activeitemrect", ActiveItemRect, {});
    key("focusitemrect", FocusItemRect, {});
    key("itemleftoffset", ItemLeftOffset, 0);
    key("itemrightoffset", ItemRightOffset, 0);
    key("itemtextrect", ItemTextRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("focusfontcolor", FocusFontColor, 0);
    key("captionrect", CaptionRect, {});
    key("captionfontname", CaptionFontName, "Arial");
    key("captionfontheight", CaptionFontHeight, 14);
    key("captionfontstyle", CaptionFontStyle, {});
    key("captionfontcolor", CaptionFontColor, 0);
    key("upbuttonrect", UpButtonRect, {});
    key("activeupbuttonrect", ActiveUpButtonRect, {});
    key("downupbuttonrect", DownUpButtonRect, {});
    key("downbuttonrect", DownButtonRect, {});
    key("activedownbuttonrect", ActiveDownButtonRect, {});
    key("downdownbuttonrect", DownDownButtonRect, {});
    key("checkbuttonrect", CheckButtonRect, {});
    key("activecheckbuttonrect", ActiveCheckButtonRect, {});
    key("downcheckbuttonrect", DownCheckButtonRect, {});
    key("vscrollbarname", VScrollBarName, "vscrollbar");
    key("hscrollbarname", HScrollBarName, "hscrollbar");
    key("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
    key("showfocus", ShowFocus, false);
    key("disabledbuttonsrect", DisabledButtonsRect, {});
    key("buttonsarea", ButtonsArea, {});
}

TbsDataSkinCheckListBox::TbsDataSkinCheckListBox(std::string idName) : TbsDataSkinListBox(std::move(idName)) {
    TbsDataSkinCheckListBox::VisitKeys(Defaults());
}

void TbsDataSkinCheckListBox::VisitKeys(KeyVisitor& key) {
    TbsDataSkinListBox::VisitKeys(key);
    key("itemcheckrect", ItemCheckRect, {});
    key("checkimagerect", CheckImageRect, {});
    key("uncheckimagerect", UncheckImageRect, {});
}

TbsDataSkinComboBox::TbsDataSkinComboBox(std::string idName) : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinComboBox::VisitKeys(Defaults());
}

void TbsDataSkinComboBox::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("activeskinrect", ActiveSkinRect, {});
    key("itemrect", ItemRect, {});
    key("activeitemrect", ActiveItemRect, {});
    key("focusitemrect", FocusItemRect, {});
    key("itemleftoffset", ItemLeftOffset, 0);
    key("itemrightoffset", ItemRightOffset, 0);
    key("itemtextrect", ItemTextRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("focusfontcolor", FocusFontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("listboxname", ListBoxName, "");
    key("buttonrect", ButtonRect, {});
    key("activebuttonrect", ActiveButtonRect, {});
    key("downbuttonrect", DownButtonRect, {});
    key("unenabledbuttonrect", UnEnabledButtonRect, {});
    key("itemstretcheffect", ItemStretchEffect, false);
    key("focusitemstretcheffect", FocusItemStretchEffect, false);
    key("showfocus", ShowFocus, false);
}

TbsDataSkinScrollBarControl::TbsDataSkinScrollBarControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinScrollBarControl::VisitKeys(Defaults());
}

void TbsDataSkinScrollBarControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("trackarea", TrackArea, {});
    key("upbuttonrect", UpButtonRect, {});
    key("activeupbuttonrect", ActiveUpButtonRect, {});
    key("downupbuttonrect", DownUpButtonRect, {});
    key("downbuttonrect", DownButtonRect, {});
    key("activedownbuttonrect", ActiveDownButtonRect, {});
    key("downdownbuttonrect", DownDownButtonRect, {});
    key("thumbrect", ThumbRect, {});
    key("activethumbrect", ActiveThumbRect, {});
    key("downthumbrect", DownThumbRect, {});
    key("thumboffset1", ThumbOffset1, 0);
    key("thumboffset2", ThumbOffset2, 0);
    key("thumbtransparent", ThumbTransparent, false);
    key("thumbtransparentcolor", ThumbTransparentColor, 0);
    key("thumbstretcheffect", ThumbStretchEffect, false);
    key("thumbminsize", ThumbMinSize, 0);
    key("thumbminpagesize", ThumbMinPageSize, 0);
    key("glyphrect", GlyphRect, {});
    key("activeglyphrect", ActiveGlyphRect, {});
    key("downglyphrect", DownGlyphRect, {});
    key("glyphtransparent", GlyphTransparent, false);
    key("glyphtransparentcolor", GlyphTransparentColor, 0);
}

TbsDataSkinSpinEditControl::TbsDataSkinSpinEditControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinSpinEditControl::VisitKeys(Defaults());
}

void TbsDataSkinSpinEditControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("activeskinrect", ActiveSkinRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("disabledfontcolor", DisabledFontColor, 0);
    key("upbuttonrect", UpButtonRect, {});
    key("activeupbuttonrect", ActiveUpButtonRect, {});
    key("downupbuttonrect", DownUpButtonRect, {});
    key("downbuttonrect", DownButtonRect, {});
    key("activedownbuttonrect", ActiveDownButtonRect, {});
    key("downdownbuttonrect", DownDownButtonRect, {});
}

TbsDataSkinScrollBoxControl::TbsDataSkinScrollBoxControl(std::string idName)
    : TbsDataSkinCustomControl(std::move(idName)) {
    TbsDataSkinScrollBoxControl::VisitKeys(Defaults());
}

void TbsDataSkinScrollBoxControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinCustomControl::VisitKeys(key);
    key("bgpictureindex", BGPictureIndex, -1);
}

TbsDataSkinTextViewControl::TbsDataSkinTextViewControl(std::string idName)
    : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinTextViewControl::VisitKeys(Defaults());
}

void TbsDataSkinTextViewControl::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("bgcolor", BGColor, 0);
}

TbsDataSkinBevel::TbsDataSkinBevel(std::string idName) : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinBevel::VisitKeys(Defaults());
}

void TbsDataSkinBevel::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("lightcolor", LightColor, 0);
    key("darkcolor", DarkColor, 0);
}

TbsDataSkinSlider::TbsDataSkinSlider(std::string idName) : TbsDataSkinControl(std::move(idName)) {
    TbsDataSkinSlider::VisitKeys(Defaults());
}

void TbsDataSkinSlider::VisitKeys(KeyVisitor& key) {
    TbsDataSkinControl::VisitKeys(key);
    key("bgcolor", BGColor, 0);
    key("hrulerrect", HRulerRect, {});
    key("hthumbrect", HThumbRect, {});
    key("vrulerrect", VRulerRect, {});
    key("vthumbrect", VThumbRect, {});
    key("edgesize", EdgeSize, 0);
    key("pointscolor", PointsColor, 0);
}

namespace {

template <class R>
constexpr RecordType<TbsDataSkinControl> Row() {
    return TypeRow<R, TbsDataSkinControl>();
}

// The SKINCONTROLS type names and their record classes.
constexpr std::array<RecordType<TbsDataSkinControl>, 29> kControlTypes = {{
    Row<TbsDataSkinButtonControl>(),
    Row<TbsDataSkinMenuButtonControl>(),
    Row<TbsDataSkinPanelControl>(),
    Row<TbsDataSkinExPanelControl>(),
    Row<TbsDataSkinCheckRadioControl>(),
    Row<TbsDataSkinGaugeControl>(),
    Row<TbsDataSkinSplitterControl>(),
    Row<TbsDataSkinTrackBarControl>(),
    Row<TbsDataSkinLabelControl>(),
    Row<TbsDataSkinStdLabelControl>(),
    Row<TbsDataSkinUpDownControl>(),
    Row<TbsDataSkinGridControl>(),
    Row<TbsDataSkinTabControl>(),
    Row<TbsDataSkinMainMenuBar>(),
    Row<TbsDataSkinControlBar>(),
    Row<TbsDataSkinAppMenu>(),
    Row<TbsDataSkinEditControl>(),
    Row<TbsDataSkinMemoControl>(),
    Row<TbsDataSkinListBox>(),
    Row<TbsDataSkinCheckListBox>(),
    Row<TbsDataSkinComboBox>(),
    Row<TbsDataSkinScrollBarControl>(),
    Row<TbsDataSkinSpinEditControl>(),
    Row<TbsDataSkinScrollBoxControl>(),
    Row<TbsDataSkinTreeView>(),
    Row<TbsDataSkinListView>(),
    Row<TbsDataSkinRichEdit>(),
    Row<TbsDataSkinBevel>(),
    Row<TbsDataSkinSlider>(),
}};
static_assert(TypeNamesAreUnique(kControlTypes));

}  // namespace

std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view typeName, std::string idName) {
    return CreateRecord(kControlTypes, typeName, std::move(idName));
}

std::vector<std::string_view> SkinControlTypeNames() {
    return TypeNames(kControlTypes);
}

}  // namespace skin
