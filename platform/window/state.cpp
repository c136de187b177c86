#include "platform/window/state.h"

#include <stdexcept>

#include "platform/gfx/dc.h"
#include "platform/window/window_system.h"

namespace platform::win {

WindowSystem& System() {
    static WindowSystem system;
    return system;
}

Display* CurrentDisplay() {
    return System().display;
}

WindowRecord* Find(HWND hwnd) {
    auto& windows = System().windows;
    auto it = windows.find(reinterpret_cast<uintptr_t>(hwnd));
    return it == windows.end() ? nullptr : it->second.get();
}

WindowRecord& Get(HWND hwnd) {
    return *Find(hwnd);
}

HWND TopLevelOf(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    while (w && w->isChild()) w = Find(w->parent);
    return w ? w->handle : nullptr;
}

Point OffsetInTopLevel(HWND hwnd) {
    Point offset;
    WindowRecord* w = Find(hwnd);
    while (w && w->isChild()) {
        WindowRecord* parent = Find(w->parent);
        if (!parent)
            break;
        offset.X += w->rect.Left + parent->client.Left;
        offset.Y += w->rect.Top + parent->client.Top;
        w = parent;
    }
    return offset;
}

Rect ScreenRectOf(const WindowRecord& w) {
    HWND top = TopLevelOf(w.handle);
    WindowRecord* t = Find(top);
    Point offset = OffsetInTopLevel(w.handle);
    Point origin = t ? Point{t->rect.Left + offset.X, t->rect.Top + offset.Y} : offset;
    return rectOfSize(origin.X, origin.Y, w.rect.width(), w.rect.height());
}

Point ClientOriginOnScreen(const WindowRecord& w) {
    Rect r = ScreenRectOf(w);
    return {r.Left + w.client.Left, r.Top + w.client.Top};
}

bool IsShownWithAncestors(HWND hwnd) {
    for (WindowRecord* w = Find(hwnd); w; w = w->isChild() ? Find(w->parent) : nullptr) {
        if (!(w->style & WS_VISIBLE))
            return false;
    }
    return Find(hwnd) != nullptr;
}

static TopLevelState StateOf(const WindowRecord& w) {
    TopLevelState s;
    s.bounds = w.rect;
    bool visible = (w.style & WS_VISIBLE) != 0;
    s.minimized = visible && (w.style & WS_MINIMIZE);
    s.shown = visible && !s.minimized;
    s.inTaskbar = visible && ((!w.owner && !(w.exStyle & WS_EX_TOOLWINDOW)) || (w.exStyle & WS_EX_APPWINDOW));
    s.topmost = (w.exStyle & WS_EX_TOPMOST) != 0;
    s.activatable = !(w.exStyle & WS_EX_NOACTIVATE);
    s.active = System().active == w.handle && System().appActive;
    s.clickThrough = (w.exStyle & WS_EX_LAYERED) && (w.exStyle & WS_EX_TRANSPARENT);
    bool neverInTaskbar = (w.owner || (w.exStyle & WS_EX_TOOLWINDOW)) && !(w.exStyle & WS_EX_APPWINDOW);
    if ((w.style & WS_POPUP) && (w.style & WS_CAPTION) != WS_CAPTION && neverInTaskbar) {
        s.kind = TopLevelKind::Popup;
    } else if (w.exStyle & WS_EX_TOOLWINDOW) {
        s.kind = TopLevelKind::Tool;
    }
    s.title = w.text;
    if (w.exStyle & WS_EX_LAYERED)
        s.layer = w.top->layer;
    return s;
}

WindowRecord* KnownTopLevel(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && w->top && w->top->known && !w->destroying && CurrentDisplay() ? w : nullptr;
}

void IntroduceTopLevel(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    Display* display = CurrentDisplay();
    if (!w || !w->top || !display || w->top->known)
        return;
    w->top->known = true;
    display->topLevelCreated(hwnd);
    AnnounceTopLevel(hwnd);
    if (w->region)
        AnnounceShape(hwnd);
    AnnounceStacking();
    const Surface& shown =
        w->top->layer.mode == LayerAttributes::Mode::PerPixel ? *w->top->layeredImage : *w->top->surface;
    if (!shown.isEmpty())
        display->surfaceUpdated(hwnd, shown, shown.bounds());
}

void AnnounceTopLevel(HWND hwnd) {
    WindowRecord* w = KnownTopLevel(hwnd);
    if (!w)
        return;
    TopLevelState state = StateOf(*w);
    if (w->top->lastSent == state)
        return;
    w->top->lastSent = state;
    CurrentDisplay()->topLevelChanged(hwnd, state);
}

void AnnounceStacking() {
    Display* display = CurrentDisplay();
    if (!display)
        return;
    std::vector<HWND> known;
    for (HWND top : System().topLevels) {
        if (KnownTopLevel(top))
            known.push_back(top);
    }
    display->stackingChanged(known);
}

void AnnounceShape(HWND hwnd) {
    if (WindowRecord* w = KnownTopLevel(hwnd)) {
        CurrentDisplay()->topLevelShaped(hwnd, w->region ? &*w->region : nullptr);
    }
}

void PlaceNativeWidgets() {
    Display* display = CurrentDisplay();
    if (!display)
        return;
    for (auto& [key, w] : System().windows) {
        if (!w->nativeWidget)
            continue;
        Point offset = OffsetInTopLevel(w->handle);
        Rect rect = rectOfSize(offset.X, offset.Y, w->rect.width(), w->rect.height());
        // A child shows only within its ancestors' client areas, as its painting does; a widget
        // reaching past them would cover the parent's frame.
        for (WindowRecord* a = w->isChild() ? Find(w->parent) : nullptr; a;
             a = a->isChild() ? Find(a->parent) : nullptr) {
            const Point at = OffsetInTopLevel(a->handle);
            rect = intersect(rect, a->client.offsetBy(at.X, at.Y));
        }
        display->placeNativeWidget(
            w->nativeWidget, TopLevelOf(w->handle), rect,
            IsShownWithAncestors(w->handle) && !(Get(TopLevelOf(w->handle)).style & WS_MINIMIZE));
    }
}

void ForgetWindowState(HWND hwnd) {
    WindowSystem& s = System();
    if (s.active == hwnd)
        s.active = nullptr;
    if (s.activeBeforeAppLeft == hwnd)
        s.activeBeforeAppLeft = nullptr;
    if (s.focus == hwnd)
        s.focus = nullptr;
    if (s.capture == hwnd) {
        s.capture = nullptr;
        if (s.display)
            s.display->grabPointer(nullptr);
    }
    if (s.keyboardGrab == hwnd) {
        s.keyboardGrab = nullptr;
        if (s.display)
            s.display->grabKeyboard(nullptr);
    }
    if (s.leaveTracking.hwnd == hwnd)
        s.leaveTracking = {};
    if (s.lastClick.hwnd == hwnd)
        s.lastClick = {};
    if (s.composition.hwnd == hwnd)
        s.composition = {};
    std::erase_if(s.posted, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
    std::erase_if(s.readyInput, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
    std::erase_if(s.timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace platform::win

namespace platform {

using namespace win;

void ConnectDisplay(Display& display) {
    WindowSystem& s = System();
    if (s.display)
        throw std::logic_error("a display is already connected to the window system");
    s.display = &display;
}

void DisconnectDisplay(Display& display) {
    WindowSystem& s = System();
    if (s.display != &display)
        return;
    // Windows are dropped silently: their procedures may belong to objects that are gone already.
    for (auto& [key, w] : s.windows) {
        if (w->top)
            DetachSurfaceDCs(w->top->surface.get());
    }
    s = WindowSystem{};
}

bool IsDisplayConnected() {
    return System().display != nullptr;
}

}  // namespace platform
