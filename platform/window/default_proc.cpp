// DefWindowProc: what the platform does with a message nobody else handled.
#include <cstring>

#include "platform/gfx/dc.h"
#include "platform/window/focus.h"
#include "platform/window/frame.h"
#include "platform/window/input.h"
#include "platform/window/internal.h"
#include "platform/window/keys.h"
#include "platform/window/message_loop.h"
#include "platform/window/painting.h"
#include "platform/window/utf8.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace platform {

using namespace win;

namespace {

Size SizeOf(const WindowRecord& w) {
    return {w.rect.width(), w.rect.height()};
}

bool HasCaption(const WindowRecord& w) {
    return (w.style & WS_CAPTION) == WS_CAPTION;
}

LRESULT CalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (!lParam)
        return 0;
    Rect* proposed =
        wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<Rect*>(lParam);
    WindowRecord& w = Get(hwnd);
    FrameLayout f = ComputeFrameLayout(w.style, w.exStyle, {proposed->width(), proposed->height()});
    *proposed = f.client.offsetBy(proposed->Left, proposed->Top);
    return 0;
}

LRESULT HitTest(HWND hwnd, LPARAM lParam) {
    WindowRecord& w = Get(hwnd);
    Rect onScreen = ScreenRectOf(w);
    Point p = PointFromLParam(lParam);
    return FrameHitTest(w.style, w.exStyle, SizeOf(w), {p.X - onScreen.Left, p.Y - onScreen.Top});
}

LRESULT EraseBackground(HWND hwnd, HDC dc) {
    WindowRecord& w = Get(hwnd);
    if (!w.windowClass->background || !dc)
        return 0;
    HBRUSH brush = CreateSolidBrush(ColorToRGB(*w.windowClass->background));
    FillRect(dc, {0, 0, w.client.width(), w.client.height()}, brush);
    DeleteObject(brush);
    return 1;
}

LRESULT SetText(HWND hwnd, LPARAM lParam) {
    WindowRecord& w = Get(hwnd);
    w.text = lParam ? reinterpret_cast<const char*>(lParam) : "";
    AnnounceTopLevel(hwnd);
    // The platform repaints its caption itself, without WM_NCPAINT, as it does elsewhere.
    if (HasCaption(w) && IsWindowVisible(hwnd))
        PaintDefaultFrame(hwnd, w.frameActive);
    return 1;
}

LRESULT GetText(HWND hwnd, WPARAM size, LPARAM buffer) {
    if (!buffer || size == 0)
        return 0;
    const std::string& text = Get(hwnd).text;
    size_t n = PrefixLength(text, size_t(size) - 1);
    std::memcpy(reinterpret_cast<char*>(buffer), text.data(), n);
    reinterpret_cast<char*>(buffer)[n] = '\0';
    return LRESULT(n);
}

LRESULT SysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    switch (SysCommandOf(wParam)) {
        case SC_MOVE:
        case SC_SIZE:
            RunSizeMoveLoop(hwnd, wParam, lParam);
            return 0;
        case SC_MINIMIZE:
            ShowWindow(hwnd, SW_MINIMIZE);
            return 0;
        case SC_MAXIMIZE:
            ShowWindow(hwnd, SW_MAXIMIZE);
            return 0;
        case SC_RESTORE:
            ShowWindow(hwnd, SW_RESTORE);
            return 0;
        case SC_CLOSE:
            if (!(Get(hwnd).windowClass->style & CS_NOCLOSE))
                SendMessage(hwnd, WM_CLOSE, 0, 0);
            return 0;
        default:
            return 0;  // SC_KEYMENU among them: the platform has no menus of its own
    }
}

void NonClientLeftDown(HWND hwnd, WPARAM hit, LPARAM lParam) {
    int code = int(hit);
    if (code == HTCAPTION) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE + HTCAPTION, lParam);
    } else if (IsSizingHitCode(code)) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + SizingEdgeOfHitCode(code), lParam);
    } else if (code == HTCLOSE || code == HTMINBUTTON || code == HTMAXBUTTON) {
        if (!TrackCaptionButton(hwnd, code) || !IsWindow(hwnd))
            return;
        WPARAM command = code == HTCLOSE       ? SC_CLOSE
                         : code == HTMINBUTTON ? (IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE)
                                               : (IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE);
        SendMessage(hwnd, WM_SYSCOMMAND, command, lParam);
    }
}

void NonClientDoubleClick(HWND hwnd, WPARAM hit, LPARAM lParam) {
    WindowRecord& w = Get(hwnd);
    if (hit == HTCAPTION && (w.style & WS_MAXIMIZEBOX)) {
        SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) || IsIconic(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
    } else if (hit == HTSYSMENU) {
        SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
    }
}

LRESULT SetCursorFor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    WindowRecord& w = Get(hwnd);
    if (w.isChild() && SendMessage(w.parent, WM_SETCURSOR, wParam, lParam))
        return 1;
    if (!IsWindow(hwnd))
        return 0;
    int hit = int(int16_t(LOWORD(uintptr_t(lParam))));
    int id = IDC_ARROW;
    switch (hit) {
        case HTLEFT:
        case HTRIGHT:
            id = IDC_SIZEWE;
            break;
        case HTTOP:
        case HTBOTTOM:
            id = IDC_SIZENS;
            break;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            id = IDC_SIZENWSE;
            break;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            id = IDC_SIZENESW;
            break;
        case HTCLIENT:
            if (HCURSOR own = Get(hwnd).windowClass->cursor) {
                SetCursor(own);
                return 1;
            }
            break;
        default:
            break;
    }
    SetCursor(LoadCursor(nullptr, id));
    return 1;
}

void PositionChanged(HWND hwnd, const WINDOWPOS* pos) {
    if (!pos)
        return;
    if (!(pos->flags & SWP_NOCLIENTMOVE)) {
        WindowRecord& w = Get(hwnd);
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w.rect.Left + w.client.Left, w.rect.Top + w.client.Top));
    }
    if (!IsWindow(hwnd))
        return;
    if (!(pos->flags & SWP_NOCLIENTSIZE) || (pos->flags & SWP_STATECHANGED)) {
        WindowRecord& w = Get(hwnd);
        bool minimized = (w.style & WS_MINIMIZE) != 0;
        WPARAM kind = minimized ? SIZE_MINIMIZED : (w.style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        LPARAM size = minimized ? 0 : MAKELPARAM(w.client.width(), w.client.height());
        SendMessage(hwnd, WM_SIZE, kind, size);
    }
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return 0;
    switch (message) {
        case WM_NCCREATE: {
            auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
            if (cs && cs->lpszName)
                w->text = cs->lpszName;
            return 1;
        }
        case WM_NCCALCSIZE:
            return CalcSize(hwnd, wParam, lParam);
        case WM_NCHITTEST:
            return HitTest(hwnd, lParam);
        case WM_NCPAINT:
            PaintDefaultFrame(hwnd, w->frameActive);
            return 0;
        case WM_NCACTIVATE:
            w->frameActive = wParam != 0;
            if (HasCaption(*w) && IsWindowVisible(hwnd))
                PaintDefaultFrame(hwnd, w->frameActive);
            return 1;
        case WM_ERASEBKGND:
            return EraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(hwnd, &paint);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_SYNCPAINT:
            RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASENOW | RDW_ALLCHILDREN);
            return 0;
        case WM_SETTEXT:
            return SetText(hwnd, lParam);
        case WM_GETTEXT:
            return GetText(hwnd, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return LRESULT(w->text.size());
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_SYSCOMMAND:
            return SysCommand(hwnd, wParam, lParam);
        case WM_NCLBUTTONDOWN:
            NonClientLeftDown(hwnd, wParam, lParam);
            return 0;
        case WM_NCLBUTTONDBLCLK:
            NonClientDoubleClick(hwnd, wParam, lParam);
            return 0;
        case WM_MOUSEACTIVATE:
            if (w->isChild()) {
                if (LRESULT answer = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam))
                    return answer;
            }
            return MA_ACTIVATE;
        case WM_SETCURSOR:
            return SetCursorFor(hwnd, wParam, lParam);
        case WM_MOUSEWHEEL:
            return w->isChild() ? SendMessage(w->parent, WM_MOUSEWHEEL, wParam, lParam) : 0;
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            bool limited = (w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD));
            if (pos && limited && !(pos->flags & SWP_NOSIZE))
                ClampToTrackingSize(hwnd, &pos->cx, &pos->cy);
            return 0;
        }
        case WM_WINDOWPOSCHANGED:
            PositionChanged(hwnd, reinterpret_cast<const WINDOWPOS*>(lParam));
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE) && (w->style & WS_VISIBLE))
                SetFocus(hwnd);
            return 0;
        case WM_CANCELMODE:
            if (GetCapture() == hwnd)
                ReleaseCapture();
            return 0;
        // Window commands from the keyboard go to the top-level window.
        case WM_SYSKEYDOWN:
            if (wParam == WPARAM(VK_F4) && (lParam & (LPARAM(1) << 29))) {
                SendMessage(TopLevelOf(hwnd), WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return 0;
        case WM_SYSCHAR:
            SendMessage(TopLevelOf(hwnd), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wParam));
            return 0;
        default:
            return 0;
    }
}

}  // namespace platform
