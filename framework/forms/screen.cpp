#include "framework/forms/screen.h"

#include "framework/forms/application.h"
#include "platform/window/metrics.h"

namespace framework {

using namespace platform;

namespace {
TScreen g_screen;
}

TScreen* Screen = &g_screen;

Rect TMonitor::BoundsRect() const {
    MONITORINFO info;
    return GetMonitorInfo(handle_, &info) ? info.rcMonitor : Rect{};
}

Rect TMonitor::WorkareaRect() const {
    MONITORINFO info;
    return GetMonitorInfo(handle_, &info) ? info.rcWork : Rect{};
}

bool TMonitor::Primary() const {
    MONITORINFO info;
    return GetMonitorInfo(handle_, &info) && (info.dwFlags & MONITORINFOF_PRIMARY);
}

int32_t TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int32_t TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

Rect TScreen::WorkAreaRect() const {
    Rect area;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

int TScreen::MonitorCount() const { return GetSystemMetrics(SM_CMONITORS); }

TMonitor TScreen::MonitorFromWindow(HWND window) const {
    return TMonitor(platform::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

TMonitor TScreen::MonitorFromPoint(Point point) const {
    return TMonitor(platform::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

TMonitor TScreen::PrimaryMonitor() const { return TMonitor(platform::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

int TScreen::FormCount() const { return Application ? Application->FormCount() : 0; }

TForm* TScreen::Forms(int index) const { return Application ? Application->Forms(index) : nullptr; }

TForm* TScreen::ActiveForm() const { return Application ? Application->ActiveForm() : nullptr; }

}  // namespace framework
