// Messages: sending (synchronous, re-entrant), posting into the one queue, window procedures that
// can be replaced and called in chain, and the message loop with its application-wide filter.
//
// What the queue hands out, in this order: posted messages, WM_QUIT once PostQuitMessage was called
// and no posted message is left, input (mouse and keyboard, turned into messages as they are taken,
// so that capture and hit testing apply at that moment), WM_PAINT for a window with something to
// repaint (parents before children), WM_TIMER for a due timer. Messages for a window that no longer
// exists are dropped.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/window/messages.h"
#include "platform/window/types.h"

namespace platform {

// Calls the window's procedure now and returns its answer; 0 for a bad handle. HWND_BROADCAST
// sends to every top-level window (and returns 0).
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues a message; a null window makes a message for the loop itself (MSG::hwnd null). False for
// a bad handle.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Calls `proc` (a procedure replaced by another one) for the window; 0 when `proc` is null or the
// window is gone.
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// What the platform does with any message nobody else handled (window/default_proc.cpp).
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Waits for a message for `hwnd` (null: any) in [first, last] (both 0: any). Returns 1 for a
// message, 0 for WM_QUIT, -1 when `hwnd` is not a window or no message can ever come (a headless
// display whose input script is exhausted, with no timer left).
int GetMessage(MSG* msg, HWND hwnd = nullptr, UINT first = 0, UINT last = 0);
// Takes (PM_REMOVE) or looks at (PM_NOREMOVE) the next message without waiting. With PM_QS_ flags
// added it takes only those kinds: posted messages and timers (PM_QS_POSTMESSAGE), WM_PAINT
// (PM_QS_PAINT), the user's input (PM_QS_INPUT). User input is the display's input and the
// keyboard, mouse and input-method messages posted for it (the characters TranslateMessage made of
// a key, a pointer's leave): a peek without PM_QS_INPUT leaves all of them queued, in order.
bool PeekMessage(MSG* msg, HWND hwnd = nullptr, UINT first = 0, UINT last = 0, UINT remove = PM_REMOVE);
// Blocks until a message is there that PeekMessage with these PM_QS_ flags (none: any message)
// would take; false when none can ever come.
bool WaitMessage(UINT kinds = 0);
// WM_KEYDOWN / WM_SYSKEYDOWN of a key that types something posts WM_CHAR / WM_SYSCHAR, one per
// code point. True when it did.
bool TranslateMessage(const MSG& msg);
// Calls the procedure of the message's window (WM_TIMER with a timer procedure calls that).
LRESULT DispatchMessage(const MSG& msg);
void PostQuitMessage(int exitCode);
// The cursor position and time of the last message taken from the queue.
Point GetMessagePos();
DWORD GetMessageTime();

// The application-wide message filter: sees every message the loop takes, before it is translated
// and dispatched; answering true consumes it. Replacing the filter returns the previous one, so
// that whoever takes it over (a skinned menu) can put it back.
using MessageFilter = std::function<bool(MSG& msg)>;
MessageFilter SetMessageFilter(MessageFilter filter);
const MessageFilter& GetMessageFilter();

// One message through the filter, TranslateMessage and DispatchMessage.
void ProcessMessage(MSG& msg);
// Processes what is queued now without waiting (and WM_PAINT and due timers); returns how many
// messages it processed. WM_QUIT stays in the queue.
int ProcessPendingMessages();
// Runs the loop until WM_QUIT and returns its exit code (or -1 when no message can ever come).
int RunMessageLoop();
// Runs the loop for `milliseconds` on the display's clock: on the headless display time jumps from
// one due timer to the next, so every WM_TIMER of the period is delivered. False when WM_QUIT came.
bool PumpMessagesFor(uint32_t milliseconds);

}  // namespace platform
