#include "platform/window/frame.h"

#include <algorithm>

#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/styles.h"

namespace platform {

namespace {

int32_t BorderWidth(DWORD style, DWORD exStyle) {
    if (style & WS_THICKFRAME)
        return GetSystemMetrics(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        return GetSystemMetrics(SM_CXDLGFRAME);
    if (style & WS_BORDER)
        return GetSystemMetrics(SM_CXBORDER);
    return 0;
}

bool HasCaption(DWORD style) {
    return (style & WS_CAPTION) == WS_CAPTION;
}

// Keeps a rectangle inside the window, so that a tiny window gets empty parts rather than parts
// outside it.
Rect Inside(const Rect& r, Size size) {
    return intersect(r, {0, 0, size.cx, size.cy});
}

}  // namespace

FrameLayout ComputeFrameLayout(DWORD style, DWORD exStyle, Size size) {
    FrameLayout f;
    f.border = BorderWidth(style, exStyle);
    int32_t b = f.border;
    int32_t top = b;
    if (HasCaption(style)) {
        bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
        int32_t height = GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
        f.caption = Inside({b, b, size.cx - b, b + height}, size);
        top = b + height;

        // Buttons: 2 pixels below the caption's top, as high as the caption less 4.
        int32_t bh = height - 4;
        int32_t bw = tool ? bh : bh + 2;
        int32_t by = b + 2;
        int32_t x = size.cx - b - 2;
        int32_t titleRight = x;
        if (style & WS_SYSMENU) {
            f.closeButton = Inside({x - bw, by, x, by + bh}, size);
            x -= bw + 2;
            if (!tool && (style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) {
                if (style & WS_MAXIMIZEBOX) {
                    f.maxButton = Inside({x - bw, by, x, by + bh}, size);
                    x -= bw;
                }
                if (style & WS_MINIMIZEBOX) {
                    f.minButton = Inside({x - bw, by, x, by + bh}, size);
                    x -= bw;
                }
            }
            titleRight = x - 2;
        }
        int32_t titleLeft = b + 4;
        if ((style & WS_SYSMENU) && !tool) {
            int32_t iw = GetSystemMetrics(SM_CXSMICON), ih = GetSystemMetrics(SM_CYSMICON);
            int32_t iy = b + (height - ih) / 2;
            f.icon = Inside({b + 2, iy, b + 2 + iw, iy + ih}, size);
            titleLeft = b + 2 + iw + 4;
        }
        f.title = Inside({titleLeft, b, titleRight, b + height}, size);
    }
    Rect client{b, top, size.cx - b, size.cy - b};
    client.Right = std::max(client.Right, client.Left);
    client.Bottom = std::max(client.Bottom, client.Top);
    f.client = Inside(client, size);
    if (f.client.isEmpty())
        f.client = {client.Left, client.Top, client.Left, client.Top};
    return f;
}

int FrameHitTest(DWORD style, DWORD exStyle, Size size, Point p) {
    if (!Rect{0, 0, size.cx, size.cy}.contains(p))
        return HTNOWHERE;
    if (style & WS_MINIMIZE)
        return HTCAPTION;
    FrameLayout f = ComputeFrameLayout(style, exStyle, size);
    if (f.client.contains(p))
        return HTCLIENT;

    bool inBorder =
        p.X < f.border || p.Y < f.border || p.X >= size.cx - f.border || p.Y >= size.cy - f.border;
    if (inBorder) {
        if (!(style & WS_THICKFRAME) || (style & WS_MAXIMIZE))
            return HTBORDER;
        // Corners reach along each edge as far as a caption button is wide.
        int32_t corner = GetSystemMetrics(SM_CXSIZE);
        bool left = p.X < corner, right = p.X >= size.cx - corner;
        bool top = p.Y < corner, bottom = p.Y >= size.cy - corner;
        if (p.Y < f.border || p.Y >= size.cy - f.border) {
            bool atTop = p.Y < f.border;
            if (left)
                return atTop ? HTTOPLEFT : HTBOTTOMLEFT;
            if (right)
                return atTop ? HTTOPRIGHT : HTBOTTOMRIGHT;
            return atTop ? HTTOP : HTBOTTOM;
        }
        bool atLeft = p.X < f.border;
        if (top)
            return atLeft ? HTTOPLEFT : HTTOPRIGHT;
        if (bottom)
            return atLeft ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
        return atLeft ? HTLEFT : HTRIGHT;
    }
    if (f.closeButton.contains(p))
        return HTCLOSE;
    if (f.maxButton.contains(p))
        return HTMAXBUTTON;
    if (f.minButton.contains(p))
        return HTMINBUTTON;
    if (f.icon.contains(p))
        return HTSYSMENU;
    if (f.caption.contains(p))
        return HTCAPTION;
    return HTBORDER;
}

}  // namespace platform
