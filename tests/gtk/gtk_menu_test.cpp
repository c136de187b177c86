// The skinned popup menu on a real X display with real input (xdotool): a button opens it; the
// keyboard walks it into a submenu and back and chooses an item, whose command runs once; it opens
// again and closes by a click elsewhere, by Escape and by its window losing the activation. While
// it is open the desktop's pointer and keyboard are grabbed; after every close they are given
// back, and keys and clicks reach the window again. Once on a bare X server, once with a window
// manager (openbox) when one is installed.
#include <gtk/gtk.h>

#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/forms/application.h"
#include "framework/forms/form.h"
#include "platform/display/gtk/x11.h"
#include "platform/window/focus.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skins/shipped_skin.h"
#include "tests/gtk/desktop_test_support.h"
#include "tests/gtk/window_manager.h"

namespace platform::test {
namespace {

using framework::TApplication;
using framework::TButton;
using framework::TEdit;
using framework::TForm;
using framework::TMenuItem;

class GtkMenuTest : public DesktopTest {
  protected:
    void SetUpForm() {
        form = application.CreateForm<TForm>();
        form->SetBorderStyle(framework::TFormBorderStyle::bsSingle);
        form->SetCaption("Velmoro menu test");
        form->SetBounds(100, 80, 500, 300);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(20, 20, 200, 24);
        opener = new TButton(form);
        opener->SetParent(form);
        opener->SetBounds(20, 60, 120, 28);
        other = new TButton(form);
        other->SetParent(form);
        other->SetBounds(20, 220, 120, 28);
        other->OnClick = [this](framework::TObject*) { ++otherClicks; };

        auto* data = skin::LoadEmbeddedSkin(form, skins::ShippedSkinCompressedData());

        menu = new skin::TbsSkinPopupMenu(form);
        menu->SetSkinData(data);
        AddItem(*menu->Items(), "&Open");
        TMenuItem* recent = AddItem(*menu->Items(), "&Recent");
        AddItem(*recent, "连衣裙");
        AddItem(*recent, "T恤");
        AddItem(*menu->Items(), "-");
        AddItem(*menu->Items(), "E&xit");
        opener->OnClick = [this](framework::TObject*) {
            Rect r;
            GetWindowRect(opener->Handle(), &r);
            menu->PopupFor(opener, r, false);
        };
        form->Show();
        ASSERT_TRUE(runUntil([&] { return screenColorAt(centreOf(edit->Handle())) != COLORREF(-1); }));
        runUntil([] { return false; }, 300);
    }

    TMenuItem* AddItem(TMenuItem& parent, const std::string& caption) {
        auto* item = new TMenuItem(nullptr);
        item->SetCaption(caption);
        item->OnClick = [this, caption](framework::TObject*) { chosen.push_back(caption); };
        parent.Add(item);
        return item;
    }

    static Point centreOf(HWND window) {
        Rect r;
        GetWindowRect(window, &r);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    static std::string at(Point p) { return std::to_string(p.X) + " " + std::to_string(p.Y); }

    bool grabbed(bool keyboard) const {
        GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
        GdkDevice* device = keyboard ? gdk_seat_get_keyboard(seat) : gdk_seat_get_pointer(seat);
        return gdk_display_device_is_grabbed(gdk_display_get_default(), device);
    }

    skin::TbsSkinMenu& driver() { return menu->Driver(); }

    void OpenByClick() {
        xdotool("mousemove " + at(centreOf(opener->Handle())) + " click 1");
        ASSERT_TRUE(runUntil([&] { return driver().Visible(); })) << "the menu did not open";
        EXPECT_TRUE(runUntil([&] { return grabbed(false) && grabbed(true); }))
            << "the open menu holds the pointer and the keyboard";
    }

    // Closed and given back: no grab; typing reaches the edit, a click the other button.
    void ExpectGivenBack(const std::string& typed) {
        ASSERT_TRUE(runUntil([&] { return !driver().Visible(); })) << "the menu did not close";
        EXPECT_TRUE(runUntil([&] { return !grabbed(false) && !grabbed(true); }))
            << "the grabs were not given back";
        xdotool("mousemove " + at(centreOf(edit->Handle())) + " click 1");
        ASSERT_TRUE(runUntil([&] { return GetFocus() == edit->Handle(); }));
        edit->SetText("");
        xdotoolMeanwhile("type --delay 80 " + typed);
        EXPECT_TRUE(runUntil([&] { return edit->Text() == typed; }, 10000)) << edit->Text();
        const int before = otherClicks;
        xdotool("mousemove " + at(centreOf(other->Handle())) + " click 1");
        EXPECT_TRUE(runUntil([&] { return otherClicks == before + 1; }));
    }

    void Scenario(const std::string& name) {
        SetUpForm();
        // Keyboard: into the submenu and back, then choose.
        OpenByClick();
        saveScreenshot(name + "_open");
        xdotool("key Down Right");
        ASSERT_TRUE(runUntil([&] { return driver().PopupCount() == 2; })) << "no submenu";
        runUntil([] { return false; }, 200);
        saveScreenshot(name + "_submenu");
        xdotool("key Left");
        ASSERT_TRUE(runUntil([&] { return driver().PopupCount() == 1; }));
        EXPECT_TRUE(driver().Visible());
        xdotool("key Right Down Return");
        ASSERT_TRUE(runUntil([&] { return !driver().Visible(); }));
        EXPECT_EQ(chosen, (std::vector<std::string>{"&Recent", "&Recent", "T恤"}));
        ExpectGivenBack("abc");

        // A click elsewhere: the menu closes, the click goes no further.
        OpenByClick();
        const int before = otherClicks;
        xdotool("mousemove " + at(centreOf(other->Handle())) + " click 1");
        ExpectGivenBack("def");
        EXPECT_EQ(otherClicks, before + 1);  // only the click after the close

        // Escape.
        OpenByClick();
        xdotool("key Escape");
        ExpectGivenBack("ghi");

        // The window losing the activation to another of the program's windows.
        OpenByClick();
        auto* second = application.CreateForm<TForm>();
        second->SetBounds(700, 80, 200, 150);
        second->Show();
        SetForegroundWindow(second->Handle());
        ASSERT_TRUE(runUntil([&] { return !driver().Visible(); }));
        EXPECT_TRUE(runUntil([&] { return !grabbed(false) && !grabbed(true); }));
        delete second;
        ExpectGivenBack("jkl");
        EXPECT_EQ(chosen.size(), 3u);
    }

    TApplication application;
    TForm* form = nullptr;
    TEdit* edit = nullptr;
    TButton* opener = nullptr;
    TButton* other = nullptr;
    skin::TbsSkinPopupMenu* menu = nullptr;
    std::vector<std::string> chosen;
    int otherClicks = 0;
};

TEST_F(GtkMenuTest, OnABareXServer) {
    Scenario("gtk_menu");
}

TEST_F(GtkMenuTest, WithAWindowManager) {
    WindowManager wm;
    if (!wm.running())
        GTEST_SKIP() << "openbox is not installed or did not start";
    GdkScreen* screen = gdk_screen_get_default();
    if (!runUntil([&] { return gtk::WindowManagerRuns(screen); }, 10000))
        GTEST_SKIP() << "the window manager did not start";
    Scenario("gtk_menu_wm");
}

}  // namespace
}  // namespace platform::test
