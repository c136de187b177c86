// A memory DC over a fresh bitmap, for graphics tests; both are freed with the fixture.
#pragma once

#include <string>

#include "platform/gfx/dc.h"

namespace platform::test {

class Canvas {
  public:
    Canvas(int32_t width, int32_t height, COLORREF background = RGB(255, 255, 255))
        : bitmap_(CreateBitmap32(width, height)), dc_(CreateCompatibleDC(nullptr)) {
        old_ = SelectObject(dc_, bitmap_);
        surface().fill(PixelFromColor(background));
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    Surface& surface() const { return *SurfaceOfBitmap(bitmap_); }
    COLORREF at(int32_t x, int32_t y) const { return ColorFromPixel(surface().pixel(x, y)); }

    // The rows as text, one character a pixel: '#' where the pixel has `ink`, '.' elsewhere.
    std::string picture(COLORREF ink) const {
        std::string s;
        for (int32_t y = 0; y < surface().height(); ++y) {
            for (int32_t x = 0; x < surface().width(); ++x) s += at(x, y) == ink ? '#' : '.';
            s += '\n';
        }
        return s;
    }

    // The smallest rectangle holding every pixel that differs from `background`; empty when none.
    Rect inkBounds(COLORREF background) const {
        Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        for (int32_t y = 0; y < surface().height(); ++y) {
            for (int32_t x = 0; x < surface().width(); ++x) {
                if (at(x, y) == background)
                    continue;
                r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                     std::max(r.Bottom, y + 1)};
            }
        }
        return r.Left == INT32_MAX ? Rect{} : r;
    }

  private:
    HBITMAP bitmap_;
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace platform::test
