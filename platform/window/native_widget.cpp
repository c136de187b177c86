#include "platform/window/native_widget.h"

#include "platform/window/state.h"

namespace platform {

using namespace win;

bool AttachNativeWidget(HWND host, NativeWidget* widget) {
    WindowRecord* w = Find(host);
    if (!w)
        return false;
    NativeWidget* old = w->nativeWidget;
    w->nativeWidget = widget;
    if (old && old != widget) {
        if (Display* display = CurrentDisplay())
            display->placeNativeWidget(old, TopLevelOf(host), {}, false);
    }
    PlaceNativeWidgets();
    return true;
}

}  // namespace platform
