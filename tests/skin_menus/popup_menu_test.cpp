// The skinned popup menu at work on the headless display, driven by injected pointer moves,
// clicks, the wheel and keys on the test clock: what opens and is highlighted first, the 500 ms
// submenu wait, the keyboard between levels, scrolling, where popups go, every way a menu closes
// (and that the input is given back each time), the seam to a form's frame, and damaged skins.
#include <gtest/gtest.h>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/forms/form.h"
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/layered.h"
#include "platform/window/message_loop.h"
#include "platform/window/window.h"
#include "skin/data/skin_messages.h"
#include "skin/menus/menu_host.h"
#include "tests/skin_data/skin_fixture.h"
#include "tests/skin_menus/menus_fixture.h"

using namespace skin;
using framework::TComponent;
using framework::TMessage;
using menus_test::MenusTest;
using platform::Point;
using platform::Rect;

namespace {

// A control that counts the skin messages a menu sends its opener.
class Opener : public framework::TCustomControl {
  public:
    using TCustomControl::TCustomControl;
    int closed = 0;
    int commands = 0;

  protected:
    void Dispatch(TMessage& message) override {
        if (message.Msg == SKM_MENUCLOSED)
            ++closed;
        if (message.Msg == SKM_MENUCOMMAND)
            ++commands;
        TCustomControl::Dispatch(message);
    }
};

class PopupMenuTest : public MenusTest {
  protected:
    PopupMenuTest() {
        edit = new framework::TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(500, 600, 200, 21);
        button = new framework::TButton(form);
        button->SetParent(form);
        button->SetBounds(500, 640, 100, 25);
        button->OnClick = [this](framework::TObject*) { ++buttonClicks; };
        Pump();
        edit->SetFocus();
        const framework::TWndMethod previous = form->WindowProc();
        form->SetWindowProc([this, previous](TMessage& m) {
            if (m.Msg == SKM_MENUCLOSED)
                ++formClosed;
            previous(m);
        });
    }

    TbsSkinMenu& Open(TbsSkinPopupMenu& menu, Point at = {100, 100}) {
        menu.OnMenuClose = [this](framework::TObject*) { ++closeHandlers; };
        menu.Popup(at.X, at.Y);
        Pump();
        return menu.Driver();
    }

    // The menu holds the input: the capture on its top popup (and the display's pointer grab),
    // the keyboard grab on the form; keys do not reach the edit.
    void ExpectHeld(TbsSkinMenu& driver) {
        ASSERT_TRUE(driver.Visible());
        const platform::HWND top = driver.Popups(0)->Handle();
        EXPECT_EQ(platform::GetCapture(), top);
        EXPECT_EQ(display.pointerGrab(), top);
        EXPECT_EQ(display.keyboardGrab(), form->Handle());
    }
    // Everything given back: no capture, no grab, keys to the edit again.
    void ExpectGivenBack(TbsSkinMenu& driver) {
        EXPECT_FALSE(driver.Visible());
        EXPECT_EQ(platform::GetCapture(), nullptr);
        EXPECT_EQ(display.pointerGrab(), nullptr);
        EXPECT_EQ(display.keyboardGrab(), nullptr);
        EXPECT_EQ(platform::GetKeyboardGrab(), nullptr);
        edit->SetText("");
        edit->SetFocus();
        Key('A');
        EXPECT_EQ(edit->Text(), "a");
        const int before = buttonClicks;
        Click(*button, 10, 10);
        EXPECT_EQ(buttonClicks, before + 1);
    }

    framework::TEdit* edit = nullptr;
    framework::TButton* button = nullptr;
    int buttonClicks = 0;
    int formClosed = 0;
    int closeHandlers = 0;
};

TEST_F(PopupMenuTest, OpensWithItsFirstUsableItemHighlightedAndNoSubmenu) {
    TbsSkinPopupMenu* menu = MakeMenu({"-", "!Disabled", "Recent>", "Open"}, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu);
    ExpectHeld(driver);
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    EXPECT_EQ(popup.Selected(), 2);
    EXPECT_TRUE(popup.Item(2).Waiting);
    EXPECT_TRUE(popup.Item(2).Active);
    EXPECT_EQ(driver.PopupCount(), 1);
    EXPECT_FALSE(driver.WaitTimerRunning());
    // The pointer onto that item arms the wait: the submenu opens after 500 ms, not before.
    PointAt(popup, 2);
    EXPECT_TRUE(driver.WaitTimerRunning());
    Wait(490);
    EXPECT_EQ(driver.PopupCount(), 1);
    Wait(20);
    EXPECT_EQ(driver.PopupCount(), 2);
    EXPECT_TRUE(popup.Item(2).Down);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Recent"}));
    // Onto an item without sub-items: the submenu closes at once.
    PointAt(popup, 3);
    EXPECT_EQ(driver.PopupCount(), 1);
    EXPECT_FALSE(popup.Item(2).Down);
    SaveMenuScreen("first_usable");
}

TEST_F(PopupMenuTest, AnItemWithSubItemsRunsItsCommandBeforeItsSubmenuOpens) {
    TbsSkinPopupMenu* menu = MakeMenu({"Recent>", "Open"}, ShippedSkin());
    int popupsAtClick = -1;
    TbsSkinMenu& driver = menu->Driver();
    menu->Items()->Items(0)->OnClick = [&](framework::TObject*) { popupsAtClick = driver.PopupCount(); };
    Open(*menu);
    Key(platform::VK_RIGHT);
    EXPECT_EQ(popupsAtClick, 1);
    ASSERT_EQ(driver.PopupCount(), 2);
    // The submenu's first item lines up with its parent item, right of it.
    const Rect parent = PopupOf(driver, 0).ItemScreenRect(0);
    const Rect first = PopupOf(driver, 1).ItemScreenRect(0);
    EXPECT_EQ(first.Top, parent.Top);
    EXPECT_EQ(PopupOf(driver, 1).Left(), parent.Right + 1);
    EXPECT_EQ(PopupOf(driver, 1).Selected(), 0);
}

TEST_F(PopupMenuTest, EscapeAndLeftBetweenLevels) {
    TbsSkinPopupMenu* menu = MakeMenu({"Recent>", "Open"}, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu);
    Key(platform::VK_LEFT);  // in the top-level popup: nothing
    EXPECT_TRUE(driver.Visible());
    EXPECT_EQ(driver.PopupCount(), 1);
    Key(platform::VK_RIGHT);
    ASSERT_EQ(driver.PopupCount(), 2);
    Key(platform::VK_ESCAPE);  // in a submenu: only the submenu closes
    EXPECT_TRUE(driver.Visible());
    EXPECT_EQ(driver.PopupCount(), 1);
    EXPECT_FALSE(PopupOf(driver, 0).Item(0).Down);
    Key(platform::VK_RIGHT);
    Key(platform::VK_LEFT);  // Left in a submenu as Escape
    EXPECT_EQ(driver.PopupCount(), 1);
    EXPECT_EQ(formClosed, 0);
    Key(platform::VK_ESCAPE);  // the whole menu
    EXPECT_FALSE(driver.Visible());
    EXPECT_EQ(formClosed, 1);
    EXPECT_EQ(closeHandlers, 1);
    ExpectGivenBack(driver);
}

TEST_F(PopupMenuTest, KeysWalkTheItemsAndChoose) {
    TbsSkinPopupMenu* menu = MakeMenu({"&Open", "-", "!Print", "&Save\tCtrl+S", "E&xit"}, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu);
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    const struct {
        int vk;
        int selected;
    } steps[] = {{platform::VK_DOWN, 3}, {platform::VK_DOWN, 4}, {platform::VK_DOWN, 0}, {platform::VK_UP, 4},
                 {platform::VK_HOME, 0}, {platform::VK_END, 4},  {platform::VK_UP, 3}};
    for (const auto& s : steps) {
        Key(s.vk);
        EXPECT_EQ(popup.Selected(), s.selected);
        EXPECT_TRUE(popup.Item(s.selected).Active);
    }
    EXPECT_FALSE(popup.Item(4).Active);
    Key(platform::VK_RETURN);
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Save"}));
    ExpectGivenBack(driver);
    // An access key chooses its item at once.
    Open(*menu);
    Key('X');
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Save", "E&xit"}));
    EXPECT_FALSE(driver.Visible());
}

TEST_F(PopupMenuTest, EveryWayOfClosingGivesTheInputBack) {
    struct Case {
        const char* what;
        std::function<void(TbsSkinMenu&)> close;
        int formNotices;
    };
    const Case cases[] = {
        {"Escape", [this](TbsSkinMenu&) { Key(platform::VK_ESCAPE); }, 1},
        {"a click elsewhere on the form",
         [this](TbsSkinMenu&) {
             display.click(form->ClientToScreen({700, 300}));
             Pump();
         },
         1},
        {"a click outside the program",
         [this](TbsSkinMenu&) {
             display.click({1000, 740});
             Pump();
         },
         1},
        {"a right click elsewhere",
         [this](TbsSkinMenu&) {
             display.click(form->ClientToScreen({700, 300}), platform::MouseButton::Right);
             Pump();
         },
         1},
        {"choosing an item",
         [this](TbsSkinMenu& d) {
             PointAt(*d.Popups(0), 1);
             display.pressButton();
             display.releaseButton();
             Pump();
         },
         1},
        {"the program losing the focus",
         [this](TbsSkinMenu&) {
             display.setApplicationFocus(false);
             Pump();
             display.setApplicationFocus(true);
             Pump();
         },
         1},
        {"the owner moving",
         [this](TbsSkinMenu&) {
             form->SetLeft(form->Left() + 5);
             Pump();
         },
         1},
        {"another window of the program activated",
         [this](TbsSkinMenu&) {
             auto* other = application.CreateForm<framework::TForm>();
             other->SetBounds(950, 10, 60, 60);
             other->Show();
             Pump();
             platform::SetForegroundWindow(form->Handle());
             Pump();
         },
         1},
        {"the skin changing",
         [this](TbsSkinMenu& d) {
             TbsCompressedStoredSkin other(nullptr);
             fixture::StoreSkin(other, "[VERSION]\nversion=3\n");
             d.SkinData()->LoadStoredSkin(other);
             Pump();
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TbsSkinPopupMenu* menu = MakeMenu({"Open", "Save", "Recent>"}, ShippedSkin());
        formClosed = closeHandlers = 0;
        clicks.clear();
        TbsSkinMenu& driver = Open(*menu);
        ExpectHeld(driver);
        c.close(driver);
        EXPECT_FALSE(driver.Visible());
        EXPECT_EQ(formClosed, c.formNotices);
        EXPECT_EQ(closeHandlers, 1);
        EXPECT_LE(clicks.size(), 1u);
        ExpectGivenBack(driver);
        delete menu;
    }
}

TEST_F(PopupMenuTest, AClickElsewhereGoesNoFurther) {
    TbsSkinPopupMenu* menu = MakeMenu({"Open"}, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu);
    Click(*button, 10, 10);
    EXPECT_FALSE(driver.Visible());
    EXPECT_EQ(buttonClicks, 0);
    Click(*button, 10, 10);
    EXPECT_EQ(buttonClicks, 1);
}

TEST_F(PopupMenuTest, ForAControlThatHearsTheCloseAndTheCommand) {
    auto* opener = new Opener(form);
    opener->SetParent(form);
    opener->SetBounds(200, 200, 80, 24);
    TbsSkinPopupMenu* menu = MakeMenu({"Close tab", "Close others"}, ShippedSkin());
    const Rect below = {opener->ClientToScreen({0, 0}).X, opener->ClientToScreen({0, 0}).Y,
                        opener->ClientToScreen({80, 24}).X, opener->ClientToScreen({80, 24}).Y};
    menu->PopupFor(opener, below, false);
    Pump();
    TbsSkinMenu& driver = menu->Driver();
    ASSERT_TRUE(driver.Visible());
    EXPECT_EQ(driver.Popups(0)->Top(), below.Bottom);
    EXPECT_EQ(driver.Popups(0)->Left(), below.Left);
    EXPECT_EQ(menu->PopupComponent(), opener);
    Key(platform::VK_RETURN);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Close tab"}));
    EXPECT_EQ(opener->closed, 1);
    EXPECT_EQ(opener->commands, 1);
    EXPECT_EQ(formClosed, 1);
    // Dismissed: closed, no command. Upward: above the control.
    menu->PopupFor(opener, below, true);
    Pump();
    EXPECT_EQ(driver.Popups(0)->Top() + driver.Popups(0)->Height(), below.Top);
    Key(platform::VK_ESCAPE);
    EXPECT_EQ(opener->closed, 2);
    EXPECT_EQ(opener->commands, 1);
}

TEST_F(PopupMenuTest, ScrollingALongMenu) {
    std::vector<std::string> captions;
    for (int i = 0; i < 60; ++i) captions.push_back("Item " + std::to_string(i));
    TbsSkinPopupMenu* menu = MakeMenu(captions, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu, {300, 400});
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    // As high as the work area, at its top, with markers.
    EXPECT_TRUE(popup.ScrollMode());
    EXPECT_EQ(popup.Top(), 0);
    EXPECT_EQ(popup.Height(), 738);
    const int shown = popup.ShownCount();
    EXPECT_GT(shown, 10);
    EXPECT_LT(shown, 60);
    SaveMenuScreen("long_menu");
    // The wheel: a notch down, a notch up.
    display.moveMouse(popup.ItemScreenRect(5).topLeft());
    display.turnWheel(-120);
    Pump();
    EXPECT_EQ(popup.FirstShown(), 1);
    display.turnWheel(240);
    Pump();
    EXPECT_EQ(popup.FirstShown(), 0);
    // The keyboard: up from the first item shows the last page, down from the last the first.
    display.moveMouse({1000, 700});
    Key(platform::VK_HOME);
    EXPECT_EQ(popup.Selected(), 0);
    Key(platform::VK_UP);
    EXPECT_EQ(popup.Selected(), 59);
    EXPECT_EQ(popup.FirstShown() + popup.ShownCount(), 60);
    Key(platform::VK_DOWN);
    EXPECT_EQ(popup.Selected(), 0);
    EXPECT_EQ(popup.FirstShown(), 0);
    // The pointer on the lower marker scrolls one item every 100 ms, and stops off it.
    const ScrollMarkers markers = MarkerRects(true, popup.Layout().Cl, {popup.Width(), popup.Height()});
    display.moveMouse(popup.ClientToScreen({markers.down.Left + 20, markers.down.Top + 5}));
    Pump();
    EXPECT_EQ(popup.Marker(), MarkerHot::Down);
    Wait(350);
    EXPECT_EQ(popup.FirstShown(), 3);
    SaveMenuScreen("long_menu_scrolled");
    display.moveMouse(popup.ItemScreenRect(10).topLeft());
    Pump();
    EXPECT_EQ(popup.Marker(), MarkerHot::None);
    Wait(300);
    EXPECT_EQ(popup.FirstShown(), 3);
}

TEST_F(PopupMenuTest, AnItemMaximumScrollsInPlace) {
    TbsSkinPopupMenu* menu = MakeMenu({"1", "2", "3", "4", "5", "6", "7", "8"}, ShippedSkin());
    menu->Driver().SetMaxMenuItemsInWindow(5);
    menu->Driver().SetMaxMenuItemsInWindow(-3);  // ignored
    TbsSkinMenu& driver = Open(*menu, {300, 200});
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    EXPECT_TRUE(popup.ScrollMode());
    EXPECT_TRUE(popup.ScrollByMaximum());
    EXPECT_EQ(popup.ShownCount(), 5);
    EXPECT_EQ(popup.BoundsRect().topLeft(), (Point{300, 200}));
    EXPECT_EQ(popup.Height(), 130);
    SaveMenuScreen("item_maximum");
}

TEST_F(PopupMenuTest, PopupsStayInTheWorkArea) {
    TbsSkinPopupMenu* menu = MakeMenu({"Recent>", "Open"}, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu, {1010, 100});
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    EXPECT_EQ(popup.Left() + popup.Width(), 1024);
    Key(platform::VK_RIGHT);
    ASSERT_EQ(driver.PopupCount(), 2);
    // No room on the right: the submenu opens on the left, one pixel apart.
    const Rect parent = popup.ItemScreenRect(0);
    EXPECT_EQ(PopupOf(driver, 1).Left() + PopupOf(driver, 1).Width() + 1, parent.Left);
    SaveMenuScreen("submenu_left");
}

// A frame as a form's skinned frame offers itself to the form's menus.
class FakeFrame : public TComponent, public TbsSkinMenuHost {
  public:
    FakeFrame(TComponent* owner, TbsSkinData* data) : TComponent(owner), data_(data) {
        driver_ = new TbsSkinMenu(this);
    }
    TbsSkinMenu& MenuDriver() override { return *driver_; }
    TbsSkinData* MenuSkinData() const override { return data_; }
    void MenuOpening() override { ++openings; }
    int openings = 0;

  private:
    TbsSkinMenu* driver_;
    TbsSkinData* data_;
};

TEST_F(PopupMenuTest, AFrameOfTheFormLendsItsDriverAndSkin) {
    TbsSkinData* data = ShippedSkin();
    auto* frame = new FakeFrame(form, data);
    TbsSkinPopupMenu* menu = MakeMenu({"Open"});
    EXPECT_EQ(menu->FindHost(), frame);
    TbsSkinMenu& driver = Open(*menu);
    EXPECT_EQ(&driver, &frame->MenuDriver());
    EXPECT_EQ(frame->openings, 1);
    EXPECT_EQ(driver.SkinData(), data);
    EXPECT_NE(PopupOf(driver, 0).Skin().popup, nullptr);
    // A second popup menu of the form opening closes the first one's.
    TbsSkinPopupMenu* other = MakeMenu({"Other"});
    Open(*other);
    EXPECT_FALSE(menu->IsOpen());
    EXPECT_TRUE(other->IsOpen());
    EXPECT_EQ(frame->openings, 2);
    // Going while open: the menu closes and the input is given back.
    delete other;
    ExpectGivenBack(driver);
}

TEST_F(PopupMenuTest, TheOwnerGoingWhileOpen) {
    auto* second = application.CreateForm<framework::TForm>();
    second->SetBounds(300, 300, 300, 200);
    second->Show();
    Pump();
    auto* menu = new TbsSkinPopupMenu(second);
    menus_test::AddItems(*menu->Items(), {"Open", "Recent>"});
    menu->SetSkinData(ShippedSkin());
    menu->Popup(350, 350);
    Pump();
    ASSERT_TRUE(menu->IsOpen());
    EXPECT_EQ(display.keyboardGrab(), second->Handle());
    delete second;
    Pump();
    EXPECT_EQ(platform::GetCapture(), nullptr);
    EXPECT_EQ(display.keyboardGrab(), nullptr);
    edit->SetFocus();
    Key('B');
    EXPECT_EQ(edit->Text(), "b");
}

TEST_F(PopupMenuTest, MorphsInFiveTicksOf20Ms) {
    TbsSkinPopupMenu* menu = MakeMenu({"Open", "Save"}, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu);
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    TbsSkinMenuItem& open = popup.Item(0);
    ASSERT_TRUE(open.Morphs());
    for (int tick = 1; tick <= 5; ++tick) {
        Wait(TbsSkinPopupWindow::kMorphInterval);
        EXPECT_DOUBLE_EQ(open.MorphProgress, tick * 0.2) << tick;
    }
    Key(platform::VK_DOWN);
    for (int tick = 1; tick <= 5; ++tick) {
        Wait(TbsSkinPopupWindow::kMorphInterval);
        EXPECT_NEAR(open.MorphProgress, 1.0 - tick * 0.2, 1e-12) << tick;
        EXPECT_NEAR(popup.Item(1).MorphProgress, tick * 0.2, 1e-12) << tick;
    }
    EXPECT_EQ(open.MorphProgress, 0.0);
    EXPECT_EQ(popup.Item(1).MorphProgress, 1.0);
}

TEST_F(PopupMenuTest, AlphaAndFadeOnlyWhereTheDisplayComposesIt) {
    TbsSkinPopupMenu* menu = MakeMenu({"Recent>", "Open"}, ShippedSkin());
    TbsSkinMenu& driver = menu->Driver();
    driver.SetAlphaBlend(true);
    driver.SetAlphaBlendAnimation(true);
    driver.SetAlphaBlendValue(200);
    const auto alphaOf = [](const TbsSkinPopupWindow& popup) -> std::optional<uint8_t> {
        uint8_t alpha = 0;
        platform::DWORD flags = 0;
        if (!platform::GetLayeredWindowAttributes(const_cast<TbsSkinPopupWindow&>(popup).Handle(), nullptr,
                                                  &alpha, &flags))
            return std::nullopt;
        return alpha;
    };
    Open(*menu);
    EXPECT_EQ(alphaOf(PopupOf(driver, 0)), std::nullopt);  // no compositing manager: opaque
    Key(platform::VK_ESCAPE);
    display.setComposesAlpha(true);
    display.setClockStepPerRead(2);
    Open(*menu);
    display.setClockStepPerRead(0);
    // The first popup faded in to the value; a submenu is at the value at once.
    EXPECT_EQ(alphaOf(PopupOf(driver, 0)), 200);
    Key(platform::VK_RIGHT);
    ASSERT_EQ(driver.PopupCount(), 2);
    EXPECT_EQ(alphaOf(PopupOf(driver, 1)), 200);
}

TEST_F(PopupMenuTest, WithoutSkinTheBuiltInLook) {
    TbsSkinPopupMenu* menu = MakeMenu({"Open", "-", "*Wrap", "Recent>"});
    TbsSkinMenu& driver = Open(*menu);
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    EXPECT_EQ(popup.Skin().popup, nullptr);
    EXPECT_EQ(popup.Height(), 20 + 4 + 20 + 20 + 4);
    EXPECT_EQ(popup.Layout().Cl, (Rect{2, 2, popup.Width() - 2, popup.Height() - 2}));
    SaveMenuScreen("built_in_look");
}

TEST_F(PopupMenuTest, ThousandsOfItemsAndBrokenCaptions) {
    std::vector<std::string> captions;
    for (int i = 0; i < 3000; ++i)
        captions.push_back(i % 7 == 0 ? "\xff\xfe broken \xc3" : "Item " + std::to_string(i));
    TbsSkinPopupMenu* menu = MakeMenu(captions, ShippedSkin());
    TbsSkinMenu& driver = Open(*menu);
    TbsSkinPopupWindow& popup = PopupOf(driver, 0);
    EXPECT_LE(popup.Height(), 738);
    Key(platform::VK_END);
    EXPECT_EQ(popup.Selected(), 2999);
    Pump();
    SaveMenuScreen("thousands");
    Key(platform::VK_ESCAPE);
    ExpectGivenBack(driver);
}

// Damaged POPUPWINDOW and MENUITEM records: the menu opens, draws and works all the same, falling
// back to the built-in look where a record cannot be drawn from.
TEST_F(PopupMenuTest, DamagedRecordsStillOpenAndDraw) {
    struct Case {
        const char* what;
        std::string popup;
        std::string item;
        bool skinnedFrame, skinnedItems;
    };
    const std::string goodPopup =
        "windowpictureindex=0\nlefttoppoint=22,10\nrighttoppoint=51,10\nleftbottompoint=24,29\n"
        "rightbottompoint=50,30\nitemsrect=17,5,56,35\n";
    const std::string goodItem =
        "activepictureindex=1\nskinrect=0,0,54,20\nactiveskinrect=0,20,54,40\n"
        "dividerrect=0,40,53,43\nitemleftoffset=8\nitemrightoffset=8\ntextrect=2,2,52,18\n";
    const Case cases[] = {
        {"well formed", goodPopup, goodItem, true, true},
        {"popup picture missing", "windowpictureindex=9\nitemsrect=17,5,56,35\n", goodItem, false, true},
        {"popup rectangles empty and inverted",
         "windowpictureindex=0\nlefttoppoint=0,0\nrighttoppoint=0,0\nitemsrect=40,30,5,2\n", goodItem, true,
         true},
        {"popup rectangles huge and outside",
         "windowpictureindex=0\nmaskpictureindex=0\nlefttoppoint=99999,-99999\nrighttoppoint=-5,100000\n"
         "itemsrect=-100000,-100000,100000,100000\n",
         goodItem, true, true},
        {"item face without height", goodPopup, "activepictureindex=1\nskinrect=0,20,54,20\n", true, false},
        {"item face inverted", goodPopup, "activepictureindex=1\nskinrect=54,40,0,20\n", true, false},
        {"item picture missing", goodPopup,
         "activepictureindex=7\nskinrect=0,0,54,20\ndividerrect=0,0,5,-3\n", true, true},
        {"item rectangles outside the picture and huge", goodPopup,
         "activepictureindex=1\nskinrect=500,500,9000,520\nactiveskinrect=99999,99999,2,0\n"
         "dividerrect=0,0,100000,0\nitemleftoffset=-40\nitemrightoffset=100000\ntextrect=100000,-5,-100000,"
         "9\n"
         "imagerect=5,5,-5,-5\narrowimagerect=0,0,99999,99999\nframecount=-3\nanimateskinrect=0,0,54,2000\n"
         "morphing=1\n",
         true, true},
        {"animation strip of a million frames", goodPopup,
         goodItem + "animateskinrect=0,0,54,20\nframecount=1000000\n", true, true},
    };
    std::vector<framework::TBitmap> pictures;
    pictures.push_back(fixture::MakePicture(61, 40, framework::TPixelFormat::pf24bit));
    pictures.push_back(fixture::MakePicture(54, 100, framework::TPixelFormat::pf8bit, 256));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string ini =
            "[VERSION]\nversion=3\n[PICTURES]\ncount=2\n0=pw.bmp\n1=items.bmp\n[POPUPWINDOW]\n" + c.popup +
            "[SKINOBJECTS]\ncount=1\n0=MENUITEM:menuitem\n[MENUITEM]\n" + c.item;
        TbsSkinData* data = SkinOf(ini, pictures);
        ASSERT_FALSE(data->Empty());
        TbsSkinPopupMenu* menu = MakeMenu({"Open", "-", "*Wrap", "Recent>", "!Print", "-Header-"}, data);
        TbsSkinMenu& driver = Open(*menu);
        ASSERT_TRUE(driver.Visible());
        TbsSkinPopupWindow& popup = PopupOf(driver, 0);
        EXPECT_EQ(popup.Skin().popup != nullptr, c.skinnedFrame);
        EXPECT_EQ(popup.Skin().item != nullptr, c.skinnedItems);
        Key(platform::VK_DOWN);
        Key(platform::VK_DOWN);
        Key(platform::VK_RIGHT);
        Wait(200);
        Key(platform::VK_ESCAPE);
        Key(platform::VK_ESCAPE);
        EXPECT_FALSE(driver.Visible());
        delete menu;
    }
}

}  // namespace
