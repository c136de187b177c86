// Focus and activation.
//
// One top-level window is active (its frame shows it and it takes keys through its focus window);
// activation sends WM_NCACTIVATE and WM_ACTIVATE to the window losing it and then to the window
// gaining it (with WM_ACTIVATEAPP to every top-level window when the application as a whole gains
// or loses activation in between), and DefWindowProc gives the newly active window the focus.
// Focus changes send WM_KILLFOCUS to the old focus window, then WM_SETFOCUS to the new one.
#pragma once

#include "platform/window/types.h"

namespace platform {

// Returns the previous focus window; null when `hwnd` is not a window (nothing changes). A null
// `hwnd` takes the focus away. Focusing a window activates its top-level window first.
HWND SetFocus(HWND hwnd);
HWND GetFocus();

// Activates a top-level window (a child's top-level window for a child); returns the previously
// active window. Disabled or hidden windows are refused (null).
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
// Activates the window and brings it to the top.
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

}  // namespace platform
