#include "skin/data/resource_strings.h"

#include <gtest/gtest.h>

#include <set>

using namespace skin;

namespace {

TEST(ResourceStrings, NewComponentHoldsTheDefaultLines) {
    TbsResourceStrData data(nullptr);
    ASSERT_EQ(data.ResStrings().size(), 131u);
    EXPECT_EQ(data.ResStrings().front(), "MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(data.ResStrings().back(), "DBNAV_REFRESH=" + std::string(BuiltInResString("DBNAV_REFRESH")));
    EXPECT_EQ(data.CharSet(), DEFAULT_CHARSET);
    std::set<std::string> keys;
    for (const ResString& s : kDefaultResStrings)
        EXPECT_TRUE(keys.insert(std::string(s.key)).second) << s.key;
}

TEST(ResourceStrings, TheFramesTexts) {
    const std::pair<const char*, const char*> texts[] = {
        {"MI_MINCAPTION", "Mi&nimize"},
        {"MI_MAXCAPTION", "Ma&ximize"},
        {"MI_CLOSECAPTION", "&Close"},
        {"MI_RESTORECAPTION", "&Restore"},
        {"MI_MINTOTRAYCAPTION", "Minimize to &Tray"},
        {"MI_ROLLUPCAPTION", "Ro&llUp"},
        {"MINBUTTON_HINT", "Minimize"},
        {"MAXBUTTON_HINT", "Maximize"},
        {"CLOSEBUTTON_HINT", "Close"},
        {"TRAYBUTTON_HINT", "Minimize to Tray"},
        {"ROLLUPBUTTON_HINT", "Roll Up"},
        {"MENUBUTTON_HINT", "System menu"},
        {"RESTORE_HINT", "Restore"},
        {"MSG_BTN_YES", "&Yes"},
        {"FIND_REPLACE_All", "Replace All"},
        {"PRNDLG_MARGINS", "Margins (millimeters)"},
    };
    TbsResourceStrData data(nullptr);
    for (const auto& [key, text] : texts) {
        EXPECT_EQ(data.GetResString(key), text);
        EXPECT_EQ(BuiltInResString(key), text);
    }
}

TEST(ResourceStrings, LookupsIgnoreCaseAndTakeEverythingAfterTheFirstEquals) {
    TbsResourceStrData data(nullptr);
    EXPECT_EQ(data.GetResString("mi_closecaption"), "&Close");
    EXPECT_EQ(data.GetResString("find_replace_all"), "Replace All");
    data.SetResStrings({"MSG_CAP_ERROR=Error=Fatal", "no equals sign", "DUP=first", "dup=second", "EMPTY="});
    EXPECT_EQ(data.GetResString("MSG_CAP_ERROR"), "Error=Fatal");
    EXPECT_EQ(data.GetResString("dup"), "first");
    EXPECT_EQ(data.GetResString("EMPTY"), "");
    EXPECT_EQ(data.GetResString("no equals sign"), "");
    EXPECT_EQ(data.GetResString("MI_CLOSECAPTION"), "") << "setting the lines replaces all of them";
}

TEST(ResourceStrings, ConsumersAskTheComponentWhenThereIsOne) {
    TbsResourceStrData data(nullptr);
    data.SetResStrings({"MI_CLOSECAPTION=Schlie&ssen"});
    EXPECT_EQ(SkinResString(&data, "MI_CLOSECAPTION"), "Schlie&ssen");
    EXPECT_EQ(SkinResString(&data, "MI_MINCAPTION"), "")
        << "an unknown key shows empty, not the built-in text";
    EXPECT_EQ(SkinResString(nullptr, "MI_MINCAPTION"), "Mi&nimize");
    EXPECT_EQ(SkinResString(nullptr, "NO_SUCH_KEY"), "");
}

}  // namespace
