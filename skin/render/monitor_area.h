// The screen area a window may use: its monitor's work area or bounds.
#pragma once

#include "platform/geometry.h"
#include "platform/window/types.h"

namespace skin {

// With more than one monitor (and the monitor calls present): the work area (`workArea`) or the
// bounds of the monitor nearest to `window`; `out` stays as it was when the monitor cannot be
// asked. With one monitor: the system work area, or (0, 0, screen width, screen height).
void MonitorAreaOf(platform::HWND window, bool workArea, platform::Rect& out);

}  // namespace skin
