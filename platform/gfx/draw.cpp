// Pixels, lines, shapes and fills on a device context. Every shape is turned into horizontal runs
// or rectangles in surface pixels and written through the DC's clip (gfx/raster.h); work is bounded
// by the visible area, however far away the coordinates reach.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "platform/gfx/dc_internal.h"
#include "platform/gfx/raster.h"

namespace platform {

namespace {

using gdi::DcObject;
using gdi::PixelWriter;

bool Allowed(std::initializer_list<int64_t> values) {
    return std::all_of(values.begin(), values.end(), [](int64_t v) { return CoordinateAllowed(v); });
}

// Floor division for a positive divisor.
int64_t FloorDiv(int64_t a, int64_t n) {
    return a >= 0 ? a / n : -((-a + n - 1) / n);
}

struct Point64 {
    int64_t x = 0;
    int64_t y = 0;
};

Point64 ToSurface(const DcObject& dc, int64_t x, int64_t y) {
    return {dc.toSurfaceX(x), dc.toSurfaceY(y)};
}

// The pixels of a line from a to b, end point excluded: along the longer axis one pixel per step,
// the other coordinate rounded from the exact line, halves towards the smaller coordinate (so
// (0, 0) to (4, 2) gives (0, 0), (1, 0), (2, 1), (3, 1)). A pen wider than one pixel stamps a
// square of its width centred on each of them.
void DrawLine(PixelWriter& w, Point64 a, Point64 b, int32_t width, uint32_t pixel) {
    const int64_t dx = b.x - a.x, dy = b.y - a.y;
    const int64_t n = std::max(std::abs(dx), std::abs(dy));
    if (n == 0)
        return;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int64_t step = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int64_t major0 = xMajor ? a.x : a.y;
    const int64_t minor0 = xMajor ? a.y : a.x;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t before = (width - 1) / 2, after = width - 1 - before;

    // Only steps whose pixel (with the pen's reach) can fall inside the clip are visited.
    const Rect& box = w.clip().bounds();
    const int64_t lo = (xMajor ? box.Left : box.Top) - after, hi = (xMajor ? box.Right : box.Bottom) + before;
    int64_t t0 = step > 0 ? lo - major0 : major0 - hi + 1;
    int64_t t1 = step > 0 ? hi - major0 : major0 - lo + 1;
    t0 = std::max<int64_t>(t0, 0);
    t1 = std::min<int64_t>(t1, n);
    for (int64_t t = t0; t < t1; ++t) {
        const int64_t major = major0 + step * t;
        const int64_t minor = minor0 + FloorDiv(2 * t * minorDelta + n - 1, 2 * n);
        const int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        if (width == 1) {
            w.setPixel(x, y, pixel);
        } else {
            w.fillRect(x - before, y - before, x + after + 1, y + after + 1, pixel);
        }
    }
}

void DrawPolyline(PixelWriter& w, const std::vector<Point64>& points, bool closed, int32_t width,
                  uint32_t pixel) {
    for (size_t i = 1; i < points.size(); ++i) DrawLine(w, points[i - 1], points[i], width, pixel);
    if (closed && points.size() > 1)
        DrawLine(w, points.back(), points.front(), width, pixel);
}

// Converts points to surface pixels; false when one lies beyond the coordinate limits.
bool SurfacePoints(const DcObject& dc, std::span<const Point> points, std::vector<Point64>* out) {
    out->clear();
    out->reserve(points.size());
    for (const Point& p : points) {
        const Point64 s = ToSurface(dc, p.X, p.Y);
        if (!Allowed({s.x, s.y}))
            return false;
        out->push_back(s);
    }
    return true;
}

// The columns [first, last] of each row of an ellipse inscribed in (l, t, r, b): pixels whose
// centres lie inside, at least the middle pixel(s) on every row so that the outline stays closed.
struct EllipseRows {
    int64_t left, top, right, bottom;

    bool row(int64_t y, int64_t* first, int64_t* last) const {
        if (y < top || y >= bottom)
            return false;
        const double a = double(right - left) / 2, b = double(bottom - top) / 2;
        const double cx = double(left) + a, cy = double(top) + b;
        const double v = (double(y) + 0.5 - cy) / b;
        const double half = a * std::sqrt(std::max(0.0, 1 - v * v));
        *first = int64_t(std::ceil(cx - half - 0.5));
        *last = int64_t(std::floor(cx + half - 0.5));
        if (*first > *last) {
            *first = int64_t(std::floor(cx - 0.5));
            *last = int64_t(std::ceil(cx - 0.5));
        }
        return true;
    }
};

// Writes the ellipse: the brush on pixels whose four neighbours are all inside, the pen on the rest.
void DrawEllipse(PixelWriter& w, const EllipseRows& e, const gdi::PenInfo& pen, const gdi::BrushInfo& brush) {
    const Rect& box = w.clip().bounds();
    const int64_t y0 = std::max<int64_t>(e.top, box.Top), y1 = std::min<int64_t>(e.bottom, box.Bottom);
    for (int64_t y = y0; y < y1; ++y) {
        int64_t f = 0, l = -1;
        e.row(y, &f, &l);
        // Interior: inside this row less its ends, and inside the rows above and below.
        int64_t inF = f + 1, inL = l - 1, of = 0, ol = 0;
        for (int64_t ny : {y - 1, y + 1}) {
            if (e.row(ny, &of, &ol)) {
                inF = std::max(inF, of);
                inL = std::min(inL, ol);
            } else {
                inL = inF - 1;
            }
        }
        if (!pen.visible) {
            if (brush.visible)
                w.fillSpan(y, f, l + 1, brush.pixel);
            continue;
        }
        if (inF > inL) {
            w.fillSpan(y, f, l + 1, pen.pixel);
            continue;
        }
        w.fillSpan(y, f, inF, pen.pixel);
        if (brush.visible)
            w.fillSpan(y, inF, inL + 1, brush.pixel);
        w.fillSpan(y, inL + 1, l + 1, pen.pixel);
    }
}

// Alternate (even-odd) filling: on each row, the pixels whose centres lie between the first and
// second crossing of the polygon's edges, the third and fourth, and so on.
void FillPolygon(PixelWriter& w, const std::vector<Point64>& points, uint32_t pixel) {
    int64_t minY = points[0].y, maxY = points[0].y;
    for (const Point64& p : points) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const Rect& box = w.clip().bounds();
    std::vector<double> crossings;
    for (int64_t y = std::max<int64_t>(minY, box.Top); y < std::min<int64_t>(maxY, box.Bottom); ++y) {
        const double yc = double(y) + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const Point64& a = points[i];
            const Point64& b = points[(i + 1) % points.size()];
            if ((double(a.y) <= yc) == (double(b.y) <= yc))
                continue;
            crossings.push_back(double(a.x) + (yc - double(a.y)) * double(b.x - a.x) / double(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            w.fillSpan(y, int64_t(std::ceil(crossings[i] - 0.5)), int64_t(std::ceil(crossings[i + 1] - 0.5)),
                       pixel);
        }
    }
}

// Runs `draw(writer)` when the DC has somewhere to draw; true for any valid DC.
template <typename F>
bool WithWriter(HDC hdc, F&& draw) {
    DcObject* dc = gdi::FindDc(hdc);
    if (!dc)
        return false;
    Surface* target = dc->target();
    if (target && !dc->effectiveClip().isEmpty()) {
        PixelWriter writer(*target, dc->effectiveClip());
        draw(*dc, writer);
    }
    return true;
}

// The surface and pixel a logical point reaches in a DC, when it is inside the clip.
Surface* ClippedPixel(HDC hdc, int32_t x, int32_t y, Point* pixel) {
    DcObject* dc = gdi::FindDc(hdc);
    if (!dc)
        return nullptr;
    const Point64 p = ToSurface(*dc, x, y);
    Surface* target = dc->target();
    if (!target || !Allowed({p.x, p.y}))
        return nullptr;
    *pixel = {int32_t(p.x), int32_t(p.y)};
    return dc->effectiveClip().contains(*pixel) ? target : nullptr;
}

}  // namespace

COLORREF SetPixel(HDC hdc, int32_t x, int32_t y, COLORREF color) {
    Point p;
    Surface* target = ClippedPixel(hdc, x, y, &p);
    if (!target)
        return CLR_INVALID;
    const COLORREF c = ColorToRGB(color);
    target->setPixel(p.X, p.Y, PixelFromColor(c));
    return c;
}

COLORREF GetPixel(HDC hdc, int32_t x, int32_t y) {
    Point p;
    const Surface* target = ClippedPixel(hdc, x, y, &p);
    return target ? ColorFromPixel(target->pixel(p.X, p.Y)) : CLR_INVALID;
}

bool MoveToEx(HDC hdc, int32_t x, int32_t y, Point* old) {
    DcObject* dc = gdi::FindDc(hdc);
    if (!dc || !Allowed({x, y}))
        return false;
    if (old)
        *old = dc->state.currentPos;
    dc->state.currentPos = {x, y};
    return true;
}

bool LineTo(HDC hdc, int32_t x, int32_t y) {
    if (!Allowed({x, y}))
        return false;
    return WithWriter(hdc,
                      [&](DcObject& dc, PixelWriter& w) {
                          const gdi::PenInfo pen = CurrentPen(dc);
                          const Point from = dc.state.currentPos;
                          if (pen.visible)
                              DrawLine(w, ToSurface(dc, from.X, from.Y), ToSurface(dc, x, y), pen.width,
                                       pen.pixel);
                      }) &&
           MoveToEx(hdc, x, y, nullptr);
}

bool Polyline(HDC hdc, std::span<const Point> points) {
    DcObject* dc = gdi::FindDc(hdc);
    std::vector<Point64> p;
    if (!dc || points.size() < 2 || !SurfacePoints(*dc, points, &p))
        return false;
    return WithWriter(hdc, [&](DcObject& d, PixelWriter& w) {
        const gdi::PenInfo pen = CurrentPen(d);
        if (pen.visible)
            DrawPolyline(w, p, false, pen.width, pen.pixel);
    });
}

bool Rectangle(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!Allowed({left, top, right, bottom}))
        return false;
    return WithWriter(hdc, [&](DcObject& dc, PixelWriter& w) {
        const Point64 a = ToSurface(dc, std::min(left, right), std::min(top, bottom));
        const Point64 b = ToSurface(dc, std::max(left, right), std::max(top, bottom));
        const gdi::PenInfo pen = CurrentPen(dc);
        const gdi::BrushInfo brush = CurrentBrush(dc);
        if (!pen.visible) {
            if (brush.visible)
                w.fillRect(a.x, a.y, b.x - 1, b.y - 1, brush.pixel);
            return;
        }
        const int64_t p = pen.width;
        if (brush.visible)
            w.fillRect(a.x + p, a.y + p, b.x - p, b.y - p, brush.pixel);
        w.fillRect(a.x, a.y, b.x, std::min(a.y + p, b.y), pen.pixel);
        w.fillRect(a.x, std::max(b.y - p, a.y), b.x, b.y, pen.pixel);
        w.fillRect(a.x, a.y + p, std::min(a.x + p, b.x), b.y - p, pen.pixel);
        w.fillRect(std::max(b.x - p, a.x), a.y + p, b.x, b.y - p, pen.pixel);
    });
}

bool Ellipse(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (!Allowed({left, top, right, bottom}))
        return false;
    return WithWriter(hdc, [&](DcObject& dc, PixelWriter& w) {
        const Point64 a = ToSurface(dc, std::min(left, right), std::min(top, bottom));
        const Point64 b = ToSurface(dc, std::max(left, right), std::max(top, bottom));
        if (a.x == b.x || a.y == b.y)
            return;
        DrawEllipse(w, {a.x, a.y, b.x, b.y}, CurrentPen(dc), CurrentBrush(dc));
    });
}

bool Polygon(HDC hdc, std::span<const Point> points) {
    DcObject* dc = gdi::FindDc(hdc);
    std::vector<Point64> p;
    if (!dc || points.size() < 2 || !SurfacePoints(*dc, points, &p))
        return false;
    return WithWriter(hdc, [&](DcObject& d, PixelWriter& w) {
        const gdi::BrushInfo brush = CurrentBrush(d);
        const gdi::PenInfo pen = CurrentPen(d);
        if (brush.visible)
            FillPolygon(w, p, brush.pixel);
        if (pen.visible)
            DrawPolyline(w, p, true, pen.width, pen.pixel);
    });
}

bool FillRect(HDC hdc, const Rect& rect, HBRUSH brush) {
    const gdi::BrushInfo b = gdi::BrushOf(brush);
    if (!gdi::Find<gdi::BrushObject>(brush) || !RectAllowed(rect))
        return false;
    return WithWriter(hdc, [&](DcObject& dc, PixelWriter& w) {
        const Point64 a = ToSurface(dc, rect.Left, rect.Top), z = ToSurface(dc, rect.Right, rect.Bottom);
        if (b.visible)
            w.fillRect(a.x, a.y, z.x, z.y, b.pixel);
    });
}

bool FrameRect(HDC hdc, const Rect& rect, HBRUSH brush) {
    const gdi::BrushInfo b = gdi::BrushOf(brush);
    if (!gdi::Find<gdi::BrushObject>(brush) || !RectAllowed(rect))
        return false;
    return WithWriter(hdc, [&](DcObject& dc, PixelWriter& w) {
        const Point64 a = ToSurface(dc, rect.Left, rect.Top), z = ToSurface(dc, rect.Right, rect.Bottom);
        if (!b.visible || a.x >= z.x || a.y >= z.y)
            return;
        w.fillRect(a.x, a.y, z.x, a.y + 1, b.pixel);
        w.fillRect(a.x, z.y - 1, z.x, z.y, b.pixel);
        w.fillRect(a.x, a.y + 1, a.x + 1, z.y - 1, b.pixel);
        w.fillRect(z.x - 1, a.y + 1, z.x, z.y - 1, b.pixel);
    });
}

bool FillRgn(HDC hdc, HRGN region, HBRUSH brush) {
    const Region* r = RegionFromHandle(region);
    const gdi::BrushInfo b = gdi::BrushOf(brush);
    if (!r || !gdi::Find<gdi::BrushObject>(brush))
        return false;
    return WithWriter(hdc, [&](DcObject& dc, PixelWriter& w) {
        const Point64 o = ToSurface(dc, 0, 0);
        if (!b.visible || !Allowed({o.x, o.y}))
            return;
        const Region placed = r->translated(int32_t(o.x), int32_t(o.y)).intersected(dc.effectiveClip());
        for (const Rect& part : placed.rects())
            w.fillRect(part.Left, part.Top, part.Right, part.Bottom, b.pixel);
    });
}

}  // namespace platform
