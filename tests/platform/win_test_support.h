// Shared fixture of the window-system tests: a fresh headless display per test, a window class
// whose procedure logs every message, and per-window handlers a test can install for single
// messages (answering instead of DefWindowProc).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/display/headless_display.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/painting.h"
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

// A handler answers a message itself (returns a value) or lets DefWindowProc have it (nullopt).
using Handler = std::function<std::optional<LRESULT>(HWND, WPARAM, LPARAM)>;

class WindowTest : public ::testing::Test {
  protected:
    static constexpr const char* kClass = "VelmoroTestWindow";
    static constexpr const char* kClassNoDoubleClicks = "VelmoroTestWindowNoDbl";

    WindowTest() {
        static bool registered = [] {
            WNDCLASS c;
            c.style = CS_DBLCLKS;
            c.lpfnWndProc = &Proc;
            c.background = RGB(255, 255, 255);
            c.lpszClassName = kClass;
            RegisterClass(c);
            c.style = 0;
            c.lpszClassName = kClassNoDoubleClicks;
            RegisterClass(c);
            return true;
        }();
        (void)registered;
        log().clear();
        handlers().clear();
    }
    ~WindowTest() override {
        log().clear();
        handlers().clear();
    }

    static std::vector<Logged>& log() {
        static std::vector<Logged> entries;
        return entries;
    }
    static std::map<std::pair<HWND, UINT>, Handler>& handlers() {
        static std::map<std::pair<HWND, UINT>, Handler> map;
        return map;
    }

    static LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        log().push_back({hwnd, message, wParam, lParam});
        auto it = handlers().find({hwnd, message});
        if (it == handlers().end())
            it = handlers().find({nullptr, message});
        if (it != handlers().end()) {
            Handler handler = it->second;  // a copy: the handler may replace itself
            if (std::optional<LRESULT> answer = handler(hwnd, wParam, lParam))
                return *answer;
        }
        return DefWindowProc(hwnd, message, wParam, lParam);
    }

    // What a handler returns to answer a message itself.
    static std::optional<LRESULT> Answer(LRESULT value) { return value; }

    // A null window: every window of the class (for messages that come before the handle is known).
    static void on(HWND hwnd, UINT message, Handler handler) {
        handlers()[{hwnd, message}] = std::move(handler);
    }

    // The messages of `hwnd` among `interesting`, in the order they arrived.
    static std::vector<UINT> messagesOf(HWND hwnd, const std::set<UINT>& interesting) {
        std::vector<UINT> out;
        for (const Logged& l : log()) {
            if (l.hwnd == hwnd && interesting.count(l.message))
                out.push_back(l.message);
        }
        return out;
    }
    // Every logged message among `interesting`, with its window.
    static std::vector<std::pair<HWND, UINT>> sequence(const std::set<UINT>& interesting) {
        std::vector<std::pair<HWND, UINT>> out;
        for (const Logged& l : log()) {
            if (interesting.count(l.message))
                out.emplace_back(l.hwnd, l.message);
        }
        return out;
    }
    static int countOf(HWND hwnd, UINT message) {
        int n = 0;
        for (const Logged& l : log()) n += l.hwnd == hwnd && l.message == message;
        return n;
    }

    HWND createTop(const Rect& r, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, DWORD exStyle = 0,
                   HWND owner = nullptr, const char* title = "", const char* className = kClass) {
        return CreateWindowEx(exStyle, className, title, style, r.Left, r.Top, r.width(), r.height(), owner);
    }
    HWND createPopup(const Rect& r, DWORD exStyle = 0, HWND owner = nullptr) {
        return createTop(r, WS_POPUP | WS_VISIBLE, exStyle, owner);
    }
    HWND createChild(HWND parent, const Rect& r, DWORD style = WS_CHILD | WS_VISIBLE, UINT_PTR id = 0) {
        return CreateWindowEx(0, kClass, "", style, r.Left, r.Top, r.width(), r.height(), parent, id);
    }

    // Everything queued now, including painting and due timers.
    void settle() { ProcessPendingMessages(); }

    HeadlessDisplay display;
};

}  // namespace platform::test
