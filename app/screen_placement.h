// Where the program's windows start: centred on the whole primary screen (not its work area), then
// lifted a little, so that a window that later grows downwards still fits.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace app {

// The top-left corner of a window of outer size `window` centred on `screen` and raised by `lift`
// pixels. Halves truncate toward zero (a window 3 pixels wider than the screen starts at -1, not
// -2); a window taller than the screen gets a negative top.
constexpr platform::Point CentredTopLeft(platform::Size screen, platform::Size window, int32_t lift) {
    return {(screen.cx - window.cx) / 2, (screen.cy - window.cy) / 2 - lift};
}

}  // namespace app
