#include "platform/window/timers.h"

#include <algorithm>

#include "platform/window/internal.h"
#include "platform/window/messages.h"

namespace platform {

using namespace win;

namespace {

bool Due(const Timer& t, uint32_t now) {
    return int32_t(now - t.due) >= 0;
}

}  // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    WindowSystem& s = System();
    if (hwnd && !Find(hwnd))
        return 0;
    elapse = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    if (!hwnd) {
        // Timers of the loop itself get identifiers of their own.
        static UINT_PTR nextId = 0x7FF0;
        bool known = std::any_of(s.timers.begin(), s.timers.end(),
                                 [id](const Timer& t) { return !t.hwnd && t.id == id; });
        if (!known)
            id = ++nextId;
    }
    uint32_t due = GetTickCount() + elapse;
    for (Timer& t : s.timers) {
        if (t.hwnd == hwnd && t.id == id) {
            t.elapse = elapse;
            t.due = due;
            t.proc = proc;
            return id == 0 ? 1 : id;
        }
    }
    s.timers.push_back(Timer{hwnd, id, elapse, due, proc, s.timerOrder++});
    return id == 0 ? 1 : id;
}

bool KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = System().timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end())
        return false;
    timers.erase(it);
    return true;
}

DWORD GetTickCount() {
    Display* display = CurrentDisplay();
    return display ? display->tickCount() : 0;
}

namespace win {

std::optional<uint32_t> NextTimerDue(HWND filter) {
    std::optional<uint32_t> best;
    uint32_t now = GetTickCount();
    for (const Timer& t : System().timers) {
        if (!MatchesWindowFilter(t.hwnd, filter))
            continue;
        // Compared as distances from now, so that the wrap of the tick count does not matter.
        if (!best || int32_t(t.due - now) < int32_t(*best - now))
            best = t.due;
    }
    return best;
}

bool TakeTimerMessage(MSG* msg, HWND filter, bool remove) {
    WindowSystem& s = System();
    uint32_t now = GetTickCount();
    Timer* next = nullptr;
    for (Timer& t : s.timers) {
        if (!Due(t, now))
            continue;
        if (!MatchesWindowFilter(t.hwnd, filter))
            continue;
        if (!next || int32_t(t.due - next->due) < 0 || (t.due == next->due && t.order < next->order))
            next = &t;
    }
    if (!next)
        return false;
    *msg = MSG{next->hwnd, WM_TIMER, WPARAM(next->id), reinterpret_cast<LPARAM>(next->proc), now, s.cursor};
    if (remove)
        next->due = now + next->elapse;
    return true;
}

}  // namespace win

}  // namespace platform
