#include "platform/display/gtk/gtk_display.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "platform/display/gtk/desktop_window.h"
#include "platform/display/gtk/keys.h"
#include "platform/display/gtk/native_widget.h"
#include "platform/display/gtk/x11.h"
#include "platform/window/keys.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "platform/window/window_system.h"

namespace platform {

using gtk::DesktopWindow;

namespace {

// Bounded, so that a source that is always ready cannot hold a pump forever.
constexpr int kMaxDispatchesPerPump = 200;

const char* CursorName(CursorShape shape) {
    switch (shape) {
        case CursorShape::Arrow:
            return "default";
        case CursorShape::IBeam:
            return "text";
        case CursorShape::Wait:
            return "wait";
        case CursorShape::Cross:
            return "crosshair";
        case CursorShape::SizeNWSE:
            return "nwse-resize";
        case CursorShape::SizeNESW:
            return "nesw-resize";
        case CursorShape::SizeWE:
            return "ew-resize";
        case CursorShape::SizeNS:
            return "ns-resize";
        case CursorShape::SizeAll:
            return "move";
        case CursorShape::No:
            return "not-allowed";
        case CursorShape::Hand:
            return "pointer";
    }
    return "default";
}

GdkDisplay* OpenDesktop() {
    // The display speaks X11 (shapes, override-redirect popups, the X focus); never Wayland.
    g_setenv("GDK_BACKEND", "x11", true);
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(nullptr, nullptr))
        throw DesktopUnavailable("cannot open the X display");
    GdkDisplay* display = gdk_display_get_default();
    if (!gtk::IsX11Display(display))
        throw DesktopUnavailable("the desktop is not an X11 display");
    return display;
}

}  // namespace

class GtkDisplay::Desktop final : public gtk::DesktopHost {
  public:
    Desktop() : display_(OpenDesktop()) {
        screen_ = gdk_display_get_default_screen(display_);
        compositor_ = gdk_screen_is_composited(screen_);
        refreshMonitors();
        g_signal_connect(screen_, "monitors-changed", G_CALLBACK(OnScreenChanged), this);
        g_signal_connect(screen_, "size-changed", G_CALLBACK(OnScreenChanged), this);
        // The work area is a property of the root window, changed by the desktop's panels.
        GdkWindow* root = gdk_screen_get_root_window(screen_);
        gdk_window_set_events(root, GdkEventMask(gdk_window_get_events(root) | GDK_PROPERTY_CHANGE_MASK));
        gdk_event_handler_set(&Desktop::OnAnyEvent, this, nullptr);

        im_ = gtk_im_multicontext_new();
        g_signal_connect(im_, "commit", G_CALLBACK(OnImCommit), this);
        g_signal_connect(im_, "preedit-start", G_CALLBACK(OnImPreeditStart), this);
        g_signal_connect(im_, "preedit-changed", G_CALLBACK(OnImPreeditChanged), this);
        g_signal_connect(im_, "preedit-end", G_CALLBACK(OnImPreeditEnd), this);
    }

    ~Desktop() {
        gdk_event_handler_set([](GdkEvent* event, gpointer) { gtk_main_do_event(event); }, nullptr, nullptr);
        g_signal_handlers_disconnect_by_data(screen_, this);
        g_signal_handlers_disconnect_by_data(im_, this);
        g_object_unref(im_);
        if (grabbed_)
            gdk_seat_ungrab(gdk_display_get_default_seat(display_));
        windows_.clear();
        for (auto& [widget, placement] : widgets_) g_signal_handlers_disconnect_by_data(widget->widget, this);
        for (auto& [shape, cursor] : cursors_) {
            if (cursor)
                g_object_unref(cursor);
        }
        gdk_display_flush(display_);
    }

    // --- Display ---

    std::vector<MonitorConfig> monitors() const { return monitors_; }

    void created(HWND) {
        // The desktop window comes with the first state, which tells what kind of window it is.
    }

    void destroyed(HWND hwnd) {
        auto it = windows_.find(hwnd);
        if (it == windows_.end())
            return;
        if (pointerGrab_ == hwnd || keyboardGrab_ == hwnd) {
            if (pointerGrab_ == hwnd)
                pointerGrab_ = nullptr;
            if (keyboardGrab_ == hwnd)
                keyboardGrab_ = nullptr;
            applyGrabs();
        }
        claimedKeys_.erase(hwnd);
        if (imeTop_ == hwnd) {
            gtk_im_context_set_client_window(im_, nullptr);
            imeTop_ = nullptr;
        }
        for (auto& [widget, placement] : widgets_) {
            if (placement.top == hwnd)
                placement.top = nullptr;
        }
        windows_.erase(it);
        forgetStacking();
    }

    void changed(HWND hwnd, const TopLevelState& state) {
        if (DesktopWindow* w = find(hwnd)) {
            w->apply(state);
            return;
        }
        auto window = std::make_unique<DesktopWindow>(hwnd, state, *this, compositor_);
        gdk_window_set_cursor(window->gdkWindow(), cursorFor(cursor_));
        for (auto& [widget, placement] : widgets_) {
            if (placement.top != hwnd)
                continue;
            window->hostWidget(widget->widget);
            window->placeWidget(widget->widget, placement.rect, placement.shown);
        }
        windows_[hwnd] = std::move(window);
        forgetStacking();
        restack();
    }

    void shaped(HWND hwnd, const Region* shape) {
        if (DesktopWindow* w = find(hwnd))
            w->setRegion(shape);
    }

    void restacked(std::span<const HWND> topFirst) {
        stacking_.assign(topFirst.begin(), topFirst.end());
        restack();
    }

    void updated(HWND hwnd, const Surface& image, const Rect& dirty) {
        if (DesktopWindow* w = find(hwnd))
            w->update(image, dirty);
    }

    PumpResult pump(InputSink& sink, WaitFor wait, std::optional<uint32_t> deadline) {
        dispatchReady();
        if (pending_.empty() && wait != WaitFor::Nothing) {
            waitForWork(deadline);
            dispatchReady();
        }
        noticeFocusLeaving();
        if (pending_.empty())
            return PumpResult::Nothing;
        std::vector<InputEvent> events = std::exchange(pending_, {});
        for (const InputEvent& e : events) sink.deliver(e);
        return PumpResult::Delivered;
    }

    static uint32_t now() { return uint32_t(g_get_monotonic_time() / 1000); }

    void warp(Point screen) {
        Point root = rootPoint(screen);
        gdk_device_warp(gdk_seat_get_pointer(gdk_display_get_default_seat(display_)), screen_, root.X,
                        root.Y);
    }

    void grabPointer(HWND top) {
        pointerGrab_ = top;
        applyGrabs();
    }

    void grabKeyboard(HWND top) {
        keyboardGrab_ = top;
        applyGrabs();
    }

    void setCursor(CursorShape shape) {
        if (shape == cursor_)
            return;
        cursor_ = shape;
        GdkCursor* cursor = cursorFor(shape);
        for (auto& [hwnd, w] : windows_) gdk_window_set_cursor(w->gdkWindow(), cursor);
    }

    void placeWidget(NativeWidget* widget, HWND top, const Rect& rect, bool shown) {
        if (!widget || !widget->widget)
            return;
        auto [it, fresh] = widgets_.try_emplace(widget);
        if (fresh)
            watchWidget(widget->widget);
        Placement& p = it->second;
        DesktopWindow* target = find(top);
        if (p.top != top) {
            if (DesktopWindow* old = find(p.top))
                old->releaseWidget(widget->widget);
            if (target)
                target->hostWidget(widget->widget);
        }
        p = Placement{top, rect, shown};
        if (target)
            target->placeWidget(widget->widget, rect, shown);
    }

    void claimKeys(HWND top, std::vector<KeyChord> keys) { claimedKeys_[top] = std::move(keys); }

    // A press is claimed when the window claims its key with exactly the modifiers held; its
    // release follows it, whatever is held by then.
    bool claimsKey(HWND window, const GdkEventKey& key) override {
        const int vk = virtualKeyOf(key);
        if (key.type != GDK_KEY_PRESS)
            return claimedDown_.erase(vk) > 0;
        auto it = claimedKeys_.find(window);
        if (it == claimedKeys_.end() || !vk)
            return false;
        KeyModifier held = KeyModifier::None;
        if (key.state & GDK_SHIFT_MASK)
            held = held | KeyModifier::Shift;
        if (key.state & GDK_CONTROL_MASK)
            held = held | KeyModifier::Ctrl;
        if (key.state & GDK_MOD1_MASK)
            held = held | KeyModifier::Alt;
        const KeyChord pressed{vk, held};
        if (std::find(it->second.begin(), it->second.end(), pressed) == it->second.end())
            return false;
        claimedDown_.insert(vk);
        return true;
    }

    void widgetKey(HWND, const GdkEventKey& key) override {
        const int vk = virtualKeyOf(key);
        if (vk == VK_SHIFT || vk == VK_CONTROL)
            queue(KeyChanged{vk, key.type == GDK_KEY_PRESS, {}});
    }

    void setImeFocus(HWND hwnd, bool enabled) {
        if (!hwnd || !enabled) {
            if (imeWindow_) {
                gtk_im_context_focus_out(im_);
                gtk_im_context_reset(im_);
            }
            imeWindow_ = imeTop_ = nullptr;
            return;
        }
        HWND top = GetAncestor(hwnd, GA_ROOT);
        DesktopWindow* w = find(top);
        gtk_im_context_set_client_window(im_, w ? w->gdkWindow() : nullptr);
        gtk_im_context_focus_in(im_);
        imeWindow_ = hwnd;
        imeTop_ = top;
    }

    void setImeCaret(const Rect& screen) {
        DesktopWindow* w = find(imeTop_);
        if (!w)
            return;
        Rect r = screen.offsetBy(-w->state().bounds.Left, -w->state().bounds.Top);
        GdkRectangle area{r.Left, r.Top, std::max(r.width(), 1), std::max(r.height(), 1)};
        gtk_im_context_set_cursor_location(im_, &area);
    }

    std::string clipboard() {
        gchar* text =
            gtk_clipboard_wait_for_text(gtk_clipboard_get_for_display(display_, GDK_SELECTION_CLIPBOARD));
        std::string out = text ? text : "";
        g_free(text);
        return out;
    }

    void setClipboard(std::string_view text) {
        gtk_clipboard_set_text(gtk_clipboard_get_for_display(display_, GDK_SELECTION_CLIPBOARD), text.data(),
                               int(text.size()));
    }

    GtkWidget* windowOf(HWND hwnd) const {
        auto it = windows_.find(hwnd);
        return it == windows_.end() ? nullptr : it->second->widget();
    }
    bool compositor() const { return compositor_; }
    // Windows get their alpha visual when made, so a compositing manager that starts later cannot
    // blend them; one that stops leaves them opaque. GDK follows the manager's selection owner
    // (_NET_WM_CM_S<n>) as the pump dispatches its events.
    bool composesAlpha() const { return compositor_ && gdk_screen_is_composited(screen_); }

    // --- DesktopHost ---

    void queue(InputEvent::Variant what) override {
        // The user's own doings make later focus changes the user's too.
        if (auto* b = std::get_if<ButtonChanged>(&what); b && b->pressed)
            focusAskedFor_.reset();
        if (auto* k = std::get_if<KeyChanged>(&what); k && k->pressed)
            focusAskedFor_.reset();
        pending_.push_back(InputEvent{now(), std::move(what)});
    }

    void keyEvent(HWND, const GdkEventKey& key) override {
        bool pressed = key.type == GDK_KEY_PRESS;
        int vk = virtualKeyOf(key);
        if (imeWindow_) {
            imOutput_.clear();
            filtering_ = true;
            bool taken = gtk_im_context_filter_keypress(im_, const_cast<GdkEventKey*>(&key));
            filtering_ = false;
            std::vector<InputEvent::Variant> output = std::exchange(imOutput_, {});
            if (taken) {
                // As on the platform: the key comes first, then what the input method made of it; a
                // key the input method keeps for a composition is VK_PROCESSKEY.
                bool committed = std::any_of(output.begin(), output.end(), [](const InputEvent::Variant& e) {
                    return std::holds_alternative<TextCommitted>(e);
                });
                if (pressed) {
                    queue(KeyChanged{committed && vk ? vk : VK_PROCESSKEY, true, {}});
                } else if (vk) {
                    queue(KeyChanged{vk, false, {}});
                }
                for (InputEvent::Variant& e : output) queue(std::move(e));
                return;
            }
            for (InputEvent::Variant& e : output) queue(std::move(e));
        }
        gtk::KeyModifiers modifiers{(key.state & GDK_CONTROL_MASK) != 0, (key.state & GDK_MOD1_MASK) != 0};
        std::string text = pressed ? gtk::TextOfKey(key.keyval, modifiers) : std::string();
        if (!vk) {
            // A character without a key of the platform's (a letter of another layout).
            if (!text.empty())
                queue(TextCommitted{text});
            return;
        }
        queue(KeyChanged{vk, pressed, std::move(text)});
    }

    void focusChanged(HWND window, bool focused) override {
        if (!focused) {
            focusLeaving_ = true;
            return;
        }
        focusLeaving_ = false;
        if (focusAskedFor_) {
            // The echo of the display's own request (or of an earlier one, overtaken since).
            if (*focusAskedFor_ == window)
                focusAskedFor_.reset();
            return;
        }
        queue(DesktopActivated{window});
    }

    void focusRequested(HWND window) override { focusAskedFor_ = window; }

    void mapped(HWND) override {
        forgetStacking();
        restack();
    }

    bool windowManagerRuns() const override { return gtk::WindowManagerRuns(screen_); }

    Point screenPoint(double rootX, double rootY) const override {
        return {int32_t(std::floor(rootX)) - origin_.X, int32_t(std::floor(rootY)) - origin_.Y};
    }
    Point rootPoint(Point screen) const override { return {screen.X + origin_.X, screen.Y + origin_.Y}; }

  private:
    struct Placement {
        HWND top = nullptr;
        Rect rect;
        bool shown = false;
    };

    DesktopWindow* find(HWND hwnd) const {
        auto it = windows_.find(hwnd);
        return it == windows_.end() ? nullptr : it->second.get();
    }

    static void dispatchReady() {
        for (int i = 0; i < kMaxDispatchesPerPump && g_main_context_iteration(nullptr, false); ++i) {
        }
    }

    static void waitForWork(std::optional<uint32_t> deadline) {
        GSource* timeout = nullptr;
        if (deadline) {
            int32_t left = int32_t(*deadline - now());
            if (left <= 0)
                return;
            timeout = g_timeout_source_new(guint(left));
            g_source_set_callback(
                timeout, [](gpointer) -> gboolean { return G_SOURCE_REMOVE; }, nullptr, nullptr);
            g_source_attach(timeout, nullptr);
        }
        g_main_context_iteration(nullptr, true);
        if (timeout) {
            g_source_destroy(timeout);
            g_source_unref(timeout);
        }
    }

    // The desktop's focus went to another program (not from one of our windows to another).
    void noticeFocusLeaving() {
        if (!focusLeaving_)
            return;
        focusLeaving_ = false;
        for (auto& [hwnd, w] : windows_) {
            if (gtk_window_has_toplevel_focus(GTK_WINDOW(w->widget())))
                return;
        }
        queue(ApplicationFocusChanged{false});
    }

    int virtualKeyOf(const GdkEventKey& key) const {
        // Keypad keys depend on Num Lock; others are named by what the key types in the first
        // layout without modifiers, so that Ctrl+C is 'C' on every layout and with Shift.
        if (gtk::IsNumpadKey(key.keyval))
            return gtk::VirtualKeyOf(key.keyval);
        guint bare = 0;
        if (gdk_keymap_translate_keyboard_state(gdk_keymap_get_for_display(display_), key.hardware_keycode,
                                                GdkModifierType(0), 0, &bare, nullptr, nullptr, nullptr)) {
            if (int vk = gtk::VirtualKeyOf(bare))
                return vk;
        }
        return gtk::VirtualKeyOf(key.keyval);
    }

    // The seat's grabs as the window system wants them: the pointer for the window holding the
    // capture, the keyboard for the window of an open menu. A seat is ungrabbed as a whole, so both
    // are taken again after every change.
    void applyGrabs() {
        GdkSeat* seat = gdk_display_get_default_seat(display_);
        if (grabbed_)
            gdk_seat_ungrab(seat);
        grabbed_ = false;
        if (DesktopWindow* w = find(pointerGrab_); w && w->mapped()) {
            // Not owner_events: every pointer event comes to the window, also over a native widget.
            grabbed_ = gdk_seat_grab(seat, w->gdkWindow(), GDK_SEAT_CAPABILITY_ALL_POINTING, false, nullptr,
                                     nullptr, nullptr, nullptr) == GDK_GRAB_SUCCESS;
        }
        if (DesktopWindow* w = find(keyboardGrab_); w && w->mapped()) {
            // X reports the grab as the focus moving to the grab window: when that window did not
            // have the focus, the report is the display's own doing and no activation by the desktop.
            if (!gtk_window_has_toplevel_focus(GTK_WINDOW(w->widget())))
                focusAskedFor_ = keyboardGrab_;
            grabbed_ = gdk_seat_grab(seat, w->gdkWindow(), GDK_SEAT_CAPABILITY_KEYBOARD, false, nullptr,
                                     nullptr, nullptr, nullptr) == GDK_GRAB_SUCCESS ||
                       grabbed_;
        }
    }

    void forgetStacking() { appliedStacking_.clear(); }

    void restack() {
        std::vector<GdkWindow*> order;
        for (HWND hwnd : stacking_) {
            DesktopWindow* w = find(hwnd);
            if (w && w->mapped())
                order.push_back(w->gdkWindow());
        }
        if (order == appliedStacking_)
            return;
        appliedStacking_ = order;
        for (size_t i = 1; i < order.size(); ++i) gdk_window_restack(order[i], order[i - 1], false);
    }

    GdkCursor* cursorFor(CursorShape shape) {
        auto [it, fresh] = cursors_.try_emplace(shape, nullptr);
        if (fresh)
            it->second = gdk_cursor_new_from_name(display_, CursorName(shape));
        return it->second;  // null (the default arrow) when the theme has no such cursor
    }

    void refreshMonitors() {
        std::vector<MonitorConfig> monitors;
        int n = gdk_display_get_n_monitors(display_);
        GdkMonitor* primary = gdk_display_get_primary_monitor(display_);
        for (int i = 0; i < n; ++i) {
            GdkMonitor* m = gdk_display_get_monitor(display_, i);
            GdkRectangle g, work;
            gdk_monitor_get_geometry(m, &g);
            gdk_monitor_get_workarea(m, &work);
            MonitorConfig config{rectOfSize(g.x, g.y, g.width, g.height),
                                 rectOfSize(work.x, work.y, work.width, work.height), m == primary};
            monitors.push_back(config);
        }
        if (monitors.empty()) {
            // An X server always has a screen; be safe with one that reports no monitor.
            GdkWindow* root = gdk_screen_get_root_window(screen_);
            int w = gdk_window_get_width(root), h = gdk_window_get_height(root);
            monitors.push_back({{0, 0, w, h}, {0, 0, w, h}, true});
        }
        if (std::none_of(monitors.begin(), monitors.end(), [](const MonitorConfig& m) { return m.primary; }))
            monitors.front().primary = true;
        auto first =
            std::find_if(monitors.begin(), monitors.end(), [](const MonitorConfig& m) { return m.primary; });
        origin_ = first->bounds.topLeft();
        for (MonitorConfig& m : monitors) {
            m.bounds = m.bounds.offsetBy(-origin_.X, -origin_.Y);
            m.workArea = intersect(m.workArea.offsetBy(-origin_.X, -origin_.Y), m.bounds);
            if (m.workArea.isEmpty())
                m.workArea = m.bounds;
        }
        monitors_ = std::move(monitors);
    }

    void screenChanged() {
        refreshMonitors();
        queue(ScreenChanged{});
    }

    void watchWidget(GtkWidget* widget) {
        g_signal_connect(widget, "destroy", G_CALLBACK(OnWidgetDestroyed), this);
        g_signal_connect(widget, "button-press-event", G_CALLBACK(OnWidgetButton), this);
        g_signal_connect(widget, "button-release-event", G_CALLBACK(OnWidgetButton), this);
        g_signal_connect(widget, "motion-notify-event", G_CALLBACK(OnWidgetMotion), this);
    }

    void imOutput(InputEvent::Variant what) {
        if (filtering_) {
            imOutput_.push_back(std::move(what));
        } else {
            queue(std::move(what));
        }
    }

    // --- Signals ---

    static void OnAnyEvent(GdkEvent* event, gpointer data) {
        auto* self = static_cast<Desktop*>(data);
        if (event->type == GDK_PROPERTY_NOTIFY &&
            event->property.window == gdk_screen_get_root_window(self->screen_) &&
            event->property.atom == gdk_atom_intern_static_string("_NET_WORKAREA")) {
            self->screenChanged();
        }
        gtk_main_do_event(event);
    }

    static void OnScreenChanged(GdkScreen*, gpointer data) { static_cast<Desktop*>(data)->screenChanged(); }

    static void OnWidgetDestroyed(GtkWidget* widget, gpointer data) {
        auto* self = static_cast<Desktop*>(data);
        for (auto it = self->widgets_.begin(); it != self->widgets_.end(); ++it) {
            if (it->first->widget != widget)
                continue;
            if (DesktopWindow* w = self->find(it->second.top))
                w->releaseWidget(widget);
            self->widgets_.erase(it);
            return;
        }
    }

    // The window system hears of presses and moves over a native widget as well (activation,
    // focus, hot tracking), while the widget handles them as its own.
    static gboolean OnWidgetButton(GtkWidget*, GdkEventButton* event, gpointer data) {
        auto* self = static_cast<Desktop*>(data);
        if (event->type != GDK_BUTTON_PRESS && event->type != GDK_BUTTON_RELEASE)
            return false;
        MouseButton button = event->button == 3   ? MouseButton::Right
                             : event->button == 2 ? MouseButton::Middle
                                                  : MouseButton::Left;
        if (event->button <= 3)
            self->queue(ButtonChanged{self->screenPoint(event->x_root, event->y_root), button,
                                      event->type == GDK_BUTTON_PRESS});
        return false;
    }

    static gboolean OnWidgetMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
        auto* self = static_cast<Desktop*>(data);
        self->queue(PointerMoved{self->screenPoint(event->x_root, event->y_root)});
        return false;
    }

    static void OnImCommit(GtkIMContext*, const char* text, gpointer data) {
        static_cast<Desktop*>(data)->imOutput(TextCommitted{text ? text : ""});
    }
    static void OnImPreeditStart(GtkIMContext*, gpointer data) {
        static_cast<Desktop*>(data)->imOutput(CompositionStarted{});
    }
    static void OnImPreeditChanged(GtkIMContext* context, gpointer data) {
        gchar* text = nullptr;
        gint cursor = 0;
        gtk_im_context_get_preedit_string(context, &text, nullptr, &cursor);
        std::string preedit = text ? text : "";
        // GTK counts characters; the window system wants a byte offset.
        int32_t offset = text ? int32_t(g_utf8_offset_to_pointer(text, std::max(cursor, 0)) - text) : 0;
        g_free(text);
        static_cast<Desktop*>(data)->imOutput(CompositionChanged{std::move(preedit), offset});
    }
    static void OnImPreeditEnd(GtkIMContext*, gpointer data) {
        static_cast<Desktop*>(data)->imOutput(CompositionEnded{});
    }

    GdkDisplay* display_;
    GdkScreen* screen_ = nullptr;
    bool compositor_ = false;
    Point origin_;  // the primary monitor's top-left in root coordinates
    std::vector<MonitorConfig> monitors_;

    std::map<HWND, std::unique_ptr<DesktopWindow>> windows_;
    std::vector<HWND> stacking_;
    std::vector<GdkWindow*> appliedStacking_;
    std::map<NativeWidget*, Placement> widgets_;

    std::vector<InputEvent> pending_;
    bool focusLeaving_ = false;
    std::optional<HWND> focusAskedFor_;

    bool grabbed_ = false;
    HWND pointerGrab_ = nullptr;
    HWND keyboardGrab_ = nullptr;
    // Keys each top-level window takes from its native widgets, and those pressed now.
    std::map<HWND, std::vector<KeyChord>> claimedKeys_;
    std::set<int> claimedDown_;
    CursorShape cursor_ = CursorShape::Arrow;
    std::map<CursorShape, GdkCursor*> cursors_;

    GtkIMContext* im_ = nullptr;
    HWND imeWindow_ = nullptr;
    HWND imeTop_ = nullptr;
    bool filtering_ = false;
    std::vector<InputEvent::Variant> imOutput_;
};

GtkDisplay::GtkDisplay() : desktop_(std::make_unique<Desktop>()) {
    ConnectDisplay(*this);
}

GtkDisplay::~GtkDisplay() {
    DisconnectDisplay(*this);
    desktop_.reset();
}

GtkWidget* GtkDisplay::desktopWindowOf(HWND window) const {
    return desktop_->windowOf(window);
}
bool GtkDisplay::hasCompositor() const {
    return desktop_->compositor();
}

std::vector<MonitorConfig> GtkDisplay::monitors() const {
    return desktop_->monitors();
}
bool GtkDisplay::composesAlpha() const {
    return desktop_->composesAlpha();
}
void GtkDisplay::topLevelCreated(HWND window) {
    desktop_->created(window);
}
void GtkDisplay::topLevelDestroyed(HWND window) {
    desktop_->destroyed(window);
}
void GtkDisplay::topLevelChanged(HWND window, const TopLevelState& state) {
    desktop_->changed(window, state);
}
void GtkDisplay::topLevelShaped(HWND window, const Region* shape) {
    desktop_->shaped(window, shape);
}
void GtkDisplay::stackingChanged(std::span<const HWND> topFirst) {
    desktop_->restacked(topFirst);
}
void GtkDisplay::surfaceUpdated(HWND window, const Surface& image, const Rect& dirty) {
    desktop_->updated(window, image, dirty);
}
PumpResult GtkDisplay::pumpEvents(InputSink& sink, WaitFor wait, std::optional<uint32_t> deadline) {
    return desktop_->pump(sink, wait, deadline);
}
uint32_t GtkDisplay::tickCount() {
    return Desktop::now();
}
void GtkDisplay::warpPointer(Point screen) {
    desktop_->warp(screen);
}
void GtkDisplay::grabPointer(HWND topLevel) {
    desktop_->grabPointer(topLevel);
}
void GtkDisplay::grabKeyboard(HWND topLevel) {
    desktop_->grabKeyboard(topLevel);
}
void GtkDisplay::setCursorShape(CursorShape shape) {
    desktop_->setCursor(shape);
}
void GtkDisplay::placeNativeWidget(NativeWidget* widget, HWND topLevel, const Rect& rect, bool shown) {
    desktop_->placeWidget(widget, topLevel, rect, shown);
}
void GtkDisplay::claimKeys(HWND topLevel, std::vector<KeyChord> keys) {
    desktop_->claimKeys(topLevel, std::move(keys));
}
void GtkDisplay::imeFocus(HWND window, bool enabled) {
    desktop_->setImeFocus(window, enabled);
}
void GtkDisplay::imeCaret(const Rect& screen) {
    desktop_->setImeCaret(screen);
}
std::string GtkDisplay::clipboardText() {
    return desktop_->clipboard();
}
void GtkDisplay::setClipboardText(std::string_view text) {
    desktop_->setClipboard(text);
}

}  // namespace platform
