// The shipped skin's objects after loading: the list, the caption, the caption and menu-bar
// buttons with their commands and restore hints, the menu items.
#include <gtest/gtest.h>

#include <algorithm>

#include "shipped_skin_fixture.h"

namespace {

using namespace skin;
using shipped::ExpectKeys;
using shipped::KeyValue;
using shipped::kLeftOut;
using shipped::Object;
using shipped::Skin;

// clang-format off
struct Listed {
    const char* name;
    const char* type;
};

const Listed kObjects[] = {
    {"MENUITEM", "menuitem"},
    {"caption1", "caption"},
    {"closebutton", "stdbutton"},
    {"minbutton", "stdbutton"},
    {"maxbutton", "stdbutton"},
    {"rollupbutton", "stdbutton"},
    {"mainmenubaritem1", "mainmenubaritem"},
    {"systemmenubutton", "stdbutton"},
    {"menubarsysmenubutton", "mainmenubarbutton"},
    {"menubarclosebutton", "mainmenubarbutton"},
    {"menubarmaxbutton", "mainmenubarbutton"},
    {"menubarminbutton", "mainmenubarbutton"},
    {"traybutton", "stdbutton"},
};

// The caption buttons and the menu bar's buttons: hint, command code and the restore hint, which
// no section writes, so the toggling buttons derive "Restore".
struct Button {
    const char* name;
    const char* hint;
    int command;
    const char* restoreHint;
};

const Button kButtons[] = {
    {"closebutton", "Close", 0, ""},
    {"minbutton", "Minimize", 2, "Restore"},
    {"maxbutton", "Maximize", 1, "Restore"},
    {"rollupbutton", "RollUp", 5, "Restore"},
    {"systemmenubutton", "System menu", 3, ""},
    {"menubarsysmenubutton", "System menu", 3, ""},
    {"menubarclosebutton", "Close", 0, ""},
    {"menubarmaxbutton", "Maximize", 1, "Restore"},
    {"menubarminbutton", "Minimize", 2, "Restore"},
    {"traybutton", "Minimize to Tray", 6, ""},  // "cmminimizetotray"
};

const KeyValue kCloseButton[] = {
    {"hint", "Close"},
    {"activepictureindex", "0"},
    {"skinrectinapicture", "1"},
    {"skinrect", "40,0,58,17"},
    {"activeskinrect", "20,0,38,17"},
    {"downrect", "0,0,18,17"},
    {"morphing", "1"},
    {"command", "cmclose"},
    {"restorehint", "", kLeftOut},
};

// Drawn straight onto the caption bar of the frame picture.
const KeyValue kCaption[] = {
    {"skinrectinapicture", "0"},
    {"skinrect", "12,5,145,20"},
    {"textrect", "3,0,130,15"},
    {"fontname", "Arial"},
    {"fontheight", "16"},
    {"fontstyle", "fsbold"},
    {"fontcolor", "12632256"},
    {"activefontcolor", "16777215"},
    {"alignment", "tacenter"},
    {"shadow", "1"},
    {"shadowcolor", "0"},
    {"activeshadowcolor", "0"},
    {"gloweffect", "0", kLeftOut},
    {"vistagloweffect", "0", kLeftOut},
    {"glowsize", "3", kLeftOut},
};

// The marks are left out, so their highlighted faces fall back to the (empty) normal ones.
const KeyValue kMenuItem[] = {
    {"activepictureindex", "2"},
    {"skinrectinapicture", "1"},
    {"skinrect", "0,54,54,74"},
    {"activeskinrect", "0,75,54,95"},
    {"dividerrect", "0,96,53,99"},
    {"itemleftoffset", "8"},
    {"itemrightoffset", "8"},
    {"textrect", "2,2,52,18"},
    {"fontname", "Arial"},
    {"fontheight", "14"},
    {"unenabledfontcolor", "8421504"},
    {"animateinterval", "20"},
    {"checkimagerect", "0,0,0,0", kLeftOut},
    {"activecheckimagerect", "0,0,0,0", kLeftOut},
    {"radioimagerect", "0,0,0,0", kLeftOut},
    {"activeradioimagerect", "0,0,0,0", kLeftOut},
    {"arrowimagerect", "0,0,0,0", kLeftOut},
    {"activearrowimagerect", "0,0,0,0", kLeftOut},
};
// clang-format on

TEST(ShippedObjects, ListedInOrderWithTheirRecordClasses) {
    const auto& objects = Skin().SkinObjects();
    ASSERT_EQ(objects.size(), std::size(kObjects));
    for (size_t i = 0; i < std::size(kObjects); ++i) {
        EXPECT_EQ(objects[i]->IDName, kObjects[i].name) << "position " << i;
        EXPECT_EQ(objects[i]->TypeName(), kObjects[i].type) << kObjects[i].name;
    }
    EXPECT_NE(Object<TbsDataSkinMenuItem>("MENUITEM"), nullptr);
    EXPECT_EQ(Skin().FindObjectIndex("MENUITEM"), 0);
    EXPECT_EQ(Skin().FindObjectIndex("menuitem"), -1);  // names are case-sensitive
}

TEST(ShippedObjects, ButtonCommandsAndRestoreHints) {
    for (const Button& b : kButtons) {
        SCOPED_TRACE(b.name);
        const auto* button = Object<TbsDataSkinStdButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Hint, b.hint);
        EXPECT_EQ(int(button->Command), b.command);
        EXPECT_EQ(button->RestoreHint, b.restoreHint);
        EXPECT_EQ(shipped::ShippedIni().Find(b.name, "restorehint"), nullptr);
    }
}

TEST(ShippedObjects, CloseButtonFaces) {
    const auto* close = Object<TbsDataSkinStdButton>("closebutton");
    ASSERT_NE(close, nullptr);
    ExpectKeys(*close, "closebutton", kCloseButton);
}

TEST(ShippedObjects, Caption) {
    const auto* caption = Object<TbsDataSkinCaption>("caption1");
    ASSERT_NE(caption, nullptr);
    ExpectKeys(*caption, "caption1", kCaption);
}

TEST(ShippedObjects, MenuItem) {
    const auto* item = Object<TbsDataSkinMenuItem>("MENUITEM");
    ASSERT_NE(item, nullptr);
    ExpectKeys(*item, "MENUITEM", kMenuItem);
}

// The section spells the key "unenabledfontColor"; keys match without regard to case.
TEST(ShippedObjects, MainMenuBarItemReadsItsMixedCaseDisabledColor) {
    const auto* item = Object<TbsDataSkinMainMenuBarItem>("mainmenubaritem1");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->UnEnabledFontColor, 8421504u);
    const auto* entries = shipped::ShippedIni().Entries("mainmenubaritem1");
    ASSERT_NE(entries, nullptr);
    EXPECT_TRUE(std::any_of(entries->begin(), entries->end(), [](const IniDocument::Entry& e) {
        return e.key == "unenabledfontColor" && e.value == "8421504";
    }));
}

}  // namespace
