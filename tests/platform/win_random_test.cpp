// Random sequences of window calls, with live, destroyed and invented handles and coordinates far
// out of range, against the invariants the rest of the system relies on: the tree is consistent,
// the display shows exactly the live top-level windows in the window system's z-order, owned
// windows stay above their owners, and focus, activation and capture name live windows.
#include <random>

#include "platform/gfx/region.h"
#include "tests/platform/win_test_support.h"

namespace platform::test {
namespace {

class WinRandomTest : public WindowTest {
  protected:
    std::mt19937 random{1};
    std::vector<HWND> handles;  // live, destroyed and invented ones alike

    int32_t coordinate() {
        switch (random() % 4) {
            case 0:
                return int32_t(random() % 400);
            case 1:
                return -int32_t(random() % 400);
            case 2:
                return int32_t(random());  // anything at all
            default:
                return int32_t(random() % 20);
        }
    }
    HWND anyHandle() {
        if (handles.empty() || random() % 10 == 0)
            return reinterpret_cast<HWND>(uintptr_t(random() % 0x20000));
        return handles[random() % handles.size()];
    }
    Point anyPoint() { return {int32_t(random() % 600) - 50, int32_t(random() % 600) - 50}; }

    void step() {
        HWND h = anyHandle();
        switch (random() % 16) {
            case 0:
                handles.push_back(CreateWindowEx(random() % 3 == 0 ? WS_EX_TOPMOST : 0, kClass, "",
                                                 WS_OVERLAPPEDWINDOW | (random() % 2 ? WS_VISIBLE : 0),
                                                 coordinate(), coordinate(), coordinate(), coordinate(),
                                                 random() % 2 ? h : nullptr));
                break;
            case 1:
                handles.push_back(CreateWindowEx(0, kClass, "",
                                                 WS_CHILD | WS_VISIBLE | (random() % 2 ? WS_CLIPSIBLINGS : 0),
                                                 coordinate(), coordinate(), coordinate(), coordinate(), h));
                break;
            case 2:
                DestroyWindow(h);
                break;
            case 3:
                SetWindowPos(h, anyHandle(), coordinate(), coordinate(), coordinate(), coordinate(),
                             UINT(random() % 0x100));
                break;
            case 4:
                ShowWindow(h, int(random() % 10));
                break;
            case 5:
                SetFocus(h);
                break;
            case 6:
                SetCapture(h);
                break;
            case 7:
                ReleaseCapture();
                break;
            case 8:
                SetWindowRgn(h, random() % 3 ? CreateRectRgn(0, 0, coordinate(), coordinate()) : nullptr,
                             random() % 2);
                break;
            case 9:
                display.click(anyPoint(), random() % 2 ? MouseButton::Left : MouseButton::Right);
                break;
            case 10:
                display.drag(anyPoint(), anyPoint(), 2);
                break;
            case 11:
                display.typeKey(int(random() % 0x80));
                break;
            case 12:
                EnableWindow(h, random() % 2);
                break;
            case 13:
                InvalidateRect(h, nullptr, true);
                break;
            case 14:
                SendMessage(h, WM_SYSCOMMAND, 0xF000 + 0x10 * (random() % 0x13), 0);
                break;
            default:
                settle();
                break;
        }
    }

    void checkInvariants() {
        std::vector<HWND> live;
        for (HWND h : handles) {
            if (IsWindow(h))
                live.push_back(h);
        }
        std::vector<HWND> tops;
        for (HWND t = GetTopWindow(nullptr); t; t = GetWindow(t, GW_HWNDNEXT)) tops.push_back(t);
        ASSERT_EQ(display.stacking(), tops);
        for (HWND h : live) {
            HWND parent = GetAncestor(h, GA_PARENT);
            if (parent) {
                ASSERT_TRUE(IsWindow(parent));
                bool listed = false;
                for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) listed |= c == h;
                ASSERT_TRUE(listed);
            } else {
                ASSERT_NE(display.stateOf(h), nullptr);
                HWND owner = GetWindow(h, GW_OWNER);
                if (owner && (GetWindowLongPtr(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) ==
                                 (GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
                    auto at = [&](HWND w) { return std::find(tops.begin(), tops.end(), w) - tops.begin(); };
                    ASSERT_LT(at(h), at(owner));
                }
            }
        }
        for (HWND special : {GetFocus(), GetActiveWindow(), GetCapture()}) {
            if (special) {
                ASSERT_TRUE(IsWindow(special));
            }
        }
        if (GetFocus()) {
            ASSERT_EQ(GetAncestor(GetFocus(), GA_ROOT), GetActiveWindow());
        }
    }
};

TEST_F(WinRandomTest, CallSequencesKeepTheInvariants) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        random.seed(seed);
        for (int i = 0; i < 300; ++i) {
            step();
            ASSERT_NO_FATAL_FAILURE(checkInvariants()) << "after step " << i;
        }
        settle();
        for (HWND h : handles) DestroyWindow(h);
        handles.clear();
        settle();
        ASSERT_EQ(GetTopWindow(nullptr), nullptr);
    }
}

}  // namespace
}  // namespace platform::test
