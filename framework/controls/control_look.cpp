#include "framework/controls/control_look.h"

#include <algorithm>

namespace framework {

using namespace platform;

namespace {

void Line(TCanvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

// Top and left in one colour, bottom and right in another, one pixel.
Rect Bevel(TCanvas& canvas, const Rect& r, TColor topLeft, TColor bottomRight) {
    if (r.width() < 2 || r.height() < 2) return r;
    Line(canvas, r.Left, r.Bottom - 1, r.Left, r.Top, topLeft);
    Line(canvas, r.Left, r.Top, r.Right - 1, r.Top, topLeft);
    Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1, bottomRight);
    Line(canvas, r.Right - 1, r.Bottom - 1, r.Left - 1, r.Bottom - 1, bottomRight);
    return {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
}

}  // namespace

Rect DrawSunkenEdge(TCanvas& canvas, const Rect& rect) {
    Rect inner = Bevel(canvas, rect, SystemColor(COLOR_BTNSHADOW), SystemColor(COLOR_BTNHIGHLIGHT));
    return Bevel(canvas, inner, SystemColor(COLOR_3DDKSHADOW), SystemColor(COLOR_3DLIGHT));
}

Rect DrawButtonEdge(TCanvas& canvas, const Rect& rect, bool pressed) {
    if (pressed) {
        DrawFrame(canvas, rect, SystemColor(COLOR_BTNSHADOW));
        return {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    }
    Rect inner = Bevel(canvas, rect, SystemColor(COLOR_BTNHIGHLIGHT), SystemColor(COLOR_3DDKSHADOW));
    return Bevel(canvas, inner, SystemColor(COLOR_3DLIGHT), SystemColor(COLOR_BTNSHADOW));
}

void DrawFrame(TCanvas& canvas, const Rect& rect, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FrameRect(rect);
}

void DrawArrow(TCanvas& canvas, const Rect& rect, ArrowDirection direction, TColor color) {
    // A triangle of rows 1, 3, 5, ... pixels wide: 4 rows when there is room, fewer in small boxes.
    const int size = std::clamp((std::min(rect.width(), rect.height()) - 2) / 2, 1, 4);
    const int cx = rect.Left + rect.width() / 2;
    const int cy = rect.Top + rect.height() / 2;
    canvas.Brush().SetColor(color);
    for (int i = 0; i < size; ++i) {
        switch (direction) {
            case ArrowDirection::Down: canvas.FillRect({cx - size + 1 + i, cy - size / 2 + i, cx + size - i, cy - size / 2 + i + 1}); break;
            case ArrowDirection::Up: canvas.FillRect({cx - i, cy - size / 2 + i, cx + i + 1, cy - size / 2 + i + 1}); break;
            case ArrowDirection::Right: canvas.FillRect({cx - size / 2 + i, cy - size + 1 + i, cx - size / 2 + i + 1, cy + size - i}); break;
            case ArrowDirection::Left: canvas.FillRect({cx - size / 2 + i, cy - i, cx - size / 2 + i + 1, cy + i + 1}); break;
        }
    }
}

void DrawCheckMark(TCanvas& canvas, const Rect& rect, TColor color) {
    // The classic mark: three pixels high, falling for three columns and rising for four.
    const int x = rect.Left + (rect.width() - 7) / 2;
    const int y = rect.Top + (rect.height() - 7) / 2;
    static constexpr int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
    canvas.Brush().SetColor(color);
    for (int i = 0; i < 7; ++i) canvas.FillRect({x + i, y + kRise[i], x + i + 1, y + kRise[i] + 3});
}

void DrawFocusRect(TCanvas& canvas, const Rect& rect, TColor color) {
    if (rect.isEmpty()) return;
    for (int x = rect.Left; x < rect.Right; x += 2) {
        canvas.SetPixel(x, rect.Top, color);
        canvas.SetPixel(x, rect.Bottom - 1, color);
    }
    for (int y = rect.Top; y < rect.Bottom; y += 2) {
        canvas.SetPixel(rect.Left, y, color);
        canvas.SetPixel(rect.Right - 1, y, color);
    }
}

Rect DrawButtonFace(TCanvas& canvas, const Rect& rect, bool pressed, bool isDefault) {
    Rect r = rect;
    if (isDefault) {
        DrawFrame(canvas, r, SystemColor(COLOR_WINDOWFRAME));
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    canvas.Brush().SetColor(SystemColor(COLOR_BTNFACE));
    canvas.FillRect(r);
    return DrawButtonEdge(canvas, r, pressed);
}

}  // namespace framework
