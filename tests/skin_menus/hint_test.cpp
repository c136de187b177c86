// The skinned hint: its size around a text with the shipped HINTWINDOW numbers, the frame that must
// not fold, placement at the work area's edges, the line separator, layering switched on and off
// between hints, the application's hints taken over and given back, requested hints, and damaged
// HINTWINDOW records.
#include <gtest/gtest.h>

#include "framework/controls/panel.h"
#include "framework/forms/application.h"
#include "platform/window/message_loop.h"
#include "platform/window/styles.h"
#include "platform/window/window.h"
#include "skin/controls/skin_control.h"
#include "skin/menus/hint_geometry.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_hint_window.h"
#include "tests/skin_data/skin_fixture.h"
#include "tests/skin_menus/menus_fixture.h"

using namespace skin;
using menus_test::MenusTest;
using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

constexpr Size kUnlimited{10000, 10000};
// HINTWINDOW of the shipped skin: picture 47 x 21, points 9,7; 38,7; 9,13; 36,13, "clientrect"
// 8,3,39,18.
const NinePartLayout kShippedHint{{9, 7}, {38, 7}, {9, 13}, {36, 13}, {8, 3, 39, 18}};

TEST(HintGeometry, AroundAOneLineTextWithTheShippedRecord) {
    const HintLayout l = SkinnedHintLayout({47, 21}, kShippedHint, {60, 14}, 5, kUnlimited);
    EXPECT_EQ(l.size, (Size{81, 20}));
    EXPECT_EQ(l.newLayout.Cl, (Rect{8, 3, 73, 17}));
    EXPECT_EQ(l.newLayout.RT, (Point{72, 7}));
    EXPECT_EQ(l.newLayout.LB, (Point{9, 12}));
    // The text centred in the text area.
    EXPECT_EQ(CentredText(l.newLayout.Cl, {60, 14}), (Rect{10, 3, 70, 17}));
    // With a title or an image, 10 wider instead of 5.
    EXPECT_EQ(SkinnedHintLayout({47, 21}, kShippedHint, {60, 14}, 10, kUnlimited).size.cx, 86);
    EXPECT_EQ(PlainHintSize({60, 14}, kUnlimited), (Size{64, 18}));
}

TEST(HintGeometry, TheFrameDoesNotFold) {
    // A tiny text in a frame whose corner pieces need more room than the text area gives.
    const NinePartLayout wide{{30, 10}, {40, 10}, {30, 30}, {40, 30}, {5, 5, 45, 35}};
    const HintLayout l = SkinnedHintLayout({50, 40}, wide, {2, 2}, 5, kUnlimited);
    EXPECT_GE(l.newLayout.RT.X, l.newLayout.LT.X);
    EXPECT_GE(l.newLayout.RB.X, l.newLayout.LB.X);
    EXPECT_GE(l.newLayout.LB.Y, l.newLayout.LT.Y);
    EXPECT_GE(l.newLayout.RB.Y, l.newLayout.RT.Y);
    // Width 2 + 5 + 50 - 45 + 5 = 17 folds RT (40 - 33 = 7 < 30): grows by 23 to 40; height
    // 2 + 5 + 40 - 35 = 12 folds LB (30 - 28 = 2 < 10): grows by 8 to 20.
    EXPECT_EQ(l.size, (Size{40, 20}));
    // A huge text is cut to the screen.
    EXPECT_EQ(SkinnedHintLayout({47, 21}, kShippedHint, {1 << 28, 1 << 28}, 5, {1024, 738}).size,
              (Size{1024, 738}));
}

TEST(HintGeometry, PlacedInsideTheLimit) {
    const Rect limit{0, 0, 1024, 738};
    const struct {
        const char* what;
        Point at;
        Point expected;
    } cases[] = {
        {"room enough", {100, 100}, {100, 100}},
        {"past the right edge: its width + 2 further left, not clamped", {990, 100}, {990 - 83, 100}},
        {"past the bottom: its height + 2 higher", {100, 730}, {100, 730 - 22}},
        {"both", {1000, 730}, {1000 - 83, 730 - 22}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlaceHint(c.at, {81, 20}, limit).topLeft(), c.expected);
    }
}

class HintTest : public MenusTest {
  protected:
    TbsSkinHint* MakeHint(TbsSkinData* data) {
        auto* hint = new TbsSkinHint(form);
        hint->SetSkinData(data);
        return hint;
    }
};

TEST_F(HintTest, ALineSeparatorBreaksTheLine) {
    TbsSkinHint* hint = MakeHint(ShippedSkin());
    TbsSkinHintWindow& window = hint->HintWindow();
    window.ActivateHint({200, 200, 200, 200}, "Close@关闭");
    Pump();
    ASSERT_TRUE(window.HintShowing());
    EXPECT_TRUE(window.Skinned());
    EXPECT_EQ(window.Caption().find('@'), std::string::npos);
    const Rect twoLines = window.TextRect();
    window.ActivateHint({200, 200, 200, 200}, "Close");
    const Rect oneLine = window.TextRect();
    EXPECT_EQ(twoLines.height(), 2 * oneLine.height());
    EXPECT_EQ(window.Height(), oneLine.height() + 3 + 21 - 18);
    // No separator, no break: an empty separator leaves the text as it is.
    hint->SetLineSeparator("");
    window.ActivateHint({200, 200, 200, 200}, "Close@Open");
    EXPECT_EQ(window.TextRect().height(), oneLine.height());
    SaveMenuScreen("hint_one_line");
}

TEST_F(HintTest, AlphaSwitchedOffBetweenTwoHints) {
    display.setComposesAlpha(true);
    TbsSkinHint* hint = MakeHint(ShippedSkin());
    hint->SetAlphaBlend(true);
    hint->SetAlphaBlendValue(200);
    TbsSkinHintWindow& window = hint->HintWindow();
    window.ActivateHint({200, 200, 200, 200}, "First");
    const auto layered = [&] {
        return (platform::GetWindowLongPtr(window.Handle(), platform::GWL_EXSTYLE) &
                platform::WS_EX_LAYERED) != 0;
    };
    EXPECT_TRUE(layered());
    EXPECT_EQ(window.AppliedAlpha(), 200);
    hint->SetAlphaBlend(false);
    window.ActivateHint({200, 200, 200, 200}, "Second");
    EXPECT_FALSE(layered());
    // Without a compositing manager the hint stays a plain window.
    display.setComposesAlpha(false);
    hint->SetAlphaBlend(true);
    window.ActivateHint({200, 200, 200, 200}, "Third");
    EXPECT_FALSE(layered());
}

TEST_F(HintTest, FadesInWithAnimation) {
    display.setComposesAlpha(true);
    display.setClockStepPerRead(2);
    TbsSkinHint* hint = MakeHint(ShippedSkin());
    hint->SetAlphaBlend(true);
    hint->SetAlphaBlendAnimation(true);
    hint->SetAlphaBlendValue(150);
    hint->HintWindow().ActivateHint({200, 200, 200, 200}, "Fading");
    display.setClockStepPerRead(0);
    EXPECT_EQ(hint->HintWindow().AppliedAlpha(), 150);
}

TEST_F(HintTest, TheApplicationsHintsTakenOverAndGivenBack) {
    ASSERT_NE(framework::Application->HintWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<TbsSkinHintWindow*>(framework::Application->HintWindow()), nullptr);
    TbsSkinHint* hint = MakeHint(ShippedSkin());
    EXPECT_NE(dynamic_cast<TbsSkinHintWindow*>(framework::Application->HintWindow()), nullptr);
    EXPECT_EQ(framework::Application->HintShortPause(), 100);
    EXPECT_EQ(FindActiveSkinHint(), hint);
    // A skinned control's hint brings its title along.
    auto* control = new TbsSkinControl(form);
    control->SetParent(form);
    control->SetBounds(50, 50, 80, 30);
    control->SetHint("Closes the page");
    control->SetShowHint(true);
    control->SetHintTitle("Close");
    Pump();
    display.moveMouse(control->ClientToScreen({10, 10}));
    Pump();
    Wait(uint32_t(framework::Application->HintPause()) + 10);
    auto* window = dynamic_cast<TbsSkinHintWindow*>(framework::Application->HintWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->HintShowing());
    EXPECT_EQ(hint->HintTitle(), "Close");
    SaveMenuScreen("hint_with_title");
    // An inactive component shows nothing.
    framework::Application->CancelHint();
    hint->SetActive(false);
    EXPECT_EQ(FindActiveSkinHint(), nullptr);
    window->ActivateHint({10, 10, 10, 10}, "nothing");
    EXPECT_FALSE(window->HintShowing());
    // The last one gone: the framework's own hints again.
    delete hint;
    framework::Application->SetShowHint(false);
    framework::Application->SetShowHint(true);
    EXPECT_EQ(dynamic_cast<TbsSkinHintWindow*>(framework::Application->HintWindow()), nullptr);
}

TEST_F(HintTest, RequestedHintsShowBelowThePointerAndHide) {
    TbsSkinHint* hint = MakeHint(ShippedSkin());
    display.moveMouse({300, 300});
    Pump();
    hint->ShowHintText("Requested");
    Wait(uint32_t(framework::Application->HintPause()) - 10);
    EXPECT_FALSE(hint->HintWindow().HintShowing());
    Wait(20);
    ASSERT_TRUE(hint->HintWindow().HintShowing());
    EXPECT_EQ(hint->HintWindow().BoundsRect().topLeft(), (Point{300, 320}));
    Wait(uint32_t(framework::Application->HintHidePause()) + 10);
    EXPECT_FALSE(hint->HintWindow().HintShowing());
    hint->ShowHintText("Again");
    Wait(uint32_t(framework::Application->HintPause()) + 10);
    EXPECT_TRUE(hint->HintWindow().HintShowing());
    hint->HideHintText();
    EXPECT_FALSE(hint->HintWindow().HintShowing());
}

TEST_F(HintTest, WithoutSkinTheInfoColors) {
    TbsSkinHint* hint = MakeHint(nullptr);
    TbsSkinHintWindow& window = hint->HintWindow();
    window.ActivateHint({200, 200, 200, 200}, "Plain");
    Pump();
    EXPECT_FALSE(window.Skinned());
    EXPECT_EQ(window.Layout().Cl, (Rect{2, 2, window.Width() - 2, window.Height() - 2}));
    EXPECT_EQ(display.colorAt({201, 201}), platform::GetSysColor(platform::COLOR_INFOBK));
    EXPECT_EQ(display.colorAt({200, 200}), platform::GetSysColor(platform::COLOR_BTNSHADOW));
}

TEST_F(HintTest, DamagedRecordsStillShowAHint) {
    const std::string records[] = {
        "windowpictureindex=0\nclientrect=0,0,0,0\n",
        "windowpictureindex=0\nclientrect=40,30,2,1\nlefttoppoint=99999,99999\nrighttoppoint=1,1\n",
        "windowpictureindex=0\nmaskpictureindex=0\nclientrect=8,3,39,18\nlefttoppoint=9,7\nrighttoppoint=38,"
        "7\n"
        "leftbottompoint=9,13\nrightbottompoint=36,13\n",
        "windowpictureindex=0\nmaskpictureindex=5\nclientrect=100000,100000,100000,100000\n"
        "rightbottompoint=100000,3\n",
        "windowpictureindex=7\n",
        "windowpictureindex=0\nfontheight=100000\nfontname=\xff\xfe\n",
    };
    std::vector<framework::TBitmap> pictures{fixture::MakePicture(47, 21, framework::TPixelFormat::pf24bit)};
    for (const std::string& record : records) {
        SCOPED_TRACE(record);
        TbsSkinData* data =
            SkinOf("[VERSION]\nversion=3\n[PICTURES]\ncount=1\n0=hw.bmp\n[HINTWINDOW]\n" + record, pictures);
        TbsSkinHint* hint = MakeHint(data);
        TbsSkinHintWindow& window = hint->HintWindow();
        window.ActivateHint({200, 200, 200, 200}, "Hint \xc3 text@second");
        Pump();
        EXPECT_TRUE(window.HintShowing());
        EXPECT_GE(window.Width(), 1);
        EXPECT_LE(window.Width(), 1024);
        delete hint;
    }
}

}  // namespace
