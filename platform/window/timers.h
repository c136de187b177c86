// Window timers and the clock they run on.
//
// The clock is the display's (Display::tickCount): real milliseconds on a desktop, a clock the test
// drives on the headless display. A timer is due `elapse` milliseconds after it was set or last
// fired; a due timer makes one WM_TIMER when the queue has nothing else to hand out, and however
// late that is, it fires once and is due again `elapse` after that moment (timers never catch up).
#pragma once

#include "platform/window/types.h"

namespace platform {

// Shorter intervals are raised to this, as on the platform.
constexpr UINT USER_TIMER_MINIMUM = 10;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// Starts or restarts timer `id` of the window; a window of null makes a timer of the loop itself
// with a new identifier. Returns the identifier, 0 for a bad window handle. With `proc` the timer
// calls it from DispatchMessage instead of the window procedure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
// False when there is no such timer.
bool KillTimer(HWND hwnd, UINT_PTR id);

// Milliseconds on the display's clock (0 without a display).
DWORD GetTickCount();

}  // namespace platform
