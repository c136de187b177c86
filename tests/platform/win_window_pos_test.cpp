// SetWindowPos and its message sequence, the client area decided by WM_NCCALCSIZE, tracking
// limits, showing, minimising into the taskbar entry, maximising and coordinates.
#include <gmock/gmock.h>

#include "platform/window/frame.h"
#include "platform/window/metrics.h"
#include "tests/platform/win_test_support.h"

namespace platform::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

class WinWindowPosTest : public WindowTest {
  protected:
    const std::set<UINT> kPositionMessages = {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED,
                                              WM_MOVE, WM_SIZE};
};

TEST_F(WinWindowPosTest, MoveAndResizeSendTheWholeSequenceInOrder) {
    HWND w = createTop({100, 100, 400, 300});
    settle();
    log().clear();
    ASSERT_TRUE(SetWindowPos(w, nullptr, 50, 60, 320, 240, SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_THAT(messagesOf(w, kPositionMessages),
                ElementsAre(WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE));
    Rect r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, rectOfSize(50, 60, 320, 240));
}

struct FlagCase {
    const char* name;
    UINT flags;
    Rect target;  // the window starts at (100, 100, 400, 300)
    std::vector<UINT> expected;
};

TEST_F(WinWindowPosTest, FlagsDecideWhichMessagesCome) {
    const std::vector<FlagCase> cases = {
        {"move only",
         SWP_NOSIZE | SWP_NOZORDER,
         rectOfSize(10, 20, 1, 1),
         {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE}},
        {"size only",
         SWP_NOMOVE | SWP_NOZORDER,
         rectOfSize(0, 0, 200, 150),
         {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_SIZE}},
        {"same place", SWP_NOZORDER, rectOfSize(100, 100, 300, 200), {WM_WINDOWPOSCHANGING}},
        {"frame changed",
         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED,
         {},
         {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED}},
        {"no changing",
         SWP_NOSIZE | SWP_NOZORDER | SWP_NOSENDCHANGING,
         rectOfSize(5, 5, 1, 1),
         {WM_WINDOWPOSCHANGED, WM_MOVE}},
        {"hide",
         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW,
         {},
         {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}},
    };
    for (const FlagCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND w = createTop({100, 100, 400, 300});
        settle();
        log().clear();
        SetWindowPos(w, nullptr, c.target.Left, c.target.Top, c.target.width(), c.target.height(),
                     c.flags | SWP_NOACTIVATE);
        EXPECT_THAT(messagesOf(w, kPositionMessages), ElementsAreArray(c.expected));
        DestroyWindow(w);
    }
}

TEST_F(WinWindowPosTest, ChangingHandlerAndCalcSizeDecideThePlaceAndTheClientArea) {
    HWND w = createPopup({0, 0, 100, 100});
    // A frame of its own, as the skinned frame computes it: 4, 23, 4, 5.
    on(w, WM_NCCALCSIZE, [](HWND, WPARAM wParam, LPARAM lParam) {
        Rect& r =
            wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<Rect*>(lParam);
        r = {r.Left + 4, r.Top + 23, r.Right - 4, r.Bottom - 5};
        return std::optional<LRESULT>(0);
    });
    on(w, WM_WINDOWPOSCHANGING, [](HWND, WPARAM, LPARAM lParam) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE))
            pos->cx = 785;  // the width is the window's own business
        return std::optional<LRESULT>(0);
    });
    log().clear();
    SetWindowPos(w, nullptr, 10, 20, 300, 641, SWP_NOZORDER | SWP_NOACTIVATE);
    Rect r, client;
    GetWindowRect(w, &r);
    GetClientRect(w, &client);
    EXPECT_EQ(r, rectOfSize(10, 20, 785, 641));
    EXPECT_EQ(client, (Rect{0, 0, 777, 613}));
    Point origin{0, 0};
    ClientToScreen(w, &origin);
    EXPECT_EQ(origin, (Point{14, 43}));
    for (const Logged& l : log()) {
        if (l.message == WM_SIZE) {
            EXPECT_EQ(l.lParam, MAKELPARAM(777, 613));
        }
        if (l.message == WM_MOVE) {
            EXPECT_EQ(l.lParam, MAKELPARAM(14, 43));
        }
    }
}

TEST_F(WinWindowPosTest, OverlappedAndSizableWindowsKeepToTheirTrackingLimits) {
    HWND overlapped = createTop({0, 0, 300, 300}, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
    on(overlapped, WM_GETMINMAXINFO, [](HWND, WPARAM, LPARAM lParam) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {158, 28};
        info->ptMaxTrackSize = {1024, 738};
        return std::optional<LRESULT>(0);
    });
    SetWindowPos(overlapped, nullptr, 0, 0, 100, 10, SWP_NOZORDER | SWP_NOMOVE);
    Rect r;
    GetWindowRect(overlapped, &r);
    EXPECT_EQ(r.width(), 158);
    EXPECT_EQ(r.height(), 28);
    SetWindowPos(overlapped, nullptr, 0, 0, 2000, 2000, SWP_NOZORDER | SWP_NOMOVE);
    GetWindowRect(overlapped, &r);
    EXPECT_EQ(r.width(), 1024);
    EXPECT_EQ(r.height(), 738);

    // A popup without a sizing frame takes any size.
    HWND popup = createPopup({0, 0, 300, 300});
    SetWindowPos(popup, nullptr, 0, 0, 3, 2, SWP_NOZORDER | SWP_NOMOVE);
    GetWindowRect(popup, &r);
    EXPECT_EQ(r.width(), 3);
    EXPECT_EQ(r.height(), 2);
}

TEST_F(WinWindowPosTest, TheDefaultFrameDecidesTheClientArea) {
    HWND w = createTop({0, 0, 300, 200}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Rect client;
    GetClientRect(w, &client);
    int border = GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(client, (Rect{0, 0, 300 - 2 * border, 200 - 2 * border - GetSystemMetrics(SM_CYCAPTION)}));
    HWND tool = createTop({0, 0, 300, 200}, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_TOOLWINDOW);
    GetClientRect(tool, &client);
    int fixed = GetSystemMetrics(SM_CXFIXEDFRAME);
    EXPECT_EQ(client.height(), 200 - 2 * fixed - GetSystemMetrics(SM_CYSMCAPTION));
    HWND bare = createPopup({0, 0, 300, 200});
    GetClientRect(bare, &client);
    EXPECT_EQ(client, (Rect{0, 0, 300, 200}));
}

TEST_F(WinWindowPosTest, ShowWindowTellsVisibilityChangesOnly) {
    HWND w = createTop({0, 0, 100, 100}, WS_OVERLAPPEDWINDOW);
    log().clear();
    EXPECT_FALSE(ShowWindow(w, SW_HIDE));
    EXPECT_EQ(countOf(w, WM_SHOWWINDOW), 0);
    EXPECT_FALSE(ShowWindow(w, SW_SHOW));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(ShowWindow(w, SW_SHOW));
    EXPECT_TRUE(ShowWindow(w, SW_HIDE));
    std::vector<WPARAM> shown;
    for (const Logged& l : log()) {
        if (l.message == WM_SHOWWINDOW)
            shown.push_back(l.wParam);
    }
    EXPECT_THAT(shown, ElementsAre(1u, 0u));
    EXPECT_FALSE(display.stateOf(w)->shown);
    // WM_SHOWWINDOW comes before the window changes.
    log().clear();
    ShowWindow(w, SW_SHOWNORMAL);
    EXPECT_THAT(messagesOf(w, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}),
                ElementsAre(WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED));
}

TEST_F(WinWindowPosTest, HiddenParentsHideTheirChildren) {
    HWND top = createTop({0, 0, 200, 200});
    HWND child = createChild(top, {0, 0, 10, 10});
    EXPECT_TRUE(IsWindowVisible(child));
    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_TRUE(GetWindowLongPtr(child, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(WinWindowPosTest, MinimisingHidesIntoTheTaskbarEntryAndRestoringBringsItBack) {
    HWND other = createTop({500, 0, 700, 200}, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, "other");
    HWND w = createTop({100, 100, 400, 300}, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, "fitting room");
    settle();
    ASSERT_EQ(GetActiveWindow(), w);
    log().clear();
    SendMessage(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_FALSE(display.stateOf(w)->shown);
    EXPECT_TRUE(display.stateOf(w)->minimized);
    EXPECT_THAT(display.taskbarEntries(), ElementsAre(other, w));
    EXPECT_EQ(GetActiveWindow(), other);
    bool sawMinimized = false;
    for (const Logged& l : log())
        sawMinimized |= l.hwnd == w && l.message == WM_SIZE && l.wParam == SIZE_MINIMIZED;
    EXPECT_TRUE(sawMinimized);
    // Nothing of it is on the screen: a click there reaches the desktop.
    EXPECT_EQ(WindowFromPoint({150, 150}), nullptr);

    log().clear();
    display.clickTaskbarEntry(w);
    settle();
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(GetActiveWindow(), w);
    Rect r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (Rect{100, 100, 400, 300}));
    bool sawRestored = false;
    for (const Logged& l : log())
        sawRestored |= l.hwnd == w && l.message == WM_SIZE && l.wParam == SIZE_RESTORED;
    EXPECT_TRUE(sawRestored);
    EXPECT_TRUE(display.stateOf(w)->shown);
}

TEST_F(WinWindowPosTest, MaximisingFillsTheWorkAreaAndRestoringReturnsExactly) {
    HWND w = createTop({100, 100, 400, 300});
    ShowWindow(w, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(w));
    Rect work, r;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(w, &r);
    int border = GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(r, (Rect{work.Left - border, work.Top - border, work.Right + border, work.Bottom + border}));
    SendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsZoomed(w));
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (Rect{100, 100, 400, 300}));
}

TEST_F(WinWindowPosTest, CoordinatesMapBetweenWindows) {
    HWND top = createPopup({100, 50, 500, 450});
    HWND a = createChild(top, {10, 20, 110, 120});
    HWND b = createChild(a, {5, 5, 50, 50});
    Point p{1, 2};
    EXPECT_TRUE(ClientToScreen(b, &p));
    EXPECT_EQ(p, (Point{116, 77}));
    EXPECT_TRUE(ScreenToClient(a, &p));
    EXPECT_EQ(p, (Point{6, 7}));
    Rect r{0, 0, 10, 10};
    MapWindowPoints(b, top, &r);
    EXPECT_EQ(r, (Rect{15, 25, 25, 35}));
    Point q{0, 0};
    MapWindowPoints(HWND_DESKTOP, b, &q, 1);
    EXPECT_EQ(q, (Point{-115, -75}));
}

}  // namespace
}  // namespace platform::test
