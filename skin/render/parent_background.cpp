#include "skin/render/parent_background.h"

#include <map>
#include <utility>

#include "platform/gfx/dc.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace skin {

using namespace platform;

namespace {

std::map<HWND, ParentBackgroundHooks>& Hooks() {
    static std::map<HWND, ParentBackgroundHooks> hooks;
    return hooks;
}

// Sets a painting-copy flag for as long as it lives, also when painting throws.
class PaintingCopy {
  public:
    explicit PaintingCopy(std::function<void(bool)> set) : set_(std::move(set)) {
        if (set_)
            set_(true);
    }
    ~PaintingCopy() {
        if (set_)
            set_(false);
    }
    PaintingCopy(const PaintingCopy&) = delete;
    PaintingCopy& operator=(const PaintingCopy&) = delete;

  private:
    std::function<void(bool)> set_;
};

// Restores the canvas state saved when it was made, also when painting throws.
class SavedState {
  public:
    explicit SavedState(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
    ~SavedState() {
        if (level_)
            RestoreDC(dc_, level_);
    }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

  private:
    HDC dc_;
    int level_;
};

Rect BoundsInParent(HWND control, HWND parent) {
    Rect r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, &r);
    return r;
}

void PaintParent(HWND parent, const ParentBackgroundHooks* hooks, HDC canvas) {
    if (hooks && hooks->paintBackground) {
        hooks->paintBackground(canvas);
        return;
    }
    SendMessage(parent, WM_ERASEBKGND, WPARAM(canvas), 0);
    if (GetWindowLongPtr(parent, GWL_STYLE) & WS_CHILD)
        SendMessage(parent, WM_PAINT, WPARAM(canvas), 0);
}

}  // namespace

void SetParentBackgroundHooks(HWND parent, ParentBackgroundHooks hooks) {
    Hooks()[parent] = std::move(hooks);
}
void RemoveParentBackgroundHooks(HWND parent) {
    Hooks().erase(parent);
}

void PaintParentBackgroundPart(HWND control, const Rect& part, HDC canvas) {
    const HWND parent = GetParent(control);
    if (!parent || !(GetWindowLongPtr(control, GWL_STYLE) & WS_CHILD))
        return;
    const auto found = Hooks().find(parent);
    const ParentBackgroundHooks* hooks = found == Hooks().end() ? nullptr : &found->second;
    const Rect bounds = BoundsInParent(control, parent);
    const Point shift{bounds.Left + part.Left, bounds.Top + part.Top};
    {
        SavedState saved(canvas);
        const PaintingCopy copying(hooks ? hooks->setPaintingCopy : std::function<void(bool)>());
        Rect client;
        GetClientRect(parent, &client);
        OffsetWindowOrgEx(canvas, shift.X, shift.Y, nullptr);
        IntersectClipRect(canvas, 0, 0, client.width(), client.height());
        PaintParent(parent, hooks, canvas);
    }
    if (!hooks || !hooks->windowlessChildrenBefore)
        return;
    for (const WindowlessChild& child : hooks->windowlessChildrenBefore(control)) {
        if (!child.visible || !child.paint || platform::intersect(child.bounds, bounds).isEmpty())
            continue;
        SavedState saved(canvas);
        const PaintingCopy copying(child.setPaintingCopy);
        OffsetWindowOrgEx(canvas, shift.X - child.bounds.Left, shift.Y - child.bounds.Top, nullptr);
        IntersectClipRect(canvas, 0, 0, child.bounds.width(), child.bounds.height());
        child.paint(canvas);
    }
}

void PaintParentBackground(HWND control, HDC canvas) {
    PaintParentBackgroundPart(control, {}, canvas);
}

}  // namespace skin
