#include "framework/core/timer.h"

#include <map>

#include "framework/forms/application.h"
#include "platform/window/timers.h"

namespace framework {

using namespace platform;

namespace {

// The running timers by their platform identifier.
std::map<UINT_PTR, TTimer*>& RunningTimers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    enabled_ = false;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(uint32_t interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    Update();
}

void TTimer::Update() {
    if (id_) {
        KillTimer(nullptr, id_);
        RunningTimers().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0 && onTimer_ && !InState(csDesigning)) {
        id_ = SetTimer(nullptr, 0, interval_, &TTimer::TimerProc);
        if (id_) RunningTimers()[id_] = this;
    }
}

void TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = RunningTimers().find(id);
    if (found == RunningTimers().end()) return;
    TTimer* timer = found->second;
    // A copy: the handler may replace itself or free the timer.
    TNotifyEvent handler = timer->onTimer_;
    try {
        if (handler) handler(timer);
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

}  // namespace framework
