// The geometry of the skinned tab strip as tables: the page area and tab rectangles moved onto the
// frame for every tab position, with and without a record; the selected tab's extent; the row
// strip; close boxes turned with left and right faces; the scroller's counts.
#include "skin/controls/tab_geometry.h"

#include <gtest/gtest.h>

#include "skin/controls/picture_turns.h"

using namespace skin;
using framework::TTabPosition;
using platform::Rect;
using platform::Size;

namespace {

constexpr TTabPosition kTop = TTabPosition::tpTop, kBottom = TTabPosition::tpBottom,
                       kLeft = TTabPosition::tpLeft, kRight = TTabPosition::tpRight;

// m_tab: 770 x 537; the strip's row 17 high with the shipped record, 20 without.
TEST(TabGeometry, ThePageAreaMovesOntoTheRecordsFrame) {
    struct Case {
        TTabPosition position;
        Rect strip;     // what the strip answers
        Rect adjusted;  // with the shipped record's borders 3, 2, 3, 2
    };
    const Case cases[] = {
        {kTop, {4, 21, 766, 533}, {3, 17, 767, 535}},
        {kBottom, {4, 4, 766, 516}, {3, 2, 767, 518}},
        {kLeft, {21, 4, 766, 533}, {20, 2, 767, 535}},
        {kRight, {4, 4, 749, 533}, {3, 2, 750, 535}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdjustPageArea(c.strip, {770, 537}, c.position, BorderWidths{3, 2, 3, 2}), c.adjusted)
            << int(c.position);
}

TEST(TabGeometry, ThePageAreaMovesOntoTheBuiltInFrame) {
    struct Case {
        TTabPosition position;
        Rect strip;
        Rect adjusted;
    };
    const Case cases[] = {
        {kTop, {4, 24, 766, 533}, {1, 19, 769, 536}},
        {kBottom, {4, 4, 766, 513}, {1, 1, 769, 516}},
        // Side columns start the page 1 pixel down, as bottom rows do.
        {kLeft, {24, 4, 766, 533}, {21, 1, 769, 536}},
        {kRight, {4, 4, 746, 533}, {1, 1, 749, 536}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdjustPageArea(c.strip, {770, 537}, c.position, std::nullopt), c.adjusted)
            << int(c.position);
}

TEST(TabGeometry, TheDisplayAreaAndTheFrameOfTopTabs) {
    const Rect page{3, 17, 767, 535};
    EXPECT_EQ(DisplayAreaOf(page, kTop), (Rect{3, 19, 767, 535}));
    EXPECT_EQ(DisplayAreaOf(page, kBottom), page);
    EXPECT_EQ(FrameOf(DisplayAreaOf(page, kTop), {3, 2, 3, 2}), (Rect{0, 17, 770, 537}));
    EXPECT_EQ(RowFrameOf(page, {3, 2, 3, 2}), (Rect{0, 17, 770, 537}));
}

TEST(TabGeometry, TabsMoveOntoTheFrame) {
    struct Case {
        TTabPosition position;
        bool oneRow;
        Rect strip;
        Rect adjusted;
    };
    const Case cases[] = {
        {kTop, true, {2, 2, 50, 19}, {0, 0, 48, 17}},          {kTop, false, {2, 2, 50, 19}, {2, 0, 50, 17}},
        {kBottom, true, {2, 518, 50, 535}, {0, 520, 48, 537}}, {kLeft, true, {2, 2, 19, 50}, {0, 2, 17, 50}},
        {kRight, true, {751, 2, 768, 50}, {753, 2, 770, 50}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AdjustTabRect(c.strip, c.position, c.oneRow), c.adjusted) << int(c.position);
    // The first tab of a row is one pixel narrower on the left.
    EXPECT_EQ(TabRectOf({0, 0, 48, 17}, 0, true), (Rect{1, 0, 48, 17}));
    EXPECT_EQ(TabRectOf({48, 0, 90, 17}, 1, true), (Rect{48, 0, 90, 17}));
    EXPECT_EQ(TabRectOf({0, 0, 48, 17}, 0, false), (Rect{0, 0, 48, 17}));
}

TEST(TabGeometry, TheSelectedTabReachesTowardThePageAndTheRowLiesBesideTheFrame) {
    const Rect tab{10, 10, 50, 30};
    EXPECT_EQ(ActiveTabExtent(tab, kTop, 4), (Rect{10, 10, 50, 34}));
    EXPECT_EQ(ActiveTabExtent(tab, kBottom, 4), (Rect{10, 6, 50, 30}));
    EXPECT_EQ(ActiveTabExtent(tab, kLeft, 4), (Rect{10, 10, 54, 30}));
    EXPECT_EQ(ActiveTabExtent(tab, kRight, 4), (Rect{6, 10, 50, 30}));
    const Rect frame{20, 17, 750, 520};
    const Size client{770, 537};
    EXPECT_EQ(RowStripRect(frame, client, kTop), (Rect{0, 0, 770, 17}));
    EXPECT_EQ(RowStripRect(frame, client, kBottom), (Rect{0, 520, 770, 537}));
    EXPECT_EQ(RowStripRect(frame, client, kLeft), (Rect{0, 0, 20, 537}));
    EXPECT_EQ(RowStripRect(frame, client, kRight), (Rect{750, 0, 770, 537}));
}

// The close box recorded on a lying face lands where the turned face shows it.
TEST(TabGeometry, CloseBoxesTurnWithLeftAndRightFaces) {
    const Size face{60, 17};
    const Rect box{40, 2, 54, 16};
    Picture lying(face.cx, face.cy);
    for (int32_t y = box.Top; y < box.Bottom; ++y)
        for (int32_t x = box.Left; x < box.Right; ++x) lying.row(y)[x] = 0xFFFFFFFFu;
    for (TTabPosition position : {kLeft, kRight}) {
        const Picture turned = position == kLeft ? TurnedCounterClockwise(lying) : TurnedClockwise(lying);
        Rect marked{turned.width(), turned.height(), 0, 0};
        for (int32_t y = 0; y < turned.height(); ++y)
            for (int32_t x = 0; x < turned.width(); ++x)
                if (turned.pixel(x, y) == 0xFFFFFFFFu)
                    marked = {std::min(marked.Left, x), std::min(marked.Top, y),
                              std::max(marked.Right, x + 1), std::max(marked.Bottom, y + 1)};
        EXPECT_EQ(TurnedCloseRect(box, face, position), marked) << int(position);
    }
    EXPECT_EQ(TurnedCloseRect(box, face, kTop), box);
}

TEST(TabGeometry, HiddenTabsAreThoseNotWhollyLeftOfTheLimit) {
    const std::vector<Rect> row = {
        {-90, 0, -40, 17}, {-40, 0, 0, 17}, {0, 0, 300, 17}, {300, 0, 364, 17}, {364, 0, 398, 17}};
    struct Case {
        int32_t scroller;
        int hidden;
    };
    // Width 400: limit 397 without a scroller, 361 with the 36-pixel one.
    for (const Case& c : {Case{0, 3}, Case{36, 4}}) EXPECT_EQ(HiddenTabCount(row, 400, c.scroller), c.hidden);
    EXPECT_EQ(LeftHiddenTabCount(row), 2);
    EXPECT_EQ(HiddenTabCount({}, 400, 0), 0);
}

}  // namespace
