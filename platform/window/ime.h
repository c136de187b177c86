// The input method, for the framework's self-drawn edits. An edit asks for the input method while
// it has the focus and tells where its caret is; the display (GtkIMContext on the desktop) then
// sends the composition as WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION (lParam GCS_COMPSTR: the
// preedit changed, read it with ImeGetComposition) and WM_IME_ENDCOMPOSITION, and the committed text
// as WM_CHAR, one per code point.
#pragma once

#include <string>

#include "platform/geometry.h"
#include "platform/window/types.h"

namespace platform {

// Whether the window wants the input method while it has the focus. False for a bad handle.
bool ImeSetEnabled(HWND hwnd, bool enabled);
bool ImeIsEnabled(HWND hwnd);
// The caret rectangle in the window's client coordinates; the display shows the candidates there.
bool ImeSetCaret(HWND hwnd, const Rect& caret);
// The composition under way in the window: preedit text and the cursor as a byte offset into it.
// False when the window has none.
bool ImeGetComposition(HWND hwnd, std::string* preedit, int32_t* cursor);

}  // namespace platform
