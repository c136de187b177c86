// The GTK display: the window system's windows on a real X11 desktop (GTK 3).
//
// Every top-level window becomes an undecorated GtkWindow showing the window's pixels
// (desktop_window.h); its region becomes an X shape (output and input); pointer, wheel, keyboard,
// focus and input-method events become InputEvents, delivered to the window system while it pumps
// the display, through the same path the headless display's injected input takes. The move and
// size loops stay the window system's: the display only reports the pointer, and grabs it while a
// window holds the capture so that drags keep their events outside the window. An open menu also
// takes the keyboard (grabKeyboard), as desktop menus do. Native widgets (the
// browser, native_widget.h) are GTK widgets placed over a window's pixels.
//
// The clock is real (monotonic milliseconds). A wait returns when input came, the deadline passed,
// or other desktop work ran (the browser's callbacks may have posted messages), so every wait of
// the window system, UserInput included, ends as on a real desktop.
//
// Without a compositing manager (a plain X server, Xvfb) windows cannot be translucent: layered
// windows are then cut to their pixels of at least half alpha (layer_pixels.h).
//
// Coordinates: the window system's screen has the primary monitor at (0, 0); the display moves
// between that and the X root window's coordinates.
#pragma once

#include <memory>
#include <stdexcept>

#include "platform/display/display.h"

typedef struct _GtkWidget GtkWidget;

namespace platform {

// There is no X display to show windows on.
class DesktopUnavailable : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class GtkDisplay final : public Display {
  public:
    // Opens the X display (GDK_BACKEND=x11 is set first: the display needs X11) and connects to
    // the window system. Throws DesktopUnavailable without an X display.
    GtkDisplay();
    ~GtkDisplay() override;
    GtkDisplay(const GtkDisplay&) = delete;
    GtkDisplay& operator=(const GtkDisplay&) = delete;

    // The GtkWindow that shows a top-level window, or null (tests, screenshots).
    GtkWidget* desktopWindowOf(HWND window) const;
    // Whether a compositing manager shows translucent windows.
    bool hasCompositor() const;

    std::vector<MonitorConfig> monitors() const override;
    bool composesAlpha() const override;
    void topLevelCreated(HWND window) override;
    void topLevelDestroyed(HWND window) override;
    void topLevelChanged(HWND window, const TopLevelState& state) override;
    void topLevelShaped(HWND window, const Region* shape) override;
    void stackingChanged(std::span<const HWND> topFirst) override;
    void surfaceUpdated(HWND window, const Surface& image, const Rect& dirty) override;
    PumpResult pumpEvents(InputSink& sink, WaitFor wait, std::optional<uint32_t> deadline) override;
    uint32_t tickCount() override;
    void warpPointer(Point screen) override;
    void grabPointer(HWND topLevel) override;
    void grabKeyboard(HWND topLevel) override;
    void setCursorShape(CursorShape shape) override;
    void placeNativeWidget(NativeWidget* widget, HWND topLevel, const Rect& rect, bool shown) override;
    void claimKeys(HWND topLevel, std::vector<KeyChord> keys) override;
    void imeFocus(HWND window, bool enabled) override;
    void imeCaret(const Rect& screen) override;
    std::string clipboardText() override;
    void setClipboardText(std::string_view text) override;

    class Desktop;

  private:
    std::unique_ptr<Desktop> desktop_;
};

}  // namespace platform
