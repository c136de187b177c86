#include <gtest/gtest.h>

#include <random>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/dc.h"
#include "skin/render/bsEffects.h"

namespace skin {
namespace {

using platform::Rect;

constexpr uint32_t Px(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
}

void Fill(TbsBitmap& b, uint32_t seed) {
    std::mt19937 rng(seed);
    for (int32_t y = 0; y < b.Height(); ++y)
        for (int32_t x = 0; x < b.Width(); ++x) b.SetPixelAt(x, y, uint32_t(rng()));
}

TEST(TbsBitmapTest, ResizeRules) {
    TbsBitmap b;
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.CanvasOf(), nullptr);
    EXPECT_EQ(b.PixelAt(0, 0), 0u);
    b.SetPixelAt(0, 0, 7);  // no buffer: ignored

    b.Resize(-10, 5);
    EXPECT_EQ(b.Width(), 10);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(b.PixelAt(9, 4), 0u);
    b.SetPixelAt(3, 2, 0x12345678u);
    b.Resize(10, -5);  // the current size: the pixels stay
    b.Resize(0, 8);    // a zero side: nothing changes
    EXPECT_EQ(b.PixelAt(3, 2), 0x12345678u);
    EXPECT_EQ(b.Width(), 10);
    b.SetPixelAt(10, 0, 1);  // outside: ignored
    EXPECT_EQ(b.PixelAt(10, 0), 0u);
    EXPECT_EQ(b.PixelAt(-1, 0), 0u);
    b.Resize(4, 4);  // a new size: a new, all-zero buffer
    EXPECT_EQ(b.PixelAt(3, 2), 0u);

    try {
        b.Resize(100000, 2);
        FAIL() << "no error";
    } catch (const EbsBitmapError& e) {
        EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
    }
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), 0);
}

TEST(TbsBitmapTest, CanvasBelongsToTheBitmapWhileItLives) {
    platform::HDC dc;
    {
        TbsBitmap b;
        b.Resize(3, 3);
        dc = b.CanvasOf();
        ASSERT_NE(dc, nullptr);
        EXPECT_EQ(TbsBitmap::OwnerOfCanvas(dc), &b);
    }
    EXPECT_EQ(TbsBitmap::OwnerOfCanvas(dc), nullptr);
}

TEST(TbsBitmapTest, PixelRules) {
    TbsBitmap b;
    b.Resize(2, 2);
    b.SetPixelAt(0, 0, Px(255, 250, 5, 5));  // within 5 of the key in every byte
    b.SetPixelAt(1, 0, Px(255, 255, 0, 6));  // blue 6 away
    b.SetPixelAt(0, 1, Px(200, 255, 201, 10));
    b.SetPixelAt(1, 1, Px(255, 1, 2, 3));
    EXPECT_EQ(platform::PixelFromColor(0x000000FF), 0xFFFF0000u);
    b.DetectAlpha();
    EXPECT_TRUE(b.Alpha());
    b.KeyColourToTransparent(0x000000FF);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.PixelAt(0, 0), 0x007F007Fu);
    EXPECT_EQ(b.PixelAt(1, 0), Px(255, 255, 0, 6));
    b.ClampColoursToAlpha();
    EXPECT_EQ(b.PixelAt(0, 1), Px(200, 200, 200, 10));
    b.FillAlpha(255);
    b.DetectAlpha();
    EXPECT_FALSE(b.Alpha());
}

TEST(BlendTest, PackedIntegerPath) {
    struct Case {
        uint32_t source, dest, result;
    };
    const Case cases[] = {
        {Px(128, 255, 0, 0), Px(255, 0, 0, 0),
         Px(191, 127, 0, 0)},                                    // red 127; alpha (128*128 + 255*128) >> 8
        {Px(0, 255, 255, 255), Px(7, 1, 2, 3), Px(7, 1, 2, 3)},  // alpha 0 keeps the destination
        {Px(255, 9, 8, 7), Px(7, 1, 2, 3), Px(255, 9, 8, 7)},    // alpha 255 copies
        {Px(1, 255, 255, 255), Px(255, 0, 0, 0),
         Px(254, 0, 0, 0)},  // (255 + 0) >> 8 = 0; alpha (1 + 255*255) >> 8
    };
    for (const Case& c : cases) EXPECT_EQ(BlendPixel(c.source, c.dest), c.result) << std::hex << c.source;
    EXPECT_EQ(TransparentCopyPixel(0x127F007Fu, 5), 5u);
    EXPECT_EQ(TransparentCopyPixel(0x127F0080u, 5), 0xFF7F0080u);
}

// The row blend works four pixels at a time: every alpha, every length, against the one-pixel rule.
TEST(BlendTest, RowsBlendLikeSinglePixels) {
    std::mt19937 rng(12);
    for (int32_t length = 0; length < 40; ++length) {
        std::vector<uint32_t> source(static_cast<size_t>(length)), dest(static_cast<size_t>(length));
        for (int32_t i = 0; i < length; ++i) {
            const uint32_t alpha = i % 5 == 0 ? 0 : i % 5 == 1 ? 255 : rng() & 0xFF;
            source[size_t(i)] = (uint32_t(rng()) & 0x00FFFFFFu) | (alpha << 24);
            dest[size_t(i)] = uint32_t(rng());
        }
        std::vector<uint32_t> want = dest;
        for (int32_t i = 0; i < length; ++i) want[size_t(i)] = BlendPixel(source[size_t(i)], dest[size_t(i)]);
        DrawRow(DrawMode::Blend, dest.data(), source.data(), length);
        ASSERT_EQ(dest, want) << length;
    }
}

TEST(TbsBitmapTest, FillAreaSetsOrBlendsInsideTheBitmap) {
    TbsBitmap b;
    b.Resize(4, 3);
    b.FillArea({-5, 1, 2, 99}, Px(128, 255, 0, 0));
    EXPECT_EQ(b.PixelAt(1, 2), Px(128, 255, 0, 0));
    EXPECT_EQ(b.PixelAt(2, 2), 0u);
    EXPECT_EQ(b.PixelAt(0, 0), 0u);
    b.FillAlpha(255);
    b.SetAlpha(true);
    b.FillArea({0, 0, 1, 1}, Px(128, 255, 0, 0));
    EXPECT_EQ(b.PixelAt(0, 0), Px(191, 127, 0, 0));
}

// The scaled draw's own mapping: with k = (sw - 1) / (dw - 1) destination i shows source i * k,
// so the first and last columns meet; a destination narrower than 2 shows the middle.
TEST(TbsBitmapTest, ScaledDrawMapsEndsToEnds) {
    TbsBitmap source;
    source.Resize(7, 5);
    Fill(source, 1);
    std::mt19937 rng(9);
    for (int round = 0; round < 100; ++round) {
        auto u = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        TbsBitmap target;
        target.Resize(12, 12);
        const Rect S{u(0, 3), u(0, 2), u(4, 7), u(3, 5)};
        const Rect D{u(-3, 6), u(-3, 6), u(0, 15), u(0, 15)};
        source.DrawToBitmap(target, D, S);
        auto map = [](int32_t i, int32_t d0, int32_t dLen, int32_t s0, int32_t sLen) {
            if (dLen < 2)
                return (s0 + s0 + sLen - 1) / 2;
            return int32_t((long double)(i - d0) * ((long double)(sLen - 1) / (dLen - 1))) + s0;
        };
        for (int32_t y = 0; y < 12; ++y) {
            for (int32_t x = 0; x < 12; ++x) {
                const bool inside = D.contains({x, y});
                const uint32_t want = inside ? source.PixelAt(map(x, D.Left, D.width(), S.Left, S.width()),
                                                              map(y, D.Top, D.height(), S.Top, S.height()))
                                             : 0u;
                ASSERT_EQ(target.PixelAt(x, y), want) << "round " << round << " at " << x << "," << y;
            }
        }
    }
    // A source rectangle reaching outside the bitmap draws nothing.
    TbsBitmap target;
    target.Resize(4, 4);
    source.DrawToBitmap(target, {0, 0, 4, 4}, {5, 0, 8, 5});
    EXPECT_EQ(target.PixelAt(0, 0), 0u);
}

TEST(TbsBitmapTest, DrawToCanvasOfAnotherWorkBitmapHonoursItsOrigin) {
    TbsBitmap source, target;
    source.Resize(2, 1);
    source.SetPixelAt(0, 0, Px(255, 1, 2, 3));
    source.SetPixelAt(1, 0, Px(0, 9, 9, 9));
    source.SetAlpha(true);
    target.Resize(6, 3);
    target.FillArea({0, 0, 6, 3}, Px(255, 50, 50, 50));
    platform::SetWindowOrgEx(target.CanvasOf(), -1, -1, nullptr);
    source.DrawToCanvas(target.CanvasOf(), 2, 0);  // logical (2, 0) is pixel (3, 1)
    EXPECT_EQ(target.PixelAt(3, 1), Px(255, 1, 2, 3));
    EXPECT_EQ(target.PixelAt(4, 1), Px(255, 50, 50, 50));  // alpha 0 kept the destination
}

TEST(TbsBitmapTest, DrawToCanvasBlendsTransparentsAndCopiesOnAPlainContext) {
    platform::HBITMAP handle = platform::CreateBitmap32(4, 1);
    platform::HDC dc = platform::CreateCompatibleDC(nullptr);
    platform::HGDIOBJ old = platform::SelectObject(dc, handle);
    platform::Surface& screen = *platform::SurfaceOfBitmap(handle);
    auto reset = [&] { screen.fill(Px(255, 0, 0, 0)); };
    TbsBitmap b;
    b.Resize(2, 1);
    b.SetPixelAt(0, 0, Px(128, 255, 0, 0));
    b.SetPixelAt(1, 0, Px(10, 0x7F, 0, 0x7F));

    reset();
    b.SetAlpha(true);
    b.DrawToCanvas(dc, 1, 0);
    EXPECT_EQ(screen.pixel(1, 0), Px(191, 127, 0, 0));
    EXPECT_EQ(screen.pixel(2, 0), BlendPixel(Px(10, 0x7F, 0, 0x7F), Px(255, 0, 0, 0)));

    reset();
    b.SetAlpha(false);
    b.SetTransparent(true);
    b.DrawToCanvas(dc, 1, 0);
    EXPECT_EQ(screen.pixel(1, 0), Px(255, 255, 0, 0));
    EXPECT_EQ(screen.pixel(2, 0), Px(255, 0, 0, 0));  // the marker is left out

    reset();
    b.SetTransparent(false);
    b.DrawToCanvas(dc, 1, 0);
    EXPECT_EQ(screen.pixel(1, 0), Px(128, 255, 0, 0));
    EXPECT_EQ(screen.pixel(2, 0), Px(10, 0x7F, 0, 0x7F));

    platform::SelectObject(dc, old);
    platform::DeleteDC(dc);
    platform::DeleteObject(handle);
}

TEST(TbsBitmapTest, CopyFromAndToFrameworkBitmaps) {
    framework::TBitmap picture;
    picture.SetSize(3, 2);
    picture.SetPixel(1, 1, platform::RGB(10, 20, 30));
    TbsBitmap b;
    b.CopyFrom(picture);
    EXPECT_EQ(b.PixelAt(1, 1), Px(255, 10, 20, 30));
    EXPECT_FALSE(b.Alpha());

    picture.SetPixelFormat(framework::TPixelFormat::pf32bit);
    picture.Surface().setPixel(0, 0, Px(77, 1, 2, 3));
    b.CopyFrom(picture);
    EXPECT_TRUE(b.Alpha());
    EXPECT_EQ(b.PixelAt(0, 0), Px(77, 1, 2, 3));

    b.SetName("glow");
    TbsBitmap copy;
    copy.CopyFrom(b);
    EXPECT_EQ(copy.Name(), "glow");
    EXPECT_TRUE(copy.Alpha());
    EXPECT_EQ(copy.PixelAt(0, 0), Px(77, 1, 2, 3));

    framework::TBitmap out;
    b.SetAlpha(false);
    b.CopyTo(out);
    EXPECT_EQ(out.PixelFormat(), framework::TPixelFormat::pf32bit);
    EXPECT_EQ(out.Surface().pixel(0, 0), Px(77, 1, 2, 3));
}

TEST(AlphaFromMaskTest, AverageOfTheMaskColors) {
    TbsBitmap b, mask;
    b.Resize(3, 1);
    b.FillArea({0, 0, 3, 1}, Px(255, 9, 8, 7));
    mask.Resize(2, 1);
    mask.SetPixelAt(0, 0, Px(0, 255, 255, 254));
    mask.SetPixelAt(1, 0, Px(0, 1, 1, 0));
    AlphaFromMask(b, mask);
    EXPECT_EQ(b.PixelAt(0, 0), Px(254, 9, 8, 7));
    EXPECT_EQ(b.PixelAt(1, 0), Px(0, 9, 8, 7));
    EXPECT_EQ(b.PixelAt(2, 0), Px(0, 9, 8, 7));  // no mask pixel there
}

// --- Stack blur -------------------------------------------------------------------------------

TEST(StackBlurTest, DividerIsExactForEveryRadius) {
    for (int32_t r : {1, 2, 3, 5, 6, 10, 31, 64, 99, kMaxBlurRadius}) {
        const BlurDivider divide(r);
        const uint32_t d = uint32_t((r + 1) * (r + 1));
        for (uint32_t sum = 0; sum <= 255 * d; ++sum)
            ASSERT_EQ(divide(sum), sum / d) << "r " << r << " sum " << sum;
    }
}

// The definition, pixel by pixel: weights r + 1 - |k| along x, truncated, then along y.
void ReferenceBlur(TbsBitmap& b, int32_t r) {
    const int32_t w = b.Width(), h = b.Height();
    const uint32_t d = uint32_t((r + 1) * (r + 1));
    auto pass = [&](bool across) {
        std::vector<uint32_t> out(size_t(w) * size_t(h));
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) {
                uint32_t sums[3] = {};
                for (int32_t k = -r; k <= r; ++k) {
                    const uint32_t p = across ? b.PixelAt(std::clamp(x + k, 0, w - 1), y)
                                              : b.PixelAt(x, std::clamp(y + k, 0, h - 1));
                    for (int c = 0; c < 3; ++c)
                        sums[c] += uint32_t(r + 1 - std::abs(k)) * ((p >> (8 * c)) & 0xFF);
                }
                out[size_t(y) * size_t(w) + size_t(x)] =
                    0xFF000000u | (sums[2] / d) << 16 | (sums[1] / d) << 8 | (sums[0] / d);
            }
        }
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) b.SetPixelAt(x, y, out[size_t(y) * size_t(w) + size_t(x)]);
    };
    pass(true);
    pass(false);
}

TEST(StackBlurTest, MatchesTheDefinition) {
    struct Case {
        int32_t w, h, r;
    };
    for (const Case c : {Case{17, 9, 1}, Case{17, 9, 3}, Case{40, 23, 10}, Case{5, 30, 6}, Case{3, 2, 12},
                         Case{1, 1, 4}, Case{64, 1, 5}}) {
        TbsBitmap ours, want;
        ours.Resize(c.w, c.h);
        Fill(ours, uint32_t(c.w * 31 + c.r));
        want.CopyFrom(ours);
        StackBlur(ours, c.r);
        ReferenceBlur(want, c.r);
        for (int32_t y = 0; y < c.h; ++y)
            for (int32_t x = 0; x < c.w; ++x)
                ASSERT_EQ(ours.PixelAt(x, y), want.PixelAt(x, y))
                    << c.w << "x" << c.h << " r " << c.r << " at " << x << "," << y;
    }
}

TEST(StackBlurTest, NoRadiusChangesNothingAndHugeRadiiAreBounded) {
    TbsBitmap b, copy;
    b.Resize(6, 4);
    Fill(b, 3);
    copy.CopyFrom(b);
    StackBlur(b, 0);
    StackBlur(b, -5);
    EXPECT_EQ(b.Pixels(), copy.Pixels());
    TbsBitmap capped;
    capped.CopyFrom(b);
    StackBlur(b, 1 << 30);
    StackBlur(capped, kMaxBlurRadius);
    EXPECT_EQ(b.Pixels(), capped.Pixels());
}

}  // namespace
}  // namespace skin
