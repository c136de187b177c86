#include "skin/render/glyph_frame.h"

#include "platform/gfx/dc.h"

namespace skin {

using namespace platform;

void DrawGlyphFrame(HDC canvas, int32_t x, int32_t y, int32_t k, int32_t N, const Picture& strip) {
    if (strip.isEmpty() || N < 1 || k < 1 || k > N)
        return;
    const int32_t fw = strip.width() / N, h = strip.height();
    if (fw < 1)
        return;
    Picture frame(fw, h);
    CopyPictureRect(frame, frame.bounds(), strip, {fw * (k - 1), 0, fw * k, h});
    const COLORREF key = ColorFromPixel(frame.pixel(0, h - 1));
    HDC source = CreateSurfaceDC(&frame, {0, 0}, nullptr);
    TransparentBlt(canvas, x, y, fw, h, source, 0, 0, fw, h, key);
    DeleteDC(source);
}

}  // namespace skin
