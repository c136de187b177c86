#include "skin/frame/frame_geometry.h"

#include "skin/render/rect_helpers.h"

namespace skin {

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

int32_t Add(int64_t a, int64_t b) {
    return ClampCoordinate(a + b);
}
Point Moved(Point p, int64_t dx, int64_t dy) {
    return {Add(p.X, dx), Add(p.Y, dy)};
}
Rect Moved(const Rect& r, int64_t dx, int64_t dy) {
    return {Add(r.Left, dx), Add(r.Top, dy), Add(r.Right, dx), Add(r.Bottom, dy)};
}

}  // namespace

FrameGeometry CalcFrameGeometry(const TbsFormInfo& info, Size picture, Size window) {
    FrameGeometry g;
    g.picture = {ClampCoordinate(picture.cx), ClampCoordinate(picture.cy)};
    g.window = {ClampCoordinate(window.cx), ClampCoordinate(window.cy)};
    g.layout = ClampLayout({info.LeftTopPoint, info.RightTopPoint, info.LeftBottomPoint,
                            info.RightBottomPoint, info.ClientRect});
    g.newLayout = ResizeLayout(g.picture, g.layout, g.window);
    const int64_t dW = int64_t(g.window.cx) - g.picture.cx, dH = int64_t(g.window.cy) - g.picture.cy;

    g.captionArea = ClampRect(info.CaptionRect);
    if (!IsEmptyRect(g.captionArea))
        g.captionArea.Right = Add(g.captionArea.Right, dW);
    g.buttonsArea = ClampRect(info.ButtonsRect);
    if (!IsEmptyRect(g.buttonsArea) && g.buttonsArea.Left > g.picture.cx / 2)
        g.buttonsArea = Moved(g.buttonsArea, dW, 0);
    g.buttonsOffset = ClampCoordinate(info.ButtonsOffset);
    g.buttonsInLeft = info.ButtonsInLeft;

    g.hitTestLeftTop = ClampPoint(info.HitTestLeftTopPoint);
    g.hitTestRightTop = Moved(ClampPoint(info.HitTestRightTopPoint), dW, 0);
    g.hitTestLeftBottom = Moved(ClampPoint(info.HitTestLeftBottomPoint), 0, dH);
    g.hitTestRightBottom = Moved(ClampPoint(info.HitTestRightBottomPoint), dW, dH);
    g.maskArea = ClampRect(info.MaskRectArea);
    g.maskArea.Right = Add(g.maskArea.Right, dW);
    g.maskArea.Bottom = Add(g.maskArea.Bottom, dH);
    return g;
}

Rect MapSkinRect(const FrameGeometry& g, const Rect& skinRect) {
    const NinePartLayout& l = g.layout;
    const Size p = g.picture;
    const Rect r = ClampRect(skinRect);
    const Rect topLeft{0, 0, l.LT.X, l.LT.Y}, topRight{l.RT.X, 0, p.cx, l.RT.Y};
    const Rect bottomLeft{0, l.LB.Y, l.LB.X, p.cy}, bottomRight{l.RB.X, l.RB.Y, p.cx, p.cy};
    const int64_t dx = int64_t(g.newLayout.RB.X) - l.RB.X, dy = int64_t(g.newLayout.RB.Y) - l.RB.Y;
    if (RectInsideRect(r, topLeft))
        return r;
    if (RectInsideRect(r, topRight))
        return Moved(r, dx, 0);
    if (RectInsideRect(r, bottomLeft))
        return Moved(r, 0, dy);
    if (RectInsideRect(r, bottomRight))
        return Moved(r, dx, dy);
    const Point a{r.Left, r.Top}, b{r.Right, r.Bottom};
    if (topLeft.contains(a) && bottomRight.contains(b))
        return {r.Left, r.Top, Add(r.Right, dx), Add(r.Bottom, dy)};
    if (topLeft.contains(a) && topRight.contains(b))
        return {r.Left, r.Top, Add(r.Right, dx), r.Bottom};
    if (bottomLeft.contains(a) && bottomRight.contains(b))
        return Moved(Rect{r.Left, r.Top, Add(r.Right, dx), r.Bottom}, 0, dy);
    if (topLeft.contains(a) && bottomLeft.contains(b))
        return {r.Left, r.Top, r.Right, Add(r.Bottom, dy)};
    if (topRight.contains(a) && bottomRight.contains(b))
        return Moved(Rect{r.Left, r.Top, r.Right, Add(r.Bottom, dy)}, dx, 0);
    return r;
}

bool FrameSkinUsable(const TbsFormInfo& info, Size picture) {
    const Rect cl = ClampRect(info.ClientRect);
    return picture.cx > 0 && picture.cy > 0 && !IsEmptyRect(cl) && cl.Left >= 0 && cl.Top >= 0 &&
           cl.Right <= picture.cx && cl.Bottom <= picture.cy;
}

namespace {

Rect Inset(const Rect& window, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    Rect r{Add(window.Left, left), Add(window.Top, top), Add(window.Right, -right),
           Add(window.Bottom, -bottom)};
    if (r.Right < r.Left)
        r.Right = r.Left;
    if (r.Bottom < r.Top)
        r.Bottom = r.Top;
    return r;
}

}  // namespace

Rect SkinnedClientRect(const Rect& window, const Rect& clientRect, Size picture) {
    const Rect cl = ClampRect(clientRect);
    return Inset(window, cl.Left, cl.Top, int64_t(picture.cx) - cl.Right, int64_t(picture.cy) - cl.Bottom);
}

Rect DefaultClientRect(const Rect& window, bool toolWindow) {
    const DefaultFrameMetrics m = DefaultFrameMetricsFor(toolWindow);
    return Inset(window, kDefaultBorder, m.captionHeight + kDefaultBorder, kDefaultBorder, kDefaultBorder);
}

Rect DefaultClientArea(Size size, bool toolWindow) {
    return DefaultClientRect({0, 0, size.cx, size.cy}, toolWindow);
}

}  // namespace skin
