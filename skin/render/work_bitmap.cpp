#include "skin/render/work_bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/dc.h"
#include "skin/render/platform_calls.h"

namespace skin {

using namespace platform;

namespace {

// Every work bitmap that has a buffer; one user-interface thread, no lock.
std::vector<TbsBitmap*>& LiveBitmaps() {
    static std::vector<TbsBitmap*> live;
    return live;
}

void Forget(TbsBitmap* bitmap) {
    auto& live = LiveBitmaps();
    live.erase(std::remove(live.begin(), live.end(), bitmap), live.end());
}

Surface& NoPixels() {
    static Surface none;
    return none;
}

// For a scaled draw: the source position of each destination position in clip.first ..
// clip.second of the destination run d0 .. d0 + dLen, from the source run s0 .. s0 + sLen. The
// first destination position shows the first source position and the last the last; a run
// narrower than 2 shows the middle of the source.
std::vector<int32_t> SourceTable(int32_t d0, int32_t dLen, int32_t s0, int32_t sLen, int32_t c0, int32_t c1) {
    std::vector<int32_t> table(size_t(c1 - c0));
    if (dLen < 2) {
        std::fill(table.begin(), table.end(), (s0 + s0 + sLen - 1) / 2);
        return table;
    }
    const long double k = (long double)(sLen - 1) / (long double)(dLen - 1);
    for (int32_t i = 0; i < c1 - c0; ++i) table[size_t(i)] = int32_t((long double)(i + c0 - d0) * k) + s0;
    return table;
}

}  // namespace

TbsBitmap::~TbsBitmap() {
    FreeBuffer();
}

void TbsBitmap::FreeBuffer() {
    if (!bitmap_)
        return;
    Forget(this);
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
    bitmap_ = nullptr;
    dc_ = nullptr;
    previous_ = nullptr;
    width_ = height_ = 0;
}

void TbsBitmap::Resize(int32_t width, int32_t height) {
    const int64_t w = std::llabs(width), h = std::llabs(height);
    if (w == 0 || h == 0 || (w == width_ && h == height_ && bitmap_))
        return;
    FreeBuffer();
    if (w > kMaxSurfaceDimension || h > kMaxSurfaceDimension)
        throw EbsBitmapError("Can't allocate the DIB handle");
    HBITMAP bitmap = CreateDIBSection32(int32_t(w), int32_t(h), nullptr);
    if (!bitmap)
        throw EbsBitmapError("Can't allocate the DIB handle");
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        throw EbsBitmapError("Can't create compatible DC");
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    if (!previous) {
        DeleteDC(dc);
        DeleteObject(bitmap);
        throw EbsBitmapError("Can't bslect an object into DC");
    }
    bitmap_ = bitmap;
    dc_ = dc;
    previous_ = previous;
    width_ = int32_t(w);
    height_ = int32_t(h);
    LiveBitmaps().push_back(this);
}

Surface& TbsBitmap::Pixels() {
    return bitmap_ ? *SurfaceOfBitmap(bitmap_) : NoPixels();
}
const Surface& TbsBitmap::Pixels() const {
    return bitmap_ ? *SurfaceOfBitmap(bitmap_) : NoPixels();
}

TbsBitmap* TbsBitmap::OwnerOfCanvas(HDC dc) {
    if (!dc)
        return nullptr;
    for (TbsBitmap* b : LiveBitmaps())
        if (b->dc_ == dc)
            return b;
    return nullptr;
}

void TbsBitmap::CopyFrom(const TbsBitmap& source) {
    if (&source == this)
        return;
    if (source.Empty()) {
        FreeBuffer();
    } else {
        Resize(source.width_, source.height_);
        Pixels() = source.Pixels();
    }
    name_ = source.name_;
    transparent_ = source.transparent_;
    alpha_ = source.alpha_;
}

void TbsBitmap::CopyFrom(const framework::TBitmap& source) {
    if (source.Empty())
        return;
    Resize(source.Width(), source.Height());
    Pixels() = source.Surface();
    if (source.PixelFormat() == framework::TPixelFormat::pf32bit)
        DetectAlpha();
    else
        FillAlpha(255);
}

void TbsBitmap::CopyTo(framework::TBitmap& target) const {
    target.SetSize(width_, height_);
    target.SetPixelFormat(framework::TPixelFormat::pf32bit);
    if (Empty())
        return;
    HDC dc = CreateSurfaceDC(&target.Surface(), {0, 0}, nullptr);
    DrawToCanvas(dc, 0, 0);
    DeleteDC(dc);
}

void TbsBitmap::FillAlpha(uint8_t value) {
    Surface& s = Pixels();
    uint32_t* p = s.data();
    const uint32_t a = uint32_t(value) << 24;
    for (size_t i = 0, n = size_t(s.width()) * size_t(s.height()); i < n; ++i)
        p[i] = (p[i] & 0x00FFFFFFu) | a;
}

void TbsBitmap::ClampColoursToAlpha() {
    Surface& s = Pixels();
    uint32_t* p = s.data();
    for (size_t i = 0, n = size_t(s.width()) * size_t(s.height()); i < n; ++i) {
        const uint32_t a = p[i] >> 24;
        const uint32_t b = std::min(p[i] & 0xFF, a), g = std::min((p[i] >> 8) & 0xFF, a),
                       r = std::min((p[i] >> 16) & 0xFF, a);
        p[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
}

void TbsBitmap::DetectAlpha() {
    const Surface& s = Pixels();
    const uint32_t* p = s.data();
    const size_t n = size_t(s.width()) * size_t(s.height());
    alpha_ = std::any_of(p, p + n, [](uint32_t v) {
        const uint32_t a = v >> 24;
        return a != 0 && a != 255;
    });
}

void TbsBitmap::KeyColourToTransparent(COLORREF key) {
    const int kr = GetRValue(key), kg = GetGValue(key), kb = GetBValue(key);
    Surface& s = Pixels();
    uint32_t* p = s.data();
    for (size_t i = 0, n = size_t(s.width()) * size_t(s.height()); i < n; ++i) {
        const int b = int(p[i] & 0xFF), g = int((p[i] >> 8) & 0xFF), r = int((p[i] >> 16) & 0xFF);
        if (std::abs(r - kr) < 6 && std::abs(g - kg) < 6 && std::abs(b - kb) < 6)
            p[i] = kTransparentMarker;
    }
    transparent_ = true;
}

uint32_t TbsBitmap::PixelAt(int32_t x, int32_t y) const {
    return Pixels().pixel(x, y);
}
void TbsBitmap::SetPixelAt(int32_t x, int32_t y, uint32_t value) {
    Pixels().setPixel(x, y, value);
}

void TbsBitmap::FillArea(const Rect& rect, uint32_t value) {
    Surface& s = Pixels();
    const Rect r = intersect(rect, s.bounds());
    if (r.isEmpty())
        return;
    const std::vector<uint32_t> row(size_t(r.width()), value);
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        DrawRow(alpha_ ? DrawMode::Blend : DrawMode::Copy, s.row(y) + r.Left, row.data(), r.width());
}

void TbsBitmap::DrawToBitmap(TbsBitmap& target, int32_t x, int32_t y) const {
    DrawToBitmap(target, rectOfSize(x, y, width_, height_), {0, 0, width_, height_});
}

void TbsBitmap::DrawToBitmap(TbsBitmap& target, const Rect& dest, const Rect& source) const {
    const Rect clip = intersect(dest, {0, 0, target.width_, target.height_});
    if (clip.isEmpty() || source.isEmpty() || source.Left < 0 || source.Top < 0 || source.Right > width_ ||
        source.Bottom > height_)
        return;
    const Surface& from = Pixels();
    Surface& to = target.Pixels();
    const DrawMode mode = Mode();
    if (dest.width() == source.width() && dest.height() == source.height()) {
        const int32_t dx = source.Left - dest.Left, dy = source.Top - dest.Top;
        for (int32_t y = clip.Top; y < clip.Bottom; ++y)
            DrawRow(mode, to.row(y) + clip.Left, from.row(y + dy) + clip.Left + dx, clip.width());
        return;
    }
    const std::vector<int32_t> columns =
        SourceTable(dest.Left, dest.width(), source.Left, source.width(), clip.Left, clip.Right);
    const std::vector<int32_t> rows =
        SourceTable(dest.Top, dest.height(), source.Top, source.height(), clip.Top, clip.Bottom);
    std::vector<uint32_t> scaled(columns.size());
    for (int32_t y = clip.Top; y < clip.Bottom; ++y) {
        const int32_t sy = rows[size_t(y - clip.Top)];
        uint32_t* out = to.row(y) + clip.Left;
        if (mode == DrawMode::Copy && y > clip.Top && sy == rows[size_t(y - clip.Top - 1)]) {
            std::memcpy(out, to.row(y - 1) + clip.Left, columns.size() * sizeof(uint32_t));
            continue;
        }
        const uint32_t* in = from.row(sy);
        for (size_t i = 0; i < columns.size(); ++i) scaled[i] = in[columns[i]];
        DrawRow(mode, out, scaled.data(), clip.width());
    }
}

void TbsBitmap::DrawToCanvas(HDC dc, int32_t x, int32_t y) const {
    if (Empty())
        return;
    if (TbsBitmap* owner = OwnerOfCanvas(dc)) {
        // Logical (x, y) on the owner's canvas is its pixel (x - window origin + viewport origin).
        Point window, viewport;
        GetWindowOrgEx(dc, &window);
        GetViewportOrgEx(dc, &viewport);
        DrawToBitmap(*owner, x - window.X + viewport.X, y - window.Y + viewport.Y);
        return;
    }
    const DrawMode mode = Mode();
    if (mode == DrawMode::Transparent && PlatformCalls().transparentBlt &&
        GetDeviceCaps(dc, BITSPIXEL) > 23) {
        TransparentBlt(dc, x, y, width_, height_, dc_, 0, 0, width_, height_,
                       ColorFromPixel(kTransparentMarker));
        return;
    }
    if (mode == DrawMode::Copy) {
        StretchBlt(dc, x, y, width_, height_, dc_, 0, 0, width_, height_, SRCCOPY);
        return;
    }
    // Read what the context shows there, draw onto that copy, write it back.
    TbsBitmap under;
    under.Resize(width_, height_);
    BitBlt(under.dc_, 0, 0, width_, height_, dc, x, y, SRCCOPY);
    DrawToBitmap(under, 0, 0);
    BitBlt(dc, x, y, width_, height_, under.dc_, 0, 0, SRCCOPY);
}

}  // namespace skin
