// System metrics and parameters, monitors, and what the program may ask of the platform by name.
//
// Sizes are those of the platform's classic look at 96 dots per inch (caption 19 pixels, tool-window
// caption 15, sizing frame 4, small icons 16 x 16); screen sizes come from the display's monitors.
#pragma once

#include <string_view>

#include "platform/geometry.h"
#include "platform/window/types.h"

namespace platform {

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CXFIXEDFRAME = SM_CXDLGFRAME;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYFIXEDFRAME = SM_CYDLGFRAME;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_MOUSEPRESENT = 19;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CXSIZEFRAME = SM_CXFRAME;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CYSIZEFRAME = SM_CYFRAME;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
constexpr int SM_CMONITORS = 80;
constexpr int SM_SAMEDISPLAYFORMAT = 81;

// 0 for an unknown index.
int GetSystemMetrics(int index);

constexpr UINT SPI_SETDRAGFULLWINDOWS = 0x0025;  // uiParam: TRUE or FALSE
constexpr UINT SPI_GETDRAGFULLWINDOWS = 0x0026;  // pvParam: bool*
constexpr UINT SPI_GETWORKAREA = 0x0030;         // pvParam: Rect*, the primary monitor's work area
// False for an unknown action or a null pvParam where one is needed.
bool SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);

constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;
constexpr DWORD MONITORINFOF_PRIMARY = 1;

struct MONITORINFO {
    DWORD cbSize = sizeof(MONITORINFO);
    Rect rcMonitor;
    Rect rcWork;
    DWORD dwFlags = 0;
};

// The monitor that holds the point, shares the most area with the rectangle or the window, or, when
// none does, what `flags` say: null, the primary monitor or the nearest one.
HMONITOR MonitorFromPoint(Point point, DWORD flags);
HMONITOR MonitorFromRect(const Rect& rect, DWORD flags);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
// False for a bad handle or a cbSize below sizeof(MONITORINFO).
bool GetMonitorInfo(HMONITOR monitor, MONITORINFO* info);
inline bool GetMonitorInfoA(HMONITOR monitor, MONITORINFO* info) {
    return GetMonitorInfo(monitor, info);
}

// The platform version in the platform's layout: major version in the low byte, minor in the
// second byte, build in the high word. We present 6.1 (build 7601).
DWORD GetVersion();

// Whether an optional platform call that programs look up by name (in "user32.dll", "msimg32.dll",
// "dwmapi.dll", ...) exists here. The ones this window system implements are found; of desktop
// composition (dwmapi.dll) only the question whether it is on.
bool IsPlatformCallPresent(std::string_view library, std::string_view name);

}  // namespace platform
