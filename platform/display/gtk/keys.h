// GDK key values to the window system's virtual keys and to the text a key types.
#pragma once

#include <string>

namespace platform::gtk {

// The virtual key of a GDK key value (window/keys.h), 0 for a key that has none. Letters map to
// their upper case whatever case is given; shifted symbols are not mapped (pass the key value the
// key has without modifiers).
int VirtualKeyOf(unsigned keyval);

// Whether the key value belongs to the numeric keypad (its value then depends on Num Lock, so it
// is mapped as it comes, not as the bare key).
bool IsNumpadKey(unsigned keyval);

struct KeyModifiers {
    bool control = false;
    bool alt = false;
};

// What a key types (UTF-8), as the platform's keyboard does: Enter, Backspace, Tab and Escape type
// their control characters, Ctrl with a letter types its control code (Ctrl+A = 1), other keys
// with Ctrl and keys without a character (arrows, Delete, F1) type nothing.
std::string TextOfKey(unsigned keyval, KeyModifiers modifiers);

}  // namespace platform::gtk
