// One desktop window: the undecorated GtkWindow that shows a top-level window of the window system.
//
// It shows a copy of the window's pixels (drawn with cairo when GTK asks), takes the window's
// place, size, shape, title and taskbar presence from what the window system reports, hosts the
// native widgets placed over the window in a GtkFixed above the pixels, and hands every pointer,
// key, focus and window-manager event it receives to its DesktopHost, which turns them into input
// events. Menus, hints and glows (TopLevelKind::Popup) are GTK popup windows, which the window
// manager leaves alone; tool windows are utility windows without a taskbar entry.
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <optional>

#include "platform/display/display.h"
#include "platform/display/gtk/move_tracker.h"
#include "platform/gfx/region.h"
#include "platform/gfx/surface.h"

namespace platform::gtk {

// What a desktop window needs of the display it belongs to.
class DesktopHost {
  public:
    virtual void queue(InputEvent::Variant what) = 0;
    // Keys go through the input method first.
    virtual void keyEvent(HWND window, const GdkEventKey& key) = 0;
    // The window takes this key even from a native widget that has the keyboard (its short-cuts).
    virtual bool claimsKey(HWND window, const GdkEventKey& key) = 0;
    // A key the native widget gets: Shift and Ctrl are told to the window system as well, so that a
    // claimed key comes to it with the modifiers held.
    virtual void widgetKey(HWND window, const GdkEventKey& key) = 0;
    virtual void focusChanged(HWND window, bool focused) = 0;
    // The window asked the desktop for the keyboard focus.
    virtual void focusRequested(HWND window) = 0;
    // The window appeared on the screen: the stacking is applied again.
    virtual void mapped(HWND window) = 0;
    virtual bool windowManagerRuns() const = 0;
    // Screen coordinates (the window system's: the primary monitor starts at (0, 0)) and the X
    // root window's.
    virtual Point screenPoint(double rootX, double rootY) const = 0;
    virtual Point rootPoint(Point screen) const = 0;

  protected:
    ~DesktopHost() = default;
};

class DesktopWindow {
  public:
    // `compositor`: whether the desktop composes translucent windows (an RGBA visual is used).
    DesktopWindow(HWND window, const TopLevelState& state, DesktopHost& host, bool compositor);
    ~DesktopWindow();
    DesktopWindow(const DesktopWindow&) = delete;
    DesktopWindow& operator=(const DesktopWindow&) = delete;

    void apply(const TopLevelState& state);
    // The window region (window coordinates); null: the whole rectangle.
    void setRegion(const Region* region);
    void update(const Surface& image, const Rect& dirty);

    // Native widgets placed over the window (window coordinates).
    void hostWidget(GtkWidget* widget);
    void placeWidget(GtkWidget* widget, const Rect& rect, bool shown);
    void releaseWidget(GtkWidget* widget);

    // Asks the desktop for the keyboard focus (when the window system activates the window).
    void takeFocus();

    GtkWidget* widget() const { return window_; }
    GdkWindow* gdkWindow() const { return gtk_widget_get_window(window_); }
    bool mapped() const { return gtk_widget_get_mapped(window_); }
    const TopLevelState& state() const { return state_; }
    HWND handle() const { return handle_; }

  private:
    struct Placement {
        Rect rect;
        bool shown = false;
    };

    bool layered() const { return state_.layer.mode != LayerAttributes::Mode::Opaque; }
    void applyState(const TopLevelState& next, bool first);
    void moveAndResize(const Rect& bounds, const Rect& before, bool first);
    void moveTo(Point topLeft);
    void sizeTo(Size size);
    void showAsStated();
    void wrapPixels();
    void convertPixels(const Rect& area);
    void applyShapes();
    void applyPlacement(GtkWidget* widget, const Placement& placement);

    static gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer self);
    static gboolean OnButton(GtkWidget*, GdkEventButton* event, gpointer self);
    static gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self);
    static gboolean OnScroll(GtkWidget*, GdkEventScroll* event, gpointer self);
    static gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer self);
    static gboolean OnLeave(GtkWidget*, GdkEventCrossing* event, gpointer self);
    static gboolean OnFocus(GtkWidget*, GdkEventFocus* event, gpointer self);
    static gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer self);
    static gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer self);
    static gboolean OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer self);
    static gboolean OnMap(GtkWidget*, GdkEvent*, gpointer self);
    void reportPlace(Point root);

    HWND handle_;
    DesktopHost& host_;
    bool compositor_;
    GtkWidget* window_ = nullptr;
    GtkWidget* fixed_ = nullptr;
    TopLevelState state_;

    // The window's pixels as the window system drew them, and (layered) as they show.
    Surface pixels_;
    Surface layerPixels_;
    cairo_surface_t* shown_ = nullptr;

    std::optional<Region> region_;
    std::optional<Region> shownPixels_;  // without a compositor: a layered window's solid pixels
    std::optional<Region> hitPixels_;    // with one: a per-pixel window's pixels that take clicks
    std::optional<std::optional<Region>> appliedShape_, appliedInputShape_;

    MoveTracker moves_;
    // Shown on the screen (mapped as the X server reports it): before that a window manager is
    // still placing the window and the places reported are its frame's on the way there.
    bool onScreen_ = false;
    bool iconified_ = false;
    std::map<GtkWidget*, Placement> widgets_;
};

}  // namespace platform::gtk
