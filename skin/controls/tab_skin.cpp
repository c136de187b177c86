#include "skin/controls/tab_skin.h"

#include "skin/data/skin_data.h"

namespace skin {

using platform::Rect;

namespace {

Rect Or(const Rect& r, const Rect& fallback) {
    return r.isEmpty() ? fallback : r;
}

const Picture* PictureAt(const TbsSkinData& data, int32_t index) {
    const auto& pictures = data.ActivePictures();
    return index >= 0 && size_t(index) < pictures.size() ? &pictures[size_t(index)].Surface() : nullptr;
}

}  // namespace

BorderWidths TabSkin::Borders() const {
    if (background)
        return {};
    return {layout.Cl.Left, layout.Cl.Top, skinRect.width() - layout.Cl.Right,
            skinRect.height() - layout.Cl.Bottom};
}

Rect TabSkin::FaceFor(const TabState& s) const {
    if (s.hot && !s.active && !mouseInTabRect.isEmpty())
        return mouseInTabRect;
    if (s.active && s.focused)
        return focusTabRect;
    return s.active ? activeTabRect : tabRect;
}

platform::COLORREF TabSkin::CaptionColorFor(const TabState& s) const {
    if (s.hot && !s.active)
        return mouseInFontColor;
    if (s.active && s.focused)
        return focusFontColor;
    return s.active ? activeFontColor : fontColor;
}

BuiltInTabLook BuiltInTabLookFor(const TabState& s) {
    if (!s.active)
        return {s.hot ? platform::RGB(182, 189, 210) : platform::clBtnFace, false};
    return {s.focused ? platform::RGB(133, 146, 181) : platform::RGB(182, 189, 210), true};
}

std::optional<TabSkin> ReadTabSkin(const TbsSkinData* data, std::string_view name, int* index) {
    if (index)
        *index = -1;
    if (!data || data->Empty())
        return std::nullopt;
    const int32_t at = data->FindControlIndex(name);
    const auto* r = data->ControlAs<TbsDataSkinTabControl>(at);
    if (!r)
        return std::nullopt;
    if (index)
        *index = at;
    TabSkin s;
    s.picture = PictureAt(*data, r->PictureIndex);
    s.background = PictureAt(*data, r->BGPictureIndex);
    s.skinRect = ClampRect(r->SkinRect);
    s.layout = ClampLayout(
        {r->LeftTopPoint, r->RightTopPoint, r->LeftBottomPoint, r->RightBottomPoint, r->ClientRect});
    s.sides = {r->LeftStretch, r->TopStretch, r->RightStretch, r->BottomStretch};
    s.stretchEffect = r->StretchEffect;
    s.stretchType = r->StretchType;
    s.tabRect = ClampRect(r->TabRect);
    s.activeTabRect = Or(ClampRect(r->ActiveTabRect), s.tabRect);
    // A skin without a focus face shows the selected face (resolved, so that a skin without either
    // still draws its focused tab).
    s.focusTabRect = Or(ClampRect(r->FocusTabRect), s.activeTabRect);
    s.mouseInTabRect = ClampRect(r->MouseInTabRect);
    s.tabLeftOffset = ClampCoordinate(r->TabLeftOffset);
    s.tabRightOffset = ClampCoordinate(r->TabRightOffset);
    s.tabStretchEffect = r->TabStretchEffect;
    s.tabsBGRect = Or(ClampRect(r->TabsBGRect), s.PageTile());
    s.font = {r->FontName, r->FontHeight, r->FontStyle};
    s.fontColor = r->FontColor;
    s.activeFontColor = r->ActiveFontColor;
    s.focusFontColor = r->FocusFontColor;
    s.mouseInFontColor = r->MouseInFontColor;
    s.showFocus = r->ShowFocus;
    s.focusOffsetX = ClampCoordinate(r->FocusOffsetX);
    s.focusOffsetY = ClampCoordinate(r->FocusOffsetY);
    s.closeButtonRect = ClampRect(r->CloseButtonRect);
    s.closeButtonActiveRect = Or(ClampRect(r->CloseButtonActiveRect), s.closeButtonRect);
    s.closeButtonDownRect = Or(ClampRect(r->CloseButtonDownRect), s.closeButtonActiveRect);
    s.buttonTransparent = r->ButtonTransparent;
    s.buttonTransparentColor = r->ButtonTransparentColor;
    s.upDown = r->UpDown;
    return s;
}

}  // namespace skin
