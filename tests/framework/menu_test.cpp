// Menu items (short-cut text, access keys, separator reduction, radio groups) and the plain popup
// menu driven by keys and the pointer, with the application's filter given back after it closes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/core/timer.h"
#include "framework/menus/popup_menu.h"
#include "framework_fixture.h"
#include "platform/window/keys.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

using namespace framework;
using namespace framework::test;
using namespace platform;
using ::testing::ElementsAre;

namespace {

TEST(ShortCuts, TextAndBack) {
    struct Case {
        TShortCut shortCut;
        const char* text;
    };
    const Case cases[] = {
        {ShortCut(VK_F4, false, false, true), "Alt+F4"},
        {ShortCut('S', false, true, false), "Ctrl+S"},
        {ShortCut(VK_DELETE, true, false, false), "Shift+Del"},
        {ShortCut(VK_RETURN, false, false, false), "Enter"},
        {ShortCut('1', true, true, true), "Shift+Ctrl+Alt+1"},
        {scNone, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    EXPECT_EQ(TextToShortCut("alt+f4"), ShortCut(VK_F4, false, false, true));
    EXPECT_EQ(TextToShortCut("Alt+"), scNone);
}

TEST(MenuItems, AccessKeysAndStrippedCaptions) {
    EXPECT_EQ(GetHotkey("Mi&nimize"), char32_t('N'));
    EXPECT_EQ(GetHotkey("Save && &exit"), char32_t('E'));
    EXPECT_EQ(GetHotkey("No key &&"), std::nullopt);
    EXPECT_EQ(GetHotkey("关闭(&关)"), U'关');
    EXPECT_EQ(StripHotkey("&Close"), "Close");
    EXPECT_EQ(StripHotkey("A && B"), "A & B");
    EXPECT_TRUE(IsAccel('n', "Mi&nimize"));
    EXPECT_FALSE(IsAccel('m', "Mi&nimize"));
}

TEST(MenuItems, RethinkLinesHidesSeparatorsAtTheEdgesAndInARow) {
    struct Case {
        std::vector<std::string> captions;  // "(x)" marks an item hidden by the program
        std::vector<bool> visible;
    };
    const Case cases[] = {
        {{"-", "a", "-", "-", "b", "-"}, {false, true, true, false, true, false}},
        {{"a", "-", "(b)", "-", "c"}, {true, true, false, false, true}},
        {{"a", "-", "(b)"}, {true, false, false}},
        {{"-", "-"}, {false, false}},
    };
    for (const Case& c : cases) {
        TMenuItem root(nullptr);
        for (const std::string& caption : c.captions) {
            auto* item = new TMenuItem(nullptr);
            const bool hidden = caption.front() == '(';
            item->SetCaption(hidden ? caption.substr(1, caption.size() - 2) : caption);
            item->SetVisible(!hidden);
            root.Add(item);
        }
        root.RethinkLines();
        std::vector<bool> visible;
        for (int i = 0; i < root.Count(); ++i) visible.push_back(root.Items(i)->Visible());
        EXPECT_EQ(visible, c.visible);
    }
}

TEST(MenuItems, RadioItemsOfAGroupCheckOneAtATimeAndSubItemsGoWithTheirParent) {
    TMenuItem root(nullptr);
    std::vector<TMenuItem*> radios;
    for (int i = 0; i < 3; ++i) {
        radios.push_back(new TMenuItem(nullptr));
        radios.back()->SetRadioItem(true);
        root.Add(radios.back());
    }
    radios[0]->SetChecked(true);
    radios[2]->SetChecked(true);
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[2]->Checked());
    delete radios[1];
    EXPECT_EQ(root.Count(), 2);
    // An item owned by a component as well goes from both when either frees it.
    TComponent owner(nullptr);
    auto* owned = new TMenuItem(&owner);
    root.Add(owned);
    owner.DestroyComponents();
    EXPECT_EQ(root.Count(), 2);
}

class PopupMenus : public FrameworkTest {
  protected:
    PopupMenus() {
        form = application.CreateForm<TForm>();
        form->Show();
        Pump();
        menu = new TPopupMenu(form);
        for (const char* caption : {"Mi&nimize", "-", "&Close", "-"}) {
            auto* item = new TMenuItem(form);
            item->SetCaption(caption);
            item->OnClick = [this, caption](TObject*) { chosen.push_back(caption); };
            menu->Items()->Add(item);
        }
        menu->Items()->Items(2)->SetShortCut(ShortCut(VK_F4, false, false, true));
    }
    // Runs the popup with the input queued now.
    void PopupAt(Point point) {
        menu->Popup(point.X, point.Y);
        Pump();
    }
    HWND MenuWindow() { return FindWindowEx(nullptr, nullptr, "TPlainMenuWindow", nullptr); }

    TForm* form;
    TPopupMenu* menu;
    std::vector<std::string> chosen;
};

TEST_F(PopupMenus, KeysMoveAndChooseAndTheFilterIsGivenBack) {
    bool ownFilterSaw = false;
    application.OnMessage = [&](MSG& msg, bool&) { ownFilterSaw |= msg.message == WM_KEYDOWN; };
    display.typeKey(VK_DOWN);
    display.typeKey(VK_DOWN);
    display.typeKey(VK_RETURN);
    PopupAt({200, 200});
    EXPECT_THAT(chosen, ElementsAre("&Close"));
    EXPECT_FALSE(ownFilterSaw);  // the menu had the keys
    EXPECT_EQ(MenuWindow(), nullptr);
    Type('A');
    EXPECT_TRUE(ownFilterSaw);
    // The trailing separator was reduced away.
    EXPECT_FALSE(menu->Items()->Items(3)->Visible());
}

TEST_F(PopupMenus, AccessKeysChooseEscapeDismisses) {
    display.typeKey('N');
    PopupAt({200, 200});
    display.typeKey(VK_ESCAPE);
    PopupAt({200, 200});
    EXPECT_THAT(chosen, ElementsAre("Mi&nimize"));
}

TEST_F(PopupMenus, ThePointerChoosesAnItemAndAPressOutsideDismisses) {
    // The menu opens at the point: its first item lies just below and right of it.
    display.moveMouse({210, 208});
    display.click({210, 208});
    PopupAt({200, 200});
    display.click({600, 600});
    PopupAt({200, 200});
    EXPECT_THAT(chosen, ElementsAre("Mi&nimize"));
    EXPECT_EQ(menu->PopupPoint(), (Point{200, 200}));
}

TEST(Timers, FireEveryIntervalWhileEnabledOnTheDisplaysClock) {
    HeadlessDisplay display;
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(50);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    PumpMessagesFor(260);
    EXPECT_EQ(ticks, 5);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    PumpMessagesFor(200);
    EXPECT_EQ(ticks, 5);
    timer.SetEnabled(true);
    timer.SetInterval(0);  // no interval: no timer
    EXPECT_FALSE(timer.Running());
}

}  // namespace
