// The headless display: composition with shapes and alpha, layered windows, monitors and metrics,
// the taskbar, desktop requests, native widgets, and the session's end.
#include <gmock/gmock.h>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/dc.h"
#include "platform/window/layered.h"
#include "platform/window/metrics.h"
#include "platform/window/native_widget.h"
#include "platform/window/window_system.h"
#include "tests/platform/win_test_support.h"

namespace platform {
struct NativeWidget {
    int id;
};
}  // namespace platform

namespace platform::test {
namespace {

using ::testing::ElementsAre;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class DisplayTest : public WindowTest {
  protected:
    // A popup painted in one colour, as its own WM_PAINT would.
    HWND solid(const Rect& r, COLORREF color, DWORD exStyle = 0) {
        HWND w = createPopup(r, exStyle);
        on(w, WM_ERASEBKGND, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(1); });
        on(w, WM_PAINT, [color](HWND self, WPARAM, LPARAM) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(self, &ps);
            HBRUSH brush = CreateSolidBrush(color);
            FillRect(dc, {0, 0, 1000, 1000}, brush);
            DeleteObject(brush);
            EndPaint(self, &ps);
            return std::optional<LRESULT>(0);
        });
        InvalidateRect(w, nullptr, false);
        settle();
        return w;
    }
    COLORREF at(int32_t x, int32_t y) { return display.colorAt({x, y}); }
};

TEST_F(DisplayTest, WindowsAreComposedInZOrderWithTheirShapes) {
    HWND below = solid({0, 0, 100, 100}, kRed);
    HWND above = solid({50, 50, 150, 150}, kBlue);
    EXPECT_EQ(at(25, 25), kRed);
    EXPECT_EQ(at(75, 75), kBlue);
    EXPECT_EQ(at(200, 200), GetSysColor(COLOR_BACKGROUND));
    // A shape lets the window below show through.
    SetWindowRgn(above, CreateRectRgn(25, 25, 100, 100), true);
    settle();
    EXPECT_EQ(at(60, 60), kRed);
    EXPECT_EQ(at(80, 80), kBlue);
    SetWindowPos(below, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(at(80, 80), kRed);
    ShowWindow(below, SW_HIDE);
    EXPECT_EQ(at(80, 80), kBlue);
    EXPECT_EQ(at(10, 10), GetSysColor(COLOR_BACKGROUND));
}

// Regression: what a window does to itself while it is being created reaches the display.
TEST_F(DisplayTest, ChangesMadeDuringCreationReachTheDisplay) {
    on(nullptr, WM_CREATE, [](HWND self, WPARAM, LPARAM) {
        SetWindowPos(self, nullptr, 300, 200, 50, 40, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowRgn(self, CreateRectRgn(0, 0, 10, 10), false);
        return Answer(0);
    });
    HWND w = createPopup({0, 0, 100, 100});
    handlers().clear();
    settle();
    ASSERT_NE(display.stateOf(w), nullptr);
    EXPECT_EQ(display.stateOf(w)->bounds, rectOfSize(300, 200, 50, 40));
    EXPECT_EQ(at(305, 205), RGB(255, 255, 255));  // the class background, inside the shape
    EXPECT_EQ(at(320, 220), GetSysColor(COLOR_BACKGROUND));
}

TEST_F(DisplayTest, ConstantAlphaAndColorKey) {
    solid({0, 0, 100, 100}, RGB(0, 0, 0));
    HWND layered = solid({0, 0, 100, 100}, RGB(200, 100, 0), WS_EX_LAYERED);
    EXPECT_EQ(at(50, 50), RGB(0, 0, 0));  // layered, nothing set yet: not shown, as on the platform
    EXPECT_EQ(WindowFromPoint({50, 50}), GetWindow(layered, GW_HWNDNEXT));
    ASSERT_TRUE(SetLayeredWindowAttributes(layered, 0, 128, LWA_ALPHA));
    EXPECT_EQ(at(50, 50), RGB(100, 50, 0));
    ASSERT_TRUE(SetLayeredWindowAttributes(layered, RGB(200, 100, 0), 255, LWA_COLORKEY));
    EXPECT_EQ(at(50, 50), RGB(0, 0, 0));
    COLORREF key;
    uint8_t alpha;
    DWORD flags;
    ASSERT_TRUE(GetLayeredWindowAttributes(layered, &key, &alpha, &flags));
    EXPECT_EQ(flags, LWA_COLORKEY);
    // Plain again: it shows its painting as it is.
    SetWindowLongPtr(layered, GWL_EXSTYLE, GetWindowLongPtr(layered, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    settle();
    EXPECT_EQ(at(50, 50), RGB(200, 100, 0));
    EXPECT_FALSE(SetLayeredWindowAttributes(layered, 0, 10, LWA_ALPHA));  // not layered
}

// The glow windows of the skin: a premultiplied image pushed with a constant alpha that fades.
TEST_F(DisplayTest, PerPixelAlphaImages) {
    solid({0, 0, 100, 100}, RGB(0, 0, 200));
    HWND glow = createPopup({0, 0, 10, 10}, WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW);
    uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection32(4, 1, &bits);
    ASSERT_NE(bits, nullptr);
    bits[0] = PackBGRA(0, 0, 255, 255);  // opaque red
    bits[1] = PackBGRA(0, 0, 0, 0);      // transparent
    bits[2] = PackBGRA(0, 0, 128, 128);  // half red, premultiplied
    bits[3] = PackBGRA(0, 128, 0, 255);  // opaque dark green
    HDC source = CreateCompatibleDC(nullptr);
    SelectObject(source, bitmap);
    Point position{20, 30};
    Size size{4, 1};
    Point origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(glow, nullptr, &position, &size, source, &origin, 0, &blend, ULW_ALPHA));
    Rect r;
    GetWindowRect(glow, &r);
    EXPECT_EQ(r, rectOfSize(20, 30, 4, 1));
    EXPECT_EQ(at(20, 30), RGB(255, 0, 0));
    EXPECT_EQ(at(21, 30), RGB(0, 0, 200));
    EXPECT_EQ(at(22, 30), RGB(128, 0, 100));
    EXPECT_EQ(WindowFromPoint({20, 30}), GetWindow(glow, GW_HWNDNEXT));  // clicks go through

    blend.SourceConstantAlpha = 0;  // the first push of a fade
    UpdateLayeredWindow(glow, nullptr, &position, &size, source, &origin, 0, &blend, ULW_ALPHA);
    EXPECT_EQ(at(20, 30), RGB(0, 0, 200));
    blend.SourceConstantAlpha = 128;
    UpdateLayeredWindow(glow, nullptr, nullptr, nullptr, source, &origin, 0, &blend, ULW_ALPHA);
    EXPECT_EQ(at(23, 30), RGB(0, 64, 100));

    // After SetLayeredWindowAttributes the image calls are refused until the style is set anew.
    SetLayeredWindowAttributes(glow, 0, 255, LWA_ALPHA);
    EXPECT_FALSE(UpdateLayeredWindow(glow, nullptr, nullptr, nullptr, source, &origin, 0, &blend, ULW_ALPHA));
    SetWindowLongPtr(glow, GWL_EXSTYLE, GetWindowLongPtr(glow, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    SetWindowLongPtr(glow, GWL_EXSTYLE, GetWindowLongPtr(glow, GWL_EXSTYLE) | WS_EX_LAYERED);
    EXPECT_TRUE(UpdateLayeredWindow(glow, nullptr, nullptr, nullptr, source, &origin, 0, &blend, ULW_ALPHA));
    DeleteDC(source);
    DeleteObject(bitmap);
}

TEST_F(DisplayTest, MonitorsWorkAreasAndMetrics) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_EQ(GetSystemMetrics(SM_CYSMCAPTION), 15);
    EXPECT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
    EXPECT_EQ(GetSystemMetrics(12345), 0);
    Rect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, (Rect{0, 0, 1024, 768 - HeadlessDisplay::kTaskbarHeight}));

    HWND w = createTop({1100, 100, 1300, 300});
    MONITORINFO info;
    EXPECT_TRUE(GetMonitorInfoA(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcMonitor, (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(MonitorFromWindow(w, MONITOR_DEFAULTTONULL), nullptr);

    log().clear();
    display.setMonitors({MonitorConfig{{0, 0, 1024, 768}, {0, 0, 1024, 738}, true},
                         MonitorConfig{{1024, 0, 2304, 1024}, {1024, 0, 2304, 1000}, false}});
    settle();
    EXPECT_EQ(countOf(w, WM_DISPLAYCHANGE), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 2304);
    HMONITOR second = MonitorFromWindow(w, MONITOR_DEFAULTTONULL);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(GetMonitorInfo(second, &info));
    EXPECT_EQ(info.rcWork, (Rect{1024, 0, 2304, 1000}));
    EXPECT_EQ(info.dwFlags, 0u);
    EXPECT_EQ(MonitorFromPoint({10, 10}, MONITOR_DEFAULTTONULL),
              MonitorFromPoint({-5, -5}, MONITOR_DEFAULTTOPRIMARY));
    EXPECT_EQ(MonitorFromPoint({5000, 10}, MONITOR_DEFAULTTONEAREST), second);
    EXPECT_EQ(MonitorFromRect({1000, 0, 1100, 10}, MONITOR_DEFAULTTONULL), second);  // more of it there
    MONITORINFO tooSmall;
    tooSmall.cbSize = 8;
    EXPECT_FALSE(GetMonitorInfo(second, &tooSmall));
    EXPECT_FALSE(GetMonitorInfo(reinterpret_cast<HMONITOR>(uintptr_t(99)), &info));
    EXPECT_EQ(display.screenshot().width(), 2304);

    // Maximising uses the window's own monitor.
    ShowWindow(w, SW_MAXIMIZE);
    Rect r;
    GetWindowRect(w, &r);
    int border = GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(r, (Rect{1024 - border, -border, 2304 + border, 1000 + border}));
}

TEST_F(DisplayTest, TaskbarEntriesAndDesktopRequests) {
    HWND main = createTop({0, 0, 200, 200}, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, "Velmoro V1.0");
    HWND owned = createTop({0, 0, 100, 100}, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, main, "owned");
    HWND tool = createTop({0, 0, 100, 100}, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, nullptr, "tool");
    HWND app = createTop({0, 0, 100, 100}, WS_POPUP | WS_VISIBLE, WS_EX_APPWINDOW, main, "app");
    EXPECT_THAT(display.taskbarEntries(), ElementsAre(main, app));
    (void)owned;
    (void)tool;
    display.requestClose(app);
    settle();
    EXPECT_FALSE(IsWindow(app));
    EXPECT_THAT(display.taskbarEntries(), ElementsAre(main));
}

TEST_F(DisplayTest, WindowKindsAndTheActiveWindowReachTheDisplay) {
    HWND main = createTop({0, 0, 200, 200});
    HWND tool = createTop({0, 0, 100, 100}, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_TOOLWINDOW, main);
    HWND menu = createPopup({0, 0, 50, 50}, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, main);
    HWND glow = createPopup({0, 0, 20, 20}, WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_TRANSPARENT);
    HWND bare = createPopup({0, 0, 50, 50});  // a borderless main window keeps its taskbar entry
    EXPECT_EQ(display.stateOf(main)->kind, TopLevelKind::Normal);
    EXPECT_EQ(display.stateOf(tool)->kind, TopLevelKind::Tool);
    EXPECT_EQ(display.stateOf(menu)->kind, TopLevelKind::Popup);
    EXPECT_EQ(display.stateOf(glow)->kind, TopLevelKind::Popup);
    EXPECT_EQ(display.stateOf(bare)->kind, TopLevelKind::Normal);
    EXPECT_TRUE(display.stateOf(glow)->clickThrough);
    EXPECT_FALSE(display.stateOf(menu)->clickThrough);

    SetActiveWindow(main);
    EXPECT_TRUE(display.stateOf(main)->active);
    SetActiveWindow(tool);
    EXPECT_FALSE(display.stateOf(main)->active);
    EXPECT_TRUE(display.stateOf(tool)->active);
    display.setApplicationFocus(false);
    settle();
    EXPECT_FALSE(display.stateOf(tool)->active);
}

TEST_F(DisplayTest, TheDesktopActivatesAndMovesWindows) {
    HWND a = createTop({0, 0, 200, 200});
    HWND b = createTop({300, 0, 500, 200});
    SetActiveWindow(a);
    display.setApplicationFocus(false);
    display.activateFromDesktop(b);
    settle();
    EXPECT_EQ(GetForegroundWindow(), b);
    EXPECT_TRUE(display.stateOf(b)->active);

    log().clear();
    display.moveFromDesktop(b, {310, 40});
    settle();
    Rect r;
    GetWindowRect(b, &r);
    EXPECT_EQ(r, (Rect{310, 40, 510, 240}));
    EXPECT_EQ(countOf(b, WM_MOVE), 1);
    EXPECT_EQ(countOf(b, WM_SIZE), 0);
    EXPECT_EQ(display.stateOf(b)->bounds, r);

    // A window that is gone or cannot be activated, and a move to where the window already is.
    EnableWindow(a, false);
    display.activateFromDesktop(a);
    display.activateFromDesktop(reinterpret_cast<HWND>(uintptr_t(0xdead)));
    display.moveFromDesktop(reinterpret_cast<HWND>(uintptr_t(0xdead)), {0, 0});
    log().clear();
    display.moveFromDesktop(b, {310, 40});
    settle();
    EXPECT_EQ(GetForegroundWindow(), b);
    EXPECT_EQ(countOf(b, WM_WINDOWPOSCHANGING), 0);
}

TEST_F(DisplayTest, NativeWidgetsFollowTheirHost) {
    NativeWidget browser{1};
    HWND top = createTop({100, 100, 500, 400});
    HWND panel = createChild(top, {10, 10, 300, 250});
    HWND host = createChild(panel, {5, 5, 105, 55});
    ASSERT_TRUE(AttachNativeWidget(host, &browser));
    auto placed = display.placementOf(&browser);
    ASSERT_TRUE(placed);
    Point offset{0, 0};
    MapWindowPoints(host, top, &offset, 1);
    Rect client;
    GetClientRect(top, &client);
    EXPECT_EQ(placed->topLevel, top);
    EXPECT_TRUE(placed->shown);
    EXPECT_EQ(placed->rect.width(), 100);
    MoveWindow(panel, 20, 20, 290, 240, true);
    EXPECT_EQ(display.placementOf(&browser)->rect.Left, placed->rect.Left + 10);
    // Reaching past its parent's client area, it is cut to it (the panel has no frame here).
    MoveWindow(host, 250, 200, 100, 50, true);
    EXPECT_EQ(display.placementOf(&browser)->rect,
              rectOfSize(placed->rect.Left + 255, placed->rect.Top + 205, 40, 40));
    MoveWindow(host, 5, 5, 100, 50, true);
    ShowWindow(panel, SW_HIDE);
    EXPECT_FALSE(display.placementOf(&browser)->shown);
    ShowWindow(panel, SW_SHOW);
    EXPECT_TRUE(display.placementOf(&browser)->shown);
    DestroyWindow(host);
    EXPECT_FALSE(display.placementOf(&browser)->shown);
}

TEST_F(DisplayTest, OptionalPlatformCallsAndVersion) {
    EXPECT_TRUE(IsPlatformCallPresent("user32.dll", "UpdateLayeredWindow"));
    EXPECT_TRUE(IsPlatformCallPresent("USER32.DLL", "GetMonitorInfoA"));
    EXPECT_TRUE(IsPlatformCallPresent("msimg32.dll", "TransparentBlt"));
    EXPECT_TRUE(IsPlatformCallPresent("dwmapi.dll", "DwmIsCompositionEnabled"));
    EXPECT_FALSE(IsPlatformCallPresent("dwmapi.dll", "DwmEnableBlurBehindWindow"));
    EXPECT_FALSE(IsPlatformCallPresent("user32.dll", "GetScrollBarInfo"));
    DWORD version = GetVersion();
    EXPECT_EQ(version & 0xFF, 6u);
    EXPECT_EQ((version >> 8) & 0xFF, 1u);
}

// The end of a session drops every window without a message; its handles are refused afterwards
// and the next session starts clean.
TEST(DisplaySessionTest, EndingASessionDropsWindowsSilently) {
    HWND left = nullptr;
    static int messagesAfterEnd = 0;
    static bool ended = false;
    WNDCLASS c;
    c.lpszClassName = "VelmoroSessionWindow";
    c.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (ended)
            ++messagesAfterEnd;
        return DefWindowProc(h, m, w, l);
    };
    RegisterClass(c);
    {
        HeadlessDisplay display;
        EXPECT_TRUE(IsDisplayConnected());
        EXPECT_THROW(HeadlessDisplay second, std::logic_error);
        left =
            CreateWindowEx(0, "VelmoroSessionWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100);
        ASSERT_NE(left, nullptr);
        SetTimer(left, 1, 10);
        SetCapture(left);
        ended = true;
    }
    EXPECT_FALSE(IsDisplayConnected());
    EXPECT_EQ(messagesAfterEnd, 0);
    EXPECT_FALSE(IsWindow(left));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "VelmoroSessionWindow", "", WS_POPUP, 0, 0, 10, 10), nullptr);  // no display
    HeadlessDisplay next;
    ended = false;
    HWND again = CreateWindowEx(0, "VelmoroSessionWindow", "", WS_POPUP, 0, 0, 10, 10);
    EXPECT_NE(again, nullptr);
    EXPECT_NE(again, left);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

}  // namespace
}  // namespace platform::test
