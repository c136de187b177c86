#include <algorithm>

#include "platform/display/display.h"
#include "platform/window/focus.h"
#include "platform/window/internal.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace platform {

using namespace win;

namespace {

bool CanActivate(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && !w->isChild() && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED) &&
           !(w->style & WS_MINIMIZE) && !(w->exStyle & WS_EX_NOACTIVATE);
}

void BroadcastActivateApp(bool active) {
    std::vector<HWND> tops = System().topLevels;
    for (HWND top : tops) SendMessage(top, WM_ACTIVATEAPP, active ? 1 : 0, 0);
}

bool OwnedBy(HWND hwnd, HWND owner) {
    for (WindowRecord* w = Find(hwnd); w && w->owner; w = Find(w->owner)) {
        if (w->owner == owner)
            return true;
    }
    return false;
}

// Nothing but topmost windows (for a window that is not one) and its own owned windows above it.
bool OnTopOfItsBand(HWND hwnd) {
    bool topmost = (Get(hwnd).exStyle & WS_EX_TOPMOST) != 0;
    for (HWND above : System().topLevels) {
        if (above == hwnd)
            return true;
        bool aboveTopmost = (Get(above).exStyle & WS_EX_TOPMOST) != 0;
        if ((aboveTopmost && !topmost) || OwnedBy(above, hwnd))
            continue;
        return false;
    }
    return true;
}

void TellDisplayImeFocus() {
    WindowSystem& s = System();
    if (!s.display)
        return;
    WindowRecord* w = Find(s.focus);
    s.display->imeFocus(s.focus, w && w->imeEnabled);
}

}  // namespace

namespace win {

void ActivateWindow(HWND hwnd, WORD how) {
    WindowSystem& s = System();
    HWND old = s.active;
    if (old == hwnd && (s.appActive || !hwnd))
        return;
    if (hwnd && !OnTopOfItsBand(hwnd))
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (old && old != hwnd && Find(old)) {
        SendMessage(old, WM_NCACTIVATE, 0, reinterpret_cast<LPARAM>(hwnd));
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old)), reinterpret_cast<LPARAM>(hwnd));
    }
    if (hwnd && !Find(hwnd))
        hwnd = nullptr;
    s.active = hwnd;
    // The display hears at once, so that the desktop's focus follows the activation.
    if (old != hwnd)
        AnnounceTopLevel(old);
    if (!hwnd) {
        if (s.appActive) {
            s.appActive = false;
            BroadcastActivateApp(false);
        }
        if (s.focus)
            SetFocus(nullptr);
        return;
    }
    if (!s.appActive) {
        s.appActive = true;
        BroadcastActivateApp(true);
    }
    AnnounceTopLevel(hwnd);
    if (s.active != hwnd || !Find(hwnd))
        return;
    SendMessage(hwnd, WM_NCACTIVATE, 1, reinterpret_cast<LPARAM>(old));
    SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd)), reinterpret_cast<LPARAM>(old));
    // Whatever the procedure did with WM_ACTIVATE, the keys now belong to the active window.
    if (s.active == hwnd && Find(hwnd) && TopLevelOf(s.focus) != hwnd)
        SetFocus(hwnd);
}

void ActivateOtherWindow(HWND leaving) {
    WindowSystem& s = System();
    WindowRecord* w = Find(leaving);
    HWND next = nullptr;
    if (w && w->owner && CanActivate(w->owner))
        next = w->owner;
    for (HWND top : s.topLevels) {
        if (next)
            break;
        if (top != leaving && CanActivate(top) && !(Get(top).exStyle & WS_EX_TOOLWINDOW))
            next = top;
    }
    ActivateWindow(next, WA_ACTIVE);
}

void SetApplicationActive(bool active) {
    WindowSystem& s = System();
    if (active == s.appActive)
        return;
    if (!active) {
        s.activeBeforeAppLeft = s.active;
        ActivateWindow(nullptr, WA_INACTIVE);
        return;
    }
    HWND back = CanActivate(s.activeBeforeAppLeft) ? s.activeBeforeAppLeft : nullptr;
    for (HWND top : s.topLevels) {
        if (back)
            break;
        if (CanActivate(top))
            back = top;
    }
    if (back) {
        ActivateWindow(back, WA_ACTIVE);
    } else {
        s.appActive = true;
        BroadcastActivateApp(true);
    }
}

}  // namespace win

HWND SetFocus(HWND hwnd) {
    WindowSystem& s = System();
    HWND previous = s.focus;
    if (hwnd) {
        // A disabled or minimised window (or one inside such a window) cannot take the focus.
        for (WindowRecord* w = Find(hwnd); w; w = w->isChild() ? Find(w->parent) : nullptr) {
            if (w->style & (WS_DISABLED | WS_MINIMIZE))
                return nullptr;
        }
        if (!Find(hwnd))
            return nullptr;
        HWND top = TopLevelOf(hwnd);
        if (top != s.active) {
            ActivateWindow(top, WA_ACTIVE);
            if (s.active != top || !Find(hwnd))
                return nullptr;
        }
    }
    HWND old = s.focus;
    if (old != hwnd) {
        s.focus = hwnd;
        if (old && Find(old))
            SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
        if (s.focus == hwnd && hwnd && Find(hwnd))
            SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
        if (s.focus == hwnd)
            TellDisplayImeFocus();
    }
    // The focus before the call, even when activating the window already moved it.
    return Find(previous) ? previous : nullptr;
}

HWND GetFocus() {
    return System().focus;
}

HWND SetActiveWindow(HWND hwnd) {
    HWND top = TopLevelOf(hwnd);
    if (!top || !CanActivate(top))
        return nullptr;
    HWND old = System().active;
    ActivateWindow(top, WA_ACTIVE);
    return old;
}

HWND GetActiveWindow() {
    return System().active;
}

bool SetForegroundWindow(HWND hwnd) {
    HWND top = TopLevelOf(hwnd);
    if (!top || !CanActivate(top))
        return false;
    ActivateWindow(top, WA_ACTIVE);
    return true;
}

HWND GetForegroundWindow() {
    return System().appActive ? System().active : nullptr;
}

}  // namespace platform
