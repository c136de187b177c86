// The shipped skin's controls after loading: one section for every control the engine knows by
// name, the result tab strip's "tab" record and the two up-down records.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "shipped_skin_fixture.h"

namespace {

using namespace skin;
using shipped::Control;
using shipped::ExpectKeys;
using shipped::KeyValue;
using shipped::kLeftOut;
using shipped::Skin;

// clang-format off
// Every control type and the sections of that type a skin offers the skinned controls.
struct TypeSections {
    const char* type;
    std::vector<const char*> sections;
};

const TypeSections kControlSections[] = {
    {"button",
     {"button", "toolbutton", "resizebutton", "bigtoolbutton", "resizetoolbutton", "htracktoolbutton",
      "vtracktoolbutton"}},
    {"menubutton", {"bigtoolmenubutton", "bigtoolmenutrackbutton", "toolmenubutton", "toolmenutrackbutton"}},
    {"panel", {"toolpanel", "panel", "groupbox", "statusbar", "bigtoolpanel", "resizetoolpanel"}},
    {"expanel", {"expanel"}},
    {"checkradio", {"checkbox", "radiobox"}},
    {"gauge", {"gauge", "vgauge", "statusgauge"}},
    {"splitter", {"vsplitter", "hsplitter"}},
    {"trackbar", {"trackbar", "htrackbar"}},
    {"label", {"label", "statuspanel"}},
    {"stdlabel", {"stdlabel"}},
    {"updown", {"vupdown", "hupdown"}},
    {"grid", {"grid"}},
    {"tab", {"tab"}},
    {"mainmenubar", {"mainmenubar"}},
    {"controlbar", {"controlbar"}},
    {"edit", {"edit", "buttonedit", "statusedit", "statusbuttonedit", "tooledit", "toolbuttonedit"}},
    {"memo", {"memo"}},
    {"listbox", {"listbox", "captionlistbox"}},
    {"checklistbox", {"checklistbox", "captionchecklistbox"}},
    {"combobox", {"combobox", "captioncombobox", "statuscombobox", "toolcombobox"}},
    {"scrollbar", {"hscrollbar", "vscrollbar", "bothhscrollbar"}},
    {"spinedit", {"spinedit", "statusspinedit", "toolspinedit"}},
    {"scrollbox", {"scrollbox"}},
    {"treeview", {"treeview"}},
    {"listview", {"listview"}},
    {"richedit", {"richedit"}},
    {"bevel", {"bevel"}},
    {"slider", {"slider"}},
};

// The result tabs. The tab's close boxes, dividers and MDI buttons are not in this record: the
// section leaves those keys out, so they are empty faces and black transparent colours.
const KeyValue kTab[] = {
    {"pictureindex", "3"},
    {"maskpictureindex", "-1"},
    {"skinrect", "356,11,425,67"},
    {"tabrect", "45,72,86,89"},
    {"activetabrect", "3,72,44,89"},
    {"focustabrect", "45,90,86,107"},
    {"mouseintabrect", "0,0,0,0"},
    {"clientrect", "3,2,66,54"},
    {"bgpictureindex", "-1"},
    {"lefttoppoint", "5,3"},
    {"righttoppoint", "62,5"},
    {"leftbottompoint", "5,50"},
    {"rightbottompoint", "62,50"},
    {"tableftoffset", "10"},
    {"tabrightoffset", "10"},
    {"tabsbgrect", "357,69,395,86"},
    {"tabstretcheffect", "0"},
    {"leftstretch", "0"},
    {"topstretch", "0"},
    {"rightstretch", "0"},
    {"bottomstretch", "0"},
    {"stretcheffect", "0", kLeftOut},
    {"stretchtype", "stfull", kLeftOut},
    {"fontname", "Arial"},
    {"fontheight", "14"},
    {"fontstyle", ""},
    {"fontcolor", "0"},
    {"activefontcolor", "0"},
    {"focusfontcolor", "0"},
    {"mouseinfontcolor", "16777215"},
    {"updown", "hupdown"},
    {"showfocus", "0"},
    {"focusoffsetx", "0"},
    {"focusoffsety", "0"},
    {"closebuttonrect", "0,0,0,0", kLeftOut},
    {"closebuttonactiverect", "0,0,0,0", kLeftOut},
    {"closebuttondownrect", "0,0,0,0", kLeftOut},
    {"buttontransparent", "0", kLeftOut},
    {"buttontransparentcolor", "0", kLeftOut},
    {"dividerrect", "0,0,0,0", kLeftOut},
    {"dividertransparent", "0", kLeftOut},
    {"dividertransparentcolor", "0", kLeftOut},
    {"mdicloserect", "0,0,0,0", kLeftOut},
    {"mdicloseactiverect", "0,0,0,0", kLeftOut},
    {"mdiclosedownrect", "0,0,0,0", kLeftOut},
    {"mdirestorerect", "0,0,0,0", kLeftOut},
    {"mdirestoreactiverect", "0,0,0,0", kLeftOut},
    {"mdirestoredownrect", "0,0,0,0", kLeftOut},
    {"mdiminrect", "0,0,0,0", kLeftOut},
    {"mdiminactiverect", "0,0,0,0", kLeftOut},
    {"mdimindownrect", "0,0,0,0", kLeftOut},
    {"mdibuttonstransparent", "0", kLeftOut},
    {"mdibuttonstransparentcolor", "0", kLeftOut},
};

// The up-down faces are never cut in nine parts: whatever a section says, the corner points and
// the client rectangle end at zero.
const KeyValue kUpDownUncut[] = {
    {"maskpictureindex", "-1"},
    {"lefttoppoint", "0,0"},
    {"righttoppoint", "0,0"},
    {"leftbottompoint", "0,0"},
    {"rightbottompoint", "0,0"},
    {"clientrect", "0,0,0,0"},
    {"leftstretch", "0"},
    {"topstretch", "0"},
    {"rightstretch", "0"},
    {"bottomstretch", "0"},
    {"stretcheffect", "0"},
    {"stretchtype", "stfull"},
};

// Horizontal: the up button is the right one. Button places are relative to "skinrect"; the
// hot and pressed faces are positions in the picture.
const KeyValue kHUpDown[] = {
    {"pictureindex", "3"},
    {"skinrect", "142,171,178,189"},
    {"upbuttonrect", "18,0,36,18"},
    {"activeupbuttonrect", "180,171,198,189"},
    {"downupbuttonrect", "201,171,219,189"},
    {"downbuttonrect", "0,0,18,18"},
    {"activedownbuttonrect", "142,131,160,149"},
    {"downdownbuttonrect", "142,151,160,169"},
};

// Vertical: the up button is the upper one.
const KeyValue kVUpDown[] = {
    {"pictureindex", "3"},
    {"skinrect", "480,117,498,153"},
    {"upbuttonrect", "0,0,18,18"},
    {"activeupbuttonrect", "480,174,498,192"},
    {"downupbuttonrect", "480,154,498,172"},
    {"downbuttonrect", "0,18,18,36"},
    {"activedownbuttonrect", "499,117,517,135"},
    {"downdownbuttonrect", "499,136,517,154"},
};
// clang-format on

TEST(ShippedControls, OneSectionForEveryNamedControlWithItsType) {
    std::map<std::string, std::string> typeOf;
    for (const TypeSections& t : kControlSections)
        for (const char* section : t.sections) typeOf[section] = t.type;

    const auto& controls = Skin().SkinControls();
    EXPECT_EQ(controls.size(), 63u);
    EXPECT_EQ(controls.size(), typeOf.size());
    for (const auto& control : controls) {
        auto expected = typeOf.find(control->IDName);
        if (expected == typeOf.end()) {
            ADD_FAILURE() << "unexpected control \"" << control->IDName << "\"";
            continue;
        }
        EXPECT_EQ(control->TypeName(), expected->second) << control->IDName;
        typeOf.erase(expected);  // a name listed twice is then reported as unexpected
    }
    for (const auto& [section, type] : typeOf)
        ADD_FAILURE() << "no control \"" << section << "\" of type " << type;

    EXPECT_EQ(Skin().FindControlIndex("tab"), 12);
    EXPECT_EQ(Skin().FindControlIndex("hupdown"), 26);
}

TEST(ShippedControls, TabRecord) {
    const auto* tab = Control<TbsDataSkinTabControl>("tab");
    ASSERT_NE(tab, nullptr);
    ExpectKeys(*tab, "tab", kTab);
    // The scroller it names is the horizontal up-down record.
    EXPECT_EQ(Skin().FindControlIndex(tab->UpDown), 26);
    EXPECT_NE(Control<TbsDataSkinUpDownControl>(tab->UpDown), nullptr);
}

TEST(ShippedControls, UpDownRecords) {
    const auto* hupdown = Control<TbsDataSkinUpDownControl>("hupdown");
    const auto* vupdown = Control<TbsDataSkinUpDownControl>("vupdown");
    ASSERT_NE(hupdown, nullptr);
    ASSERT_NE(vupdown, nullptr);
    ExpectKeys(*hupdown, "hupdown", kHUpDown);
    ExpectKeys(*hupdown, "hupdown", kUpDownUncut);
    ExpectKeys(*vupdown, "vupdown", kVUpDown);
    ExpectKeys(*vupdown, "vupdown", kUpDownUncut);
}

}  // namespace
