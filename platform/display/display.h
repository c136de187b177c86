// The display: what the window system needs of the desktop it shows its windows on. One thin
// interface with two implementations: the headless display (display/headless_display.h), which
// composes a screen image in memory and takes input injected by tests, and the GTK display, where
// every top-level window is an undecorated GtkWindow showing the window's surface.
//
// The window system owns every window and its pixels; the display only shows top-level windows:
// it is told when one is created, placed, shown, restacked, reshaped or repainted, and it reports
// input back through an InputSink while the window system pumps it. Child windows are drawn into
// their top-level window's surface and never reach the display.
//
// A display connects itself to the window system while it lives (ConnectDisplay in
// window/window_system.h); one display at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/color.h"
#include "platform/display/input_event.h"
#include "platform/geometry.h"
#include "platform/gfx/surface.h"
#include "platform/window/types.h"

namespace platform {

class Region;

struct MonitorConfig {
    Rect bounds;    // screen coordinates; the primary monitor's top-left is (0, 0)
    Rect workArea;  // bounds less the desktop's panels
    bool primary = false;
};

// The rectangle around every monitor (the virtual screen); `monitors` must not be empty.
Rect BoundsOfMonitors(std::span<const MonitorConfig> monitors);

// How a top-level window is composed with what lies below it.
struct LayerAttributes {
    enum class Mode : uint8_t {
        Opaque,    // not layered: the window's surface as it is
        Unset,     // layered, but neither call below made yet: not shown at all, as on the platform
        Constant,  // SetLayeredWindowAttributes: the surface with `alpha` and/or `colorKey`
        PerPixel,  // UpdateLayeredWindow: a premultiplied image with its own alpha, times `alpha`
    };
    Mode mode = Mode::Opaque;
    uint8_t alpha = 255;
    std::optional<COLORREF> colorKey;  // Constant mode: pixels of this colour are not shown

    friend bool operator==(const LayerAttributes&, const LayerAttributes&) = default;
};

// What sort of desktop window shows a top-level window.
enum class TopLevelKind : uint8_t {
    Normal,  // an application window, framed by the platform or by the program itself
    Tool,    // a tool window (WS_EX_TOOLWINDOW): no taskbar entry
    Popup,   // a menu, hint or glow: WS_POPUP without a caption and without a taskbar entry, which a
             // desktop's window manager must leave alone
};

// Everything about a top-level window the display shows, sent whole on every change.
struct TopLevelState {
    Rect bounds;             // screen coordinates
    bool shown = false;      // visible and not minimised: on the screen
    bool minimized = false;  // hidden into its taskbar entry
    bool inTaskbar = false;  // has a taskbar entry (unowned and not a tool window, or an app window)
    bool topmost = false;
    bool activatable = true;    // a click may activate it (no WS_EX_NOACTIVATE)
    bool active = false;        // the active window, while the application is active
    bool clickThrough = false;  // layered and WS_EX_TRANSPARENT: the pointer reaches what lies below
    TopLevelKind kind = TopLevelKind::Normal;
    std::string title;  // UTF-8
    LayerAttributes layer;

    friend bool operator==(const TopLevelState&, const TopLevelState&) = default;
};

enum class CursorShape : uint8_t {
    Arrow,
    IBeam,
    Wait,
    Cross,
    SizeNWSE,
    SizeNESW,
    SizeWE,
    SizeNS,
    SizeAll,
    No,
    Hand
};

// A native widget of the desktop placed over a window (the embedded browser). Defined by the
// display that makes it; the window system only passes it along.
struct NativeWidget;

// Where the display delivers events while it is pumped.
class InputSink {
  public:
    virtual void deliver(const InputEvent& event) = 0;

  protected:
    ~InputSink() = default;
};

// What a pump may wait for.
enum class WaitFor : uint8_t {
    Nothing,          // deliver what is there and return
    EventOrDeadline,  // block until an event arrives or the deadline (tick count) passes
    UserInput,        // the same, for loops that only a user can end (a move loop waiting for the
                      // button release): a headless display with no input left says so at once
};

enum class PumpResult : uint8_t {
    Delivered,  // at least one event went to the sink
    Nothing,    // nothing came (no wait asked, or the deadline passed)
    NeverMore,  // nothing can ever come: the headless display's input script is exhausted
};

class Display {
  public:
    virtual ~Display() = default;

    // --- Screen ---
    // At least one monitor, exactly one of them primary.
    virtual std::vector<MonitorConfig> monitors() const = 0;
    // Whether translucent top-level windows are blended with what lies below them (a compositing
    // manager runs); without it per-pixel alpha can only be cut to a shape.
    virtual bool composesAlpha() const = 0;

    // --- Top-level windows ---
    virtual void topLevelCreated(HWND window) = 0;
    virtual void topLevelDestroyed(HWND window) = 0;
    virtual void topLevelChanged(HWND window, const TopLevelState& state) = 0;
    // The window's shape in window coordinates; null: its whole rectangle.
    virtual void topLevelShaped(HWND window, const Region* shape) = 0;
    // Every top-level window, top first.
    virtual void stackingChanged(std::span<const HWND> topFirst) = 0;
    // `image` (the window's surface, or its layered image) changed inside `dirty` (image
    // coordinates). The image is only valid during the call; the display copies what it needs.
    virtual void surfaceUpdated(HWND window, const Surface& image, const Rect& dirty) = 0;

    // --- Events and time ---
    // Delivers pending events to `sink`, waiting as asked; `deadline` is a tick count.
    virtual PumpResult pumpEvents(InputSink& sink, WaitFor wait, std::optional<uint32_t> deadline) = 0;
    // Milliseconds since some start, wrapping at 2^32 (GetTickCount).
    virtual uint32_t tickCount() = 0;

    // --- Pointer ---
    virtual void warpPointer(Point screen) = 0;
    // While a window holds the capture, the pointer's events go to its top-level window wherever
    // the pointer is; null ends the grab.
    virtual void grabPointer(HWND topLevel) = 0;
    // While a menu is open its owner's top-level window takes the keyboard of the whole desktop, as
    // desktop menus do, so that neither other programs nor the window manager get keys meanwhile;
    // null gives it back. Keys still reach the window system as always (to its focus window).
    virtual void grabKeyboard(HWND topLevel) = 0;
    virtual void setCursorShape(CursorShape shape) = 0;

    // --- Native widgets ---
    // Places the widget over `rect` of the top-level window (window coordinates), shown or not.
    virtual void placeNativeWidget(NativeWidget* widget, HWND topLevel, const Rect& rect, bool shown) = 0;
    // Keys that come to the window system even while a native widget of the top-level window has
    // the keyboard (the window's short-cuts over a browser); replaces the window's earlier claim.
    // A display whose keys always come to the window system has nothing to do.
    virtual void claimKeys(HWND /*topLevel*/, std::vector<KeyChord> /*keys*/) {}

    // --- Input method ---
    // The window that takes text input now (null: none), and whether it wants the input method.
    virtual void imeFocus(HWND window, bool enabled) = 0;
    // Where the caret is, in screen coordinates, so the input method places its candidates there.
    virtual void imeCaret(const Rect& screen) = 0;

    // --- Clipboard ---
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(std::string_view text) = 0;
};

}  // namespace platform
