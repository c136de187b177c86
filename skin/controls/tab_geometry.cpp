#include "skin/controls/tab_geometry.h"

namespace skin {

using platform::Rect;
using platform::Size;

bool IsSideColumn(TTabPosition position) {
    return position == TTabPosition::tpLeft || position == TTabPosition::tpRight;
}

Rect AdjustPageArea(const Rect& base, Size client, TTabPosition position,
                    const std::optional<BorderWidths>& borders) {
    const int32_t cw = client.cx, ch = client.cy;
    if (borders) {
        const BorderWidths& b = *borders;
        switch (position) {
            case TTabPosition::tpTop:
                return {b.left, base.Top + b.top - 6, cw - b.right, ch - b.bottom};
            case TTabPosition::tpBottom:
                return {b.left, base.Top + b.top - 4, cw - b.right, base.Bottom + 4 - b.bottom};
            case TTabPosition::tpLeft:
                return {base.Left + b.left - 4, base.Top + b.top - 4, cw - b.right, ch - b.bottom};
            case TTabPosition::tpRight:
                return {b.left, base.Top + b.top - 4, base.Right - b.right + 4, ch - b.bottom};
        }
    }
    // The built-in frame is one pixel wide; side columns start the page 1 pixel from the top, as
    // bottom rows do (the page then never reaches above the control).
    switch (position) {
        case TTabPosition::tpTop:
            return {1, base.Top - 5, cw - 1, ch - 1};
        case TTabPosition::tpBottom:
            return {1, 1, cw - 1, base.Bottom + 3};
        case TTabPosition::tpLeft:
            return {base.Left - 3, 1, cw - 1, ch - 1};
        case TTabPosition::tpRight:
            return {base.Left - 3, 1, base.Right + 3, ch - 1};
    }
    return base;
}

Rect DisplayAreaOf(const Rect& page, TTabPosition position) {
    Rect r = page;
    if (position == TTabPosition::tpTop)
        r.Top += 2;
    return r;
}

Rect FrameOf(const Rect& area, const BorderWidths& b) {
    return {area.Left - b.left, area.Top - b.top, area.Right + b.right, area.Bottom + b.bottom};
}

Rect RowFrameOf(const Rect& page, const BorderWidths& borders) {
    return FrameOf({page.Left, page.Top + 2, page.Right, page.Bottom}, borders);
}

Rect AdjustTabRect(const Rect& base, TTabPosition position, bool oneRow) {
    Rect r = base;
    switch (position) {
        case TTabPosition::tpTop:
        case TTabPosition::tpBottom: {
            if (oneRow)
                r = r.offsetBy(-2, 0);
            r = r.offsetBy(0, position == TTabPosition::tpTop ? -2 : 2);
            return r;
        }
        case TTabPosition::tpLeft:
            return r.offsetBy(-2, 0);
        case TTabPosition::tpRight:
            return r.offsetBy(2, 0);
    }
    return r;
}

Rect TabRectOf(const Rect& adjusted, int index, bool oneRow) {
    Rect r = adjusted;
    if (index == 0 && oneRow)
        r.Left += 1;
    return r;
}

Rect ActiveTabExtent(const Rect& tab, TTabPosition position, int32_t rise) {
    Rect r = tab;
    switch (position) {
        case TTabPosition::tpTop:
            r.Bottom += rise;
            break;
        case TTabPosition::tpBottom:
            r.Top -= rise;
            break;
        case TTabPosition::tpLeft:
            r.Right += rise;
            break;
        case TTabPosition::tpRight:
            r.Left -= rise;
            break;
    }
    return r;
}

Rect RowStripRect(const Rect& frame, Size client, TTabPosition position) {
    switch (position) {
        case TTabPosition::tpTop:
            return {0, 0, client.cx, frame.Top};
        case TTabPosition::tpBottom:
            return {0, frame.Bottom, client.cx, client.cy};
        case TTabPosition::tpLeft:
            return {0, 0, frame.Left, client.cy};
        case TTabPosition::tpRight:
            return {frame.Right, 0, client.cx, client.cy};
    }
    return {};
}

Rect TurnedCloseRect(const Rect& box, Size face, TTabPosition position) {
    // Left tabs are turned a quarter counter-clockwise, right tabs clockwise.
    if (position == TTabPosition::tpLeft)
        return {box.Top, face.cx - box.Right, box.Bottom, face.cx - box.Left};
    if (position == TTabPosition::tpRight)
        return {face.cy - box.Bottom, box.Left, face.cy - box.Top, box.Right};
    return box;
}

int HiddenTabCount(const std::vector<Rect>& tabRects, int32_t width, int32_t scrollerWidth) {
    const int32_t limit = width - scrollerWidth - 3;
    int n = 0;
    for (const Rect& r : tabRects)
        if (r.Right > limit || r.Right <= 0)
            ++n;
    return n;
}

int LeftHiddenTabCount(const std::vector<Rect>& tabRects) {
    int n = 0;
    for (const Rect& r : tabRects)
        if (r.Right <= 0)
            ++n;
    return n;
}

}  // namespace skin
