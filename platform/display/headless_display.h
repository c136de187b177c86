// The headless display: a screen in memory for tests, tools and examples.
//
// It keeps a copy of what every top-level window shows (as real displays do) and composes the
// screen on demand: desktop, taskbar strip, then the shown windows bottom to top with their shapes
// and alpha (display/compose.h). Input is injected as a script: each call queues an event that is
// delivered the next time the window system pumps the display, and from there travels the path real
// input takes. A loop that waits for the user (the move loop waiting for the release) takes the
// rest of the script; when the script is exhausted such a loop ends as if the capture were lost.
//
// The clock is the test's: it stands still unless advanced (advanceClock), except that a wait with
// a deadline (the message loop waiting for the next timer, PumpMessagesFor) moves it to that
// deadline, and that with setClockStepPerRead each reading of the tick count advances it, for
// code that polls the clock in a busy loop (fades).
//
// Constructing a headless display connects it to the window system; destroying it disconnects it
// (window/window_system.h).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

namespace platform {

class HeadlessDisplay final : public Display {
  public:
    struct Options {
        Size screen{1024, 768};
        // The primary monitor's work area; none: the screen less a taskbar strip of
        // kTaskbarHeight pixels at the bottom.
        std::optional<Rect> workArea;
        // Further monitors beside the primary one (its bounds start at (0, 0)).
        std::vector<MonitorConfig> extraMonitors;
        uint32_t startTime = 10000;
        // What composesAlpha() answers: whether the desktop has a compositing manager.
        bool composesAlpha = false;
    };
    static constexpr int32_t kTaskbarHeight = 30;

    HeadlessDisplay();
    explicit HeadlessDisplay(Options options);
    ~HeadlessDisplay() override;
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;

    // --- The screen ---
    // Replaces the monitors (the first given one primary unless one says so); windows hear of it
    // as WM_DISPLAYCHANGE.
    void setMonitors(std::vector<MonitorConfig> monitors);
    // The composed screen; its pixel (0, 0) is screenOrigin() (the top-left corner of all monitors).
    Surface screenshot() const;
    Point screenOrigin() const;
    bool saveScreenshot(const std::string& path) const;
    // The answer of composesAlpha() from now on (a compositing manager started or stopped). The
    // screenshot composes alpha either way.
    void setComposesAlpha(bool composes) { composesAlpha_ = composes; }
    // The colour on the screen at a screen point (0x00BBGGRR).
    COLORREF colorAt(Point screen) const;

    // --- The clock ---
    void advanceClock(uint32_t milliseconds);
    void setClockStepPerRead(uint32_t milliseconds);
    uint32_t now() const { return now_; }

    // --- Input (queued; delivered when the window system next pumps the display) ---
    void moveMouse(Point screen);
    void pressButton(MouseButton button = MouseButton::Left);
    void releaseButton(MouseButton button = MouseButton::Left);
    // Move there, press, release.
    void click(Point screen, MouseButton button = MouseButton::Left);
    // Two clicks at once (within the double-click time).
    void doubleClick(Point screen, MouseButton button = MouseButton::Left);
    // Press at `from`, move to `to` in `steps` moves, release there.
    void drag(Point from, Point to, int steps = 4, MouseButton button = MouseButton::Left);
    void turnWheel(int delta);
    // A key with the text a US keyboard types with the modifiers held now (shift, control).
    void pressKey(int vk);
    void releaseKey(int vk);
    void typeKey(int vk);
    // Text as the input method commits it.
    void commitText(const std::string& text);
    void startComposition();
    void changeComposition(const std::string& preedit, int32_t cursor);
    void endComposition();
    void setApplicationFocus(bool active);
    void requestClose(HWND window);
    void clickTaskbarEntry(HWND window);
    // What a desktop does of its own: gives a window the focus, or moves it with its window manager.
    void activateFromDesktop(HWND window);
    void moveFromDesktop(HWND window, Point topLeft);
    bool inputPending() const { return !pending_.empty(); }

    // --- What the display was told ---
    const TopLevelState* stateOf(HWND window) const;
    const std::vector<HWND>& stacking() const { return stacking_; }
    // Windows with a taskbar entry, in the order they were created.
    std::vector<HWND> taskbarEntries() const;
    HWND pointerGrab() const { return grab_; }
    HWND keyboardGrab() const { return keyboardGrab_; }
    Point pointer() const { return pointer_; }
    CursorShape cursorShape() const { return cursorShape_; }
    struct WidgetPlacement {
        HWND topLevel = nullptr;
        Rect rect;
        bool shown = false;
    };
    std::optional<WidgetPlacement> placementOf(NativeWidget* widget) const;
    HWND imeWindow() const { return imeWindow_; }
    bool imeEnabled() const { return imeEnabled_; }
    Rect imeCaretRect() const { return imeCaret_; }
    // How many surface updates the display received (tests of the repaint path).
    int surfaceUpdates() const { return surfaceUpdates_; }

    // --- Display ---
    std::vector<MonitorConfig> monitors() const override;
    bool composesAlpha() const override { return composesAlpha_; }
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
    void imeFocus(HWND window, bool enabled) override;
    void imeCaret(const Rect& screen) override;
    std::string clipboardText() override;
    void setClipboardText(std::string_view text) override;

  private:
    struct Shown {
        TopLevelState state;
        std::optional<Region> shape;
        Surface image;
        uint64_t order = 0;
    };

    void queue(InputEvent::Variant what);
    void drawTaskbar(Surface& screen, Point origin) const;
    std::string keyText(int vk) const;

    std::vector<MonitorConfig> monitors_;
    bool composesAlpha_ = false;
    uint32_t now_ = 0;
    uint32_t stepPerRead_ = 0;
    std::vector<InputEvent> pending_;
    Point pointer_;
    std::map<HWND, Shown> windows_;
    uint64_t created_ = 0;
    std::vector<HWND> stacking_;
    HWND grab_ = nullptr;
    HWND keyboardGrab_ = nullptr;
    CursorShape cursorShape_ = CursorShape::Arrow;
    std::map<NativeWidget*, WidgetPlacement> widgets_;
    HWND imeWindow_ = nullptr;
    bool imeEnabled_ = false;
    Rect imeCaret_;
    std::string clipboard_;
    bool shift_ = false;
    bool control_ = false;
    int surfaceUpdates_ = 0;
};

}  // namespace platform
