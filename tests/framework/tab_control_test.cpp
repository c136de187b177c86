// The tab control and the strip under it: selection with and without events, the press that
// selects before the control's own press handling, deleting, the strip's scroll arrows and
// scrolling, tab widths, the page area.
#include "framework/controls/tab_control.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/controls/panel.h"
#include "framework/graphics/image_list.h"
#include "framework_fixture.h"
#include "platform/window/focus.h"
#include "platform/window/keys.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"

using namespace framework;
using namespace framework::test;
using namespace platform;
using ::testing::ElementsAre;

namespace {

// A tab control that tells what reaches its own operations, as the skinned strip overrides them.
class TLoggingTabs : public TTabControl {
  public:
    TLoggingTabs(TComponent* owner, std::vector<std::string>* log) : TTabControl(owner), log_(log) {}

  protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        log_->push_back("mouse down, selected " + std::to_string(TabIndex()));
        TTabControl::MouseDown(button, shift, x, y);
    }
    void Dispatch(TMessage& message) override {
        if (message.Msg == WM_SIZE)
            log_->push_back("size");
        if (message.Msg == WM_HSCROLL)
            log_->push_back("scroll " + std::to_string(HIWORD(message.WParam)));
        TTabControl::Dispatch(message);
    }

  private:
    std::vector<std::string>* log_;
};

class Tabs : public FrameworkTest {
  protected:
    Tabs() {
        form = application.CreateForm<TForm>();
        form->SetBounds(20, 20, 520, 300);
        tabs = new TLoggingTabs(form, &log);
        tabs->SetParent(form);
        tabs->SetBounds(3, 3, 400, 200);
        tabs->Font().SetName("Arial");
        tabs->Font().SetHeight(-14);
        tabs->OnChanging = [this](TObject*, bool& allow) {
            log.push_back("changing from " + std::to_string(tabs->TabIndex()));
            allow = allowChange;
        };
        tabs->OnChange = [this](TObject*) { log.push_back("change to " + std::to_string(tabs->TabIndex())); };
        form->Show();
        Pump();
    }
    void AddTabs(std::initializer_list<const char*> captions) {
        for (const char* caption : captions) tabs->AddTab(caption);
    }
    HWND ScrollArrows() { return FindWindowEx(tabs->Handle(), nullptr, kUpDownClass, nullptr); }
    // A point inside tab i, in the control's client coordinates.
    Point Inside(int i) {
        Rect r = tabs->TabRect(i);
        return {r.Left + r.width() / 2, r.Top + r.height() / 2};
    }

    TForm* form;
    TLoggingTabs* tabs;
    std::vector<std::string> log;
    bool allowChange = true;
};

TEST_F(Tabs, SettingTheSelectionRaisesNoEventAndKeepsToTheTabs) {
    AddTabs({"裙 - 连衣裙", "T恤"});
    log.clear();
    tabs->SetTabIndex(1);
    EXPECT_EQ(tabs->TabIndex(), 1);
    tabs->SetTabIndex(2);  // no such tab: ignored
    EXPECT_EQ(tabs->TabIndex(), 1);
    tabs->SetTabIndex(-5);
    EXPECT_EQ(tabs->TabIndex(), -1);
    EXPECT_TRUE(log.empty());
}

TEST_F(Tabs, APressSelectsTheTabAndRaisesTheEventsBeforeTheControlsPressHandling) {
    AddTabs({"一", "二", "三"});
    tabs->SetTabIndex(0);
    log.clear();
    Point p = Inside(2);
    Click(*tabs, p.X, p.Y);
    EXPECT_THAT(log, ElementsAre("changing from 0", "change to 2", "mouse down, selected 2"));
    EXPECT_TRUE(tabs->Focused());
    // Refused: the selection stays, the press still reaches the control.
    log.clear();
    allowChange = false;
    p = Inside(1);
    Click(*tabs, p.X, p.Y);
    EXPECT_THAT(log, ElementsAre("changing from 2", "mouse down, selected 2"));
    // Keyboard selection raises the same events.
    allowChange = true;
    log.clear();
    Type(VK_LEFT);
    EXPECT_THAT(log, ElementsAre("changing from 2", "change to 1"));
    // A press on the selected tab changes nothing.
    log.clear();
    p = Inside(1);
    Click(*tabs, p.X, p.Y);
    EXPECT_THAT(log, ElementsAre("mouse down, selected 1"));
    // The second click of a double click selects as any press does.
    tabs->SetTabIndex(0);
    log.clear();
    display.doubleClick(At(*tabs, p.X, p.Y));
    Pump();
    EXPECT_THAT(log, ElementsAre("changing from 0", "change to 1", "mouse down, selected 1",
                                 "mouse down, selected 1"));
}

TEST_F(Tabs, DeletingMovesTheSelectionAndTheControlHearsWmSize) {
    AddTabs({"a", "b", "c", "d"});
    tabs->SetTabIndex(2);
    log.clear();
    tabs->DeleteTab(3);  // after the selected one
    EXPECT_EQ(tabs->TabIndex(), 2);
    tabs->DeleteTab(0);  // before it: it moves down
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_EQ(tabs->Tab(1), "c");
    tabs->DeleteTab(1);  // the selected one: none is left selected
    EXPECT_EQ(tabs->TabIndex(), -1);
    tabs->DeleteTab(7);  // no such tab
    EXPECT_THAT(log, ElementsAre("size", "size", "size"));
    EXPECT_EQ(tabs->TabCount(), 1);
    EXPECT_EQ(SendMessage(tabs->Handle(), TCM_GETITEMCOUNT), 1);
}

TEST_F(Tabs, TabsFollowTheirCaptionTheFontAndTheImageSlot) {
    AddTabs({"T恤", "衬衫 - 女装/女士精品"});
    const Rect first = tabs->TabRect(0), second = tabs->TabRect(1);
    EXPECT_EQ(first.Left, 2);
    EXPECT_EQ(first.Top, 2);
    EXPECT_EQ(second.Left, first.Right);
    EXPECT_GT(second.width(), 2 * first.width());
    // An image list as the slot makes every tab as much wider as its images, and taller if needed.
    auto* slot = new TImageList(form);
    slot->SetSize(15, 1);
    tabs->SetImages(slot);
    EXPECT_EQ(tabs->TabRect(0).width(), first.width() + 15 + 3);
    slot->SetWidth(30);
    EXPECT_EQ(tabs->TabRect(0).width(), first.width() + 30 + 3);
    tabs->SetImages(nullptr);
    tabs->Font().SetHeight(-20);
    EXPECT_GT(tabs->TabRect(0).width(), first.width());
    EXPECT_GT(tabs->TabRect(0).height(), first.height());
    // A fixed item height.
    tabs->SetTabHeight(17);
    EXPECT_EQ(tabs->TabRect(0).height(), 17);
}

// A control built on the strip sets the tab size without TabHeight; a window made again keeps it.
class TSizedTabs : public TTabControl {
  public:
    using TTabControl::SetItemSize;
    using TTabControl::TTabControl;
};

TEST_F(Tabs, AnItemSizeSetBeforeTheWindowIsMadeReachesIt) {
    auto* sized = new TSizedTabs(form);
    sized->SetItemSize(0, 17);
    sized->SetParent(form);
    sized->SetBounds(3, 210, 400, 60);
    sized->AddTab("一");
    EXPECT_EQ(sized->TabRect(0).height(), 17);
    EXPECT_EQ(sized->TabHeight(), 0);
    sized->SetTabPosition(TTabPosition::tpBottom);  // a new window
    EXPECT_EQ(sized->TabRect(0).height(), 17);
}

TEST_F(Tabs, ThePageAreaLiesBelowTheRowAndAlignedChildrenFillIt) {
    AddTabs({"一"});
    tabs->SetTabHeight(20);
    const Rect page = tabs->DisplayRect();
    EXPECT_EQ(page, (Rect{4, 24, 396, 196}));
    auto* page_child = new TPanel(form);
    page_child->SetParent(tabs);
    page_child->SetAlign(TAlign::alClient);
    EXPECT_EQ(page_child->BoundsRect(), page);
}

TEST_F(Tabs, BottomRowsAndSideColumnsPutThePageBesideTheirTabs) {
    AddTabs({"一", "二二二"});
    tabs->SetTabHeight(20);
    struct Case {
        TTabPosition position;
        Rect firstTab;
        Rect page;
    };
    // The control is 400 x 200; a column's tabs are as long as a row's are wide.
    const int32_t w0 = tabs->TabRect(0).width();
    const Case cases[] = {
        {TTabPosition::tpTop, {2, 2, 2 + w0, 22}, {4, 24, 396, 196}},
        {TTabPosition::tpBottom, {2, 178, 2 + w0, 198}, {4, 4, 396, 176}},
        {TTabPosition::tpLeft, {2, 2, 22, 2 + w0}, {24, 4, 396, 196}},
        {TTabPosition::tpRight, {378, 2, 398, 2 + w0}, {4, 4, 376, 196}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.position));
        tabs->SetTabPosition(c.position);
        EXPECT_EQ(tabs->TabRect(0), c.firstTab);
        EXPECT_EQ(tabs->DisplayRect(), c.page);
        const Rect second = tabs->TabRect(1);
        if (c.position == TTabPosition::tpLeft || c.position == TTabPosition::tpRight)
            EXPECT_EQ(second.Top, c.firstTab.Bottom);
        else
            EXPECT_EQ(second.Left, c.firstTab.Right);
        const Point inside{second.Left + second.width() / 2, second.Top + second.height() / 2};
        EXPECT_EQ(tabs->IndexOfTabAt(inside.X, inside.Y), 1);
    }
    // A column is never scrolled, however many tabs it holds.
    tabs->SetTabPosition(TTabPosition::tpLeft);
    for (int i = 0; i < 30; ++i) tabs->AddTab("更多");
    EXPECT_EQ(ScrollArrows(), nullptr);
}

TEST_F(Tabs, ARowThatDoesNotFitGetsTheStripsOwnScrollArrowsAtTheTopRight) {
    AddTabs({"第一个标签", "第二个标签"});
    EXPECT_EQ(ScrollArrows(), nullptr);
    for (int i = 0; i < 8; ++i) tabs->AddTab("更多的标签 " + std::to_string(i));
    HWND arrows = ScrollArrows();
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(GetClassName(arrows), "msctls_updown32");
    Rect rect;
    GetWindowRect(arrows, &rect);
    MapWindowPoints(HWND_DESKTOP, tabs->Handle(), &rect);
    EXPECT_EQ(rect.Right, 400);
    EXPECT_EQ(rect.Top, 0);
    // Destroyed by someone else (the skinned scroller does so), made again at the next layout.
    DestroyWindow(arrows);
    tabs->SetWidth(390);
    EXPECT_NE(ScrollArrows(), nullptr);
    // Tabs removed until all fit: the arrows go.
    while (tabs->TabCount() > 2) tabs->DeleteTab(tabs->TabCount() - 1);
    EXPECT_EQ(ScrollArrows(), nullptr);
}

TEST_F(Tabs, ThumbPositionMakesATabTheFirstVisibleOneAndTheArrowsScrollByOne) {
    for (int i = 0; i < 10; ++i) tabs->AddTab("标签页 " + std::to_string(i));
    log.clear();
    SendMessage(tabs->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3));
    EXPECT_EQ(tabs->TabRect(3).Left, 2);
    EXPECT_LE(tabs->TabRect(2).Right, 2);
    SendMessage(tabs->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0));
    EXPECT_EQ(tabs->TabRect(0).Left, 2);
    // The arrows: the right one makes the next tab the first visible one.
    Rect arrows;
    GetWindowRect(ScrollArrows(), &arrows);
    display.click({arrows.Right - 4, arrows.Top + 4});
    Pump();
    EXPECT_EQ(tabs->TabRect(1).Left, 2);
    EXPECT_THAT(log, ElementsAre("scroll 3", "scroll 0", "scroll 1", "scroll 1"));
    // Selecting a hidden tab from the program brings it into view, also once the arrows' window
    // has been destroyed by someone who put arrows of their own there.
    tabs->SetTabIndex(0);
    EXPECT_EQ(tabs->TabRect(0).Left, 2);
    DestroyWindow(ScrollArrows());
    tabs->SetTabIndex(9);
    EXPECT_LE(tabs->TabRect(9).Right, 400);
    EXPECT_LE(tabs->TabRect(0).Right, 2);
}

// A control built on the strip that draws its tabs elsewhere answers TCM_HITTEST itself; a press
// selects the tab it names.
class TShiftedTabs : public TTabControl {
  public:
    using TTabControl::TTabControl;

  protected:
    void WndProc(TMessage& message) override {
        TTabControl::WndProc(message);
        if (message.Msg == TCM_HITTEST)
            message.Result = 1;
    }
};

TEST_F(Tabs, APressSelectsTheTabTheWindowNamesForThePoint) {
    auto* shifted = new TShiftedTabs(form);
    shifted->SetParent(form);
    shifted->SetBounds(3, 210, 400, 60);
    shifted->AddTab("一");
    shifted->AddTab("二");
    const Rect first = shifted->TabRect(0);
    Click(*shifted, first.Left + 3, first.Top + 3);
    EXPECT_EQ(shifted->TabIndex(), 1);
}

}  // namespace
