// What the menu tests share: the controls' fixture (a shown form on the headless display, the
// shipped skin), menus built from a short text, and the popups of an open menu.
#pragma once

#include <string>
#include <vector>

#include "framework/menus/menu_item.h"
#include "skin/menus/skin_menu.h"
#include "skin/menus/skin_popup_menu.h"
#include "skin/menus/skin_popup_window.h"
#include "tests/skin_controls/controls_fixture.h"

namespace menus_test {

// Items from a list such as {"&Open", "-", "!Disabled", "*Checked", "Sub>", "Save\tCtrl+S"}: a
// leading "!" disables, "*" checks, a trailing ">" gives two sub-items ("Sub 1", "Sub 2"), text
// after a tab is the short-cut. Each item's OnClick counts in `clicks` under its caption.
void AddItems(framework::TMenuItem& root, const std::vector<std::string>& captions);

class MenusTest : public controls_test::ControlsTest {
  protected:
    MenusTest();
    ~MenusTest() override;

    // A popup menu of the form with those items.
    skin::TbsSkinPopupMenu* MakeMenu(const std::vector<std::string>& captions,
                                     skin::TbsSkinData* data = nullptr);
    // The open popups of a menu's driver.
    static skin::TbsSkinPopupWindow& PopupOf(skin::TbsSkinMenu& driver, int level);
    // Moves the pointer to the centre of item `index` of a popup and lets the tracking see it.
    void PointAt(skin::TbsSkinPopupWindow& popup, int index);
    // Runs the loop for that long on the test clock.
    void Wait(uint32_t milliseconds);
    void Key(int vk);
    void SaveMenuScreen(const std::string& name) const;

    std::vector<std::string> clicks;
};

}  // namespace menus_test
