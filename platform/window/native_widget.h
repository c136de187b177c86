// Native widgets of the display (the embedded browser) hosted by a window: the widget covers the
// host window's rectangle inside its top-level window and is shown while the host is visible,
// following every move, resize, show and hide of the host and its ancestors.
#pragma once

#include <vector>

#include "platform/display/input_event.h"
#include "platform/window/types.h"

namespace platform {

struct NativeWidget;

// Attaches the widget to the host (null detaches and hides the one attached). False for a bad
// handle.
bool AttachNativeWidget(HWND host, NativeWidget* widget);

// The window's short-cuts: these keys reach the window system (and so the window's focus window)
// even while a native widget inside the top-level window has the keyboard. False for a bad handle
// or a window that is not top-level.
bool ClaimKeysFromNativeWidgets(HWND topLevel, std::vector<KeyChord> keys);

}  // namespace platform
