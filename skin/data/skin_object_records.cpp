#include "skin/data/skin_object_records.h"

#include <array>

#include "skin/data/type_table.h"

namespace skin {

TbsDataSkinObject::TbsDataSkinObject(std::string idName) : IDName(std::move(idName)) {
    TbsDataSkinObject::VisitKeys(Defaults());
}

void TbsDataSkinObject::VisitKeys(KeyVisitor& key) {
    key("hint", Hint, "");
    key("activepictureindex", ActivePictureIndex, -1);
    key("activemaskpictureindex", ActiveMaskPictureIndex, -1);
    key("skinrectinapicture", SkinRectInAPicture, false);
    key("skinrect", SkinRect, {});
    key("activeskinrect", ActiveSkinRect, {});
    key("inactiveskinrect", InActiveSkinRect, {});
    key("morphing", Morphing, false);
    key("morphkind", MorphKind, TMorphKind::mkDefault);
    key("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    key("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    key("glowlayeroffsetx", GlowLayerOffsetX, 0);
    key("glowlayeroffsety", GlowLayerOffsetY, 0);
    key("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TbsDataUserObject::VisitKeys(KeyVisitor& key) {
    key("skinrect", SkinRect, {});
}

TbsDataSkinButton::TbsDataSkinButton(std::string idName) : TbsDataSkinObject(std::move(idName)) {
    TbsDataSkinButton::VisitKeys(Defaults());
}

void TbsDataSkinButton::VisitKeys(KeyVisitor& key) {
    TbsDataSkinObject::VisitKeys(key);
    key("downrect", DownRect, {});
    key("disableskinrsect", DisableSkinRect, {});
    key("alphamaskpictureindex", AlphaMaskPictureIndex, -1);
    key("alphamaskactivepictureindex", AlphaMaskActivePictureIndex, -1);
    key("alphamaskinactivepictureindex", AlphaMaskInActivePictureIndex, -1);
}

TbsDataSkinStdButton::TbsDataSkinStdButton(std::string idName) : TbsDataSkinButton(std::move(idName)) {
    TbsDataSkinStdButton::VisitKeys(Defaults());
}

void TbsDataSkinStdButton::VisitKeys(KeyVisitor& key) {
    TbsDataSkinButton::VisitKeys(key);
    key("command", Command, TStdCommand::cmDefault);
    key("restorerect", RestoreRect, {});
    key("restoreactiverect", RestoreActiveRect, {});
    key("restoredownrect", RestoreDownRect, {});
    key("restoreinactiverect", RestoreInActiveRect, {});
    key("restorehint", RestoreHint, "");
}

void TbsDataSkinStdButton::AfterLoad() {
    if (RestoreHint.empty())
        RestoreHint = DerivedRestoreHint(Hint, Command);
}

TbsDataSkinAnimate::TbsDataSkinAnimate(std::string idName) : TbsDataSkinObject(std::move(idName)) {
    TbsDataSkinAnimate::VisitKeys(Defaults());
}

void TbsDataSkinAnimate::VisitKeys(KeyVisitor& key) {
    TbsDataSkinObject::VisitKeys(key);
    key("countframes", CountFrames, 1);
    key("cycle", Cycle, false);
    key("buttonstyle", ButtonStyle, false);
    key("timerinterval", TimerInterval, 50);
    key("command", Command, TStdCommand::cmDefault);
    key("downskinrect", DownSkinRect, {});
    key("restorerect", RestoreRect, {});
    key("restoreactiverect", RestoreActiveRect, {});
    key("restoredownrect", RestoreDownRect, {});
    key("restoreinactiverect", RestoreInActiveRect, {});
    key("restorehint", RestoreHint, "");
}

void TbsDataSkinAnimate::AfterLoad() {
    Morphing = false;
    if (RestoreHint.empty())
        RestoreHint = DerivedRestoreHint(Hint, Command);
}

TbsDataSkinMenuItem::TbsDataSkinMenuItem(std::string idName) : TbsDataSkinObject(std::move(idName)) {
    TbsDataSkinMenuItem::VisitKeys(Defaults());
}

void TbsDataSkinMenuItem::VisitKeys(KeyVisitor& key) {
    TbsDataSkinObject::VisitKeys(key);
    key("itemleftoffset", ItemLeftOffset, 0);
    key("itemrightoffset", ItemRightOffset, 0);
    key("dividerrect", DividerRect, {});
    key("dividerleftoffset", DividerLeftOffset, 0);
    key("dividerrightoffset", DividerRightOffset, 0);
    key("textrect", TextRect, {});
    key("imagerect", ImageRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("unenabledfontcolor", UnEnabledFontColor, 0);
    key("stretcheffect", StretchEffect, false);
    key("inactivestretcheffect", InActiveStretchEffect, false);
    key("dividerstretcheffect", DividerStretchEffect, false);
    key("animateskinrect", AnimateSkinRect, {});
    key("framecount", FrameCount, 0);
    key("animateinterval", AnimateInterval, 25);
    key("inactiveanimation", InActiveAnimation, false);
    key("useimagecolor", UseImageColor, false);
    key("imagecolor", ImageColor, 0);
    key("activeimagecolor", ActiveImageColor, 0);
    key("inactivetransparent", InActiveTransparent, false);
    key("checkimagerect", CheckImageRect, {});
    key("activecheckimagerect", ActiveCheckImageRect, {});
    key("radioimagerect", RadioImageRect, {});
    key("activeradioimagerect", ActiveRadioImageRect, {});
    key("arrowimagerect", ArrowImageRect, {});
    key("activearrowimagerect", ActiveArrowImageRect, {});
}

void TbsDataSkinMenuItem::AfterLoad() {
    if (ActiveCheckImageRect.isEmpty())
        ActiveCheckImageRect = CheckImageRect;
    if (ActiveRadioImageRect.isEmpty())
        ActiveRadioImageRect = RadioImageRect;
    if (ActiveArrowImageRect.isEmpty())
        ActiveArrowImageRect = ArrowImageRect;
}

TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem(std::string idName) : TbsDataSkinObject(std::move(idName)) {
    TbsDataSkinMainMenuItem::VisitKeys(Defaults());
}

void TbsDataSkinMainMenuItem::VisitKeys(KeyVisitor& key) {
    TbsDataSkinObject::VisitKeys(key);
    key("itemleftoffset", ItemLeftOffset, 0);
    key("itemrightoffset", ItemRightOffset, 0);
    key("downrect", DownRect, {});
    key("textrect", TextRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("downfontcolor", DownFontColor, 0);
    key("unenabledfontColor", UnEnabledFontColor, 0);
    key("stretcheffect", StretchEffect, false);
    key("animateskinrect", AnimateSkinRect, {});
    key("framecount", FrameCount, 0);
    key("animateinterval", AnimateInterval, 25);
    key("inactiveanimation", InActiveAnimation, false);
}

TbsDataSkinCaption::TbsDataSkinCaption(std::string idName) : TbsDataSkinObject(std::move(idName)) {
    TbsDataSkinCaption::VisitKeys(Defaults());
}

void TbsDataSkinCaption::VisitKeys(KeyVisitor& key) {
    TbsDataSkinObject::VisitKeys(key);
    key("textrect", TextRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("activefontcolor", ActiveFontColor, 0);
    key("alignment", Alignment, TAlignment::taCenter);
    key("light", Light, false);
    key("lightcolor", LightColor, 0);
    key("activelightcolor", ActiveLightColor, 0);
    key("shadow", Shadow, false);
    key("shadowcolor", ShadowColor, 0);
    key("activeshadowcolor", ActiveShadowColor, 0);
    key("framerect", FrameRect, {});
    key("activeframerect", ActiveFrameRect, {});
    key("frametextrect", FrameTextRect, {});
    key("frameleftoffset", FrameLeftOffset, 0);
    key("framerightoffset", FrameRightOffset, 0);
    key("stretcheffect", StretchEffect, false);
    key("animateskinrect", AnimateSkinRect, {});
    key("framecount", FrameCount, 0);
    key("animateinterval", AnimateInterval, 25);
    key("inactiveanimation", InActiveAnimation, false);
    key("fullframe", FullFrame, false);
    key("vistagloweffect", VistaGlowEffect, false);
    key("vistaglowinactiveeffect", VistaGlowInActiveEffect, false);
    key("gloweffect", GlowEffect, false);
    key("glowinactiveeffect", GlowInActiveEffect, false);
    key("glowsize", GlowSize, 3);
    key("glowcolor", GlowColor, 0);
    key("glowactivecolor", GlowActiveColor, 0);
    key("glowoffset", GlowOffset, 0);
    key("reflectioneffect", ReflectionEffect, false);
    key("reflactioncolor", ReflectionColor, 0);
    key("reflactionactivecolor", ReflectionActiveColor, 0);
    key("reflectionoffset", ReflectionOffset, 0);
    key("dividerrect", DividerRect, {});
    key("dividertransparent", DividerTransparent, false);
    key("dividertransparentcolor", DividerTransparentColor, 0);
}

std::string DerivedRestoreHint(const std::string& hint, TStdCommand command) {
    if ((hint == "Maximize" && command == TStdCommand::cmMaximize) ||
        (hint == "Minimize" && command == TStdCommand::cmMinimize) ||
        ((hint == "RollUp" || hint == "Roll Up") && command == TStdCommand::cmRollUp))
        return "Restore";
    return "";
}

namespace {

template <class R>
constexpr RecordType<TbsDataSkinObject> Row() {
    return TypeRow<R, TbsDataSkinObject>();
}

// The SKINOBJECTS type names and their record classes.
constexpr std::array<RecordType<TbsDataSkinObject>, 8> kObjectTypes = {{
    Row<TbsDataUserObject>(),
    Row<TbsDataSkinButton>(),
    Row<TbsDataSkinStdButton>(),
    Row<TbsDataSkinMainMenuBarButton>(),
    Row<TbsDataSkinAnimate>(),
    Row<TbsDataSkinMenuItem>(),
    Row<TbsDataSkinMainMenuBarItem>(),
    Row<TbsDataSkinCaption>(),
}};
static_assert(TypeNamesAreUnique(kObjectTypes));

}  // namespace

std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view typeName, std::string idName) {
    return CreateRecord(kObjectTypes, typeName, std::move(idName));
}

std::vector<std::string_view> SkinObjectTypeNames() {
    return TypeNames(kObjectTypes);
}

}  // namespace skin
