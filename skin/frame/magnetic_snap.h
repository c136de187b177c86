// Magnetic window edges: a window dragged within MagneticSize pixels of its monitor's work area
// sticks to that edge, and stays stuck until the pointer has moved more than MagneticSize pixels
// from where it was when the window snapped; then the window tears away and follows the pointer.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace skin {

struct MagneticEdges {
    bool left = false, top = false, right = false, bottom = false;
    // The pointer where the window last snapped (or where the drag started).
    platform::Point saved;
    void Unstick() { left = top = right = bottom = false; }
};

// The top-left a proposed `topLeft` of a window of `size` takes near the edges of `area`, the
// pointer being at `cursor`; `edges` remembers which edges hold the window.
platform::Point SnapToScreenEdges(MagneticEdges& edges, platform::Point topLeft, platform::Size size,
                                  const platform::Rect& area, int32_t magneticSize, platform::Point cursor);

}  // namespace skin
