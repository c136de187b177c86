#include "skin/menus/popup_geometry.h"

#include <algorithm>
#include <numeric>

#include "skin/menus/menu_skin.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using platform::Point;
using platform::Rect;
using platform::Size;

MenuMetrics MetricsOf(const MenuSkin& skin, int32_t defaultItemHeight) {
    MenuMetrics m;
    m.defaultItemHeight = std::max(defaultItemHeight, 0);
    if (skin.popup) {
        m.skinnedFrame = true;
        m.picture = {skin.window->width(), skin.window->height()};
        m.frame = ClampLayout(PopupWindowLayout(*skin.popup));
    }
    if (skin.item) {
        m.skinnedItems = true;
        m.face = ClampRect(skin.item->SkinRect);
        m.divider = ClampRect(skin.item->DividerRect);
        m.textRect = ClampRect(skin.item->TextRect);
    }
    return m;
}

int32_t MenuItemHeight(const MenuMetrics& metrics, bool separator) {
    if (metrics.skinnedItems)
        return std::max(HeightOfRect(separator ? metrics.divider : metrics.face), 0);
    return separator ? 4 : metrics.defaultItemHeight;
}

int32_t GlyphColumnWidth(std::optional<int32_t> imageWidth) {
    return imageWidth ? ClampCoordinate(int64_t(*imageWidth) + 5) : 19;
}

PopupSize SizePopup(const MenuMetrics& m, std::span<const int32_t> heights, int32_t widestText,
                    int32_t glyphColumn, int32_t maxItems, const Rect& workArea) {
    const int64_t a = int64_t(widestText) + glyphColumn + 19;
    int64_t width = a + 10;
    if (m.skinnedFrame)
        width = a + m.textRect.Left + (WidthOfRect(m.face) - m.textRect.Right) + m.picture.cx -
                WidthOfRect(m.frame.Cl);
    const int64_t frameHeight = m.skinnedFrame ? int64_t(m.picture.cy) - HeightOfRect(m.frame.Cl) : 4;

    PopupSize result;
    int64_t height = 0;
    if (maxItems > 0 && size_t(maxItems) < heights.size()) {
        const int64_t itemHeight = m.skinnedItems ? std::max(HeightOfRect(m.face), 0) : m.defaultItemHeight;
        height = maxItems * itemHeight + frameHeight + kItemMaximumMarkerRoom;
        result.scrollMode = result.scrollByMaximum = true;
    } else {
        height = std::accumulate(heights.begin(), heights.end(), int64_t(0)) + frameHeight;
    }
    if (height > workArea.height()) {
        height = workArea.height();
        result.scrollMode = true;
    }
    // A damaged skin or a huge caption cannot make a popup the screen cannot show.
    result.size = {int32_t(std::clamp<int64_t>(width, 1, std::max(workArea.width(), 1))),
                   int32_t(std::clamp<int64_t>(height, 1, std::max(workArea.height(), 1)))};
    return result;
}

NinePartLayout PopupLayout(const MenuMetrics& m, Size size) {
    if (m.skinnedFrame)
        return ResizeLayout(m.picture, m.frame, size);
    NinePartLayout plain;
    plain.Cl = {2, 2, size.cx - 2, size.cy - 2};
    return plain;
}

ItemRun LayOutItems(const Rect& newCl, bool scrollMode, int first, std::span<const int32_t> heights) {
    ItemRun run;
    const int count = int(heights.size());
    run.rects.resize(heights.size());
    run.first = std::clamp(first, 0, count);
    const int32_t marker = scrollMode ? kScrollMarkerHeight : 0;
    int64_t y = int64_t(newCl.Top) + marker;
    const int64_t limit = int64_t(newCl.Bottom) - marker;
    for (int i = run.first; i < count; ++i) {
        const int64_t bottom = y + heights[size_t(i)];
        if (bottom > limit)
            break;
        run.rects[size_t(i)] = {newCl.Left, ClampCoordinate(y), newCl.Right, ClampCoordinate(bottom)};
        y = bottom;
        ++run.shown;
    }
    return run;
}

int PageEndingAt(const Rect& newCl, std::span<const int32_t> heights, int last) {
    const int count = int(heights.size());
    if (count == 0)
        return 0;
    last = std::clamp(last, 0, count - 1);
    const int64_t top = int64_t(newCl.Top) + kScrollMarkerHeight;
    int64_t bottom = int64_t(newCl.Bottom) - kScrollMarkerHeight;
    int first = last + 1;
    while (first > 0 && bottom - heights[size_t(first - 1)] >= top) {
        bottom -= heights[size_t(first - 1)];
        --first;
    }
    return std::min(first, last);
}

ScrollMarkers MarkerRects(bool skinnedFrame, const Rect& newCl, Size size) {
    if (!skinnedFrame)
        return {{3, 3, size.cx - 3, 13}, {3, size.cy - 10, size.cx - 3, size.cy - 3}};
    return {{newCl.Left, newCl.Top, newCl.Right, ClampCoordinate(int64_t(newCl.Top) + kScrollMarkerHeight)},
            {newCl.Left, ClampCoordinate(int64_t(newCl.Bottom) - kScrollMarkerHeight), newCl.Right,
             newCl.Bottom}};
}

Placement PlacePopup(const PlacementRequest& q) {
    const Rect& A = q.workArea;
    const Rect& r = q.anchor;
    const int64_t W = q.size.cx, H = q.size.cy, top = q.clientTop;
    const bool upperHalf = r.Top < A.Top + A.height() / 2;
    Placement p;
    int64_t y = 0;
    if (q.scrollMode && !q.scrollByMaximum) {
        y = A.Top;
    } else if (q.submenu) {
        if (r.Top - top + H <= A.Bottom)
            y = r.Top - top;
        else if (upperHalf)
            y = A.Bottom - H;
        else
            y = std::max<int64_t>(A.Top, r.Bottom + top - H);
    } else if (q.upward) {
        if (r.Top - H >= A.Top) {
            y = r.Top - H;
        } else if (upperHalf && r.Bottom + H <= A.Bottom) {
            y = r.Bottom;
        } else {
            p.beside = true;
            y = upperHalf ? A.Bottom - H : A.Top;
        }
    } else {
        if (r.Bottom + H <= A.Bottom) {
            y = r.Bottom;
        } else if (!upperHalf && r.Top - H >= A.Top) {
            y = r.Top - H;
        } else {
            p.beside = true;
            y = upperHalf ? A.Bottom - H : A.Top;
        }
    }
    int64_t x = 0;
    if (!q.submenu && (!q.scrollMode || q.scrollByMaximum) && !p.beside) {
        if (r.Left + W > A.Right)
            x = A.Right - W;
        else if (r.Left < A.Left)
            x = A.Left;
        else
            x = r.Left;
    } else {
        x = r.Right + W + 1 <= A.Right ? r.Right + 1 : r.Left - W - 1;
    }
    p.topLeft = {ClampCoordinate(x), ClampCoordinate(y)};
    return p;
}

}  // namespace skin
