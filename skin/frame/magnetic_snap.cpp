#include "skin/frame/magnetic_snap.h"

#include <cstdlib>

namespace skin {

using namespace platform;

namespace {

// One edge on one axis: `edge` is where the window's position would be when stuck to it.
int64_t SnapAxis(int64_t position, int64_t edge, bool near, bool& stuck, int32_t& saved, int32_t cursor,
                 int32_t m) {
    int64_t result = position;
    bool held = false;
    if (near && !stuck) {
        result = edge;
        saved = cursor;
    } else if (stuck && std::llabs(int64_t(cursor) - saved) > m) {
        result = int64_t(cursor) + edge - saved;
    } else if (stuck) {
        result = edge;
        held = true;
    }
    // A stuck window stays stuck while the pointer is within the magnetic distance of where it
    // snapped, even where the proposed position has left the edge's reach.
    stuck = near || held;
    return result;
}

int32_t Clamp32(int64_t v) {
    return int32_t(v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : v);
}

}  // namespace

Point SnapToScreenEdges(MagneticEdges& edges, Point topLeft, Size size, const Rect& area, int32_t m,
                        Point cursor) {
    int64_t left = topLeft.X, top = topLeft.Y;
    const bool nearLeft = std::llabs(left - area.Left) < m;
    const bool nearTop = std::llabs(top - area.Top) < m;
    left = SnapAxis(left, area.Left, nearLeft, edges.left, edges.saved.X, cursor.X, m);
    top = SnapAxis(top, area.Top, nearTop, edges.top, edges.saved.Y, cursor.Y, m);
    const bool nearRight = std::llabs(left + size.cx - area.Right) < m;
    const bool nearBottom = std::llabs(top + size.cy - area.Bottom) < m;
    left = SnapAxis(left, int64_t(area.Right) - size.cx, nearRight, edges.right, edges.saved.X, cursor.X, m);
    top = SnapAxis(top, int64_t(area.Bottom) - size.cy, nearBottom, edges.bottom, edges.saved.Y, cursor.Y, m);
    return {Clamp32(left), Clamp32(top)};
}

}  // namespace skin
