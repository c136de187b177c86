#include "platform/gfx/region.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace platform {
namespace {

// A reference region: one flag per pixel of a small grid.
constexpr int kGrid = 24;
using Pixels = std::vector<bool>;

Pixels PixelsOf(const Region& r) {
    Pixels p(kGrid * kGrid);
    for (int y = 0; y < kGrid; ++y)
        for (int x = 0; x < kGrid; ++x) p[y * kGrid + x] = r.contains({x, y});
    return p;
}

Pixels PixelsOfRects(const std::vector<Rect>& rects) {
    Pixels p(kGrid * kGrid);
    for (const Rect& r : rects)
        for (int y = 0; y < kGrid; ++y)
            for (int x = 0; x < kGrid; ++x) p[y * kGrid + x] = p[y * kGrid + x] || r.contains({x, y});
    return p;
}

std::vector<Rect> RandomRects(std::mt19937& rng, int count) {
    std::uniform_int_distribution<int> c(-2, kGrid + 2);
    std::vector<Rect> rects;
    for (int i = 0; i < count; ++i) rects.push_back({c(rng), c(rng), c(rng), c(rng)});  // some inverted
    return rects;
}

TEST(RegionTest, AlgebraAgreesWithPerPixelReference) {
    std::mt19937 rng(7);
    for (int round = 0; round < 300; ++round) {
        const auto ra = RandomRects(rng, 1 + round % 6), rb = RandomRects(rng, 1 + round % 4);
        const Region a = Region::FromRects(ra), b = Region::FromRects(rb);
        const Pixels pa = PixelsOfRects(ra), pb = PixelsOfRects(rb);
        ASSERT_EQ(PixelsOf(a), pa);
        Pixels uni(pa.size()), inter(pa.size()), diff(pa.size()), exor(pa.size());
        for (size_t i = 0; i < pa.size(); ++i) {
            uni[i] = pa[i] || pb[i];
            inter[i] = pa[i] && pb[i];
            diff[i] = pa[i] && !pb[i];
            exor[i] = pa[i] != pb[i];
        }
        EXPECT_EQ(PixelsOf(a.united(b)), uni);
        EXPECT_EQ(PixelsOf(a.intersected(b)), inter);
        EXPECT_EQ(PixelsOf(a.subtracted(b)), diff);
        EXPECT_EQ(PixelsOf(a.xored(b)), exor);
        // The rectangle list covers exactly the region, without overlaps.
        const auto rects = a.rects();
        EXPECT_EQ(PixelsOfRects(rects), pa);
        int area = 0;
        for (const Rect& r : rects) {
            const Rect inGrid = intersect(r, {0, 0, kGrid, kGrid});
            area += inGrid.width() * inGrid.height();
        }
        EXPECT_EQ(area, std::count(pa.begin(), pa.end(), true));
    }
}

TEST(RegionTest, BoundsKindAndEquality) {
    const Region empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.kind(), NULLREGION);
    EXPECT_EQ(empty.bounds(), Rect{});
    EXPECT_TRUE(Region(Rect{5, 5, 5, 9}).isEmpty());
    const Region two = Region(Rect{0, 0, 4, 4}).united(Region(Rect{10, 2, 12, 8}));
    EXPECT_EQ(two.kind(), COMPLEXREGION);
    EXPECT_EQ(two.bounds(), (Rect{0, 0, 12, 8}));
    EXPECT_EQ(Region(Rect{1, 1, 3, 3}).kind(), SIMPLEREGION);
    EXPECT_EQ(Region(Rect{0, 0, 2, 1}).united(Region(Rect{2, 0, 4, 1})), Region(Rect{0, 0, 4, 1}));
    EXPECT_FALSE(two.contains({4, 0}));  // right edge excluded
    EXPECT_TRUE(two.translated(-10, 0).contains({0, 2}));
}

TEST(RegionHandleTest, CombineReportsKindAndAcceptsAliasedArguments) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN d = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), SIMPLEREGION);
    Rect box;
    EXPECT_EQ(GetRgnBox(d, &box), SIMPLEREGION);
    EXPECT_EQ(box, (Rect{5, 5, 10, 10}));
    EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_XOR), COMPLEXREGION);  // dest is an operand
    EXPECT_FALSE(PtInRegion(a, 7, 7));
    EXPECT_TRUE(PtInRegion(a, 12, 12));
    EXPECT_EQ(CombineRgn(d, b, nullptr, RGN_COPY), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(d, b));
    EXPECT_EQ(CombineRgn(d, a, b, 99), ERROR);
    EXPECT_TRUE(EqualRgn(d, b));  // unchanged by the refused call
    // Corners in any order make the same rectangle.
    HRGN swapped = CreateRectRgn(15, 15, 5, 5);
    EXPECT_TRUE(EqualRgn(swapped, b));
    EXPECT_EQ(OffsetRgn(swapped, -5, -5), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(swapped, 0, 0));
    for (HRGN r : {a, b, d, swapped}) EXPECT_TRUE(DeleteObject(r));
}

TEST(RegionHandleTest, BadHandlesAndRangesAreRefused) {
    HRGN r = CreateRectRgn(0, 0, 4, 4);
    ASSERT_TRUE(DeleteObject(r));
    Rect box{1, 2, 3, 4};
    EXPECT_EQ(GetRgnBox(r, &box), ERROR);
    EXPECT_EQ(box, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(CombineRgn(r, r, r, RGN_OR), ERROR);
    EXPECT_FALSE(PtInRegion(r, 1, 1));
    EXPECT_FALSE(DeleteObject(r));  // twice
    EXPECT_EQ(RegionFromHandle(r), nullptr);
    EXPECT_EQ(RegionFromHandle(reinterpret_cast<HRGN>(uintptr_t(0x12345678))), nullptr);
    EXPECT_EQ(RegionFromHandle(nullptr), nullptr);

    EXPECT_EQ(CreateRectRgn(0, 0, kMaxCoordinate + 1, 4), nullptr);
    EXPECT_EQ(CreateRectRgn(INT32_MIN, 0, 4, 4), nullptr);
    HRGN far = CreateRectRgn(kMaxCoordinate - 10, 0, kMaxCoordinate, 4);
    ASSERT_NE(far, nullptr);
    EXPECT_EQ(OffsetRgn(far, 20, 0), ERROR);
    EXPECT_EQ(OffsetRgn(far, INT32_MAX, INT32_MAX), ERROR);
    EXPECT_TRUE(PtInRegion(far, kMaxCoordinate - 1, 0));  // not moved
    DeleteObject(far);

    // A handle of another type is not a region.
    HRGN other = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(GetObjectType(other), uint32_t(OBJ_REGION));
    DeleteObject(other);
}

TEST(RegionHandleTest, TakingARegionEndsItsHandle) {
    HRGN r = CreateRectRgn(1, 2, 3, 4);
    const size_t live = LiveGdiObjectCount();
    std::optional<Region> taken = TakeRegionFromHandle(r);
    ASSERT_TRUE(taken);
    EXPECT_EQ(*taken, Region(Rect{1, 2, 3, 4}));
    EXPECT_EQ(LiveGdiObjectCount(), live - 1);
    EXPECT_FALSE(TakeRegionFromHandle(r));
    EXPECT_FALSE(DeleteObject(r));
    // A new region does not revive the old handle, even in the same slot.
    HRGN next = CreateRectRgn(0, 0, 1, 1);
    EXPECT_NE(next, r);
    EXPECT_EQ(RegionFromHandle(r), nullptr);
    Rect box;
    HRGN copyTarget = CreateRectRgn(0, 0, 0, 0);
    EXPECT_TRUE(CopyRegionToHandle(*taken, copyTarget));
    EXPECT_EQ(GetRgnBox(copyTarget, &box), SIMPLEREGION);
    EXPECT_EQ(box, (Rect{1, 2, 3, 4}));
    DeleteObject(next);
    DeleteObject(copyTarget);
}

// Region data blocks as the mask code builds them.
std::vector<uint8_t> RegionData(const std::vector<Rect>& rects, uint32_t count, uint32_t dwSize = 32,
                                uint32_t type = RDH_RECTANGLES) {
    RGNDATAHEADER h;
    h.dwSize = dwSize;
    h.iType = type;
    h.nCount = count;
    std::vector<uint8_t> data(sizeof h + rects.size() * sizeof(Rect));
    std::memcpy(data.data(), &h, sizeof h);
    if (!rects.empty())
        std::memcpy(data.data() + sizeof h, rects.data(), rects.size() * sizeof(Rect));
    return data;
}

TEST(ExtCreateRegionTest, BuildsTheUnionOfRuns) {
    const std::vector<Rect> runs{{0, 0, 3, 1}, {5, 0, 7, 1}, {0, 1, 7, 2}, {4, 4, 4, 5}};  // last one empty
    const auto data = RegionData(runs, 4);
    HRGN r = ExtCreateRegion(nullptr, uint32_t(data.size()), data.data());
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(*RegionFromHandle(r), Region::FromRects(runs));
    EXPECT_TRUE(PtInRegion(r, 6, 0));
    EXPECT_FALSE(PtInRegion(r, 3, 0));
    DeleteObject(r);
    // No rectangles: an empty region, still a region.
    const auto none = RegionData({}, 0);
    HRGN e = ExtCreateRegion(nullptr, uint32_t(none.size()), none.data());
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(RegionFromHandle(e)->isEmpty());
    DeleteObject(e);
}

TEST(ExtCreateRegionTest, HostileBlocksGiveNoRegion) {
    const std::vector<Rect> one{{0, 0, 2, 2}};
    struct Case {
        const char* what;
        std::vector<uint8_t> data;
        uint32_t size;  // the byte count claimed
    };
    auto block = RegionData(one, 1);
    const uint32_t n = uint32_t(block.size());
    const std::vector<Case> cases{
        {"header size other than 32", RegionData(one, 1, 36), n},
        {"unknown type", RegionData(one, 1, 32, 2), n},
        {"count past the given size", RegionData(one, 2), n},
        {"count that wraps when multiplied", RegionData(one, 0x10000001u), n},
        {"count of all ones", RegionData(one, 0xFFFFFFFFu), n},
        {"size shorter than the header", block, 31},
        {"size shorter than the rectangles", block, n - 1},
        {"coordinate beyond the limits", RegionData({{0, 0, INT32_MAX, 2}}, 1), n},
        {"negative coordinate beyond the limits", RegionData({{INT32_MIN, 0, 2, 2}}, 1), n},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtCreateRegion(nullptr, c.size, c.data.data()), nullptr) << c.what;
    }
    EXPECT_EQ(ExtCreateRegion(nullptr, n, nullptr), nullptr);
    const auto* transform = reinterpret_cast<const XFORM*>(block.data());
    EXPECT_EQ(ExtCreateRegion(transform, n, block.data()), nullptr);
}

}  // namespace
}  // namespace platform
