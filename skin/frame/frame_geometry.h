// The skinned window frame's geometry for a window of any size, as pure functions of the skin's
// FORMINFO values and the frame picture's size. Painting, hit testing, the region and skinview all
// read it from here; nothing else computes it.
//
// The frame picture (pw x ph) is cut by the four corner points and the client rectangle Cl; a
// window of W x H moves every point right of the left corners by dW = W - pw and every point below
// the top corners by dH = H - ph:
//
//   0      LT.X                        RT.X     pw          0      LT.X                RT.X + dW   W
//   +------+---------------------------+--------+           +------+-------  ...  -----+--------+
//   | top-left       caption area      top-right|           |      caption area (right + dW)   |
//   |  +-----------------------------------+    |    ->     |  +-------------  ...  ---------+  |
//   |  |   Cl                              |    |           |  |   NewCl (right + dW,        |  |
//   |  +-----------------------------------+    |           |  |          bottom + dH)       |  |
//   | bottom-left                  bottom-right |           |  +-------------  ...  ---------+  |
//   +------+---------------------------+--------+ ph        +------+-------  ...  -----+--------+ H
//          LB.X                        RB.X                        LB.X                RB.X + dW
//
// Every value is kept within the platform's coordinate range, so no skin value can overflow it.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "skin/data/form_info.h"
#include "skin/render/nine_part_layout.h"

namespace skin {

struct FrameGeometry {
    NinePartLayout layout;     // the skin's corner points and client rectangle
    NinePartLayout newLayout;  // NewLT, NewRT, NewLB, NewRB, NewCl for the window's size
    platform::Size picture;    // pw x ph
    platform::Size window;     // W x H
    platform::Rect captionArea;
    platform::Rect buttonsArea;
    int32_t buttonsOffset = 0;
    bool buttonsInLeft = false;
    platform::Point hitTestLeftTop, hitTestRightTop, hitTestLeftBottom, hitTestRightBottom;
    platform::Rect maskArea;
};

// The geometry for a window of `window` size.
FrameGeometry CalcFrameGeometry(const TbsFormInfo& info, platform::Size picture, platform::Size window);

// A rectangle of the frame picture moved to the window's size by the corner regions its corners
// fall in: one in the top-left corner stays, one reaching from the top-left into the top-right
// corner stretches with the width, and so on.
platform::Rect MapSkinRect(const FrameGeometry& g, const platform::Rect& r);

// Whether the skin's frame can be drawn at all: a frame picture, and a client rectangle that is not
// empty and lies inside it. A skin that fails this is drawn as the plain frame.
bool FrameSkinUsable(const TbsFormInfo& info, platform::Size picture);

// The client rectangle of a window rectangle under the skinned frame: the insets come from the frame
// picture alone (Cl.Left, Cl.Top, pw - Cl.Right, ph - Cl.Bottom). Right and bottom never fall short
// of left and top.
platform::Rect SkinnedClientRect(const platform::Rect& window, const platform::Rect& clientRect,
                                 platform::Size picture);

// The plain frame drawn while no skin is applied: a 3-pixel border and a caption bar of 19 pixels
// (15 for tool windows) with square buttons of 17 (13).
struct DefaultFrameMetrics {
    int32_t captionHeight = 19;
    int32_t buttonSize = 17;
};
constexpr int32_t kDefaultBorder = 3;
constexpr DefaultFrameMetrics DefaultFrameMetricsFor(bool toolWindow) {
    return toolWindow ? DefaultFrameMetrics{15, 13} : DefaultFrameMetrics{19, 17};
}
// The plain frame's client rectangle of a window rectangle.
platform::Rect DefaultClientRect(const platform::Rect& window, bool toolWindow);
// The plain frame's client rectangle in window coordinates for a window of `size`.
platform::Rect DefaultClientArea(platform::Size size, bool toolWindow);

}  // namespace skin
