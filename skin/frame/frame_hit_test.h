// Which part of a skinned window a point is: the answer to WM_NCHITTEST. Only the caption bar
// drags the window, only a resizable window's edges (within the skin's "borderwidth", shaped by its
// mask when it has one) size it, the client area is the client's, and everything else in the frame
// (buttons, the strips around the caption) is HTOBJECT, which the platform leaves alone.
//
//   +--LT------------------------RT--+      corners: x <= LT.X and y <= LT.Y is HTTOPLEFT, ...
//   |  HTTOP between LT.X and RT.X   |      edges:   HTTOP above NewCl between the top hit points,
//   |   [caption bar: HTCAPTION]     |               HTLEFT left of NewCl between the left ones, ...
//   |  +--------------------------+  |
//   |  |     NewCl: HTCLIENT      |  |      a point counts as near an edge when one of its four
//   |  +--------------------------+  |      probes, "borderwidth" away, leaves the window (shape)
//   +--LB------------------------RB--+
#pragma once

#include <cstdint>
#include <span>

#include "platform/geometry.h"
#include "skin/frame/frame_geometry.h"
#include "skin/render/frame_strips.h"

namespace skin {

enum class HitTestWindowState { Normal, Minimized, Maximized };

struct FrameHitTestInput {
    const FrameGeometry* geometry = nullptr;
    int32_t borderWidth = 0;
    // The frame's mask strips when the skin has a mask picture, else null.
    const FrameStrips* maskStrips = nullptr;
    // Where the caption bars lie (window coordinates); the first containing the point drags.
    std::span<const platform::Rect> captionDragAreas;
    HitTestWindowState state = HitTestWindowState::Normal;
    bool rolledUp = false;
    bool resizable = false;
    // An object is hot and no size/move loop runs: the object keeps the point.
    bool objectHot = false;
};

// The hit-test code (HT...) of a window-relative point.
int HitTestSkinnedFrame(const FrameHitTestInput& in, platform::Point p);

}  // namespace skin
