// Native widgets of the display (the embedded browser) hosted by a window: the widget covers the
// host window's rectangle inside its top-level window and is shown while the host is visible,
// following every move, resize, show and hide of the host and its ancestors.
#pragma once

#include "platform/window/types.h"

namespace platform {

struct NativeWidget;

// Attaches the widget to the host (null detaches and hides the one attached). False for a bad
// handle.
bool AttachNativeWidget(HWND host, NativeWidget* widget);

}  // namespace platform
