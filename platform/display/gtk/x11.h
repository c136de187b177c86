// The few X11 calls of the GTK display, kept apart: the X headers define macros (CursorShape,
// IsKeypadKey, ...) that clash with the window system's names.
#pragma once

#include <gdk/gdk.h>

#include <cstdint>

namespace platform::gtk {

bool IsX11Display(GdkDisplay* display);
// Whether a window manager runs on the screen (none under a bare X server such as Xvfb).
bool WindowManagerRuns(GdkScreen* screen);
// Whether the window manager has the top-level `window` in its client list (it manages it from
// when it maps it until it has taken in that it was hidden).
bool WindowManagerManages(GdkWindow* window);
// The time of the user's last interaction, for focus requests the window manager should honour.
uint32_t LastUserTime(GdkDisplay* display);

}  // namespace platform::gtk
