// The GTK display on a real X server (Xvfb, no window manager unless a test starts one): windows
// placed, shaped, stacked and repainted as the window system says, and real pointer and key events
// (xdotool) arriving as the window system's messages.
#include <gtk/gtk.h>

#include "platform/display/gtk/native_widget.h"
#include "platform/display/gtk/x11.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "platform/gfx/region.h"
#include "platform/gfx/text.h"
#include "platform/window/clipboard.h"
#include "platform/window/focus.h"
#include "platform/window/ime.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/layered.h"
#include "platform/window/metrics.h"
#include "platform/window/native_widget.h"
#include "tests/gtk/desktop_test_support.h"
#include "tests/gtk/window_manager.h"

namespace platform::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);

Point OriginOf(GtkWidget* window) {
    Point p;
    gdk_window_get_origin(gtk_widget_get_window(window), &p.X, &p.Y);
    return p;
}

Point ClientPoint(LPARAM lParam) {
    return {int16_t(LOWORD(lParam)), int16_t(HIWORD(lParam))};
}

class GtkDisplayTest : public DesktopTest {
  protected:
    static std::vector<uint32_t> CharsOf(HWND w) {
        std::vector<uint32_t> out;
        for (const Logged& l : messagesOf(w, WM_CHAR)) out.push_back(uint32_t(l.wParam));
        return out;
    }
    static std::vector<int> KeyDownsOf(HWND w) {
        std::vector<int> out;
        for (const Logged& l : messagesOf(w, WM_KEYDOWN)) out.push_back(int(l.wParam));
        return out;
    }

    // A window that has the keyboard: active in the window system and focused on the X server.
    HWND focusedWindow(const Rect& r) {
        HWND w = solid(r, kBlue);
        SetForegroundWindow(w);
        SetFocus(w);
        EXPECT_TRUE(runUntil([&] { return gtk_window_is_active(GTK_WINDOW(display.desktopWindowOf(w))); }));
        log().clear();
        return w;
    }
};

TEST_F(GtkDisplayTest, WindowsShowTheirPixelsWhereTheWindowSystemPutsThem) {
    HWND w = solid({100, 80, 300, 230}, kRed);
    ASSERT_TRUE(showsColor({150, 100}, kRed));
    EXPECT_EQ(OriginOf(display.desktopWindowOf(w)), (Point{100, 80}));

    SetWindowPos(w, nullptr, 400, 300, 50, 40, SWP_NOZORDER);
    ASSERT_TRUE(showsColor({420, 320}, kRed));
    EXPECT_TRUE(runUntil([&] { return screenColorAt({150, 100}) != kRed; }));
    EXPECT_TRUE(runUntil([&] { return screenColorAt({460, 320}) != kRed; }));  // beyond the new width

    // A part painted later shows: only the dirty rectangle was sent.
    HDC dc = GetDC(w);
    HBRUSH green = CreateSolidBrush(kGreen);
    FillRect(dc, {10, 10, 20, 20}, green);
    DeleteObject(green);
    ReleaseDC(w, dc);
    EXPECT_TRUE(showsColor({415, 315}, kGreen));
    EXPECT_EQ(screenColorAt({405, 305}), kRed);

    ShowWindow(w, SW_HIDE);
    EXPECT_TRUE(runUntil([&] { return !gtk_widget_get_visible(display.desktopWindowOf(w)); }));
    DestroyWindow(w);
    EXPECT_EQ(display.desktopWindowOf(w), nullptr);
}

TEST_F(GtkDisplayTest, RegionsBecomeShapesAndZOrderFollowsTheWindowSystem) {
    HWND below = solid({100, 100, 400, 400}, kBlue);
    HWND above = solid({100, 100, 400, 400}, kRed);
    ASSERT_TRUE(showsColor({250, 250}, kRed));

    // Two squares; the rest of the window lets the window below show through.
    HRGN shape = CreateRectRgn(0, 0, 100, 100);
    HRGN second = CreateRectRgn(200, 200, 300, 300);
    CombineRgn(shape, shape, second, RGN_OR);
    DeleteObject(second);
    SetWindowRgn(above, shape, true);
    EXPECT_TRUE(showsColor({250, 250}, kBlue));
    EXPECT_EQ(screenColorAt({150, 150}), kRed);
    EXPECT_EQ(screenColorAt({350, 350}), kRed);

    // Clicks in the hole reach the window below, in X as in the window system.
    xdotool("mousemove 250 250 click 1");
    EXPECT_TRUE(runUntil([&] { return !messagesOf(below, WM_LBUTTONUP).empty(); }));
    EXPECT_TRUE(messagesOf(above, WM_LBUTTONDOWN).empty());

    SetWindowPos(below, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(showsColor({150, 150}, kBlue));
    SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(showsColor({150, 150}, kRed));

    SetWindowRgn(above, nullptr, true);
    EXPECT_TRUE(showsColor({250, 250}, kRed));
}

TEST_F(GtkDisplayTest, WindowKindsBecomeTheirDesktopWindows) {
    HWND main = solid({50, 50, 250, 250}, kBlue, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND tool =
        solid({300, 50, 400, 150}, kBlue, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_TOOLWINDOW, main);
    HWND menu =
        solid({60, 60, 120, 160}, kRed, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, main);
    SetWindowText(main, "Velmoro 女装搜索");
    GtkWindow* m = GTK_WINDOW(display.desktopWindowOf(main));
    EXPECT_EQ(gtk_window_get_window_type(m), GTK_WINDOW_TOPLEVEL);
    EXPECT_FALSE(gtk_window_get_decorated(m));
    EXPECT_STREQ(gtk_window_get_title(m), "Velmoro 女装搜索");
    EXPECT_FALSE(gtk_window_get_skip_taskbar_hint(m));
    GtkWindow* t = GTK_WINDOW(display.desktopWindowOf(tool));
    EXPECT_EQ(gtk_window_get_type_hint(t), GDK_WINDOW_TYPE_HINT_UTILITY);
    EXPECT_TRUE(gtk_window_get_skip_taskbar_hint(t));
    EXPECT_EQ(gtk_window_get_window_type(GTK_WINDOW(display.desktopWindowOf(menu))), GTK_WINDOW_POPUP);
    EXPECT_TRUE(showsColor({70, 70}, kRed));

    // Without a window manager a minimised window leaves the screen; restored, it comes back.
    ShowWindow(main, SW_MINIMIZE);
    EXPECT_TRUE(runUntil([&] { return !gtk_widget_get_visible(GTK_WIDGET(m)); }));
    ShowWindow(main, SW_RESTORE);
    EXPECT_TRUE(runUntil([&] { return gtk_widget_get_visible(GTK_WIDGET(m)); }));
}

TEST_F(GtkDisplayTest, PointerButtonsAndWheelArriveAsMessages) {
    HWND w = solid({100, 100, 400, 300}, kBlue);
    ASSERT_TRUE(showsColor({150, 120}, kBlue));
    xdotool("mousemove 150 120 click 1");
    ASSERT_TRUE(runUntil([&] { return !messagesOf(w, WM_LBUTTONUP).empty(); }));
    EXPECT_EQ(ClientPoint(messagesOf(w, WM_LBUTTONDOWN).at(0).lParam), (Point{50, 20}));
    EXPECT_EQ(GetActiveWindow(), w);  // the click activated it

    xdotool("mousemove 160 130 click 3");
    ASSERT_TRUE(runUntil([&] { return !messagesOf(w, WM_RBUTTONUP).empty(); }));
    EXPECT_EQ(ClientPoint(messagesOf(w, WM_RBUTTONDOWN).at(0).lParam), (Point{60, 30}));
    EXPECT_FALSE(messagesOf(w, WM_MOUSEMOVE).empty());

    xdotool("click 4 click 5");
    ASSERT_TRUE(runUntil([&] { return messagesOf(w, WM_MOUSEWHEEL).size() == 2; }));
    EXPECT_EQ(int16_t(HIWORD(messagesOf(w, WM_MOUSEWHEEL)[0].wParam)), 120);
    EXPECT_EQ(int16_t(HIWORD(messagesOf(w, WM_MOUSEWHEEL)[1].wParam)), -120);

    // Two quick clicks: the window system counts the double-click, not GDK.
    log().clear();
    xdotool("click --repeat 2 --delay 50 1");
    ASSERT_TRUE(runUntil([&] { return messagesOf(w, WM_LBUTTONUP).size() == 2; }));
    EXPECT_EQ(messagesOf(w, WM_LBUTTONDBLCLK).size(), 1u);
    EXPECT_EQ(messagesOf(w, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(GtkDisplayTest, CaptureGrabsThePointerOutsideTheWindow) {
    HWND w = solid({100, 100, 300, 300}, kBlue);
    ASSERT_TRUE(showsColor({150, 150}, kBlue));
    xdotool("mousemove 150 150");
    ASSERT_TRUE(runUntil([&] { return !messagesOf(w, WM_MOUSEMOVE).empty(); }));

    SetCapture(w);
    log().clear();
    xdotool("mousemove 700 500");
    ASSERT_TRUE(runUntil([&] {
        auto moves = messagesOf(w, WM_MOUSEMOVE);
        return !moves.empty() && ClientPoint(moves.back().lParam) == Point{600, 400};
    }));

    ReleaseCapture();
    ProcessPendingMessages();
    log().clear();
    xdotool("mousemove 710 510 mousemove 150 150");
    ASSERT_TRUE(runUntil([&] { return !messagesOf(w, WM_MOUSEMOVE).empty(); }));
    for (const Logged& m : messagesOf(w, WM_MOUSEMOVE)) EXPECT_NE(ClientPoint(m.lParam), (Point{610, 410}));
}

TEST_F(GtkDisplayTest, TheMoveLoopDragsAWindowByItsCaptionWithRealPointerEvents) {
    HWND w = solid({100, 100, 400, 300}, kBlue, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(showsColor({250, 250}, kBlue));
    int captionY = 100 + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    xdotool("mousemove 200 " + std::to_string(captionY) + " mousedown 1 mousemove 230 " +
            std::to_string(captionY + 20) + " mousemove 260 " + std::to_string(captionY + 50) + " mouseup 1");
    ASSERT_TRUE(runUntil([&] { return !messagesOf(w, WM_EXITSIZEMOVE).empty(); }));
    Rect r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (Rect{160, 150, 460, 350}));
    EXPECT_TRUE(runUntil([&] { return OriginOf(display.desktopWindowOf(w)) == Point{160, 150}; }));
    EXPECT_TRUE(showsColor({450, 340}, kBlue));
}

TEST_F(GtkDisplayTest, KeysTypeTextAndTheInputMethodCommitsIt) {
    HWND w = focusedWindow({100, 100, 300, 200});
    xdotool("type --delay 20 'aZ1!'");
    xdotool("key Return ctrl+c Left");
    ASSERT_TRUE(runUntil([&] { return KeyDownsOf(w).size() >= 8; }));
    EXPECT_EQ(CharsOf(w), (std::vector<uint32_t>{'a', 'Z', '1', '!', '\r', 3}));
    std::vector<int> downs = KeyDownsOf(w);
    for (int vk : {int('A'), int('Z'), int('1'), VK_SHIFT, VK_RETURN, VK_CONTROL, int('C'), VK_LEFT})
        EXPECT_NE(std::find(downs.begin(), downs.end(), vk), downs.end()) << vk;

    // With the input method on, text (Chinese included) arrives as the input method commits it.
    ImeSetEnabled(w, true);
    ImeSetCaret(w, {10, 10, 11, 30});
    log().clear();
    xdotoolMeanwhile("type --delay 150 '裙子 Dress'");
    std::vector<uint32_t> expected{0x88D9, 0x5B50, ' ', 'D', 'r', 'e', 's', 's'};
    ASSERT_TRUE(runUntil([&] { return CharsOf(w).size() >= expected.size(); }, 10000));
    EXPECT_EQ(CharsOf(w), expected);
}

TEST_F(GtkDisplayTest, ActivationMovesTheDesktopFocusAndBack) {
    HWND a = solid({100, 100, 300, 300}, kBlue, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND b = solid({400, 100, 600, 300}, kRed, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetForegroundWindow(b);
    EXPECT_TRUE(runUntil([&] { return gtk_window_is_active(GTK_WINDOW(display.desktopWindowOf(b))); }));
    SetForegroundWindow(a);
    EXPECT_TRUE(runUntil([&] { return gtk_window_is_active(GTK_WINDOW(display.desktopWindowOf(a))); }));
    EXPECT_EQ(GetForegroundWindow(), a);

    // The desktop gives b the focus, as a window manager would: the window system follows.
    gdk_window_focus(gtk_widget_get_window(display.desktopWindowOf(b)), GDK_CURRENT_TIME);
    EXPECT_TRUE(runUntil([&] { return GetForegroundWindow() == b; }));
    ASSERT_TRUE(runUntil([&] { return gtk_window_is_active(GTK_WINDOW(display.desktopWindowOf(b))); }));
    // ... and nothing more happens: no activation back and forth.
    log().clear();
    runUntil([] { return false; }, 200);
    EXPECT_TRUE(messagesOf(a, WM_ACTIVATE).empty());
    EXPECT_TRUE(messagesOf(b, WM_ACTIVATE).empty());
}

TEST_F(GtkDisplayTest, TheDesktopMovesAndClosesWindows) {
    HWND w = solid({100, 100, 300, 300}, kBlue, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(showsColor({200, 200}, kBlue));
    log().clear();
    // A window manager moving the window behind the window system's back.
    gdk_window_move(gtk_widget_get_window(display.desktopWindowOf(w)), 350, 120);
    ASSERT_TRUE(runUntil([&] { return !messagesOf(w, WM_MOVE).empty(); }));
    Rect r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r, (Rect{350, 120, 550, 320}));

    gtk_window_close(GTK_WINDOW(display.desktopWindowOf(w)));
    EXPECT_TRUE(runUntil([&] { return !IsWindow(w); }));
}

// What a window manager does to windows it did not place: a tool window hidden and shown again
// comes back where the window system has it (GTK forgets a hidden window's place, and openbox
// would place it anew), and a request to maximise leaves a window at the window system's size.
TEST_F(GtkDisplayTest, UnderAWindowManagerWindowsKeepTheirPlaceAndSize) {
    WindowManager manager;
    if (!manager.running())
        GTEST_SKIP() << "openbox is not installed or did not start";
    ASSERT_TRUE(runUntil([] { return gtk::WindowManagerRuns(gdk_screen_get_default()); }, 10000));
    HWND main = solid({100, 100, 400, 300}, kBlue, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND tool =
        solid({600, 500, 900, 700}, kGreen, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_TOOLWINDOW, main);
    ASSERT_TRUE(showsColor({750, 600}, kGreen));
    GtkWidget* t = display.desktopWindowOf(tool);
    ShowWindow(tool, SW_HIDE);
    // Shown again only once the window manager has let it go: a window mapped while it is still
    // inside the manager's frame never reaches the manager (seen on a busy machine).
    ASSERT_TRUE(runUntil(
        [&] {
            return screenColorAt({750, 600}) != kGreen &&
                   !gtk::WindowManagerManages(gtk_widget_get_window(t));
        },
        10000));
    ShowWindow(tool, SW_SHOW);
    EXPECT_TRUE(showsColor({750, 600}, kGreen)) << "shown again elsewhere";
    EXPECT_EQ(OriginOf(t), (Point{600, 500}));
    Rect r;
    GetWindowRect(tool, &r);
    EXPECT_EQ(r, (Rect{600, 500, 900, 700}));

    // The move asked after the maximise shows when the manager has answered both.
    GdkWindow* m = gtk_widget_get_window(display.desktopWindowOf(main));
    gdk_window_maximize(m);
    gdk_window_move(m, 150, 120);
    EXPECT_TRUE(runUntil([&] {
        GetWindowRect(main, &r);
        return r.topLeft() == Point{150, 120};
    })) << "the window manager did not move the window";
    EXPECT_EQ(r, (Rect{150, 120, 450, 320}));
    int x = 0, y = 0, width = 0, height = 0;
    gdk_window_get_geometry(m, &x, &y, &width, &height);
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 200);
    EXPECT_TRUE(showsColor({440, 310}, kBlue));
    EXPECT_NE(screenColorAt({460, 330}), kBlue);
}

TEST_F(GtkDisplayTest, LayeredWindowsWithoutACompositorShowTheirSolidPixels) {
    if (display.hasCompositor())
        GTEST_SKIP() << "a compositing manager shows translucency itself";
    solid({0, 0, 300, 200}, kBlue);
    HWND glow = CreateWindowEx(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW, kClass, "", WS_POPUP, 0,
                               0, 1, 1, nullptr);
    uint32_t* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection32(40, 20, &bits);
    ASSERT_NE(bits, nullptr);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x)
            bits[y * 40 + x] = x < 20 ? PackBGRA(0, 0, 255, 255) : PackBGRA(0, 0, 64, 64);
    }
    HDC source = CreateCompatibleDC(nullptr);
    SelectObject(source, bitmap);
    Point position{50, 50}, origin{0, 0};
    Size size{40, 20};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ASSERT_TRUE(UpdateLayeredWindow(glow, nullptr, &position, &size, source, &origin, 0, &blend, ULW_ALPHA));
    ShowWindow(glow, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(showsColor({55, 55}, kRed));
    EXPECT_TRUE(showsColor({85, 55}, kBlue));
    // A fade below half alpha hides it all.
    blend.SourceConstantAlpha = 100;
    UpdateLayeredWindow(glow, nullptr, nullptr, nullptr, source, &origin, 0, &blend, ULW_ALPHA);
    EXPECT_TRUE(showsColor({55, 55}, kBlue));
    DeleteDC(source);
    DeleteObject(bitmap);
}

gboolean PaintGreen(GtkWidget*, cairo_t* cr, gpointer) {
    cairo_set_source_rgb(cr, 0, 160 / 255.0, 0);
    cairo_paint(cr);
    return true;
}

TEST_F(GtkDisplayTest, NativeWidgetsFollowTheirHostWindow) {
    GtkWidget* area = gtk_drawing_area_new();
    g_object_ref_sink(area);
    g_signal_connect(area, "draw", G_CALLBACK(PaintGreen), nullptr);
    NativeWidget widget{area};
    HWND top = solid({100, 100, 400, 300}, kBlue);
    HWND host = CreateWindowEx(0, kClass, "", WS_CHILD | WS_VISIBLE, 20, 30, 100, 60, top);
    ASSERT_TRUE(AttachNativeWidget(host, &widget));
    ASSERT_TRUE(showsColor({125, 135}, kGreen));
    EXPECT_TRUE(showsColor({105, 105}, kBlue));
    EXPECT_TRUE(runUntil([&] {
        GtkAllocation a;
        gtk_widget_get_allocation(area, &a);
        return a.x == 20 && a.y == 30 && a.width == 100 && a.height == 60;
    }));

    // A click on the widget reaches the widget, and the window system hears of it too.
    log().clear();
    xdotool("mousemove 130 140 click 1");
    EXPECT_TRUE(runUntil([&] { return !messagesOf(host, WM_LBUTTONUP).empty(); }));

    MoveWindow(host, 150, 100, 100, 60, true);
    EXPECT_TRUE(showsColor({255, 205}, kGreen));
    EXPECT_TRUE(showsColor({125, 135}, kBlue));
    ShowWindow(host, SW_HIDE);
    EXPECT_TRUE(showsColor({255, 205}, kBlue));

    // The widget outlives the window it was placed over: it only leaves it.
    ShowWindow(host, SW_SHOW);
    DestroyWindow(top);
    EXPECT_EQ(gtk_widget_get_parent(area), nullptr);
    gtk_widget_destroy(area);
    g_object_unref(area);
}

TEST_F(GtkDisplayTest, MonitorsTimersAndClipboardComeFromTheDesktop) {
    GdkWindow* root = gdk_get_default_root_window();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), gdk_window_get_width(root));
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), gdk_window_get_height(root));
    Rect work;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work, (Rect{0, 0, gdk_window_get_width(root), gdk_window_get_height(root)}));  // no panels

    // Timers fire in real time while the loop waits for the desktop.
    HWND w = solid({0, 0, 50, 50}, kBlue);
    uint32_t start = GetTickCount();
    SetTimer(w, 7, 30, nullptr);
    ASSERT_TRUE(runUntil([&] { return messagesOf(w, WM_TIMER).size() >= 3; }));
    EXPECT_GE(GetTickCount() - start, 90u);
    KillTimer(w, 7);

    ASSERT_TRUE(SetClipboardText("连衣裙 \"quoted\""));
    EXPECT_EQ(GetClipboardText(), "连衣裙 \"quoted\"");
}

TEST_F(GtkDisplayTest, ScreenshotOfShapedWindowsAndChineseText) {
    HWND back = solid({40, 40, 520, 300}, RGB(240, 240, 240), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowText(back, "Velmoro 窗口");
    HWND card = solid({80, 110, 360, 260}, RGB(255, 250, 220));
    // Corners cut in steps, as a skin's frame mask makes them.
    HRGN shape = CreateRectRgn(0, 12, 280, 138);
    for (int step = 0; step < 12; step += 4) {
        HRGN band = CreateRectRgn(12 - step, step, 268 + step, 150 - step);
        CombineRgn(shape, shape, band, RGN_OR);
        DeleteObject(band);
    }
    SetWindowRgn(card, shape, true);
    ASSERT_TRUE(showsColor({200, 180}, RGB(255, 250, 220)));
    HDC dc = GetDC(card);
    SetBkMode(dc, TRANSPARENT);
    Rect text{20, 30, 260, 120};
    DrawText(dc, "女装搜索：连衣裙、T恤\nVelmoro on GTK", &text, DT_LEFT);
    ReleaseDC(card, dc);
    runUntil([] { return false; }, 300);
    saveScreenshot("gtk_display");
    (void)back;
}

// A compositing manager announces itself by owning the screen's _NET_WM_CM_S<n> selection (xvfb-run's
// display has one screen, 0). The display composes alpha while one runs, provided one already ran
// when it made its windows' visuals; a manager that stops is seen at once.
TEST(GtkCompositionTest, FollowsTheCompositingManagersSelection) {
    {
        GtkDisplay plain;
        bool enabled = true;
        ASSERT_TRUE(DwmIsCompositionEnabled(&enabled));
        EXPECT_FALSE(enabled);
        EXPECT_FALSE(plain.composesAlpha());
    }
    GtkWidget* manager = gtk_invisible_new();
    gtk_widget_realize(manager);
    GdkAtom selection = gdk_atom_intern_static_string("_NET_WM_CM_S0");
    GdkDisplay* x = gdk_display_get_default();
    ASSERT_TRUE(gdk_selection_owner_set_for_display(x, gtk_widget_get_window(manager), selection,
                                                    GDK_CURRENT_TIME, false));
    // GDK hears of the new owner through an event; the display reads the state when it is made.
    for (int i = 0; i < 500 && !gdk_screen_is_composited(gdk_screen_get_default()); ++i) {
        gdk_display_sync(x);
        g_main_context_iteration(nullptr, false);
        g_usleep(10000);
    }
    {
        GtkDisplay composited;
        auto settles = [](bool composes) {
            for (uint32_t end = GetTickCount() + 5000; int32_t(GetTickCount() - end) < 0;) {
                bool enabled = !composes;
                if (DwmIsCompositionEnabled(&enabled) && enabled == composes)
                    return true;
                PumpMessagesFor(10);
            }
            return false;
        };
        EXPECT_TRUE(settles(true));
        EXPECT_TRUE(composited.hasCompositor());
        gdk_selection_owner_set_for_display(x, nullptr, selection, GDK_CURRENT_TIME, false);
        EXPECT_TRUE(settles(false));
    }
    gtk_widget_destroy(manager);
}

}  // namespace
}  // namespace platform::test
