#include "framework/graphics/canvas.h"

#include "platform/gfx/text.h"

namespace framework {

using namespace platform;

// Selects the canvas's objects into its DC for one call and puts the DC's own ones back after it.
class TCanvas::Selection {
public:
    enum Need : unsigned { kPen = 1, kBrush = 2, kFont = 4 };

    Selection(TCanvas& canvas, unsigned needs) : dc_(canvas.dc_) {
        if (!dc_) return;
        if (needs & kPen) {
            pen_ = canvas.pen_.Style() == TPenStyle::psClear
                       ? CreatePen(PS_NULL, 1, 0)
                       : CreatePen(PS_SOLID, canvas.pen_.Width(), ColorToRGB(canvas.pen_.Color()));
            oldPen_ = SelectObject(dc_, pen_);
        }
        if (needs & kBrush) {
            brush_ = canvas.brush_.Style() == TBrushStyle::bsClear
                         ? CreateBrushIndirect(LOGBRUSH{BS_NULL, 0})
                         : CreateSolidBrush(ColorToRGB(canvas.brush_.Color()));
            oldBrush_ = SelectObject(dc_, brush_);
        }
        if (needs & kFont) {
            oldFont_ = SelectObject(dc_, canvas.font_.Handle());
            oldTextColor_ = SetTextColor(dc_, ColorToRGB(canvas.font_.Color()));
            const bool clear = canvas.brush_.Style() == TBrushStyle::bsClear;
            oldBkMode_ = SetBkMode(dc_, clear ? TRANSPARENT : OPAQUE);
            oldBkColor_ = SetBkColor(dc_, ColorToRGB(canvas.brush_.Color()));
        }
    }
    ~Selection() {
        if (!dc_) return;
        if (oldFont_) {
            SelectObject(dc_, oldFont_);
            SetTextColor(dc_, oldTextColor_);
            SetBkMode(dc_, oldBkMode_);
            SetBkColor(dc_, oldBkColor_);
        }
        if (oldBrush_) SelectObject(dc_, oldBrush_);
        if (oldPen_) SelectObject(dc_, oldPen_);
        if (brush_) DeleteObject(brush_);
        if (pen_) DeleteObject(pen_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

    HBRUSH brush() const { return brush_; }

private:
    HDC dc_;
    HPEN pen_ = nullptr;
    HBRUSH brush_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    COLORREF oldTextColor_ = 0;
    COLORREF oldBkColor_ = 0;
    int oldBkMode_ = 0;
};

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::FillRect(const Rect& rect) {
    if (!dc_ || brush_.Style() == TBrushStyle::bsClear) return;
    Selection s(*this, Selection::kBrush);
    platform::FillRect(dc_, rect, s.brush());
}

void TCanvas::FrameRect(const Rect& rect) {
    if (!dc_ || brush_.Style() == TBrushStyle::bsClear) return;
    Selection s(*this, Selection::kBrush);
    platform::FrameRect(dc_, rect, s.brush());
}

void TCanvas::Rectangle(const Rect& rect) {
    if (!dc_) return;
    Selection s(*this, Selection::kPen | Selection::kBrush);
    platform::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::MoveTo(int32_t x, int32_t y) { penPos_ = {x, y}; }

void TCanvas::LineTo(int32_t x, int32_t y) {
    if (dc_) {
        Selection s(*this, Selection::kPen);
        MoveToEx(dc_, penPos_.X, penPos_.Y, nullptr);
        platform::LineTo(dc_, x, y);
    }
    penPos_ = {x, y};
}

COLORREF TCanvas::Pixel(int32_t x, int32_t y) const { return dc_ ? GetPixel(dc_, x, y) : CLR_INVALID; }

void TCanvas::SetPixel(int32_t x, int32_t y, TColor color) {
    if (dc_) platform::SetPixel(dc_, x, y, ColorToRGB(color));
}

void TCanvas::TextOut(int32_t x, int32_t y, std::string_view text) {
    if (!dc_) return;
    Selection s(*this, Selection::kFont);
    platform::TextOut(dc_, x, y, text);
}

void TCanvas::TextRect(const Rect& rect, int32_t x, int32_t y, std::string_view text) {
    if (!dc_) return;
    const int saved = SaveDC(dc_);
    IntersectClipRect(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
    {
        Selection s(*this, Selection::kFont);
        platform::TextOut(dc_, x, y, text);
    }
    RestoreDC(dc_, saved);
}

int TCanvas::DrawText(std::string_view text, Rect& rect, uint32_t format) {
    if (!dc_) return 0;
    Selection s(*this, Selection::kFont);
    SetBkMode(dc_, TRANSPARENT);
    return platform::DrawText(dc_, text, &rect, format);
}

Size TCanvas::TextExtent(std::string_view text) {
    Size size;
    if (dc_) {
        Selection s(*this, Selection::kFont);
        GetTextExtentPoint32(dc_, text, &size);
        return size;
    }
    // Measuring needs no surface: a memory DC answers for a canvas without one.
    HDC measure = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(measure, font_.Handle());
    GetTextExtentPoint32(measure, text, &size);
    SelectObject(measure, old);
    DeleteDC(measure);
    return size;
}

void TCanvas::CopyRect(const Rect& dest, TCanvas& source, const Rect& sourceRect) {
    if (!dc_ || !source.dc_) return;
    if (dest.width() == sourceRect.width() && dest.height() == sourceRect.height()) {
        BitBlt(dc_, dest.Left, dest.Top, dest.width(), dest.height(), source.dc_, sourceRect.Left, sourceRect.Top,
               SRCCOPY);
    } else {
        StretchBlt(dc_, dest.Left, dest.Top, dest.width(), dest.height(), source.dc_, sourceRect.Left,
                   sourceRect.Top, sourceRect.width(), sourceRect.height(), SRCCOPY);
    }
}

void TCanvas::Draw(int32_t x, int32_t y, Surface& picture) {
    StretchDraw(rectOfSize(x, y, picture.width(), picture.height()), picture);
}

void TCanvas::StretchDraw(const Rect& dest, Surface& picture) {
    if (!dc_ || picture.isEmpty() || dest.isEmpty()) return;
    HDC source = CreateSurfaceDC(&picture, {0, 0}, nullptr);
    if (!source) return;
    TCanvas from;
    from.SetHandle(source);
    CopyRect(dest, from, {0, 0, picture.width(), picture.height()});
    DeleteDC(source);
}

}  // namespace framework
