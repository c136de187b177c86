// A timer component on the window system's timers: OnTimer every Interval milliseconds while
// Enabled (and Interval above 0 and a handler set), delivered through the message loop.
#pragma once

#include <cstdint>

#include "framework/core/component.h"
#include "framework/core/persistent.h"
#include "framework/core/properties.h"
#include "platform/window/types.h"

namespace framework {

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    static PersistentClass Published();

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    void SetInterval(uint32_t interval);
    // Setting the handler (re)starts the timer as Enabled says.
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    // Whether a platform timer runs now.
    bool Running() const { return id_ != 0; }

private:
    static void TimerProc(platform::HWND, platform::UINT, platform::UINT_PTR id, platform::DWORD);
    void Update();

    bool enabled_ = true;
    uint32_t interval_ = 1000;
    TNotifyEvent onTimer_;
    platform::UINT_PTR id_ = 0;
};

}  // namespace framework
