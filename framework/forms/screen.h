// The screen as the program sees it: the primary screen's size and work area, the monitors, and
// the forms.
#pragma once

#include "framework/forms/form.h"
#include "platform/window/types.h"

namespace framework {

class TMonitor {
public:
    explicit TMonitor(platform::HMONITOR handle) : handle_(handle) {}
    platform::HMONITOR Handle() const { return handle_; }
    Rect BoundsRect() const;
    Rect WorkareaRect() const;
    bool Primary() const;

private:
    platform::HMONITOR handle_;
};

class TScreen {
public:
    // The whole primary screen, not its work area.
    int32_t Width() const;
    int32_t Height() const;
    // The primary screen's work area (without the taskbar).
    Rect WorkAreaRect() const;
    int MonitorCount() const;
    TMonitor MonitorFromWindow(platform::HWND window) const;
    TMonitor MonitorFromPoint(Point point) const;
    TMonitor PrimaryMonitor() const;
    // The application's forms in the order they were made.
    int FormCount() const;
    TForm* Forms(int index) const;
    TForm* ActiveForm() const;
};

extern TScreen* Screen;

}  // namespace framework
