// Invalidation and the paint sequence, and what window DCs may draw on.
#include <gmock/gmock.h>

#include "platform/gfx/dc.h"
#include "platform/window/frame.h"
#include "tests/platform/win_test_support.h"

namespace platform::test {
namespace {

using ::testing::ElementsAre;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class PaintTest : public WindowTest {
  protected:
    // Fills everything the DC can reach.
    static void Flood(HDC dc, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, {-5000, -5000, 5000, 5000}, brush);
        DeleteObject(brush);
    }
    static void FloodClient(HWND hwnd, COLORREF color) {
        HDC dc = GetDC(hwnd);
        Flood(dc, color);
        ReleaseDC(hwnd, dc);
    }
    // Screen colours, read from one composition.
    struct Shot {
        Surface surface;
        COLORREF operator()(int32_t x, int32_t y) const { return ColorFromPixel(surface.pixel(x, y)); }
    };
    Shot shoot() { return Shot{display.screenshot()}; }

    const std::set<UINT> kPaintMessages = {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT};
};

TEST_F(PaintTest, BeginPaintSendsFramePaintThenEraseBeforeThePaintingStarts) {
    HWND w = createTop({10, 10, 210, 160});
    settle();
    std::vector<UINT> beforePainting;
    on(w, WM_PAINT, [&](HWND self, WPARAM, LPARAM) {
        size_t start = log().size();
        PAINTSTRUCT ps;
        BeginPaint(self, &ps);
        for (size_t i = start; i < log().size(); ++i) beforePainting.push_back(log()[i].message);
        EndPaint(self, &ps);
        return std::optional<LRESULT>(0);
    });
    log().clear();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    settle();
    EXPECT_THAT(beforePainting, ElementsAre(WM_NCPAINT, WM_ERASEBKGND));
    EXPECT_EQ(countOf(w, WM_PAINT), 1);

    // Asked to update at once, the sequence comes in that order straight away.
    log().clear();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_THAT(messagesOf(w, kPaintMessages), ElementsAre(WM_NCPAINT, WM_ERASEBKGND, WM_PAINT));
    settle();
    EXPECT_EQ(countOf(w, WM_PAINT), 1);
}

TEST_F(PaintTest, ParentsPaintBeforeChildrenAndHiddenWindowsWait) {
    HWND top = createTop({0, 0, 300, 300});
    HWND child = createChild(top, {10, 10, 100, 100});
    HWND hidden = createChild(top, {120, 10, 200, 100}, WS_CHILD);
    log().clear();
    settle();
    EXPECT_EQ(sequence({WM_PAINT}), (std::vector<std::pair<HWND, UINT>>{{top, WM_PAINT}, {child, WM_PAINT}}));
    InvalidateRect(hidden, nullptr, true);
    settle();
    EXPECT_EQ(countOf(hidden, WM_PAINT), 0);
    ShowWindow(hidden, SW_SHOW);
    settle();
    EXPECT_EQ(countOf(hidden, WM_PAINT), 1);
}

TEST_F(PaintTest, EraseAnsweredWithZeroLeavesTheErasingToThePainter) {
    HWND w = createPopup({0, 0, 100, 100});
    settle();
    on(w, WM_ERASEBKGND, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(0); });
    bool fErase = false;
    on(w, WM_PAINT, [&](HWND self, WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        BeginPaint(self, &ps);
        fErase = ps.fErase;
        EndPaint(self, &ps);
        return std::optional<LRESULT>(0);
    });
    InvalidateRect(w, nullptr, true);
    settle();
    EXPECT_TRUE(fErase);
    InvalidateRect(w, nullptr, false);
    settle();
    EXPECT_FALSE(fErase);
}

// Regression: a procedure answering WM_PAINT without BeginPaint must not get WM_PAINT forever.
TEST_F(PaintTest, PaintWithoutBeginPaintDoesNotSpin) {
    HWND w = createPopup({0, 0, 100, 100});
    on(w, WM_PAINT, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(0); });
    InvalidateRect(w, nullptr, true);
    EXPECT_LT(ProcessPendingMessages(), 10);
}

// Regression: what is invalidated while a window paints is kept for the next WM_PAINT.
TEST_F(PaintTest, InvalidatingWhilePaintingIsKept) {
    HWND w = createPopup({0, 0, 100, 100});
    settle();
    int paints = 0;
    on(w, WM_PAINT, [&](HWND self, WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        BeginPaint(self, &ps);
        if (++paints == 1)
            InvalidateRect(self, nullptr, false);
        EndPaint(self, &ps);
        return std::optional<LRESULT>(0);
    });
    InvalidateRect(w, nullptr, false);
    settle();
    EXPECT_EQ(paints, 2);
}

TEST_F(PaintTest, ValidatingRemovesWhatWasToBePainted) {
    HWND w = createPopup({0, 0, 100, 100});
    settle();
    Rect part{10, 10, 20, 20};
    InvalidateRect(w, &part, false);
    Rect box;
    EXPECT_TRUE(GetUpdateRect(w, &box, false));
    EXPECT_EQ(box, part);
    ValidateRect(w, nullptr);
    EXPECT_FALSE(GetUpdateRect(w, &box, false));
    log().clear();
    settle();
    EXPECT_EQ(countOf(w, WM_PAINT), 0);
}

// GetDC and BeginPaint never reach the frame; GetWindowDC does.
TEST_F(PaintTest, ClientDCsCannotPaintTheFrame) {
    HWND w = createTop({100, 100, 300, 250});
    settle();
    Rect client;
    GetClientRect(w, &client);
    Point origin{0, 0};
    ClientToScreen(w, &origin);
    FloodClient(w, kRed);
    Shot shot = shoot();
    EXPECT_EQ(shot(origin.X, origin.Y), kRed);
    EXPECT_EQ(shot(origin.X + client.Right - 1, origin.Y + client.Bottom - 1), kRed);
    EXPECT_NE(shot(origin.X - 1, origin.Y), kRed);  // the border
    EXPECT_NE(shot(105, 105), kRed);                // the caption

    HDC dc = GetWindowDC(w);
    Flood(dc, kBlue);
    ReleaseDC(w, dc);
    shot = shoot();
    EXPECT_EQ(shot(100, 100), kBlue);
    EXPECT_EQ(shot(299, 249), kBlue);
    EXPECT_NE(shot(300, 250), kBlue);  // right and bottom are exclusive

    // Painting reaches the update region only.
    Rect part{0, 0, 10, 10};
    InvalidateRect(w, &part, false);
    on(w, WM_PAINT, [](HWND self, WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        Flood(BeginPaint(self, &ps), kGreen);
        EndPaint(self, &ps);
        return std::optional<LRESULT>(0);
    });
    settle();
    shot = shoot();
    EXPECT_EQ(shot(origin.X + 9, origin.Y + 9), kGreen);
    EXPECT_EQ(shot(origin.X + 10, origin.Y + 10), kBlue);
}

TEST_F(PaintTest, ChildrenDrawAtTheirPlaceAndClipChildrenKeepsParentsOffThem) {
    HWND top = createPopup({0, 0, 200, 200});
    HWND child = createChild(top, {50, 60, 100, 110});
    settle();
    FloodClient(child, kGreen);
    FloodClient(top, kRed);  // no WS_CLIPCHILDREN: the parent paints over its child
    Shot shot = shoot();
    EXPECT_EQ(shot(75, 85), kRed);

    SetWindowLongPtr(top, GWL_STYLE, GetWindowLongPtr(top, GWL_STYLE) | WS_CLIPCHILDREN);
    FloodClient(child, kGreen);
    FloodClient(top, kBlue);
    shot = shoot();
    EXPECT_EQ(shot(50, 60), kGreen);
    EXPECT_EQ(shot(99, 109), kGreen);
    EXPECT_EQ(shot(49, 60), kBlue);
    EXPECT_EQ(shot(100, 110), kBlue);

    // A child's shape limits what it and its parent's exclusion cover.
    SetWindowRgn(child, CreateRectRgn(0, 0, 10, 10), false);
    FloodClient(child, kRed);
    FloodClient(top, kBlue);
    shot = shoot();
    EXPECT_EQ(shot(55, 65), kRed);
    EXPECT_EQ(shot(70, 80), kBlue);
}

TEST_F(PaintTest, AChildReachingPastTheClientAreaKeepsNoneOfTheFrameFromItsParent) {
    HWND top = createTop({0, 0, 200, 200}, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN);
    Rect client;
    GetClientRect(top, &client);
    Point origin{0, 0};
    ClientToScreen(top, &origin);
    HWND child = createChild(top, {0, client.Bottom - 10, 100, client.Bottom + 40});
    settle();
    FloodClient(child, kGreen);
    HDC dc = GetWindowDC(top);
    Flood(dc, kBlue);
    ReleaseDC(top, dc);
    Shot shot = shoot();
    EXPECT_EQ(shot(origin.X + 10, origin.Y + client.Bottom - 5), kGreen);  // inside the client area
    EXPECT_EQ(shot(origin.X + 10, origin.Y + client.Bottom + 1), kBlue);   // the frame below it
}

TEST_F(PaintTest, ClipSiblingsKeepsAChildOffTheSiblingsAboveIt) {
    HWND top = createPopup({0, 0, 200, 200}, 0);
    HWND above = createChild(top, {0, 0, 100, 100});
    HWND below = createChild(top, {50, 50, 150, 150}, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    settle();
    FloodClient(above, kGreen);
    FloodClient(below, kRed);
    Shot shot = shoot();
    EXPECT_EQ(shot(75, 75), kGreen);
    EXPECT_EQ(shot(125, 125), kRed);
    EXPECT_EQ(GetWindow(top, GW_CHILD), above);
}

TEST_F(PaintTest, InvalidatingAParentReachesChildrenUnlessItClipsThem) {
    HWND top = createPopup({0, 0, 200, 200});
    HWND child = createChild(top, {10, 10, 50, 50});
    settle();
    log().clear();
    InvalidateRect(top, nullptr, true);
    settle();
    EXPECT_EQ(countOf(child, WM_PAINT), 1);
    SetWindowLongPtr(top, GWL_STYLE, GetWindowLongPtr(top, GWL_STYLE) | WS_CLIPCHILDREN);
    log().clear();
    InvalidateRect(top, nullptr, true);
    settle();
    EXPECT_EQ(countOf(top, WM_PAINT), 1);
    EXPECT_EQ(countOf(child, WM_PAINT), 0);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    settle();
    EXPECT_EQ(countOf(child, WM_PAINT), 1);
}

TEST_F(PaintTest, MovingAChildRepaintsWhatItUncovered) {
    HWND top = createPopup({0, 0, 200, 200});
    HWND child = createChild(top, {0, 0, 50, 50});
    settle();
    Rect box;
    SetWindowPos(child, nullptr, 100, 100, 50, 50, SWP_NOZORDER);
    ASSERT_TRUE(GetUpdateRect(top, &box, false));
    EXPECT_EQ(box, (Rect{0, 0, 50, 50}));
    EXPECT_TRUE(GetUpdateRect(child, &box, false));
}

TEST_F(PaintTest, TheDisplaySeesPaintingWhenTheDCIsReleased) {
    HWND w = createPopup({0, 0, 100, 100});
    settle();
    HDC dc = GetDC(w);
    Flood(dc, kRed);
    EXPECT_NE(shoot()(5, 5), kRed);
    ReleaseDC(w, dc);
    EXPECT_EQ(shoot()(5, 5), kRed);
    // A DC outliving its window draws nothing and is still released cleanly.
    dc = GetDC(w);
    DestroyWindow(w);
    Flood(dc, kBlue);
    EXPECT_TRUE(ReleaseDC(w, dc));
    EXPECT_FALSE(ReleaseDC(w, dc));
}

TEST_F(PaintTest, ThePlatformFrameShowsCaptionAndButtons) {
    HWND w = createTop({100, 100, 400, 300}, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, "Velmoro");
    settle();
    FrameLayout f = ComputeFrameLayout(DWORD(GetWindowLongPtr(w, GWL_STYLE)), 0, {300, 200});
    Shot shot = shoot();
    // The title's start is caption coloured, the close button face coloured.
    EXPECT_EQ(shot(100 + f.caption.Left + 1, 100 + f.caption.Bottom - 1), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(shot(100 + f.closeButton.Left + 2, 100 + f.closeButton.Top + 2), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shot(100 + f.client.Left + 5, 100 + f.client.Top + 5), RGB(255, 255, 255));  // class background
    // Inactive, the caption takes the inactive colour.
    HWND other = createTop({600, 100, 700, 200});
    settle();
    EXPECT_EQ(shoot()(100 + f.caption.Left + 1, 100 + f.caption.Bottom - 1),
              GetSysColor(COLOR_INACTIVECAPTION));
    (void)other;
}

}  // namespace
}  // namespace platform::test
