// The loops DefWindowProc runs itself: moving a window by its caption, sizing it by a border, and
// holding a caption button down. Each takes the mouse capture and pulls messages until the button
// is released (or Escape, or the capture is lost); other messages (timers, paint, posted ones)
// are dispatched meanwhile, so the application stays alive during the loop.
#include <algorithm>

#include "platform/window/frame.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace platform {

using namespace win;

namespace {

bool IsMouseOrKey(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

// The rectangle a sizing drag by (dx, dy) on `edge` gives, kept within the tracking limits.
Rect SizedRect(const Rect& start, UINT edge, int32_t dx, int32_t dy, const MINMAXINFO& limits) {
    Rect r = start;
    int32_t minW = limits.ptMinTrackSize.X, maxW = limits.ptMaxTrackSize.X;
    int32_t minH = limits.ptMinTrackSize.Y, maxH = limits.ptMaxTrackSize.Y;
    bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    if (left)
        r.Left = std::clamp(start.Left + dx, start.Right - maxW, start.Right - minW);
    if (right)
        r.Right = std::clamp(start.Right + dx, start.Left + minW, start.Left + maxW);
    if (top)
        r.Top = std::clamp(start.Top + dy, start.Bottom - maxH, start.Bottom - minH);
    if (bottom)
        r.Bottom = std::clamp(start.Bottom + dy, start.Top + minH, start.Top + maxH);
    return r;
}

// Where the window's parent client area lies on the screen (0, 0 for a top-level window): the
// loop's messages speak screen coordinates, the window's rectangle those of its parent.
Point ParentOrigin(HWND hwnd) {
    WindowRecord& w = Get(hwnd);
    if (!w.isChild())
        return {};
    return ClientOriginOnScreen(Get(w.parent));
}

}  // namespace

namespace win {

void RunSizeMoveLoop(HWND hwnd, WPARAM command, LPARAM lParam) {
    WindowRecord* w = Find(hwnd);
    if (!w || (w->style & (WS_MAXIMIZE | WS_MINIMIZE)))
        return;
    bool moving = SysCommandOf(command) == SC_MOVE;
    UINT edge = moving ? 0 : UINT(command & 0xF);
    if (!moving && (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT || !(w->style & WS_THICKFRAME)))
        return;
    // A move started by a caption press follows the pointer until the release; one started from
    // the keyboard follows it until a click or Enter.
    bool byMouse = !moving || (command & 0xF) != 0;

    WindowSystem& s = System();
    Rect start = w->rect;
    Point origin = byMouse ? PointFromLParam(lParam) : s.cursor;
    MINMAXINFO limits = QueryMinMaxInfo(hwnd);
    bool fullDrag = s.dragFullWindows;
    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    if (!Find(hwnd))
        return;
    SetCapture(hwnd);
    Point parent = ParentOrigin(hwnd);
    Rect current = start;
    bool cancelled = false;

    for (bool done = false; !done;) {
        MSG msg;
        if (!Find(hwnd) || GetCapture() != hwnd || !WaitForLoopMessage(&msg))
            break;
        if (!IsMouseOrKey(msg.message)) {
            DispatchMessage(msg);
            continue;
        }
        switch (msg.message) {
            case WM_MOUSEMOVE: {
                int32_t dx = msg.pt.X - origin.X, dy = msg.pt.Y - origin.Y;
                Rect proposed = moving ? start.offsetBy(dx, dy) : SizedRect(start, edge, dx, dy, limits);
                Rect onScreen = proposed.offsetBy(parent.X, parent.Y);
                SendMessage(hwnd, moving ? WM_MOVING : WM_SIZING, edge, reinterpret_cast<LPARAM>(&onScreen));
                current = onScreen.offsetBy(-parent.X, -parent.Y);
                if (fullDrag && Find(hwnd)) {
                    SetWindowPos(hwnd, nullptr, current.Left, current.Top, current.width(), current.height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
                }
                break;
            }
            case WM_LBUTTONUP:
                done = byMouse;
                break;
            case WM_LBUTTONDOWN:
                done = !byMouse;
                break;
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                if (msg.wParam == VK_ESCAPE)
                    cancelled = done = true;
                if (msg.wParam == VK_RETURN)
                    done = true;
                break;
            default:
                break;
        }
    }
    if (!Find(hwnd))
        return;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    Rect final = cancelled ? start : current;
    if (Find(hwnd) && Get(hwnd).rect != final) {
        SetWindowPos(hwnd, nullptr, final.Left, final.Top, final.width(), final.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

bool TrackCaptionButton(HWND hwnd, int button) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    auto buttonRect = [hwnd, button] {
        WindowRecord& r = Get(hwnd);
        FrameLayout f = ComputeFrameLayout(r.style, r.exStyle, {r.rect.width(), r.rect.height()});
        Rect local = button == HTCLOSE ? f.closeButton : button == HTMAXBUTTON ? f.maxButton : f.minButton;
        return local.offsetBy(ScreenRectOf(r).Left, ScreenRectOf(r).Top);
    };
    bool pressed = true;
    PaintDefaultFrame(hwnd, w->frameActive, button);
    SetCapture(hwnd);
    for (;;) {
        MSG msg;
        if (!Find(hwnd) || GetCapture() != hwnd || !WaitForLoopMessage(&msg)) {
            pressed = false;
            break;
        }
        if (msg.message == WM_LBUTTONUP) {
            pressed = buttonRect().contains(msg.pt);
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            bool over = buttonRect().contains(msg.pt);
            if (over != pressed) {
                pressed = over;
                PaintDefaultFrame(hwnd, Get(hwnd).frameActive, pressed ? button : HTNOWHERE);
            }
        } else if (!IsMouseOrKey(msg.message)) {
            DispatchMessage(msg);
        }
    }
    if (!Find(hwnd))
        return false;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    PaintDefaultFrame(hwnd, Get(hwnd).frameActive, HTNOWHERE);
    return pressed;
}

}  // namespace win

}  // namespace platform
