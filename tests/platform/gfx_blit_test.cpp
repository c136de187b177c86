#include <gtest/gtest.h>

#include <random>

#include "platform/gfx/dc.h"
#include "platform/gfx/icon.h"
#include "tests/platform/gfx_test_support.h"

namespace platform {
namespace {

using test::Canvas;

// Every pixel a distinct value, alpha included, so that a misplaced copy shows.
void Number(Surface& s) {
    for (int32_t y = 0; y < s.height(); ++y)
        for (int32_t x = 0; x < s.width(); ++x) s.row(y)[x] = 0x80000000u | uint32_t(y << 12 | x);
}

// The nearest-neighbour reference: destination i shows source floor((2i + 1) * src / (2 * dest)).
int32_t SourceOf(int32_t i, int32_t srcLen, int32_t destLen) {
    return int32_t((2 * int64_t(i) + 1) * srcLen / (2 * int64_t(destLen)));
}

TEST(GfxBlitTest, BitBltCopiesAllFourBytesThroughTheClip) {
    Canvas src(8, 6), dest(10, 10, RGB(1, 2, 3));
    Number(src.surface());
    IntersectClipRect(dest.dc(), 0, 0, 10, 5);
    EXPECT_TRUE(BitBlt(dest.dc(), 2, 3, 4, 4, src.dc(), 1, 1, SRCCOPY));
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool copied = x >= 2 && x < 6 && y >= 3 && y < 5;
            EXPECT_EQ(dest.surface().pixel(x, y),
                      copied ? src.surface().pixel(x - 1, y - 2) : PixelFromColor(RGB(1, 2, 3)))
                << x << "," << y;
        }
    }
}

TEST(GfxBlitTest, SourceOutsideItsSurfaceLeavesTheDestination) {
    Canvas src(4, 4), dest(6, 6, RGB(9, 9, 9));
    Number(src.surface());
    EXPECT_TRUE(BitBlt(dest.dc(), 0, 0, 6, 6, src.dc(), -2, -1, SRCCOPY));
    EXPECT_EQ(dest.inkBounds(RGB(9, 9, 9)), (Rect{2, 1, 6, 5}));
    EXPECT_EQ(dest.surface().pixel(2, 1), src.surface().pixel(0, 0));
}

TEST(GfxBlitTest, OverlappingCopiesWithinOneSurfaceReadTheOriginal) {
    for (Point shift : {Point{1, 0}, Point{-1, 0}, Point{0, 1}, Point{0, -1}, Point{2, 3}, Point{-3, -2}}) {
        Canvas c(12, 12);
        Number(c.surface());
        const Surface before = c.surface();
        EXPECT_TRUE(BitBlt(c.dc(), 4 + shift.X, 4 + shift.Y, 5, 5, c.dc(), 4, 4, SRCCOPY));
        EXPECT_TRUE(StretchBlt(c.dc(), 0, 0, 2, 2, c.dc(), 0, 0, 4, 4, SRCCOPY));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(c.surface().pixel(4 + shift.X + x, 4 + shift.Y + y), before.pixel(4 + x, 4 + y));
    }
}

TEST(GfxBlitTest, StretchKeepsOrDropsWholeRowsAndColumnsExactly) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> size(1, 23);
    for (int round = 0; round < 200; ++round) {
        const int sw = size(rng), sh = size(rng), dw = size(rng), dh = size(rng);
        Canvas src(sw + 4, sh + 4), dest(dw + 2, dh + 2, RGB(7, 7, 7));
        Number(src.surface());
        ASSERT_TRUE(StretchBlt(dest.dc(), 1, 1, dw, dh, src.dc(), 2, 3, sw, sh, SRCCOPY));
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x)
                ASSERT_EQ(dest.surface().pixel(1 + x, 1 + y),
                          src.surface().pixel(2 + SourceOf(x, sw, dw), 3 + SourceOf(y, sh, dh)))
                    << sw << "x" << sh << " to " << dw << "x" << dh << " at " << x << "," << y;
        EXPECT_EQ(dest.inkBounds(RGB(7, 7, 7)), (Rect{1, 1, 1 + dw, 1 + dh}));
    }
}

TEST(GfxBlitTest, StretchByWholeFactors) {
    Canvas src(3, 1), up(6, 1), down(3, 1);
    for (int x = 0; x < 3; ++x) src.surface().row(0)[x] = uint32_t(x + 1);
    StretchBlt(up.dc(), 0, 0, 6, 1, src.dc(), 0, 0, 3, 1, SRCCOPY);
    EXPECT_EQ(std::vector<uint32_t>(up.surface().row(0), up.surface().row(0) + 6),
              (std::vector<uint32_t>{1, 1, 2, 2, 3, 3}));
    Canvas wide(6, 1);
    for (int x = 0; x < 6; ++x) wide.surface().row(0)[x] = uint32_t(x + 1);
    StretchBlt(down.dc(), 0, 0, 3, 1, wide.dc(), 0, 0, 6, 1, SRCCOPY);
    EXPECT_EQ(std::vector<uint32_t>(down.surface().row(0), down.surface().row(0) + 3),
              (std::vector<uint32_t>{2, 4, 6}));
}

TEST(GfxBlitTest, StretchedSourceBeyondItsSurfaceIsSkipped) {
    Canvas src(4, 4), dest(8, 8, RGB(9, 9, 9));
    Number(src.surface());
    EXPECT_TRUE(StretchBlt(dest.dc(), 0, 0, 8, 8, src.dc(), 2, 2, 4, 4, SRCCOPY));  // half outside
    EXPECT_EQ(dest.inkBounds(RGB(9, 9, 9)), (Rect{0, 0, 4, 4}));
    EXPECT_EQ(dest.surface().pixel(3, 3), src.surface().pixel(3, 3));
}

TEST(GfxBlitTest, TransparentBltSkipsTheKeyAndWritesOpaque) {
    constexpr COLORREF kKey = 0x7F007F;
    Canvas src(3, 1), dest(6, 2, RGB(9, 9, 9));
    src.surface().row(0)[0] = PixelFromColor(RGB(1, 2, 3), 0);
    src.surface().row(0)[1] = PixelFromColor(kKey, 0xFF);
    src.surface().row(0)[2] = PixelFromColor(kKey, 0x00);  // alpha does not matter for the key
    EXPECT_TRUE(TransparentBlt(dest.dc(), 0, 0, 6, 2, src.dc(), 0, 0, 3, 1, kKey));
    EXPECT_EQ(dest.picture(RGB(1, 2, 3)), "##....\n##....\n");
    EXPECT_EQ(dest.surface().pixel(0, 0), PixelFromColor(RGB(1, 2, 3), 0xFF));
}

TEST(GfxBlitTest, BadArgumentsAreRefused) {
    Canvas src(4, 4), dest(4, 4);
    HDC empty = CreateCompatibleDC(nullptr);
    struct Case {
        const char* what;
        bool ok;
    };
    const Case cases[] = {
        {"raster op other than SRCCOPY", BitBlt(dest.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 0x00EE0086)},
        {"zero width", BitBlt(dest.dc(), 0, 0, 0, 2, src.dc(), 0, 0, SRCCOPY)},
        {"negative height", BitBlt(dest.dc(), 0, 0, 2, -2, src.dc(), 0, 0, SRCCOPY)},
        {"mirroring stretch", StretchBlt(dest.dc(), 0, 0, 2, 2, src.dc(), 0, 0, -2, 2, SRCCOPY)},
        {"zero source", TransparentBlt(dest.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 0, 2, 0)},
        {"far coordinates", BitBlt(dest.dc(), INT32_MAX - 1, 0, 2, 2, src.dc(), 0, 0, SRCCOPY)},
        {"source without bitmap", BitBlt(dest.dc(), 0, 0, 2, 2, empty, 0, 0, SRCCOPY)},
        {"bad source", BitBlt(dest.dc(), 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY)},
    };
    for (const Case& c : cases) EXPECT_FALSE(c.ok) << c.what;
    // A destination with nothing to draw on succeeds without drawing, as a hidden window does.
    EXPECT_TRUE(BitBlt(empty, 0, 0, 2, 2, src.dc(), 0, 0, SRCCOPY));
    DeleteDC(empty);
}

// Icons draw their opaque pixels with alpha 255 and leave what lies under their transparent ones,
// scaled as StretchBlt scales, through the DC's clip; a copy made at another size draws the same.
TEST(GfxIconTest, IconsDrawTheirOpaquePixelsScaledAndClipped) {
    const HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
    int32_t w = 0, h = 0;
    ASSERT_TRUE(GetIconSize(icon, &w, &h));
    EXPECT_EQ(Size(w, h), Size(16, 16));
    const COLORREF under = RGB(255, 0, 255);
    Canvas own(20, 20, under);
    ASSERT_TRUE(DrawIconEx(own.dc(), 2, 3, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(own.inkBounds(under), (Rect{2, 4, 18, 18}));  // its first and last rows are transparent
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x) ASSERT_EQ(own.surface().pixel(x, y) >> 24, 0xFFu) << x << "," << y;

    Canvas scaled(40, 40, under);
    IntersectClipRect(scaled.dc(), 0, 0, 40, 20);
    ASSERT_TRUE(DrawIconEx(scaled.dc(), 4, 4, icon, 32, 24, 0, nullptr, DI_NORMAL));
    const HICON copy = CopyImage(icon, IMAGE_ICON, 32, 24, LR_COPYFROMRESOURCE);
    Canvas copied(40, 40, under);
    IntersectClipRect(copied.dc(), 0, 0, 40, 20);
    ASSERT_TRUE(DrawIconEx(copied.dc(), 4, 4, copy, 0, 0, 0, nullptr, DI_NORMAL));
    for (int32_t y = 0; y < 40; ++y) {
        for (int32_t x = 0; x < 40; ++x) {
            const bool drawn = x >= 4 && x < 36 && y >= 4 && y < 20;
            const uint32_t want =
                drawn ? own.surface().pixel(2 + SourceOf(x - 4, 16, 32), 3 + SourceOf(y - 4, 16, 24))
                      : PixelFromColor(under);
            ASSERT_EQ(scaled.surface().pixel(x, y), want) << x << "," << y;
            ASSERT_EQ(copied.surface().pixel(x, y), want) << x << "," << y;
        }
    }

    EXPECT_FALSE(DrawIconEx(own.dc(), 0, 0, nullptr, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_FALSE(DrawIconEx(nullptr, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_TRUE(DestroyIcon(copy));
    EXPECT_FALSE(DrawIconEx(own.dc(), 0, 0, copy, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_TRUE(DestroyIcon(icon));  // the stock icon stays
    EXPECT_TRUE(DrawIconEx(own.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
}

}  // namespace
}  // namespace platform
