// Windows: creation and destruction sequences, bad handles, classes, text, the tree and z-order,
// procedure replacement, styles and window regions.
#include <gmock/gmock.h>

#include "platform/gfx/region.h"
#include "tests/platform/win_test_support.h"

namespace platform::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

HWND Invented() {
    return reinterpret_cast<HWND>(uintptr_t(0xDEAD0));
}

class WinWindowTest : public WindowTest {};

TEST_F(WinWindowTest, ChildCreationSendsTheCreationMessagesThenTellsTheParent) {
    HWND parent = createTop({10, 10, 310, 210});
    log().clear();
    HWND child = createChild(parent, {5, 6, 105, 56}, WS_CHILD | WS_VISIBLE, 7);
    ASSERT_NE(child, nullptr);
    EXPECT_THAT(messagesOf(child, {WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
                ElementsAre(WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW));
    ASSERT_EQ(countOf(parent, WM_PARENTNOTIFY), 1);
    for (const Logged& l : log()) {
        if (l.message == WM_PARENTNOTIFY) {
            EXPECT_EQ(LOWORD(l.wParam), WM_CREATE);
            EXPECT_EQ(HIWORD(l.wParam), 7);
        }
    }
    Rect r;
    ASSERT_TRUE(GetWindowRect(child, &r));
    Point origin{0, 0};
    ClientToScreen(parent, &origin);
    EXPECT_EQ(r, rectOfSize(origin.X + 5, origin.Y + 6, 100, 50));
    EXPECT_EQ(GetParent(child), parent);
    EXPECT_EQ(GetWindowLongPtr(child, GWLP_ID), 7);
}

TEST_F(WinWindowTest, RefusedCreationLeavesNoWindow) {
    on(nullptr, WM_NCCREATE, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(0); });
    EXPECT_EQ(createTop({0, 0, 100, 100}), nullptr);
    ASSERT_FALSE(log().empty());
    HWND refused = log().front().hwnd;
    EXPECT_THAT(messagesOf(refused, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}),
                ElementsAre(WM_NCCREATE, WM_NCDESTROY));
    EXPECT_FALSE(IsWindow(refused));

    handlers().clear();
    log().clear();
    on(nullptr, WM_CREATE, [](HWND, WPARAM, LPARAM) { return std::optional<LRESULT>(-1); });
    EXPECT_EQ(createTop({0, 0, 100, 100}), nullptr);
    HWND failed = log().front().hwnd;
    EXPECT_THAT(messagesOf(failed, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}),
                ElementsAre(WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY));
    EXPECT_FALSE(IsWindow(failed));
}

TEST_F(WinWindowTest, CreationNeedsAKnownClassAndALiveParent) {
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(CreateWindowEx(0, kClass, "", WS_CHILD, 0, 0, 10, 10, nullptr), nullptr);
    EXPECT_EQ(CreateWindowEx(0, kClass, "", WS_CHILD, 0, 0, 10, 10, Invented()), nullptr);
    EXPECT_EQ(CreateWindowEx(0, kClass, "", WS_POPUP, 0, 0, 10, 10, Invented()), nullptr);
}

TEST_F(WinWindowTest, NegativeAndHugeSizesAreKeptWithinBounds) {
    HWND small = createPopup({50, 50, 40, 40});  // right and bottom left of the corner: negative size
    Rect r;
    ASSERT_TRUE(GetWindowRect(small, &r));
    EXPECT_EQ(r.width(), 0);
    EXPECT_EQ(r.height(), 0);
    HWND huge = CreateWindowEx(0, kClass, "", WS_POPUP | WS_VISIBLE, -2000000000, 0, 2000000000, 2000000000);
    ASSERT_NE(huge, nullptr);
    ASSERT_TRUE(GetWindowRect(huge, &r));
    EXPECT_LE(r.width(), kMaxSurfaceDimension);
    settle();  // painting a window whose surface was refused must be harmless
    // Regression: a position and a size whose sum leaves 32 bits.
    HWND far = CreateWindowEx(0, kClass, "", WS_OVERLAPPEDWINDOW, 1481677660, 5, 1091895320, 5);
    ASSERT_NE(far, nullptr);
    ASSERT_TRUE(GetWindowRect(far, &r));
    EXPECT_LE(r.width(), kMaxSurfaceDimension);
    EXPECT_TRUE(SetWindowPos(huge, nullptr, 2000000000, -2000000000, -5, 1 << 30, SWP_NOZORDER));
    settle();
}

// Owned windows go first; WM_DESTROY then reaches parents before children, WM_NCDESTROY children
// before parents.
TEST_F(WinWindowTest, DestructionOrder) {
    HWND top = createTop({0, 0, 300, 300});
    HWND first = createChild(top, {0, 0, 50, 50});
    HWND grandchild = createChild(first, {0, 0, 10, 10});
    HWND second = createChild(top, {60, 0, 110, 50});
    HWND owned = createPopup({400, 0, 450, 50}, 0, top);
    log().clear();
    ASSERT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> expected = {
        {owned, WM_DESTROY},      {owned, WM_NCDESTROY}, {top, WM_DESTROY},          {first, WM_DESTROY},
        {grandchild, WM_DESTROY}, {second, WM_DESTROY},  {grandchild, WM_NCDESTROY}, {first, WM_NCDESTROY},
        {second, WM_NCDESTROY},   {top, WM_NCDESTROY},
    };
    EXPECT_EQ(sequence({WM_DESTROY, WM_NCDESTROY}), expected);
    for (HWND h : {top, first, grandchild, second, owned}) EXPECT_FALSE(IsWindow(h));
    EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(WinWindowTest, DestroyingAWindowFromItsOwnDestroyMessageIsHarmless) {
    HWND top = createTop({0, 0, 100, 100});
    HWND child = createChild(top, {0, 0, 10, 10});
    on(child, WM_DESTROY, [top](HWND self, WPARAM, LPARAM) {
        DestroyWindow(self);
        DestroyWindow(top);
        return std::optional<LRESULT>(0);
    });
    EXPECT_TRUE(DestroyWindow(top));
    EXPECT_EQ(countOf(child, WM_NCDESTROY), 1);
    EXPECT_EQ(countOf(top, WM_NCDESTROY), 1);
}

// Every call refuses a handle that was never a window and one that was destroyed.
TEST_F(WinWindowTest, BadHandlesAreRefused) {
    HWND destroyed = createTop({0, 0, 50, 50});
    DestroyWindow(destroyed);
    for (HWND bad : {Invented(), destroyed}) {
        SCOPED_TRACE(reinterpret_cast<uintptr_t>(bad));
        Rect r{1, 2, 3, 4};
        Point p{5, 6};
        PAINTSTRUCT ps;
        EXPECT_FALSE(IsWindow(bad));
        EXPECT_EQ(SendMessage(bad, WM_USER, 1, 2), 0);
        EXPECT_FALSE(PostMessage(bad, WM_USER, 1, 2));
        EXPECT_FALSE(SetWindowPos(bad, nullptr, 0, 0, 10, 10, 0));
        EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
        EXPECT_FALSE(GetWindowRect(bad, &r));
        EXPECT_EQ(r, (Rect{1, 2, 3, 4}));
        EXPECT_FALSE(GetClientRect(bad, &r));
        EXPECT_FALSE(ClientToScreen(bad, &p));
        EXPECT_EQ(p, (Point{5, 6}));
        EXPECT_EQ(GetWindowLongPtr(bad, GWL_STYLE), 0);
        EXPECT_EQ(SetWindowLongPtr(bad, GWLP_USERDATA, 9), 0);
        EXPECT_EQ(SubclassWindow(bad, &Proc), nullptr);
        EXPECT_EQ(GetParent(bad), nullptr);
        EXPECT_EQ(GetWindow(bad, GW_CHILD), nullptr);
        EXPECT_EQ(GetClassName(bad), "");
        EXPECT_EQ(GetWindowText(bad), "");
        EXPECT_FALSE(SetWindowText(bad, "x"));
        EXPECT_FALSE(EnableWindow(bad, false));
        EXPECT_FALSE(InvalidateRect(bad, nullptr, true));
        EXPECT_FALSE(UpdateWindow(bad));
        EXPECT_EQ(GetDC(bad), nullptr);
        EXPECT_EQ(GetWindowDC(bad), nullptr);
        EXPECT_EQ(BeginPaint(bad, &ps), nullptr);
        EXPECT_EQ(SetFocus(bad), nullptr);
        EXPECT_EQ(SetActiveWindow(bad), nullptr);
        EXPECT_EQ(SetCapture(bad), nullptr);
        EXPECT_EQ(SetTimer(bad, 1, 100), 0u);
        EXPECT_FALSE(SetWindowRgn(bad, nullptr, true));
        EXPECT_EQ(CallWindowProc(&Proc, bad, WM_USER, 0, 0), 0);
        EXPECT_EQ(MapWindowPoints(bad, nullptr, &p, 1), 0);
    }
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WinWindowTest, MessagesPostedToAWindowThatIsDestroyedAreDropped) {
    HWND a = createTop({0, 0, 50, 50});
    HWND b = createTop({60, 0, 110, 50});
    PostMessage(a, WM_USER + 1, 0, 0);
    PostMessage(b, WM_USER + 1, 0, 0);
    DestroyWindow(a);
    log().clear();
    settle();
    EXPECT_EQ(countOf(a, WM_USER + 1), 0);
    EXPECT_EQ(countOf(b, WM_USER + 1), 1);
    EXPECT_EQ(SetTimer(b, 3, 50), 3u);
    DestroyWindow(b);
    display.advanceClock(100);
    settle();
    EXPECT_EQ(countOf(b, WM_TIMER), 0);
}

// The skinned frame replaces a form's procedure and passes on what it does not handle.
WNDPROC gPrevious = nullptr;
int gSeenBySubclass = 0;

LRESULT SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ++gSeenBySubclass;
    if (message == WM_NCPAINT)
        return 0;  // consumed: the previous procedure never sees it
    return CallWindowProc(gPrevious, hwnd, message, wParam, lParam);
}

TEST_F(WinWindowTest, ReplacedProcedurePassesUnhandledMessagesToThePreviousExactlyOnce) {
    HWND w = createTop({0, 0, 200, 100});
    settle();
    gSeenBySubclass = 0;
    gPrevious = SubclassWindow(w, &SubclassProc);
    EXPECT_EQ(gPrevious, &Proc);
    EXPECT_EQ(GetWindowLongPtr(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&SubclassProc));
    log().clear();

    SendMessage(w, WM_USER + 5, 1, 2);
    EXPECT_EQ(countOf(w, WM_USER + 5), 1);
    EXPECT_EQ(gSeenBySubclass, 1);
    SendMessage(w, WM_NCPAINT, 1, 0);
    EXPECT_EQ(countOf(w, WM_NCPAINT), 0);
    PostMessage(w, WM_USER + 6, 0, 0);
    settle();
    EXPECT_EQ(countOf(w, WM_USER + 6), 1);

    // Restoring: the subclass sees nothing any more.
    EXPECT_EQ(SubclassWindow(w, gPrevious), &SubclassProc);
    int seen = gSeenBySubclass;
    SendMessage(w, WM_NCPAINT, 1, 0);
    EXPECT_EQ(countOf(w, WM_NCPAINT), 1);
    EXPECT_EQ(gSeenBySubclass, seen);
}

TEST_F(WinWindowTest, SendMessageIsReentrant) {
    HWND w = createTop({0, 0, 100, 100});
    on(w, WM_USER, [](HWND self, WPARAM depth, LPARAM) {
        if (depth == 0)
            return std::optional<LRESULT>(100);
        return std::optional<LRESULT>(SendMessage(self, WM_USER, depth - 1, 0) + 1);
    });
    EXPECT_EQ(SendMessage(w, WM_USER, 10, 0), 110);
    // A runaway recursion is cut off instead of overflowing the stack.
    on(w, WM_USER + 1, [](HWND self, WPARAM, LPARAM) {
        return std::optional<LRESULT>(SendMessage(self, WM_USER + 1, 0, 0));
    });
    EXPECT_EQ(SendMessage(w, WM_USER + 1, 0, 0), 0);
}

TEST_F(WinWindowTest, TextIsUtf8AndCutOnCharacterBoundaries) {
    HWND w = createTop({0, 0, 300, 100}, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, "Velmoro V1.0");
    EXPECT_EQ(GetWindowText(w), "Velmoro V1.0");
    ASSERT_TRUE(SetWindowText(w, "淘宝试衣间"));
    EXPECT_EQ(GetWindowText(w), "淘宝试衣间");
    EXPECT_EQ(GetWindowTextLength(w), 15);
    char buffer[8];
    // Seven bytes fit: two characters of three bytes, not a broken third one.
    EXPECT_EQ(SendMessage(w, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 6);
    EXPECT_STREQ(buffer, "淘宝");
    EXPECT_EQ(display.stateOf(w)->title, "淘宝试衣间");
}

TEST_F(WinWindowTest, ClassesAreFoundByNameWithoutRegardToCase) {
    WNDCLASS c;
    c.lpszClassName = "msctls_updown32";
    RegisterClass(c);  // may exist from an earlier test of this process
    c.lpszClassName = "MSCTLS_UPDOWN32";
    EXPECT_EQ(RegisterClass(c), 0);
    HWND parent = createTop({0, 0, 200, 100});
    HWND updown = CreateWindowEx(0, "Msctls_UpDown32", "", WS_CHILD | WS_VISIBLE, 0, 0, 36, 18, parent);
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(GetClassName(updown), "msctls_updown32");
    char small[6];
    EXPECT_EQ(GetClassName(updown, small, sizeof small), 5);
    EXPECT_STREQ(small, "msctl");
    EXPECT_EQ(FindWindowEx(parent, nullptr, "MSCTLS_UPDOWN32", nullptr), updown);
    EXPECT_FALSE(UnregisterClass("msctls_updown32"));  // a window of it lives
    DestroyWindow(updown);
    EXPECT_TRUE(UnregisterClass("msctls_updown32"));
}

TEST_F(WinWindowTest, WindowLongsAndStyleChangeMessages) {
    HWND w = createPopup({0, 0, 100, 100});
    EXPECT_EQ(SetWindowLongPtr(w, GWLP_USERDATA, 42), 0);
    EXPECT_EQ(GetWindowLongPtr(w, GWLP_USERDATA), 42);
    log().clear();
    DWORD style = DWORD(GetWindowLongPtr(w, GWL_STYLE));
    EXPECT_EQ(DWORD(SetWindowLongPtr(w, GWL_STYLE, style | WS_CLIPCHILDREN)), style);
    EXPECT_EQ(DWORD(GetWindowLongPtr(w, GWL_STYLE)), style | WS_CLIPCHILDREN);
    EXPECT_THAT(messagesOf(w, {WM_STYLECHANGING, WM_STYLECHANGED}),
                ElementsAre(WM_STYLECHANGING, WM_STYLECHANGED));
    // A window stays what it was created as: the child bit does not move.
    SetWindowLongPtr(w, GWL_STYLE, LONG_PTR(style | WS_CHILD));
    EXPECT_FALSE(GetWindowLongPtr(w, GWL_STYLE) & WS_CHILD);
}

TEST_F(WinWindowTest, OwnerAndParentRelations) {
    HWND owner = createTop({0, 0, 300, 300});
    HWND child = createChild(owner, {0, 0, 10, 10});
    HWND popup = createPopup({10, 10, 50, 50}, 0, child);  // the owner is the top-level window
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner);
    EXPECT_EQ(GetAncestor(child, GA_ROOT), owner);
    EXPECT_EQ(GetAncestor(popup, GA_ROOTOWNER), owner);
    EXPECT_TRUE(IsChild(owner, child));
    EXPECT_FALSE(IsChild(owner, popup));
    // No ownership cycles.
    EXPECT_EQ(SetWindowLongPtr(owner, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(popup)), 0);
    EXPECT_EQ(GetWindow(owner, GW_OWNER), nullptr);
}

TEST_F(WinWindowTest, OwnedWindowsStayAboveTheirOwnerAndTopmostWindowsAboveAll) {
    HWND a = createTop({0, 0, 100, 100});
    HWND owned = createPopup({10, 10, 50, 50}, 0, a);
    HWND b = createTop({200, 0, 300, 100});
    HWND topmost = createPopup({0, 0, 20, 20}, WS_EX_TOPMOST);
    EXPECT_EQ(display.stacking(), (std::vector<HWND>{topmost, b, owned, a}));
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(display.stacking(), (std::vector<HWND>{topmost, owned, a, b}));
    SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(display.stacking(), (std::vector<HWND>{b, topmost, owned, a}));
    SetWindowPos(b, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(display.stacking(), (std::vector<HWND>{topmost, b, owned, a}));
    EXPECT_EQ(GetTopWindow(nullptr), topmost);
    EXPECT_EQ(GetWindow(topmost, GW_HWNDNEXT), b);
}

TEST_F(WinWindowTest, ChildZOrder) {
    HWND parent = createTop({0, 0, 300, 300});
    HWND first = createChild(parent, {0, 0, 10, 10});
    HWND second = createChild(parent, {0, 0, 10, 10});
    // New children go below their siblings, so that z-order follows creation order.
    EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), second);
    SetWindowPos(second, first, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
    EXPECT_EQ(GetWindow(second, GW_HWNDLAST), second);
}

TEST_F(WinWindowTest, WindowRegionsBelongToTheWindow) {
    size_t before = LiveGdiObjectCount();
    HWND w = createPopup({0, 0, 100, 100});
    HRGN first = CreateRectRgn(0, 0, 50, 50);
    ASSERT_TRUE(SetWindowRgn(w, first, true));
    EXPECT_EQ(GetObjectType(first), 0u);  // the window took it
    EXPECT_FALSE(DeleteObject(first));    // deleting it again is refused, not a double free
    HRGN second = CreateRectRgn(10, 10, 20, 20);
    ASSERT_TRUE(SetWindowRgn(w, second, false));
    EXPECT_EQ(LiveGdiObjectCount(), before);

    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, copy), SIMPLEREGION);
    Rect box;
    GetRgnBox(copy, &box);
    EXPECT_EQ(box, (Rect{10, 10, 20, 20}));
    ASSERT_TRUE(SetWindowRgn(w, nullptr, true));
    EXPECT_EQ(GetWindowRgn(w, copy), ERROR);

    // A region handle that is not one is refused and nothing changes.
    EXPECT_FALSE(SetWindowRgn(w, reinterpret_cast<HRGN>(uintptr_t(0x1234)), true));
    HRGN kept = CreateRectRgn(0, 0, 5, 5);
    EXPECT_FALSE(SetWindowRgn(Invented(), kept, true));
    EXPECT_EQ(GetObjectType(kept), uint32_t(OBJ_REGION));  // the caller still owns it
    DeleteObject(kept);
    DeleteObject(copy);

    SetWindowRgn(w, CreateRectRgn(0, 0, 1, 1), true);
    DestroyWindow(w);
    EXPECT_EQ(LiveGdiObjectCount(), before);
}

TEST_F(WinWindowTest, DisablingCancelsModesTakesTheFocusAndTells) {
    HWND top = createTop({0, 0, 200, 200});
    HWND child = createChild(top, {0, 0, 50, 50});
    SetFocus(child);
    ASSERT_EQ(GetFocus(), child);
    log().clear();
    EXPECT_FALSE(EnableWindow(top, false));
    EXPECT_THAT(messagesOf(top, {WM_CANCELMODE, WM_ENABLE}), ElementsAre(WM_CANCELMODE, WM_ENABLE));
    EXPECT_EQ(countOf(child, WM_KILLFOCUS), 1);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(top));
    EXPECT_EQ(SetFocus(child), nullptr);  // inside a disabled window
    EXPECT_TRUE(EnableWindow(top, true));
    EXPECT_TRUE(IsWindowEnabled(top));
}

}  // namespace
}  // namespace platform::test
