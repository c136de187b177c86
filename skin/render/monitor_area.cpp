#include "skin/render/monitor_area.h"

#include "platform/window/metrics.h"
#include "skin/render/platform_calls.h"

namespace skin {

using namespace platform;

void MonitorAreaOf(HWND window, bool workArea, Rect& out) {
    if (GetSystemMetrics(SM_CMONITORS) > 1 && PlatformCalls().monitors) {
        MONITORINFO info;
        if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
            out = workArea ? info.rcWork : info.rcMonitor;
        return;
    }
    if (workArea) {
        SystemParametersInfo(SPI_GETWORKAREA, 0, &out, 0);
        return;
    }
    out = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace skin
