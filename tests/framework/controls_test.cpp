// The standard controls through real input on the headless display: the default button and Enter,
// focus order with Tab and Shift+Tab, the edit (typing, selection, clipboard, undo, the input
// method), the spin edit's range rules and the drop-down list.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/edit.h"
#include "framework/controls/label.h"
#include "framework/controls/panel.h"
#include "framework/controls/spin_edit.h"
#include "framework_fixture.h"
#include "platform/window/clipboard.h"
#include "platform/window/focus.h"
#include "platform/window/ime.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

using namespace framework;
using namespace framework::test;
using namespace platform;
using ::testing::ElementsAre;

namespace {

template <class T>
T* Make(TWinControl* parent, int left, int top, int width, int height) {
    auto* control = new T(parent->ParentForm() ? static_cast<TComponent*>(parent->ParentForm()) : parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// A shown form holding a panel with an edit, a drop-down list, two spin edits, a check box and two
// buttons, the first the default one, in that tab order.
class Controls : public FrameworkTest {
protected:
    Controls() {
        form = application.CreateForm<TForm>();
        form->SetBounds(50, 50, 500, 300);
        panel = Make<TPanel>(form, 3, 3, 480, 70);
        edit = Make<TEdit>(panel, 5, 5, 130, 26);
        combo = Make<TComboBox>(panel, 140, 5, 100, 21);
        combo->SetItems({"连衣裙", "T恤", "衬衫", "裤子", "牛仔裤", "半身裙"});
        combo->SetItemIndex(0);
        combo->SetDropDownCount(4);
        low = Make<TSpinEdit>(panel, 250, 5, 70, 22);
        high = Make<TSpinEdit>(panel, 330, 5, 70, 22);
        for (TSpinEdit* spin : {low, high}) {
            spin->SetMinValue(0);
            spin->SetMaxValue(99999999);
        }
        check = Make<TCheckBox>(panel, 5, 40, 80, 17);
        check->SetCaption("货到付款");
        search = Make<TButton>(panel, 400, 5, 75, 24);
        search->SetCaption("快速搜索");
        search->SetDefault(true);
        other = Make<TButton>(panel, 400, 35, 75, 24);
        other->SetCaption("试衣间");
        search->OnClick = [this](TObject*) { clicks.push_back("search"); };
        other->OnClick = [this](TObject*) { clicks.push_back("other"); };
        form->Show();
        Pump();
    }

    TForm* form;
    TPanel* panel;
    TEdit* edit;
    TComboBox* combo;
    TSpinEdit* low;
    TSpinEdit* high;
    TCheckBox* check;
    TButton* search;
    TButton* other;
    std::vector<std::string> clicks;
};

// --- Focus -----------------------------------------------------------------------------------

TEST_F(Controls, TheFirstControlInTabOrderHasTheFocusAndTabGoesRoundBothWays) {
    EXPECT_TRUE(edit->Focused());
    const std::vector<TWinControl*> order{edit, combo, low, high, check, search, other};
    for (size_t i = 1; i <= order.size(); ++i) {
        Type(VK_TAB);
        EXPECT_TRUE(order[i % order.size()]->Focused()) << i;
    }
    display.pressKey(VK_SHIFT);
    display.typeKey(VK_TAB);
    display.releaseKey(VK_SHIFT);
    Pump();
    EXPECT_TRUE(other->Focused());
    // Disabled controls and those without a tab stop are passed over.
    combo->SetEnabled(false);
    low->SetTabStop(false);
    edit->SetFocus();
    Type(VK_TAB);
    EXPECT_TRUE(high->Focused());
    EXPECT_EQ(form->ActiveControl(), high);
}

TEST_F(Controls, TabOrderCanBeChangedAndSetFocusBeforeShowingWaitsForActivation) {
    high->SetTabOrder(0);
    EXPECT_EQ(panel->FindNextControl(nullptr, true, true), high);
    auto* second = new TForm(form);
    auto* lone = Make<TEdit>(second, 5, 5, 50, 21);
    auto* target = Make<TEdit>(second, 5, 30, 50, 21);
    target->SetFocus();
    EXPECT_FALSE(target->Focused());
    second->Show();
    Pump();
    EXPECT_TRUE(target->Focused());
    EXPECT_FALSE(lone->Focused());
}

// --- Buttons ---------------------------------------------------------------------------------

TEST_F(Controls, EnterClicksTheDefaultButtonUnlessItIsDisabledOrAnotherButtonHasTheFocus) {
    Type(VK_RETURN);
    EXPECT_THAT(clicks, ElementsAre("search"));
    search->SetEnabled(false);
    Type(VK_RETURN);
    EXPECT_THAT(clicks, ElementsAre("search"));
    search->SetEnabled(true);
    other->SetFocus();
    Pump();
    EXPECT_FALSE(search->IsActiveDefault());
    Type(VK_RETURN);
    Type(VK_SPACE);
    EXPECT_THAT(clicks, ElementsAre("search", "other", "other"));
    // Back in the edit, Enter is the default button's again; Enter makes no text.
    edit->SetFocus();
    Pump();
    EXPECT_TRUE(search->IsActiveDefault());
    Type(VK_RETURN);
    EXPECT_THAT(clicks, ElementsAre("search", "other", "other", "search"));
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(Controls, EscapeClicksTheCancelButtonAndAButtonClicksOnReleaseOverIt) {
    other->SetCancel(true);
    Type(VK_ESCAPE);
    EXPECT_THAT(clicks, ElementsAre("other"));
    Click(*search, 10, 10);
    EXPECT_THAT(clicks, ElementsAre("other", "search"));
    // Pressed on the button, released elsewhere: no click.
    display.drag(At(*search, 10, 10), At(*search, 200, 10));
    Pump();
    EXPECT_THAT(clicks, ElementsAre("other", "search"));
    EXPECT_TRUE(search->Focused());
}

TEST_F(Controls, ACheckBoxTogglesOnClickAndSpaceAndTellsEachChange) {
    int changes = 0;
    check->OnClick = [&](TObject*) { ++changes; };
    Click(*check, 4, 8);
    EXPECT_TRUE(check->Checked());
    EXPECT_TRUE(check->Focused());
    Type(VK_SPACE);
    EXPECT_FALSE(check->Checked());
    check->SetChecked(true);
    EXPECT_EQ(changes, 3);
}

// --- Edit ------------------------------------------------------------------------------------

TEST_F(Controls, TheEditTakesTypedTextSelectionsTheClipboardAndUndo) {
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    for (int key : {'S', 'K', 'I', 'R', 'T'}) display.typeKey(key);
    Pump();
    EXPECT_EQ(edit->Text(), "skirt");
    // Shift+Left twice selects "rt"; typing replaces the selection.
    display.pressKey(VK_SHIFT);
    display.typeKey(VK_LEFT);
    display.typeKey(VK_LEFT);
    display.releaseKey(VK_SHIFT);
    Pump();
    EXPECT_EQ(edit->SelText(), "rt");
    EXPECT_EQ(edit->SelStart(), 3);
    display.pressKey(VK_CONTROL);
    display.typeKey('C');
    display.releaseKey(VK_CONTROL);
    Type('Y');
    EXPECT_EQ(edit->Text(), "skiy");
    EXPECT_EQ(GetClipboardText(), "rt");
    Type(VK_HOME);
    display.pressKey(VK_CONTROL);
    display.typeKey('V');
    display.typeKey('Z');
    display.releaseKey(VK_CONTROL);
    Pump();
    EXPECT_EQ(edit->Text(), "skiy");  // the paste undone
    edit->Undo();
    EXPECT_EQ(edit->Text(), "rtskiy");  // undo again redoes
    Type(VK_BACK);
    Type(VK_DELETE);
    EXPECT_EQ(edit->Text(), "rkiy");
    EXPECT_GT(changes, 5);
}

TEST_F(Controls, TheEditSelectsWithTheMouseAndKeepsToMaxLength) {
    edit->SetText("连衣裙 长款");
    edit->SetMaxLength(8);
    display.drag(At(*edit, 4, 10), At(*edit, 120, 10));
    Pump();
    EXPECT_EQ(edit->SelText(), "连衣裙 长款");
    EXPECT_TRUE(edit->Focused());
    Type(VK_END);
    display.commitText("夏季新款");
    Pump();
    EXPECT_EQ(edit->Text(), "连衣裙 长款夏季");
    display.doubleClick(At(*edit, 8, 10));
    Pump();
    EXPECT_EQ(edit->SelText(), "连衣裙");
}

TEST_F(Controls, TheEditAsksForTheInputMethodAndShowsItsComposition) {
    EXPECT_TRUE(ImeIsEnabled(edit->Handle()));
    EXPECT_EQ(display.imeWindow(), edit->Handle());
    display.startComposition();
    display.changeComposition("qun", 3);
    Pump();
    EXPECT_EQ(edit->Preedit(), "qun");
    EXPECT_EQ(edit->Text(), "");
    display.endComposition();
    display.commitText("裙");
    Pump();
    EXPECT_EQ(edit->Preedit(), "");
    EXPECT_EQ(edit->Text(), "裙");
    // A control that asks for no input method tells the display so when it gets the focus.
    edit->SetImeMode(TImeMode::imDisable);
    EXPECT_FALSE(ImeIsEnabled(edit->Handle()));
    combo->SetImeMode(TImeMode::imChinese);
    combo->SetFocus();
    Pump();
    EXPECT_TRUE(ImeIsEnabled(combo->Handle()));
}

// --- Spin edit -------------------------------------------------------------------------------

TEST_F(Controls, TheSpinEditReadsItsTextAndHoldsTheValueInRangeOnlyWhenFocusLeavesOrSet) {
    struct Case {
        const char* text;
        int32_t value;
    };
    for (const Case& c : {Case{"120", 120}, Case{"", 0}, Case{"abc", 0}, Case{" 7 ", 7}, Case{"-5", -5},
                          Case{"99999999999", 0}, Case{"+3", 3}}) {
        low->SetText(c.text);
        EXPECT_EQ(low->Value(), c.value) << c.text;
    }
    low->SetFocus();
    low->SetText("");
    for (int key : {VK_OEM_MINUS, int('1'), int('2'), int('A')}) display.typeKey(key);
    Pump();
    // Letters are refused; the value may lie outside the range while it is typed.
    EXPECT_EQ(low->Text(), "-12");
    EXPECT_EQ(low->Value(), -12);
    Type(VK_TAB);
    EXPECT_EQ(low->Text(), "0");
    high->SetValue(123456789);
    EXPECT_EQ(high->Value(), 99999999);
    high->SetValue(-1);
    EXPECT_EQ(high->Text(), "0");
    // Equal limits mean no range.
    high->SetMaxValue(0);
    high->SetValue(-40);
    EXPECT_EQ(high->Value(), -40);
}

TEST_F(Controls, TheSpinEditStepsWithItsArrowKeysAndButtons) {
    low->SetValue(5);
    low->SetFocus();
    Type(VK_UP);
    Type(VK_UP);
    Type(VK_DOWN);
    EXPECT_EQ(low->Value(), 6);
    low->SetIncrement(10);
    const Rect client = low->ClientRect();
    Click(*low, client.Right - 5, 4);  // the upper arrow
    EXPECT_EQ(low->Value(), 16);
    Click(*low, client.Right - 5, client.Bottom - 4);  // the lower arrow
    Click(*low, client.Right - 5, client.Bottom - 4);
    Click(*low, client.Right - 5, client.Bottom - 4);
    EXPECT_EQ(low->Value(), 0);  // held at the minimum
    // A held arrow repeats after a pause.
    display.moveMouse(At(*low, client.Right - 5, 4));
    display.pressButton();
    Pump();
    PumpMessagesFor(1000);
    display.releaseButton();
    Pump();
    EXPECT_GT(low->Value(), 30);
}

// --- Drop-down list --------------------------------------------------------------------------

// The open list window (a top-level popup) or null.
HWND OpenList() {
    HWND found = FindWindowEx(nullptr, nullptr, "TComboListWindow", nullptr);
    return found && IsWindowVisible(found) ? found : nullptr;
}

TEST_F(Controls, TheListDropsDownWithItsRowsAndAClickOnARowChoosesIt) {
    std::vector<std::string> changes;
    combo->OnChange = [&](TObject*) { changes.push_back(combo->Text()); };
    Click(*combo, 50, 10);
    ASSERT_TRUE(combo->DroppedDown());
    HWND list = OpenList();
    ASSERT_NE(list, nullptr);
    Rect rect;
    GetWindowRect(list, &rect);
    // Four rows of the six, right below the combo, as wide as it.
    EXPECT_EQ(rect.height(), 4 * combo->ItemHeight() + 2);
    EXPECT_EQ(rect.Top, At(*combo, 0, combo->Height()).Y);
    EXPECT_EQ(rect.width(), combo->Width());
    display.moveMouse({rect.Left + 20, rect.Top + 1 + combo->ItemHeight() * 2 + 3});
    display.click({rect.Left + 20, rect.Top + 1 + combo->ItemHeight() * 2 + 3});
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_THAT(changes, ElementsAre("衬衫"));
    EXPECT_TRUE(combo->Focused());
}

TEST_F(Controls, TheListClosesWithoutChangeOnEscapeAndAPressOutside) {
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetFocus();
    Pump();
    display.pressKey(VK_MENU);
    display.typeKey(VK_DOWN);
    display.releaseKey(VK_MENU);
    Pump();
    ASSERT_TRUE(combo->DroppedDown());
    Type(VK_DOWN);
    Type(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
    // Open, move in the list, Enter chooses; Enter never reaches the default button meanwhile.
    Type(VK_F4);
    Type(VK_DOWN);
    Type(VK_DOWN);
    Type(VK_RETURN);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_TRUE(clicks.empty());
    Click(*combo, 50, 10);
    ASSERT_TRUE(combo->DroppedDown());
    display.click(At(*form, 5, 250));
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(Controls, KeysWheelAndLettersChangeTheSelectionOfAClosedListSettingItRaisesNothing) {
    std::vector<int> changes;
    combo->OnChange = [&](TObject*) { changes.push_back(combo->ItemIndex()); };
    combo->SetFocus();
    Pump();
    Type(VK_DOWN);
    Type(VK_END);
    Type(VK_UP);
    Type(VK_HOME);
    Type(VK_UP);  // already at the first: no change
    display.moveMouse(At(*combo, 20, 10));
    display.turnWheel(-WHEEL_DELTA);
    display.turnWheel(-WHEEL_DELTA);
    display.turnWheel(WHEEL_DELTA);
    Pump();
    Type(VK_HOME);
    Type('T');
    Type('T');  // "T恤" is the only item with a T: it stays
    EXPECT_THAT(changes, ElementsAre(1, 5, 4, 0, 1, 2, 1, 0, 1));
    combo->SetItemIndex(3);
    combo->SetItemIndex(99);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(changes.size(), 9u);
}

}  // namespace
