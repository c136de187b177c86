// The geometry of the skinned tab strip, as pure functions that painting and hit testing share.
//
// The strip underneath (framework/controls/tab_strip_window.h) answers where the tabs and the page
// area are; the skinned strip moves both so that the tabs sit on the skin's frame:
//
//   top tabs, with a record (border widths L, T, R, B):
//   +-tab 0-+-tab 1-+----------------------+  y = 0
//   |       |       |   tabs row strip     |
//   +=======+=======+======================+  F.Top: the frame rectangle F (display area grown
//   |  F  +----- display area -------+     |         by L, T, R, B)
//   |     |   (the page, the browser)|     |
//   |     +--------------------------+     |
//   +======================================+  F.Bottom
//
// Bottom tabs mirror it downwards; left and right tabs stand in a column beside the frame.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/controls/tab_control.h"
#include "platform/geometry.h"
#include "skin/controls/tab_skin.h"

namespace skin {

using framework::TTabPosition;

bool IsSideColumn(TTabPosition position);

// The page area (TCM_ADJUSTRECT for the client area) from the strip's own answer `base`: moved onto
// the record's frame (`borders`), or onto the built-in one-pixel frame without a record.
platform::Rect AdjustPageArea(const platform::Rect& base, platform::Size client, TTabPosition position,
                              const std::optional<BorderWidths>& borders);
// Where the page and the client-aligned children go: the page area, 2 pixels lower for top tabs.
platform::Rect DisplayAreaOf(const platform::Rect& page, TTabPosition position);
// The frame rectangle F: an area grown by the border widths.
platform::Rect FrameOf(const platform::Rect& area, const BorderWidths& borders);
// The frame rectangle the row strip is cut against: the page area 2 pixels lower, grown.
platform::Rect RowFrameOf(const platform::Rect& page, const BorderWidths& borders);

// A tab's rectangle (TCM_GETITEMRECT, tabs style) moved from the strip's answer onto the frame.
platform::Rect AdjustTabRect(const platform::Rect& base, TTabPosition position, bool oneRow);
// TabRect(i): the adjusted rectangle, tab 0 one pixel narrower on the left in a single row along
// the top or bottom (a column's first tab keeps its place against the frame).
platform::Rect TabRectOf(const platform::Rect& adjusted, int index, bool oneRow);
// The selected tab pushed `rise` pixels toward the page (its face is that much taller); what the
// row and the frame leave free for it.
platform::Rect ActiveTabExtent(const platform::Rect& tab, TTabPosition position, int32_t rise);

// The part of the control the row of tabs is composed in: above, below, left or right of F.
platform::Rect RowStripRect(const platform::Rect& frame, platform::Size client, TTabPosition position);

// A close box recorded on a lying face (Wf x Hf) turned with it, for left and right tabs.
platform::Rect TurnedCloseRect(const platform::Rect& box, platform::Size face, TTabPosition position);

// The row's scroller: tabs not fully shown left of `limit` (width - scroller width - 3, or width - 3
// without a scroller), counting those scrolled out on the left; and those alone.
int HiddenTabCount(const std::vector<platform::Rect>& tabRects, int32_t width, int32_t scrollerWidth);
int LeftHiddenTabCount(const std::vector<platform::Rect>& tabRects);

}  // namespace skin
