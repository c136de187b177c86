// Shared fixture of the tests that run on a real X display (under xvfb-run): a GTK display per
// test, a window class whose procedure logs every message and can paint itself in one colour, a
// message loop run in real time until a condition holds, the screen's pixels read back from the X
// server, and real X input sent with xdotool.
#pragma once

#include <gdk/gdk.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/display/gtk/gtk_display.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/pen_brush.h"
#include "platform/window/message_loop.h"
#include "platform/window/painting.h"
#include "platform/window/styles.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

namespace platform::test {

struct Logged {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class DesktopTest : public ::testing::Test {
  protected:
    static constexpr const char* kClass = "VelmoroDesktopTestWindow";

    DesktopTest() {
        static bool registered = [] {
            WNDCLASS c;
            c.style = CS_DBLCLKS;
            c.lpfnWndProc = &Proc;
            c.background = RGB(255, 255, 255);
            c.lpszClassName = kClass;
            return RegisterClass(c) != 0;
        }();
        EXPECT_TRUE(registered);
        log().clear();
        colors().clear();
    }
    ~DesktopTest() override {
        log().clear();
        colors().clear();
    }

    static std::vector<Logged>& log() {
        static std::vector<Logged> entries;
        return entries;
    }
    // Windows that paint their whole client area in one colour.
    static std::map<HWND, COLORREF>& colors() {
        static std::map<HWND, COLORREF> map;
        return map;
    }

    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        log().push_back({hwnd, message, wParam, lParam});
        auto painted = colors().find(hwnd);
        if (message == WM_PAINT && painted != colors().end()) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            HBRUSH brush = CreateSolidBrush(painted->second);
            FillRect(dc, {0, 0, 4000, 4000}, brush);
            DeleteObject(brush);
            EndPaint(hwnd, &ps);
            return 0;
        }
        return DefWindowProc(hwnd, message, wParam, lParam);
    }

    static std::vector<Logged> messagesOf(HWND hwnd, UINT message) {
        std::vector<Logged> out;
        for (const Logged& l : log()) {
            if (l.hwnd == hwnd && l.message == message)
                out.push_back(l);
        }
        return out;
    }

    // A window painted in one colour, shown at once.
    HWND solid(const Rect& r, COLORREF color, DWORD style = WS_POPUP | WS_VISIBLE, DWORD exStyle = 0,
               HWND owner = nullptr) {
        HWND w = CreateWindowEx(exStyle, kClass, "", style & ~WS_VISIBLE, r.Left, r.Top, r.width(),
                                r.height(), owner);
        colors()[w] = color;
        if (style & WS_VISIBLE)
            ShowWindow(w, SW_SHOW);
        return w;
    }
    void repaint(HWND w, COLORREF color) {
        colors()[w] = color;
        InvalidateRect(w, nullptr, true);
    }

    // Runs the message loop in real time until `done` holds, at most `milliseconds`.
    static bool runUntil(const std::function<bool()>& done, uint32_t milliseconds = 5000) {
        uint32_t end = GetTickCount() + milliseconds;
        for (;;) {
            ProcessPendingMessages();
            if (done())
                return true;
            if (int32_t(GetTickCount() - end) >= 0)
                return false;
            PumpMessagesFor(10);
        }
    }

    // The colour the X server shows at a screen point (the primary monitor starts at (0, 0)).
    static COLORREF screenColorAt(Point p) {
        GdkPixbuf* pixel = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), p.X, p.Y, 1, 1);
        if (!pixel)
            return COLORREF(-1);
        const guchar* rgb = gdk_pixbuf_read_pixels(pixel);
        COLORREF c = RGB(rgb[0], rgb[1], rgb[2]);
        g_object_unref(pixel);
        return c;
    }
    bool showsColor(Point p, COLORREF color, uint32_t milliseconds = 5000) {
        return runUntil([&] { return screenColorAt(p) == color; }, milliseconds);
    }

    // Real X input (the XTEST extension), as a user's.
    static void xdotool(const std::string& arguments) {
        std::string command = "xdotool " + arguments;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    // The same while the test goes on pumping: characters without a key of their own are typed by
    // giving a spare key their symbol for a moment, which only a reader that keeps up sees.
    static void xdotoolMeanwhile(const std::string& arguments) {
        std::string command = "xdotool " + arguments + " &";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    // Saves the screen as <build>/screenshots/<name>.png.
    static void saveScreenshot(const std::string& name) {
        const char* dir = std::getenv("VELMORO_BINARY_DIR");
        std::string folder = std::string(dir ? dir : ".") + "/screenshots";
        std::string command =
            "mkdir -p '" + folder + "' && import -window root '" + folder + "/" + name + ".png'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }

    GtkDisplay display;
};

}  // namespace platform::test
