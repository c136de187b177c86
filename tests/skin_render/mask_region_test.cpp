#include "skin/render/mask_region.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "platform/gfx/region.h"
#include "tests/skin_render/render_test_support.h"

namespace skin {
namespace {

using platform::HRGN;
using platform::Point;
using platform::Rect;
using platform::Region;
using test::CoordPicture;
using test::SourceOf;

const NinePartLayout kMainFrame{{13, 27}, {142, 26}, {6, 130}, {152, 129}, {4, 23, 154, 131}};
constexpr uint32_t kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;

// A mask from rows of text: '#' black (inside), anything else white.
Picture MaskOf(const std::vector<std::string>& rows) {
    Picture m(int32_t(rows[0].size()), int32_t(rows.size()));
    for (int32_t y = 0; y < m.height(); ++y)
        for (int32_t x = 0; x < m.width(); ++x)
            m.row(y)[x] = rows[size_t(y)][size_t(x)] == '#' ? kBlack : kWhite;
    return m;
}

struct Block {
    platform::RGNDATAHEADER header;
    std::vector<Rect> rects;
};
Block Parse(const std::vector<uint8_t>& bytes) {
    Block b;
    std::memcpy(&b.header, bytes.data(), sizeof b.header);
    b.rects.resize((bytes.size() - sizeof b.header) / sizeof(Rect));
    if (!b.rects.empty())
        std::memcpy(b.rects.data(), bytes.data() + sizeof b.header, b.rects.size() * sizeof(Rect));
    return b;
}

// Owns a region handle for the test's length.
struct OwnedRegion {
    HRGN handle;
    ~OwnedRegion() {
        if (handle)
            platform::DeleteObject(handle);
    }
    const Region& value() const { return *platform::RegionFromHandle(handle); }
};

TEST(CollectMaskRunsTest, RunsOfPureBlackRowByRow) {
    Picture mask = MaskOf({"##..###",    //
                           ".......",    //
                           "..#####"});  // black to the last pixel: the run ends at the width
    mask.row(1)[3] = 0xFF010000u;        // (0, 0, 1): not pure black, so transparent
    mask.row(1)[4] = 0x00000000u;        // black with alpha 0 still counts: alpha is not read
    const Block b = Parse(CollectMaskRuns(mask, 10, 20));
    EXPECT_EQ(b.header.dwSize, 32u);
    EXPECT_EQ(b.header.iType, 1u);
    EXPECT_EQ(b.header.nRgnSize, 0u);
    EXPECT_EQ(b.header.rcBound, (Rect{10, 20, 17, 23}));
    ASSERT_EQ(b.header.nCount, 4u);
    EXPECT_EQ(b.rects,
              (std::vector<Rect>{{10, 20, 12, 21}, {14, 20, 17, 21}, {14, 21, 15, 22}, {12, 22, 17, 23}}));
}

TEST(RegionFromMaskTest, EmptyMaskGivesNoRegionAndAllWhiteAnEmptyOne) {
    EXPECT_EQ(RegionFromMask(Picture()), nullptr);
    Picture white(5, 5);
    white.fill(kWhite);
    OwnedRegion r{RegionFromMask(white)};
    ASSERT_NE(r.handle, nullptr);
    EXPECT_TRUE(r.value().isEmpty());
}

// A checkerboard has far more runs than one block holds; the region must still be all of them.
TEST(RegionFromMaskTest, MoreRunsThanOneBlockStillGiveTheWholeRegion) {
    Picture mask(301, 140);
    std::vector<Rect> expected;
    for (int32_t y = 0; y < mask.height(); ++y) {
        for (int32_t x = 0; x < mask.width(); ++x) {
            const bool black = (x + y) % 2 == 0;
            mask.row(y)[x] = black ? kBlack : kWhite;
            if (black)
                expected.push_back({x, y, x + 1, y + 1});
        }
    }
    ASSERT_GT(expected.size(), 2 * size_t(kMaskRunsPerBlock));
    EXPECT_EQ(CollectMaskRuns(mask, 0, 0).size(), 32 + 16 * expected.size());
    OwnedRegion r{RegionFromMask(mask)};
    ASSERT_NE(r.handle, nullptr);
    EXPECT_TRUE(r.value() == Region::FromRects(expected));
}

// The mask bands: sides tiled from strip row 0, top and bottom tiled from the new corner point.
TEST(ComposeMaskStripsTest, MainFrameMaskAt400x300) {
    const Picture mask = CoordPicture(158, 136);
    FrameStrips s;
    ComposeMaskStrips(kMainFrame, ResizeLayout({158, 136}, kMainFrame, {400, 300}), mask, s, 400);
    auto check = [](const Picture& strip, platform::Size size, auto expected, const char* what) {
        ASSERT_EQ(strip.width(), size.cx) << what;
        ASSERT_EQ(strip.height(), size.cy) << what;
        for (int32_t y = 0; y < size.cy; ++y)
            for (int32_t x = 0; x < size.cx; ++x)
                ASSERT_EQ(SourceOf(strip.pixel(x, y)), std::optional<Point>(expected(x, y)))
                    << what << " " << x << "," << y;
    };
    check(
        s.Top, {400, 23},
        [](int32_t x, int32_t y) -> Point {
            if (x < 13)
                return {x, y};
            if (x >= 384)
                return {142 + x - 384, y};
            return {13 + (x - 13) % 129, y};
        },
        "top");
    check(
        s.Bottom, {400, 5},
        [](int32_t x, int32_t y) -> Point {
            if (x < 6)
                return {x, 131 + y};
            if (x >= 394)
                return {152 + x - 394, 131 + y};
            return {6 + (x - 6) % 146, 131 + y};
        },
        "bottom");
    check(
        s.Left, {4, 272},
        [](int32_t x, int32_t y) -> Point {
            if (y < 4)
                return {x, 23 + y};
            if (y == 271)
                return {x, 130};
            return {x, 27 + y % 103};
        },
        "left");
    check(
        s.Right, {4, 272},
        [](int32_t x, int32_t y) -> Point {
            if (y < 3)
                return {154 + x, 23 + y};
            if (y >= 270)
                return {154 + x, 129 + y - 270};
            return {154 + x, 26 + y % 103};
        },
        "right");
}

// The frame region of a random black-and-white mask against the region built pixel by pixel from
// the band rules.
TEST(BuildFrameRegionTest, MatchesTheMaskBandsPixelByPixel) {
    std::mt19937 rng(5);
    Picture mask(158, 136);
    for (int32_t y = 0; y < 136; ++y)
        for (int32_t x = 0; x < 158; ++x) mask.row(y)[x] = rng() % 3 == 0 ? kWhite : kBlack;
    for (platform::Size size :
         {platform::Size{400, 300}, platform::Size{785, 96}, platform::Size{158, 136}}) {
        const NinePartLayout n = ResizeLayout({158, 136}, kMainFrame, size);
        auto maskAt = [&](int32_t x, int32_t y) -> Point {  // window pixel outside NewCl -> mask pixel
            if (y < 23)
                return {x < 13 ? x : x >= n.RT.X ? 142 + x - n.RT.X : 13 + (x - 13) % 129, y};
            if (y >= n.Cl.Bottom)
                return {x < 6         ? x
                        : x >= n.RB.X ? 152 + x - n.RB.X
                                      : 6 + (x - 6) % 146,
                        131 + y - n.Cl.Bottom};
            const int32_t row = y - 23, ch = n.Cl.height();
            if (x < 4)
                return {x, row < 4 ? 23 + row : row >= ch - 1 ? 130 : 27 + row % 103};
            return {154 + x - n.Cl.Right, row < 3         ? 23 + row
                                          : row >= ch - 2 ? 129 + row - (ch - 2)
                                                          : 26 + row % 103};
        };
        std::vector<Rect> pixels;
        for (int32_t y = 0; y < size.cy; ++y) {
            for (int32_t x = 0; x < size.cx; ++x) {
                if (n.Cl.contains({x, y}))
                    continue;
                const Point m = maskAt(x, y);
                if (IsOpaqueMaskPixel(mask.pixel(m.X, m.Y)))
                    pixels.push_back({x, y, x + 1, y + 1});
            }
        }
        OwnedRegion r{BuildFrameRegion(kMainFrame, n, mask, size)};
        ASSERT_NE(r.handle, nullptr);
        EXPECT_TRUE(r.value() == Region(n.Cl).united(Region::FromRects(pixels))) << size.cx << "x" << size.cy;
    }
}

TEST(BuildFrameRegionTest, DegenerateGeometryGivesNoRegion) {
    const Picture mask = MaskOf({"####", "####", "####", "####"});
    const NinePartLayout l{{1, 1}, {3, 1}, {1, 3}, {3, 3}, {1, 1, 3, 3}};
    NinePartLayout emptyClient = ResizeLayout({4, 4}, l, {10, 10});
    emptyClient.Cl.Right = emptyClient.Cl.Left;
    NinePartLayout reversedX = ResizeLayout({4, 4}, l, {10, 10});
    reversedX.RT.X = reversedX.LT.X - 1;
    NinePartLayout reversedY = ResizeLayout({4, 4}, l, {10, 10});
    reversedY.LB.Y = reversedY.LT.Y - 1;
    for (const NinePartLayout& n : {emptyClient, reversedX, reversedY})
        EXPECT_EQ(BuildFrameRegion(l, n, mask, {10, 10}), nullptr);
}

// Without a top band (client rectangle at the top edge) the other bands still shape the window.
TEST(BuildFrameRegionTest, MissingTopBandKeepsTheOtherBands) {
    const Picture mask = MaskOf({"#..#",  //
                                 "#..#",  //
                                 "####"});
    const NinePartLayout l{{1, 0}, {3, 0}, {1, 2}, {3, 2}, {1, 0, 3, 2}};
    OwnedRegion r{BuildFrameRegion(l, ResizeLayout({4, 3}, l, {8, 6}), mask, {8, 6})};
    ASSERT_NE(r.handle, nullptr);
    const Region want = Region::FromRects(std::vector<Rect>{{1, 0, 7, 5},    // NewCl
                                                            {0, 0, 1, 5},    // left band
                                                            {7, 0, 8, 5},    // right band
                                                            {0, 5, 8, 6}});  // bottom band
    EXPECT_TRUE(r.value() == want);
}

// The simple way to a frame region: the client rectangle united with every black run of every
// band, each run a rectangle of its own, as the platform's region code sorts and merges them.
Region ReferenceFrameRegion(const FrameStrips& strips, const NinePartLayout& n) {
    std::vector<Rect> rects = {n.Cl};
    const std::pair<const Picture*, Point> placed[] = {{&strips.Top, {0, 0}},
                                                       {&strips.Left, {0, n.Cl.Top}},
                                                       {&strips.Right, {n.Cl.Right, n.Cl.Top}},
                                                       {&strips.Bottom, {0, n.Cl.Bottom}}};
    for (const auto& [strip, at] : placed) {
        const Block b = Parse(CollectMaskRuns(*strip, at.X, at.Y));
        rects.insert(rects.end(), b.rects.begin(), b.rects.end());
    }
    return Region::FromRects(rects);
}

// A random mask whose rows come in stretches of one row repeated, as a frame's sides do, in
// black, white and colours next to black.
Picture RandomMask(std::mt19937& rng, int32_t w, int32_t h) {
    const uint32_t colours[] = {kBlack, kBlack, kWhite, 0x00000000u, 0xFF000001u, 0xFF010000u};
    Picture mask(w, h);
    for (int32_t y = 0; y < h; ++y) {
        if (y > 0 && rng() % 3 != 0) {
            std::copy(mask.row(y - 1), mask.row(y - 1) + w, mask.row(y));
            continue;
        }
        const uint32_t background = rng() % 2 ? kBlack : kWhite;
        for (int32_t x = 0; x < w; ++x)
            mask.row(y)[x] = rng() % 4 == 0 ? colours[rng() % std::size(colours)] : background;
    }
    return mask;
}

// Frame regions of random masks and layouts (bands overlapping each other and the client
// rectangle among them), with the mask bands kept from one size to the next as the frame keeps
// them, against the simple way; and mask regions against their runs.
TEST(BuildFrameRegionTest, MatchesTheRunsOfTheBandsForRandomMasksAndLayouts) {
    std::mt19937 rng(23);
    auto coordinate = [&](int32_t below) { return int32_t(rng() % uint32_t(below + 8)) - 4; };
    FrameStrips kept;
    for (int round = 0; round < 400; ++round) {
        const int32_t mw = 1 + int32_t(rng() % 40), mh = 1 + int32_t(rng() % 40);
        const Picture mask = RandomMask(rng, mw, mh);
        const NinePartLayout l{{coordinate(mw), coordinate(mh)},
                               {coordinate(mw), coordinate(mh)},
                               {coordinate(mw), coordinate(mh)},
                               {coordinate(mw), coordinate(mh)},
                               {coordinate(mw), coordinate(mh), coordinate(mw), coordinate(mh)}};
        const platform::Size size{int32_t(rng() % 90), int32_t(rng() % 90)};
        NinePartLayout n = ResizeLayout({mw, mh}, l, size);
        if (rng() % 3 == 0)  // a new layout the resize rule would not give: bands overlap
            n.Cl = {coordinate(size.cx), coordinate(size.cy), coordinate(size.cx), coordinate(size.cy)};
        const bool keep = rng() % 2 == 0;
        FrameStrips own;
        FrameStrips& strips = keep ? kept : own;
        OwnedRegion r{BuildFrameRegion(l, n, mask, size, &strips)};
        if (n.RT.X < n.LT.X || n.LB.Y < n.LT.Y || n.Cl.isEmpty()) {
            EXPECT_EQ(r.handle, nullptr) << "round " << round;
            continue;
        }
        ASSERT_NE(r.handle, nullptr) << "round " << round;
        EXPECT_TRUE(r.value() == ReferenceFrameRegion(strips, n)) << "round " << round;

        OwnedRegion m{RegionFromMask(mask)};
        ASSERT_NE(m.handle, nullptr);
        EXPECT_TRUE(m.value() == Region::FromRects(Parse(CollectMaskRuns(mask, 0, 0)).rects))
            << "round " << round;
    }
}

// A band reaching past the platform's coordinate range keeps its part inside the range; the rest
// of the region is whole.
TEST(BuildFrameRegionTest, BandsPastTheCoordinateRangeAreCutAtItsEdge) {
    const Picture mask = MaskOf({"#########",  //
                                 "##.....##",  //
                                 "##.....##",  //
                                 "#########"});
    const NinePartLayout l{{2, 1}, {7, 1}, {2, 3}, {7, 3}, {2, 1, 7, 3}};
    NinePartLayout n = ResizeLayout({9, 4}, l, {40, 20});
    n.Cl.Right = platform::kMaxCoordinate - 1;  // the right band would reach 1 past the range
    FrameStrips strips;
    OwnedRegion r{BuildFrameRegion(l, n, mask, {40, 20}, &strips)};
    ASSERT_NE(r.handle, nullptr);
    const Rect range{-platform::kMaxCoordinate, -platform::kMaxCoordinate, platform::kMaxCoordinate,
                     platform::kMaxCoordinate};
    EXPECT_TRUE(r.value() == ReferenceFrameRegion(strips, n).intersected(range));
    EXPECT_TRUE(r.value().contains({0, 0})) << "the top band";
    EXPECT_TRUE(r.value().contains({platform::kMaxCoordinate - 1, 5})) << "the right band within the range";
}

}  // namespace
}  // namespace skin
