#include "platform/window/message_loop.h"

#include <algorithm>
#include <utility>

#include "platform/window/internal.h"
#include "platform/window/painting.h"
#include "platform/window/timers.h"
#include "platform/window/utf8.h"

namespace platform {

using namespace win;

namespace {

// Deeper than this, a chain of SendMessage calls is a runaway recursion: refused instead of
// overflowing the stack.
constexpr int kMaxSendDepth = 4000;

bool InRange(UINT message, UINT first, UINT last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool Matches(const MSG& m, HWND filter, UINT first, UINT last) {
    return MatchesWindowFilter(m.hwnd, filter) && InRange(m.message, first, last);
}

// What a peek may take, from its PM_QS_ flags.
struct QueueKinds {
    bool input = true;
    bool posted = true;
    bool timers = true;
    bool paint = true;
};

QueueKinds KindsOf(UINT flags) {
    const UINT qs = flags >> 16;
    if (qs == 0)
        return {};
    return {(qs & QS_INPUT) != 0, (qs & QS_POSTMESSAGE) != 0, (qs & QS_TIMER) != 0, (qs & QS_PAINT) != 0};
}

// Messages that stand for the user's keys, pointer and input method even when they were posted.
bool IsUserInput(UINT message) {
    return (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_IME_STARTCOMPOSITION && message <= WM_IME_COMPOSITION) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_NCMOUSELEAVE ||
           message == WM_MOUSELEAVE;
}

DWORD Now() {
    return GetTickCount();
}

// Calls a procedure one level deeper; the depth comes back even when the procedure throws.
LRESULT CallDeeper(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(System().sendDepth);
    return proc(hwnd, message, wParam, lParam);
}

bool TakePosted(MSG* msg, HWND filter, UINT first, UINT last, bool remove, bool input) {
    auto& posted = System().posted;
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!Matches(*it, filter, first, last) || (!input && IsUserInput(it->message)))
            continue;
        *msg = *it;
        if (remove)
            posted.erase(it);
        return true;
    }
    return false;
}

bool TakeInput(MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
    WindowSystem& s = System();
    for (;;) {
        for (auto it = s.readyInput.begin(); it != s.readyInput.end(); ++it) {
            if (!Matches(*it, filter, first, last))
                continue;
            *msg = *it;
            if (remove)
                s.readyInput.erase(it);
            return true;
        }
        if (s.input.empty())
            return false;
        ConvertNextInput();
    }
}

bool TakePaint(MSG* msg, HWND filter, UINT first, UINT last) {
    if (!InRange(WM_PAINT, first, last))
        return false;
    HWND hwnd = NextWindowToPaint(filter);
    if (!hwnd)
        return false;
    *msg = MSG{hwnd, WM_PAINT, 0, 0, Now(), System().cursor};
    return true;
}

bool PeekOnce(MSG* msg, HWND filter, UINT first, UINT last, UINT flags) {
    WindowSystem& s = System();
    const bool remove = (flags & PM_REMOVE) != 0;
    const QueueKinds kinds = KindsOf(flags);
    if (kinds.posted && TakePosted(msg, filter, first, last, remove, kinds.input))
        return true;
    if (kinds.posted && s.quitPosted && !filter && InRange(WM_QUIT, first, last)) {
        *msg = MSG{nullptr, WM_QUIT, WPARAM(s.quitCode), 0, Now(), s.cursor};
        if (remove)
            s.quitPosted = false;
        return true;
    }
    if (kinds.input && TakeInput(msg, filter, first, last, remove))
        return true;
    if (kinds.paint && TakePaint(msg, filter, first, last))
        return true;
    if (kinds.timers && InRange(WM_TIMER, first, last) && TakeTimerMessage(msg, filter, remove))
        return true;
    return false;
}

void Remember(const MSG& msg) {
    System().lastMessage = msg;
}

}  // namespace

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& s = System();
    if (hwnd == HWND_BROADCAST) {
        std::vector<HWND> targets = s.topLevels;
        for (HWND target : targets) SendMessage(target, message, wParam, lParam);
        return 0;
    }
    WindowRecord* w = Find(hwnd);
    if (!w || s.sendDepth >= kMaxSendDepth)
        return 0;
    return CallDeeper(w->proc, hwnd, message, wParam, lParam);
}

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& s = System();
    if (hwnd == HWND_BROADCAST) {
        for (HWND target : s.topLevels)
            s.posted.push_back(MSG{target, message, wParam, lParam, Now(), s.cursor});
        return true;
    }
    if (hwnd && !Find(hwnd))
        return false;
    s.posted.push_back(MSG{hwnd, message, wParam, lParam, Now(), s.cursor});
    return true;
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& s = System();
    if (!proc || !Find(hwnd) || s.sendDepth >= kMaxSendDepth)
        return 0;
    return CallDeeper(proc, hwnd, message, wParam, lParam);
}

bool PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT remove) {
    WindowSystem& s = System();
    if (!msg || (hwnd && !Find(hwnd)))
        return false;
    if (s.display)
        s.display->pumpEvents(InputSinkOf(), WaitFor::Nothing, std::nullopt);
    if (!PeekOnce(msg, hwnd, first, last, remove))
        return false;
    if (remove & PM_REMOVE)
        Remember(*msg);
    return true;
}

static bool WaitForMessage(HWND hwnd, UINT first, UINT last, UINT kinds = 0) {
    WindowSystem& s = System();
    MSG probe;
    for (;;) {
        if (PeekMessage(&probe, hwnd, first, last, PM_NOREMOVE | kinds))
            return true;
        if (!s.display || (hwnd && !Find(hwnd)))
            return false;
        PumpResult r = s.display->pumpEvents(InputSinkOf(), WaitFor::EventOrDeadline, NextTimerDue(hwnd));
        if (r == PumpResult::NeverMore)
            return false;
    }
}

bool WaitMessage(UINT kinds) {
    return WaitForMessage(nullptr, 0, 0, kinds);
}

namespace win {

bool MatchesWindowFilter(HWND target, HWND filter) {
    return !filter || target == filter || IsChild(filter, target);
}

bool WaitForLoopMessage(MSG* msg) {
    WindowSystem& s = System();
    for (;;) {
        if (PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg->message != WM_QUIT)
                return true;
            // The loop ends and leaves the quit to the application's own loop.
            PostQuitMessage(int(msg->wParam));
            return false;
        }
        if (!s.display)
            return false;
        if (s.display->pumpEvents(InputSinkOf(), WaitFor::UserInput, NextTimerDue()) ==
            PumpResult::NeverMore) {
            return false;
        }
    }
}

}  // namespace win

int GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last) {
    if (!msg || (hwnd && !Find(hwnd)))
        return -1;
    for (;;) {
        if (!WaitForMessage(hwnd, first, last))
            return -1;
        if (PeekMessage(msg, hwnd, first, last, PM_REMOVE))
            return msg->message == WM_QUIT ? 0 : 1;
    }
}

bool TranslateMessage(const MSG& msg) {
    WindowSystem& s = System();
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    if (int(msg.wParam) != s.lastKeyVk || s.lastKeyText.empty())
        return false;
    UINT charMessage = msg.message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
    for (uint32_t cp : CodePointsOf(s.lastKeyText))
        PostMessage(msg.hwnd, charMessage, WPARAM(cp), msg.lParam);
    return true;
}

LRESULT DispatchMessage(const MSG& msg) {
    if (msg.message == WM_TIMER && msg.lParam) {
        if (msg.hwnd && !Find(msg.hwnd))
            return 0;
        reinterpret_cast<TIMERPROC>(msg.lParam)(msg.hwnd, WM_TIMER, UINT_PTR(msg.wParam), msg.time);
        return 0;
    }
    if (!Find(msg.hwnd))
        return 0;
    if (msg.message == WM_PAINT)
        return SendPaint(msg.hwnd);
    return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

void PostQuitMessage(int exitCode) {
    System().quitPosted = true;
    System().quitCode = exitCode;
}

Point GetMessagePos() {
    return System().lastMessage.pt;
}
DWORD GetMessageTime() {
    return System().lastMessage.time;
}

MessageFilter SetMessageFilter(MessageFilter filter) {
    return std::exchange(System().filter, std::move(filter));
}
const MessageFilter& GetMessageFilter() {
    return System().filter;
}

void ProcessMessage(MSG& msg) {
    // A copy: the filter may replace itself while it runs (a menu that closes gives the previous
    // filter back).
    MessageFilter filter = System().filter;
    if (filter && filter(msg))
        return;
    TranslateMessage(msg);
    DispatchMessage(msg);
}

int ProcessPendingMessages() {
    int count = 0;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
        ProcessMessage(msg);
        ++count;
    }
    return count;
}

int RunMessageLoop() {
    MSG msg;
    for (;;) {
        int r = GetMessage(&msg);
        if (r <= 0)
            return r == 0 ? int(msg.wParam) : -1;
        ProcessMessage(msg);
    }
}

bool PumpMessagesFor(uint32_t milliseconds) {
    WindowSystem& s = System();
    if (!s.display)
        return true;
    uint32_t end = GetTickCount() + milliseconds;
    auto reached = [end] { return int32_t(GetTickCount() - end) >= 0; };
    for (;;) {
        ProcessPendingMessages();
        MSG msg;
        if (PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            return false;
        if (reached())
            return true;
        std::optional<uint32_t> due = NextTimerDue();
        uint32_t deadline = (due && int32_t(*due - end) < 0) ? *due : end;
        s.display->pumpEvents(InputSinkOf(), WaitFor::EventOrDeadline, deadline);
    }
}

}  // namespace platform
