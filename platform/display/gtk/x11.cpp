#include "platform/display/gtk/x11.h"

#include <X11/Xatom.h>
#include <gdk/gdkx.h>

namespace platform::gtk {

bool IsX11Display(GdkDisplay* display) {
    return display && GDK_IS_X11_DISPLAY(display);
}

bool WindowManagerRuns(GdkScreen* screen) {
    return g_strcmp0(gdk_x11_screen_get_window_manager_name(screen), "unknown") != 0;
}

bool WindowManagerManages(GdkWindow* window) {
    if (!window || !GDK_IS_X11_WINDOW(window))
        return false;
    Display* x = GDK_WINDOW_XDISPLAY(window);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status =
        XGetWindowProperty(x, DefaultRootWindow(x), XInternAtom(x, "_NET_CLIENT_LIST", False), 0, 1 << 16,
                           False, XA_WINDOW, &type, &format, &count, &after, &data);
    bool found = false;
    if (status == Success && data && format == 32) {
        const auto* clients = reinterpret_cast<const ::Window*>(data);
        const ::Window id = GDK_WINDOW_XID(window);
        for (unsigned long i = 0; i < count && !found; ++i) found = clients[i] == id;
    }
    if (data)
        XFree(data);
    return found;
}

uint32_t LastUserTime(GdkDisplay* display) {
    return gdk_x11_display_get_user_time(display);
}

}  // namespace platform::gtk
