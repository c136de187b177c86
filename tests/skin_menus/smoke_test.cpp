#include <gtest/gtest.h>

#include "platform/window/keys.h"
#include "tests/skin_menus/menus_fixture.h"

using namespace skin;
using menus_test::MenusTest;

namespace {

TEST_F(MenusTest, Smoke) {
    TbsSkinData* data = ShippedSkin();
    TbsSkinPopupMenu* menu = MakeMenu({"&Open", "&Save\tCtrl+S", "-", "Recent>", "!Disabled", "*Checked"}, data);
    menu->Popup(100, 100);
    Pump();
    TbsSkinMenu& driver = menu->Driver();
    ASSERT_TRUE(driver.Visible());
    TbsSkinPopupWindow& top = PopupOf(driver, 0);
    EXPECT_EQ(top.Selected(), 0);
    Wait(200);
    SaveMenuScreen("smoke_open");
    Key(platform::VK_DOWN);
    Key(platform::VK_DOWN);
    Wait(200);
    EXPECT_EQ(top.Selected(), 3);
    Key(platform::VK_RIGHT);
    Wait(200);
    ASSERT_EQ(driver.PopupCount(), 2);
    SaveMenuScreen("smoke_sub");
    Key(platform::VK_RETURN);
    Pump();
    EXPECT_FALSE(driver.Visible());
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0], "Recent");
    EXPECT_EQ(clicks[1], "Recent 1");
}

}  // namespace
