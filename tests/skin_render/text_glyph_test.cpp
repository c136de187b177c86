#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "platform/gfx/dc.h"
#include "platform/gfx/font.h"
#include "platform/gfx/text.h"
#include "skin/render/caption_layout.h"
#include "skin/render/glyph_frame.h"
#include "skin/render/standard_glyphs.h"
#include "skin/render/text_effects.h"
#include "skin/render/text_output.h"
#include "tests/platform/gfx_test_support.h"

namespace skin {
namespace {

using platform::COLORREF;
using platform::Point;
using platform::Rect;
using platform::RGB;
using platform::test::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255), kInk = RGB(200, 0, 50);

// A canvas with an Arial font selected, freed with it.
class TextCanvas : public Canvas {
  public:
    TextCanvas(int32_t w, int32_t h, int32_t fontHeight = -13) : Canvas(w, h) {
        platform::LOGFONT f;
        f.lfFaceName = "Arial";
        f.lfHeight = fontHeight;
        font_ = platform::CreateFontIndirect(f);
        old_ = platform::SelectObject(dc(), font_);
        platform::SetTextColor(dc(), RGB(0, 0, 0));
    }
    ~TextCanvas() {
        platform::SelectObject(dc(), old_);
        platform::DeleteObject(font_);
    }

  private:
    platform::HFONT font_;
    platform::HGDIOBJ old_;
};

// --- Measuring and the ellipsis ------------------------------------------------------------

TEST(TextOutputTest, MeasureCountsLineBreaks) {
    TextCanvas c(10, 10);
    const int32_t one = MeasureTextHeight(c.dc(), u"Abc");
    EXPECT_GT(one, 0);
    EXPECT_EQ(MeasureTextHeight(c.dc(), u"Abc\nDef"), 2 * one);
    EXPECT_GT(MeasureTextWidth(c.dc(), u"Abcdef"), MeasureTextWidth(c.dc(), u"Abc"));
    EXPECT_EQ(MeasureTextWidth(c.dc(), u""), 0);
}

TEST(FitTextWithEllipsisTest, Table) {
    TextCanvas c(10, 10);
    const int32_t dots = MeasureTextWidth(c.dc(), u"...");
    const int32_t whole = MeasureTextWidth(c.dc(), u"Velmoro Blush");
    struct Case {
        const char* name;
        std::u16string text;
        int32_t max;
        std::function<void(const std::u16string&)> check;
    };
    const Case cases[] = {
        {"fits: unchanged, no dots", u"Velmoro Blush", whole,
         [](const std::u16string& t) { EXPECT_EQ(t, u"Velmoro Blush"); }},
        {"narrower than the dots: the dots alone", u"Velmoro Blush", dots - 1,
         [](const std::u16string& t) { EXPECT_EQ(t, u"..."); }},
        {"shortened to fit", u"Velmoro Blush", whole - 1,
         [&](const std::u16string& t) {
             ASSERT_GT(t.size(), 3u);
             EXPECT_EQ(t.substr(t.size() - 3), u"...");
             EXPECT_EQ(std::u16string(u"Velmoro Blush").rfind(t.substr(0, t.size() - 3), 0), 0u);
             EXPECT_LE(MeasureTextWidth(c.dc(), t), whole - 1);
         }},
        {"a character outside the basic plane goes whole", u"ab\U0001F600\U0001F600", 1,
         [](const std::u16string& t) { EXPECT_EQ(t, u"..."); }},
        {"Chinese caption", u"女装搜索 连衣裙", MeasureTextWidth(c.dc(), u"女装..."),
         [](const std::u16string& t) { EXPECT_EQ(t, u"女装..."); }},
    };
    for (const Case& k : cases) {
        std::u16string t = k.text;
        FitTextWithEllipsis(c.dc(), t, k.max);
        SCOPED_TRACE(k.name);
        k.check(t);
    }
}

// --- Glyph and text layout ------------------------------------------------------------------

TEST(LayoutGlyphAndTextTest, Table) {
    const Rect face{0, 0, 100, 30};
    struct Case {
        const char* name;
        GlyphAndText in;
        GlyphAndTextPlaces out;
    };
    const Case cases[] = {
        {"centred group, glyph left",
         {face, {16, 16}, {40, 13}, 4, -1, GlyphLayout::GlyphLeft},
         {{20, 7}, {40, 9}}},
        {"no glyph: spacing ignored, caption centred",
         {face, {0, 0}, {40, 13}, 4, -1, GlyphLayout::GlyphLeft},
         {{30, 15}, {30, 9}}},
        {"margin, glyph left", {face, {16, 16}, {40, 13}, 4, 3, GlyphLayout::GlyphLeft}, {{3, 7}, {23, 9}}},
        {"margin, glyph right",
         {face, {16, 16}, {40, 13}, 4, 3, GlyphLayout::GlyphRight},
         {{81, 7}, {37, 9}}},
        {"centred group, glyph right",
         {face, {16, 16}, {40, 13}, 4, -1, GlyphLayout::GlyphRight},
         {{64, 7}, {20, 9}}},
        {"margin, glyph above",
         {{0, 0, 60, 50}, {16, 16}, {40, 13}, 2, 5, GlyphLayout::GlyphAbove},
         {{22, 5}, {10, 23}}},
        // half = (13 + 16 + 2) div 2 = 15
        {"centred group, glyph above",
         {{0, 0, 60, 50}, {16, 16}, {40, 13}, 2, -1, GlyphLayout::GlyphAbove},
         {{22, 10}, {10, 27}}},
        {"margin, glyph below",
         {{0, 0, 60, 50}, {16, 16}, {40, 13}, 2, 5, GlyphLayout::GlyphBelow},
         {{22, 29}, {10, 14}}},
        {"centred group, glyph below",
         {{0, 0, 60, 50}, {16, 16}, {40, 13}, 2, -1, GlyphLayout::GlyphBelow},
         {{22, 24}, {10, 10}}},
        {"odd sizes truncate",
         {{1, 1, 10, 10}, {3, 3}, {5, 5}, 1, -1, GlyphLayout::GlyphLeft},
         {{1, 4}, {4, 3}}},
    };
    for (const Case& c : cases) EXPECT_EQ(LayoutGlyphAndText(c.in), c.out) << c.name;
}

// A glyph strip of two 5 x 4 frames: frame 1 a filled square on a key colour, frame 2 hollow.
Picture GlyphStrip() {
    Picture strip(10, 4);
    strip.fill(platform::PixelFromColor(RGB(0, 255, 0)));
    for (int32_t y = 1; y < 3; ++y)
        for (int32_t x = 1; x < 4; ++x) strip.setPixel(x, y, platform::PixelFromColor(kInk));
    strip.setPixel(6, 1, platform::PixelFromColor(kInk));
    return strip;
}

TEST(DrawGlyphFrameTest, FrameIsDrawnWithoutItsKeyColor) {
    Canvas c(12, 8);
    DrawGlyphFrame(c.dc(), 2, 3, 1, 2, GlyphStrip());
    EXPECT_EQ(c.inkBounds(kWhite), (Rect{3, 4, 6, 6}));
    Canvas second(12, 8);
    DrawGlyphFrame(second.dc(), 0, 0, 2, 2, GlyphStrip());
    EXPECT_EQ(second.inkBounds(kWhite), (Rect{1, 1, 2, 2}));
    for (int32_t k : {0, 3}) {  // no such frame
        Canvas none(12, 8);
        DrawGlyphFrame(none.dc(), 0, 0, k, 2, GlyphStrip());
        DrawGlyphFrame(none.dc(), 0, 0, 1, 0, GlyphStrip());
        DrawGlyphFrame(none.dc(), 0, 0, 1, 1, Picture());
        EXPECT_EQ(none.inkBounds(kWhite), Rect{});
    }
}

TEST(CaptionFaceTest, DownMovesGlyphAndCaptionOnePixelAndNothingElse) {
    const Picture strip = GlyphStrip();
    for (GlyphLayout layout : {GlyphLayout::GlyphLeft, GlyphLayout::GlyphAbove}) {
        TextCanvas up(80, 40), down(80, 40);
        CaptionFace face{{0, 0, 80, 40}, -1, 3, layout, "Save", false, false, 0};
        DrawCaptionWithGlyph(up.dc(), face, strip, 2, 1);
        face.down = true;
        DrawCaptionWithGlyph(down.dc(), face, strip, 2, 1);
        for (int32_t y = 0; y < 40; ++y)
            for (int32_t x = 0; x < 80; ++x)
                ASSERT_EQ(up.at(x, y), x + 1 < 80 && y + 1 < 40 ? down.at(x + 1, y + 1) : up.at(x, y))
                    << int(layout) << " at " << x << "," << y;
        EXPECT_NE(up.inkBounds(kWhite), Rect{});
    }
}

TEST(CaptionFaceTest, MarkBars) {
    const Picture strip = GlyphStrip();
    struct Case {
        const char* name;
        bool glyph, caption, down;
        Rect mark;  // where the mark colour must be (whole rectangle)
        Rect ink;   // everything drawn
    };
    // Face (0, 0, 60, 30); the glyph alone is centred: x = 30 - 5 / 2 = 28... see each case.
    const Case cases[] = {
        {"neither: the face less its borders", false, false, false, {4, 4, 58, 26}, {4, 4, 58, 26}},
        {"neither, down: one row lower", false, false, true, {4, 5, 58, 27}, {4, 5, 58, 27}},
        // Glyph 5 x 4 centred: (30 - 2, 15 - 2) = (28, 13); rows 13 + 4 - 2 .. 13 + 4, the whole
        // strip wide; frame 2's one pixel at (29, 14) above the bar.
        {"under the glyph, the whole strip wide", true, false, false, {28, 15, 38, 18}, {28, 14, 38, 18}},
    };
    for (const Case& k : cases) {
        TextCanvas c(60, 30);
        CaptionFace face{{0, 0, 60, 30},       -1,     0,    GlyphLayout::GlyphLeft,
                         k.caption ? "A" : "", k.down, true, kInk};
        DrawCaptionWithGlyph(c.dc(), face, k.glyph ? strip : Picture(), 2, 2);
        for (int32_t y = k.mark.Top; y < k.mark.Bottom; ++y)
            for (int32_t x = k.mark.Left; x < k.mark.Right; ++x)
                ASSERT_EQ(c.at(x, y), kInk) << k.name << x << "," << y;
        EXPECT_EQ(c.inkBounds(kWhite), k.ink) << k.name;
    }
}

class TwoImages : public ImageList {
  public:
    platform::Size ImageSize() const override { return {6, 5}; }
    int32_t Count() const override { return 2; }
    void Draw(platform::HDC dc, int32_t x, int32_t y, int32_t index, bool enabled) const override {
        drawn.push_back({x, y});
        HBRUSH_Fill(dc, {x, y, x + 6, y + 5});
    }
    static void HBRUSH_Fill(platform::HDC dc, const Rect& r) {
        platform::HBRUSH b = platform::CreateSolidBrush(RGB(0, 0, 255));
        platform::FillRect(dc, r, b);
        platform::DeleteObject(b);
    }
    mutable std::vector<Point> drawn;
};

TEST(CaptionFaceTest, ListImageOnlyForAnIndexInTheList) {
    TwoImages images;
    for (int32_t index : {-1, 2}) {
        TextCanvas c(40, 20);
        CaptionFace face;
        face.face = {0, 0, 40, 20};
        DrawCaptionWithListImage(c.dc(), face, index, &images, true);
        EXPECT_TRUE(images.drawn.empty()) << index;
    }
    TextCanvas c(40, 20);
    DrawCaptionWithListImage(c.dc(), {{0, 0, 40, 20}, -1, 0, GlyphLayout::GlyphLeft, "", true, true, kInk}, 1,
                             &images, true);
    ASSERT_EQ(images.drawn.size(), 1u);
    // Centred (20 - 3, 10 - 2) and down by one: (18, 9); mark rows 9 + 3 .. 9 + 5 under it.
    EXPECT_EQ(images.drawn[0], (Point{18, 9}));
    for (int32_t y = 12; y <= 14; ++y) EXPECT_EQ(c.at(18, y), kInk) << y;
    EXPECT_EQ(c.at(18, 15), kWhite);
}

// --- Standard glyphs and arrows ----------------------------------------------------------------

// The pixels each glyph must set, written from the glyph's description.
std::set<std::pair<int, int>> Expected(StandardGlyph g) {
    std::set<std::pair<int, int>> px;
    auto outline = [&](int l, int t, int r, int b) {
        for (int x = l; x <= r; ++x) px.insert({x, t}), px.insert({x, b});
        for (int y = t; y <= b; ++y) px.insert({l, y}), px.insert({r, y});
    };
    auto row = [&](int y, int l, int r) {
        for (int x = l; x <= r; ++x) px.insert({x, y});
    };
    switch (g) {
        case StandardGlyph::Close:
            for (int k = 0; k <= 7; ++k)
                for (int x : {1 + k, 2 + k, 9 - k, 8 - k}) px.insert({x, 1 + k});
            break;
        case StandardGlyph::SystemMenu:
            outline(1, 3, 8, 5);
            break;
        case StandardGlyph::Minimize:
            row(8, 1, 8), row(9, 1, 8);
            break;
        case StandardGlyph::Maximize:
            outline(0, 0, 10, 9), row(1, 0, 10);
            break;
        case StandardGlyph::Restore:
            outline(2, 0, 9, 5), row(1, 2, 9);
            outline(0, 4, 6, 9), row(5, 0, 6);
            break;
        case StandardGlyph::RollUp:
            row(6, 1, 8), row(5, 2, 7), row(4, 3, 6), row(3, 4, 5);
            break;
        case StandardGlyph::RollDown:
            row(2, 1, 8), row(3, 2, 7), row(4, 3, 6), row(5, 4, 5);
            break;
        case StandardGlyph::Tray:
            for (int y = 2; y <= 6; ++y) row(y, 2, 6);
            break;
    }
    return px;
}

TEST(StandardGlyphTest, EveryGlyphSetsExactlyItsPixels) {
    for (StandardGlyph g :
         {StandardGlyph::Close, StandardGlyph::SystemMenu, StandardGlyph::Minimize, StandardGlyph::Maximize,
          StandardGlyph::Restore, StandardGlyph::RollUp, StandardGlyph::RollDown, StandardGlyph::Tray}) {
        Canvas c(20, 20);
        DrawStandardGlyph(c.dc(), g, 4, 5, kInk);
        std::set<std::pair<int, int>> got;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                if (c.at(x, y) == kInk)
                    got.insert({x - 4, y - 5});
        EXPECT_EQ(got, Expected(g)) << int(g);
        EXPECT_EQ(c.inkBounds(kWhite).Left >= 4 && c.inkBounds(kWhite).Right <= 15, true);
    }
}

TEST(DrawSmallArrowTest, PointsEachWay) {
    struct Case {
        ArrowDirection direction;
        const char* picture;
    };
    const Case cases[] = {
        {ArrowDirection::Down,
         "..........\n..........\n..........\n..........\n..#######.\n...#####..\n....###...\n.....#....\n"
         "..........\n..........\n"},
        {ArrowDirection::Up,
         "..........\n..........\n..........\n.....#....\n....###...\n...#####..\n..#######.\n..........\n"
         "..........\n..........\n"},
        {ArrowDirection::Left,
         "..........\n..........\n......#...\n.....##...\n....###...\n...####...\n....###...\n.....##...\n"
         "......#...\n..........\n"},
        {ArrowDirection::Right,
         "..........\n..........\n....#.....\n....##....\n....###...\n....####..\n....###...\n....##....\n"
         "....#.....\n..........\n"},
    };
    for (const Case& k : cases) {
        Canvas c(10, 10);
        DrawSmallArrow(c.dc(), {0, 0, 10, 10}, kInk, k.direction);
        EXPECT_EQ(c.picture(kInk), k.picture) << int(k.direction);
    }
}

// --- Text effects ------------------------------------------------------------------------------

TEST(TextEffectsTest, ReflectionFadeClearsRowsBelowTheTextHeight) {
    TbsBitmap b;
    b.Resize(3, 20);
    b.FillArea({0, 0, 3, 20}, 0xFFFF0000u);  // red 255 everywhere
    FadeReflection(b, 14, RGB(1, 2, 3));
    for (int32_t y = 0; y < 20; ++y) {
        const uint32_t p = b.PixelAt(1, y);
        if (y > 14) {
            EXPECT_EQ(p, 0u) << y;
            continue;
        }
        const double f = std::max(0.0, 0.7 - double(14 - y) / 14);
        EXPECT_EQ(p >> 24, uint32_t(255 * f)) << y;
        EXPECT_EQ(p & 0xFFFFFFu, 0x010203u) << y;
    }
    EXPECT_EQ(b.PixelAt(0, 14) >> 24, 178u);  // 0.7 at the text's bottom row
    EXPECT_EQ(b.PixelAt(0, 4) >> 24, 0u);     // nothing from 0.3 th upwards
}

// Each effect draws the text itself in the canvas colour on top of an effect in its own colour
// around it, and reports the height the plain text output reports.
TEST(TextEffectsTest, EffectsSurroundTheTextInTheirColor) {
    const COLORREF effect = RGB(40, 160, 255);
    const Rect rect{20, 10, 120, 30};
    auto isEffect = [&](COLORREF c) {  // a blend of the effect colour over white
        return c != kWhite && platform::GetBValue(c) == 255 && platform::GetRValue(c) < 255;
    };
    struct Case {
        const char* name;
        std::function<int(platform::HDC)> draw;
        int margin;
    };
    const std::u16string text = u"Velmoro 女装";
    const Case cases[] = {
        {"glow", [&](platform::HDC dc) { return DrawGlowText(dc, rect, text, 0, 1, effect, 4); }, 5},
        {"halo 10", [&](platform::HDC dc) { return DrawHaloText10(dc, rect, text, 0, effect); }, 10},
        {"halo 12", [&](platform::HDC dc) { return DrawHaloText12(dc, rect, text, 0, effect); }, 12},
    };
    for (const Case& k : cases) {
        TextCanvas c(160, 60);
        Rect plain = rect;
        const int expected = DrawTextUnicode(c.dc(), text, plain, platform::DT_CALCRECT);
        TextCanvas fresh(160, 60);
        EXPECT_EQ(k.draw(fresh.dc()), expected) << k.name;
        int effectPixels = 0, textPixels = 0;
        for (int32_t y = 0; y < 60; ++y) {
            for (int32_t x = 0; x < 160; ++x) {
                const COLORREF px = fresh.at(x, y);
                effectPixels += isEffect(px);
                textPixels += px == RGB(0, 0, 0);
                const bool near = x >= rect.Left - k.margin && x < rect.Right + k.margin &&
                                  y >= rect.Top - k.margin && y < rect.Bottom + k.margin;
                if (!near) {
                    ASSERT_EQ(px, kWhite) << k.name << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(effectPixels, 100) << k.name;
        EXPECT_GT(textPixels, 10) << k.name;
    }
}

TEST(TextEffectsTest, ReflectionLiesBelowTheText) {
    TextCanvas c(120, 60);
    const Rect rect{10, 5, 110, 25};
    DrawReflectedText(c.dc(), rect, "Velmoro", platform::DT_SINGLELINE, 2, RGB(0, 0, 255));
    Rect measured{0, 0, 100, 20};
    platform::DrawText(c.dc(), "Velmoro", &measured, platform::DT_SINGLELINE | platform::DT_CALCRECT);
    const int32_t th = measured.height();
    int blueBelow = 0, blueAbove = 0;
    for (int32_t y = 0; y < 60; ++y) {
        for (int32_t x = 0; x < 120; ++x) {
            const COLORREF px = c.at(x, y);
            const bool bluish = platform::GetBValue(px) == 255 && platform::GetRValue(px) < 250;
            (y >= rect.Top + th + 2 ? blueBelow : blueAbove) += bluish;
        }
    }
    EXPECT_GT(blueBelow, 20);
    EXPECT_EQ(blueAbove, 0);
}

}  // namespace
}  // namespace skin
