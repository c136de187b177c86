// A canvas: drawing with a font, a pen and a brush on a device context that someone else owns (a
// window's paint DC, a bitmap's memory DC). Each call selects what it needs into the DC and puts
// the DC's own objects back before it returns, so the font, pen and brush may change or go at any
// time and the DC is left as it was found.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/graphics/font.h"
#include "platform/geometry.h"
#include "platform/gfx/dc.h"

namespace framework {

enum class TPenStyle { psSolid, psClear };
enum class TBrushStyle { bsSolid, bsClear };

class TPen : public TPersistent {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    int32_t Width() const { return width_; }
    void SetWidth(int32_t width) { width_ = width < 1 ? 1 : width; }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style) { style_ = style; }

private:
    TColor color_ = clBlack;
    int32_t width_ = 1;
    TPenStyle style_ = TPenStyle::psSolid;
};

class TBrush : public TPersistent {
public:
    TColor Color() const { return color_; }
    // Setting a colour makes the brush solid again.
    void SetColor(TColor color) {
        color_ = color;
        style_ = TBrushStyle::bsSolid;
    }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style) { style_ = style; }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC drawn on; null draws nothing.
    platform::HDC Handle() const { return dc_; }
    void SetHandle(platform::HDC dc) { dc_ = dc; }

    TFont& Font() { return font_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }

    // Fills with the brush (nothing with a clear brush).
    void FillRect(const platform::Rect& rect);
    // A one-pixel frame along the inside of the rectangle in the brush's colour.
    void FrameRect(const platform::Rect& rect);
    // Outlined with the pen and filled with the brush.
    void Rectangle(const platform::Rect& rect);
    void MoveTo(int32_t x, int32_t y);
    // A line with the pen, leaving out its end point.
    void LineTo(int32_t x, int32_t y);
    platform::Point PenPos() const { return penPos_; }
    platform::COLORREF Pixel(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, TColor color);

    // One line of text at (x, y), its cell's top-left, in the font; the brush fills the cell
    // behind it unless it is clear.
    void TextOut(int32_t x, int32_t y, std::string_view text);
    // The same, clipped to `rect`.
    void TextRect(const platform::Rect& rect, int32_t x, int32_t y, std::string_view text);
    // DrawText in the font (transparent background); returns the text height.
    int DrawText(std::string_view text, platform::Rect& rect, uint32_t format);
    platform::Size TextExtent(std::string_view text);
    int32_t TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int32_t TextHeight(std::string_view text) { return TextExtent(text).cy; }

    // Copies `source` (a rectangle of another canvas) into `dest`, scaled nearest-neighbour when
    // the sizes differ.
    void CopyRect(const platform::Rect& dest, TCanvas& source, const platform::Rect& sourceRect);
    // Draws a surface's pixels at (x, y), or scaled into `dest`.
    void Draw(int32_t x, int32_t y, platform::Surface& picture);
    void StretchDraw(const platform::Rect& dest, platform::Surface& picture);

private:
    class Selection;

    platform::HDC dc_ = nullptr;
    TFont font_;
    TPen pen_;
    TBrush brush_;
    platform::Point penPos_;
};

}  // namespace framework
