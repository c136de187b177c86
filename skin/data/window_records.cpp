#include "skin/data/window_records.h"

namespace skin {

TbsDataSkinPopupWindow::TbsDataSkinPopupWindow() {
    VisitKeys(Defaults());
}

void TbsDataSkinPopupWindow::VisitKeys(KeyVisitor& key) {
    key("windowpictureindex", WindowPictureIndex, -1);
    key("maskpictureindex", MaskPictureIndex, -1);
    key("lefttoppoint", LeftTopPoint, {});
    key("righttoppoint", RightTopPoint, {});
    key("leftbottompoint", LeftBottomPoint, {});
    key("rightbottompoint", RightBottomPoint, {});
    key("itemsrect", ItemsRect, {});
    key("scrollmarkercolor", ScrollMarkerColor, 0);
    key("scrollmarkeractivecolor", ScrollMarkerActiveColor, 0);
    key("leftstretch", LeftStretch, false);
    key("rightstretch", RightStretch, false);
    key("topstretch", TopStretch, false);
    key("bottomstretch", BottomStretch, false);
    key("stretcheffect", StretchEffect, false);
    key("stretchtype", StretchType, TStretchType::stFull);
}

TbsDataSkinHintWindow::TbsDataSkinHintWindow() {
    VisitKeys(Defaults());
    FontHeight = 12;
}

void TbsDataSkinHintWindow::VisitKeys(KeyVisitor& key) {
    key("windowpictureindex", WindowPictureIndex, -1);
    key("maskpictureindex", MaskPictureIndex, -1);
    key("lefttoppoint", LeftTopPoint, {});
    key("righttoppoint", RightTopPoint, {});
    key("leftbottompoint", LeftBottomPoint, {});
    key("rightbottompoint", RightBottomPoint, {});
    key("clientrect", ClientRect, {});
    key("fontname", FontName, "Arial");
    key("fontheight", FontHeight, 14);
    key("fontstyle", FontStyle, {});
    key("fontcolor", FontColor, 0);
    key("leftstretch", LeftStretch, false);
    key("rightstretch", RightStretch, false);
    key("topstretch", TopStretch, false);
    key("bottomstretch", BottomStretch, false);
    key("stretcheffect", StretchEffect, false);
    key("stretchtype", StretchType, TStretchType::stFull);
}

TbsDataSkinLayerFrame::TbsDataSkinLayerFrame() {
    VisitKeys(Defaults());
}

void TbsDataSkinLayerFrame::VisitKeys(KeyVisitor& key) {
    key("pictureindex", PictureIndex, -1);
    key("maskpictureindex", MaskPictureIndex, -1);
    key("inactivepictureindex", InActivePictureIndex, -1);
    key("inactivemaskpictureindex", InActiveMaskPictureIndex, -1);
    key("lefttoppoint", LeftTopPoint, {});
    key("righttoppoint", RightTopPoint, {});
    key("leftbottompoint", LeftBottomPoint, {});
    key("rightbottompoint", RightBottomPoint, {});
    key("clientrect", ClientRect, {});
    key("alphablendvalue", AlphaBlendValue, 255);
    key("inactivealphablendvalue", InActiveAlphaBlendValue, 255);
    key("borderrect", BorderRect, {});
    key("hittestenable", HitTestEnable, false);
    key("fullborder", FullBorder, false);
    key("hittestsize", HitTestSize, 0);
    key("captionrect", CaptionRect, {});
    key("hittestlefttoppoint", HitTestLeftTopPoint, {});
    key("hittestrighttoppoint", HitTestRightTopPoint, {});
    key("hittestleftbottompoint", HitTestLeftBottomPoint, {});
    key("hittestrightbottompoint", HitTestRightBottomPoint, {});
    key("buttonsrect", ButtonsRect, {});
    key("sysmenubuttonrect", SysMenuButtonRect, {});
    key("fullstretch", FullStretch, false);
    key("rollupformheight", RollUpFormHeight, 0);
    key("buttonstopoffset", ButtonsTopOffset, 0);
    key("sysbuttontopoffset", SysButtonTopOffset, 0);
    key("blurmaskpictureindex", BlurMaskPictureIndex, -1);
    key("intersectblurmaskrect", IntersectBlurMaskRect, {});
    key("excludeblurmaskrect", ExcludeBlurMaskRect, {});
    key("leftoffset", LeftOffset, 0);
    key("topoffset", TopOffset, 0);
    key("widthoffset", WidthOffset, 0);
    key("heightoffset", HeightOffset, 0);
}

}  // namespace skin
