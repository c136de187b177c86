// Pixels, lines, shapes and fills on a device context.
#include "platform/gfx/dc_internal.h"

namespace platform {

COLORREF SetPixel(HDC, int32_t, int32_t, COLORREF) { return CLR_INVALID; }
COLORREF GetPixel(HDC, int32_t, int32_t) { return CLR_INVALID; }
bool MoveToEx(HDC, int32_t, int32_t, Point*) { return false; }
bool LineTo(HDC, int32_t, int32_t) { return false; }
bool Polyline(HDC, std::span<const Point>) { return false; }
bool Rectangle(HDC, int32_t, int32_t, int32_t, int32_t) { return false; }
bool Ellipse(HDC, int32_t, int32_t, int32_t, int32_t) { return false; }
bool Polygon(HDC, std::span<const Point>) { return false; }
bool FillRect(HDC, const Rect&, HBRUSH) { return false; }
bool FrameRect(HDC, const Rect&, HBRUSH) { return false; }
bool FillRgn(HDC, HRGN, HBRUSH) { return false; }

}  // namespace platform
