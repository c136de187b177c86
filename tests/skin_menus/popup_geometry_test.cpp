// The popup menu's geometry without a window: its size with the shipped skin's numbers, popups
// higher than the work area or limited to an item maximum, which items show between the markers,
// the last page, and where popups and submenus go on the screen.
#include "skin/menus/popup_geometry.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skin;
using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

// POPUPWINDOW and MENUITEM of the shipped skin: picture 61 x 40, "itemsrect" 17,5,56,35; items
// 54 x 20 with "textrect" 2,2,52,18, separators 3 high.
MenuMetrics ShippedMetrics() {
    MenuMetrics m;
    m.skinnedFrame = true;
    m.picture = {61, 40};
    m.frame = {{22, 10}, {51, 10}, {24, 29}, {50, 30}, {17, 5, 56, 35}};
    m.skinnedItems = true;
    m.face = {0, 54, 54, 74};
    m.divider = {0, 96, 53, 99};
    m.textRect = {2, 2, 52, 18};
    return m;
}

std::vector<int32_t> Heights(const MenuMetrics& m, const std::vector<bool>& separators) {
    std::vector<int32_t> heights;
    for (bool separator : separators) heights.push_back(MenuItemHeight(m, separator));
    return heights;
}

const Rect kWorkArea{0, 0, 1024, 738};

TEST(PopupSize, FourItemsAndASeparatorWithTheShippedSkin) {
    const MenuMetrics m = ShippedMetrics();
    const auto heights = Heights(m, {false, false, true, false, false});
    // The widest text measures 60; with its 2 it is 62 wide.
    const PopupSize size = SizePopup(m, heights, 62, GlyphColumnWidth(std::nullopt), 0, kWorkArea);
    EXPECT_EQ(size.size, (Size{126, 93}));
    EXPECT_FALSE(size.scrollMode);
    const NinePartLayout layout = PopupLayout(m, size.size);
    EXPECT_EQ(layout.Cl, (Rect{17, 5, 121, 88}));
    const ItemRun run = LayOutItems(layout.Cl, false, 0, heights);
    EXPECT_EQ(run.shown, 5);
    EXPECT_EQ(run.rects[0], (Rect{17, 5, 121, 25}));
    EXPECT_EQ(run.rects[2], (Rect{17, 45, 121, 48}));
    EXPECT_EQ(run.rects[4], (Rect{17, 68, 121, 88}));
}

TEST(PopupSize, WithoutSkinAndWithImages) {
    MenuMetrics plain;
    const auto heights = Heights(plain, {false, true, false});
    EXPECT_EQ(heights, (std::vector<int32_t>{20, 4, 20}));
    // Width: text + glyph column (images 16 wide: 21) + 19 + 10; height: items + 4.
    const PopupSize size = SizePopup(plain, heights, 62, GlyphColumnWidth(16), 0, kWorkArea);
    EXPECT_EQ(size.size, (Size{62 + 21 + 19 + 10, 48}));
    EXPECT_EQ(PopupLayout(plain, size.size).Cl, (Rect{2, 2, 110, 46}));
}

TEST(PopupSize, HigherThanTheWorkAreaIsAsHighAndScrollsFromItsTop) {
    const MenuMetrics m = ShippedMetrics();
    const std::vector<int32_t> heights(50, 20);
    const Rect area{0, 0, 800, 300};
    const PopupSize size = SizePopup(m, heights, 62, 19, 0, area);
    EXPECT_EQ(size.size.cy, 300);
    EXPECT_TRUE(size.scrollMode);
    EXPECT_FALSE(size.scrollByMaximum);
    const NinePartLayout layout = PopupLayout(m, size.size);
    const ItemRun run = LayOutItems(layout.Cl, true, 0, heights);
    // Items between the markers: from NewCl.Top + 10 to NewCl.Bottom - 10.
    EXPECT_EQ(run.rects[0].Top, layout.Cl.Top + 10);
    EXPECT_LE(run.rects[size_t(run.Last())].Bottom, layout.Cl.Bottom - 10);
    EXPECT_EQ(run.shown, (layout.Cl.height() - 20) / 20);
    // Placed at the work area's top whatever point it opened at, beside that point.
    const Placement p =
        PlacePopup({area, {300, 200, 300, 200}, size.size, layout.Cl.Top, true, false, false, false});
    EXPECT_EQ(p.topLeft, (Point{301, 0}));
}

TEST(PopupSize, AnItemMaximumShowsThatManyAndScrollsInPlace) {
    const MenuMetrics m = ShippedMetrics();
    const std::vector<int32_t> heights(8, 20);
    const PopupSize size = SizePopup(m, heights, 62, 19, 5, kWorkArea);
    EXPECT_EQ(size.size.cy, 5 * 20 + 10 + 20);
    EXPECT_TRUE(size.scrollMode);
    EXPECT_TRUE(size.scrollByMaximum);
    const NinePartLayout layout = PopupLayout(m, size.size);
    EXPECT_EQ(LayOutItems(layout.Cl, true, 0, heights).shown, 5);
    // Separators are lower: more items fit between the markers.
    const std::vector<int32_t> withSeparators{20, 3, 20, 3, 20, 20, 20, 20};
    EXPECT_EQ(LayOutItems(layout.Cl, true, 0, withSeparators).shown, 6);
    // Placed by the normal rules, below the point it opened at.
    const Placement p =
        PlacePopup({kWorkArea, {300, 200, 300, 200}, size.size, layout.Cl.Top, true, true, false, false});
    EXPECT_EQ(p.topLeft, (Point{300, 200}));
    // A maximum the items do not reach changes nothing.
    EXPECT_FALSE(SizePopup(m, heights, 62, 19, 8, kWorkArea).scrollMode);
}

TEST(PopupSize, ScrolledRunsAndTheLastPage) {
    const Rect cl{17, 5, 121, 125};  // 100 pixels between the markers
    const std::vector<int32_t> heights{20, 20, 20, 20, 20, 20, 3, 20, 20};
    const ItemRun run = LayOutItems(cl, true, 2, heights);
    EXPECT_EQ(run.first, 2);
    EXPECT_EQ(run.shown, 5);
    EXPECT_EQ(run.rects[2], (Rect{17, 15, 121, 35}));
    EXPECT_FALSE(run.Shown(1));
    EXPECT_FALSE(run.Shown(7));
    // The last page: 20 + 20 + 3 + 20 + 20 = 83, one more item of 20 would pass 100.
    EXPECT_EQ(PageEndingAt(cl, heights, 8), 4);
    EXPECT_EQ(PageEndingAt(cl, heights, 2), 0);
    // An item higher than the space shows alone at the end of its page.
    EXPECT_EQ(PageEndingAt(cl, std::vector<int32_t>{20, 500}, 1), 1);
}

TEST(PopupSize, DamagedNumbersStayOnTheScreen) {
    MenuMetrics m = ShippedMetrics();
    m.face = {0, 0, -5000, 1 << 26};  // inverted and huge
    m.textRect = {1 << 27, 0, -(1 << 27), 0};
    const auto heights = Heights(m, {false, false});
    const PopupSize size = SizePopup(m, heights, 1 << 30, 19, 0, kWorkArea);
    EXPECT_GE(size.size.cx, 1);
    EXPECT_LE(size.size.cx, kWorkArea.width());
    EXPECT_EQ(size.size.cy, kWorkArea.height());
    MenuMetrics negative = ShippedMetrics();
    negative.divider = {0, 10, 5, 2};
    EXPECT_EQ(MenuItemHeight(negative, true), 0);
}

TEST(PopupPlacement, Table) {
    struct Case {
        const char* what;
        Rect anchor;
        Size size;
        bool submenu, upward;
        Point expected;
        bool beside;
    };
    const Case cases[] = {
        {"below a point", {300, 200, 300, 200}, {126, 93}, false, false, {300, 200}, false},
        {"near the right edge: ends at the edge",
         {1000, 100, 1000, 100},
         {126, 93},
         false,
         false,
         {898, 100},
         false},
        {"left of the work area: starts at its edge",
         {-20, 100, -20, 100},
         {126, 93},
         false,
         false,
         {0, 100},
         false},
        {"near the bottom, lower half: above the point",
         {300, 700, 300, 700},
         {126, 93},
         false,
         false,
         {300, 607},
         false},
        {"below a control", {100, 50, 180, 70}, {126, 93}, false, false, {100, 70}, false},
        {"upward above a control", {100, 300, 180, 320}, {126, 93}, false, true, {100, 207}, false},
        {"upward without room above: below", {100, 50, 180, 70}, {126, 93}, false, true, {100, 70}, false},
        {"too high for either side: beside, at the bottom",
         {300, 100, 300, 100},
         {126, 700},
         false,
         false,
         {301, 38},
         true},
        {"submenu to the right, first items lined up",
         {100, 100, 226, 120},
         {126, 93},
         true,
         false,
         {227, 95},
         false},
        {"submenu without room on the right: left, one pixel apart",
         {900, 100, 1000, 120},
         {126, 93},
         true,
         false,
         {773, 95},
         false},
        {"submenu low in the lower half", {100, 700, 226, 720}, {126, 93}, true, false, {227, 632}, false},
        {"submenu low in the upper half", {100, 360, 226, 380}, {126, 400}, true, false, {227, 338}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Placement p = PlacePopup({kWorkArea, c.anchor, c.size, 5, false, false, c.submenu, c.upward});
        EXPECT_EQ(p.topLeft, c.expected);
        EXPECT_EQ(p.beside, c.beside);
    }
}

TEST(PopupGeometry, ScrollMarkers) {
    const ScrollMarkers skinned = MarkerRects(true, {17, 5, 121, 125}, {126, 130});
    EXPECT_EQ(skinned.up, (Rect{17, 5, 121, 15}));
    EXPECT_EQ(skinned.down, (Rect{17, 115, 121, 125}));
    const ScrollMarkers plain = MarkerRects(false, {2, 2, 124, 128}, {126, 130});
    EXPECT_EQ(plain.up, (Rect{3, 3, 123, 13}));
    EXPECT_EQ(plain.down, (Rect{3, 120, 123, 127}));
}

}  // namespace
