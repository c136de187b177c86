// Device contexts: making and freeing them, their state, selected objects and clip region.
#include <memory>
#include <utility>

#include "platform/gfx/dc_internal.h"

namespace platform {

namespace gdi {

DcObject* FindDc(HDC dc) {
    return Find<DcObject>(dc);
}

Surface* DcObject::target() const {
    if (!memory)
        return surface;
    auto* bitmap = Find<BitmapObject>(state.bitmap);
    return bitmap && state.bitmap != StockBitmap() ? &bitmap->surface : nullptr;
}

const Region& DcObject::effectiveClip() const {
    const Surface* s = target();
    const Size size = s ? Size{s->width(), s->height()} : Size{};
    if (clipCache_ && clipCacheSurface_ == s && clipCacheSurfaceSize_ == size)
        return *clipCache_;
    Region clip(Rect{0, 0, size.cx, size.cy});
    if (systemClip)
        clip = clip.intersected(*systemClip);
    if (state.clip)
        clip = clip.intersected(state.clip->translated(deviceOrigin.X, deviceOrigin.Y));
    clipCache_ = std::move(clip);
    clipCacheSurface_ = s;
    clipCacheSurfaceSize_ = size;
    return *clipCache_;
}

namespace {

uint32_t ResolvedPixel(COLORREF c) {
    return PixelFromColor(ColorToRGB(c));
}

}  // namespace

PenInfo CurrentPen(const DcObject& dc) {
    const auto* pen = Find<PenObject>(dc.state.pen);
    if (!pen)
        pen = Find<PenObject>(StockPen(BLACK_PEN));
    return {pen->style != PS_NULL, pen->width, ResolvedPixel(pen->color)};
}

BrushInfo BrushOf(HBRUSH brush) {
    const auto* b = Find<BrushObject>(brush);
    if (!b)
        return {false, 0};
    return {!b->hollow, ResolvedPixel(b->color)};
}

BrushInfo CurrentBrush(const DcObject& dc) {
    return BrushOf(Find<BrushObject>(dc.state.brush) ? dc.state.brush : StockBrush(WHITE_BRUSH));
}

FontObject* CurrentFont(const DcObject& dc) {
    auto* font = Find<FontObject>(dc.state.font);
    return font ? font : Find<FontObject>(StockFont());
}

}  // namespace gdi

namespace {

using gdi::DcObject;
using gdi::FindDc;

HDC InsertDc(std::unique_ptr<DcObject> dc) {
    dc->state.pen = gdi::StockPen(BLACK_PEN);
    dc->state.brush = gdi::StockBrush(WHITE_BRUSH);
    dc->state.font = gdi::StockFont();
    return static_cast<HDC>(gdi::Insert(gdi::Kind::DeviceContext, std::move(dc)));
}

bool PointAllowed(int64_t x, int64_t y) {
    return CoordinateAllowed(x) && CoordinateAllowed(y);
}

// Releases the bitmap a state holds, when no other state of the DC holds it too.
void ReleaseBitmapIfUnused(DcObject& dc, HBITMAP bitmap) {
    if (!bitmap || bitmap == gdi::StockBitmap() || dc.state.bitmap == bitmap)
        return;
    for (const gdi::DcState& s : dc.saved) {
        if (s.bitmap == bitmap)
            return;
    }
    if (auto* b = gdi::Find<gdi::BitmapObject>(bitmap))
        b->selectedInto = nullptr;
}

bool SetOrigin(HDC hdc, Point gdi::DcState::*field, int64_t x, int64_t y, Point* old) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !PointAllowed(x, y))
        return false;
    if (old)
        *old = dc->state.*field;
    dc->state.*field = {int32_t(x), int32_t(y)};
    return true;
}

// The clip as it is now, in device coordinates: the selected one, or everything the DC can reach.
Region CurrentDeviceClip(const DcObject& dc) {
    if (dc.state.clip)
        return *dc.state.clip;
    return dc.effectiveClip().translated(-dc.deviceOrigin.X, -dc.deviceOrigin.Y);
}

int SetClip(DcObject& dc, std::optional<Region> clip) {
    dc.state.clip = std::move(clip);
    dc.clipChanged();
    return dc.effectiveClip().kind();
}

// A logical rectangle in device coordinates, or nothing when it leaves the coordinate limits.
std::optional<Rect> DeviceRect(const DcObject& dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const int64_t l = dc.toDeviceX(std::min(left, right)), r = dc.toDeviceX(std::max(left, right));
    const int64_t t = dc.toDeviceY(std::min(top, bottom)), b = dc.toDeviceY(std::max(top, bottom));
    if (!CoordinateAllowed(l) || !CoordinateAllowed(r) || !CoordinateAllowed(t) || !CoordinateAllowed(b)) {
        return std::nullopt;
    }
    return Rect{int32_t(l), int32_t(t), int32_t(r), int32_t(b)};
}

}  // namespace

// --- Making and freeing ------------------------------------------------------------------------

HDC CreateSurfaceDC(Surface* target, Point deviceOrigin, const Region* clip) {
    if (!target || !PointAllowed(deviceOrigin.X, deviceOrigin.Y))
        return nullptr;
    auto dc = std::make_unique<DcObject>();
    dc->surface = target;
    dc->deviceOrigin = deviceOrigin;
    if (clip)
        dc->systemClip = *clip;
    return InsertDc(std::move(dc));
}

HDC CreateCompatibleDC(HDC) {
    auto dc = std::make_unique<DcObject>();
    dc->memory = true;
    // Like the platform, a new memory DC holds a placeholder bitmap, so that the usual "select mine,
    // keep the old one, select the old one back" sequence works; drawing onto it changes nothing.
    dc->state.bitmap = gdi::StockBitmap();
    return InsertDc(std::move(dc));
}

bool DeleteDC(HDC hdc) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return false;
    const HBITMAP current = dc->state.bitmap;
    dc->state.bitmap = nullptr;
    ReleaseBitmapIfUnused(*dc, current);
    for (gdi::DcState& s : dc->saved) {
        const HBITMAP b = s.bitmap;
        s.bitmap = nullptr;
        ReleaseBitmapIfUnused(*dc, b);
    }
    return gdi::Remove(hdc, gdi::Kind::DeviceContext) != nullptr;
}

void DetachSurfaceDCs(const Surface* target) {
    gdi::ForEach(gdi::Kind::DeviceContext, [&](void*, gdi::Object* o) {
        auto* dc = static_cast<DcObject*>(o);
        if (!dc->memory && dc->surface == target) {
            dc->surface = nullptr;
            dc->clipChanged();
        }
    });
}

Surface* SurfaceOfDC(HDC hdc, Point* deviceOrigin) {
    DcObject* dc = FindDc(hdc);
    Surface* s = dc ? dc->target() : nullptr;
    if (s && deviceOrigin)
        *deviceOrigin = dc->deviceOrigin;
    return s;
}

int GetDeviceCaps(HDC hdc, int index) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return 0;
    const Surface* s = dc->target();
    switch (index) {
        case HORZRES:
            return s ? s->width() : 0;
        case VERTRES:
            return s ? s->height() : 0;
        case BITSPIXEL:
            return 32;
        case PLANES:
            return 1;
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        default:
            return 0;
    }
}

// --- Objects -----------------------------------------------------------------------------------

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DcObject* dc = FindDc(hdc);
    gdi::Kind kind;
    if (!dc || !gdi::KindOf(object, &kind))
        return nullptr;
    gdi::DcState& s = dc->state;
    switch (kind) {
        case gdi::Kind::Pen:
            return std::exchange(s.pen, static_cast<HPEN>(object));
        case gdi::Kind::Brush:
            return std::exchange(s.brush, static_cast<HBRUSH>(object));
        case gdi::Kind::Font:
            return std::exchange(s.font, static_cast<HFONT>(object));
        case gdi::Kind::Bitmap: {
            auto* bitmap = gdi::Find<gdi::BitmapObject>(object);
            const bool stock = object == gdi::StockBitmap();
            if (!dc->memory || (!stock && bitmap->selectedInto && bitmap->selectedInto != hdc))
                return nullptr;
            const HBITMAP previous = std::exchange(s.bitmap, static_cast<HBITMAP>(object));
            if (!stock)
                bitmap->selectedInto = hdc;
            ReleaseBitmapIfUnused(*dc, previous);
            dc->clipChanged();
            return previous;
        }
        default:
            return nullptr;
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, uint32_t type) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
        case OBJ_PEN:
            return dc->state.pen;
        case OBJ_BRUSH:
            return dc->state.brush;
        case OBJ_FONT:
            return dc->state.font;
        case OBJ_BITMAP:
            return dc->state.bitmap;
        default:
            return nullptr;
    }
}

// --- State -------------------------------------------------------------------------------------

bool SetWindowOrgEx(HDC hdc, int32_t x, int32_t y, Point* old) {
    return SetOrigin(hdc, &gdi::DcState::windowOrg, x, y, old);
}

bool SetViewportOrgEx(HDC hdc, int32_t x, int32_t y, Point* old) {
    return SetOrigin(hdc, &gdi::DcState::viewportOrg, x, y, old);
}

bool OffsetWindowOrgEx(HDC hdc, int32_t dx, int32_t dy, Point* old) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return false;
    const Point o = dc->state.windowOrg;
    return SetOrigin(hdc, &gdi::DcState::windowOrg, int64_t(o.X) + dx, int64_t(o.Y) + dy, old);
}

bool OffsetViewportOrgEx(HDC hdc, int32_t dx, int32_t dy, Point* old) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return false;
    const Point o = dc->state.viewportOrg;
    return SetOrigin(hdc, &gdi::DcState::viewportOrg, int64_t(o.X) + dx, int64_t(o.Y) + dy, old);
}

bool GetWindowOrgEx(HDC hdc, Point* origin) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !origin)
        return false;
    *origin = dc->state.windowOrg;
    return true;
}

bool GetViewportOrgEx(HDC hdc, Point* origin) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !origin)
        return false;
    *origin = dc->state.viewportOrg;
    return true;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DcObject* dc = FindDc(hdc);
    return dc ? std::exchange(dc->state.textColor, ColorToRGB(color)) : CLR_INVALID;
}
COLORREF GetTextColor(HDC hdc) {
    DcObject* dc = FindDc(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}
COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DcObject* dc = FindDc(hdc);
    return dc ? std::exchange(dc->state.bkColor, ColorToRGB(color)) : CLR_INVALID;
}
COLORREF GetBkColor(HDC hdc) {
    DcObject* dc = FindDc(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}
int SetBkMode(HDC hdc, int mode) {
    DcObject* dc = FindDc(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    return std::exchange(dc->state.bkMode, mode);
}
int GetBkMode(HDC hdc) {
    DcObject* dc = FindDc(hdc);
    return dc ? dc->state.bkMode : 0;
}

int SetStretchBltMode(HDC hdc, int mode) {
    return FindDc(hdc) && mode >= BLACKONWHITE && mode <= HALFTONE ? COLORONCOLOR : 0;
}

int SaveDC(HDC hdc) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(dc->state);
    return int(dc->saved.size());
}

bool RestoreDC(HDC hdc, int level) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return false;
    const int depth = int(dc->saved.size());
    const int target = level < 0 ? depth + 1 + level : level;
    if (target < 1 || target > depth)
        return false;
    const HBITMAP before = dc->state.bitmap;
    dc->state = std::move(dc->saved[size_t(target - 1)]);
    dc->saved.resize(size_t(target - 1));
    // The restored bitmap may have been deleted or selected elsewhere meanwhile: then none.
    if (dc->state.bitmap && dc->state.bitmap != before && dc->state.bitmap != gdi::StockBitmap()) {
        auto* b = gdi::Find<gdi::BitmapObject>(dc->state.bitmap);
        if (b && (!b->selectedInto || b->selectedInto == hdc)) {
            b->selectedInto = hdc;
        } else {
            dc->state.bitmap = gdi::StockBitmap();
        }
    }
    ReleaseBitmapIfUnused(*dc, before);
    dc->clipChanged();
    return true;
}

// --- Clipping ----------------------------------------------------------------------------------

int SelectClipRgn(HDC hdc, HRGN region) {
    return ExtSelectClipRgn(hdc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC hdc, HRGN region, int mode) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return ERROR;
    if (mode == RGN_COPY && !region)
        return SetClip(*dc, std::nullopt);
    const Region* r = RegionFromHandle(region);
    if (!r)
        return ERROR;
    switch (mode) {
        case RGN_COPY:
            return SetClip(*dc, *r);
        case RGN_AND:
            return SetClip(*dc, CurrentDeviceClip(*dc).intersected(*r));
        case RGN_OR:
            return SetClip(*dc, CurrentDeviceClip(*dc).united(*r));
        case RGN_XOR:
            return SetClip(*dc, CurrentDeviceClip(*dc).xored(*r));
        case RGN_DIFF:
            return SetClip(*dc, CurrentDeviceClip(*dc).subtracted(*r));
        default:
            return ERROR;
    }
}

int IntersectClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return ERROR;
    const std::optional<Rect> r = DeviceRect(*dc, left, top, right, bottom);
    if (!r)
        return ERROR;
    return SetClip(*dc, CurrentDeviceClip(*dc).intersected(*r));
}

int ExcludeClipRect(HDC hdc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    DcObject* dc = FindDc(hdc);
    if (!dc)
        return ERROR;
    const std::optional<Rect> r = DeviceRect(*dc, left, top, right, bottom);
    if (!r)
        return ERROR;
    return SetClip(*dc, CurrentDeviceClip(*dc).subtracted(Region(*r)));
}

int GetClipBox(HDC hdc, Rect* box) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !box)
        return ERROR;
    const Region& clip = dc->effectiveClip();
    const Rect b = clip.bounds();
    // Surface pixels back to logical coordinates.
    const int64_t dx = -dc->deviceOrigin.X - dc->state.viewportOrg.X + dc->state.windowOrg.X;
    const int64_t dy = -dc->deviceOrigin.Y - dc->state.viewportOrg.Y + dc->state.windowOrg.Y;
    *box = clip.isEmpty() ? Rect{}
                          : Rect{int32_t(b.Left + dx), int32_t(b.Top + dy), int32_t(b.Right + dx),
                                 int32_t(b.Bottom + dy)};
    return clip.kind();
}

int GetClipRgn(HDC hdc, HRGN dest) {
    DcObject* dc = FindDc(hdc);
    if (!dc || !RegionFromHandle(dest))
        return -1;
    if (!dc->state.clip)
        return 0;
    return CopyRegionToHandle(*dc->state.clip, dest) ? 1 : -1;
}

}  // namespace platform
