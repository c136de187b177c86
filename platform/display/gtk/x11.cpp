#include "platform/display/gtk/x11.h"

#include <gdk/gdkx.h>

namespace platform::gtk {

bool IsX11Display(GdkDisplay* display) {
    return display && GDK_IS_X11_DISPLAY(display);
}

bool WindowManagerRuns(GdkScreen* screen) {
    return g_strcmp0(gdk_x11_screen_get_window_manager_name(screen), "unknown") != 0;
}

uint32_t LastUserTime(GdkDisplay* display) {
    return gdk_x11_display_get_user_time(display);
}

}  // namespace platform::gtk
