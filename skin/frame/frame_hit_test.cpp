#include "skin/frame/frame_hit_test.h"

#include <cstdint>

#include "platform/window/messages.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using namespace platform;

namespace {

bool InCaption(const FrameHitTestInput& in, Point p) {
    for (const Rect& r : in.captionDragAreas)
        if (r.contains(p))
            return true;
    return false;
}

// A pixel of a strip is black; one outside the strip is not.
bool BlackIn(const Picture& strip, int64_t x, int64_t y) {
    if (x < 0 || y < 0 || x >= strip.width() || y >= strip.height())
        return false;
    return (strip.pixel(int32_t(x), int32_t(y)) & 0x00FFFFFFu) == 0;
}

// Whether a probe lies inside the window's shape as the mask strips draw it.
bool InShape(const FrameHitTestInput& in, Point q) {
    const Rect& mask = in.geometry->maskArea;
    if (mask.contains(q))
        return true;
    const FrameStrips& s = *in.maskStrips;
    if (q.Y < mask.Top)
        return BlackIn(s.Top, q.X, q.Y);
    if (q.Y < mask.Bottom) {
        if (q.X >= mask.Left)
            return BlackIn(s.Right, int64_t(q.X) - mask.Right, int64_t(q.Y) - mask.Top);
        return BlackIn(s.Left, q.X, int64_t(q.Y) - mask.Top);
    }
    return BlackIn(s.Bottom, q.X, int64_t(q.Y) - mask.Bottom);
}

bool NearEdge(const FrameHitTestInput& in, Point p) {
    // A damaged skin's border width is any number: the probes saturate instead of overflowing.
    const int64_t bw = in.borderWidth;
    const Point probes[] = {{Saturated(p.X - bw), p.Y},
                            {p.X, Saturated(p.Y - bw)},
                            {Saturated(p.X + bw), p.Y},
                            {p.X, Saturated(p.Y + bw)}};
    const Size w = in.geometry->window;
    const Rect whole{0, 0, w.cx, w.cy};
    const bool masked = in.maskStrips != nullptr;
    if (masked && in.geometry->maskArea.contains(p))
        return false;
    for (const Point& q : probes)
        if (masked ? !InShape(in, q) : !whole.contains(q))
            return true;
    return false;
}

int SizingCode(const FrameGeometry& g, Point p) {
    const Rect& cl = g.newLayout.Cl;
    const Point lt = g.hitTestLeftTop, rt = g.hitTestRightTop, lb = g.hitTestLeftBottom,
                rb = g.hitTestRightBottom;
    if (p.X <= lt.X && p.Y <= lt.Y)
        return HTTOPLEFT;
    if (p.X >= rt.X && p.Y <= rt.Y)
        return HTTOPRIGHT;
    if (p.X <= lb.X && p.Y >= lb.Y)
        return HTBOTTOMLEFT;
    if (p.X >= rb.X && p.Y >= rb.Y)
        return HTBOTTOMRIGHT;
    if (Rect{lt.X, 0, rt.X, cl.Top}.contains(p))
        return HTTOP;
    if (Rect{lb.X, cl.Bottom, rb.X, g.window.cy}.contains(p))
        return HTBOTTOM;
    if (Rect{0, lt.Y, cl.Left, lb.Y}.contains(p))
        return HTLEFT;
    if (Rect{cl.Right, rt.Y, g.window.cx, rb.Y}.contains(p))
        return HTRIGHT;
    return HTNOWHERE;
}

}  // namespace

int HitTestSkinnedFrame(const FrameHitTestInput& in, Point p) {
    const bool caption = InCaption(in, p);
    if (!in.geometry || in.rolledUp || in.state == HitTestWindowState::Minimized)
        return caption ? HTCAPTION : HTOBJECT;
    const FrameGeometry& g = *in.geometry;
    const bool client = g.newLayout.Cl.contains(p);
    if (in.objectHot && !caption && !client)
        return HTOBJECT;
    if (in.state != HitTestWindowState::Maximized && in.resizable) {
        if (!NearEdge(in, p))
            return client ? HTCLIENT : caption ? HTCAPTION : HTOBJECT;
        if (const int code = SizingCode(g, p); code != HTNOWHERE)
            return code;
    }
    if (client)
        return HTCLIENT;
    return caption ? HTCAPTION : HTOBJECT;
}

}  // namespace skin
