// The geometry of a popup menu as pure functions: item heights, the popup's size, the moved layout
// of its frame, which items are shown where, the scroll markers, and where the popup goes on the
// screen. Opening, painting, pointer tracking and scrolling all call these, never their own copy.
//
// A popup drawn from the skin (picture 61 x 40, "itemsrect" 17,5,56,35 with the shipped skin):
//
//   +--------------------------------------+
//   |  frame (window picture, nine parts)   |
//   |   +-------- NewCl ----------------+   |
//   |   | upper marker (scroll mode, 10)|   |
//   |   | item 0         (NewCl width)  |   |
//   |   | item 1                        |   |
//   |   | ...                           |   |
//   |   | lower marker (scroll mode, 10)|   |
//   |   +-------------------------------+   |
//   +--------------------------------------+
//
// Without skin NewCl is the popup less 2 pixels on every side.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/geometry.h"
#include "skin/render/nine_part_layout.h"

namespace skin {

struct MenuSkin;

// Height of the scroll markers above and below the items.
constexpr int32_t kScrollMarkerHeight = 10;
// Extra height of a popup whose item count is limited (room for the markers).
constexpr int32_t kItemMaximumMarkerRoom = 20;

// What sizing needs of the skin.
struct MenuMetrics {
    bool skinnedFrame = false;  // a popup record
    platform::Size picture;     // its window picture
    NinePartLayout frame;       // its corner points and "itemsrect"
    bool skinnedItems = false;  // an item record
    platform::Rect face;        // its "skinrect" (the normal face)
    platform::Rect divider;     // its "dividerrect"
    platform::Rect textRect;    // its "textrect"
    int32_t defaultItemHeight = 20;
};
MenuMetrics MetricsOf(const MenuSkin& skin, int32_t defaultItemHeight);

// An item is as high as its face ("skinrect", separators "dividerrect"), or without a record the
// default item height (separators 4). Never negative.
int32_t MenuItemHeight(const MenuMetrics& metrics, bool separator);

// The width of the column beside the captions: the image width + 5, or 19 without images.
int32_t GlyphColumnWidth(std::optional<int32_t> imageWidth);

struct PopupSize {
    platform::Size size;
    bool scrollMode = false;
    bool scrollByMaximum = false;  // the item maximum (not the work area) made it scroll
};

// The popup's size for items of these heights whose widest text (caption, two spaces, short-cut,
// plus 2) measures `widestText`. With a maximum (above 0) smaller than the item count the popup
// shows that many items of the normal height and scrolls; a popup higher than the work area is as
// high as it and scrolls. The size never exceeds the work area.
PopupSize SizePopup(const MenuMetrics& metrics, std::span<const int32_t> heights, int32_t widestText,
                    int32_t glyphColumn, int32_t maxItems, const platform::Rect& workArea);

// The frame's layout moved to the popup's size; without skin NewCl = (2, 2, W - 2, H - 2).
NinePartLayout PopupLayout(const MenuMetrics& metrics, platform::Size size);

// Which items are shown and where (popup coordinates): from `first` on, one below the other from
// NewCl.Top (below the upper marker in scroll mode), until the next would pass NewCl.Bottom (above
// the lower marker). `rects` has one entry per item; only the shown ones are meaningful.
struct ItemRun {
    int first = 0;
    int shown = 0;  // items first .. first + shown - 1 are shown
    std::vector<platform::Rect> rects;
    bool Shown(int index) const { return index >= first && index < first + shown; }
    int Last() const { return first + shown - 1; }
};
ItemRun LayOutItems(const platform::Rect& newCl, bool scrollMode, int first,
                    std::span<const int32_t> heights);

// The first item of the page that ends with item `last`: heights added from `last` upwards, from
// above the lower marker, while they stay below the upper marker (`last` itself when not even it
// fits). With the last item: the first item of the last page.
int PageEndingAt(const platform::Rect& newCl, std::span<const int32_t> heights, int last);

struct ScrollMarkers {
    platform::Rect up;
    platform::Rect down;
};
ScrollMarkers MarkerRects(bool skinnedFrame, const platform::Rect& newCl, platform::Size size);

// Where a popup goes. `anchor` is the rectangle it opens at (screen coordinates): a point as an
// empty rectangle, the item a submenu belongs to, or the control a menu drops from.
struct PlacementRequest {
    platform::Rect workArea;
    platform::Rect anchor;
    platform::Size size;
    int32_t clientTop = 0;  // NewCl.Top: a submenu's first item lines up with its parent item
    bool scrollMode = false;
    bool scrollByMaximum = false;
    bool submenu = false;
    bool upward = false;
};
struct Placement {
    platform::Point topLeft;
    bool beside = false;  // it fitted neither below nor above and was put beside the anchor
};
Placement PlacePopup(const PlacementRequest& request);

}  // namespace skin
