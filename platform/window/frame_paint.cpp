// Painting the platform frame (frame.h): a raised 3D border, a caption in the caption colours
// (fading towards the gradient colour), a small window icon, the title in the caption font, and the
// caption buttons with their glyphs.
#include <algorithm>

#include "platform/gfx/dc.h"
#include "platform/gfx/icon.h"
#include "platform/window/frame.h"
#include "platform/window/internal.h"
#include "platform/window/painting.h"

namespace platform {

using namespace win;

namespace {

void Fill(HDC dc, const Rect& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, r, brush);
    DeleteObject(brush);
}

void FillSys(HDC dc, const Rect& r, int index) {
    FillRect(dc, r, GetSysColorBrush(index));
}

// One ring of a 3D edge: `light` along the top and left, `dark` along the bottom and right.
void EdgeRing(HDC dc, const Rect& r, int light, int dark) {
    if (r.isEmpty())
        return;
    FillSys(dc, {r.Left, r.Top, r.Right - 1, r.Top + 1}, light);
    FillSys(dc, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, light);
    FillSys(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, dark);
    FillSys(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, dark);
}

void RaisedEdge(HDC dc, const Rect& r, bool sunken) {
    if (sunken) {
        EdgeRing(dc, r, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT);
        EdgeRing(dc, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, COLOR_BTNSHADOW, COLOR_3DLIGHT);
    } else {
        EdgeRing(dc, r, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
        EdgeRing(dc, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
    }
}

COLORREF Mix(COLORREF a, COLORREF b, int32_t step, int32_t steps) {
    auto channel = [&](uint8_t x, uint8_t y) {
        return uint8_t(x + (int32_t(y) - x) * step / std::max(steps, 1));
    };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

void Caption(HDC dc, const Rect& r, bool active) {
    COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    // Bands of 4 columns keep the fade smooth at a fraction of the fills.
    for (int32_t x = r.Left; x < r.Right; x += 4) {
        Fill(dc, {x, r.Top, std::min(x + 4, r.Right), r.Bottom}, Mix(from, to, x - r.Left, r.width()));
    }
}

// The window's icon: windows have none of their own, so every one shows the application icon.
void Icon(HDC dc, const Rect& r) {
    if (!r.isEmpty())
        DrawIconEx(dc, r.Left, r.Top, LoadIcon(nullptr, IDI_APPLICATION), r.width(), r.height(), 0, nullptr,
                   DI_NORMAL);
}

void Line(HDC dc, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void Glyph(HDC dc, int hit, const Rect& r, bool pressed) {
    int32_t d = pressed ? 1 : 0;
    int32_t size = std::min(r.width(), r.height()) - 6;
    if (size < 3)
        return;
    int32_t left = r.Left + (r.width() - size) / 2 + d, top = r.Top + (r.height() - size) / 2 + d;
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ old = SelectObject(dc, pen);
    if (hit == HTCLOSE) {
        for (int32_t t = 0; t < 2; ++t) {
            Line(dc, left + t, top, left + size + t, top + size);
            Line(dc, left + size - 1 + t, top, left - 1 + t, top + size);
        }
    } else if (hit == HTMINBUTTON) {
        Fill(dc, {left, top + size - 2, left + size - 2, top + size}, GetSysColor(COLOR_BTNTEXT));
    } else if (hit == HTMAXBUTTON) {
        HBRUSH text = GetSysColorBrush(COLOR_BTNTEXT);
        FrameRect(dc, {left, top, left + size, top + size}, text);
        FillRect(dc, {left, top + 1, left + size, top + 2}, text);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void Button(HDC dc, int hit, const Rect& r, bool pressed) {
    if (r.isEmpty())
        return;
    FillSys(dc, r, COLOR_BTNFACE);
    RaisedEdge(dc, r, pressed);
    Glyph(dc, hit, r, pressed);
}

void Title(HDC dc, const Rect& r, const std::string& text, bool active) {
    if (text.empty() || r.isEmpty())
        return;
    LOGFONT font;
    font.lfHeight = -11;
    font.lfWeight = FW_BOLD;
    font.lfFaceName = "Tahoma";
    HFONT handle = CreateFontIndirect(font);
    HGDIOBJ old = SelectObject(dc, handle);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    Rect box = r;
    DrawText(dc, text, &box, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(handle);
}

}  // namespace

namespace win {

void PaintDefaultFrame(HWND hwnd, bool active, int pressedButton) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return;
    Size size{w->rect.width(), w->rect.height()};
    FrameLayout f = ComputeFrameLayout(w->style, w->exStyle, size);
    if (f.border == 0 && f.caption.isEmpty())
        return;
    std::string title = w->text;
    HDC dc = GetWindowDC(hwnd);
    if (!dc)
        return;
    ExcludeClipRect(dc, f.client.Left, f.client.Top, f.client.Right, f.client.Bottom);

    Rect whole{0, 0, size.cx, size.cy};
    FillSys(dc, whole, COLOR_BTNFACE);
    if (f.border == 1) {
        FrameRect(dc, whole, GetSysColorBrush(COLOR_WINDOWFRAME));
    } else if (f.border > 1) {
        RaisedEdge(dc, whole, false);
    }
    if (!f.caption.isEmpty()) {
        Caption(dc, f.caption, active);
        Icon(dc, f.icon);
        Title(dc, f.title, title, active);
        Button(dc, HTMINBUTTON, f.minButton, pressedButton == HTMINBUTTON);
        Button(dc, HTMAXBUTTON, f.maxButton, pressedButton == HTMAXBUTTON);
        Button(dc, HTCLOSE, f.closeButton, pressedButton == HTCLOSE);
    }
    ReleaseDC(hwnd, dc);
}

}  // namespace win

}  // namespace platform
