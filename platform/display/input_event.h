// What a display reports to the window system: pointer, keyboard and input-method events, and the
// desktop's requests. Real displays (GTK) and the headless display's injected input produce the
// same events, which then travel one path: the window system's input queue, turned into window
// messages when the message loop takes them (platform/window/input_queue.h).
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/geometry.h"
#include "platform/window/types.h"

namespace platform {

enum class MouseButton : uint8_t { Left, Right, Middle };

struct PointerMoved {
    Point screen;
};
struct ButtonChanged {
    Point screen;
    MouseButton button = MouseButton::Left;
    bool pressed = false;
};
// `delta` in the platform's units: WHEEL_DELTA (120) per notch, positive away from the user.
struct WheelTurned {
    Point screen;
    int delta = 0;
};
// `vk` a virtual-key code (window/keys.h). `text`: what the key types with the present modifiers
// (UTF-8), empty when it types nothing; TranslateMessage turns it into WM_CHAR.
struct KeyChanged {
    int vk = 0;
    bool pressed = false;
    std::string text;
};
// A key with the modifiers held: what a window claims as its short-cut (Display::claimKeys).
enum class KeyModifier : uint8_t { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };
constexpr KeyModifier operator|(KeyModifier a, KeyModifier b) {
    return KeyModifier(uint8_t(a) | uint8_t(b));
}
struct KeyChord {
    int vk = 0;
    KeyModifier modifiers = KeyModifier::None;
    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};
// Text from the input method or typed without a key of its own: WM_CHAR per code point.
struct TextCommitted {
    std::string text;
};
// The input method's composition: preedit text shown at the caret while it is being composed.
struct CompositionStarted {};
struct CompositionChanged {
    std::string preedit;
    int32_t cursor = 0;  // byte offset into `preedit`
};
struct CompositionEnded {};
// The desktop gave the application's windows the focus, or took it to another program.
struct ApplicationFocusChanged {
    bool active = false;
};
// The desktop asks a top-level window to close (its window-manager close).
struct CloseRequested {
    HWND window = nullptr;
};
// The user picked the window's taskbar entry: a minimised window is restored, another activated.
struct TaskbarEntryClicked {
    HWND window = nullptr;
};
// Monitors or work areas changed.
struct ScreenChanged {};
// The desktop gave one of the application's windows the focus (the user picked it with the window
// manager): it becomes the active window, if it can be activated.
struct DesktopActivated {
    HWND window = nullptr;
};
// The window manager put a top-level window elsewhere than the window system placed it (the user
// moved it with the window manager's own means, or it was kept on the screen): the window system
// moves it there, with the usual messages.
struct DesktopMoved {
    HWND window = nullptr;
    Point topLeft;  // screen coordinates
};

struct InputEvent {
    using Variant =
        std::variant<PointerMoved, ButtonChanged, WheelTurned, KeyChanged, TextCommitted, CompositionStarted,
                     CompositionChanged, CompositionEnded, ApplicationFocusChanged, CloseRequested,
                     TaskbarEntryClicked, ScreenChanged, DesktopActivated, DesktopMoved>;
    uint32_t time = 0;  // tick count when it happened
    Variant what;
};

}  // namespace platform
