#include "platform/window/window_pos.h"

#include <algorithm>

#include "platform/window/focus.h"
#include "platform/window/frame.h"
#include "platform/window/internal.h"
#include "platform/window/message_loop.h"
#include "platform/window/metrics.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"

namespace platform {

using namespace win;

namespace {

constexpr int32_t kMaxWindowCoordinate = int32_t(1) << 24;
constexpr UINT kPlatformFlags = SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE;

bool IsSpecialInsertAfter(HWND h) {
    return h == HWND_TOP || h == HWND_BOTTOM || h == HWND_TOPMOST || h == HWND_NOTOPMOST;
}

bool IsTopmost(HWND hwnd) {
    WindowRecord* w = Find(hwnd);
    return w && (w->exStyle & WS_EX_TOPMOST);
}

// Owned windows stay above their owner (within the same topmost band). Walking from the bottom up
// moves each one just above its owner, which keeps the order among the owned windows.
void KeepOwnedAboveOwners() {
    auto& list = System().topLevels;
    for (bool moved = true; moved;) {
        moved = false;
        for (size_t i = list.size(); i-- > 0;) {
            WindowRecord& w = Get(list[i]);
            if (!w.owner || IsTopmost(w.owner) != IsTopmost(w.handle))
                continue;
            auto owner = std::find(list.begin(), list.end(), w.owner);
            if (owner == list.end() || size_t(owner - list.begin()) > i)
                continue;
            HWND h = list[i];
            list.erase(list.begin() + ptrdiff_t(i));
            list.insert(owner, h);
            moved = true;
            break;
        }
    }
}

void RestackChild(WindowRecord& w, HWND insertAfter) {
    WindowRecord* parent = Find(w.parent);
    if (!parent)
        return;
    auto& list = parent->children;
    if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM && insertAfter != HWND_TOPMOST &&
        insertAfter != HWND_NOTOPMOST && std::find(list.begin(), list.end(), insertAfter) == list.end()) {
        return;  // not a sibling: the z-order stays
    }
    std::erase(list, w.handle);
    if (insertAfter == HWND_BOTTOM) {
        list.push_back(w.handle);
    } else if (IsSpecialInsertAfter(insertAfter)) {
        list.insert(list.begin(), w.handle);
    } else {
        list.insert(std::find(list.begin(), list.end(), insertAfter) + 1, w.handle);
    }
}

int32_t ClampCoordinate(int32_t v) {
    return std::clamp(v, -kMaxWindowCoordinate, kMaxWindowCoordinate);
}
int32_t ClampSize(int32_t v) {
    return std::clamp(v, 0, kMaxSurfaceDimension);
}

Rect ClientInParent(const WindowRecord& w) {
    return w.client.offsetBy(w.rect.Left, w.rect.Top);
}

// The new client area, in window coordinates, for a window moving to `rect`.
Rect CalculateClient(HWND hwnd, const Rect& rect, WINDOWPOS* pos) {
    WindowRecord& w = Get(hwnd);
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = rect;
    params.rgrc[1] = w.rect;
    params.rgrc[2] = ClientInParent(w);
    params.lppos = pos;
    SendMessage(hwnd, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params));
    Rect client = params.rgrc[0].offsetBy(-rect.Left, -rect.Top);
    client.Right = std::max(client.Right, client.Left);
    client.Bottom = std::max(client.Bottom, client.Top);
    Rect inside = intersect(client, {0, 0, rect.width(), rect.height()});
    return inside.isEmpty()
               ? Rect{std::clamp(client.Left, 0, rect.width()), std::clamp(client.Top, 0, rect.height()),
                      std::clamp(client.Left, 0, rect.width()), std::clamp(client.Top, 0, rect.height())}
               : inside;
}

// What changes on the screen after a window moved, changed size, showed or hid.
void RepaintAfterChange(HWND hwnd, const Rect& oldRect, bool wasVisible, UINT flags, bool clientChanged) {
    WindowRecord& w = Get(hwnd);
    bool visible = (w.style & WS_VISIBLE) != 0;
    bool moved = oldRect.topLeft() != w.rect.topLeft();
    bool sized = oldRect.width() != w.rect.width() || oldRect.height() != w.rect.height();
    bool shown = visible && !wasVisible;
    bool geometry = moved || sized || shown || visible != wasVisible;

    if (w.isChild()) {
        WindowRecord* parent = Find(w.parent);
        if (parent && wasVisible && geometry) {
            // What the window covered before shows its parent (and siblings) again.
            Region uncovered(oldRect.offsetBy(parent->client.Left, parent->client.Top));
            if (visible)
                uncovered =
                    uncovered.subtracted(Region(w.rect.offsetBy(parent->client.Left, parent->client.Top)));
            InvalidateWindowArea(w.parent, uncovered, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        // Child pixels do not travel with the window: it paints itself again wherever it went.
        if (visible && (geometry || clientChanged || (flags & SWP_FRAMECHANGED))) {
            RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
        return;
    }
    if (sized || shown || clientChanged) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    } else if (flags & SWP_FRAMECHANGED) {
        Region frame = Region(Rect{0, 0, w.rect.width(), w.rect.height()}).subtracted(Region(w.client));
        InvalidateWindowArea(hwnd, frame, RDW_INVALIDATE | RDW_FRAME);
    }
}

// Moves the focus out of a window that went out of sight.
void FocusAwayFrom(HWND hwnd) {
    HWND focus = GetFocus();
    if (!focus || (focus != hwnd && !IsChild(hwnd, focus)))
        return;
    WindowRecord* w = Find(hwnd);
    SetFocus(w && w->isChild() ? w->parent : nullptr);
}

}  // namespace

namespace win {

MINMAXINFO QueryMinMaxInfo(HWND hwnd) {
    MINMAXINFO info;
    WindowRecord* w = Find(hwnd);
    if (!w)
        return info;
    int32_t border = ComputeFrameLayout(w->style, w->exStyle, {w->rect.width(), w->rect.height()}).border;
    MONITORINFO monitor;
    GetMonitorInfo(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const Rect& work = monitor.rcWork;
    info.ptMaxSize = {work.width() + 2 * border, work.height() + 2 * border};
    info.ptMaxPosition = {work.Left - border, work.Top - border};
    info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    info.ptMaxTrackSize.X = std::max(info.ptMaxTrackSize.X, info.ptMinTrackSize.X);
    info.ptMaxTrackSize.Y = std::max(info.ptMaxTrackSize.Y, info.ptMinTrackSize.Y);
    return info;
}

void ClampToTrackingSize(HWND hwnd, int32_t* width, int32_t* height) {
    WindowRecord* w = Find(hwnd);
    if (!w || (w->style & WS_MINIMIZE))
        return;
    MINMAXINFO info = QueryMinMaxInfo(hwnd);
    *width = std::max(std::min(*width, info.ptMaxTrackSize.X), info.ptMinTrackSize.X);
    *height = std::max(std::min(*height, info.ptMaxTrackSize.Y), info.ptMinTrackSize.Y);
}

void RestackTopLevel(HWND hwnd, HWND insertAfter) {
    WindowRecord& w = Get(hwnd);
    auto& list = System().topLevels;
    std::erase(list, hwnd);
    if (insertAfter == HWND_TOPMOST)
        w.exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM)
        w.exStyle &= ~WS_EX_TOPMOST;
    bool topmost = (w.exStyle & WS_EX_TOPMOST) != 0;
    auto bandStart = std::find_if(list.begin(), list.end(), [](HWND h) { return !IsTopmost(h); });
    auto position = topmost ? list.begin() : bandStart;
    if (insertAfter == HWND_BOTTOM) {
        position = list.end();
    } else if (!IsSpecialInsertAfter(insertAfter)) {
        auto after = std::find(list.begin(), list.end(), insertAfter);
        if (after != list.end()) {
            position = after + 1;
            // Stay inside the window's own band.
            if (topmost && position > bandStart)
                position = bandStart;
            if (!topmost && position < bandStart)
                position = bandStart;
        }
    }
    list.insert(position, hwnd);
    KeepOwnedAboveOwners();
}

}  // namespace win

bool SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t width, int32_t height,
                  UINT flags) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    if (!IsSpecialInsertAfter(insertAfter) && !Find(insertAfter))
        return false;
    flags &= ~kPlatformFlags;

    // The platform's own fix-ups before anyone hears of the change.
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if ((flags & SWP_SHOWWINDOW) && (flags & SWP_HIDEWINDOW))
        flags &= ~SWP_HIDEWINDOW;
    if ((flags & SWP_SHOWWINDOW) && wasVisible)
        flags &= ~SWP_SHOWWINDOW;
    if ((flags & SWP_HIDEWINDOW) && !wasVisible)
        flags &= ~SWP_HIDEWINDOW;
    if (insertAfter == hwnd)
        flags |= SWP_NOZORDER;
    if (w->isChild() && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST))
        insertAfter = HWND_TOP;
    WINDOWPOS pos{
        hwnd, insertAfter, ClampCoordinate(x), ClampCoordinate(y), ClampSize(width), ClampSize(height),
        flags};
    if ((flags & SWP_NOMOVE) || (pos.x == w->rect.Left && pos.y == w->rect.Top)) {
        pos.flags |= SWP_NOMOVE;
        pos.x = w->rect.Left, pos.y = w->rect.Top;
    }
    if ((flags & SWP_NOSIZE) || (pos.cx == w->rect.width() && pos.cy == w->rect.height())) {
        pos.flags |= SWP_NOSIZE;
        pos.cx = w->rect.width(), pos.cy = w->rect.height();
    }

    if (!(pos.flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        if (!(w = Find(hwnd)))
            return false;
        pos.hwnd = hwnd;
        pos.flags &= ~kPlatformFlags;
    }
    flags = pos.flags;

    Rect oldRect = w->rect;
    Rect oldClientInParent = ClientInParent(*w);
    Rect oldClient = w->client;
    Rect newRect = rectOfSize((flags & SWP_NOMOVE) ? oldRect.Left : ClampCoordinate(pos.x),
                              (flags & SWP_NOMOVE) ? oldRect.Top : ClampCoordinate(pos.y),
                              (flags & SWP_NOSIZE) ? oldRect.width() : ClampSize(pos.cx),
                              (flags & SWP_NOSIZE) ? oldRect.height() : ClampSize(pos.cy));
    Rect newClient = oldClient;
    if (!(flags & SWP_NOSIZE) || (flags & SWP_FRAMECHANGED)) {
        newClient = CalculateClient(hwnd, newRect, &pos);
        if (!(w = Find(hwnd)))
            return false;
    }

    // Apply.
    bool restacked = false;
    w->rect = newRect;
    w->client = newClient;
    if (!(flags & SWP_NOZORDER)) {
        if (w->isChild()) {
            RestackChild(*w, pos.hwndInsertAfter);
        } else {
            RestackTopLevel(hwnd, IsSpecialInsertAfter(pos.hwndInsertAfter) || Find(pos.hwndInsertAfter)
                                      ? pos.hwndInsertAfter
                                      : HWND_TOP);
            restacked = true;
        }
    }
    if (flags & SWP_SHOWWINDOW)
        w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW)
        w->style &= ~WS_VISIBLE;
    bool sized = oldRect.width() != newRect.width() || oldRect.height() != newRect.height();
    if (w->top && sized)
        ResizeSurface(hwnd);
    if (w->top) {
        AnnounceTopLevel(hwnd);
        if (restacked)
            AnnounceStacking();
    }
    if (!(flags & SWP_NOREDRAW))
        RepaintAfterChange(hwnd, oldRect, wasVisible, flags, newClient != oldClient);
    PlaceNativeWidgets();

    if (!(w = Find(hwnd)))
        return true;
    if (!w->isChild() && !(flags & (SWP_NOACTIVATE | SWP_HIDEWINDOW)) && (w->style & WS_VISIBLE)) {
        SetActiveWindow(hwnd);
    }

    if (!(w = Find(hwnd)))
        return true;
    Rect newClientInParent = ClientInParent(*w);
    pos.x = w->rect.Left, pos.y = w->rect.Top, pos.cx = w->rect.width(), pos.cy = w->rect.height();
    if (newClientInParent.width() == oldClientInParent.width() &&
        newClientInParent.height() == oldClientInParent.height()) {
        pos.flags |= SWP_NOCLIENTSIZE;
    }
    if (newClientInParent.topLeft() == oldClientInParent.topLeft())
        pos.flags |= SWP_NOCLIENTMOVE;
    constexpr UINT kNothing = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER;
    bool anything = (flags & kNothing) != kNothing ||
                    (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_FRAMECHANGED | SWP_STATECHANGED));
    if (anything)
        SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));

    if (flags & SWP_HIDEWINDOW) {
        if (System().active == hwnd)
            ActivateOtherWindow(hwnd);
        FocusAwayFrom(hwnd);
    }
    return true;
}

bool MoveWindow(HWND hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool ShowWindow(HWND hwnd, int command) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return false;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE;
    Rect target = w->rect;
    bool stateChanged = false;

    auto minimize = [&] {
        if (w->style & WS_MINIMIZE)
            return;
        if (!(w->style & WS_MAXIMIZE))
            w->normalRect = w->rect;
        w->maximizedBeforeMinimize = (w->style & WS_MAXIMIZE) != 0;
        w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
        stateChanged = true;
    };
    auto maximize = [&] {
        if (w->style & WS_MAXIMIZE)
            return;
        if (!(w->style & WS_MINIMIZE))
            w->normalRect = w->rect;
        w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
        stateChanged = true;
    };
    auto restore = [&] {
        if (w->style & WS_MINIMIZE) {
            w->style &= ~WS_MINIMIZE;
            if (w->maximizedBeforeMinimize) {
                w->style |= WS_MAXIMIZE;
            } else {
                target = w->normalRect;
            }
            stateChanged = true;
        } else if (w->style & WS_MAXIMIZE) {
            w->style &= ~WS_MAXIMIZE;
            target = w->normalRect;
            stateChanged = true;
        }
    };

    switch (command) {
        case SW_HIDE:
            if (!wasVisible)
                return false;
            flags |= SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
        case SW_SHOWMINNOACTIVE:
            // Hidden into the taskbar entry; the activation moves on to another window.
            minimize();
            flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        case SW_SHOWMAXIMIZED:
            maximize();
            flags |= SWP_SHOWWINDOW;
            break;
        case SW_SHOWNA:
            flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        case SW_SHOWNOACTIVATE:
            restore();
            flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
            break;
        case SW_SHOW:
            if (wasVisible)
                return true;
            flags |= SWP_SHOWWINDOW;
            break;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
            restore();
            flags |= SWP_SHOWWINDOW;
            break;
        default:
            return wasVisible;
    }
    if (w->style & WS_MAXIMIZE && stateChanged) {
        MINMAXINFO info = QueryMinMaxInfo(hwnd);
        if (!(w = Find(hwnd)))
            return wasVisible;
        target = rectOfSize(info.ptMaxPosition.X, info.ptMaxPosition.Y, info.ptMaxSize.X, info.ptMaxSize.Y);
    }
    if (stateChanged) {
        // SWP_STATECHANGED makes DefWindowProc tell the new state by WM_SIZE even when the client
        // area keeps its size (a minimised window keeps its rectangle here).
        flags &= ~(SWP_NOSIZE | SWP_NOMOVE);
        flags |= SWP_FRAMECHANGED | SWP_STATECHANGED;
    }
    if (w->isChild())
        flags |= SWP_NOACTIVATE | SWP_NOZORDER;  // showing a child neither activates nor raises it

    bool show = command != SW_HIDE;
    if (show != wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, show ? 1 : 0, 0);
        if (!(w = Find(hwnd)))
            return wasVisible;
    }
    SetWindowPos(hwnd, HWND_TOP, target.Left, target.Top, target.width(), target.height(), flags);
    if (stateChanged && IsIconic(hwnd) && System().active == hwnd)
        ActivateOtherWindow(hwnd);
    if (command == SW_HIDE && Find(hwnd))
        FocusAwayFrom(hwnd);
    return wasVisible;
}

bool BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool GetWindowRect(HWND hwnd, Rect* rect) {
    WindowRecord* w = Find(hwnd);
    if (!w || !rect)
        return false;
    *rect = ScreenRectOf(*w);
    return true;
}

bool GetClientRect(HWND hwnd, Rect* rect) {
    WindowRecord* w = Find(hwnd);
    if (!w || !rect)
        return false;
    *rect = {0, 0, w->client.width(), w->client.height()};
    return true;
}

bool ClientToScreen(HWND hwnd, Point* point) {
    WindowRecord* w = Find(hwnd);
    if (!w || !point)
        return false;
    Point origin = ClientOriginOnScreen(*w);
    *point = {point->X + origin.X, point->Y + origin.Y};
    return true;
}

bool ScreenToClient(HWND hwnd, Point* point) {
    WindowRecord* w = Find(hwnd);
    if (!w || !point)
        return false;
    Point origin = ClientOriginOnScreen(*w);
    *point = {point->X - origin.X, point->Y - origin.Y};
    return true;
}

int MapWindowPoints(HWND from, HWND to, Point* points, unsigned count) {
    Point offset;
    if (from) {
        WindowRecord* w = Find(from);
        if (!w)
            return 0;
        Point o = ClientOriginOnScreen(*w);
        offset = {offset.X + o.X, offset.Y + o.Y};
    }
    if (to) {
        WindowRecord* w = Find(to);
        if (!w)
            return 0;
        Point o = ClientOriginOnScreen(*w);
        offset = {offset.X - o.X, offset.Y - o.Y};
    }
    for (unsigned i = 0; points && i < count; ++i)
        points[i] = {points[i].X + offset.X, points[i].Y + offset.Y};
    return int(MAKELPARAM(offset.X, offset.Y));
}

int MapWindowPoints(HWND from, HWND to, Rect* rect) {
    if (!rect)
        return 0;
    Point corners[2] = {{rect->Left, rect->Top}, {rect->Right, rect->Bottom}};
    int result = MapWindowPoints(from, to, corners, 2);
    *rect = {corners[0].X, corners[0].Y, corners[1].X, corners[1].Y};
    return result;
}

bool GetNormalRect(HWND hwnd, Rect* rect) {
    WindowRecord* w = Find(hwnd);
    if (!w || !rect)
        return false;
    *rect = (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) ? w->normalRect : w->rect;
    return true;
}

}  // namespace platform
