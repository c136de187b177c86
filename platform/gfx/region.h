// Regions: sets of pixels made of rectangles, on pixman's region engine.
//
// `Region` is the value type the window system and the device contexts work with. The handle calls
// below it (CreateRectRgn, CombineRgn, ExtCreateRegion, ...) are what the skin engine uses; a region
// handle owns one `Region` in the object table (gfx/gdi_object.h).
//
// Coordinates are limited to +-kMaxCoordinate so that no width, height or offset can overflow;
// every call given a value beyond that refuses it.
#pragma once

#include <pixman.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"

namespace platform {

constexpr int32_t kMaxCoordinate = int32_t(1) << 27;

constexpr bool CoordinateAllowed(int64_t v) {
    return v >= -kMaxCoordinate && v <= kMaxCoordinate;
}
constexpr bool RectAllowed(const Rect& r) {
    return CoordinateAllowed(r.Left) && CoordinateAllowed(r.Top) && CoordinateAllowed(r.Right) &&
           CoordinateAllowed(r.Bottom);
}

// What a region is made of, with the values CombineRgn and friends return.
enum : int {
    ERROR = 0,
    RGN_ERROR = 0,
    NULLREGION = 1,
    SIMPLEREGION = 2,
    COMPLEXREGION = 3,
};

class Region {
  public:
    Region();
    // The rectangle's pixels; an empty or inverted rectangle gives an empty region.
    explicit Region(const Rect& r);
    // The union of the rectangles; empty ones are skipped.
    static Region FromRects(std::span<const Rect> rects);

    Region(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(const Region& other);
    Region& operator=(Region&& other) noexcept;
    ~Region();

    bool isEmpty() const;
    // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
    int kind() const;
    // The smallest rectangle holding every pixel; all zero when empty.
    Rect bounds() const;
    bool contains(Point p) const;
    // True when the rectangle shares at least one pixel with the region.
    bool intersects(const Rect& r) const;
    // The rectangles, in bands top to bottom and left to right within a band, none overlapping.
    std::vector<Rect> rects() const;
    size_t rectCount() const;

    Region united(const Region& other) const;
    Region intersected(const Region& other) const;
    Region subtracted(const Region& other) const;
    Region xored(const Region& other) const;
    Region intersected(const Rect& r) const { return intersected(Region(r)); }
    Region translated(int32_t dx, int32_t dy) const;
    void translate(int32_t dx, int32_t dy);

    friend bool operator==(const Region& a, const Region& b);

    // For code that hands the region to pixman itself (composition, clipping).
    const pixman_region32_t* pixman() const { return &region_; }
    pixman_region32_t* pixman() { return &region_; }

  private:
    pixman_region32_t region_;
};

// Ways of combining two regions (CombineRgn).
enum : int {
    RGN_AND = 1,
    RGN_OR = 2,
    RGN_XOR = 3,
    RGN_DIFF = 4,
    RGN_COPY = 5,
};

// Region data blocks (ExtCreateRegion): a 32-byte header followed by nCount rectangles of 16 bytes
// (left, top, right, bottom as signed 32-bit), all little-endian as laid out in memory here.
constexpr uint32_t RDH_RECTANGLES = 1;
struct RGNDATAHEADER {
    uint32_t dwSize = 32;
    uint32_t iType = RDH_RECTANGLES;
    uint32_t nCount = 0;
    uint32_t nRgnSize = 0;
    Rect rcBound;
};
static_assert(sizeof(RGNDATAHEADER) == 32 && sizeof(Rect) == 16);

// A transform for ExtCreateRegion; only its absence is supported.
struct XFORM;

HRGN CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom);
HRGN CreateRectRgnIndirect(const Rect& r);
// A region from a region data block of `byteCount` bytes. Refused (null) when the transform is given,
// the header is not {32, RDH_RECTANGLES}, the rectangles do not fit in byteCount, or a rectangle
// lies beyond the coordinate limits. Never reads past byteCount. Empty rectangles are skipped.
HRGN ExtCreateRegion(const XFORM* transform, uint32_t byteCount, const void* data);
// A region handle owning a copy of `region` (for code that builds regions as values).
HRGN CreateRegionHandle(const Region& region);

// dest = a op b (b unused for RGN_COPY); dest, a and b may be the same handle. Returns the kind of
// the result, or ERROR (dest unchanged) for a bad handle or mode.
int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode);
// Moves the region; ERROR when the move would leave the coordinate limits.
int OffsetRgn(HRGN region, int32_t dx, int32_t dy);
bool PtInRegion(HRGN region, int32_t x, int32_t y);
// The bounding box and the kind; ERROR (box untouched) for a bad handle.
int GetRgnBox(HRGN region, Rect* box);
bool EqualRgn(HRGN a, HRGN b);
// Makes `region` the rectangle (SetRectRgn).
bool SetRectRgn(HRGN region, int32_t left, int32_t top, int32_t right, int32_t bottom);

// The region behind a live region handle, or null. The pointer is valid until the handle is deleted.
const Region* RegionFromHandle(HRGN region);
// Makes a live region handle hold a copy of `region` (GetWindowRgn and the like); false for a bad
// handle.
bool CopyRegionToHandle(const Region& region, HRGN dest);
// Takes the region out of the table: the handle is no longer valid and the caller owns the result
// (SetWindowRgn uses this: the window owns the region it is given). Nothing for a bad handle.
std::optional<Region> TakeRegionFromHandle(HRGN region);

}  // namespace platform
