// The skinned up-down: its buttons' tracking as a table of transitions, auto-repeat on the test
// clock (500 ms, then 100 ms, 50 ms after coming back onto a held button), the limits, the values'
// setters, and both looks (the shipped "hupdown" record, the built-in one, "resizebutton" faces).
#include <gtest/gtest.h>

#include "controls_fixture.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "skin/controls/skin_updown.h"

using namespace framework;
using namespace skin;
using controls_test::ControlsTest;
using platform::Point;
using platform::Rect;

namespace {

// --- The tracking, without a window ---------------------------------------------------------------

TEST(UpDownTracking, TransitionsOfTheButtonsAndTheRepeatTimer) {
    struct Step {
        const char* what;
        std::function<TrackingEffects(UpDownTracking&)> event;
        int active, captured;
        bool hot0, pressed0, hot1;
        uint32_t startTimer;
        bool stopTimer;
        int step, click;
    };
    // Button 0 (increasing) at the right, button 1 at the left, as the scroller has them.
    auto move = [](int x) { return [x](UpDownTracking& t) { return t.Move({x, 5}, true); }; };
    auto press = [](int x) { return [x](UpDownTracking& t) { return t.Press({x, 5}, true); }; };
    auto release = [](UpDownTracking& t) { return t.Release(true); };
    auto tick = [](UpDownTracking& t) { return t.Tick(); };
    const Step steps[] = {
        {"onto the increasing button", move(25), 0, -1, true, false, false, 0, false, 0, -1},
        {"over to the decreasing one", move(5), 1, -1, false, false, true, 0, false, 0, -1},
        {"pressed: no step yet", press(25), 0, 0, true, true, false, 500, false, 0, -1},
        {"first delay over: re-armed", tick, 0, 0, true, true, false, 100, false, 0, -1},
        {"a repeat", tick, 0, 0, true, true, false, 0, false, 1, -1},
        {"off onto the other button", move(5), -1, 0, false, true, false, 0, true, 0, -1},
        {"back on: 50 ms", move(25), 0, 0, true, true, false, 50, false, 0, -1},
        {"released over it: a click", release, 0, -1, true, false, false, 0, true, 1, 0},
        {"pressed again", press(25), 0, 0, true, true, false, 500, false, 0, -1},
        {"off the control", move(60), -1, 0, false, true, false, 0, true, 0, -1},
        {"released outside: nothing", release, -1, -1, false, false, false, 0, true, 0, -1},
        {"pressed once more", press(25), 0, 0, true, true, false, 500, false, 0, -1},
        {"the pointer leaves the control: no more repeats",
         [](UpDownTracking& t) { return t.EnterOrLeave(true, true); }, -1, 0, false, true, false, 0, true, 0,
         -1},
    };
    UpDownTracking t;
    t.buttons[0].rect = {20, 0, 40, 10};
    t.buttons[1].rect = {0, 0, 20, 10};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        const TrackingEffects e = s.event(t);
        EXPECT_EQ(t.active, s.active);
        EXPECT_EQ(t.captured, s.captured);
        EXPECT_EQ(t.buttons[0].hot, s.hot0);
        EXPECT_EQ(t.buttons[0].pressed, s.pressed0);
        EXPECT_EQ(t.buttons[1].hot, s.hot1);
        EXPECT_EQ(e.startTimer, s.startTimer);
        EXPECT_EQ(e.stopTimer, s.stopTimer);
        EXPECT_EQ(e.step, s.step);
        EXPECT_EQ(e.click, s.click);
    }
}

TEST(UpDownTracking, WithoutAnIncrementThereIsNoTimerAndNoStepButStillAClick) {
    UpDownTracking t;
    t.buttons[0].rect = {20, 0, 40, 10};
    t.buttons[1].rect = {0, 0, 20, 10};
    EXPECT_EQ(t.Press({5, 5}, false).startTimer, 0u);
    const TrackingEffects e = t.Release(false);
    EXPECT_EQ(e.step, 0);
    EXPECT_EQ(e.click, 1);
    EXPECT_FALSE(e.stopTimer);
}

// --- The control on the test clock ----------------------------------------------------------------

class UpDowns : public ControlsTest {
  protected:
    UpDowns() {
        upDown = new TbsSkinUpDown(form);
        upDown->SetParent(form);
        upDown->SetBounds(30, 30, 36, 18);
        upDown->OnChange = [this](TObject*) {
            changes.push_back({display.now() - start, upDown->Position()});
        };
        upDown->OnUpButtonClick = [this](TObject*) { clicks.push_back("up"); };
        upDown->OnDownButtonClick = [this](TObject*) { clicks.push_back("down"); };
        Pump();
    }
    Point Centre(int button) {
        const Rect r = upDown->Button(button).rect;
        return At(*upDown, r.Left + r.width() / 2, r.Top + r.height() / 2);
    }
    void Press(int button) {
        display.moveMouse(Centre(button));
        display.pressButton();
        Pump();
        start = display.now();
    }
    void Hold(uint32_t ms) { platform::PumpMessagesFor(ms); }
    void Release() {
        display.releaseButton();
        Pump();
    }

    struct Change {
        uint32_t at;
        int position;
        friend bool operator==(const Change&, const Change&) = default;
    };
    TbsSkinUpDown* upDown;
    uint32_t start = 0;
    std::vector<Change> changes;
    std::vector<std::string> clicks;
};

TEST_F(UpDowns, HoldingTheIncreasingButtonForASecondGivesSix) {
    Press(0);
    EXPECT_EQ(upDown->Position(), 0);  // no step on the press
    Hold(1000);
    Release();
    EXPECT_EQ(upDown->Position(), 6);
    EXPECT_EQ(changes, (std::vector<Change>{{600, 1}, {700, 2}, {800, 3}, {900, 4}, {1000, 5}, {1000, 6}}));
    EXPECT_EQ(clicks, (std::vector<std::string>{"up"}));
}

TEST_F(UpDowns, ComingBackOntoAHeldButtonRepeatsEvery50Or100Milliseconds) {
    upDown->SetPosition(50);
    changes.clear();
    // After the first delay: every 50 ms from coming back.
    Press(1);
    Hold(700);
    display.moveMouse(At(*form, 300, 300));
    Hold(300);
    display.moveMouse(Centre(1));
    Hold(110);
    EXPECT_EQ(changes, (std::vector<Change>{{600, 49}, {700, 48}, {1050, 47}, {1100, 46}}));
    Release();
    // Before it: the first tick only re-arms at 100 ms.
    changes.clear();
    Press(1);
    Hold(200);
    display.moveMouse(At(*form, 300, 300));
    Hold(100);
    display.moveMouse(Centre(1));
    Hold(260);
    EXPECT_EQ(changes, (std::vector<Change>{{450, 44}, {550, 43}}));
    Release();
}

TEST_F(UpDowns, AHeldButtonStopsAtTheLimitAndStillClicks) {
    upDown->SetMax(3);
    Press(0);
    Hold(1000);
    Release();
    EXPECT_EQ(upDown->Position(), 3);
    EXPECT_EQ(clicks, (std::vector<std::string>{"up"}));
    upDown->SetMin(2);
    Press(1);
    Hold(1000);
    Release();
    EXPECT_EQ(upDown->Position(), 2);
    EXPECT_EQ(clicks, (std::vector<std::string>{"up", "down"}));
}

TEST_F(UpDowns, WithoutAnIncrementClicksAreRaisedAndNothingSteps) {
    upDown->SetIncrement(0);
    Press(0);
    Hold(1000);
    Release();
    EXPECT_EQ(upDown->Position(), 0);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(clicks, (std::vector<std::string>{"up"}));
}

TEST_F(UpDowns, ReleasingOutsideThePressedButtonClicksNothing) {
    Press(0);
    display.moveMouse(At(*form, 300, 300));
    Release();
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(upDown->Position(), 0);
    EXPECT_FALSE(upDown->Button(0).hot);
    EXPECT_FALSE(upDown->Button(0).pressed);
}

TEST_F(UpDowns, ValuesOutsideTheLimitsAreIgnoredAndLimitsMoveThePositionSilently) {
    upDown->SetPosition(5);
    upDown->SetPosition(5);
    upDown->SetPosition(101);
    upDown->SetPosition(-1);
    EXPECT_EQ(upDown->Position(), 5);
    EXPECT_EQ(changes.size(), 2u);  // also for the same value
    upDown->SetMax(3);
    EXPECT_EQ(upDown->Position(), 3);
    upDown->SetMin(4);
    EXPECT_EQ(upDown->Position(), 4);
    EXPECT_EQ(changes.size(), 2u);
}

// --- Looks ----------------------------------------------------------------------------------------

TEST_F(UpDowns, TheShippedRecordGivesA36By18ControlWithItsHotAndPressedFaces) {
    upDown->SetBounds(30, 30, 80, 40);
    TbsSkinData* data = ShippedSkin();
    upDown->SetSkinData(data);
    Pump();
    EXPECT_EQ(upDown->BoundsRect(), (Rect{30, 30, 66, 48}));
    EXPECT_EQ(upDown->Button(1).rect, (Rect{0, 0, 18, 18}));
    EXPECT_EQ(upDown->Button(0).rect, (Rect{18, 0, 36, 18}));
    upDown->SetBounds(30, 30, 50, 50);
    EXPECT_EQ(upDown->BoundsRect(), (Rect{30, 30, 66, 48}));
    const platform::Surface& picture = data->ActivePictures()[3].Surface();
    EXPECT_EQ(ScreenPixels(*upDown, {0, 0, 36, 18}), PixelsOf(picture, {142, 171, 178, 189}));
    display.moveMouse(Centre(0));
    Pump();
    EXPECT_EQ(ScreenPixels(*upDown, {18, 0, 36, 18}), PixelsOf(picture, {180, 171, 198, 189}));
    display.moveMouse(Centre(1));
    Pump();
    EXPECT_EQ(ScreenPixels(*upDown, {0, 0, 18, 18}), PixelsOf(picture, {142, 131, 160, 149}));
    EXPECT_EQ(ScreenPixels(*upDown, {18, 0, 36, 18}), PixelsOf(picture, {160, 171, 178, 189}));
    display.pressButton();
    Pump();
    EXPECT_EQ(ScreenPixels(*upDown, {0, 0, 18, 18}), PixelsOf(picture, {142, 151, 160, 169}));
    Release();
}

TEST_F(UpDowns, TheBuiltInLookFramesAndFillsByState) {
    upDown->SetBounds(30, 30, 40, 20);
    Pump();
    // Decreasing on the left, arrows pointing outward.
    EXPECT_EQ(ColorAt(*upDown, 0, 0), platform::ColorToRGB(platform::clBtnShadow));
    EXPECT_EQ(ColorAt(*upDown, 5, 5), platform::ColorToRGB(platform::clBtnFace));
    EXPECT_EQ(ColorAt(*upDown, 32, 10), platform::RGB(0, 0, 0));  // the right arrow's tip
    EXPECT_EQ(ColorAt(*upDown, 29, 7), platform::RGB(0, 0, 0));   // and its base
    display.moveMouse(Centre(0));
    Pump();
    EXPECT_EQ(ColorAt(*upDown, 20, 0), platform::RGB(0, 0, 128));
    EXPECT_EQ(ColorAt(*upDown, 23, 3), platform::RGB(182, 189, 210));
    display.pressButton();
    Pump();
    EXPECT_EQ(ColorAt(*upDown, 23, 3), platform::RGB(133, 146, 181));
    Release();
}

TEST_F(UpDowns, WithoutSkinSizeAnySizeIsKeptAndTheButtonsUseResizeButtonFaces) {
    upDown->SetUseSkinSize(false);
    upDown->SetBounds(30, 30, 80, 30);
    upDown->SetSkinData(ShippedSkin());
    Pump();
    EXPECT_EQ(upDown->BoundsRect(), (Rect{30, 30, 110, 60}));
    EXPECT_FALSE(upDown->HasRegion());
    EXPECT_EQ(upDown->Button(1).rect, (Rect{0, 0, 40, 30}));
    EXPECT_EQ(upDown->Button(0).rect, (Rect{40, 0, 80, 30}));
    // Not the built-in face: the skin's button record.
    EXPECT_NE(ColorAt(*upDown, 20, 15), platform::ColorToRGB(platform::clBtnFace));
}

}  // namespace
