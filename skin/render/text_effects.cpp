#include "skin/render/text_effects.h"

#include <algorithm>
#include <utility>

#include "platform/gfx/dc.h"
#include "platform/gfx/font.h"
#include "platform/gfx/text.h"
#include "skin/render/stack_blur.h"
#include "skin/render/text_output.h"

namespace skin {

using namespace platform;

namespace {

constexpr COLORREF kPureRed = 0x000000FF;

// A zeroed work bitmap whose canvas holds a copy of `canvas`'s font, in pure red over a clear
// background, for the time it lives.
class RedTextBitmap {
  public:
    RedTextBitmap(HDC canvas, int32_t width, int32_t height) {
        bitmap_.Resize(width, height);
        LOGFONT font;
        GetObject(static_cast<HFONT>(GetCurrentObject(canvas, OBJ_FONT)), &font);
        font_ = CreateFontIndirect(font);
        previous_ = SelectObject(dc(), font_);
        SetTextColor(dc(), kPureRed);
        SetBkMode(dc(), TRANSPARENT);
    }
    ~RedTextBitmap() {
        if (previous_)
            SelectObject(dc(), previous_);
        if (font_)
            DeleteObject(font_);
    }
    RedTextBitmap(const RedTextBitmap&) = delete;
    RedTextBitmap& operator=(const RedTextBitmap&) = delete;

    TbsBitmap& bitmap() { return bitmap_; }
    HDC dc() const { return bitmap_.CanvasOf(); }
    int32_t width() const { return bitmap_.Width(); }
    int32_t height() const { return bitmap_.Height(); }

  private:
    TbsBitmap bitmap_;
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

int DrawPlainText(HDC canvas, const Rect& rect, std::u16string_view text, uint32_t format) {
    SetBkMode(canvas, TRANSPARENT);
    Rect r = rect;
    return DrawTextUnicode(canvas, text, r, format);
}

void BlendOnto(TbsBitmap& effect, HDC canvas, int32_t x, int32_t y) {
    effect.SetAlpha(true);
    effect.DrawToCanvas(canvas, x, y);
}

int DrawHaloText(HDC canvas, const Rect& rect, std::u16string_view text, uint32_t format, COLORREF color,
                 int32_t margin, Rect (*block)(const Rect& textRect)) {
    RedTextBitmap red(canvas, rect.width() + 2 * margin, rect.height() + 2 * margin);
    const Rect t{margin, margin, red.width() - margin, red.height() - margin};
    HBRUSH brush = CreateSolidBrush(kPureRed);
    FillRect(red.dc(), block(t), brush);
    DeleteObject(brush);
    for (const Point o : {Point{-1, -1}, Point{-2, -2}, Point{-1, 0}, Point{-2, 0}, Point{1, 0}, Point{2, 0},
                          Point{1, 1}, Point{2, 2}, Point{0, 0}}) {
        Rect r = t.offsetBy(o.X, o.Y);
        DrawTextUnicode(red.dc(), text, r, format);
    }
    StackBlur(red.bitmap(), margin / 2);
    StackBlur(red.bitmap(), margin / 2);
    RedToAlpha(red.bitmap(), color);
    BlendOnto(red.bitmap(), canvas, rect.Left - margin, rect.Top - margin);
    return DrawPlainText(canvas, rect, text, format);
}

}  // namespace

void RedToAlpha(TbsBitmap& bitmap, COLORREF color) {
    const uint32_t rgb = PixelFromColor(color) & 0x00FFFFFFu;
    Surface& pixels = bitmap.Pixels();
    uint32_t* p = pixels.data();
    for (size_t i = 0, n = size_t(pixels.width()) * size_t(pixels.height()); i < n; ++i)
        p[i] = ((p[i] & 0x00FF0000u) << 8) | rgb;
}

int DrawGlowText(HDC canvas, const Rect& rect, std::u16string_view text, uint32_t format, int32_t offset,
                 COLORREF glowColor, int32_t size) {
    const int32_t s = std::clamp(size, 0, kMaxBlurRadius);
    RedTextBitmap red(canvas, rect.width() + 2 * s, rect.height() + 2 * s);
    Rect r{s, s, red.width() - s, red.height() - s};
    DrawTextUnicode(red.dc(), text, r, format);
    StackBlur(red.bitmap(), s);
    RedToAlpha(red.bitmap(), glowColor);
    BlendOnto(red.bitmap(), canvas, rect.Left + offset - s, rect.Top + offset - s);
    return DrawPlainText(canvas, rect, text, format);
}

int DrawHaloText10(HDC canvas, const Rect& rect, std::u16string_view text, uint32_t format,
                   COLORREF haloColor) {
    return DrawHaloText(canvas, rect, text, format, haloColor, 10, [](const Rect& t) {
        return Rect{t.Left + 3, t.Top + 3, t.Right - 3, t.Bottom - 3};
    });
}

int DrawHaloText12(HDC canvas, const Rect& rect, std::u16string_view text, uint32_t format,
                   COLORREF haloColor) {
    return DrawHaloText(canvas, rect, text, format, haloColor, 12, [](const Rect& t) {
        return Rect{t.Left - 3, t.Top + 2, t.Right + 3, t.Bottom - 2};
    });
}

void FadeReflection(TbsBitmap& bitmap, int32_t th, COLORREF color) {
    if (th <= 0)
        return;
    const uint32_t rgb = PixelFromColor(color) & 0x00FFFFFFu;
    Surface& pixels = bitmap.Pixels();
    for (int32_t i = 0; i < pixels.height(); ++i) {
        uint32_t* row = pixels.row(i);
        if (i > th) {
            std::fill(row, row + pixels.width(), 0u);
            continue;
        }
        const double f = std::max(0.0, 0.7 - double(th - i) / th);
        for (int32_t x = 0; x < pixels.width(); ++x) {
            const uint32_t alpha = uint32_t(double((row[x] >> 16) & 0xFF) * f);
            row[x] = (alpha << 24) | rgb;
        }
    }
}

void DrawReflectedText(HDC canvas, const Rect& rect, std::string_view text, uint32_t format, int32_t offset,
                       COLORREF reflectionColor) {
    RedTextBitmap red(canvas, rect.width(), rect.height());
    const int32_t w = red.width(), h = red.height();
    Rect r{0, 0, w, h};
    DrawText(red.dc(), text, &r, format);
    Rect measured{0, 0, w, h};
    DrawText(canvas, text, &measured, format | DT_CALCRECT);
    const int32_t th = measured.height();
    Rect placed = rect;
    DrawText(canvas, text, &placed, format | DT_CALCRECT);
    const int32_t tb = placed.Bottom;
    FadeReflection(red.bitmap(), th, reflectionColor);
    Surface& pixels = red.bitmap().Pixels();
    for (int32_t i = 0; i < h / 2; ++i)
        std::swap_ranges(pixels.row(i), pixels.row(i) + w, pixels.row(h - 1 - i));
    BlendOnto(red.bitmap(), canvas, rect.Left, tb + th + offset - h);
    SetBkMode(canvas, TRANSPARENT);
    Rect own = rect;
    DrawText(canvas, text, &own, format);
}

}  // namespace skin
