#include "platform/gfx/region.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/gfx/gdi_table.h"

namespace platform {

// --- Region ----------------------------------------------------------------------------------

namespace {

Rect RectOfBox(const pixman_box32_t& b) {
    return {b.x1, b.y1, b.x2, b.y2};
}

}  // namespace

Region::Region() {
    pixman_region32_init(&region_);
}

Region::Region(const Rect& r) {
    if (r.isEmpty()) {
        pixman_region32_init(&region_);
    } else {
        pixman_region32_init_rect(&region_, r.Left, r.Top, uint32_t(r.width()), uint32_t(r.height()));
    }
}

Region Region::FromRects(std::span<const Rect> rects) {
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(rects.size());
    for (const Rect& r : rects) {
        if (!r.isEmpty())
            boxes.push_back({r.Left, r.Top, r.Right, r.Bottom});
    }
    Region result;
    pixman_region32_fini(&result.region_);
    pixman_region32_init_rects(&result.region_, boxes.data(), int(boxes.size()));
    return result;
}

Region::Region(const Region& other) {
    pixman_region32_init(&region_);
    pixman_region32_copy(&region_, &other.region_);
}

Region::Region(Region&& other) noexcept {
    pixman_region32_init(&region_);
    std::swap(region_, other.region_);
}

Region& Region::operator=(const Region& other) {
    if (this != &other)
        pixman_region32_copy(&region_, &other.region_);
    return *this;
}

Region& Region::operator=(Region&& other) noexcept {
    std::swap(region_, other.region_);
    return *this;
}

Region::~Region() {
    pixman_region32_fini(&region_);
}

bool Region::isEmpty() const {
    return !pixman_region32_not_empty(&region_);
}

int Region::kind() const {
    const int n = pixman_region32_n_rects(&region_);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

Rect Region::bounds() const {
    if (isEmpty())
        return {};
    return RectOfBox(*pixman_region32_extents(&region_));
}

bool Region::contains(Point p) const {
    return pixman_region32_contains_point(&region_, p.X, p.Y, nullptr);
}

bool Region::intersects(const Rect& r) const {
    if (r.isEmpty())
        return false;
    pixman_box32_t box{r.Left, r.Top, r.Right, r.Bottom};
    return pixman_region32_contains_rectangle(&region_, &box) != PIXMAN_REGION_OUT;
}

std::vector<Rect> Region::rects() const {
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&region_, &n);
    std::vector<Rect> out;
    out.reserve(size_t(n));
    for (int i = 0; i < n; ++i) out.push_back(RectOfBox(boxes[i]));
    return out;
}

size_t Region::rectCount() const {
    return size_t(pixman_region32_n_rects(&region_));
}

Region Region::united(const Region& other) const {
    Region r;
    pixman_region32_union(&r.region_, &region_, &other.region_);
    return r;
}

Region Region::intersected(const Region& other) const {
    Region r;
    pixman_region32_intersect(&r.region_, &region_, &other.region_);
    return r;
}

Region Region::subtracted(const Region& other) const {
    Region r;
    pixman_region32_subtract(&r.region_, &region_, &other.region_);
    return r;
}

Region Region::xored(const Region& other) const {
    // pixman has no exclusive-or: (a - b) + (b - a).
    return subtracted(other).united(other.subtracted(*this));
}

Region Region::translated(int32_t dx, int32_t dy) const {
    Region r(*this);
    r.translate(dx, dy);
    return r;
}

void Region::translate(int32_t dx, int32_t dy) {
    pixman_region32_translate(&region_, dx, dy);
}

bool operator==(const Region& a, const Region& b) {
    return pixman_region32_equal(&a.region_, &b.region_);
}

// --- Region handles --------------------------------------------------------------------------

namespace {

struct RegionObject : gdi::Object {
    static constexpr gdi::Kind kKind = gdi::Kind::Region;
    explicit RegionObject(Region r) : region(std::move(r)) {}
    Region region;
};

Region* Lookup(HRGN h) {
    auto* o = gdi::Find<RegionObject>(h);
    return o ? &o->region : nullptr;
}

// A rectangle as the platform takes it: corners in any order.
Rect Normalized(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

bool OffsetAllowed(const Region& r, int64_t dx, int64_t dy) {
    if (r.isEmpty())
        return CoordinateAllowed(dx) && CoordinateAllowed(dy);
    const Rect b = r.bounds();
    return CoordinateAllowed(b.Left + dx) && CoordinateAllowed(b.Right + dx) &&
           CoordinateAllowed(b.Top + dy) && CoordinateAllowed(b.Bottom + dy);
}

}  // namespace

HRGN CreateRegionHandle(const Region& region) {
    return static_cast<HRGN>(gdi::Insert(gdi::Kind::Region, std::make_unique<RegionObject>(region)));
}

HRGN CreateRectRgn(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const Rect r = Normalized(left, top, right, bottom);
    if (!RectAllowed(r))
        return nullptr;
    return CreateRegionHandle(Region(r));
}

HRGN CreateRectRgnIndirect(const Rect& r) {
    return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
}

HRGN ExtCreateRegion(const XFORM* transform, uint32_t byteCount, const void* data) {
    if (transform || !data || byteCount < sizeof(RGNDATAHEADER))
        return nullptr;
    RGNDATAHEADER header;
    std::memcpy(&header, data, sizeof header);
    if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES)
        return nullptr;
    // 64-bit arithmetic: nCount * 16 cannot wrap around and pass the size check.
    if (uint64_t(header.nCount) * sizeof(Rect) > uint64_t(byteCount) - sizeof(RGNDATAHEADER))
        return nullptr;

    // The rectangles are checked in place; pixman then skips the empty ones, sorts and merges them
    // in one call. Our rectangle has pixman's box layout, so aligned data is handed over as it is.
    static_assert(sizeof(Rect) == sizeof(pixman_box32_t));
    const auto* bytes = static_cast<const unsigned char*>(data) + sizeof(RGNDATAHEADER);
    int32_t low = 0, high = 0;
    for (size_t i = 0; i < size_t(header.nCount) * 4; ++i) {
        int32_t v;
        std::memcpy(&v, bytes + i * sizeof v, sizeof v);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    if (!CoordinateAllowed(low) || !CoordinateAllowed(high))
        return nullptr;
    std::vector<pixman_box32_t> copy;
    const auto* boxes = reinterpret_cast<const pixman_box32_t*>(bytes);
    if (reinterpret_cast<uintptr_t>(bytes) % alignof(pixman_box32_t) != 0) {
        copy.resize(header.nCount);
        std::memcpy(copy.data(), bytes, copy.size() * sizeof(pixman_box32_t));
        boxes = copy.data();
    }
    Region region;
    pixman_region32_fini(region.pixman());
    pixman_region32_init_rects(region.pixman(), boxes, int(header.nCount));
    return static_cast<HRGN>(
        gdi::Insert(gdi::Kind::Region, std::make_unique<RegionObject>(std::move(region))));
}

int CombineRgn(HRGN dest, HRGN a, HRGN b, int mode) {
    Region* d = Lookup(dest);
    const Region* ra = Lookup(a);
    if (!d || !ra)
        return ERROR;
    if (mode == RGN_COPY) {
        *d = *ra;
        return d->kind();
    }
    const Region* rb = Lookup(b);
    if (!rb)
        return ERROR;
    switch (mode) {
        case RGN_AND:
            *d = ra->intersected(*rb);
            break;
        case RGN_OR:
            *d = ra->united(*rb);
            break;
        case RGN_XOR:
            *d = ra->xored(*rb);
            break;
        case RGN_DIFF:
            *d = ra->subtracted(*rb);
            break;
        default:
            return ERROR;
    }
    return d->kind();
}

int OffsetRgn(HRGN region, int32_t dx, int32_t dy) {
    Region* r = Lookup(region);
    if (!r || !OffsetAllowed(*r, dx, dy))
        return ERROR;
    r->translate(dx, dy);
    return r->kind();
}

bool PtInRegion(HRGN region, int32_t x, int32_t y) {
    const Region* r = Lookup(region);
    return r && r->contains({x, y});
}

int GetRgnBox(HRGN region, Rect* box) {
    const Region* r = Lookup(region);
    if (!r || !box)
        return ERROR;
    *box = r->bounds();
    return r->kind();
}

bool EqualRgn(HRGN a, HRGN b) {
    const Region* ra = Lookup(a);
    const Region* rb = Lookup(b);
    return ra && rb && *ra == *rb;
}

bool SetRectRgn(HRGN region, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    Region* r = Lookup(region);
    const Rect rect = Normalized(left, top, right, bottom);
    if (!r || !RectAllowed(rect))
        return false;
    *r = Region(rect);
    return true;
}

const Region* RegionFromHandle(HRGN region) {
    return Lookup(region);
}

bool CopyRegionToHandle(const Region& region, HRGN dest) {
    Region* r = Lookup(dest);
    if (!r)
        return false;
    *r = region;
    return true;
}

std::optional<Region> TakeRegionFromHandle(HRGN region) {
    std::unique_ptr<gdi::Object> o = gdi::Remove(region, gdi::Kind::Region);
    if (!o)
        return std::nullopt;
    return std::move(static_cast<RegionObject*>(o.get())->region);
}

}  // namespace platform
