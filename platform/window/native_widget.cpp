#include "platform/window/native_widget.h"

#include <utility>

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

bool ClaimKeysFromNativeWidgets(HWND topLevel, std::vector<KeyChord> keys) {
    if (!Find(topLevel) || TopLevelOf(topLevel) != topLevel)
        return false;
    if (Display* display = CurrentDisplay())
        display->claimKeys(topLevel, std::move(keys));
    return true;
}

}  // namespace platform
