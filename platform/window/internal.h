// Calls the parts of the window system make to each other. Internal to platform/window.
#pragma once

#include "platform/gfx/region.h"
#include "platform/window/state.h"
#include "platform/window/types.h"

namespace platform::win {

// --- window.cpp ---
// WM_PARENTNOTIFY up the chain of parents of a child window, unless WS_EX_NOPARENTNOTIFY stops it.
void SendParentNotify(HWND child, UINT event, LPARAM lParam);

// --- window_pos.cpp ---
// Limits a proposed size to the window's tracking size (WM_GETMINMAXINFO), as overlapped and
// sizable windows are limited.
void ClampToTrackingSize(HWND hwnd, int32_t* width, int32_t* height);
// The limits and maximised place of a window, after WM_GETMINMAXINFO.
MINMAXINFO QueryMinMaxInfo(HWND hwnd);
// Puts a top-level window at its place in the z-order (top of its band, or below `after`), keeping
// owned windows above their owner.
void RestackTopLevel(HWND hwnd, HWND insertAfter);

// --- painting.cpp ---
// Sends WM_PAINT; a window whose procedure did not call BeginPaint counts as painted afterwards.
LRESULT SendPaint(HWND hwnd);
// Adds to (or removes from) the update region; `area` in window coordinates.
void InvalidateWindowArea(HWND hwnd, const Region& area, UINT flags);
// The area a DC of the window may draw in, in its top-level window's coordinates.
Region VisibleRegion(HWND hwnd, bool wholeWindow);
// The next window with something to paint (parents before children, top-level windows in
// z-order), or null.
HWND NextWindowToPaint(HWND filter);
// Tells the display that a part of a top-level window's pixels changed (top-level coordinates).
void ReportSurfaceChange(HWND topLevel, const Rect& area);
// After a top-level window changed size: its surface takes the new size.
void ResizeSurface(HWND topLevel);

// --- activation.cpp ---
// `how`: WA_ACTIVE or WA_CLICKACTIVE.
void ActivateWindow(HWND hwnd, WORD how);
// The window lost activation for good (hidden, minimised, destroyed): another one takes it.
void ActivateOtherWindow(HWND leaving);
void SetApplicationActive(bool active);

// --- input_queue.cpp ---
// Takes the next raw input event and turns it into the messages it makes (none for a consumed
// click or a focus change, one per character for committed text), queued as ready input.
void ConvertNextInput();
// The window under a screen point and its hit-test code, by WindowFromPoint's rules (HTERROR for
// a disabled top-level window).
HWND HitTestPoint(Point screen, int* hit);
// What the window system does with events while the display is pumped.
InputSink& InputSinkOf();

// --- frame.cpp ---
// Paints the platform frame directly (WM_NCPAINT, WM_SETTEXT, WM_NCACTIVATE), with one caption
// button (HTCLOSE, HTMINBUTTON, HTMAXBUTTON) drawn pressed.
void PaintDefaultFrame(HWND hwnd, bool active, int pressedButton = 0);

// --- size_move.cpp ---
// The move loop (SC_MOVE) or the size loop (SC_SIZE + WMSZ_ edge) of DefWindowProc.
void RunSizeMoveLoop(HWND hwnd, WPARAM command, LPARAM lParam);
// Tracks a press on a caption button until the release; true when released over the button.
bool TrackCaptionButton(HWND hwnd, int button);

// --- message_loop.cpp ---
// A message filter of GetMessage and PeekMessage: `filter` itself or one of its children (null:
// any window).
bool MatchesWindowFilter(HWND target, HWND filter);
// The next message for a loop of the platform's own (move, size, caption button), waiting for the
// user; false when no message can ever come.
bool WaitForLoopMessage(MSG* msg);

// --- timers.cpp ---
// The tick count when the next timer of `filter` (or its children; null: any) is due, if any.
std::optional<uint32_t> NextTimerDue(HWND filter = nullptr);
// A WM_TIMER for a due timer (restarting it when `remove`).
bool TakeTimerMessage(MSG* msg, HWND filter, bool remove);

}  // namespace platform::win
