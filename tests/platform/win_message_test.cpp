// The queue and the loop: what comes first, WM_QUIT, the application-wide filter, and timers on
// the test clock.
#include <gmock/gmock.h>

#include "platform/window/keys.h"
#include "tests/platform/win_test_support.h"

namespace platform::test {
namespace {

using ::testing::ElementsAre;

class WinMessageTest : public WindowTest {};

TEST_F(WinMessageTest, PostedMessagesComeBeforeInputBeforePaintBeforeTimers) {
    HWND w = createPopup({0, 0, 100, 100});
    settle();
    SetTimer(w, 1, 10);
    display.advanceClock(20);
    InvalidateRect(w, nullptr, false);
    display.click({50, 50});
    PostMessage(w, WM_USER, 0, 0);
    log().clear();
    settle();
    EXPECT_THAT(messagesOf(w, {WM_USER, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_TIMER}),
                ElementsAre(WM_USER, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_TIMER));
}

// A loop that must not take the user's input (one waiting for a page's answer) peeks and waits for
// the other kinds; the input, with the characters a key already typed, stays queued in order.
TEST_F(WinMessageTest, APeekWithoutInputLeavesTheUsersInputQueuedInOrder) {
    HWND w = createPopup({0, 0, 100, 100});
    SetFocus(w);
    settle();
    constexpr UINT kOthers = PM_QS_POSTMESSAGE | PM_QS_PAINT;
    PostMessage(w, WM_CHAR, 'a', 0);
    display.click({50, 50});
    display.typeKey('B');
    PostMessage(w, WM_USER, 0, 0);
    InvalidateRect(w, nullptr, false);
    SetTimer(w, 1, 40);
    log().clear();

    MSG msg;
    std::vector<UINT> taken;
    while (WaitMessage(kOthers) && taken.size() < 3) {
        ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE | kOthers));
        taken.push_back(msg.message);
        DispatchMessage(msg);
        if (msg.message == WM_TIMER)
            KillTimer(w, 1);
    }
    EXPECT_THAT(taken, ElementsAre(WM_USER, WM_PAINT, WM_TIMER));
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE | kOthers));
    EXPECT_THAT(messagesOf(w, {WM_LBUTTONDOWN, WM_KEYDOWN}), ::testing::IsEmpty()) << "no input was taken";

    settle();
    EXPECT_THAT(messagesOf(w, {WM_CHAR, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_KEYUP}),
                ElementsAre(WM_CHAR, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_CHAR, WM_KEYUP));
    // Only input left, no timer: nothing else can come.
    display.click({50, 50});
    EXPECT_FALSE(WaitMessage(kOthers));
    EXPECT_TRUE(WaitMessage());
}

TEST_F(WinMessageTest, QuitComesAfterThePostedMessagesAndEndsTheLoop) {
    HWND w = createPopup({0, 0, 10, 10});
    PostMessage(w, WM_USER, 0, 0);
    PostQuitMessage(7);
    PostMessage(w, WM_USER + 1, 0, 0);
    log().clear();
    EXPECT_EQ(ProcessPendingMessages(), 2);  // WM_QUIT stays for the loop
    EXPECT_THAT(messagesOf(w, {WM_USER, WM_USER + 1}), ElementsAre(WM_USER, WM_USER + 1));
    EXPECT_EQ(RunMessageLoop(), 7);
}

TEST_F(WinMessageTest, GetMessageWaitsInVirtualTimeAndGivesUpWhenNothingCanCome) {
    MSG msg;
    EXPECT_EQ(GetMessage(&msg), -1);  // no input scripted, no timer: nothing will ever come
    HWND w = createPopup({0, 0, 10, 10});
    settle();
    SetTimer(w, 4, 250);
    uint32_t start = display.now();
    ASSERT_EQ(GetMessage(&msg), 1);
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.wParam, 4u);
    EXPECT_EQ(display.now() - start, 250u);
    EXPECT_EQ(GetMessage(&msg, reinterpret_cast<HWND>(uintptr_t(0xBAD0))), -1);

    // Regression: waiting for one window is not held up by the due timers of another.
    HWND other = createPopup({20, 0, 30, 10});
    SetTimer(other, 1, 10);
    SetTimer(w, 4, 300);
    start = display.now();
    ASSERT_EQ(GetMessage(&msg, w), 1);
    EXPECT_EQ(msg.hwnd, w);
    EXPECT_EQ(display.now() - start, 300u);
}

TEST_F(WinMessageTest, PeekMessageLooksWithoutTakingAndFilters) {
    HWND a = createPopup({0, 0, 10, 10});
    HWND b = createPopup({20, 0, 30, 10});
    settle();
    PostMessage(a, WM_USER, 1, 0);
    PostMessage(b, WM_USER + 2, 2, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, a);
    ASSERT_TRUE(PeekMessage(&msg, b, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_USER + 2));
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER + 1, WM_USER + 5, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WinMessageTest, BroadcastReachesEveryTopLevelWindow) {
    HWND a = createPopup({0, 0, 10, 10});
    HWND b = createTop({20, 0, 60, 40});
    HWND child = createChild(b, {0, 0, 5, 5});
    log().clear();
    SendMessage(HWND_BROADCAST, WM_USER + 9, 0, 0);
    EXPECT_EQ(countOf(a, WM_USER + 9), 1);
    EXPECT_EQ(countOf(b, WM_USER + 9), 1);
    EXPECT_EQ(countOf(child, WM_USER + 9), 0);
}

// A skinned menu takes the filter over while it is open and gives the previous one back.
TEST_F(WinMessageTest, TheApplicationFilterCanBeTakenOverAndRestored) {
    HWND w = createTop({0, 0, 200, 200});
    settle();
    int seenByApplication = 0;
    SetMessageFilter([&](MSG&) {
        ++seenByApplication;
        return false;
    });
    int consumedByMenu = 0;
    MessageFilter previous = SetMessageFilter([&](MSG& msg) {
        if (msg.message != WM_KEYDOWN)
            return false;
        ++consumedByMenu;
        if (msg.wParam == WPARAM(VK_ESCAPE)) {
            MessageFilter mine = SetMessageFilter(previous);  // the menu closes from inside the filter
            (void)mine;
        }
        return true;
    });
    display.typeKey('A');
    display.typeKey(VK_ESCAPE);
    log().clear();
    settle();
    EXPECT_EQ(consumedByMenu, 2);
    EXPECT_EQ(countOf(w, WM_KEYDOWN), 0);
    EXPECT_EQ(countOf(w, WM_KEYUP), 2);  // key releases were not the menu's business

    display.typeKey('B');
    settle();
    EXPECT_EQ(countOf(w, WM_KEYDOWN), 1);
    EXPECT_GT(seenByApplication, 0);
    SetMessageFilter(nullptr);
}

TEST_F(WinMessageTest, TimersFireOnTheTestClockOncePerInterval) {
    HWND w = createPopup({0, 0, 10, 10});
    settle();
    std::vector<uint32_t> times;
    on(w, WM_TIMER, [&](HWND, WPARAM, LPARAM) {
        times.push_back(display.now());
        return std::optional<LRESULT>(0);
    });
    uint32_t start = display.now();
    EXPECT_EQ(SetTimer(w, 1, 100), 1u);
    EXPECT_TRUE(PumpMessagesFor(1000));
    ASSERT_EQ(times.size(), 10u);
    for (size_t i = 0; i < times.size(); ++i) EXPECT_EQ(times[i] - start, 100 * (i + 1));

    // A loop that comes late gets one WM_TIMER, not the ones it missed.
    times.clear();
    display.advanceClock(1000);
    settle();
    EXPECT_EQ(times.size(), 1u);

    EXPECT_TRUE(KillTimer(w, 1));
    EXPECT_FALSE(KillTimer(w, 1));
    times.clear();
    PumpMessagesFor(500);
    EXPECT_TRUE(times.empty());
}

// The up-down's auto-repeat: a first delay of 500 ms, then the handler restarts the timer at
// 100 ms; held for a second that gives ticks at 500 (re-arm) and 600, 700, 800, 900, 1000.
TEST_F(WinMessageTest, ATimerRestartedFromItsOwnTickKeepsTheNewInterval) {
    HWND w = createPopup({0, 0, 10, 10});
    settle();
    uint32_t start = display.now();
    std::vector<uint32_t> steps;
    bool firstDelay = true;
    on(w, WM_TIMER, [&](HWND self, WPARAM, LPARAM) {
        if (firstDelay) {
            firstDelay = false;
            SetTimer(self, 1, 100);
        } else {
            steps.push_back(display.now() - start);
        }
        return std::optional<LRESULT>(0);
    });
    SetTimer(w, 1, 500);
    PumpMessagesFor(1000);
    EXPECT_THAT(steps, ElementsAre(600u, 700u, 800u, 900u, 1000u));
}

TEST_F(WinMessageTest, TimerIntervalsAndIdentifiers) {
    HWND w = createPopup({0, 0, 10, 10});
    settle();
    uint32_t start = display.now();
    uint32_t fired = 0;
    on(w, WM_TIMER, [&](HWND, WPARAM, LPARAM) {
        if (!fired)
            fired = display.now();
        return std::optional<LRESULT>(0);
    });
    SetTimer(w, 1, 1);  // raised to the platform's minimum
    PumpMessagesFor(50);
    EXPECT_EQ(fired - start, USER_TIMER_MINIMUM);

    // Timers of the loop itself get identifiers of their own and may call a procedure.
    static int calls = 0;
    calls = 0;
    UINT_PTR a = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    UINT_PTR b = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    PumpMessagesFor(20);
    EXPECT_EQ(calls, 2);
    KillTimer(nullptr, a);
    KillTimer(nullptr, b);
}

// Fade loops poll the tick count in a busy loop; each reading may move the clock on.
TEST_F(WinMessageTest, TheClockCanAdvanceWithEveryReading) {
    uint32_t start = GetTickCount();
    EXPECT_EQ(GetTickCount(), start);  // standing still unless told
    display.setClockStepPerRead(2);
    int polls = 0;
    while (GetTickCount() - start <= 5) ++polls;
    EXPECT_EQ(polls, 3);
    display.setClockStepPerRead(0);
}

}  // namespace
}  // namespace platform::test
