#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/gfx/dc.h"
#include "platform/gfx/font_face.h"
#include "platform/gfx/png.h"
#include "platform/gfx/raster.h"
#include "tests/platform/gfx_test_support.h"

namespace platform {
namespace {

using test::Canvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Selects a font for the scope.
class FontScope {
  public:
    FontScope(HDC dc, const char* face, int32_t height, int32_t weight = FW_NORMAL,
              uint8_t charSet = DEFAULT_CHARSET)
        : dc_(dc) {
        LOGFONT f;
        f.lfHeight = height;
        f.lfWeight = weight;
        f.lfCharSet = charSet;
        f.lfFaceName = face;
        font_ = CreateFontIndirect(f);
        old_ = SelectObject(dc, font_);
    }
    ~FontScope() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }
    HFONT font() const { return font_; }

  private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
};

Rect Measure(HDC dc, std::string_view text, uint32_t format, Rect r = {}) {
    DrawText(dc, text, &r, format | DT_CALCRECT);
    return r;
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.isEmpty() || (inner.Left >= outer.Left && inner.Top >= outer.Top &&
                               inner.Right <= outer.Right && inner.Bottom <= outer.Bottom);
}

TEST(TextFontTest, FaceNamesResolveToTheInstalledFaces) {
    struct Case {
        const char* name;
        const char* family;
    };
    for (const Case& c : {Case{"Arial", "Liberation Sans"}, Case{"Tahoma", "Tahoma"},
                          Case{"WenQuanYi Micro Hei", "WenQuanYi Micro Hei"}}) {
        LOGFONT f;
        f.lfFaceName = c.name;
        f.lfHeight = -11;
        EXPECT_EQ(gdi::FontFace::Of(f)->family(), c.family) << c.name;
    }
}

TEST(TextFontTest, HeightsAndMetrics) {
    Canvas canvas(10, 10);
    TEXTMETRIC tm;
    {
        FontScope f(canvas.dc(), "Tahoma", -11);
        ASSERT_TRUE(GetTextMetrics(canvas.dc(), &tm));
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
        EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight - 11);
        EXPECT_GE(tm.tmHeight, 12);
        EXPECT_LE(tm.tmHeight, 15);
        EXPECT_GT(tm.tmAveCharWidth, 2);
    }
    for (int32_t cell : {14, 16, 24}) {
        FontScope f(canvas.dc(), "Arial", cell);  // positive: the cell height
        ASSERT_TRUE(GetTextMetrics(canvas.dc(), &tm));
        EXPECT_NEAR(tm.tmHeight, cell, 1) << cell;
    }
    {
        FontScope f(canvas.dc(), "Arial", -16, FW_BOLD);
        GetTextMetrics(canvas.dc(), &tm);
        EXPECT_EQ(tm.tmWeight, FW_BOLD);
        Size bold, normal;
        GetTextExtentPoint32(canvas.dc(), "Velmoro", &bold);
        FontScope g(canvas.dc(), "Arial", -16);
        GetTextExtentPoint32(canvas.dc(), "Velmoro", &normal);
        EXPECT_GT(bold.cx, normal.cx);
    }
    EXPECT_EQ(CreateFont(kMaxFontHeight + 1, 0, 0, 0, 0, false, false, false, 0, 0, 0, 0, 0, "Arial"),
              nullptr);
    // Names longer than the platform keeps are cut on a character boundary.
    LOGFONT longName;
    longName.lfFaceName = std::string(30, 'a') + "女";
    HFONT font = CreateFontIndirect(longName);
    LOGFONT back;
    ASSERT_TRUE(GetObject(font, &back));
    EXPECT_EQ(back.lfFaceName, std::string(30, 'a'));
    DeleteObject(font);
}

TEST(TextDrawTest, InkStaysInsideTheMeasuredRectangle) {
    struct Case {
        const char* face;
        int32_t height;
        const char* text;
        uint32_t format;
    };
    const Case cases[] = {
        {"Tahoma", -11, "Search results", DT_SINGLELINE},
        {"Arial", 16, "Velmoro", DT_SINGLELINE},
        {"Arial", -14, "Quick search\nFitting room", 0},
        {"Tahoma", -11, "连衣裙 女装 2024", DT_SINGLELINE},
        {"Tahoma", -12, "women's dresses, skirts and coats", DT_WORDBREAK},
        {"Tahoma", -11, "&File  E&xit", DT_SINGLELINE},
        {"Arial", -13, "gyp|jQ", DT_SINGLELINE},
    };
    for (const Case& c : cases) {
        Canvas canvas(200, 80);
        FontScope f(canvas.dc(), c.face, c.height);
        SetBkMode(canvas.dc(), TRANSPARENT);
        const Rect origin{20, 10, 20 + 60, 10};  // the width matters with DT_WORDBREAK only
        Rect measured = Measure(canvas.dc(), c.text, c.format, origin);
        ASSERT_FALSE(measured.isEmpty()) << c.text;
        Rect box = measured;
        EXPECT_EQ(DrawText(canvas.dc(), c.text, &box, c.format | DT_NOCLIP), measured.height()) << c.text;
        const Rect ink = canvas.inkBounds(kWhite);
        EXPECT_FALSE(ink.isEmpty()) << c.text;
        EXPECT_TRUE(Inside(ink, measured))
            << c.text << ": ink " << ink.Left << "," << ink.Top << "," << ink.Right << "," << ink.Bottom
            << " measured " << measured.Left << "," << measured.Top << "," << measured.Right << ","
            << measured.Bottom;
    }
}

TEST(TextDrawTest, ChineseDrawsRealGlyphs) {
    // Missing glyphs would all draw the same box; real ones differ from each other.
    std::string pictures[3];
    const char* texts[] = {"女", "装", "裙"};
    for (int i = 0; i < 3; ++i) {
        Canvas canvas(20, 20);
        FontScope f(canvas.dc(), "Tahoma", -14, FW_NORMAL, GB2312_CHARSET);
        SetTextColor(canvas.dc(), kBlack);
        Rect r{0, 0, 20, 20};
        DrawText(canvas.dc(), texts[i], &r, DT_SINGLELINE | DT_NOPREFIX);
        pictures[i] = canvas.picture(kWhite);
        EXPECT_NE(pictures[i].find('.'), std::string::npos);
    }
    EXPECT_NE(pictures[0], pictures[1]);
    EXPECT_NE(pictures[1], pictures[2]);
}

TEST(TextDrawTest, ExtentAgreesWithCalcRectAndWideText) {
    Canvas canvas(10, 10);
    FontScope f(canvas.dc(), "Arial", -14);
    TEXTMETRIC tm;
    GetTextMetrics(canvas.dc(), &tm);
    for (const char* text : {"A", "Hello, shopper", "女装 dress"}) {
        Size size;
        ASSERT_TRUE(GetTextExtentPoint32(canvas.dc(), text, &size));
        const Rect r = Measure(canvas.dc(), text, DT_SINGLELINE | DT_NOPREFIX);
        EXPECT_EQ(r.width(), size.cx) << text;
        EXPECT_EQ(r.height(), tm.tmHeight) << text;
        EXPECT_EQ(size.cy, tm.tmHeight);
    }
    Rect wide{};
    EXPECT_EQ(DrawTextW(canvas.dc(), u"女装 dress", &wide, DT_CALCRECT), tm.tmHeight);
    EXPECT_EQ(wide, Measure(canvas.dc(), "女装 dress", 0));
    // Unpaired surrogates and broken UTF-8 still measure, as replacement characters.
    Rect broken{};
    EXPECT_GT(DrawTextW(canvas.dc(), std::u16string(1, char16_t(0xD800)) + u"x", &broken, DT_CALCRECT), 0);
    EXPECT_GT(Measure(canvas.dc(), "\xff\xfe x \xe5", 0).width(), 0);
}

TEST(TextDrawTest, EmptyTextDrawsNothing) {
    Canvas canvas(10, 10);
    Rect r{2, 3, 9, 9};
    EXPECT_EQ(DrawText(canvas.dc(), "", &r, DT_CALCRECT), 0);
    EXPECT_EQ(r, (Rect{2, 3, 2, 3}));
    r = {0, 0, 10, 10};
    EXPECT_EQ(DrawText(canvas.dc(), "", &r, 0), 0);
    EXPECT_TRUE(canvas.inkBounds(kWhite).isEmpty());
}

TEST(TextFormatTest, AlignmentFlagsPlaceTheLine) {
    Canvas canvas(10, 10);
    FontScope f(canvas.dc(), "Tahoma", -11);
    const Rect size = Measure(canvas.dc(), "Close", DT_SINGLELINE);
    const int32_t w = size.width(), h = size.height();
    struct Case {
        uint32_t format;
        Rect box;  // where the text's cell must land in (10, 20, 110, 60)
        int result;
    };
    const Case cases[] = {
        {DT_SINGLELINE, {10, 20, 10 + w, 20 + h}, h},
        {DT_SINGLELINE | DT_CENTER, {10 + (100 - w) / 2, 20, 10 + (100 - w) / 2 + w, 20 + h}, h},
        {DT_SINGLELINE | DT_RIGHT, {110 - w, 20, 110, 20 + h}, h},
        {DT_SINGLELINE | DT_VCENTER,
         {10, 20 + (40 - h) / 2, 10 + w, 20 + (40 - h) / 2 + h},
         (40 - h) / 2 + h},
        {DT_SINGLELINE | DT_BOTTOM | DT_CENTER, {10 + (100 - w) / 2, 60 - h, 10 + (100 - w) / 2 + w, 60}, 40},
        {DT_VCENTER, {10, 20, 10 + w, 20 + h}, h},  // vertical centring needs a single line
    };
    for (const Case& c : cases) {
        Canvas target(130, 70);
        FontScope g(target.dc(), "Tahoma", -11);
        SetBkColor(target.dc(), RGB(0, 0, 255));  // opaque mode fills exactly the line's cell
        Rect r{10, 20, 110, 60};
        EXPECT_EQ(DrawText(target.dc(), "Close", &r, c.format), c.result) << c.format;
        EXPECT_EQ(target.inkBounds(kWhite), c.box) << c.format;
    }
}

TEST(TextFormatTest, WordBreakWrapsAtTheRectangleWidth) {
    Canvas canvas(10, 10);
    FontScope f(canvas.dc(), "Arial", -14);
    TEXTMETRIC tm;
    GetTextMetrics(canvas.dc(), &tm);
    const int32_t word = Measure(canvas.dc(), "skirt", DT_SINGLELINE).width();
    Rect r{0, 0, word + 2, 0};
    EXPECT_EQ(DrawText(canvas.dc(), "skirt skirt skirt", &r, DT_WORDBREAK | DT_CALCRECT), 3 * tm.tmHeight);
    EXPECT_EQ(r.height(), 3 * tm.tmHeight);
    EXPECT_LE(r.width(), word + 2);
    // Without DT_WORDBREAK only line breaks make lines; with DT_SINGLELINE not even they.
    EXPECT_EQ(Measure(canvas.dc(), "skirt skirt skirt", 0, {0, 0, word + 2, 0}).height(), tm.tmHeight);
    EXPECT_EQ(Measure(canvas.dc(), "a\r\nb\nc", 0).height(), 3 * tm.tmHeight);
    EXPECT_EQ(Measure(canvas.dc(), "a\r\nb\nc", DT_SINGLELINE).height(), tm.tmHeight);
    // A word longer than the line is not split.
    const int32_t longWord = Measure(canvas.dc(), "dresses", DT_SINGLELINE).width();
    EXPECT_EQ(Measure(canvas.dc(), "dresses", DT_WORDBREAK, {0, 0, 5, 0}).width(), longWord);
}

TEST(TextFormatTest, PrefixesUnderlineAndDoubleAmpersandsStay) {
    Canvas canvas(10, 10);
    FontScope f(canvas.dc(), "Tahoma", -11);
    EXPECT_EQ(Measure(canvas.dc(), "&File", DT_SINGLELINE), Measure(canvas.dc(), "File", DT_SINGLELINE));
    EXPECT_EQ(Measure(canvas.dc(), "R&&D", DT_SINGLELINE),
              Measure(canvas.dc(), "R&D", DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_GT(Measure(canvas.dc(), "&File", DT_SINGLELINE | DT_NOPREFIX).width(),
              Measure(canvas.dc(), "File", DT_SINGLELINE).width());
    EXPECT_EQ(Measure(canvas.dc(), "End&", DT_SINGLELINE), Measure(canvas.dc(), "End", DT_SINGLELINE));

    // The access key gains an underline below the baseline, under its own letter only.
    auto draw = [](const char* text) {
        auto c = std::make_unique<Canvas>(60, 20);
        FontScope g(c->dc(), "Tahoma", -11);
        Rect r{0, 0, 60, 20};
        DrawText(c->dc(), text, &r, DT_SINGLELINE);
        return c;
    };
    const auto plain = draw("File"), keyed = draw("&File"), second = draw("F&ile");
    TEXTMETRIC tm;
    GetTextMetrics(canvas.dc(), &tm);
    const int32_t fWidth = Measure(canvas.dc(), "F", DT_SINGLELINE).width();
    int changed = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (plain->at(x, y) == keyed->at(x, y))
                continue;
            ++changed;
            EXPECT_GE(y, tm.tmAscent) << x << "," << y;
            EXPECT_LT(x, fWidth + 1) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 0);
    EXPECT_NE(keyed->picture(kWhite), second->picture(kWhite));
}

TEST(TextFormatTest, TabsExpandOnlyWhenAsked) {
    Canvas canvas(10, 10);
    FontScope f(canvas.dc(), "Tahoma", -11);
    TEXTMETRIC tm;
    GetTextMetrics(canvas.dc(), &tm);
    EXPECT_EQ(Measure(canvas.dc(), "a\tb", DT_SINGLELINE), Measure(canvas.dc(), "a b", DT_SINGLELINE));
    EXPECT_GE(Measure(canvas.dc(), "a\tb", DT_SINGLELINE | DT_EXPANDTABS).width(), 8 * tm.tmAveCharWidth);
    // Right-to-left reading keeps the measure of left-to-right text.
    EXPECT_EQ(Measure(canvas.dc(), "Close", DT_SINGLELINE | DT_RTLREADING).width(),
              Measure(canvas.dc(), "Close", DT_SINGLELINE).width());
}

TEST(TextDrawTest, ClippedToTheRectangleAndTheDcClip) {
    Canvas canvas(100, 30);
    FontScope f(canvas.dc(), "Arial", -16);
    SetBkMode(canvas.dc(), TRANSPARENT);
    Rect r{10, 5, 30, 25};
    DrawText(canvas.dc(), "Wide caption text", &r, DT_SINGLELINE);
    EXPECT_TRUE(Inside(canvas.inkBounds(kWhite), r));

    Canvas clipped(100, 30);
    FontScope g(clipped.dc(), "Arial", -16);
    ExcludeClipRect(clipped.dc(), 0, 0, 40, 30);
    Rect all{0, 0, 100, 30};
    DrawText(clipped.dc(), "Wide caption text", &all, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GE(clipped.inkBounds(kWhite).Left, 40);
    // TextOut honours the origin and the clip too, and fills the cell in opaque mode.
    SetBkColor(clipped.dc(), RGB(0, 0, 255));
    SetWindowOrgEx(clipped.dc(), -50, 0, nullptr);
    EXPECT_TRUE(TextOut(clipped.dc(), 0, 0, "x"));
    EXPECT_EQ(clipped.at(50, 0), RGB(0, 0, 255));
}

TEST(TextDrawTest, TextOnAZeroBitmapGivesCoverageInTheRedChannel) {
    // The glow effect draws pure red text on an all-zero bitmap and reads red as coverage.
    HBITMAP bitmap = CreateBitmap32(60, 20);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    FontScope font(dc, "Arial", 16, FW_BOLD);  // the caption font of the main window's skin
    SetTextColor(dc, RGB(255, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    Rect r{0, 0, 60, 20};
    DrawText(dc, "Glow", &r, DT_SINGLELINE);
    const Surface& s = *SurfaceOfBitmap(bitmap);
    bool partial = false, full = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 60; ++x) {
            const uint32_t p = s.pixel(x, y);
            if (p == 0)
                continue;
            EXPECT_EQ(p & 0xFF00FFFFu, 0xFF000000u) << x << "," << y;  // only red and alpha
            const uint32_t red = (p >> 16) & 0xFF;
            partial = partial || (red > 0 && red < 255);
            full = full || red == 255;
        }
    }
    EXPECT_TRUE(partial);  // grey-scale anti-aliasing
    EXPECT_TRUE(full);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(TextDrawTest, SampleSavesAndLoadsAsPng) {
    Canvas canvas(320, 120, GetSysColor(COLOR_BTNFACE));
    SetBkMode(canvas.dc(), TRANSPARENT);
    int y = 4;
    for (auto [face, height, text] : {std::tuple{"Tahoma", -11, "Tahoma -11: &Quick search 快速搜索"},
                                      std::tuple{"Arial", 16, "Arial 16: Fitting room 试衣间"},
                                      std::tuple{"Arial", -14, "Arial -14: 连衣裙 半身裙 T恤 R&&D"}}) {
        FontScope f(canvas.dc(), face, height, FW_NORMAL, GB2312_CHARSET);
        Rect r{6, y, 314, y + 30};
        y += DrawText(canvas.dc(), text, &r, DT_SINGLELINE) + 8;
    }
    {
        FontScope f(canvas.dc(), "Arial", 16, FW_BOLD);
        SetTextColor(canvas.dc(), RGB(255, 255, 255));
        HBRUSH dark = CreateSolidBrush(RGB(40, 60, 120));
        FillRect(canvas.dc(), {0, 80, 320, 120}, dark);
        Rect r{0, 80, 320, 120};
        DrawText(canvas.dc(), "Velmoro 女装搜索", &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        DeleteObject(dark);
    }
    const char* dir = std::getenv("VELMORO_BINARY_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/text_sample.png";
    ASSERT_TRUE(SaveSurfacePng(canvas.surface(), path));
    const std::optional<Surface> back = LoadSurfacePng(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, canvas.surface());
    EXPECT_FALSE(LoadSurfacePng(path + ".missing"));
    EXPECT_FALSE(SaveSurfacePng(Surface(), path + ".empty"));
}

// Text coverage is blended several pixels at a time where the processor allows; every row length,
// coverage run and background must give what the blend of one pixel gives.
TEST(TextDrawTest, CoverageRowsBlendAsSinglePixelsDo) {
    auto reference = [](uint32_t pixel, uint32_t m, uint32_t color) {
        if (m == 0)
            return pixel;
        uint32_t out = 0xFF000000u;
        for (int shift : {0, 8, 16}) {
            const uint32_t c = (color >> shift) & 0xFF, p = (pixel >> shift) & 0xFF;
            out |= ((c * m + p * (255 - m) + 127) / 255) << shift;
        }
        return out;
    };
    std::mt19937 rng(19);
    for (int round = 0; round < 400; ++round) {
        const int32_t count = int32_t(rng() % 40);
        const uint32_t color = PixelFromColor(COLORREF(rng() & 0xFFFFFF));
        std::vector<uint32_t> pixels(static_cast<size_t>(count) + 2);
        std::vector<uint8_t> coverage(static_cast<size_t>(count));
        for (uint32_t& p : pixels) p = rng();
        // Runs of empty, full and partial coverage, as glyphs give.
        for (int32_t x = 0; x < count;) {
            const int32_t run = 1 + int32_t(rng() % 9), kind = int32_t(rng() % 3);
            for (int32_t k = 0; k < run && x < count; ++k, ++x)
                coverage[size_t(x)] = kind == 0 ? 0 : kind == 1 ? 255 : uint8_t(rng());
        }
        std::vector<uint32_t> expected = pixels;
        for (int32_t x = 0; x < count; ++x)
            expected[size_t(x) + 1] = reference(pixels[size_t(x) + 1], coverage[size_t(x)], color);
        gdi::BlendCoverageRow(pixels.data() + 1, coverage.data(), count, color);
        ASSERT_EQ(pixels, expected) << "round " << round << ", " << count << " pixels";
    }
}
}  // namespace
}  // namespace platform
