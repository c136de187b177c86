// Mouse and keyboard: hit testing, client and non-client messages, double-clicks, capture, mouse
// activation, focus and activation, keys, text and the input method, mouse leave.
#include <gmock/gmock.h>

#include "platform/gfx/region.h"
#include "platform/window/ime.h"
#include "platform/window/keys.h"
#include "platform/window/layered.h"
#include "tests/platform/win_test_support.h"

namespace platform::test {
namespace {

using ::testing::ElementsAre;

class InputTest : public WindowTest {
  protected:
    HWND pressedOn(Point screen) {
        log().clear();
        display.click(screen);
        settle();
        for (const Logged& l : log()) {
            if (l.message == WM_LBUTTONDOWN || l.message == WM_NCLBUTTONDOWN)
                return l.hwnd;
        }
        return nullptr;
    }
};

// Below: a window covering (0, 0)-(200, 200); above it windows that let points through in the
// platform's ways.
TEST_F(InputTest, PointsGoThroughShapesTransparentWindowsAndHTTRANSPARENT) {
    HWND below = createPopup({0, 0, 200, 200}, WS_EX_NOACTIVATE);  // clicks do not raise it
    HWND shaped = createPopup({0, 0, 100, 100});
    SetWindowRgn(shaped, CreateRectRgn(0, 0, 50, 50), false);
    HWND glow = createPopup({100, 0, 200, 100}, WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST);
    SetLayeredWindowAttributes(glow, 0, 128, LWA_ALPHA);
    HWND invisibleToHits = createPopup({0, 100, 100, 200});
    on(invisibleToHits, WM_NCHITTEST, [](HWND, WPARAM, LPARAM) { return Answer(HTTRANSPARENT); });
    HWND parent = createPopup({100, 100, 200, 200});
    HWND disabledChild = createChild(parent, {0, 0, 50, 50}, WS_CHILD | WS_VISIBLE | WS_DISABLED);
    HWND seeThroughChild = createChild(parent, {50, 50, 100, 100});
    on(seeThroughChild, WM_NCHITTEST, [](HWND, WPARAM, LPARAM) { return Answer(HTTRANSPARENT); });
    settle();

    struct Case {
        Point point;
        HWND expected;
    };
    for (const Case& c :
         {Case{{10, 10}, shaped}, Case{{70, 70}, below}, Case{{150, 50}, below}, Case{{50, 150}, below},
          Case{{110, 110}, parent}, Case{{170, 170}, parent}, Case{{300, 300}, nullptr}}) {
        SCOPED_TRACE(testing::Message() << c.point.X << "," << c.point.Y);
        EXPECT_EQ(WindowFromPoint(c.point), c.expected);
        if (c.expected) {
            EXPECT_EQ(pressedOn(c.point), c.expected);
        }
    }
    (void)disabledChild;
    EXPECT_EQ(ChildWindowFromPoint(parent, {10, 10}), disabledChild);  // the unrestricted search
}

TEST_F(InputTest, ButtonPressSequenceOnAnInactiveWindowsFrame) {
    HWND active = createTop({500, 0, 700, 200});
    HWND w = createPopup({0, 0, 200, 200});
    SetActiveWindow(active);
    on(w, WM_NCHITTEST, [](HWND, WPARAM, LPARAM) { return Answer(HTOBJECT); });
    settle();
    log().clear();
    display.click({20, 30});
    settle();
    EXPECT_THAT(
        messagesOf(w, {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_NCLBUTTONDOWN,
                       WM_NCLBUTTONUP}),
        ElementsAre(WM_NCHITTEST, WM_SETCURSOR,  // the move
                    WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_NCACTIVATE, WM_NCLBUTTONDOWN,  // press
                    WM_NCHITTEST, WM_SETCURSOR, WM_NCLBUTTONUP));                                   // release
    for (const Logged& l : log()) {
        if (l.message == WM_NCLBUTTONDOWN) {
            EXPECT_EQ(l.wParam, WPARAM(HTOBJECT));
            EXPECT_EQ(PointFromLParam(l.lParam), (Point{20, 30}));  // screen coordinates
        }
    }
    EXPECT_EQ(GetActiveWindow(), w);
}

TEST_F(InputTest, ClientMessagesCarryClientCoordinatesAndKeys) {
    HWND w = createPopup({100, 100, 300, 300});
    settle();
    display.moveMouse({150, 160});
    display.pressKey(VK_SHIFT);
    display.pressButton();
    log().clear();
    settle();
    bool seen = false;
    for (const Logged& l : log()) {
        if (l.hwnd == w && l.message == WM_LBUTTONDOWN) {
            seen = true;
            EXPECT_EQ(PointFromLParam(l.lParam), (Point{50, 60}));
            EXPECT_EQ(l.wParam, MK_LBUTTON | MK_SHIFT);
        }
    }
    EXPECT_TRUE(seen);
    Point cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor, (Point{150, 160}));
    EXPECT_EQ(GetMessagePos(), (Point{150, 160}));
}

TEST_F(InputTest, DoubleClicksByTimeDistanceAndClassStyle) {
    struct Case {
        const char* name;
        const char* className;
        uint32_t pause;
        Point second;
        bool doubleClick;
    };
    for (const Case& c :
         {Case{"quick and close", kClass, 100, {52, 51}, true},
          Case{"too slow", kClass, 501, {50, 50}, false}, Case{"too far", kClass, 0, {53, 50}, false},
          Case{"class without CS_DBLCLKS", kClassNoDoubleClicks, 0, {50, 50}, false}}) {
        SCOPED_TRACE(c.name);
        HWND w = createTop({0, 0, 200, 200}, WS_POPUP | WS_VISIBLE, 0, nullptr, "", c.className);
        settle();
        log().clear();
        display.click({50, 50});
        settle();
        display.advanceClock(c.pause);
        display.click(c.second);
        settle();
        UINT second = c.doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN;
        EXPECT_THAT(messagesOf(w, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
                    ElementsAre(WM_LBUTTONDOWN, WM_LBUTTONUP, second, WM_LBUTTONUP));
        DestroyWindow(w);
        display.advanceClock(1000);
    }
    // Non-client double-clicks need no class style.
    HWND w = createTop({0, 0, 200, 200}, WS_POPUP | WS_VISIBLE, 0, nullptr, "", kClassNoDoubleClicks);
    on(w, WM_NCHITTEST, [](HWND, WPARAM, LPARAM) { return Answer(HTOBJECT); });
    settle();
    log().clear();
    display.doubleClick({10, 10});
    settle();
    EXPECT_EQ(countOf(w, WM_NCLBUTTONDBLCLK), 1);
}

TEST_F(InputTest, CaptureSendsEveryMouseMessageToTheCapturingWindowAsClientMessages) {
    HWND top = createPopup({100, 100, 400, 400});
    HWND button = createChild(top, {10, 10, 50, 50});
    HWND elsewhere = createPopup({600, 100, 700, 200});
    settle();
    EXPECT_EQ(SetCapture(button), nullptr);
    EXPECT_EQ(GetCapture(), button);
    EXPECT_EQ(display.pointerGrab(), top);
    log().clear();
    display.moveMouse({650, 150});  // over another window
    display.releaseButton();
    settle();
    EXPECT_EQ(countOf(elsewhere, WM_MOUSEMOVE) + countOf(elsewhere, WM_NCHITTEST), 0);
    std::vector<Point> points;
    for (const Logged& l : log()) {
        if (l.hwnd == button && (l.message == WM_MOUSEMOVE || l.message == WM_LBUTTONUP)) {
            points.push_back(PointFromLParam(l.lParam));
        }
    }
    EXPECT_THAT(points, ElementsAre(Point{540, 40}, Point{540, 40}));

    log().clear();
    EXPECT_EQ(SetCapture(top), button);
    EXPECT_EQ(countOf(button, WM_CAPTURECHANGED), 1);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(countOf(top, WM_CAPTURECHANGED), 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(display.pointerGrab(), nullptr);

    SetCapture(button);
    DestroyWindow(button);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(display.pointerGrab(), nullptr);
}

TEST_F(InputTest, MouseActivationAnswersDecideActivationAndDelivery) {
    struct Case {
        LRESULT answer;
        bool activates;
        bool delivered;
    };
    for (const Case& c : {Case{MA_ACTIVATE, true, true}, Case{MA_NOACTIVATE, false, true},
                          Case{MA_ACTIVATEANDEAT, true, false}, Case{MA_NOACTIVATEANDEAT, false, false}}) {
        SCOPED_TRACE(c.answer);
        HWND main = createTop({400, 0, 700, 300});
        HWND popup = createPopup({0, 0, 100, 100}, WS_EX_TOOLWINDOW, main);
        SetActiveWindow(main);
        settle();
        on(popup, WM_MOUSEACTIVATE, [c](HWND, WPARAM, LPARAM) { return Answer(c.answer); });
        log().clear();
        display.click({50, 50});
        settle();
        EXPECT_EQ(GetActiveWindow() == popup, c.activates);
        EXPECT_EQ(countOf(popup, WM_LBUTTONDOWN) == 1, c.delivered);
        DestroyWindow(main);
    }
    // A window that never activates is not asked to.
    HWND main = createTop({400, 0, 700, 300});
    HWND glow = createPopup({0, 0, 100, 100}, WS_EX_NOACTIVATE);
    SetActiveWindow(main);
    display.click({50, 50});
    settle();
    EXPECT_EQ(GetActiveWindow(), main);
    (void)glow;
}

TEST_F(InputTest, ClickingAnotherWindowMovesActivationAndFocus) {
    HWND a = createTop({0, 0, 200, 200});
    HWND b = createTop({300, 0, 500, 200});
    HWND bChild = createChild(b, {0, 0, 50, 50});
    SetActiveWindow(a);
    settle();
    ASSERT_EQ(GetFocus(), a);
    log().clear();
    display.click({350, 50});
    settle();
    std::vector<std::pair<HWND, UINT>> expected = {{a, WM_NCACTIVATE}, {a, WM_ACTIVATE},  {b, WM_NCACTIVATE},
                                                   {b, WM_ACTIVATE},   {a, WM_KILLFOCUS}, {b, WM_SETFOCUS}};
    EXPECT_EQ(sequence({WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS}), expected);
    for (const Logged& l : log()) {
        if (l.message == WM_ACTIVATE && l.hwnd == b) {
            EXPECT_EQ(LOWORD(l.wParam), WA_CLICKACTIVE);
        }
    }
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), b);
    // Focusing a window of an inactive top-level window activates it first.
    EXPECT_EQ(SetFocus(a), b);
    EXPECT_EQ(GetActiveWindow(), a);
    SetFocus(bChild);
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), bChild);
}

TEST_F(InputTest, TheApplicationLosesAndRegainsActivation) {
    HWND a = createTop({0, 0, 200, 200});
    HWND b = createPopup({300, 0, 400, 100});
    SetActiveWindow(a);
    settle();
    log().clear();
    display.setApplicationFocus(false);
    settle();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    for (HWND w : {a, b}) EXPECT_EQ(countOf(w, WM_ACTIVATEAPP), 1);
    display.setApplicationFocus(true);
    settle();
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetForegroundWindow(), a);
    EXPECT_EQ(countOf(b, WM_ACTIVATEAPP), 2);
}

TEST_F(InputTest, KeysGoToTheFocusAndTranslateIntoCharacters) {
    HWND top = createTop({0, 0, 200, 200});
    HWND edit = createChild(top, {0, 0, 100, 20});
    SetFocus(edit);
    int16_t stateDuringKey = 0;
    on(edit, WM_KEYDOWN, [&](HWND, WPARAM vk, LPARAM) {
        if (vk == 'A')
            stateDuringKey = GetKeyState('A');
        return std::optional<LRESULT>();
    });
    settle();
    log().clear();
    display.typeKey('A');
    display.pressKey(VK_SHIFT);
    display.typeKey('B');
    display.releaseKey(VK_SHIFT);
    display.typeKey(VK_RETURN);
    settle();
    std::vector<WPARAM> chars;
    for (const Logged& l : log()) {
        if (l.hwnd == edit && l.message == WM_CHAR)
            chars.push_back(l.wParam);
    }
    EXPECT_THAT(chars, ElementsAre(WPARAM('a'), WPARAM('B'), WPARAM('\r')));
    EXPECT_LT(stateDuringKey, 0);
    EXPECT_GE(GetKeyState('A'), 0);  // up again (the low bit toggles with every press)
    EXPECT_EQ(countOf(top, WM_KEYDOWN), 0);
}

TEST_F(InputTest, AltMakesSystemKeysAndAltF4Closes) {
    HWND top = createTop({0, 0, 200, 200});
    SetFocus(top);
    settle();
    log().clear();
    display.pressKey(VK_MENU);
    display.typeKey(VK_SPACE);
    display.releaseKey(VK_MENU);
    settle();
    EXPECT_THAT(
        messagesOf(top, {WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR, WM_SYSCOMMAND}),
        ElementsAre(WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSCOMMAND, WM_SYSKEYUP, WM_SYSKEYUP));
    for (const Logged& l : log()) {
        if (l.message == WM_SYSKEYDOWN) {
            EXPECT_TRUE(l.lParam & (LPARAM(1) << 29));
        }
        if (l.message == WM_SYSCOMMAND) {
            EXPECT_EQ(SysCommandOf(l.wParam), SC_KEYMENU);
        }
    }
    display.pressKey(VK_MENU);
    display.typeKey(VK_F4);
    display.releaseKey(VK_MENU);
    settle();
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(InputTest, KeysWithoutAFocusGoToTheActiveWindowAsSystemKeys) {
    HWND top = createTop({0, 0, 200, 200});
    settle();
    SetFocus(nullptr);
    log().clear();
    display.typeKey('Q');
    settle();
    EXPECT_THAT(messagesOf(top, {WM_KEYDOWN, WM_SYSKEYDOWN, WM_SYSKEYUP}),
                ElementsAre(WM_SYSKEYDOWN, WM_SYSKEYUP));
}

TEST_F(InputTest, CommittedTextAndTheComposition) {
    HWND top = createTop({0, 0, 300, 200});
    HWND edit = createChild(top, {10, 10, 110, 30});
    SetFocus(edit);
    EXPECT_TRUE(ImeSetEnabled(edit, true));
    EXPECT_EQ(display.imeWindow(), edit);
    EXPECT_TRUE(display.imeEnabled());
    ImeSetCaret(edit, {5, 2, 6, 18});
    Point origin{0, 0};
    ClientToScreen(edit, &origin);
    EXPECT_EQ(display.imeCaretRect(), rectOfSize(origin.X + 5, origin.Y + 2, 1, 16));

    std::string preedit;
    int32_t cursor = -1;
    on(edit, WM_IME_COMPOSITION, [&](HWND self, WPARAM, LPARAM) {
        ImeGetComposition(self, &preedit, &cursor);
        return std::optional<LRESULT>(0);
    });
    settle();
    log().clear();
    display.startComposition();
    display.changeComposition("ni hao", 99);
    display.endComposition();
    display.commitText("你好");
    settle();
    EXPECT_EQ(preedit, "ni hao");
    EXPECT_EQ(cursor, 6);  // kept inside the text
    EXPECT_THAT(
        messagesOf(edit, {WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_CHAR}),
        ElementsAre(WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION, WM_IME_ENDCOMPOSITION, WM_CHAR, WM_CHAR));
    std::vector<WPARAM> chars;
    for (const Logged& l : log()) {
        if (l.message == WM_CHAR)
            chars.push_back(l.wParam);
    }
    EXPECT_THAT(chars, ElementsAre(0x4F60u, 0x597Du));
    EXPECT_FALSE(ImeGetComposition(edit, &preedit, &cursor));
    // Committed bytes that are no UTF-8 arrive as U+FFFD, one for each ill-formed piece.
    log().clear();
    display.commitText(
        "a\xE9\xE8\xA3"
        "b");
    settle();
    chars.clear();
    for (const Logged& l : log()) {
        if (l.message == WM_CHAR)
            chars.push_back(l.wParam);
    }
    EXPECT_THAT(chars, ElementsAre(WPARAM('a'), 0xFFFDu, 0xFFFDu, WPARAM('b')));

    SetFocus(top);
    EXPECT_EQ(display.imeWindow(), top);
    EXPECT_FALSE(display.imeEnabled());
}

TEST_F(InputTest, MouseLeaveIsPostedOnceWhenThePointerLeavesTheTrackedPart) {
    HWND top = createTop({0, 0, 300, 300});
    HWND child = createChild(top, {10, 10, 60, 60});
    settle();
    display.moveMouse({100, 100});
    display.moveMouse({30, 50});
    settle();
    TRACKMOUSEEVENT track{TME_LEAVE, child, 0};
    ASSERT_TRUE(TrackMouseEvent(&track));
    TRACKMOUSEEVENT query{TME_QUERY, nullptr, 0};
    TrackMouseEvent(&query);
    EXPECT_EQ(query.hwndTrack, child);
    log().clear();
    display.moveMouse({40, 50});
    display.moveMouse({200, 200});
    display.moveMouse({30, 50});
    display.moveMouse({200, 200});
    settle();
    EXPECT_EQ(countOf(child, WM_MOUSELEAVE), 1);

    // Tracking a window the pointer is not over reports the leave at once.
    TRACKMOUSEEVENT away{TME_LEAVE, child, 0};
    TrackMouseEvent(&away);
    settle();
    EXPECT_EQ(countOf(child, WM_MOUSELEAVE), 2);

    // The frame is watched on its own: from the caption into the client area is leaving it.
    display.moveMouse({100, 10});
    settle();
    TRACKMOUSEEVENT frame{TME_LEAVE | TME_NONCLIENT, top, 0};
    ASSERT_TRUE(TrackMouseEvent(&frame));
    display.moveMouse({120, 10});
    display.moveMouse({120, 150});
    settle();
    EXPECT_EQ(countOf(top, WM_NCMOUSELEAVE), 1);
    EXPECT_EQ(countOf(top, WM_MOUSELEAVE), 0);
}

TEST_F(InputTest, ChildPressesNotifyTheParentsAndWheelsClimbToThem) {
    HWND top = createPopup({0, 0, 300, 300});
    HWND child = createChild(top, {100, 100, 200, 200}, WS_CHILD | WS_VISIBLE, 5);
    settle();
    log().clear();
    display.click({150, 160});
    settle();
    ASSERT_EQ(countOf(top, WM_PARENTNOTIFY), 1);
    for (const Logged& l : log()) {
        if (l.message == WM_PARENTNOTIFY) {
            EXPECT_EQ(LOWORD(l.wParam), WM_LBUTTONDOWN);
            EXPECT_EQ(PointFromLParam(l.lParam), (Point{150, 160}));
        }
    }
    SetFocus(child);
    log().clear();
    display.turnWheel(-WHEEL_DELTA);
    settle();
    EXPECT_EQ(countOf(child, WM_MOUSEWHEEL), 1);
    EXPECT_EQ(countOf(top, WM_MOUSEWHEEL), 1);  // DefWindowProc of the child passes it on
}

TEST_F(InputTest, TheCursorFollowsTheHitTest) {
    HWND w = createTop({100, 100, 400, 300});
    settle();
    display.moveMouse({101, 200});  // the left sizing border
    settle();
    EXPECT_EQ(display.cursorShape(), CursorShape::SizeWE);
    display.moveMouse({250, 200});
    settle();
    EXPECT_EQ(display.cursorShape(), CursorShape::Arrow);
    (void)w;
}

}  // namespace
}  // namespace platform::test
