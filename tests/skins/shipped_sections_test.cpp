// The shipped skin's file-level sections after loading: the frame (FORMINFO), the eight colours
// and the popup menu and hint windows.
#include <gtest/gtest.h>

#include "shipped_skin_fixture.h"

namespace {

using shipped::ExpectKeys;
using shipped::KeyValue;
using shipped::kLeftOut;
using shipped::Skin;

// clang-format off
// The frame's values reach the frame unchanged: no mask is named, so the mask area and hit-test
// points keep their text, and the corner points already lie inside the client rectangle.
const KeyValue kFormInfo[] = {
    {"lefttoppoint", "13,27"},
    {"righttoppoint", "142,26"},
    {"leftbottompoint", "6,130"},
    {"rightbottompoint", "152,129"},
    {"clientrect", "4,23,154,131"},
    {"bgpictureindex", "-1"},
    {"mdibgpictureindex", "5"},
    {"leftstretch", "0"},
    {"rightstretch", "0"},
    {"topstretch", "0"},
    {"bottomstretch", "0"},
    {"stretcheffect", "0", kLeftOut},
    {"stretchtype", "stfull", kLeftOut},
    {"mdibgstretcheffect", "0", kLeftOut},
    {"mdibgstretchtype", "stfull", kLeftOut},
    {"maskrectarea", "7,10,198,163"},
    {"hittestlefttoppoint", "7,8"},
    {"hittestrighttoppoint", "150,5"},
    {"hittestleftbottompoint", "5,130"},
    {"hittestrightbottompoint", "152,130"},
    {"buttonsrect", "0,0,0,0"},
    {"captionrect", "14,5,144,21"},
    {"buttonsoffset", "2"},
    {"buttonsinleft", "0"},
    {"mainmenupopupup", "0"},
    {"borderwidth", "4"},
    {"formminwidth", "0"},
    {"formminheight", "0", kLeftOut},
    {"mditabstransparent", "0", kLeftOut},
    {"mainmenubartransparent", "0", kLeftOut},
    {"autorenderinginactiveimage", "0"},
    {"inactiveeffect", "ieinvert"},
};

const KeyValue kSkinColors[] = {
    {"cbtnface", "14739166"}, {"cbtntext", "0"},         {"cwindow", "16777215"},
    {"cwindowtext", "0"},     {"chighlight", "12182953"}, {"chighlighttext", "0"},
    {"cbtnhighlight", "16777215"}, {"cbtnshadow", "8374134"},
};

const KeyValue kPopupWindow[] = {
    {"windowpictureindex", "1"},
    {"maskpictureindex", "-1"},
    {"lefttoppoint", "22,10"},
    {"righttoppoint", "51,10"},
    {"leftbottompoint", "24,29"},
    {"rightbottompoint", "50,30"},
    {"itemsrect", "17,5,56,35"},
    {"scrollmarkercolor", "0"},
    {"scrollmarkeractivecolor", "16777215"},
    {"leftstretch", "0"},
    {"rightstretch", "0"},
    {"topstretch", "0"},
    {"bottomstretch", "0"},
    {"stretcheffect", "0", kLeftOut},
    {"stretchtype", "stfull", kLeftOut},
};

const KeyValue kHintWindow[] = {
    {"windowpictureindex", "4"},
    {"maskpictureindex", "-1"},
    {"lefttoppoint", "9,7"},
    {"righttoppoint", "38,7"},
    {"leftbottompoint", "9,13"},
    {"rightbottompoint", "36,13"},
    {"clientrect", "8,3,39,18"},
    {"fontname", "Arial"},
    {"fontheight", "14"},
    {"fontstyle", ""},
    {"fontcolor", "0"},
    {"leftstretch", "0"},
    {"rightstretch", "0"},
    {"topstretch", "0"},
    {"bottomstretch", "0"},
    {"stretcheffect", "0", kLeftOut},
    {"stretchtype", "stfull", kLeftOut},
};
// clang-format on

TEST(ShippedSections, FormInfoReachesTheFrameUnchanged) {
    ExpectKeys(Skin().FormInfo(), "FORMINFO", kFormInfo);
    EXPECT_TRUE(Skin().MaskName().empty());
}

TEST(ShippedSections, SkinColors) {
    ExpectKeys(Skin().SkinColors(), "SKINCOLORS", kSkinColors);
}

TEST(ShippedSections, PopupAndHintWindows) {
    ExpectKeys(Skin().PopupWindow(), "POPUPWINDOW", kPopupWindow);
    ExpectKeys(Skin().HintWindow(), "HINTWINDOW", kHintWindow);
}

}  // namespace
