// The move and size loops DefWindowProc runs on a caption or border press, and the caption
// buttons of the platform frame.
#include <gmock/gmock.h>

#include "platform/window/frame.h"
#include "platform/window/keys.h"
#include "platform/window/metrics.h"
#include "tests/platform/win_test_support.h"

namespace platform::test {
namespace {

using ::testing::ElementsAre;

class WinSizeMoveTest : public WindowTest {
  protected:
    // A popup whose procedure answers hit tests itself, as the skinned frame does: a caption bar
    // (30..230 x 5..20) and HTOBJECT for the rest of its frame (the top 23 rows).
    HWND skinnedLike(const Rect& r) {
        HWND w = createPopup(r);
        on(w, WM_NCHITTEST, [](HWND self, WPARAM, LPARAM lParam) {
            Rect bounds;
            GetWindowRect(self, &bounds);
            Point p = PointFromLParam(lParam);
            Point local{p.X - bounds.Left, p.Y - bounds.Top};
            if (Rect{30, 5, 230, 20}.contains(local))
                return Answer(HTCAPTION);
            return Answer(local.Y < 23 ? HTOBJECT : HTCLIENT);
        });
        settle();
        return w;
    }
    static Rect RectOf(HWND w) {
        Rect r;
        GetWindowRect(w, &r);
        return r;
    }
};

TEST_F(WinSizeMoveTest, DraggingTheCaptionRunsTheMoveLoopInsideTheButtonMessage) {
    HWND w = skinnedLike({100, 100, 400, 300});
    std::vector<UINT> duringPress;
    on(w, WM_NCLBUTTONDOWN, [&](HWND self, WPARAM wParam, LPARAM lParam) {
        size_t start = log().size();
        DefWindowProc(self, WM_NCLBUTTONDOWN, wParam, lParam);
        for (size_t i = start; i < log().size(); ++i) duringPress.push_back(log()[i].message);
        return Answer(0);
    });
    log().clear();
    display.drag({150, 110}, {250, 160}, 2);
    settle();
    EXPECT_EQ(RectOf(w), (Rect{200, 150, 500, 350}));
    std::vector<UINT> loop;
    for (UINT m : duringPress) {
        if (m == WM_SYSCOMMAND || m == WM_ENTERSIZEMOVE || m == WM_MOVING || m == WM_EXITSIZEMOVE)
            loop.push_back(m);
    }
    EXPECT_THAT(loop, ElementsAre(WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_MOVING, WM_EXITSIZEMOVE));
    EXPECT_EQ(countOf(w, WM_MOVE), 2);  // full-window dragging: the window follows every move
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(countOf(w, WM_LBUTTONUP), 0);  // the loop took the release
}

TEST_F(WinSizeMoveTest, PressesOutsideTheCaptionBarDoNotMove) {
    HWND w = skinnedLike({100, 100, 400, 300});
    display.drag({110, 110}, {250, 160});  // HTOBJECT: inert
    settle();
    EXPECT_EQ(RectOf(w), (Rect{100, 100, 400, 300}));
    EXPECT_EQ(countOf(w, WM_ENTERSIZEMOVE), 0);
}

// The skinned frame pins a maximised window with WM_MOVING and snaps to the work area's edges.
TEST_F(WinSizeMoveTest, AMovingHandlerDecidesWhereTheWindowGoes) {
    HWND w = skinnedLike({100, 100, 400, 300});
    on(w, WM_MOVING, [](HWND, WPARAM, LPARAM lParam) {
        Rect& r = *reinterpret_cast<Rect*>(lParam);
        if (std::abs(r.Left) < 5)
            r = rectOfSize(0, r.Top, r.width(), r.height());
        return Answer(1);
    });
    display.drag({150, 110}, {53, 120}, 3);  // the window would end at left 3
    settle();
    EXPECT_EQ(RectOf(w), (Rect{0, 110, 300, 310}));

    // Pinned: whatever the pointer does, the window stays.
    Rect pinned = RectOf(w);
    on(w, WM_MOVING, [pinned](HWND, WPARAM, LPARAM lParam) {
        *reinterpret_cast<Rect*>(lParam) = pinned;
        return Answer(1);
    });
    log().clear();
    display.drag({100, 120}, {400, 400}, 3);
    settle();
    EXPECT_EQ(RectOf(w), pinned);
    EXPECT_EQ(countOf(w, WM_MOVE), 0);
}

TEST_F(WinSizeMoveTest, TheSizeLoopKeepsToTheTrackingLimits) {
    HWND w = createTop({100, 100, 400, 300});
    on(w, WM_GETMINMAXINFO, [](HWND, WPARAM, LPARAM lParam) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {158, 28};
        info->ptMaxTrackSize = {350, 250};
        return Answer(0);
    });
    settle();
    std::vector<WPARAM> edges;
    on(w, WM_SIZING, [&](HWND, WPARAM edge, LPARAM) {
        edges.push_back(edge);
        return Answer(1);
    });
    display.drag({399, 299}, {100, 100});  // the bottom-right corner, far inwards
    settle();
    EXPECT_EQ(RectOf(w), rectOfSize(100, 100, 158, 28));
    ASSERT_FALSE(edges.empty());
    EXPECT_EQ(edges.front(), WPARAM(WMSZ_BOTTOMRIGHT));

    display.drag({100, 150}, {0, 150});  // the left border: grows leftwards up to the limit
    settle();
    Rect r = RectOf(w);
    EXPECT_EQ(r.width(), 158);  // the left edge is not at x 100 any more: nothing there to drag
    SetWindowPos(w, nullptr, 100, 100, 200, 200, SWP_NOZORDER);
    display.drag({101, 150}, {-100, 150});
    settle();
    EXPECT_EQ(RectOf(w), (Rect{-50, 100, 300, 300}));
}

TEST_F(WinSizeMoveTest, ASizingHandlerMayChangeTheRectangle) {
    HWND w = createTop({100, 100, 400, 300});
    on(w, WM_SIZING, [](HWND, WPARAM, LPARAM lParam) {
        Rect& r = *reinterpret_cast<Rect*>(lParam);
        r.Right = r.Left + (r.width() / 50) * 50;  // widths in steps of 50
        return Answer(1);
    });
    settle();
    display.drag({399, 200}, {470, 200});
    settle();
    EXPECT_EQ(RectOf(w).width(), 350);
}

TEST_F(WinSizeMoveTest, OutlineDraggingMovesTheWindowOnceAtTheEnd) {
    SystemParametersInfo(SPI_SETDRAGFULLWINDOWS, 0, nullptr, 0);
    bool full = true;
    SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    EXPECT_FALSE(full);
    HWND w = skinnedLike({100, 100, 400, 300});
    log().clear();
    display.drag({150, 110}, {250, 160}, 4);
    settle();
    EXPECT_EQ(countOf(w, WM_MOVING), 4);
    EXPECT_EQ(countOf(w, WM_MOVE), 1);
    EXPECT_EQ(RectOf(w), (Rect{200, 150, 500, 350}));
}

TEST_F(WinSizeMoveTest, EscapeCancelsAndAnUnfinishedScriptEndsTheLoop) {
    HWND w = skinnedLike({100, 100, 400, 300});
    display.moveMouse({150, 110});
    display.pressButton();
    display.moveMouse({300, 300});
    display.typeKey(VK_ESCAPE);
    settle();
    EXPECT_EQ(RectOf(w), (Rect{100, 100, 400, 300}));
    display.releaseButton();
    settle();

    // No release ever comes: the loop must not wait forever.
    display.advanceClock(1000);  // not a double-click
    log().clear();
    display.moveMouse({150, 110});
    display.pressButton();
    display.moveMouse({160, 130});
    settle();
    EXPECT_EQ(RectOf(w), (Rect{110, 120, 410, 320}));
    EXPECT_EQ(countOf(w, WM_EXITSIZEMOVE), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WinSizeMoveTest, MaximisedWindowsDoNotMove) {
    HWND w = createTop({100, 100, 400, 300});
    ShowWindow(w, SW_MAXIMIZE);
    settle();
    Rect before = RectOf(w);
    display.drag({300, 5}, {400, 100});
    settle();
    EXPECT_EQ(RectOf(w), before);
}

TEST_F(WinSizeMoveTest, CaptionButtonsActOnReleaseOverThem) {
    HWND w = createTop({100, 100, 400, 300}, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, "frame");
    settle();
    FrameLayout f = ComputeFrameLayout(DWORD(GetWindowLongPtr(w, GWL_STYLE)), 0, {300, 200});
    Point close{100 + f.closeButton.Left + 3, 100 + f.closeButton.Top + 3};
    Point minimize{100 + f.minButton.Left + 3, 100 + f.minButton.Top + 3};
    Point maximize{100 + f.maxButton.Left + 3, 100 + f.maxButton.Top + 3};

    display.drag(close, {200, 200});  // pressed, moved off, released elsewhere: nothing
    settle();
    EXPECT_TRUE(IsWindow(w));
    display.click(maximize);
    settle();
    EXPECT_TRUE(IsZoomed(w));
    SendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    display.click(minimize);
    settle();
    EXPECT_TRUE(IsIconic(w));
    SendMessage(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    settle();
    log().clear();
    display.click(close);
    settle();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(countOf(w, WM_CLOSE), 1);
}

TEST_F(WinSizeMoveTest, DoubleClickOnTheCaptionMaximisesAndRestores) {
    HWND w = createTop({100, 100, 400, 300});
    settle();
    display.doubleClick({200, 108});
    settle();
    EXPECT_TRUE(IsZoomed(w));
    Rect r = RectOf(w);
    display.advanceClock(1000);
    display.doubleClick({r.Left + 200, r.Top + 8});
    settle();
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(RectOf(w), (Rect{100, 100, 400, 300}));
}

}  // namespace
}  // namespace platform::test
