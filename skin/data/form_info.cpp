#include "skin/data/form_info.h"

#include <algorithm>

namespace skin {

namespace {

void TakeCornerWhereZero(platform::Point& hitTest, const platform::Point& corner) {
    if (hitTest.X == 0 || hitTest.Y == 0)
        hitTest = corner;
}

}  // namespace

TbsFormInfo::TbsFormInfo() {
    VisitKeys(Defaults());
}

void TbsFormInfo::VisitKeys(KeyVisitor& key) {
    key("lefttoppoint", LeftTopPoint, {});
    key("righttoppoint", RightTopPoint, {});
    key("leftbottompoint", LeftBottomPoint, {});
    key("rightbottompoint", RightBottomPoint, {});
    key("clientrect", ClientRect, {});
    key("bgpictureindex", BGPictureIndex, -1);
    key("mdibgpictureindex", MDIBGPictureIndex, -1);
    key("leftstretch", LeftStretch, false);
    key("rightstretch", RightStretch, false);
    key("topstretch", TopStretch, false);
    key("bottomstretch", BottomStretch, false);
    key("stretcheffect", StretchEffect, false);
    key("stretchtype", StretchType, TStretchType::stFull);
    key("mdibgstretcheffect", MDIBGStretchEffect, false);
    key("mdibgstretchtype", MDIBGStretchType, TStretchType::stFull);
    key("maskrectarea", MaskRectArea, {});
    key("hittestlefttoppoint", HitTestLeftTopPoint, {});
    key("hittestrighttoppoint", HitTestRightTopPoint, {});
    key("hittestleftbottompoint", HitTestLeftBottomPoint, {});
    key("hittestrightbottompoint", HitTestRightBottomPoint, {});
    key("buttonsrect", ButtonsRect, {});
    key("captionrect", CaptionRect, {});
    key("buttonsoffset", ButtonsOffset, 0);
    key("buttonsinleft", ButtonsInLeft, false);
    key("mainmenupopupup", MainMenuPopupUp, false);
    key("borderwidth", BorderWidth, 0);
    key("formminwidth", FormMinWidth, 0);
    key("formminheight", FormMinHeight, 0);
    key("mditabstransparent", MDITabsTransparent, false);
    key("mainmenubartransparent", MainMenuBarTransparent, false);
    key("autorenderinginactiveimage", AutoRenderingInActiveImage, false);
    key("inactiveeffect", InActiveEffect, TInactiveEffect::ieBrightness);
}

void TbsFormInfo::ApplyFrameRules(bool maskNamed) {
    if (maskNamed) {
        const platform::Rect& cl = ClientRect;
        if (MaskRectArea.isEmpty())
            MaskRectArea = cl;
        else
            MaskRectArea = {std::min(MaskRectArea.Left, cl.Left), std::min(MaskRectArea.Top, cl.Top),
                            std::max(MaskRectArea.Right, cl.Right), std::max(MaskRectArea.Bottom, cl.Bottom)};
        TakeCornerWhereZero(HitTestLeftTopPoint, LeftTopPoint);
        TakeCornerWhereZero(HitTestRightTopPoint, RightTopPoint);
        TakeCornerWhereZero(HitTestLeftBottomPoint, LeftBottomPoint);
        TakeCornerWhereZero(HitTestRightBottomPoint, RightBottomPoint);
    }
    if (RightBottomPoint.X == LeftTopPoint.X || RightBottomPoint.Y == LeftTopPoint.Y)
        return;
    const platform::Rect& cl = ClientRect;
    LeftTopPoint = {std::max(LeftTopPoint.X, cl.Left), std::max(LeftTopPoint.Y, cl.Top)};
    RightTopPoint = {std::min(RightTopPoint.X, cl.Right), std::max(RightTopPoint.Y, cl.Top)};
    LeftBottomPoint = {std::max(LeftBottomPoint.X, cl.Left), std::min(LeftBottomPoint.Y, cl.Bottom)};
    RightBottomPoint = {std::min(RightBottomPoint.X, cl.Right), std::min(RightBottomPoint.Y, cl.Bottom)};
}

}  // namespace skin
