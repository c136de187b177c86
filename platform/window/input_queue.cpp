// Raw input from the display becomes window messages here, one event at a time, when the loop
// takes it: capture, hit testing, activation and focus apply as they are at that moment.
#include <algorithm>
#include <cstdlib>

#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/timers.h"
#include "platform/window/utf8.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace platform {

using namespace win;

namespace {

constexpr uint8_t kDown = 0x80;
constexpr uint8_t kToggled = 0x01;

class Sink final : public InputSink {
  public:
    void deliver(const InputEvent& event) override {
        WindowSystem& s = System();
        if (auto* key = std::get_if<KeyChanged>(&event.what))
            SetKey(s.asyncKeyState, key->vk, key->pressed);
        if (auto* button = std::get_if<ButtonChanged>(&event.what)) {
            SetKey(s.asyncKeyState, ButtonVk(button->button), button->pressed);
        }
        s.input.push_back(event);
    }

    static int ButtonVk(MouseButton b) {
        return b == MouseButton::Left ? VK_LBUTTON : b == MouseButton::Right ? VK_RBUTTON : VK_MBUTTON;
    }

    static void SetKey(std::array<uint8_t, 256>& state, int vk, bool down) {
        auto set = [&state, down](int k) {
            if (k < 0 || k > 255)
                return;
            if (down && !(state[size_t(k)] & kDown))
                state[size_t(k)] ^= kToggled;
            state[size_t(k)] = uint8_t(down ? (state[size_t(k)] | kDown) : (state[size_t(k)] & ~kDown));
        };
        set(vk);
        // The sided keys also move their common key.
        if (vk == VK_LSHIFT || vk == VK_RSHIFT)
            set(VK_SHIFT);
        if (vk == VK_LCONTROL || vk == VK_RCONTROL)
            set(VK_CONTROL);
        if (vk == VK_LMENU || vk == VK_RMENU)
            set(VK_MENU);
    }
};

bool KeyDown(int vk) {
    return (System().keyState[size_t(vk)] & kDown) != 0;
}

WPARAM MouseKeys() {
    WPARAM keys = 0;
    if (KeyDown(VK_LBUTTON))
        keys |= MK_LBUTTON;
    if (KeyDown(VK_RBUTTON))
        keys |= MK_RBUTTON;
    if (KeyDown(VK_MBUTTON))
        keys |= MK_MBUTTON;
    if (KeyDown(VK_SHIFT))
        keys |= MK_SHIFT;
    if (KeyDown(VK_CONTROL))
        keys |= MK_CONTROL;
    return keys;
}

void Queue(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, uint32_t time) {
    WindowSystem& s = System();
    s.readyInput.push_back(MSG{hwnd, message, wParam, lParam, time, s.cursor});
}

// The client and non-client messages of one button; index 0 down, 1 up, 2 double-click.
UINT ButtonMessage(MouseButton b, int index, bool client) {
    UINT base = client ? (b == MouseButton::Left    ? WM_LBUTTONDOWN
                          : b == MouseButton::Right ? WM_RBUTTONDOWN
                                                    : WM_MBUTTONDOWN)
                       : (b == MouseButton::Left    ? WM_NCLBUTTONDOWN
                          : b == MouseButton::Right ? WM_NCRBUTTONDOWN
                                                    : WM_NCMBUTTONDOWN);
    return base + UINT(index);
}

HWND SearchIn(HWND hwnd, Point screen, int* hit) {
    WindowRecord* w = Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE))
        return nullptr;
    bool top = !w->isChild();
    if (top && (w->style & WS_MINIMIZE))
        return nullptr;
    if (top && (w->exStyle & WS_EX_LAYERED)) {
        // A layered window nothing was shown for yet, or one that lets the pointer through.
        if (w->top->layer.mode == LayerAttributes::Mode::Unset || (w->exStyle & WS_EX_TRANSPARENT))
            return nullptr;
    }
    Rect onScreen = ScreenRectOf(*w);
    if (!onScreen.contains(screen))
        return nullptr;
    if (w->region && !w->region->contains({screen.X - onScreen.Left, screen.Y - onScreen.Top}))
        return nullptr;
    if (w->style & WS_DISABLED) {
        if (!top)
            return nullptr;  // the parent takes the point
        *hit = HTERROR;
        return hwnd;
    }
    if (w->client.offsetBy(onScreen.Left, onScreen.Top).contains(screen)) {
        std::vector<HWND> children = w->children;
        for (HWND child : children) {
            if (HWND found = SearchIn(child, screen, hit))
                return found;
        }
    }
    LRESULT answer = SendMessage(hwnd, WM_NCHITTEST, 0, LParamFromPoint(screen));
    if (!Find(hwnd) || answer == HTTRANSPARENT)
        return nullptr;
    *hit = int(answer);
    return hwnd;
}

// The pointer left the part of the window TrackMouseEvent watches.
void CheckMouseLeave(HWND target, int hit, Point screen) {
    WindowSystem& s = System();
    LeaveTracking& t = s.leaveTracking;
    if (!t.hwnd)
        return;
    WindowRecord* w = Find(t.hwnd);
    if (!w) {
        t = {};
        return;
    }
    bool inClient, inFrame;
    if (s.capture) {
        // While a window holds the capture no window is asked; the rectangles decide.
        Rect onScreen = ScreenRectOf(*w);
        inClient = w->client.offsetBy(onScreen.Left, onScreen.Top).contains(screen);
        inFrame = onScreen.contains(screen) && !inClient;
    } else {
        inClient = target == t.hwnd && hit == HTCLIENT;
        inFrame = target == t.hwnd && hit != HTCLIENT;
    }
    if (t.client && !inClient) {
        t.client = false;
        PostMessage(t.hwnd, WM_MOUSELEAVE, 0, 0);
    }
    if (t.nonClient && !inFrame) {
        t.nonClient = false;
        PostMessage(t.hwnd, WM_NCMOUSELEAVE, 0, 0);
    }
    if (!t.client && !t.nonClient)
        t = {};
}

bool IsDoubleClick(HWND target, MouseButton button, bool client, Point screen, uint32_t time) {
    const ClickMemory& last = System().lastClick;
    if (!last.valid || last.hwnd != target || last.button != button || last.client != client)
        return false;
    if (time - last.time > GetDoubleClickTime())
        return false;
    if (std::abs(screen.X - last.point.X) > GetSystemMetrics(SM_CXDOUBLECLK) / 2)
        return false;
    if (std::abs(screen.Y - last.point.Y) > GetSystemMetrics(SM_CYDOUBLECLK) / 2)
        return false;
    if (client && !(Get(target).windowClass->style & CS_DBLCLKS))
        return false;
    return true;
}

// WM_PARENTNOTIFY for a press in a child window, to each parent in its own client coordinates.
void NotifyParentsOfPress(HWND target, UINT pressMessage, Point screen) {
    for (HWND hwnd = target;;) {
        WindowRecord* w = Find(hwnd);
        if (!w || !w->isChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY))
            return;
        HWND parent = w->parent;
        Point p = screen;
        ScreenToClient(parent, &p);
        SendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(int(pressMessage), 0), LParamFromPoint(p));
        hwnd = parent;
    }
}

// WM_MOUSEACTIVATE for a press in an inactive top-level window. False when the press is eaten.
bool MouseActivate(HWND target, int hit, UINT pressMessage) {
    HWND top = TopLevelOf(target);
    WindowSystem& s = System();
    if (!top || (top == s.active && s.appActive))
        return true;
    LRESULT answer = SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                 MAKELPARAM(hit, int(pressMessage)));
    if (answer == 0)
        answer = MA_ACTIVATE;
    bool activate = answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT;
    if (activate && Find(top) && !(Get(top).exStyle & WS_EX_NOACTIVATE) && !(Get(top).style & WS_DISABLED)) {
        ActivateWindow(top, WA_CLICKACTIVE);
    }
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT && Find(target);
}

enum class MouseKind { Move, Press, Release };

void ConvertMouse(MouseKind kind, Point screen, MouseButton button, uint32_t time) {
    WindowSystem& s = System();
    s.cursor = screen;
    int hit = HTNOWHERE;
    HWND target = nullptr;
    bool captured = s.capture && Find(s.capture);
    if (captured) {
        target = s.capture;
        hit = HTCLIENT;
    } else {
        target = HitTestPoint(screen, &hit);
    }
    CheckMouseLeave(target, hit, screen);
    if (!target)
        return;

    int index = kind == MouseKind::Press ? 0 : 1;
    UINT clientMessage = kind == MouseKind::Move ? WM_MOUSEMOVE : ButtonMessage(button, index, true);
    if (!captured) {
        SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                    MAKELPARAM(hit, int(clientMessage)));
        if (hit == HTERROR || !Find(target))
            return;
    }
    if (kind == MouseKind::Press && !captured) {
        if (!MouseActivate(target, hit, clientMessage))
            return;
        NotifyParentsOfPress(target, clientMessage, screen);
        if (!Find(target))
            return;
    }

    bool client = hit == HTCLIENT;
    if (kind == MouseKind::Press) {
        if (IsDoubleClick(target, button, client, screen, time)) {
            index = 2;
            s.lastClick.valid = false;
        } else {
            s.lastClick = ClickMemory{target, button, client, time, screen, true};
        }
    }
    if (client) {
        Point p = screen;
        ScreenToClient(target, &p);
        UINT message = kind == MouseKind::Move ? WM_MOUSEMOVE : ButtonMessage(button, index, true);
        Queue(target, message, MouseKeys(), LParamFromPoint(p), time);
    } else {
        UINT message = kind == MouseKind::Move ? WM_NCMOUSEMOVE : ButtonMessage(button, index, false);
        Queue(target, message, WPARAM(hit), LParamFromPoint(screen), time);
    }
}

void ConvertKey(const KeyChanged& key, uint32_t time) {
    WindowSystem& s = System();
    bool wasDown = key.vk >= 0 && key.vk < 256 && KeyDown(key.vk);
    Sink::SetKey(s.keyState, key.vk, key.pressed);
    if (key.vk < 0 || key.vk > 255)
        return;
    if (key.pressed) {
        s.lastKeyVk = key.vk;
        s.lastKeyText = key.text;
    }
    bool alt = KeyDown(VK_MENU) || key.vk == VK_MENU || key.vk == VK_LMENU || key.vk == VK_RMENU;
    // Alt with Ctrl is AltGr, which types characters rather than commanding the window.
    bool system = (alt && !KeyDown(VK_CONTROL)) || key.vk == VK_F10;
    HWND target = s.focus;
    if (!target) {
        target = s.active;
        system = true;
    }
    if (!target)
        return;
    UINT message = key.pressed ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam = 1;
    if (alt)
        lParam |= LPARAM(1) << 29;
    if (wasDown || !key.pressed)
        lParam |= LPARAM(1) << 30;
    if (!key.pressed)
        lParam |= LPARAM(1) << 31;
    Queue(target, message, WPARAM(key.vk), lParam, time);
}

void ConvertText(const std::string& text, uint32_t time) {
    HWND target = System().focus;
    if (!target)
        return;
    for (uint32_t cp : CodePointsOf(text)) Queue(target, WM_CHAR, WPARAM(cp), 1, time);
}

void ConvertComposition(const InputEvent& event) {
    WindowSystem& s = System();
    HWND target = s.focus;
    if (!target)
        return;
    if (std::holds_alternative<CompositionStarted>(event.what)) {
        s.composition = Composition{target, {}, 0};
        Queue(target, WM_IME_STARTCOMPOSITION, 0, 0, event.time);
    } else if (auto* changed = std::get_if<CompositionChanged>(&event.what)) {
        int32_t cursor = std::clamp<int32_t>(changed->cursor, 0, int32_t(changed->preedit.size()));
        s.composition = Composition{target, changed->preedit, cursor};
        Queue(target, WM_IME_COMPOSITION, 0, GCS_COMPSTR, event.time);
    } else {
        s.composition = Composition{};
        Queue(target, WM_IME_ENDCOMPOSITION, 0, 0, event.time);
    }
}

void ConvertTaskbarClick(HWND hwnd, uint32_t time) {
    if (!IsWindow(hwnd))
        return;
    if (IsIconic(hwnd)) {
        Queue(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0, time);
    } else if (GetActiveWindow() == hwnd) {
        Queue(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0, time);
    } else {
        SetForegroundWindow(hwnd);
    }
}

void ConvertDesktopActivation(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    if (!w || w->isChild() || (GetActiveWindow() == hwnd && System().appActive))
        return;
    SetForegroundWindow(hwnd);
}

void ConvertDesktopMove(HWND hwnd, Point topLeft) {
    WindowRecord* w = Find(hwnd);
    if (!w || w->isChild() || (w->style & WS_MINIMIZE) || w->rect.topLeft() == topLeft)
        return;
    SetWindowPos(hwnd, nullptr, topLeft.X, topLeft.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ConvertScreenChange() {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    SendMessage(HWND_BROADCAST, WM_DISPLAYCHANGE, 32, MAKELPARAM(width, height));
}

}  // namespace

namespace win {

InputSink& InputSinkOf() {
    static Sink sink;
    return sink;
}

HWND HitTestPoint(Point screen, int* hit) {
    std::vector<HWND> tops = System().topLevels;
    for (HWND top : tops) {
        if (HWND found = SearchIn(top, screen, hit))
            return found;
    }
    *hit = HTNOWHERE;
    return nullptr;
}

void ConvertNextInput() {
    WindowSystem& s = System();
    if (s.input.empty())
        return;
    InputEvent event = std::move(s.input.front());
    s.input.pop_front();
    uint32_t time = event.time;
    std::visit(
        [&](const auto& e) {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, PointerMoved>) {
                ConvertMouse(MouseKind::Move, e.screen, MouseButton::Left, time);
            } else if constexpr (std::is_same_v<E, ButtonChanged>) {
                Sink::SetKey(s.keyState, Sink::ButtonVk(e.button), e.pressed);
                ConvertMouse(e.pressed ? MouseKind::Press : MouseKind::Release, e.screen, e.button, time);
            } else if constexpr (std::is_same_v<E, WheelTurned>) {
                s.cursor = e.screen;
                HWND target = s.focus ? s.focus : s.active;
                if (target)
                    Queue(target, WM_MOUSEWHEEL, MAKEWPARAM(int(MouseKeys()), e.delta),
                          LParamFromPoint(e.screen), time);
            } else if constexpr (std::is_same_v<E, KeyChanged>) {
                ConvertKey(e, time);
            } else if constexpr (std::is_same_v<E, TextCommitted>) {
                ConvertText(e.text, time);
            } else if constexpr (std::is_same_v<E, CompositionStarted> ||
                                 std::is_same_v<E, CompositionChanged> ||
                                 std::is_same_v<E, CompositionEnded>) {
                ConvertComposition(event);
            } else if constexpr (std::is_same_v<E, ApplicationFocusChanged>) {
                SetApplicationActive(e.active);
            } else if constexpr (std::is_same_v<E, CloseRequested>) {
                if (IsWindow(e.window))
                    Queue(e.window, WM_SYSCOMMAND, SC_CLOSE, 0, time);
            } else if constexpr (std::is_same_v<E, TaskbarEntryClicked>) {
                ConvertTaskbarClick(e.window, time);
            } else if constexpr (std::is_same_v<E, ScreenChanged>) {
                ConvertScreenChange();
            } else if constexpr (std::is_same_v<E, DesktopActivated>) {
                ConvertDesktopActivation(e.window);
            } else if constexpr (std::is_same_v<E, DesktopMoved>) {
                ConvertDesktopMove(e.window, e.topLeft);
            }
        },
        event.what);
}

}  // namespace win

HWND WindowFromPoint(Point screen) {
    int hit = HTNOWHERE;
    HWND found = HitTestPoint(screen, &hit);
    return hit == HTERROR ? nullptr : found;
}

HWND ChildWindowFromPoint(HWND parent, Point client) {
    WindowRecord* w = Find(parent);
    if (!w)
        return nullptr;
    if (!Rect{0, 0, w->client.width(), w->client.height()}.contains(client))
        return nullptr;
    for (HWND c : w->children) {
        WindowRecord& child = Get(c);
        if (!child.rect.contains(client))
            continue;
        if (child.region && !child.region->contains({client.X - child.rect.Left, client.Y - child.rect.Top}))
            continue;
        return c;
    }
    return parent;
}

HWND SetCapture(HWND hwnd) {
    WindowSystem& s = System();
    if (!Find(hwnd))
        return nullptr;
    HWND old = s.capture;
    if (old == hwnd)
        return old;
    s.capture = hwnd;
    if (s.display)
        s.display->grabPointer(TopLevelOf(hwnd));
    if (old && Find(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

bool ReleaseCapture() {
    WindowSystem& s = System();
    HWND old = s.capture;
    if (!old)
        return true;
    s.capture = nullptr;
    if (s.display)
        s.display->grabPointer(nullptr);
    if (Find(old))
        SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    return System().capture;
}

HWND SetKeyboardGrab(HWND hwnd) {
    WindowSystem& s = System();
    HWND top = hwnd && Find(hwnd) ? TopLevelOf(hwnd) : nullptr;
    HWND old = s.keyboardGrab;
    if (old == top)
        return old;
    s.keyboardGrab = top;
    if (s.display)
        s.display->grabKeyboard(top);
    return old;
}

HWND GetKeyboardGrab() {
    return System().keyboardGrab;
}

bool GetCursorPos(Point* point) {
    if (!point)
        return false;
    *point = System().cursor;
    return true;
}

bool SetCursorPos(int32_t x, int32_t y) {
    WindowSystem& s = System();
    Point p{x, y};
    s.cursor = p;
    if (!s.display)
        return true;
    s.display->warpPointer(p);
    InputSinkOf().deliver(InputEvent{GetTickCount(), PointerMoved{p}});
    return true;
}

HCURSOR LoadCursor(std::nullptr_t, int id) {
    switch (id) {
        case IDC_ARROW:
        case IDC_IBEAM:
        case IDC_WAIT:
        case IDC_CROSS:
        case IDC_SIZENWSE:
        case IDC_SIZENESW:
        case IDC_SIZEWE:
        case IDC_SIZENS:
        case IDC_SIZEALL:
        case IDC_NO:
        case IDC_HAND:
            return reinterpret_cast<HCURSOR>(uintptr_t(id));
        default:
            return nullptr;
    }
}

HCURSOR SetCursor(HCURSOR cursor) {
    WindowSystem& s = System();
    HCURSOR old = s.cursorShape;
    s.cursorShape = cursor;
    if (!s.display)
        return old;
    CursorShape shape = CursorShape::Arrow;
    switch (int(reinterpret_cast<uintptr_t>(cursor))) {
        case IDC_IBEAM:
            shape = CursorShape::IBeam;
            break;
        case IDC_WAIT:
            shape = CursorShape::Wait;
            break;
        case IDC_CROSS:
            shape = CursorShape::Cross;
            break;
        case IDC_SIZENWSE:
            shape = CursorShape::SizeNWSE;
            break;
        case IDC_SIZENESW:
            shape = CursorShape::SizeNESW;
            break;
        case IDC_SIZEWE:
            shape = CursorShape::SizeWE;
            break;
        case IDC_SIZENS:
            shape = CursorShape::SizeNS;
            break;
        case IDC_SIZEALL:
            shape = CursorShape::SizeAll;
            break;
        case IDC_NO:
            shape = CursorShape::No;
            break;
        case IDC_HAND:
            shape = CursorShape::Hand;
            break;
        default:
            break;
    }
    s.display->setCursorShape(shape);
    return old;
}

HCURSOR GetCursor() {
    return System().cursorShape;
}

bool TrackMouseEvent(TRACKMOUSEEVENT* track) {
    WindowSystem& s = System();
    if (!track)
        return false;
    LeaveTracking& t = s.leaveTracking;
    if (track->dwFlags & TME_QUERY) {
        track->hwndTrack = t.hwnd;
        track->dwFlags = t.hwnd ? (TME_LEAVE | (t.nonClient ? TME_NONCLIENT : 0)) : 0;
        return true;
    }
    bool nonClient = (track->dwFlags & TME_NONCLIENT) != 0;
    if (track->dwFlags & TME_CANCEL) {
        if (t.hwnd == track->hwndTrack && (track->dwFlags & TME_LEAVE)) {
            (nonClient ? t.nonClient : t.client) = false;
            if (!t.client && !t.nonClient)
                t = {};
        }
        return true;
    }
    WindowRecord* w = Find(track->hwndTrack);
    if (!w || !(track->dwFlags & TME_LEAVE))
        return false;
    if (t.hwnd != track->hwndTrack)
        t = LeaveTracking{track->hwndTrack, false, false};
    (nonClient ? t.nonClient : t.client) = true;
    // Already outside: the leave comes at once, as on the platform.
    Rect onScreen = ScreenRectOf(*w);
    bool inClient = w->client.offsetBy(onScreen.Left, onScreen.Top).contains(s.cursor);
    bool inside = nonClient ? onScreen.contains(s.cursor) && !inClient : inClient;
    if (!inside)
        CheckMouseLeave(nullptr, HTNOWHERE, s.cursor);
    return true;
}

UINT GetDoubleClickTime() {
    return 500;
}

int16_t GetKeyState(int vk) {
    if (vk < 0 || vk > 255)
        return 0;
    uint8_t v = System().keyState[size_t(vk)];
    return int16_t(((v & kDown) ? 0x8000 : 0) | (v & kToggled));
}

int16_t GetAsyncKeyState(int vk) {
    if (vk < 0 || vk > 255)
        return 0;
    uint8_t v = System().asyncKeyState[size_t(vk)];
    return int16_t((v & kDown) ? 0x8000 : 0);
}

}  // namespace platform
