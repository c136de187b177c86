// The scalar types, handles and message structures of the window system, with the platform's names
// so that code written against the platform reads the same here.
//
// HWND is an opaque value, never a pointer to the window: every call looks it up in the window
// table, so a destroyed or invented handle is refused (the call returns 0, false or nullptr and does
// nothing). Handle values are never reused within one display session.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace platform {

struct HWND__;
struct HMONITOR__;
struct HCURSOR__;
using HWND = HWND__*;
using HMONITOR = HMONITOR__*;
using HCURSOR = HCURSOR__*;

using UINT = uint32_t;
using DWORD = uint32_t;
using WORD = uint16_t;
using ATOM = uint16_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using UINT_PTR = uintptr_t;

using WNDPROC = LRESULT (*)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
using TIMERPROC = void (*)(HWND hwnd, UINT message, UINT_PTR id, DWORD time);

// --- Packing values into message parameters --------------------------------------------------

constexpr WORD LOWORD(uintptr_t v) {
    return WORD(v & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t v) {
    return WORD((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return LPARAM(uint32_t(WORD(lo)) | (uint32_t(WORD(hi)) << 16));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
    return WPARAM(MAKELPARAM(lo, hi)) & 0xFFFFFFFFu;
}
constexpr LRESULT MAKELRESULT(int lo, int hi) {
    return MAKELPARAM(lo, hi);
}
// Mouse positions travel as signed 16-bit x and y.
constexpr int GET_X_LPARAM(LPARAM v) {
    return int(int16_t(LOWORD(uintptr_t(v))));
}
constexpr int GET_Y_LPARAM(LPARAM v) {
    return int(int16_t(HIWORD(uintptr_t(v))));
}
constexpr Point PointFromLParam(LPARAM v) {
    return {GET_X_LPARAM(v), GET_Y_LPARAM(v)};
}
constexpr LPARAM LParamFromPoint(Point p) {
    return MAKELPARAM(p.X, p.Y);
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM v) {
    return int(int16_t(HIWORD(v)));
}

// --- Messages --------------------------------------------------------------------------------

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    Point pt;  // cursor position (screen) when the message was made
};

// Passed with WM_NCCREATE and WM_CREATE (lParam).
struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HWND hwndParent = nullptr;  // the parent of a child, the owner of a top-level window
    UINT_PTR id = 0;            // the child identifier given as the menu argument
    int32_t cy = 0;
    int32_t cx = 0;
    int32_t y = 0;
    int32_t x = 0;
    DWORD style = 0;
    const char* lpszName = nullptr;  // UTF-8
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED (lParam). Position in the parent's client coordinates
// (screen coordinates for a top-level window).
struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int32_t x = 0;
    int32_t y = 0;
    int32_t cx = 0;
    int32_t cy = 0;
    UINT flags = 0;
};

// WM_NCCALCSIZE with wParam TRUE (lParam): rgrc[0] the proposed window rectangle, which the handler
// turns into the client rectangle; rgrc[1] the old window rectangle; rgrc[2] the old client
// rectangle; all in the parent's client coordinates.
struct NCCALCSIZE_PARAMS {
    Rect rgrc[3];
    WINDOWPOS* lppos = nullptr;
};

// WM_GETMINMAXINFO (lParam).
struct MINMAXINFO {
    Point ptReserved;
    Point ptMaxSize;
    Point ptMaxPosition;
    Point ptMinTrackSize;
    Point ptMaxTrackSize;
};

// WM_STYLECHANGING / WM_STYLECHANGED (lParam).
struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

struct TRACKMOUSEEVENT {
    DWORD dwFlags = 0;  // TME_*
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

}  // namespace platform
