#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/display/headless_display.h"
#include "platform/gfx/dc.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "skin/data/skin_data.h"
#include "skin/render/monitor_area.h"
#include "skin/render/parent_background.h"
#include "skin/render/skin_font.h"
#include "tests/platform/gfx_test_support.h"

namespace skin {
namespace {

using namespace platform;
using platform::test::Canvas;

constexpr COLORREF kParentColor = RGB(10, 200, 30);

// The messages with a canvas each window was sent.
std::vector<std::pair<HWND, UINT>>& PaintLog() {
    static std::vector<std::pair<HWND, UINT>> log;
    return log;
}

// A parent that paints a pattern in its background: one colour, and a marker pixel at (x, y) of
// its client area for every x + y divisible by 7, so an offset shows. Asked to paint its contents
// into a canvas, it adds a blue pixel at (25, 25).
LRESULT PatternProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND || (message == WM_PAINT && wParam)) {
        PaintLog().push_back({hwnd, message});
        HDC dc = reinterpret_cast<HDC>(wParam);
        HBRUSH brush = CreateSolidBrush(message == WM_ERASEBKGND ? kParentColor : RGB(0, 0, 255));
        const Rect box = message == WM_ERASEBKGND ? Rect{0, 0, 200, 150} : Rect{25, 25, 26, 26};
        FillRect(dc, box, brush);
        DeleteObject(brush);
        for (int32_t y = 0; y < 150; ++y)
            for (int32_t x = 0; x < 200; ++x)
                if (message == WM_ERASEBKGND && (x + y) % 7 == 0)
                    SetPixel(dc, x, y, RGB(0, 0, 0));
        return 1;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

class ParentBackgroundTest : public ::testing::Test {
  protected:
    ParentBackgroundTest() {
        static const bool registered = [] {
            WNDCLASS c;
            c.lpfnWndProc = PatternProc;
            c.lpszClassName = "VelmoroPatternParent";
            return RegisterClass(c) != 0;
        }();
        (void)registered;
        top = CreateWindowEx(0, "VelmoroPatternParent", "", WS_POPUP, 0, 0, 200, 150);
        PaintLog().clear();
        control = CreateWindowEx(0, "VelmoroPatternParent", "", WS_CHILD | WS_VISIBLE, 30, 40, 40, 30, top);
    }
    ~ParentBackgroundTest() override { DestroyWindow(top); }

    // Whether the canvas pixel (x, y) shows the parent's pattern at parent point (px, py).
    static bool ShowsPattern(const Canvas& c, int32_t x, int32_t y, int32_t px, int32_t py) {
        return c.at(x, y) == ((px + py) % 7 == 0 ? RGB(0, 0, 0) : kParentColor);
    }

    HeadlessDisplay display;
    HWND top = nullptr;
    HWND control = nullptr;
};

TEST_F(ParentBackgroundTest, CanvasShowsTheParentBehindTheControl) {
    Canvas c(40, 30);
    SetWindowOrgEx(c.dc(), 0, 0, nullptr);
    PaintParentBackground(control, c.dc());
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x) ASSERT_TRUE(ShowsPattern(c, x, y, 30 + x, 40 + y)) << x << "," << y;
    Point origin;
    GetWindowOrgEx(c.dc(), &origin);
    EXPECT_EQ(origin, (Point{0, 0}));  // the canvas state is restored
    // A top-level parent only erases; it is not asked for its contents.
    EXPECT_EQ(PaintLog(), (std::vector<std::pair<HWND, UINT>>{{top, WM_ERASEBKGND}}));
}

TEST_F(ParentBackgroundTest, PartShiftsTheBackgroundToTheCanvasOrigin) {
    Canvas c(10, 10);
    PaintParentBackgroundPart(control, {5, 6, 15, 16}, c.dc());
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 10; ++x) ASSERT_TRUE(ShowsPattern(c, x, y, 35 + x, 46 + y)) << x << "," << y;
}

TEST_F(ParentBackgroundTest, ChildParentAlsoPaintsItsContents) {
    const HWND inner =
        CreateWindowEx(0, "VelmoroPatternParent", "", WS_CHILD | WS_VISIBLE, 20, 20, 30, 30, control);
    Canvas c(30, 30);
    PaintParentBackground(inner, c.dc());
    // A parent that is a child window erases and then paints its contents into the canvas.
    EXPECT_EQ(PaintLog(),
              (std::vector<std::pair<HWND, UINT>>{{control, WM_ERASEBKGND}, {control, WM_PAINT}}));
    EXPECT_EQ(c.at(5, 5), RGB(0, 0, 255));
    // The middle parent's client area is 40 x 30, so from (20, 20) only 20 x 10 of it lies behind.
    EXPECT_TRUE(ShowsPattern(c, 0, 0, 20, 20));
    EXPECT_TRUE(ShowsPattern(c, 19, 9, 39, 29));
    EXPECT_EQ(c.at(20, 5), RGB(255, 255, 255));
    EXPECT_EQ(c.at(5, 10), RGB(255, 255, 255));
}

TEST_F(ParentBackgroundTest, HooksPaintInsteadAndWindowlessChildrenFollow) {
    std::vector<std::string> log;
    ParentBackgroundHooks hooks;
    hooks.paintBackground = [&](HDC dc) {
        log.push_back("background");
        HBRUSH b = CreateSolidBrush(RGB(1, 2, 3));
        FillRect(dc, {0, 0, 200, 150}, b);
        DeleteObject(b);
    };
    hooks.setPaintingCopy = [&](bool on) { log.push_back(on ? "parent copying" : "parent done"); };
    hooks.windowlessChildrenBefore = [&](HWND c) {
        EXPECT_EQ(c, control);
        auto paint = [&](COLORREF color) {
            return [color](HDC dc) {
                HBRUSH b = CreateSolidBrush(color);
                FillRect(dc, {0, 0, 1000, 1000}, b);  // clipped to the child's own bounds
                DeleteObject(b);
            };
        };
        return std::vector<WindowlessChild>{
            {{25, 35, 35, 45},
             true,
             paint(RGB(200, 0, 0)),
             [&](bool on) { log.push_back(on ? "a on" : "a off"); }},
            {{0, 0, 10, 10}, true, paint(RGB(0, 200, 0)), {}},     // does not overlap the control
            {{60, 60, 80, 80}, false, paint(RGB(0, 0, 200)), {}},  // hidden
        };
    };
    SetParentBackgroundHooks(top, hooks);
    Canvas c(40, 30);
    PaintParentBackground(control, c.dc());
    RemoveParentBackgroundHooks(top);
    EXPECT_EQ(log,
              (std::vector<std::string>{"parent copying", "background", "parent done", "a on", "a off"}));
    EXPECT_EQ(c.at(0, 0), RGB(200, 0, 0));  // child a covers (30, 40) .. (35, 45) of the parent
    EXPECT_EQ(c.at(4, 4), RGB(200, 0, 0));
    EXPECT_EQ(c.at(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(c.inkBounds(RGB(1, 2, 3)), (Rect{0, 0, 5, 5}));
}

TEST_F(ParentBackgroundTest, PaintingCopyFlagIsClearedWhenPaintingFails) {
    bool copying = false;
    ParentBackgroundHooks hooks;
    hooks.paintBackground = [](HDC) { throw std::runtime_error("broken painter"); };
    hooks.setPaintingCopy = [&](bool on) { copying = on; };
    SetParentBackgroundHooks(top, hooks);
    Canvas c(40, 30);
    EXPECT_THROW(PaintParentBackground(control, c.dc()), std::runtime_error);
    RemoveParentBackgroundHooks(top);
    EXPECT_FALSE(copying);
    EXPECT_EQ(SaveDC(c.dc()), 1);  // no state left saved
}

TEST_F(ParentBackgroundTest, TopLevelControlHasNoParentBackground) {
    Canvas c(10, 10);
    PaintParentBackground(top, c.dc());
    EXPECT_EQ(c.inkBounds(RGB(255, 255, 255)), Rect{});
}

TEST(MonitorAreaOfTest, NearestMonitorOrTheSystemArea) {
    HeadlessDisplay display;
    const HWND w = CreateWindowEx(0, "VelmoroPatternParent", "", WS_POPUP, 1200, 100, 100, 100);
    Rect r;
    MonitorAreaOf(w, true, r);
    EXPECT_EQ(r, (Rect{0, 0, 1024, 768 - HeadlessDisplay::kTaskbarHeight}));
    MonitorAreaOf(w, false, r);
    EXPECT_EQ(r, (Rect{0, 0, 1024, 768}));
    display.setMonitors({MonitorConfig{{0, 0, 1024, 768}, {0, 0, 1024, 738}, true},
                         MonitorConfig{{1024, 0, 2304, 1024}, {1024, 0, 2304, 1000}, false}});
    MonitorAreaOf(w, true, r);
    EXPECT_EQ(r, (Rect{1024, 0, 2304, 1000}));
    MonitorAreaOf(w, false, r);
    EXPECT_EQ(r, (Rect{1024, 0, 2304, 1024}));
    DestroyWindow(w);
}

TEST(ApplySkinFontTest, RecordOrDefaultWithTheResourceStringsCharacterSet) {
    LOGFONT fallback;
    fallback.lfFaceName = "Tahoma";
    fallback.lfHeight = -11;
    fallback.lfCharSet = ANSI_CHARSET;
    const SkinFontKeys record{"Arial", 14, {true, false, false, false}};
    struct Case {
        const char* name;
        const SkinFontKeys* record;
        bool useSkinFont;
        bool strings;
        std::string face;
        int32_t height;
        uint8_t charSet;
    };
    const Case cases[] = {
        {"skin font", &record, true, false, "Arial", 14, ANSI_CHARSET},
        {"skin font off", &record, false, false, "Tahoma", -11, ANSI_CHARSET},
        {"no record", nullptr, true, false, "Tahoma", -11, ANSI_CHARSET},
        {"resource strings give the character set", &record, true, true, "Arial", 14, GB2312_CHARSET},
        {"also for the default font", nullptr, true, true, "Tahoma", -11, GB2312_CHARSET},
    };
    TbsSkinData data(nullptr);
    TbsResourceStrData strings(nullptr);
    strings.SetCharSet(GB2312_CHARSET);
    for (const Case& c : cases) {
        data.SetResourceStrData(c.strings ? &strings : nullptr);
        const LOGFONT f = ApplySkinFont(c.record, c.useSkinFont, fallback, &data);
        EXPECT_EQ(f.lfFaceName, c.face) << c.name;
        EXPECT_EQ(f.lfHeight, c.height) << c.name;
        EXPECT_EQ(f.lfCharSet, c.charSet) << c.name;
        EXPECT_EQ(f.lfWeight, c.record && c.useSkinFont ? FW_BOLD : FW_NORMAL) << c.name;
    }
    data.SetResourceStrData(nullptr);
}

}  // namespace
}  // namespace skin
