// What the skinned tab strip takes from a tab record ("tab" in the shipped skin): its pictures and
// faces with their fallbacks resolved, read anew before every paint and on every skin change.
//
//   picture "pictureindex":
//   +-- skinrect -------------+   the frame around the page area, cut by its nine-part points;
//   |  +-- clientrect ------+ |   clientrect (relative to skinrect) is the page background tile and
//   |  |                    | |   gives the border widths: its left and top, and skinrect's width
//   |  |                    | |   and height less its right and bottom
//   |  +--------------------+ |
//   +-------------------------+
//   tabrect / activetabrect / focustabrect / mouseintabrect: tab faces, fixed ends tableftoffset
//   and tabrightoffset, the middle stretched or tiled; tabsbgrect: the strip behind the tabs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/color.h"
#include "platform/geometry.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/picture.h"
#include "skin/render/skin_font.h"

namespace skin {

class TbsSkinData;

struct BorderWidths {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend constexpr bool operator==(const BorderWidths&, const BorderWidths&) = default;
};

// How a tab is shown: selected, under the pointer, and whether the control has the focus.
struct TabState {
    bool active = false;
    bool hot = false;
    bool focused = false;
};

struct TabSkin {
    const Picture* picture = nullptr;     // none when "pictureindex" is outside the skin's pictures
    const Picture* background = nullptr;  // "bgpictureindex": replaces frame and page background
    platform::Rect skinRect;
    NinePartLayout layout;  // LT, RT, LB, RB and Cl = "clientrect", relative to skinRect
    SideStretch sides;
    bool stretchEffect = false;
    TStretchType stretchType = TStretchType::stFull;

    platform::Rect tabRect;
    platform::Rect activeTabRect;   // empty: tabRect
    platform::Rect focusTabRect;    // empty: activeTabRect
    platform::Rect mouseInTabRect;  // empty: none (the normal face)
    int32_t tabLeftOffset = 0;
    int32_t tabRightOffset = 0;
    bool tabStretchEffect = false;
    platform::Rect tabsBGRect;  // in the picture; empty: the page background tile

    SkinFontKeys font;
    platform::COLORREF fontColor = 0;
    platform::COLORREF activeFontColor = 0;
    platform::COLORREF focusFontColor = 0;
    platform::COLORREF mouseInFontColor = 0;
    bool showFocus = false;
    int32_t focusOffsetX = 0;
    int32_t focusOffsetY = 0;

    platform::Rect closeButtonRect;        // empty: the "resizetoolbutton" faces
    platform::Rect closeButtonActiveRect;  // empty: closeButtonRect
    platform::Rect closeButtonDownRect;    // empty: closeButtonActiveRect
    bool buttonTransparent = false;
    platform::COLORREF buttonTransparentColor = 0;

    std::string upDown;  // the scroller's record

    // The frame's border widths; all 0 with a background picture.
    BorderWidths Borders() const;
    platform::Size SkinSize() const { return {skinRect.width(), skinRect.height()}; }
    // The page background tile: "clientrect" within "skinrect", in the picture.
    platform::Rect PageTile() const { return layout.Cl.offsetBy(skinRect.Left, skinRect.Top); }
    // How much taller the selected face is than the normal one.
    int32_t ActiveRise() const { return activeTabRect.height() - tabRect.height(); }
    // The face a tab shows: the pointer's (when the skin has one) on a tab that is not selected,
    // the focused one on the selected tab of a focused control, else the normal or selected one.
    platform::Rect FaceFor(const TabState& state) const;
    platform::COLORREF CaptionColorFor(const TabState& state) const;
};

// The built-in look of a tab: its fill and, on the selected tab, a navy frame.
struct BuiltInTabLook {
    platform::COLORREF fill;
    bool framed;
};
BuiltInTabLook BuiltInTabLookFor(const TabState& state);

// The tab record of that name, or none (no skin data, no skin, no such record, or a record of
// another kind). `index` receives its position among the control records, -1 for none.
std::optional<TabSkin> ReadTabSkin(const TbsSkinData* data, std::string_view name, int* index = nullptr);

}  // namespace skin
