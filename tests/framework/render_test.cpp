// What the standard controls look like on the screen: read back from the headless display's
// composed screen, where the shopper would see them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework_fixture.h"

using namespace framework;
using namespace framework::test;
using namespace platform;

namespace {

class Render : public FrameworkTest {
  protected:
    Render() {
        form = application.CreateForm<TForm>();
        form->SetBounds(40, 40, 400, 160);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(3, 3, 380, 80);
        panel->SetBevelOuter(TPanelBevel::bvNone);
        panel->SetBorderStyle(TBorderStyle::bsSingle);
        label = new TLabel(form);
        label->SetParent(panel);
        label->SetBounds(7, 10, 36, 13);
        label->SetCaption("关键字");
        edit = new TEdit(form);
        edit->SetParent(panel);
        edit->SetBounds(47, 7, 133, 21);
        check = new TCheckBox(form);
        check->SetParent(panel);
        check->SetBounds(7, 40, 90, 17);
        check->SetCaption("货到付款");
        check->SetChecked(true);
        search = new TButton(form);
        search->SetParent(panel);
        search->SetBounds(200, 6, 73, 24);
        search->SetCaption("快速搜索");
        search->SetDefault(true);
        disabled = new TButton(form);
        disabled->SetParent(panel);
        disabled->SetBounds(200, 40, 73, 24);
        disabled->SetCaption("淘宝试衣间");
        disabled->SetEnabled(false);
        form->Show();
        Pump();
        screen = display.screenshot();
        if (const char* dir = std::getenv("VELMORO_BINARY_DIR"))
            display.saveScreenshot(std::string(dir) + "/tests/framework/render_test.png");
    }
    // The colour shown at a client point of the control (the screen is composed once).
    COLORREF At(const TControl& control, int x, int y) {
        const Point p = control.ClientToScreen({x, y});
        const Point origin = display.screenOrigin();
        return ColorFromPixel(screen.pixel(p.X - origin.X, p.Y - origin.Y));
    }
    // Pixels of the control's area darker than mid-grey: where text and lines are.
    int DarkPixels(const TControl& control, Rect area) {
        int dark = 0;
        for (int32_t y = area.Top; y < area.Bottom; ++y)
            for (int32_t x = area.Left; x < area.Right; ++x) {
                const COLORREF c = At(control, x, y);
                dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 100;
            }
        return dark;
    }

    TForm* form;
    TPanel* panel;
    TLabel* label;
    TEdit* edit;
    TCheckBox* check;
    TButton* search;
    TButton* disabled;
    Surface screen;
};

TEST_F(Render, ChineseCaptionsRenderAsInkInsideTheirControls) {
    EXPECT_GT(DarkPixels(*label, {0, 0, label->Width(), label->Height()}), 30);
    EXPECT_GT(DarkPixels(*check, {17, 0, check->Width(), check->Height()}), 30);
    EXPECT_GT(DarkPixels(*search, {4, 4, search->Width() - 4, search->Height() - 4}), 30);
    // A disabled caption is grey: no dark ink.
    EXPECT_EQ(DarkPixels(*disabled, {4, 4, disabled->Width() - 4, disabled->Height() - 4}), 0);
}

TEST_F(Render, ControlsLookLikeControls) {
    // The panel: flat, a one-pixel frame in the shadow colour around the button face.
    EXPECT_EQ(At(*panel, 0, 40), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(At(*panel, 1, 40), GetSysColor(COLOR_BTNFACE));
    // The edit: a sunken edge around a white field with the caret at its start (it has the focus).
    EXPECT_EQ(At(*edit, 0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(At(*edit, edit->Width() - 1, edit->Height() - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(*edit, 60, 10), GetSysColor(COLOR_WINDOW));
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(At(*edit, 3, 10), RGB(0, 0, 0));
    // The check box: a white box with a dark check mark.
    EXPECT_GT(DarkPixels(*check, {2, 2, 11, 15}), 10);
    // The default button: a dark frame around a raised face.
    EXPECT_EQ(At(*search, 0, 10), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(At(*search, 1, 10), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(*disabled, 0, 10), GetSysColor(COLOR_BTNHIGHLIGHT));
}

}  // namespace
