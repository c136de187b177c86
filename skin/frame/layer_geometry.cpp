#include "skin/frame/layer_geometry.h"

#include <algorithm>
#include <cmath>

#include "skin/render/nine_part_layout.h"

namespace skin {

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

// Offsets beyond a screen's worth move the border off every desktop; keeping them there keeps
// every sum below within the coordinate range.
constexpr int32_t kMaxOffset = 1 << 15;

int32_t ClampOffset(int32_t v) {
    return std::clamp(v, -kMaxOffset, kMaxOffset);
}

Point InsidePicture(Point p, Size picture) {
    return {std::clamp(p.X, 0, picture.cx), std::clamp(p.Y, 0, picture.cy)};
}

uint8_t ClampAlpha(int32_t v) {
    return uint8_t(std::clamp(v, 0, 255));
}

// The picture's rows (or columns) `from` repeated from the top (left) of `to`, the last copy cut;
// scaled instead with `stretch`.
void FillSide(Picture& strip, const Picture& image, const Rect& from, bool stretch) {
    const Rect to = strip.bounds();
    FillPiece(strip, to, image, from, stretch ? PieceFill::Scale : PieceFill::TileY);
}

// A top or bottom strip: both ends copied, the middle between them scaled to the strip's width.
void FillEnds(Picture& strip, const Picture& image, int32_t sourceTop, int32_t leftEnd, int32_t rightEnd) {
    const int32_t w = strip.width(), h = strip.height(), pw = image.width();
    const int32_t rightWidth = pw - rightEnd;
    CopyPictureRect(strip, {0, 0, leftEnd, h}, image, {0, sourceTop, leftEnd, sourceTop + h});
    CopyPictureRect(strip, {leftEnd, 0, w - rightWidth, h}, image,
                    {leftEnd, sourceTop, rightEnd, sourceTop + h});
    CopyPictureRect(strip, {w - rightWidth, 0, w, h}, image, {rightEnd, sourceTop, pw, sourceTop + h});
}

bool MakeStrip(Picture& strip, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || !Picture::SizeAllowed(width, height)) {
        strip = Picture();
        return false;
    }
    SetPictureSize(strip, width, height);
    strip.fill(0);
    return true;
}

}  // namespace

std::optional<LayerFrameLayout> CheckLayerFrame(const TbsDataSkinLayerFrame& record, Size picture) {
    if (picture.cx <= 0 || picture.cy <= 0)
        return std::nullopt;
    const Rect cl = record.ClientRect;
    if (cl.isEmpty() || cl.Left < 0 || cl.Top < 0 || cl.Right > picture.cx || cl.Bottom > picture.cy)
        return std::nullopt;
    LayerFrameLayout l;
    l.picture = picture;
    l.client = cl;
    l.leftTop = InsidePicture(record.LeftTopPoint, picture);
    l.rightTop = InsidePicture(record.RightTopPoint, picture);
    l.leftBottom = InsidePicture(record.LeftBottomPoint, picture);
    l.rightBottom = InsidePicture(record.RightBottomPoint, picture);
    if (l.leftTop.X > l.rightTop.X || l.leftBottom.X > l.rightBottom.X)
        return std::nullopt;
    l.leftOffset = ClampOffset(record.LeftOffset);
    l.topOffset = ClampOffset(record.TopOffset);
    l.widthOffset = ClampOffset(record.WidthOffset);
    l.heightOffset = ClampOffset(record.HeightOffset);
    l.fullStretch = record.FullStretch;
    l.fullBorder = record.FullBorder;
    l.rollUpFormHeight = std::clamp(record.RollUpFormHeight, 0, kMaxOffset);
    l.alpha = ClampAlpha(record.AlphaBlendValue);
    l.inactiveAlpha = ClampAlpha(record.InActiveAlphaBlendValue);
    const Rect b = record.BorderRect;
    if (!b.isEmpty()) {
        // A border rectangle inside the window's own place takes nothing out of it.
        l.margins = {std::max(0, cl.Left - b.Left), std::max(0, cl.Top - b.Top),
                     std::max(0, b.Right - cl.Right), std::max(0, b.Bottom - cl.Bottom)};
    }
    return l;
}

Rect LayerOuterRect(const LayerFrameLayout& l, const Rect& form, bool rolledUp) {
    const int64_t h = rolledUp ? int64_t(l.rollUpFormHeight) : int64_t(form.height()) + l.heightOffset;
    const int64_t left = int64_t(form.Left) + l.leftOffset - l.client.Left;
    const int64_t top = int64_t(form.Top) + l.topOffset - l.client.Top;
    const int64_t width = int64_t(form.width()) + l.widthOffset + l.picture.cx - l.client.width();
    const int64_t height = h + l.picture.cy - l.client.height();
    return {ClampCoordinate(left), ClampCoordinate(top), ClampCoordinate(left + std::max<int64_t>(width, 0)),
            ClampCoordinate(top + std::max<int64_t>(height, 0))};
}

LayerStripSizes LayerStripSizesFor(const LayerFrameLayout& l, Size outer) {
    LayerStripSizes s;
    const int32_t oh = std::max(outer.cy, 0);
    s.topHeight = std::min(std::max(l.leftTop.Y, l.rightTop.Y), oh);
    s.bottomHeight = std::min(l.picture.cy - std::min(l.leftBottom.Y, l.rightBottom.Y), oh - s.topHeight);
    s.leftWidth = l.client.Left;
    s.rightWidth = l.picture.cx - l.client.Right;
    s.sideHeight = std::max(0, oh - s.topHeight - s.bottomHeight);
    return s;
}

std::array<Rect, 4> PlaceLayerWindows(const Rect& outer, const LayerStripSizes& s) {
    std::array<Rect, 4> r;
    const int32_t ow = outer.width();
    const int32_t sideTop = outer.Top + s.topHeight;
    r[size_t(LayerSide::Top)] = platform::rectOfSize(outer.Left, outer.Top, ow, s.topHeight);
    r[size_t(LayerSide::Bottom)] =
        platform::rectOfSize(outer.Left, outer.Bottom - s.bottomHeight, ow, s.bottomHeight);
    r[size_t(LayerSide::Left)] = platform::rectOfSize(outer.Left, sideTop, s.leftWidth, s.sideHeight);
    r[size_t(LayerSide::Right)] =
        platform::rectOfSize(outer.Right - s.rightWidth, sideTop, s.rightWidth, s.sideHeight);
    return r;
}

void ComposeLayerStrips(const LayerFrameLayout& l, const Picture& image, Size outer, LayerStrips& strips) {
    if (image.width() != l.picture.cx || image.height() != l.picture.cy) {
        strips = {};
        return;
    }
    const LayerStripSizes s = LayerStripSizesFor(l, outer);
    const int32_t ph = l.picture.cy;
    if (MakeStrip(strips[size_t(LayerSide::Top)], outer.cx, s.topHeight))
        FillEnds(strips[size_t(LayerSide::Top)], image, 0, l.leftTop.X, l.rightTop.X);
    if (MakeStrip(strips[size_t(LayerSide::Bottom)], outer.cx, s.bottomHeight))
        FillEnds(strips[size_t(LayerSide::Bottom)], image, ph - s.bottomHeight, l.leftBottom.X,
                 l.rightBottom.X);
    // The rows between the picture's top and bottom strips (as the picture has them, whatever the
    // outer height took off the bottom one).
    const int32_t rowsTop = std::max(l.leftTop.Y, l.rightTop.Y);
    const int32_t rowsBottom = std::min(l.leftBottom.Y, l.rightBottom.Y);
    const bool rows = rowsBottom > rowsTop;
    if (MakeStrip(strips[size_t(LayerSide::Left)], rows ? s.leftWidth : 0, s.sideHeight))
        FillSide(strips[size_t(LayerSide::Left)], image, {0, rowsTop, s.leftWidth, rowsBottom},
                 l.fullStretch);
    if (MakeStrip(strips[size_t(LayerSide::Right)], rows ? s.rightWidth : 0, s.sideHeight))
        FillSide(strips[size_t(LayerSide::Right)], image, {l.client.Right, rowsTop, l.picture.cx, rowsBottom},
                 l.fullStretch);
}

uint8_t ScaledLayerAlpha(uint8_t recordAlpha, uint8_t level) {
    return uint8_t(std::nearbyint(double(recordAlpha) * double(level) / 255.0));
}

void PremultiplyPicture(Picture& picture) {
    uint32_t* p = picture.data();
    for (size_t i = 0, n = size_t(picture.width()) * size_t(picture.height()); i < n; ++i) {
        const uint32_t a = p[i] >> 24;
        auto times = [a](uint32_t c) { return (c * a + 127) / 255; };
        p[i] = (a << 24) | (times((p[i] >> 16) & 0xFF) << 16) | (times((p[i] >> 8) & 0xFF) << 8) |
               times(p[i] & 0xFF);
    }
}

}  // namespace skin
