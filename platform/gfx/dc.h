// Device contexts: the drawing state (origins, clip region, pen, brush, font, colours) over a
// pixel surface, as HDC handles.
//
// Coordinates. Calls take logical coordinates; device = logical - window origin + viewport origin;
// surface pixel = device + the DC's device origin (where the DC's (0, 0) lies in its surface: a
// window's client area inside the window surface, say). Clip regions given to the DC
// (SelectClipRgn) are in device coordinates; rectangles (IntersectClipRect, ExcludeClipRect) are
// logical. Everything drawn is clipped to: the surface, the system clip given when the DC was made,
// and the selected clip region.
//
// Alpha. The surfaces carry an alpha byte that the skin engine's 32-bit work bitmaps read. Every
// pixel a drawing call changes (pixels, lines, shapes, fills, text) gets alpha 255; blits copy all
// four bytes of the source (BitBlt, StretchBlt) except TransparentBlt, which writes the source colour
// with alpha 255. Text is drawn with grey-scale anti-aliasing: each covered pixel becomes the text
// colour blended over the pixel's own colour by the glyph coverage.
//
// Failure values: false, null, 0, ERROR or CLR_INVALID as each call says; a bad handle, a zero or
// negative size or a coordinate beyond +-kMaxCoordinate (gfx/region.h) gives that and draws nothing.
#pragma once

#include <cstdint>
#include <span>

#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "platform/gfx/gdi_object.h"
#include "platform/gfx/pen_brush.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"
#include "platform/gfx/text.h"

namespace platform {

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

enum : int {
    TRANSPARENT = 1,
    OPAQUE = 2,
};

// Raster operations: only the plain copy is supported.
enum : uint32_t {
    SRCCOPY = 0x00CC0020,
};

// Clip combination modes of ExtSelectClipRgn are the RGN_* values (gfx/region.h).

// --- Making and freeing device contexts -------------------------------------------------------

// A DC over `target` (owned by the caller, typically a window's surface). `deviceOrigin` is where
// the DC's device (0, 0) lies in the surface; `clip`, in surface pixels, limits all drawing (null:
// the whole surface). The caller frees it with DeleteDC, and must call DetachSurfaceDCs before the
// surface itself goes away.
HDC CreateSurfaceDC(Surface* target, Point deviceOrigin, const Region* clip);
// A memory DC. It starts with no bitmap (drawing changes nothing) until one is selected. `dc` only
// says what the memory DC is compatible with and may be null.
HDC CreateCompatibleDC(HDC dc);
// Frees a DC made by either call; its selected objects are released, not deleted.
bool DeleteDC(HDC dc);
// Every DC over `target` stops drawing (its calls still succeed, as on a hidden window); for the
// window system when a surface is about to be freed.
void DetachSurfaceDCs(const Surface* target);

// The surface a DC draws into and its device origin in it, or null (a memory DC without a bitmap,
// a detached DC, a bad handle). For UpdateLayeredWindow and the like.
Surface* SurfaceOfDC(HDC dc, Point* deviceOrigin);

// What GetDeviceCaps reports: every surface is 32 bits per pixel in one plane at 96 dots per inch.
enum : int {
    HORZRES = 8,  // width of the DC's surface in pixels
    VERTRES = 10,
    BITSPIXEL = 12,
    PLANES = 14,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
};
// 0 for a bad handle or an index not listed above.
int GetDeviceCaps(HDC dc, int index);

// --- Objects ---------------------------------------------------------------------------------

// Selects a bitmap (memory DCs only; a bitmap is selected into one DC at a time), font, pen or
// brush; returns the previously selected object of that type, or null when refused. Regions are
// selected with SelectClipRgn.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// The selected object of a type (OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP), or null.
HGDIOBJ GetCurrentObject(HDC dc, uint32_t type);

// --- State -----------------------------------------------------------------------------------

// The old value goes to `old` when it is not null.
bool SetWindowOrgEx(HDC dc, int32_t x, int32_t y, Point* old);
bool GetWindowOrgEx(HDC dc, Point* origin);
bool SetViewportOrgEx(HDC dc, int32_t x, int32_t y, Point* old);
bool GetViewportOrgEx(HDC dc, Point* origin);
bool OffsetViewportOrgEx(HDC dc, int32_t dx, int32_t dy, Point* old);
bool OffsetWindowOrgEx(HDC dc, int32_t dx, int32_t dy, Point* old);

// Return the previous value, or CLR_INVALID / 0 for a bad handle.
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);

// Saves the whole state (origins, clip, objects, colours, modes, current position) and returns its
// level (1, 2, ...), 0 on failure. RestoreDC(dc, -1) goes back to the latest, RestoreDC(dc, n) to
// level n, dropping the later ones.
int SaveDC(HDC dc);
bool RestoreDC(HDC dc, int level);

// --- Clipping --------------------------------------------------------------------------------

// A copy of `region` (device coordinates) becomes the clip; null removes it. Returns the kind of
// the resulting clip or ERROR.
int SelectClipRgn(HDC dc, HRGN region);
// Combines the clip with `region` by an RGN_* mode (RGN_COPY with null removes the clip).
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
int ExcludeClipRect(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
// The box around everything drawing can reach now, in logical coordinates, and its kind.
int GetClipBox(HDC dc, Rect* box);
// Copies the selected clip region (device coordinates) into `dest`: 1 when there is one, 0 when the
// DC has none, -1 on error.
int GetClipRgn(HDC dc, HRGN dest);

// --- Drawing ---------------------------------------------------------------------------------

// SetPixel returns the colour set, CLR_INVALID when the point is clipped away or on failure.
COLORREF SetPixel(HDC dc, int32_t x, int32_t y, COLORREF color);
// CLR_INVALID outside the surface or the clip.
COLORREF GetPixel(HDC dc, int32_t x, int32_t y);

bool MoveToEx(HDC dc, int32_t x, int32_t y, Point* old);
// A line from the current position to (x, y) in the pen, the end point excluded; the current
// position moves to (x, y).
bool LineTo(HDC dc, int32_t x, int32_t y);
// Joined lines through the points (only the very last point excluded); the current position stays.
bool Polyline(HDC dc, std::span<const Point> points);

// Outline in the pen (inside the rectangle), interior in the brush. With a null pen the brush fills
// (left, top, right - 1, bottom - 1), as the platform does.
bool Rectangle(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
// The ellipse inscribed in the rectangle: outline in the pen, interior in the brush.
bool Ellipse(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
// A closed polygon: interior (alternate filling, pixel centres inside) in the brush, edges in the pen.
bool Polygon(HDC dc, std::span<const Point> points);

// These use the brush given, not the selected one, and never the pen.
bool FillRect(HDC dc, const Rect& rect, HBRUSH brush);
// One pixel wide frame along the inside of the rectangle.
bool FrameRect(HDC dc, const Rect& rect, HBRUSH brush);
// Fills the region (logical coordinates) with the brush.
bool FillRgn(HDC dc, HRGN region, HBRUSH brush);

// --- Blits -----------------------------------------------------------------------------------

// Copies width x height pixels from (xSrc, ySrc) of `src` to (x, y) of `dest` (SRCCOPY only;
// other raster operations are refused). Source pixels outside the source surface leave their
// destination pixels unchanged; the source's clip does not apply. Overlapping copies within one
// surface are handled.
bool BitBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
            int32_t ySrc, uint32_t rop);

// Nearest-neighbour scaling (colour-on-colour): destination column i (0-based in the destination
// rectangle) shows source column floor((2i + 1) * srcWidth / (2 * destWidth)), rows likewise, so
// sizes that divide evenly repeat or drop whole columns and rows and equal sizes copy exactly.
// Mirroring by negative sizes is not supported (refused).
bool StretchBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
                int32_t ySrc, int32_t srcWidth, int32_t srcHeight, uint32_t rop);

// Like StretchBlt, but source pixels whose colour (alpha ignored) equals `transparent` are skipped;
// the others are written with alpha 255.
bool TransparentBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src, int32_t xSrc,
                    int32_t ySrc, int32_t srcWidth, int32_t srcHeight, COLORREF transparent);

// The stretch mode is always colour-on-colour; these exist so that code reads as it does elsewhere.
enum : int {
    BLACKONWHITE = 1,
    WHITEONBLACK = 2,
    COLORONCOLOR = 3,
    HALFTONE = 4,
    STRETCH_DELETESCANS = COLORONCOLOR,
};
int SetStretchBltMode(HDC dc, int mode);

}  // namespace platform
