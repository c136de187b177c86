#include "skin/frame/layer_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/window/messages.h"
#include "skin/render/nine_part_layout.h"
#include "skin/render/rect_helpers.h"

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

// A record's rectangle inside the picture: what lies outside is cut off, and an empty or inverted
// one (or one wholly outside) is empty.
Rect InsidePicture(const Rect& r, Size picture) {
    const Rect c = ClampRect(r);
    if (IsEmptyRect(c))
        return {};
    const Rect cut{std::max(c.Left, 0), std::max(c.Top, 0), std::min(c.Right, picture.cx),
                   std::min(c.Bottom, picture.cy)};
    return IsEmptyRect(cut) ? Rect{} : cut;
}

int32_t Add(int64_t a, int64_t b) {
    return ClampCoordinate(a + b);
}

Rect Moved(const Rect& r, int64_t dx, int64_t dy) {
    return {Add(r.Left, dx), Add(r.Top, dy), Add(r.Right, dx), Add(r.Bottom, dy)};
}

// Within `bounds`, empty when nothing of it is.
Rect CutTo(const Rect& r, const Rect& bounds) {
    if (IsEmptyRect(r))
        return {};
    const Rect cut{std::max(r.Left, bounds.Left), std::max(r.Top, bounds.Top),
                   std::min(r.Right, bounds.Right), std::min(r.Bottom, bounds.Bottom)};
    return IsEmptyRect(cut) ? Rect{} : cut;
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

Rect WithinMargins(const Rect& area, const LayerMargins& m) {
    return {area.Left + m.left, area.Top + m.top, area.Right - m.right, area.Bottom - m.bottom};
}

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
    // Only the part of "borderrect" on the picture counts, so no margin is larger than it.
    const Rect b = InsidePicture(record.BorderRect, picture);
    if (!b.isEmpty()) {
        // A border rectangle inside the window's own place takes nothing out of it.
        l.margins = {std::max(0, cl.Left - b.Left), std::max(0, cl.Top - b.Top),
                     std::max(0, b.Right - cl.Right), std::max(0, b.Bottom - cl.Bottom)};
    }
    l.captionRect = InsidePicture(record.CaptionRect, picture);
    l.buttonsRect = InsidePicture(record.ButtonsRect, picture);
    l.sysMenuButtonRect = InsidePicture(record.SysMenuButtonRect, picture);
    l.buttonsTopOffset = ClampOffset(record.ButtonsTopOffset);
    l.sysButtonTopOffset = ClampOffset(record.SysButtonTopOffset);
    l.borderRect = b;
    if (IsEmptyRect(l.borderRect))
        l.borderRect = {0, 0, picture.cx, picture.cy};
    l.hitTestEnable = record.HitTestEnable;
    l.hitTestSize = std::clamp(record.HitTestSize, 0, kMaxOffset);
    l.hitTestLeftTop = InsidePicture(record.HitTestLeftTopPoint, picture);
    l.hitTestRightTop = InsidePicture(record.HitTestRightTopPoint, picture);
    l.hitTestLeftBottom = InsidePicture(record.HitTestLeftBottomPoint, picture);
    l.hitTestRightBottom = InsidePicture(record.HitTestRightBottomPoint, picture);
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

// --- The fullborder mode -------------------------------------------------------------------------------

LayerFrameAreas LayerFrameAreasFor(const LayerFrameLayout& l, Size outer) {
    const int64_t dW = int64_t(outer.cx) - l.picture.cx, dH = int64_t(outer.cy) - l.picture.cy;
    const int32_t middle = l.picture.cx / 2;
    const Rect strip{0, 0, std::max(outer.cx, 0), LayerStripSizesFor(l, outer).topHeight};
    auto follow = [&](const Rect& r) { return r.Left > middle ? Moved(r, dW, 0) : r; };
    LayerFrameAreas a;
    if (!IsEmptyRect(l.captionRect))
        a.caption =
            CutTo({l.captionRect.Left, l.captionRect.Top, Add(l.captionRect.Right, dW), l.captionRect.Bottom},
                  strip);
    a.buttons = CutTo(follow(l.buttonsRect), strip);
    a.sysMenuButton = CutTo(follow(l.sysMenuButtonRect), strip);
    const Rect& b = l.borderRect;
    a.border = {b.Left, b.Top, Add(b.Right, dW), Add(b.Bottom, dH)};
    return a;
}

namespace {

bool OnLayer(const FrameObjectPlacement& o) {
    return o.visible && o.skinRectInAPicture;
}

FrameObjectPlacement* FirstOnLayer(std::span<FrameObjectPlacement> objects, TStdCommand command) {
    for (FrameObjectPlacement& o : objects)
        if (OnLayer(o) && o.command == command)
            return &o;
    return nullptr;
}

}  // namespace

void LayoutLayerFrameObjects(const LayerFrameLayout& l, Size outer, std::span<FrameObjectPlacement> objects,
                             std::optional<Size> systemMenuIcon) {
    for (FrameObjectPlacement& o : objects) o.rect = {};
    const LayerFrameAreas a = LayerFrameAreasFor(l, outer);
    const Rect row = !IsEmptyRect(a.buttons) ? a.buttons : a.caption;
    Rect caption = a.caption;
    if (!IsEmptyRect(row)) {
        FrameButtonRow buttons{row.Right, Add(row.Top, l.buttonsTopOffset), 0, false, systemMenuIcon};
        for (TStdCommand command : kButtonRowOrder)
            if (FrameObjectPlacement* o = FirstOnLayer(objects, command))
                buttons.place(*o);
        for (FrameObjectPlacement& o : objects)
            if (OnLayer(o) && o.command == TStdCommand::cmDefault)
                buttons.place(o);
        if (IsEmptyRect(a.buttons))
            caption.Right = std::max(caption.Left, std::min(caption.Right, buttons.x));
    }
    if (FrameObjectPlacement* sys = FirstOnLayer(objects, TStdCommand::cmSysMenu)) {
        const Size s = PlacedSize(*sys, systemMenuIcon);
        if (!IsEmptyRect(a.sysMenuButton)) {
            sys->rect = a.sysMenuButton;
        } else if (!IsEmptyRect(a.caption)) {
            const int32_t top =
                l.sysButtonTopOffset != 0
                    ? Add(a.caption.Top, l.sysButtonTopOffset)
                    : Add(int64_t(a.caption.Top) + HeightOfRect(a.caption) / 2, -int64_t(s.cy / 2));
            sys->rect = {a.caption.Left, top, Add(a.caption.Left, s.cx), Add(top, s.cy)};
        }
        // The caption bar starts right of a system-menu button over its left half.
        const Rect& r = sys->rect;
        if (!IsEmptyRect(r) && r.Right > caption.Left && r.Left < caption.Left + WidthOfRect(caption) / 2)
            caption.Left = std::min(r.Right, caption.Right);
    }
    for (FrameObjectPlacement& o : objects)
        if (o.kind == FrameObjectKind::Caption) {
            o.rect = IsEmptyRect(caption) ? Rect{} : caption;
            break;
        }
}

int HitTestLayerFrame(const LayerFrameLayout& l, Size outer, Point p, bool sizable) {
    using namespace platform;
    const LayerFrameAreas a = LayerFrameAreasFor(l, outer);
    const Rect& box = a.border;
    const int64_t s = l.hitTestSize;
    if (sizable && l.hitTestEnable && s > 0 && box.contains(p)) {
        const int64_t x = p.X, y = p.Y;
        const bool left = x < box.Left + s, right = x >= box.Right - s;
        const bool top = y < box.Top + s, bottom = y >= box.Bottom - s;
        if (left || right || top || bottom) {
            // How far each corner reaches along the edges: to its hit-test point, at least the band.
            const Rect& b = l.borderRect;
            auto reach = [s](int64_t v) { return std::max<int64_t>(v, s); };
            const int64_t ltX = reach(l.hitTestLeftTop.X - b.Left), ltY = reach(l.hitTestLeftTop.Y - b.Top);
            const int64_t rtX = reach(b.Right - l.hitTestRightTop.X),
                          rtY = reach(l.hitTestRightTop.Y - b.Top);
            const int64_t lbX = reach(l.hitTestLeftBottom.X - b.Left),
                          lbY = reach(b.Bottom - l.hitTestLeftBottom.Y);
            const int64_t rbX = reach(b.Right - l.hitTestRightBottom.X),
                          rbY = reach(b.Bottom - l.hitTestRightBottom.Y);
            if (x < box.Left + ltX && y < box.Top + ltY)
                return HTTOPLEFT;
            if (x >= box.Right - rtX && y < box.Top + rtY)
                return HTTOPRIGHT;
            if (x < box.Left + lbX && y >= box.Bottom - lbY)
                return HTBOTTOMLEFT;
            if (x >= box.Right - rbX && y >= box.Bottom - rbY)
                return HTBOTTOMRIGHT;
            return left ? HTLEFT : right ? HTRIGHT : top ? HTTOP : HTBOTTOM;
        }
    }
    return a.caption.contains(p) ? HTCAPTION : HTNOWHERE;
}

int32_t FullBorderShownHeight(const LayerFrameLayout& l, int32_t windowHeight, bool rolledUp) {
    return rolledUp ? l.rollUpFormHeight : std::max(windowHeight, 0);
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
