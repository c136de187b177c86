#include "skin/render/effect_bitmap.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

using platform::COLORREF;
using platform::RGB;

// A one-row bitmap of the given colours.
TbsEffectBmp RowOf(std::initializer_list<COLORREF> colors) {
    TbsEffectBmp b(int32_t(colors.size()), 1);
    int32_t x = 0;
    for (COLORREF c : colors) b.SetColorAt(x++, 0, c);
    return b;
}

std::vector<COLORREF> Colors(const TbsEffectBmp& b, int32_t y = 0) {
    std::vector<COLORREF> out;
    for (int32_t x = 0; x < b.Width(); ++x) out.push_back(b.ColorAt(x, y));
    return out;
}

TEST(TbsEffectBmpTest, RowsArePaddedToFourBytes) {
    EXPECT_EQ(TbsEffectBmp(1, 1).RowBytes(), 4);
    EXPECT_EQ(TbsEffectBmp(5, 2).RowBytes(), 16);
    EXPECT_EQ(TbsEffectBmp(4, 2).RowBytes(), 12);
    EXPECT_TRUE(TbsEffectBmp(0, 3).Empty());
    EXPECT_TRUE(TbsEffectBmp(-3, 3).Empty());
}

TEST(TbsEffectBmpTest, ColorEffectsRoundHalvesToEven) {
    struct Case {
        const char* name;
        void (*effect)(TbsEffectBmp&);
        COLORREF in, out;
    };
    const Case cases[] = {
        {"lighten 0.5: 127.5 to 128", [](TbsEffectBmp& b) { b.Lighten(0.5); }, RGB(0, 0, 0),
         RGB(128, 128, 128)},
        {"lighten 0.5 keeps white", [](TbsEffectBmp& b) { b.Lighten(0.5); }, RGB(255, 255, 255),
         RGB(255, 255, 255)},
        {"lighten above 1 is 1", [](TbsEffectBmp& b) { b.Lighten(7); }, RGB(3, 4, 5), RGB(255, 255, 255)},
        {"darken 0.3 of 255 and 100", [](TbsEffectBmp& b) { b.Darken(0.3); }, RGB(255, 100, 0),
         RGB(179, 70, 0)},
        {"darken below 0 is 0", [](TbsEffectBmp& b) { b.Darken(-1); }, RGB(3, 4, 5), RGB(3, 4, 5)},
        {"grey of red", [](TbsEffectBmp& b) { b.ToGray(); }, RGB(255, 0, 0), RGB(76, 76, 76)},
        {"grey of green", [](TbsEffectBmp& b) { b.ToGray(); }, RGB(0, 255, 0), RGB(150, 150, 150)},
        {"grey of blue", [](TbsEffectBmp& b) { b.ToGray(); }, RGB(0, 0, 255), RGB(28, 28, 28)},
        {"grey of white", [](TbsEffectBmp& b) { b.ToGray(); }, RGB(255, 255, 255), RGB(255, 255, 255)},
        {"invert", [](TbsEffectBmp& b) { b.InvertColours(); }, RGB(0, 100, 255), RGB(255, 155, 0)},
    };
    for (const Case& c : cases) {
        TbsEffectBmp b = RowOf({c.in});
        c.effect(b);
        EXPECT_EQ(b.ColorAt(0, 0), c.out) << c.name;
    }
}

TEST(TbsEffectBmpTest, NoiseMovesAllThreeBytesByOneNumberWithinItsRange) {
    TbsEffectBmp b(40, 5);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 40; ++x) b.SetColorAt(x, y, RGB(100, 110, 120));
    b.AddNoise(50);
    bool changed = false;
    for (int32_t y = 0; y < 5; ++y) {
        for (int32_t x = 0; x < 40; ++x) {
            const COLORREF c = b.ColorAt(x, y);
            const int n = platform::GetRValue(c) - 100;
            EXPECT_GE(n, -25);
            EXPECT_LE(n, 24);
            EXPECT_EQ(platform::GetGValue(c), 110 + n);
            EXPECT_EQ(platform::GetBValue(c), 120 + n);
            changed |= n != 0;
        }
    }
    EXPECT_TRUE(changed);
    TbsEffectBmp same = b;
    same.AddNoise(0);
    same.AddNoise(-4);
    EXPECT_EQ(same, b);
}

TEST(TbsEffectBmpTest, BlurSplitReadsChangedPixelsAndMirrorsAtTheFarEdges) {
    // Three rows of one column each 0, 40, 80; amount 1.
    TbsEffectBmp b(1, 3);
    b.SetColorAt(0, 0, RGB(0, 0, 0));
    b.SetColorAt(0, 1, RGB(40, 40, 40));
    b.SetColorAt(0, 2, RGB(80, 80, 80));
    b.BlurSplit(1);
    // Row 0: up 0, down 1; columns: left 0, right min(1 - 0, 0) = 0: (0 + 40 + 0 + 40) / 4 = 20.
    EXPECT_EQ(b.ColorAt(0, 0), RGB(20, 20, 20));
    // Row 1: up 0 (already 20), down 2 (80): (20 + 80 + 20 + 80) / 4 = 50.
    EXPECT_EQ(b.ColorAt(0, 1), RGB(50, 50, 50));
    // Row 2, the last: down is height - i = 1 (now 50), up 1: 50.
    EXPECT_EQ(b.ColorAt(0, 2), RGB(50, 50, 50));
    TbsEffectBmp single(1, 1);
    single.SetColorAt(0, 0, RGB(9, 9, 9));
    single.BlurSplit(5);  // every neighbour is the pixel itself
    EXPECT_EQ(single.ColorAt(0, 0), RGB(9, 9, 9));
}

TEST(TbsEffectBmpTest, RotationsAndFlip) {
    TbsEffectBmp b(3, 2);  // pixel (x, y) has red x, green y
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x) b.SetColorAt(x, y, RGB(uint8_t(x), uint8_t(y), 1));
    TbsEffectBmp ccw, cw, flip;
    b.RotateCounterClockwise(ccw);
    b.RotateClockwise(cw);
    b.FlipRows(flip);
    ASSERT_EQ(ccw.Width(), 2);
    ASSERT_EQ(ccw.Height(), 3);
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 3; ++x) {
            EXPECT_EQ(ccw.ColorAt(y, 3 - 1 - x), b.ColorAt(x, y));
            EXPECT_EQ(cw.ColorAt(2 - 1 - y, x), b.ColorAt(x, y));
            EXPECT_EQ(flip.ColorAt(x, 2 - 1 - y), b.ColorAt(x, y));
        }
    }
}

// --- Morphs: A is black, B numbers its columns ---------------------------------------------------

TbsEffectBmp Black(int32_t w) {
    return TbsEffectBmp(w, 1);
}
TbsEffectBmp Numbered(int32_t w) {
    TbsEffectBmp b(w, 1);
    for (int32_t x = 0; x < w; ++x) b.SetColorAt(x, 0, RGB(uint8_t(100 + x), 0, 0));
    return b;
}
std::vector<int> Reds(const TbsEffectBmp& b) {
    std::vector<int> out;
    for (COLORREF c : Colors(b)) out.push_back(platform::GetRValue(c));
    return out;
}

TEST(MorphTest, Table) {
    struct Case {
        const char* name;
        TMorphKind kind;
        int32_t width;
        double x;
        std::vector<int> reds;
    };
    const Case cases[] = {
        {"blend halfway (50.5 to even)", TMorphKind::mkDefault, 2, 0.5, {50, 50}},
        {"blend past 1 is B", TMorphKind::mkDefault, 2, 3.0, {100, 101}},
        // a = max(1, round(0)) = 1: column 0 f = 0 shows B, column 1 f = 1 keeps A.
        {"left gradient at 0 still shows B in column 0", TMorphKind::mkLeftGradient, 4, 0.0, {100, 0, 0, 0}},
        // a = 2: columns 0, 1, 2 with f = 0, 0.5, 1.
        {"left gradient halfway", TMorphKind::mkLeftGradient, 4, 0.5, {100, 50, 0, 0}},
        // b = 4 - 2 = 2, step 1/2: columns 3, 2 with f = 0, 0.5.
        {"right gradient halfway", TMorphKind::mkRightGradient, 4, 0.5, {0, 0, 51, 103}},
        {"left slide a quarter", TMorphKind::mkLeftSlide, 4, 0.25, {103, 0, 0, 0}},
        {"right slide halfway", TMorphKind::mkRightSlide, 4, 0.5, {0, 0, 100, 101}},
        {"push at 0 moves A right by one", TMorphKind::mkPush, 4, 0.0, {103, 0, 0, 0}},
        {"push halfway", TMorphKind::mkPush, 4, 0.5, {101, 102, 103, 0}},
        // Across (W >= H): a = 3, c = 1, band 3 - 1 .. 3 + 1 is B; fade (6 - 3) div 2 = 1, step 1,
        // so the columns beside the band get f = 1 and keep A.
        {"centre gradient across", TMorphKind::mkGradient, 6, 0.5, {0, 0, 102, 103, 104, 0}},
        // a = 1, c = 0: the band is column 5; fade (10 - 1) div 2 = 4, step 1/4; 79.5 and 53.5 go to even.
        {"centre gradient, a narrow band",
         TMorphKind::mkGradient,
         10,
         0.1,
         {0, 0, 26, 52, 78, 105, 80, 54, 27, 0}},
    };
    for (const Case& c : cases) {
        TbsEffectBmp a = Black(c.width);
        Morph(a, Numbered(c.width), c.kind, c.x);
        EXPECT_EQ(Reds(a), c.reds) << c.name;
    }
}

TEST(MorphTest, PushShiftsTheNormalLook) {
    TbsEffectBmp a = Numbered(4);  // 100 .. 103
    TbsEffectBmp b(4, 1);
    for (int32_t x = 0; x < 4; ++x) b.SetColorAt(x, 0, RGB(uint8_t(200 + x), 0, 0));
    a.PushFromLeft(b, 0.0);
    EXPECT_EQ(Reds(a), (std::vector<int>{203, 100, 101, 102}));
}

TEST(MorphTest, CentreGradientDownWithNoRoomToFadeBecomesB) {
    // 1 x 4, taller than wide: a = round(4 * 0.5) = 2; fade (4 - 2 - 1) div 2 = 0: step 0.
    TbsEffectBmp a(1, 4), b(1, 4);
    for (int32_t y = 0; y < 4; ++y) b.SetColorAt(0, y, RGB(uint8_t(10 + y), 0, 0));
    a.GradientFromCentre(b, 0.5);
    EXPECT_EQ(a, b);
}

TEST(MorphTest, OtherSizesAndOneColumnDoNothingHarmful) {
    for (TMorphKind kind : {TMorphKind::mkDefault, TMorphKind::mkGradient, TMorphKind::mkLeftGradient,
                            TMorphKind::mkRightGradient, TMorphKind::mkLeftSlide, TMorphKind::mkRightSlide,
                            TMorphKind::mkPush}) {
        TbsEffectBmp a = Black(3);
        Morph(a, Numbered(4), kind, 0.5);
        EXPECT_EQ(a, Black(3)) << int(kind);
        for (double x : {-2.0, 0.0, 0.5, 1.0, 9.0}) {
            TbsEffectBmp one = Black(1);
            Morph(one, Numbered(1), kind, x);  // stays inside the single column
            TbsEffectBmp wide = Black(5);
            Morph(wide, Numbered(5), kind, x);
        }
    }
}

TEST(InactiveEffectTest, TableAppliesTheFramesAmounts) {
    struct Case {
        TInactiveEffect effect;
        COLORREF in, out;
    };
    const Case cases[] = {
        {TInactiveEffect::ieBrightness, RGB(0, 0, 0), RGB(128, 128, 128)},
        {TInactiveEffect::ieDarkness, RGB(255, 100, 0), RGB(179, 70, 0)},
        {TInactiveEffect::ieGrayscale, RGB(255, 0, 0), RGB(76, 76, 76)},
        {TInactiveEffect::ieSplitBlur, RGB(8, 8, 8), RGB(8, 8, 8)},
        {TInactiveEffect::ieInvert, RGB(0, 100, 255), RGB(255, 155, 0)},
    };
    for (const Case& c : cases) {
        Picture p(2, 2);
        p.fill(platform::PixelFromColor(c.in));
        ApplyInactiveEffect(p, c.effect);
        EXPECT_EQ(platform::ColorFromPixel(p.pixel(1, 1)), c.out) << int(c.effect);
        EXPECT_EQ(p.pixel(1, 1) >> 24, 0xFFu);
    }
}

}  // namespace
}  // namespace skin
