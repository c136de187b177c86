// Where windows are: SetWindowPos with the platform's message sequence, showing and hiding,
// minimising and maximising, z-order, and the coordinate conversions.
//
// SetWindowPos sends, in order: WM_WINDOWPOSCHANGING (unless SWP_NOSENDCHANGING; the handler may
// change the WINDOWPOS), WM_NCCALCSIZE when the size or the frame changes (the answer is the new
// client area), then applies the change and sends WM_WINDOWPOSCHANGED, which DefWindowProc turns
// into WM_MOVE and WM_SIZE when the client area moved or changed size. DefWindowProc answers
// WM_WINDOWPOSCHANGING of an overlapped or sizable window by keeping the size within the limits of
// WM_GETMINMAXINFO.
#pragma once

#include "platform/geometry.h"
#include "platform/window/styles.h"
#include "platform/window/types.h"

namespace platform {

// `insertAfter`: HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or a sibling to go below.
// Coordinates in the parent's client area (screen for a top-level window).
bool SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t width, int32_t height,
                  UINT flags);
bool MoveWindow(HWND hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint);
// Shows, hides, minimises, maximises or restores (SW_*); returns whether the window was visible
// before. Sends WM_SHOWWINDOW when the visibility changes. A minimised top-level window is hidden
// into its taskbar entry; restoring it brings it back where it was.
bool ShowWindow(HWND hwnd, int command);
// Top of the z-order among its siblings; activates a top-level window.
bool BringWindowToTop(HWND hwnd);

// In screen coordinates.
bool GetWindowRect(HWND hwnd, Rect* rect);
// In client coordinates: (0, 0, width, height).
bool GetClientRect(HWND hwnd, Rect* rect);
bool ClientToScreen(HWND hwnd, Point* point);
bool ScreenToClient(HWND hwnd, Point* point);
// Converts points from the client coordinates of `from` to those of `to` (HWND_DESKTOP: screen).
// Returns the offset as MAKELONG(dx, dy) like the platform, 0 on failure (or for a zero offset).
int MapWindowPoints(HWND from, HWND to, Point* points, unsigned count);
int MapWindowPoints(HWND from, HWND to, Rect* rect);

// The rectangle a window returns to from minimised or maximised (its current one when normal),
// in the parent's client coordinates.
bool GetNormalRect(HWND hwnd, Rect* rect);

}  // namespace platform
