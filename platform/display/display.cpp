#include "platform/display/display.h"

#include <algorithm>

namespace platform {

Rect BoundsOfMonitors(std::span<const MonitorConfig> monitors) {
    Rect r = monitors.front().bounds;
    for (const MonitorConfig& m : monitors) {
        r = {std::min(r.Left, m.bounds.Left), std::min(r.Top, m.bounds.Top),
             std::max(r.Right, m.bounds.Right), std::max(r.Bottom, m.bounds.Bottom)};
    }
    return r;
}

}  // namespace platform
