#include "skin/frame/frame_layout.h"

#include "skin/render/nine_part_layout.h"
#include "skin/render/rect_helpers.h"

namespace skin {

using platform::Rect;
using platform::Size;

namespace {

bool Placed(const FrameObjectPlacement& o) {
    return o.visible && o.skinRectInAPicture;
}

FrameObjectPlacement* FirstPlacedWith(std::span<FrameObjectPlacement> objects, TStdCommand command) {
    for (FrameObjectPlacement& o : objects)
        if (Placed(o) && o.command == command)
            return &o;
    return nullptr;
}

FrameObjectPlacement* FirstCaption(std::span<FrameObjectPlacement> objects) {
    for (FrameObjectPlacement& o : objects)
        if (o.kind == FrameObjectKind::Caption)
            return &o;
    return nullptr;
}

int32_t Add(int64_t a, int64_t b) {
    return ClampCoordinate(a + b);
}

}  // namespace

Size PlacedSize(const FrameObjectPlacement& o, std::optional<Size> systemMenuIcon) {
    if (o.command == TStdCommand::cmSysMenu && systemMenuIcon)
        return *systemMenuIcon;
    return {ClampCoordinate(WidthOfRect(o.skinRect)), ClampCoordinate(HeightOfRect(o.skinRect))};
}

void FrameButtonRow::place(FrameObjectPlacement& o) {
    const Size s = PlacedSize(o, icon);
    if (rightwards) {
        o.rect = {x, top, Add(x, s.cx), Add(top, s.cy)};
        x = Add(x, int64_t(s.cx) + offset);
    } else {
        o.rect = {Add(x, -int64_t(s.cx)), top, x, Add(top, s.cy)};
        x = Add(x, -(int64_t(s.cx) + offset));
    }
}

void LayoutFrameObjects(const FrameGeometry& g, std::span<FrameObjectPlacement> objects,
                        std::optional<Size> systemMenuIcon) {
    for (FrameObjectPlacement& o : objects)
        o.rect = o.skinRectInAPicture ? ClampRect(o.skinRect) : MapSkinRect(g, o.skinRect);
    const Rect area = !IsEmptyRect(g.buttonsArea) ? g.buttonsArea : g.captionArea;
    if (IsEmptyRect(area))
        return;
    const bool buttonsAreaEmpty = IsEmptyRect(g.buttonsArea);
    FrameButtonRow row{g.buttonsInLeft ? area.Left : area.Right, area.Top, g.buttonsOffset, g.buttonsInLeft,
                       systemMenuIcon};
    for (TStdCommand command : kButtonRowOrder)
        if (FrameObjectPlacement* o = FirstPlacedWith(objects, command))
            row.place(*o);
    for (FrameObjectPlacement& o : objects)
        if (Placed(o) && o.command == TStdCommand::cmDefault)
            row.place(o);

    FrameObjectPlacement* caption = FirstCaption(objects);
    FrameObjectPlacement* systemMenu = FirstPlacedWith(objects, TStdCommand::cmSysMenu);
    if (!g.buttonsInLeft) {
        if (buttonsAreaEmpty && caption)
            caption->rect.Right = Add(row.x, g.buttonsOffset);
        if (systemMenu) {
            const Size s = PlacedSize(*systemMenu, systemMenuIcon);
            const Rect& c = g.captionArea;
            const int32_t top = Add(int64_t(c.Top) + HeightOfRect(c) / 2, -int64_t(s.cy / 2));
            systemMenu->rect = {c.Left, top, Add(c.Left, s.cx), Add(top, s.cy)};
            if (caption)
                caption->rect.Left = systemMenu->rect.Right;
        }
    } else if (buttonsAreaEmpty) {
        if (systemMenu)
            row.place(*systemMenu);
        if (caption)
            caption->rect.Left = Add(row.x, g.buttonsOffset);
    }
}

Rect LayoutDefaultFrameObjects(Size size, bool toolWindow, std::span<FrameObjectPlacement> objects,
                               std::optional<Size> systemMenuIcon) {
    const DefaultFrameMetrics m = DefaultFrameMetricsFor(toolWindow);
    Rect caption{kDefaultBorder, kDefaultBorder, size.cx - kDefaultBorder, m.captionHeight};
    const Size square{m.buttonSize, m.buttonSize};
    int32_t x = size.cx - kDefaultBorder;
    for (TStdCommand command : kButtonRowOrder) {
        for (FrameObjectPlacement& o : objects) {
            if (o.visible && o.command == command) {
                o.rect = {x - square.cx, 4, x, 4 + square.cy};
                x -= square.cx;
                break;
            }
        }
    }
    caption.Right = x;
    for (FrameObjectPlacement& o : objects) {
        if (o.visible && o.command == TStdCommand::cmSysMenu) {
            const Size s = systemMenuIcon.value_or(square);
            o.rect = platform::rectOfSize(kDefaultBorder, 4, s.cx, s.cy);
            caption.Left = o.rect.Right;
            break;
        }
    }
    return caption;
}

}  // namespace skin
