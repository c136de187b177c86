// The skinned tab strip on the headless display: its geometry with the shipped skin, both looks,
// the close boxes from press to close, hot tracking, the scroller and the tab positions.
#include <gtest/gtest.h>

#include <functional>

#include "controls_fixture.h"
#include "framework/browser/headless_browser.h"
#include "framework/browser/web_browser.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/window.h"
#include "skin/controls/skin_tab_control.h"
#include "skin/controls/skin_updown.h"
#include "skin/data/skin_messages.h"
#include "skin/render/parent_background.h"

using namespace framework;
using namespace skin;
using controls_test::ControlsTest;
using platform::COLORREF;
using platform::Point;
using platform::Rect;

namespace {

class SkinTabs : public ControlsTest {
  protected:
    SkinTabs() {
        tabs = new TbsSkinTabControl(form);
        tabs->SetParent(form);
        tabs->SetBounds(3, 71, 770, 537);
        tabs->SetShowCloseButtons(true);
        tabs->OnChange = [this](TObject*) { log.push_back("change " + std::to_string(tabs->TabIndex())); };
        tabs->OnClose = [this](int index, bool& canClose) {
            log.push_back("close " + std::to_string(index));
            if (onClose)
                onClose();
            canClose = allowClose;
        };
        tabs->OnAfterClose = [this](TObject*) {
            log.push_back("after close, " + std::to_string(tabs->TabCount()) + " left, selected " +
                          std::to_string(tabs->TabIndex()));
        };
        Pump();
    }
    void Skinned() {
        tabs->SetSkinData(ShippedSkin());
        Pump();
    }
    void AddTabs(std::initializer_list<const char*> captions) {
        for (const char* c : captions) tabs->AddTab(c);
        Pump();
    }
    // A point on tab i away from its close box.
    Point TabBody(int i) {
        const Rect r = tabs->TabRect(i);
        return At(*tabs, r.Left + 4, r.Top + r.height() / 2);
    }
    // Where tab i's close box was last drawn.
    Point BoxCentre(int i) {
        const Rect tab = tabs->TabRect(i);
        const Rect box = tabs->CloseBox(i).rect;
        EXPECT_FALSE(box.isEmpty()) << "tab " << i << " has no close box";
        return At(*tabs, tab.Left + box.Left + box.width() / 2, tab.Top + box.Top + box.height() / 2);
    }
    std::vector<std::string> Captions() const { return tabs->Tabs(); }
    // Pixels at least nearly white (text edges blend with the face).
    int WhitePixels(const Rect& r) {
        int n = 0;
        for (COLORREF c : ScreenPixels(*tabs, r))
            n += platform::GetRValue(c) > 230 && platform::GetGValue(c) > 230 && platform::GetBValue(c) > 230;
        return n;
    }

    TbsSkinTabControl* tabs;
    std::vector<std::string> log;
    bool allowClose = true;
    std::function<void()> onClose;
};

// --- Geometry and looks ---------------------------------------------------------------------------

TEST_F(SkinTabs, TheShippedSkinGivesBordersOf3And2TabsOf17AndThePageAreaOfTheMainWindow) {
    Skinned();
    AddTabs({"裙 - 连衣裙", "T恤"});
    ASSERT_TRUE(tabs->Skin());
    EXPECT_EQ(tabs->Skin()->Borders(), (BorderWidths{3, 2, 3, 2}));
    EXPECT_EQ(tabs->TabRect(0).height(), 17);
    EXPECT_EQ(tabs->CloseBoxSize(), 14);
    // The strip's page starts at t = 17 + 4; the page area is (3, t - 2, 767, 535), F (0, t - 4, 770, 537).
    EXPECT_EQ(tabs->DisplayArea(), (Rect{3, 19, 767, 535}));
    EXPECT_EQ(tabs->FrameRect(), (Rect{0, 17, 770, 537}));
    EXPECT_EQ(tabs->TabRect(0).Left, 1);
    EXPECT_EQ(tabs->TabRect(0).Top, 0);
    EXPECT_EQ(tabs->TabRect(1).Left, tabs->TabRect(0).Right);
    // The close boxes are 14 x 14 faces from "resizetoolbutton", 3 pixels in from the tab's end.
    const Rect box = tabs->CloseBox(1).rect;
    EXPECT_EQ(box.width(), 14);
    EXPECT_EQ(box.height(), 14);
    EXPECT_EQ(box.Right, tabs->TabRect(1).width() - 5);
    // A browser aligned to the client fills the display area.
    HeadlessBrowsers browsers;
    auto* web = new TWebBrowser(form);
    web->SetParent(tabs);
    web->SetAlign(TAlign::alClient);
    EXPECT_EQ(web->BoundsRect(), tabs->DisplayArea());
    SaveScreen("shipped_top");
}

TEST_F(SkinTabs, AHotTabKeepsItsFaceButItsCaptionTurnsWhite) {
    Skinned();
    AddTabs({"裙 - 连衣裙", "T恤衬衫"});
    tabs->SetTabIndex(0);
    Pump();
    const Rect second = tabs->TabRect(1);
    const Rect captionArea{second.Left + 8, 2, second.Right - 22, 15};
    EXPECT_EQ(WhitePixels(captionArea), 0);
    display.moveMouse(TabBody(1));
    Pump();
    EXPECT_EQ(tabs->HotTab(), 1);
    EXPECT_GT(WhitePixels(captionArea), 10);
    // The face itself is the normal one: its ends are unchanged.
    display.moveMouse(At(*form, 800, 650));
    Pump();
    EXPECT_EQ(tabs->HotTab(), -1);
    EXPECT_EQ(WhitePixels(captionArea), 0);
}

// A skin whose selected face is 4 pixels taller than the normal one: the selected tab reaches into
// the frame and is drawn over it.
TEST_F(SkinTabs, TheSelectedTabIsDrawnLastOverTheFrame) {
    TBitmap picture;
    picture.SetSize(100, 60);
    TCanvas& c = picture.Canvas();
    c.Brush().SetColor(platform::RGB(200, 0, 0));  // normal tab face
    c.FillRect({0, 0, 40, 17});
    c.Brush().SetColor(platform::RGB(0, 200, 0));  // selected tab face, 21 high
    c.FillRect({0, 20, 40, 41});
    c.Brush().SetColor(platform::RGB(0, 0, 200));  // frame: a 3-pixel border around a white page
    c.FillRect({50, 0, 100, 50});
    c.Brush().SetColor(platform::RGB(255, 255, 255));
    c.FillRect({53, 3, 97, 47});
    tabs->SetSkinData(
        SkinOf("[SKINCONTROLS]\ncount=1\n0=tab:tab\n[tab]\npictureindex=0\nskinrect=50,0,100,50\n"
               "clientrect=3,3,47,47\nlefttoppoint=3,3\nrighttoppoint=47,3\nleftbottompoint=3,47\n"
               "rightbottompoint=47,47\ntabrect=0,0,40,17\nactivetabrect=0,20,40,41\n"
               "tableftoffset=5\ntabrightoffset=5\ntabsbgrect=45,55,46,56\n",
               {picture}));
    tabs->SetShowCloseButtons(false);
    AddTabs({"一", "二"});
    tabs->SetTabIndex(1);
    Pump();
    const Rect selected = tabs->TabRect(1), frame = tabs->FrameRect();
    EXPECT_EQ(tabs->ActiveTabExtent(),
              (Rect{selected.Left, selected.Top, selected.Right, selected.Bottom + 4}));
    // Below the selected tab the frame's top rows show the tab's face; beside it, the frame.
    EXPECT_EQ(ColorAt(*tabs, selected.Left + 3, frame.Top + 1), platform::RGB(0, 200, 0));
    EXPECT_EQ(ColorAt(*tabs, selected.Right + 3, frame.Top + 1), platform::RGB(0, 0, 200));
    EXPECT_EQ(ColorAt(*tabs, tabs->TabRect(0).Left + 3, 5), platform::RGB(200, 0, 0));
}

TEST_F(SkinTabs, WithoutASkinTabsAreTheDefaultHeightTheSelectedOneFramedInNavy) {
    AddTabs({"裙 - 连衣裙", "T恤"});
    tabs->SetTabIndex(0);
    Pump();
    EXPECT_EQ(tabs->TabRect(0).height(), 20);
    EXPECT_EQ(tabs->DisplayArea(), (Rect{1, 21, 769, 536}));
    const Rect first = tabs->TabRect(0);
    EXPECT_EQ(ColorAt(*tabs, first.Left, first.Top + 5), platform::RGB(0, 0, 128));
    EXPECT_EQ(ColorAt(*tabs, first.Left + 3, first.Top + 3), platform::RGB(182, 189, 210));  // not focused
    tabs->SetFocus();
    Pump();
    EXPECT_EQ(ColorAt(*tabs, first.Left + 3, first.Top + 3), platform::RGB(133, 146, 181));
    // The close glyph is black, white while the pointer is over it.
    const Rect second = tabs->TabRect(1), box = tabs->CloseBox(1).rect;
    const Rect glyph = box.offsetBy(second.Left, second.Top);
    auto blackIn = [&] {
        int n = 0;
        for (COLORREF color : ScreenPixels(*tabs, glyph)) n += color == 0;
        return n;
    };
    EXPECT_GT(blackIn(), 10);
    display.moveMouse(BoxCentre(1));
    Pump();
    EXPECT_EQ(blackIn(), 0);
    EXPECT_GT(WhitePixels(glyph), 10);
    SaveScreen("builtin_top");
}

// --- Close boxes ----------------------------------------------------------------------------------

TEST_F(SkinTabs, CloseBoxesFromPressToClose) {
    enum Act { MoveToBox, MoveToTab, MoveAway, Press, Release };
    struct Do {
        Act act;
        int tab = 0;
    };
    struct Case {
        const char* name;
        std::vector<Do> steps;
        bool allowClose;
        std::vector<std::string> log;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {"a non-selected tab's box: the press selects, the release inside closes",
         {{MoveToBox, 1}, {Press}, {Release}},
         true,
         {"change 1", "close 1", "after close, 2 left, selected -1"},
         {"a", "c"}},
        {"released outside the box: nothing closes",
         {{MoveToBox, 1}, {Press}, {MoveToTab, 2}, {Release}},
         true,
         {"change 1"},
         {"a", "b", "c"}},
        {"OnClose refuses: the tab stays",
         {{MoveToBox, 0}, {Press}, {Release}},
         false,
         {"close 0"},
         {"a", "b", "c"}},
        {"pressed on one tab, released in another's box: the pressed (selected) tab closes",
         {{MoveToTab, 2}, {Press}, {MoveToBox, 0}, {Release}},
         true,
         {"change 2", "close 2", "after close, 2 left, selected -1"},
         {"a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tabs->SetTabs({"a", "b", "c"});
        tabs->SetTabIndex(0);
        display.advanceClock(1000);  // no double click with the last case's press
        display.moveMouse(At(*form, 800, 650));
        Pump();
        log.clear();
        allowClose = c.allowClose;
        for (const Do& d : c.steps) {
            if (d.act == MoveToBox)
                display.moveMouse(BoxCentre(d.tab));
            else if (d.act == MoveToTab)
                display.moveMouse(TabBody(d.tab));
            else if (d.act == Press)
                display.pressButton();
            else if (d.act == Release)
                display.releaseButton();
            Pump();
        }
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(Captions(), c.left);
    }
}

TEST_F(SkinTabs, ABoxLightsUnderThePointerAndIsPressedWhileHeld) {
    Skinned();
    AddTabs({"a", "b"});
    tabs->SetTabIndex(0);
    display.moveMouse(TabBody(1));
    Pump();
    EXPECT_FALSE(tabs->CloseBox(1).hot);
    display.moveMouse(BoxCentre(1));
    Pump();
    EXPECT_TRUE(tabs->CloseBox(1).hot);
    display.pressButton();
    Pump();
    EXPECT_TRUE(tabs->CloseBox(1).pressed);
    EXPECT_EQ(tabs->TabIndex(), 1);
    display.moveMouse(TabBody(0));
    Pump();
    EXPECT_FALSE(tabs->CloseBox(1).hot);
    EXPECT_EQ(LookOf(tabs->CloseBox(1)), CloseBoxLook::Normal);
    display.releaseButton();
    Pump();
    EXPECT_EQ(tabs->TabCount(), 2);
}

TEST_F(SkinTabs, ARefusedCloseDrawsTheBoxNormalOnceThePointerHasLeft) {
    Skinned();
    AddTabs({"a", "b"});
    tabs->SetTabIndex(0);
    allowClose = false;
    onClose = [this] { platform::SetCursorPos(900, 740); };
    display.moveMouse(BoxCentre(0));
    display.pressButton();
    display.releaseButton();
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"close 0"}));
    EXPECT_FALSE(tabs->CloseBox(0).hot);
    EXPECT_FALSE(tabs->CloseBox(0).pressed);
}

// Regression: the close states were kept for 255 tabs only.
TEST_F(SkinTabs, TabsBeyondTheFirst255HaveCloseBoxesToo) {
    Skinned();
    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i) many.push_back(std::to_string(i));
    tabs->SetTabs(many);
    tabs->SetTabIndex(280);  // scrolled into view
    Pump();
    display.moveMouse(BoxCentre(280));
    Pump();
    EXPECT_TRUE(tabs->CloseBox(280).hot);
    display.pressButton();
    display.releaseButton();
    Pump();
    EXPECT_EQ(tabs->TabCount(), 299);
    EXPECT_EQ(tabs->Tab(280), "281");
    // Out-of-range positions read as all clear.
    EXPECT_FALSE(tabs->CloseBox(1000).hot);
    EXPECT_FALSE(tabs->CloseBox(-1).hot);
}

TEST_F(SkinTabs, ClosingTheSelectedTabFromTheProgram) {
    AddTabs({"a", "b"});
    tabs->CloseSelectedTab();  // none selected: nothing
    EXPECT_TRUE(log.empty());
    tabs->SetTabIndex(1);
    tabs->CloseSelectedTab();
    EXPECT_EQ(log, (std::vector<std::string>{"close 1", "after close, 1 left, selected -1"}));
}

// --- The scroller ---------------------------------------------------------------------------------

TEST_F(SkinTabs, TheScrollerComesWithTheFirstHiddenTabAndPagesThroughTheRow) {
    Skinned();
    AddTabs({"裙 - 连衣裙", "T恤", "衬衫 - 女装/女士精品"});
    EXPECT_EQ(tabs->Scroller(), nullptr);
    int added = 0;
    while (tabs->TabRect(tabs->TabCount() - 1).Right <= 770 - 3) {
        tabs->AddTab("半身裙 " + std::to_string(++added));
        ASSERT_LT(added, 100);
    }
    Pump();
    TbsSkinUpDown* scroller = tabs->Scroller();
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->BoundsRect(), (Rect{770 - 36, 0, 770, 18}));
    EXPECT_EQ(scroller->Position(), 0);
    EXPECT_EQ(scroller->Max(), tabs->HiddenTabCount());
    EXPECT_GE(scroller->Max(), 1);
    // The strip's own arrows never show.
    EXPECT_EQ(platform::FindWindowEx(tabs->Handle(), nullptr, kUpDownClass, nullptr), nullptr);
    SaveScreen("scroller");

    // Its increasing arrow makes the next tab the first visible one.
    const Point increase = scroller->ClientToScreen({27, 9});
    for (int click = 1; click <= scroller->Max() + 2; ++click) {
        display.click(increase);
        Pump();
        const int expected = std::min(click, scroller->Max());
        EXPECT_EQ(scroller->Position(), expected);
        EXPECT_EQ(tabs->LeftHiddenTabCount(), expected);
        EXPECT_LE(tabs->TabRect(expected).Left, 1);
        EXPECT_GE(tabs->TabRect(expected).Left, 0);
    }
    EXPECT_LE(scroller->Position(), scroller->Max());
    display.click(scroller->ClientToScreen({9, 9}));
    Pump();
    EXPECT_EQ(scroller->Position(), scroller->Max() - 1);

    // Removing tabs until all fit takes it away.
    while (tabs->TabCount() > 3) tabs->DeleteTab(tabs->TabCount() - 1);
    Pump();
    EXPECT_EQ(tabs->Scroller(), nullptr);
}

TEST_F(SkinTabs, TheScrollerOfBottomTabsSitsAtTheBottomRightAndFollowsTheUsersSelection) {
    tabs->SetTabPosition(TTabPosition::tpBottom);
    std::vector<std::string> many;
    for (int i = 0; i < 30; ++i) many.push_back("标签 " + std::to_string(i));
    tabs->SetTabs(many);
    Pump();
    ASSERT_NE(tabs->Scroller(), nullptr);
    EXPECT_EQ(tabs->Scroller()->BoundsRect(), (Rect{770 - 36, 537 - 18, 770, 537}));
    // A program selection scrolls the tab into view; the scroller follows.
    tabs->SetTabIndex(29);
    Pump();
    EXPECT_EQ(tabs->Scroller()->Position(), tabs->LeftHiddenTabCount());
    EXPECT_GT(tabs->Scroller()->Position(), 0);
    // The keyboard too (a user's change).
    tabs->SetFocus();
    tabs->SetTabIndex(0);
    Pump();
    log.clear();
    for (int i = 0; i < 25; ++i) Type(platform::VK_RIGHT);
    EXPECT_EQ(log.back(), "change 25");
    EXPECT_EQ(tabs->Scroller()->Position(), tabs->LeftHiddenTabCount());
    SaveScreen("builtin_bottom_scroller");
}

TEST_F(SkinTabs, ASkinChangeReadsTheRecordAgainAndRemakesTheScroller) {
    TbsSkinData* data = ShippedSkin();
    tabs->SetSkinData(data);
    std::vector<std::string> many(20, "连衣裙");
    tabs->SetTabs(many);
    Pump();
    TbsSkinUpDown* first = tabs->Scroller();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->SkinDataName(), "hupdown");
    EXPECT_TRUE(HandleSkinChangeMessage(*form, SKM_BEFORECHANGESKINDATA, platform::WPARAM(data)));
    EXPECT_EQ(tabs->SkinIndex(), -1);
    EXPECT_TRUE(HandleSkinChangeMessage(*form, SKM_CHANGESKINDATA, platform::WPARAM(data)));
    EXPECT_NE(tabs->SkinIndex(), -1);
    ASSERT_NE(tabs->Scroller(), nullptr);
    EXPECT_NE(tabs->Scroller()->SkinIndex(), -1);
    EXPECT_EQ(tabs->Scroller()->BoundsRect(), (Rect{770 - 36, 0, 770, 18}));
    EXPECT_EQ(tabs->TabRect(0).height(), 17);
}

// --- Tab positions and faces ----------------------------------------------------------------------

TEST_F(SkinTabs, LeftRightAndBottomTabsSitBesideTheFrameAndCloseByTheirBoxes) {
    Skinned();
    struct Case {
        TTabPosition position;
        const char* screenshot;
    };
    for (const Case& c :
         {Case{TTabPosition::tpBottom, "shipped_bottom"}, Case{TTabPosition::tpLeft, "shipped_left"},
          Case{TTabPosition::tpRight, "shipped_right"}}) {
        SCOPED_TRACE(c.screenshot);
        tabs->SetTabPosition(c.position);
        tabs->SetTabs({"裙 - 连衣裙", "T恤", "衬衫"});
        tabs->SetTabIndex(0);
        Pump();
        const Rect frame = tabs->FrameRect(), first = tabs->TabRect(0);
        switch (c.position) {
            case TTabPosition::tpBottom:
                EXPECT_EQ(first.Top, frame.Bottom);
                break;
            case TTabPosition::tpLeft:
                EXPECT_EQ(first.Right, frame.Left);
                EXPECT_GT(first.height(), first.width());
                break;
            default:
                EXPECT_EQ(first.Left, frame.Right);
                EXPECT_GT(first.height(), first.width());
        }
        SaveScreen(c.screenshot);
        log.clear();
        display.moveMouse(BoxCentre(1));
        Pump();
        EXPECT_TRUE(tabs->CloseBox(1).hot);
        display.pressButton();
        display.releaseButton();
        Pump();
        EXPECT_EQ(log, (std::vector<std::string>{"change 1", "close 1", "after close, 2 left, selected -1"}));
    }
}

TEST_F(SkinTabs, HorizontalTextOnSideTabsAndTabsDrawnByTheirOwner) {
    Skinned();
    tabs->SetTabPosition(TTabPosition::tpLeft);
    tabs->SetTextInHorizontal(true);
    tabs->SetTabWidth(80);
    tabs->SetTabs({"连衣裙", "T恤"});
    Pump();
    SaveScreen("shipped_left_horizontal_text");
    display.moveMouse(BoxCentre(1));
    Pump();
    EXPECT_TRUE(tabs->CloseBox(1).hot);

    std::vector<std::string> drawn;
    tabs->OnDrawSkinTab = [&](int i, const Rect& r, bool active, bool hot, TCanvas&) {
        drawn.push_back(std::to_string(i) + (active ? " active" : "") + (hot ? " hot" : "") + " " +
                        std::to_string(r.width()) + "x" + std::to_string(r.height()));
    };
    tabs->SetTabIndex(0);
    tabs->Repaint();
    EXPECT_EQ(drawn, (std::vector<std::string>{"1 hot 17x80", "0 active 17x80"}));
}

TEST_F(SkinTabs, ImagesTakeTheirPlaceBesideTheCaption) {
    Skinned();
    auto* images = new TImageList(form);
    images->SetSize(16, 16);
    platform::Surface red(16, 16);
    red.fill(platform::PixelFromColor(platform::RGB(255, 0, 0)));
    images->Add(red);
    AddTabs({"裙", "T恤"});
    const int32_t plain = tabs->TabRect(0).width();
    tabs->SetImages(images);
    Pump();
    EXPECT_EQ(tabs->TabRect(0).width(), plain + 16);
    int reds = 0;
    for (COLORREF c : ScreenPixels(*tabs, tabs->TabRect(0))) reds += c == platform::RGB(255, 0, 0);
    EXPECT_GT(reds, 100);  // the image of tab 0 (16 x 16, cut to the face's 17 rows)
    for (COLORREF c : ScreenPixels(*tabs, tabs->TabRect(1))) EXPECT_NE(c, platform::RGB(255, 0, 0));
    tabs->SetTabExtededDraw(true);
    tabs->SetTabLayout(TbsButtonLayout::blGlyphRight);
    Pump();
    SaveScreen("shipped_images");
    delete images;  // the control lets go of it
    EXPECT_EQ(tabs->Images(), nullptr);
    EXPECT_EQ(tabs->TabRect(0).width(), plain);
}

TEST_F(SkinTabs, TheRowShowsWhatLiesBehindWhenItsBackgroundIsTransparent) {
    Skinned();
    AddTabs({"a"});
    const COLORREF skinRow = ColorAt(*tabs, 600, 5);
    EXPECT_NE(skinRow, platform::ColorToRGB(platform::clBtnFace));
    form->SetColor(platform::RGB(10, 120, 30));
    tabs->SetTabsBGTransparent(true);
    Pump();
    EXPECT_EQ(ColorAt(*tabs, 600, 5), platform::RGB(10, 120, 30));
    // A child that shows what lies behind it gets the control's page background.
    auto* child = new TbsSkinTabControl(tabs);
    child->SetParent(tabs);
    child->SetBounds(100, 100, 50, 50);
    Pump();
    TBitmap behind;
    behind.SetSize(50, 50);
    PaintParentBackground(child->Handle(), behind.Canvas().Handle());
    EXPECT_EQ(behind.Pixel(10, 10), ColorAt(*tabs, 300, 300));
}

// A skin is another author's file: tab, close-box and scroller records whose rectangles lie outside
// their picture, are inverted, empty or enormous, or name pictures that are not there, must draw
// (whatever they draw) without reading or writing outside a picture.
TEST_F(SkinTabs, DamagedRecordsDrawWithoutStrayingOutsideThePictures) {
    TBitmap picture;
    picture.SetSize(60, 40);
    picture.Canvas().Brush().SetColor(platform::RGB(120, 40, 80));
    picture.Canvas().FillRect({0, 0, 60, 40});
    const std::string controls =
        "[SKINCONTROLS]\ncount=3\n0=tab:tab\n1=button:resizetoolbutton\n2=updown:hupdown\n";
    const char* tabRecords[] = {
        "pictureindex=0\nskinrect=40,20,200,300\nclientrect=3,3,500,500\ntabrect=-50,-50,10,10\n"
        "activetabrect=55,35,90,90\nfocustabrect=0,0,0,0\ntabsbgrect=59,39,80,80\n",
        "pictureindex=0\nskinrect=50,30,10,5\nclientrect=9,9,2,2\nlefttoppoint=70,70\n"
        "righttoppoint=-5,2\nleftbottompoint=3,-9\nrightbottompoint=0,0\ntabrect=30,30,20,20\n"
        "tableftoffset=400\ntabrightoffset=-400\n",
        "pictureindex=9\nskinrect=0,0,60,40\nclientrect=3,3,57,37\ntabrect=0,0,20,17\n"
        "closebuttonrect=0,0,14,14\nclosebuttonactiverect=50,30,90,90\n",
        "pictureindex=0\nskinrect=0,0,60,40\nclientrect=3,3,57,37\ntabrect=0,0,2000000000,17\n"
        "activetabrect=0,0,20,2000000000\ntabsbgrect=0,0,0,17\nstretcheffect=1\nstretchtype=stvert\n"
        "closebuttonrect=-20,-20,-6,-6\n",
        "pictureindex=-7\nskinrect=0,0,0,0\nclientrect=0,0,0,0\ntabrect=0,0,0,0\n",
    };
    const std::string others =
        "[resizetoolbutton]\npictureindex=0\nskinrect=50,30,100,100\nclientrect=-3,-3,90,90\n"
        "lefttoppoint=99,99\n[hupdown]\npictureindex=0\nskinrect=40,30,120,80\n"
        "upbuttonrect=-10,-10,500,500\ndownbuttonrect=59,39,61,41\nactiveupbuttonrect=0,0,0,0\n"
        "downdownbuttonrect=2147483647,0,-2147483647,9\n";
    int n = 0;
    for (const char* record : tabRecords) {
        SCOPED_TRACE(n++);
        TbsSkinData* data = SkinOf(controls + "[tab]\nupdown=hupdown\n" + record + others, {picture});
        for (TTabPosition position :
             {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft, TTabPosition::tpRight}) {
            tabs->SetTabPosition(position);
            tabs->SetSkinData(data);
            tabs->SetTabs({"裙 - 连衣裙", "T恤", "", "衬衫 - 女装/女士精品"});
            for (int i = 0; i < 12; ++i) tabs->AddTab("第" + std::to_string(i) + "页");
            tabs->SetTabIndex(2);
            Pump();
            display.moveMouse(TabBody(0));
            Pump();
            display.moveMouse(At(*tabs, 1, 1));
            Pump();
            if (TbsSkinUpDown* scroller = tabs->Scroller()) {
                display.moveMouse(At(*scroller, 3, 3));
                Pump();
            }
        }
        tabs->SetSkinData(nullptr);
        tabs->SetTabPosition(TTabPosition::tpTop);
    }
}

}  // namespace
