// Where the frame objects go for a window size: objects drawn on the frame picture follow it
// (MapSkinRect); caption buttons drawn from pictures of their own are laid out in a row in the
// buttons area (or the caption area), the system-menu button at the caption's left end, and the
// caption bar shrinks to the room between them. Pure functions: the frame component, hit testing
// and skinview call them.
//
//   caption area:  [sys] caption ..................................
//   [cmdefault][tray][rollup][min][max][close]
//                        ^ left after the system-menu button                  ^ right edge of the area, x
//                                                            leftwards by width + buttons offset
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/geometry.h"
#include "skin/data/value_types.h"
#include "skin/frame/frame_geometry.h"

namespace skin {

// The kinds of frame objects, one per skin object record type that makes one.
enum class FrameObjectKind { Caption, StdButton, Button, Animate, User };

// What the layout needs of one frame object, and what it gives back (rect, the ObjectRect).
struct FrameObjectPlacement {
    FrameObjectKind kind = FrameObjectKind::User;
    std::optional<TStdCommand> command;  // caption buttons and animate objects
    platform::Rect skinRect;
    bool skinRectInAPicture = false;  // false: drawn on the frame picture
    bool visible = true;
    platform::Rect rect;  // window coordinates
};

// The size an object takes in a layout: its skin rectangle's, or the icon's for a system-menu button
// that shows the window icon.
platform::Size PlacedSize(const FrameObjectPlacement& o, std::optional<platform::Size> systemMenuIcon);

// A row of buttons placed one after another from `x` along `top`, leftwards (each ends at `x`) or
// rightwards, `offset` apart; `x` moves past each button placed.
struct FrameButtonRow {
    int32_t x;
    int32_t top;
    int32_t offset;
    bool rightwards;
    std::optional<platform::Size> icon;
    void place(FrameObjectPlacement& o);
};

// Lays the objects out for the geometry. `systemMenuIcon` is the size the system-menu button takes
// when it shows the window icon instead of its skin face.
void LayoutFrameObjects(const FrameGeometry& g, std::span<FrameObjectPlacement> objects,
                        std::optional<platform::Size> systemMenuIcon);

// The plain frame's layout for a window of `size`: the caption rectangle (window coordinates) and
// the places of its buttons, right to left from W - 3 at top 4, square, without gaps; the
// system-menu button at (3, 4). Buttons are the visible objects with a command; the caption starts
// right of the system-menu button and ends at the leftmost right-hand button.
platform::Rect LayoutDefaultFrameObjects(platform::Size size, bool toolWindow,
                                         std::span<FrameObjectPlacement> objects,
                                         std::optional<platform::Size> systemMenuIcon);

// The window commands in the order their buttons are laid out from the outer edge inwards.
constexpr TStdCommand kButtonRowOrder[] = {TStdCommand::cmClose, TStdCommand::cmMaximize,
                                           TStdCommand::cmMinimize, TStdCommand::cmRollUp,
                                           TStdCommand::cmMinimizeToTray};

}  // namespace skin
