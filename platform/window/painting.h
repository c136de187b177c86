// Invalidation and the paint sequence, and the device contexts of windows.
//
// Every top-level window owns one surface covering the whole window; its children draw into it at
// their offset, and the display shows it. A window's update region (window coordinates) collects
// what needs repainting. While it is not empty the queue hands out WM_PAINT (parents before
// children); BeginPaint then sends WM_NCPAINT when the frame is part of it and WM_ERASEBKGND when
// erasing was asked for, and returns a DC clipped to the update region inside the client area.
//
// Clipping of window DCs, as on the platform: GetDC and BeginPaint cover the client area,
// GetWindowDC the whole window; all are clipped to the window's shape, its ancestors' client areas
// and shapes, to siblings above it when it has WS_CLIPSIBLINGS, and exclude its visible children
// when it has WS_CLIPCHILDREN.
//
// Invalidating a window without RDW_ALLCHILDREN or RDW_NOCHILDREN also invalidates its children
// unless it has WS_CLIPCHILDREN.
#pragma once

#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"
#include "platform/window/styles.h"
#include "platform/window/types.h"

namespace platform {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    bool fErase = false;  // the background still needs erasing (WM_ERASEBKGND answered 0)
    Rect rcPaint;         // client coordinates: the box of what is to be painted
};

// `rect` in client coordinates (null: the whole client area).
bool InvalidateRect(HWND hwnd, const Rect* rect, bool erase);
// `region` in client coordinates (null: the whole client area).
bool InvalidateRgn(HWND hwnd, HRGN region, bool erase);
bool ValidateRect(HWND hwnd, const Rect* rect);
bool ValidateRgn(HWND hwnd, HRGN region);
// RDW_* flags. `rect` or `region` (client coordinates) limit the change; both null: the whole
// window (with RDW_FRAME the non-client area too).
bool RedrawWindow(HWND hwnd, const Rect* rect, HRGN region, UINT flags);
// Sends WM_PAINT now when the window has something to repaint.
bool UpdateWindow(HWND hwnd);
// The box of the client part of the update region (client coordinates); false when it is empty.
bool GetUpdateRect(HWND hwnd, Rect* rect, bool erase);
// The client part of the update region, into `dest` (client coordinates); its kind or ERROR.
int GetUpdateRgn(HWND hwnd, HRGN dest, bool erase);

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

// A DC over the client area (GetDC) or the whole window (GetWindowDC), clipped as above; null for a
// bad handle. Free it with ReleaseDC, which also shows what was drawn.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
bool ReleaseDC(HWND hwnd, HDC dc);

}  // namespace platform
