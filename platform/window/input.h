// Mouse and keyboard: hit testing, capture, the cursor, mouse-leave tracking and the key state.
//
// Input from the display is turned into messages when the loop takes it (window/input_queue.cpp):
// the window under the pointer is found by WindowFromPoint's rules and asked WM_NCHITTEST; it gets
// WM_SETCURSOR, then for a press in an inactive top-level window WM_MOUSEACTIVATE, then the client
// message (HTCLIENT, client coordinates) or the non-client one (wParam the hit code, screen
// coordinates). While a window holds the capture every mouse message goes to it as a client
// message. Double-clicks: a second press of the same button on the same window within
// GetDoubleClickTime and SM_CXDOUBLECLK x SM_CYDOUBLECLK; client double-clicks need CS_DBLCLKS.
// Keys go to the focus window, or as WM_SYSKEY* to the active window when nothing has the focus;
// keys while Alt is held (and F10) are WM_SYSKEYDOWN / WM_SYSKEYUP.
#pragma once

#include "platform/geometry.h"
#include "platform/window/types.h"

namespace platform {

// The deepest visible, enabled window under the screen point: top-level windows in z-order, then
// their children; a window's shape limits it, a layered window with WS_EX_TRANSPARENT lets the
// pointer through, and a window answering HTTRANSPARENT to WM_NCHITTEST hands the point on to the
// windows below it. Null when the point is on no window.
HWND WindowFromPoint(Point screen);
// The child of `parent` (or `parent` itself) containing the point in `parent`'s client coordinates,
// hidden and disabled children included; null when the point is outside `parent`.
HWND ChildWindowFromPoint(HWND parent, Point client);

// Returns the previous capture window. WM_CAPTURECHANGED goes to the window losing the capture.
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

// Takes the keyboard of the whole desktop for the top-level window of `hwnd` (null gives it back),
// as an open menu does: other programs and the window manager get no keys meanwhile. Where keys
// go inside the program does not change (the focus window, as always). The grab ends by itself
// when its window is destroyed. Returns the previous grab window.
HWND SetKeyboardGrab(HWND hwnd);
HWND GetKeyboardGrab();

bool GetCursorPos(Point* point);
// Moves the pointer; the windows under it hear of it as of a pointer move.
bool SetCursorPos(int32_t x, int32_t y);

// Standard cursors (LoadCursor(nullptr, IDC_...)).
constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;
// A standard cursor; null for an unknown one. The first argument exists for the platform's shape
// of the call and must be null.
HCURSOR LoadCursor(std::nullptr_t, int id);
// Shows the cursor and returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// TME_LEAVE (with TME_NONCLIENT for the non-client area): WM_MOUSELEAVE / WM_NCMOUSELEAVE is posted
// once when the pointer leaves that part of the window; TME_CANCEL ends the tracking, TME_QUERY
// fills in the present tracking.
bool TrackMouseEvent(TRACKMOUSEEVENT* track);

UINT GetDoubleClickTime();

// High bit (negative result): the key is down; low bit: toggled (Caps Lock and the like). As of
// the last input message taken from the queue.
int16_t GetKeyState(int vk);
// The same, as the display reports it right now.
int16_t GetAsyncKeyState(int vk);

}  // namespace platform
