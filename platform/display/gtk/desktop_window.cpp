#include "platform/display/gtk/desktop_window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/display/gtk/layer_pixels.h"
#include "platform/display/gtk/x11.h"

namespace platform::gtk {

namespace {

using Mode = LayerAttributes::Mode;

cairo_region_t* CairoRegionOf(const Region& region) {
    std::vector<cairo_rectangle_int_t> rects;
    for (const Rect& r : region.rects()) rects.push_back({r.Left, r.Top, r.width(), r.height()});
    return cairo_region_create_rectangles(rects.data(), int(rects.size()));
}

// gtk_widget_(input_)shape_combine_region with a region of ours; none unsets the shape.
void SetShape(GtkWidget* window, const std::optional<Region>& shape, bool input) {
    cairo_region_t* region = shape ? CairoRegionOf(*shape) : nullptr;
    if (input) {
        gtk_widget_input_shape_combine_region(window, region);
    } else {
        gtk_widget_shape_combine_region(window, region);
    }
    if (region)
        cairo_region_destroy(region);
}

std::optional<MouseButton> ButtonOf(guint button) {
    switch (button) {
        case 1:
            return MouseButton::Left;
        case 2:
            return MouseButton::Middle;
        case 3:
            return MouseButton::Right;
        default:
            return std::nullopt;
    }
}

}  // namespace

DesktopWindow::DesktopWindow(HWND window, const TopLevelState& state, DesktopHost& host, bool compositor)
    : handle_(window), host_(host), compositor_(compositor) {
    bool popup = state.kind == TopLevelKind::Popup;
    window_ = gtk_window_new(popup ? GTK_WINDOW_POPUP : GTK_WINDOW_TOPLEVEL);
    GtkWindow* w = GTK_WINDOW(window_);
    gtk_window_set_decorated(w, false);
    gtk_window_set_type_hint(w, popup                              ? GDK_WINDOW_TYPE_HINT_POPUP_MENU
                                : state.kind == TopLevelKind::Tool ? GDK_WINDOW_TYPE_HINT_UTILITY
                                                                   : GDK_WINDOW_TYPE_HINT_NORMAL);
    gtk_widget_set_app_paintable(window_, true);
    if (compositor_) {
        if (GdkVisual* rgba = gdk_screen_get_rgba_visual(gtk_widget_get_screen(window_)))
            gtk_widget_set_visual(window_, rgba);
    }
    gtk_widget_add_events(window_, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK |
                                       GDK_SCROLL_MASK | GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK |
                                       GDK_LEAVE_NOTIFY_MASK | GDK_FOCUS_CHANGE_MASK | GDK_STRUCTURE_MASK);
    fixed_ = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(window_), fixed_);
    gtk_widget_show(fixed_);

    g_signal_connect(window_, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(window_, "button-press-event", G_CALLBACK(OnButton), this);
    g_signal_connect(window_, "button-release-event", G_CALLBACK(OnButton), this);
    g_signal_connect(window_, "motion-notify-event", G_CALLBACK(OnMotion), this);
    g_signal_connect(window_, "scroll-event", G_CALLBACK(OnScroll), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKey), this);
    g_signal_connect(window_, "key-release-event", G_CALLBACK(OnKey), this);
    g_signal_connect(window_, "leave-notify-event", G_CALLBACK(OnLeave), this);
    g_signal_connect(window_, "focus-in-event", G_CALLBACK(OnFocus), this);
    g_signal_connect(window_, "focus-out-event", G_CALLBACK(OnFocus), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window_, "window-state-event", G_CALLBACK(OnWindowState), this);
    g_signal_connect(window_, "configure-event", G_CALLBACK(OnConfigure), this);
    g_signal_connect(window_, "map-event", G_CALLBACK(OnMap), this);

    gtk_widget_realize(window_);
    applyState(state, true);
}

DesktopWindow::~DesktopWindow() {
    // The widgets' owners keep them: they only leave this window.
    for (auto& [widget, placement] : widgets_) gtk_container_remove(GTK_CONTAINER(fixed_), widget);
    g_signal_handlers_disconnect_by_data(window_, this);
    gtk_widget_destroy(window_);
    if (shown_)
        cairo_surface_destroy(shown_);
}

void DesktopWindow::apply(const TopLevelState& state) {
    applyState(state, false);
}

void DesktopWindow::applyState(const TopLevelState& next, bool first) {
    TopLevelState prev = std::exchange(state_, next);
    GtkWindow* w = GTK_WINDOW(window_);
    if (first || next.title != prev.title)
        gtk_window_set_title(w, next.title.c_str());
    if (first || next.topmost != prev.topmost)
        gtk_window_set_keep_above(w, next.topmost);
    if (first || next.inTaskbar != prev.inTaskbar || next.kind != prev.kind) {
        bool skip = !next.inTaskbar || next.kind != TopLevelKind::Normal;
        gtk_window_set_skip_taskbar_hint(w, skip);
        gtk_window_set_skip_pager_hint(w, skip);
    }
    if (first || next.activatable != prev.activatable)
        gtk_window_set_accept_focus(w, next.activatable);
    if (first || next.bounds != prev.bounds)
        moveAndResize(next.bounds, prev.bounds, first);
    if (next.layer != prev.layer) {
        bool wasLayered = prev.layer.mode != Mode::Opaque;
        if (wasLayered != layered()) {
            wrapPixels();
        } else {
            convertPixels(pixels_.bounds());
        }
        gtk_widget_queue_draw(window_);
    }
    applyShapes();
    showAsStated();
    if (next.active && !prev.active)
        takeFocus();
}

void DesktopWindow::moveAndResize(const Rect& bounds, const Rect& before, bool first) {
    // Widgets keep inside the window, or GTK would hold the window at their size.
    for (auto& [widget, placement] : widgets_) applyPlacement(widget, placement);
    if (first || bounds.width() != before.width() || bounds.height() != before.height())
        sizeTo({bounds.width(), bounds.height()});
    if (first || bounds.topLeft() != before.topLeft())
        moveTo(bounds.topLeft());
}

void DesktopWindow::sizeTo(Size size) {
    const int w = std::max(size.cx, 1), h = std::max(size.cy, 1);
    if (state_.kind != TopLevelKind::Popup) {
        // The window system sizes its windows: a window manager that maximised or resized one would
        // leave it larger than what it shows, so the size is the only one it is offered.
        GdkGeometry fixed{};
        fixed.min_width = fixed.max_width = w;
        fixed.min_height = fixed.max_height = h;
        gtk_window_set_geometry_hints(GTK_WINDOW(window_), nullptr, &fixed,
                                      GdkWindowHints(GDK_HINT_MIN_SIZE | GDK_HINT_MAX_SIZE));
    }
    gtk_window_resize(GTK_WINDOW(window_), w, h);
}

void DesktopWindow::moveTo(Point topLeft) {
    Point root = host_.rootPoint(topLeft);
    gtk_window_move(GTK_WINDOW(window_), root.X, root.Y);
    if (state_.kind != TopLevelKind::Popup)
        moves_.asked(root);
}

void DesktopWindow::showAsStated() {
    bool minimizedByDesktop = state_.minimized && host_.windowManagerRuns();
    bool visible = (state_.shown || minimizedByDesktop) && state_.layer.mode != Mode::Unset &&
                   state_.bounds.width() > 0 && state_.bounds.height() > 0;
    if (minimizedByDesktop != iconified_) {
        iconified_ = minimizedByDesktop;
        if (iconified_) {
            gtk_window_iconify(GTK_WINDOW(window_));
        } else {
            gtk_window_deiconify(GTK_WINDOW(window_));
        }
    }
    if (visible && !gtk_widget_get_visible(window_)) {
        // GTK forgets a hidden window's place: asked for it again, the window manager shows the
        // window where the window system has it instead of placing it anew.
        moveTo(state_.bounds.topLeft());
        gtk_widget_show(window_);
    } else if (!visible && gtk_widget_get_visible(window_)) {
        onScreen_ = false;
        gtk_widget_hide(window_);
    }
}

void DesktopWindow::takeFocus() {
    if (!mapped() || state_.kind == TopLevelKind::Popup || !state_.activatable)
        return;
    GdkWindow* gdk = gdkWindow();
    gdk_window_focus(gdk, LastUserTime(gdk_window_get_display(gdk)));
    host_.focusRequested(handle_);
}

void DesktopWindow::setRegion(const Region* region) {
    region_ = region ? std::optional<Region>(*region) : std::nullopt;
    applyShapes();
}

void DesktopWindow::update(const Surface& image, const Rect& dirty) {
    Rect area = intersect(dirty, image.bounds());
    if (image.width() != pixels_.width() || image.height() != pixels_.height()) {
        pixels_ = image;
        wrapPixels();
        gtk_widget_queue_draw(window_);
        return;
    }
    if (area.isEmpty())
        return;
    cairo_surface_flush(shown_);  // cairo is told before its pixels change under it
    for (int32_t y = area.Top; y < area.Bottom; ++y)
        std::copy(image.row(y) + area.Left, image.row(y) + area.Right, pixels_.row(y) + area.Left);
    if (layered())
        convertPixels(area);
    cairo_surface_mark_dirty_rectangle(shown_, area.Left, area.Top, area.width(), area.height());
    gtk_widget_queue_draw_area(window_, area.Left, area.Top, area.width(), area.height());
}

// Points cairo at the pixels the window shows: the window system's own copy for an opaque window
// (its alpha byte ignored), a converted copy for a layered one.
void DesktopWindow::wrapPixels() {
    if (shown_)
        cairo_surface_destroy(shown_);
    shown_ = nullptr;
    layerPixels_ = Surface();
    if (pixels_.isEmpty()) {
        shownPixels_.reset();
        applyShapes();
        return;
    }
    Surface* source = &pixels_;
    cairo_format_t format = CAIRO_FORMAT_RGB24;
    if (layered()) {
        layerPixels_ = Surface(pixels_.width(), pixels_.height());
        source = &layerPixels_;
        format = CAIRO_FORMAT_ARGB32;
    }
    shown_ = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(source->data()), format,
                                                 source->width(), source->height(), source->strideBytes());
    if (layered())
        convertPixels(pixels_.bounds());
}

void DesktopWindow::convertPixels(const Rect& area) {
    hitPixels_.reset();
    if (!layered() || layerPixels_.isEmpty()) {
        shownPixels_.reset();
    } else {
        ConvertLayerPixels(pixels_, area, state_.layer, compositor_, layerPixels_);
        if (shown_)
            cairo_surface_mark_dirty(shown_);
        shownPixels_ = compositor_ ? std::nullopt : ShownPixels(pixels_, state_.layer);
        if (compositor_ && state_.layer.mode == LayerAttributes::Mode::PerPixel)
            hitPixels_ = ShownPixels(pixels_, state_.layer, 1);
    }
    applyShapes();
}

void DesktopWindow::applyShapes() {
    std::optional<Region> shape = region_;
    if (!compositor_ && layered()) {
        // A layered window shown before any pixels came shows nothing.
        Region solid = pixels_.isEmpty() ? Region() : shownPixels_.value_or(Region(pixels_.bounds()));
        shape = shape ? shape->intersected(solid) : solid;
        if (!shownPixels_ && !pixels_.isEmpty() && !region_)
            shape.reset();
    }
    if (appliedShape_ != shape) {
        SetShape(window_, shape, false);
        appliedShape_ = shape;
    }
    std::optional<Region> input = state_.clickThrough ? std::optional<Region>(Region()) : region_;
    if (hitPixels_ && !state_.clickThrough)
        input = input ? input->intersected(*hitPixels_) : *hitPixels_;
    if (appliedInputShape_ != input) {
        SetShape(window_, input, true);
        appliedInputShape_ = input;
    }
}

void DesktopWindow::hostWidget(GtkWidget* widget) {
    if (widgets_.count(widget))
        return;
    widgets_[widget] = Placement{};
    gtk_widget_hide(widget);
    gtk_fixed_put(GTK_FIXED(fixed_), widget, 0, 0);
}

void DesktopWindow::placeWidget(GtkWidget* widget, const Rect& rect, bool shown) {
    auto it = widgets_.find(widget);
    if (it == widgets_.end())
        return;
    it->second = Placement{rect, shown};
    applyPlacement(widget, it->second);
}

void DesktopWindow::releaseWidget(GtkWidget* widget) {
    if (widgets_.erase(widget))
        gtk_container_remove(GTK_CONTAINER(fixed_), widget);
}

void DesktopWindow::applyPlacement(GtkWidget* widget, const Placement& placement) {
    Rect r = intersect(placement.rect, {0, 0, state_.bounds.width(), state_.bounds.height()});
    if (!placement.shown || r.isEmpty()) {
        gtk_widget_hide(widget);
        gtk_widget_set_size_request(widget, 1, 1);
        return;
    }
    gtk_fixed_move(GTK_FIXED(fixed_), widget, r.Left, r.Top);
    gtk_widget_set_size_request(widget, r.width(), r.height());
    gtk_widget_show(widget);
}

// --- Signals ---

gboolean DesktopWindow::OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    if (self->shown_) {
        cairo_set_source_surface(cr, self->shown_, 0, 0);
    } else {
        cairo_set_source_rgba(cr, 0, 0, 0, self->layered() ? 0 : 1);
    }
    cairo_paint(cr);
    cairo_restore(cr);
    return false;  // the native widgets draw over it
}

gboolean DesktopWindow::OnButton(GtkWidget*, GdkEventButton* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    // What a native widget left unhandled: the window system heard of it from the widget already.
    if (event->window != self->gdkWindow())
        return false;
    // GDK's own double and triple clicks: the window system counts clicks itself.
    if (event->type != GDK_BUTTON_PRESS && event->type != GDK_BUTTON_RELEASE)
        return true;
    std::optional<MouseButton> button = ButtonOf(event->button);
    if (!button)
        return true;
    bool pressed = event->type == GDK_BUTTON_PRESS;
    // A press on the window's own pixels takes the keys back from a native widget.
    if (pressed)
        gtk_window_set_focus(GTK_WINDOW(self->window_), nullptr);
    self->host_.queue(ButtonChanged{self->host_.screenPoint(event->x_root, event->y_root), *button, pressed});
    return true;
}

gboolean DesktopWindow::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    if (event->window != self->gdkWindow())
        return false;
    self->host_.queue(PointerMoved{self->host_.screenPoint(event->x_root, event->y_root)});
    return true;
}

gboolean DesktopWindow::OnScroll(GtkWidget*, GdkEventScroll* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    constexpr int kNotch = 120;  // WHEEL_DELTA
    int delta = event->direction == GDK_SCROLL_UP     ? kNotch
                : event->direction == GDK_SCROLL_DOWN ? -kNotch
                                                      : 0;
    if (delta)
        self->host_.queue(WheelTurned{self->host_.screenPoint(event->x_root, event->y_root), delta});
    return true;
}

gboolean DesktopWindow::OnKey(GtkWidget*, GdkEventKey* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    // A native widget that has the keys (the browser after a click) gets them from GTK, except the
    // window's own short-cuts, which GTK would otherwise never show the window system.
    if (gtk_window_get_focus(GTK_WINDOW(self->window_)) && !self->host_.claimsKey(self->handle_, *event)) {
        self->host_.widgetKey(self->handle_, *event);
        return false;
    }
    self->host_.keyEvent(self->handle_, *event);
    return true;
}

gboolean DesktopWindow::OnLeave(GtkWidget*, GdkEventCrossing* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    // Leaving for a native widget inside is no leaving; leaving the window is one last move, so
    // that the window system sees the pointer go.
    if (event->detail != GDK_NOTIFY_INFERIOR && event->mode == GDK_CROSSING_NORMAL)
        self->host_.queue(PointerMoved{self->host_.screenPoint(event->x_root, event->y_root)});
    return false;
}

gboolean DesktopWindow::OnFocus(GtkWidget*, GdkEventFocus* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    self->host_.focusChanged(self->handle_, event->in != 0);
    return false;
}

gboolean DesktopWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    self->host_.queue(CloseRequested{self->handle_});
    return true;  // the window system decides
}

gboolean DesktopWindow::OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    // Only a window manager minimises and restores. (Without one GDK takes a late unmap of a window
    // hidden and shown again for a minimise: that must not reach the window system.)
    if (!(event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) || !self->host_.windowManagerRuns())
        return false;
    bool iconified = (event->new_window_state & GDK_WINDOW_STATE_ICONIFIED) != 0;
    if (iconified == self->iconified_)
        return false;
    // The taskbar restored the window, or the window manager minimised the active window.
    if (!iconified || (self->state_.active && self->state_.shown))
        self->host_.queue(TaskbarEntryClicked{self->handle_});
    return false;
}

gboolean DesktopWindow::OnConfigure(GtkWidget*, GdkEventConfigure* event, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    if (self->onScreen_)
        self->reportPlace({event->x, event->y});
    return false;
}

void DesktopWindow::reportPlace(Point root) {
    if (state_.kind == TopLevelKind::Popup)
        return;
    if (moves_.reportedIsForeign(root))
        host_.queue(DesktopMoved{handle_, host_.screenPoint(root.X, root.Y)});
}

gboolean DesktopWindow::OnMap(GtkWidget*, GdkEvent*, gpointer data) {
    auto* self = static_cast<DesktopWindow*>(data);
    // Where the window manager put the window, read once it shows (it places it before that).
    self->onScreen_ = true;
    int x = 0, y = 0;
    gdk_window_get_origin(self->gdkWindow(), &x, &y);
    self->reportPlace({x, y});
    self->host_.mapped(self->handle_);
    if (self->state_.active)
        self->takeFocus();
    return false;
}

}  // namespace platform::gtk
