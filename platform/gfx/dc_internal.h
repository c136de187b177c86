// The object behind a device context handle, and what the drawing code asks of it. Internal to
// platform/gfx.
#pragma once

#include <optional>
#include <vector>

#include "platform/gfx/dc.h"
#include "platform/gfx/gdi_table.h"
#include "platform/gfx/objects.h"

namespace platform::gdi {

struct DcState {
    std::optional<Region> clip;  // device coordinates; none = no clip selected
    Point windowOrg;
    Point viewportOrg;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;  // memory DCs only
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    Point currentPos;
};

struct DcObject : Object {
    static constexpr Kind kKind = Kind::DeviceContext;

    bool memory = false;
    Surface* surface = nullptr;        // surface DCs; null once detached
    Point deviceOrigin;                // surface pixel of device (0, 0)
    std::optional<Region> systemClip;  // surface pixels; none = the whole surface
    DcState state;
    std::vector<DcState> saved;

    // The surface drawn into now, or null (detached, no bitmap selected).
    Surface* target() const;

    // Logical to surface pixels, in 64 bits so that no sum of origins overflows.
    int64_t toSurfaceX(int64_t x) const {
        return x - state.windowOrg.X + state.viewportOrg.X + deviceOrigin.X;
    }
    int64_t toSurfaceY(int64_t y) const {
        return y - state.windowOrg.Y + state.viewportOrg.Y + deviceOrigin.Y;
    }
    // Logical to device.
    int64_t toDeviceX(int64_t x) const { return x - state.windowOrg.X + state.viewportOrg.X; }
    int64_t toDeviceY(int64_t y) const { return y - state.windowOrg.Y + state.viewportOrg.Y; }

    // Where drawing may change pixels, in surface pixels: surface bounds, system clip and the
    // selected clip together. Empty when there is no target.
    const Region& effectiveClip() const;
    void clipChanged() { clipCache_.reset(); }

  private:
    mutable std::optional<Region> clipCache_;
    mutable Size clipCacheSurfaceSize_;
    mutable const Surface* clipCacheSurface_ = nullptr;
};

DcObject* FindDc(HDC dc);

// What a DC draws with: resolved pen, brush and text state, stock defaults for anything deleted.
struct PenInfo {
    bool visible = true;
    int32_t width = 1;
    uint32_t pixel = 0;
};
struct BrushInfo {
    bool visible = true;
    uint32_t pixel = 0;
};
PenInfo CurrentPen(const DcObject& dc);
BrushInfo CurrentBrush(const DcObject& dc);
BrushInfo BrushOf(HBRUSH brush);
// The selected font, or the stock default font.
FontObject* CurrentFont(const DcObject& dc);

// StretchBlt of the source DC's srcWidth x srcHeight pixels from (0, 0) that writes only the
// source pixels with alpha (an icon's, which are transparent or opaque), with alpha 255.
bool MaskedStretchBlt(HDC dest, int32_t x, int32_t y, int32_t width, int32_t height, HDC src,
                      int32_t srcWidth, int32_t srcHeight);

// Stock objects and their defaults for new DCs.
HPEN StockPen(int index);
HBRUSH StockBrush(int index);
HFONT StockFont();
// The 1 x 1 placeholder every new memory DC holds; it may be selected into any number of DCs.
HBITMAP StockBitmap();

}  // namespace platform::gdi
