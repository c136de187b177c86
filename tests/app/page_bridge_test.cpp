// The page bridge on the headless display with a scripted home page: searches add and select
// tabs and expand the window, the shopper's tab clicks show pages, close boxes delete them and
// collapse the window when none is left, and every failure of the script is dropped.
#include "app/page_bridge.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <optional>
#include <tuple>

#include "app/result_tab_commands.h"
#include "search_program_fixture.h"
#include "skin/controls/skin_updown.h"
#include "skin/menus/skin_hint.h"
#include "skin/menus/skin_hint_window.h"
#include "skin/menus/skin_popup_menu.h"

namespace app::test {
namespace {

using framework::HeadlessScriptError;
using framework::PageAnswer;
using framework::PageArg;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kCollapsed = TForm1::kCollapsedClientHeight;
constexpr int kExpanded = TForm1::kExpandedClientHeight;

class Bridge : public SearchProgramTest {
  protected:
    // The program ready, with a script whose answers the test lines up: each SoItem and DelPage
    // takes the next answer of its queue (an empty queue is a script error).
    void Ready() {
        Start();
        HomePageLoaded();
        Define("SoItem", soItemAnswers);
        Define("DelPage", delPageAnswers);
        Home().page().define("ShowPage", [](const std::vector<PageArg>&) { return PageAnswer{}; });
    }
    void Define(const std::string& name, std::deque<PageAnswer>& answers) {
        Home().page().define(name, [&answers, name](const std::vector<PageArg>&) {
            if (answers.empty())
                throw HeadlessScriptError(name + ": no answer lined up");
            PageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }

    // A quick search with this keyword and category (by caption), answered with `page`.
    void Search(const std::string& keyword, const std::string& category, PageAnswer page) {
        soItemAnswers.push_back(page);
        form->m_keyword->SetText(keyword);
        const auto& items = form->m_cid->Items();
        const auto found = std::find(items.begin(), items.end(), category);
        ASSERT_NE(found, items.end()) << category;
        form->m_cid->SetItemIndex(int(found - items.begin()));
        Click(*form->m_soso, 10, 10);
    }
    void Search(const std::string& keyword, const std::string& category, int page) {
        Search(keyword, category, PageAnswer::Number(page));
    }

    skin::TbsSkinTabControl& Tabs() const { return *form->m_tab; }
    void ClickTab(int i) {
        const platform::Rect r = Tabs().TabRect(i);
        display.advanceClock(1000);  // never a double click
        Click(Tabs(), r.Left + 4, r.Top + r.height() / 2);
    }
    // Presses and releases tab i's close box; the script answers DelPage with `next`.
    void CloseTab(int i, PageAnswer next) {
        delPageAnswers.push_back(next);
        CloseTab(i);
    }
    void CloseTab(int i, int next) { CloseTab(i, PageAnswer::Number(next)); }
    void CloseTab(int i) {
        display.moveMouse(At(Tabs(), 0, 0));
        Pump();
        const platform::Rect tab = Tabs().TabRect(i);
        display.moveMouse(At(Tabs(), tab.Left + tab.width() / 2, tab.Top + tab.height() / 2));
        Pump();
        const platform::Rect box = Tabs().CloseBox(i).rect;
        ASSERT_FALSE(box.isEmpty()) << "tab " << i << " shows no close box";
        display.advanceClock(1000);
        Click(Tabs(), tab.Left + box.Left + box.width() / 2, tab.Top + box.Top + box.height() / 2);
    }

    // The page calls after the searches' SoItem calls, as "name(arg)".
    std::vector<std::string> PageCalls(const std::string& name) const {
        std::vector<std::string> calls;
        for (const auto& call : Home().calls())
            if (call.name == name)
                calls.push_back(name + "(" + std::to_string(std::get<int32_t>(call.args.at(0))) + ")");
        return calls;
    }

    std::deque<PageAnswer> soItemAnswers, delPageAnswers;
};

TEST_F(Bridge, SearchesAddTabsTheFirstExpandsTheWindowAndAnAnswerPastTheTabsAddsNothing) {
    Ready();
    EXPECT_EQ(form->ClientHeight(), kCollapsed);

    Search("裙", "连衣裙", 0);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("裙 - 连衣裙"));
    EXPECT_EQ(Tabs().TabIndex(), 0);
    EXPECT_EQ(form->ClientHeight(), kExpanded);

    Search("", "T恤", 1);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("裙 - 连衣裙", "T恤"));
    EXPECT_EQ(Tabs().TabIndex(), 1);

    Search("丝巾", "连衣裙", 5);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("裙 - 连衣裙", "T恤"));
    EXPECT_EQ(Tabs().TabIndex(), 1);

    // An answer naming an existing page selects its tab and keeps its caption.
    Search("雪纺", "T恤", 0);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("裙 - 连衣裙", "T恤"));
    EXPECT_EQ(Tabs().TabIndex(), 0);
    EXPECT_EQ(form->ClientHeight(), kExpanded);
    EXPECT_THAT(PageCalls("ShowPage"), IsEmpty()) << "the program's own selections show no page";
}

TEST_F(Bridge, ClickingATabShowsItsPage) {
    Ready();
    Search("裙", "连衣裙", 0);
    Search("", "T恤", 1);
    ClickTab(0);
    EXPECT_EQ(Tabs().TabIndex(), 0);
    ClickTab(1);
    ClickTab(1);  // already selected: no change, no call
    EXPECT_THAT(PageCalls("ShowPage"), ElementsAre("ShowPage(0)", "ShowPage(1)"));
}

TEST_F(Bridge, ClosingTabsSelectsThePageTheScriptNamesAndTheLastCloseCollapses) {
    Ready();
    Search("裙", "连衣裙", 0);
    Search("", "T恤", 1);
    Search("", "半身裙", 2);

    // A tab that is not selected: the press selects it (and shows its page), then it closes.
    CloseTab(0, 1);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("T恤", "半身裙"));
    EXPECT_EQ(Tabs().TabIndex(), 1);
    EXPECT_EQ(form->Bridge().PendingPageIndex(), 1);
    EXPECT_EQ(form->ClientHeight(), kExpanded);

    CloseTab(1, 0);
    CloseTab(0, -1);
    EXPECT_THAT(Tabs().Tabs(), IsEmpty());
    EXPECT_EQ(Tabs().TabIndex(), -1);
    EXPECT_EQ(form->ClientHeight(), kCollapsed);
    EXPECT_THAT(PageCalls("DelPage"), ElementsAre("DelPage(0)", "DelPage(1)", "DelPage(0)"));
    EXPECT_THAT(PageCalls("ShowPage"), ElementsAre("ShowPage(0)"));

    // The next search starts again at page 0 and expands the window.
    Search("", "T恤", 0);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("T恤"));
    EXPECT_EQ(form->ClientHeight(), kExpanded);
}

TEST_F(Bridge, FailedSearchesChangeNothing) {
    struct Case {
        const char* name;
        std::function<void()> breakScript;
    };
    const Case cases[] = {
        {"the script raises", [] {}},  // no answer lined up
        {"a string that is no number", [this] { soItemAnswers.push_back(PageAnswer::String("第一页")); }},
        {"undefined", [this] { soItemAnswers.push_back(PageAnswer{}); }},
        {"a number past 32 bits", [this] { soItemAnswers.push_back(PageAnswer::Number(1e10)); }},
        {"no SoItem on the page", [this] { Home().page().remove("SoItem"); }},
    };
    Ready();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Define("SoItem", soItemAnswers);
        c.breakScript();
        form->m_sp->SetText("500");
        form->m_ep->SetText("100");
        Click(*form->m_soso, 10, 10);
        EXPECT_THAT(Tabs().Tabs(), IsEmpty());
        EXPECT_EQ(form->ClientHeight(), kCollapsed);
        EXPECT_EQ(form->m_sp->Text(), "100") << "the range swap stays";
        EXPECT_THAT(errorBoxes, IsEmpty());
    }
}

TEST_F(Bridge, AFailedCloseStillRemovesTheTabAndSelectsThePreviousPendingPage) {
    Ready();
    Search("裙", "连衣裙", 0);
    Search("", "T恤", 1);
    Search("", "半身裙", 2);
    CloseTab(2);  // DelPage raises: nothing lined up
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("裙 - 连衣裙", "T恤"));
    EXPECT_EQ(Tabs().TabIndex(), 0) << "no close has succeeded yet";
    CloseTab(1, PageAnswer::String("next"));
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("裙 - 连衣裙"));
    EXPECT_EQ(Tabs().TabIndex(), 0);
    EXPECT_EQ(form->ClientHeight(), kExpanded);
    EXPECT_THAT(errorBoxes, IsEmpty());
}

// After the script said no page was left, a later close that fails must not take that old -1 for
// an answer and fold the window over the tabs still there.
TEST_F(Bridge, RegressionAFailedCloseAfterTheWindowHadCollapsedKeepsItOpen) {
    Ready();
    Search("裙", "连衣裙", 0);
    CloseTab(0, -1);
    ASSERT_EQ(form->ClientHeight(), kCollapsed);
    Search("", "T恤", 0);
    Search("", "半身裙", 1);
    CloseTab(1);  // fails
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("T恤"));
    EXPECT_EQ(form->ClientHeight(), kExpanded);
    // A search answered 1 now appends and its tab is seen.
    Search("", "衬衫", 1);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("T恤", "衬衫"));
    EXPECT_EQ(form->ClientHeight(), kExpanded);
}

TEST_F(Bridge, WithoutAPageScriptClosingATabStillRemovesIt) {
    Ready();
    Search("裙", "连衣裙", 0);
    Search("", "T恤", 1);
    for (const char* name : {"SoItem", "ShowPage", "DelPage"}) Home().page().remove(name);
    ClickTab(0);
    EXPECT_EQ(Tabs().TabIndex(), 0);
    Click(*form->m_soso, 10, 10);
    EXPECT_THAT(Tabs().Tabs(), ElementsAre("裙 - 连衣裙", "T恤"));
    CloseTab(1);
    CloseTab(0);
    EXPECT_THAT(Tabs().Tabs(), IsEmpty());
    EXPECT_THAT(errorBoxes, IsEmpty());
}

// m_tab as the main window's own form data makes it.
TEST_F(Bridge, TheResultTabsTakeTheirPropertiesFromTheMainWindowsFormData) {
    Start();
    skin::TbsSkinTabControl& tab = Tabs();
    EXPECT_TRUE(tab.ShowCloseButtons());
    EXPECT_EQ(tab.TabSpacing(), 1);
    EXPECT_EQ(tab.TabMargin(), -1);
    EXPECT_FALSE(tab.TabExtededDraw());
    EXPECT_FALSE(tab.TextInHorizontal());
    EXPECT_FALSE(tab.TabsBGTransparent());
    EXPECT_EQ(tab.DefaultItemHeight(), 20);
    EXPECT_EQ(tab.SkinDataName(), "tab");
    EXPECT_TRUE(tab.UseSkinFont());
    EXPECT_EQ(tab.Font().Name(), "Arial");
    EXPECT_EQ(tab.Font().Height(), 14);
    EXPECT_EQ(tab.DefaultFont().Name(), "Arial");
    EXPECT_EQ(tab.DefaultFont().Height(), 14);
    EXPECT_EQ(tab.TabCount(), 0);
    EXPECT_EQ(form->m_web->Parent(), &tab);
    EXPECT_EQ(form->m_web->Align(), framework::TAlign::alClient);
}

TEST_F(Bridge, TheTabsLieBelowThePanelWithTheBrowserInTheirPageArea) {
    Ready();
    EXPECT_EQ(Tabs().BoundsRect(), (platform::Rect{3, 71, 773, 608}));
    EXPECT_EQ(Tabs().SkinData(), form->bsSkinData1);
    EXPECT_EQ(form->m_web->Parent(), &Tabs());
    Search("裙", "连衣裙", 0);
    EXPECT_EQ(form->m_web->BoundsRect(), Tabs().DisplayArea());
    // The skin's tab record is in use: tabs as high as its normal face.
    EXPECT_EQ(Tabs().SkinIndex(), form->bsSkinData1->FindControlIndex("tab"));
    EXPECT_EQ(Tabs().TabRect(0).height(), 17);
    const char* dir = std::getenv("VELMORO_BINARY_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/screenshots/app_result_tabs.png";
    Search("", "T恤", 1);
    EXPECT_TRUE(display.saveScreenshot(path)) << path;
}

// --- Shopper input while a page call waits ------------------------------------------------------

// The demo page's rules (pageserver/web/pages.js): pages are appended, the same query shows its own
// page again, and DelPage answers the page shown next (-1 when none is left).
struct PageModel {
    std::vector<std::string> pages;  // by query
    int shown = -1;

    int SoItem(const std::string& query) {
        const auto same = std::find(pages.begin(), pages.end(), query);
        const int index = int(same - pages.begin());
        if (same == pages.end())
            pages.push_back(query);
        return shown = index;
    }
    void ShowPage(int index) {
        if (index >= 0 && index < int(pages.size()))
            shown = index;
    }
    int DelPage(int index) {
        if (index < 0 || index >= int(pages.size()))
            return shown;
        pages.erase(pages.begin() + index);
        return shown = pages.empty() ? -1 : std::min(index, int(pages.size()) - 1);
    }
};

// What the shopper does, as input queued on the display (nothing is pumped).
struct ShopperAction {
    enum class Kind { CloseTab, MiddleClickTab, ClickTab, QuickSearch, TypeKeyword };
    Kind kind;
    int tab = 0;

    static ShopperAction Close(int tab) { return {Kind::CloseTab, tab}; }
    static ShopperAction MiddleClick(int tab) { return {Kind::MiddleClickTab, tab}; }
    static ShopperAction Click(int tab) { return {Kind::ClickTab, tab}; }
    static ShopperAction Search() { return {Kind::QuickSearch}; }
    static ShopperAction Type() { return {Kind::TypeKeyword}; }
};

// The window after the page and the shopper are done.
struct Outcome {
    std::vector<std::string> tabs;  // keywords of the tab captions
    int selected = -1;
    int clientHeight = 0;
    std::vector<std::string> calls;  // after the two searches that made tabs A and B
};

class BridgeWhileThePageWorks : public Bridge {
  protected:
    // Tabs A and B from two searches answered at once, B selected; the model page behind them.
    void ReadyWithTabsAAndB() { ReadyWithTabs({"A", "B"}); }
    // A tab for each keyword, the last selected.
    void ReadyWithTabs(const std::vector<std::string>& keywords) {
        Start();
        HomePageLoaded();
        Home().page().define("SoItem", [this](const std::vector<PageArg>& args) {
            Meanwhile("SoItem");
            return PageAnswer::Number(model.SoItem(std::get<std::string>(args.at(0))));
        });
        Home().page().define("ShowPage", [this](const std::vector<PageArg>& args) {
            Meanwhile("ShowPage");
            model.ShowPage(std::get<int32_t>(args.at(0)));
            return PageAnswer{};
        });
        Home().page().define("DelPage", [this](const std::vector<PageArg>& args) {
            Meanwhile("DelPage");
            return PageAnswer::Number(model.DelPage(std::get<int32_t>(args.at(0))));
        });
        std::vector<std::string> captions;
        for (const std::string& keyword : keywords) {
            form->m_keyword->SetText(keyword);
            Click(*form->m_soso, 10, 10);
            captions.push_back(Caption(keyword));
        }
        ASSERT_EQ(Tabs().Tabs(), captions);
        callsBefore = Home().calls().size();
    }

    static std::string Caption(const std::string& keyword) { return keyword + " - 女装/女士精品"; }

    // Runs inside every page function: no other call may be waiting, and the shopper's second
    // action comes while this call works, once.
    void Meanwhile(const std::string& function) {
        if (form->m_web->PageCallWaiting())
            interleaved.push_back(function);
        if (second && secondDuring == function) {
            Queue(*second);
            second.reset();
        }
    }

    void Queue(const ShopperAction& action) {
        using Kind = ShopperAction::Kind;
        switch (action.kind) {
            case Kind::CloseTab: {
                const platform::Rect tab = Tabs().TabRect(action.tab);
                const platform::Rect box = Tabs().CloseBox(action.tab).rect.offsetBy(tab.Left, tab.Top);
                ASSERT_FALSE(box.isEmpty());
                display.click(At(Tabs(), box.Left + box.width() / 2, box.Top + box.height() / 2));
                return;
            }
            case Kind::ClickTab:
            case Kind::MiddleClickTab: {
                const platform::Rect tab = Tabs().TabRect(action.tab);
                display.click(At(Tabs(), tab.Left + 4, tab.Top + tab.height() / 2),
                              action.kind == Kind::ClickTab ? platform::MouseButton::Left
                                                            : platform::MouseButton::Middle);
                return;
            }
            case Kind::QuickSearch:
                display.click(At(*form->m_soso, 10, 10));
                return;
            case Kind::TypeKeyword:
                display.click(At(*form->m_keyword, 40, 5));
                display.commitText("外套");
                return;
        }
    }

    Outcome Seen() const {
        Outcome seen{{}, Tabs().TabIndex(), form->ClientHeight(), {}};
        for (const std::string& caption : Tabs().Tabs())
            seen.tabs.push_back(caption.substr(0, caption.find(' ')));
        for (size_t i = callsBefore; i < Home().calls().size(); ++i) {
            const auto& call = Home().calls()[i];
            seen.calls.push_back(call.name +
                                 (call.name == "SoItem"
                                      ? std::string()
                                      : "(" + std::to_string(std::get<int32_t>(call.args.at(0))) + ")"));
        }
        return seen;
    }

    PageModel model;
    std::optional<ShopperAction> second;
    std::string secondDuring;
    std::vector<std::string> interleaved;
    size_t callsBefore = 0;
};

struct WhileWaitingCase {
    const char* name;
    ShopperAction first;
    const char* during;  // the page function the second action comes during
    ShopperAction second;
    Outcome late, never;
};
void PrintTo(const WhileWaitingCase& c, std::ostream* out) {
    *out << c.name;
}
using Answering = framework::HeadlessBrowserBackend::Answering;

// The first search asks for "B2"; tabs are named by their keyword.
const WhileWaitingCase kWhileWaiting[] = {
    {"ASecondCloseWhileDelPageWaits",
     ShopperAction::Close(1),
     "DelPage",
     ShopperAction::Close(0),
     {{}, -1, kCollapsed, {"DelPage(1)", "DelPage(0)"}},
     {{}, -1, kExpanded, {"DelPage(1)", "DelPage(0)"}}},
    {"ATabClickWhileSoItemWaits",
     ShopperAction::Search(),
     "SoItem",
     ShopperAction::Click(0),
     {{"A", "B", "B2"}, 0, kExpanded, {"SoItem", "ShowPage(0)"}},
     {{"A", "B"}, 0, kExpanded, {"SoItem", "ShowPage(0)"}}},
    {"ACloseWhileSoItemWaits",
     ShopperAction::Search(),
     "SoItem",
     ShopperAction::Close(0),
     {{"B", "B2"}, 0, kExpanded, {"SoItem", "ShowPage(0)", "DelPage(0)"}},
     {{"B"}, 0, kExpanded, {"SoItem", "ShowPage(0)", "DelPage(0)"}}},
    {"ASearchWhileDelPageWaits",
     ShopperAction::Close(1),
     "DelPage",
     ShopperAction::Search(),
     {{"A", "B2"}, 1, kExpanded, {"DelPage(1)", "SoItem"}},
     {{"A"}, 0, kExpanded, {"DelPage(1)", "SoItem"}}},
    {"AMiddleClickWhileDelPageWaits",
     ShopperAction::Close(1),
     "DelPage",
     ShopperAction::MiddleClick(0),
     {{}, -1, kCollapsed, {"DelPage(1)", "DelPage(0)"}},
     {{}, -1, kExpanded, {"DelPage(1)", "DelPage(0)"}}},
    {"AMiddleClickWhileSoItemWaits",
     ShopperAction::Search(),
     "SoItem",
     ShopperAction::MiddleClick(0),
     {{"B", "B2"}, 0, kExpanded, {"SoItem", "ShowPage(0)", "DelPage(0)"}},
     {{"B"}, 0, kExpanded, {"SoItem", "ShowPage(0)", "DelPage(0)"}}},
    {"TypingWhileSoItemWaits",
     ShopperAction::Search(),
     "SoItem",
     ShopperAction::Type(),
     {{"A", "B", "B2"}, 2, kExpanded, {"SoItem"}},
     {{"A", "B"}, 1, kExpanded, {"SoItem"}}},
};

class WhileThePageWorks : public BridgeWhileThePageWorks,
                          public ::testing::WithParamInterface<std::tuple<WhileWaitingCase, Answering>> {};

// The shopper acts again while the page is still working on the first action: the second action
// is carried out after the first has come back, in order, and never inside it. With a page that
// answers late the tabs then mirror the page's pages; with one that never answers every call fails
// after its bound and the bridge's failure rules apply, to each call on its own.
TEST_P(WhileThePageWorks, TheSecondActionFollowsTheFirstCall) {
    const auto& [c, answering] = GetParam();
    const bool late = answering == Answering::Later;
    ReadyWithTabsAAndB();
    form->m_keyword->SetText("B2");
    form->m_web->SetPageCallTimeout(1000);
    Home().setAnswering(answering, 300);
    second = c.second;
    secondDuring = c.during;
    Queue(c.first);
    Pump();

    const Outcome& expected = late ? c.late : c.never;
    const Outcome seen = Seen();
    EXPECT_THAT(interleaved, IsEmpty()) << "a page call started while another waited";
    EXPECT_FALSE(second) << "the second action never came";
    EXPECT_EQ(seen.calls, expected.calls);
    EXPECT_EQ(seen.tabs, expected.tabs);
    EXPECT_EQ(seen.selected, expected.selected);
    EXPECT_EQ(seen.clientHeight, expected.clientHeight);
    if (late) {
        EXPECT_EQ(Tabs().TabCount(), int(model.pages.size())) << "the tabs mirror the pages";
        EXPECT_EQ(Tabs().TabIndex(), model.shown) << "the selected tab is the page shown";
    }
    if (c.second.kind == ShopperAction::Kind::TypeKeyword) {
        EXPECT_NE(form->m_keyword->Text().find("外套"), std::string::npos) << "typed after the search";
    }
    EXPECT_THAT(errorBoxes, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Shopper, WhileThePageWorks,
                         ::testing::Combine(::testing::ValuesIn(kWhileWaiting),
                                            ::testing::Values(Answering::Later, Answering::Never)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == Answering::Later ? "AnsweredLate"
                                                                                 : "NeverAnswered");
                         });

// --- The shopper's desk: tab keys, middle click, the tab menu, the tab hint ----------------------

enum class FocusIn { Keyword, CategoryList, Browser, Tabs };

struct TabKeyCase {
    const char* name;
    FocusIn focus;
    int selectedBefore;
    std::vector<int> keys;  // pressed with Ctrl; VK_SHIFT among them is held for the rest
    Outcome after;
};
void PrintTo(const TabKeyCase& c, std::ostream* out) {
    *out << c.name;
}

using platform::VK_NEXT;
using platform::VK_PRIOR;
using platform::VK_SHIFT;
using platform::VK_TAB;

// Tabs A, B, C; every selection shows its page, every close goes through DelPage.
const TabKeyCase kTabKeyCases[] = {
    {"CtrlTabFromTheKeyword",
     FocusIn::Keyword,
     0,
     {VK_TAB},
     {{"A", "B", "C"}, 1, kExpanded, {"ShowPage(1)"}}},
    {"CtrlTabWrapsFromTheLast",
     FocusIn::Keyword,
     2,
     {VK_TAB},
     {{"A", "B", "C"}, 0, kExpanded, {"ShowPage(0)"}}},
    {"CtrlShiftTabWrapsFromTheFirst",
     FocusIn::Browser,
     0,
     {VK_SHIFT, VK_TAB},
     {{"A", "B", "C"}, 2, kExpanded, {"ShowPage(2)"}}},
    {"CtrlPgDnTwiceFromTheBrowser",
     FocusIn::Browser,
     0,
     {VK_NEXT, VK_NEXT},
     {{"A", "B", "C"}, 2, kExpanded, {"ShowPage(1)", "ShowPage(2)"}}},
    {"CtrlPgUpFromACategoryList",
     FocusIn::CategoryList,
     1,
     {VK_PRIOR},
     {{"A", "B", "C"}, 0, kExpanded, {"ShowPage(0)"}}},
    {"CtrlPgUpWrapsOnTheTabs",
     FocusIn::Tabs,
     0,
     {VK_PRIOR},
     {{"A", "B", "C"}, 2, kExpanded, {"ShowPage(2)"}}},
    {"CtrlWClosesTheSelectedTab", FocusIn::Browser, 1, {'W'}, {{"A", "C"}, 1, kExpanded, {"DelPage(1)"}}},
    {"CtrlWThreeTimesFoldsTheWindow",
     FocusIn::Keyword,
     2,
     {'W', 'W', 'W'},
     {{}, -1, kCollapsed, {"DelPage(2)", "DelPage(1)", "DelPage(0)"}}},
    {"CtrlWThenCtrlTab",
     FocusIn::Tabs,
     0,
     {'W', VK_TAB},
     {{"B", "C"}, 1, kExpanded, {"DelPage(0)", "ShowPage(1)"}}},
};

class TabKeys : public BridgeWhileThePageWorks, public ::testing::WithParamInterface<TabKeyCase> {
  protected:
    void Focus(FocusIn where) {
        framework::TWinControl* control = nullptr;
        switch (where) {
            case FocusIn::Keyword:
                control = form->m_keyword;
                break;
            case FocusIn::CategoryList:
                control = form->m_cid;
                break;
            case FocusIn::Browser:
                control = form->m_web;
                break;
            case FocusIn::Tabs:
                control = &Tabs();
                break;
        }
        control->SetFocus();
        Pump();
        ASSERT_TRUE(control->Focused());
    }
};

TEST_P(TabKeys, SelectAndCloseAsTheTabsOwnClicksDo) {
    const TabKeyCase& c = GetParam();
    ReadyWithTabs({"A", "B", "C"});
    Tabs().SetTabIndex(c.selectedBefore);
    model.ShowPage(c.selectedBefore);
    Focus(c.focus);
    const std::string keyword = form->m_keyword->Text();
    display.pressKey(platform::VK_CONTROL);
    for (int key : c.keys) {
        if (key == VK_SHIFT)
            display.pressKey(VK_SHIFT);
        else
            display.typeKey(key);
    }
    display.releaseKey(VK_SHIFT);
    display.releaseKey(platform::VK_CONTROL);
    Pump();
    const Outcome seen = Seen();
    EXPECT_EQ(seen.tabs, c.after.tabs);
    EXPECT_EQ(seen.selected, c.after.selected);
    EXPECT_EQ(seen.clientHeight, c.after.clientHeight);
    EXPECT_EQ(seen.calls, c.after.calls);
    EXPECT_EQ(Tabs().TabCount(), int(model.pages.size())) << "the tabs mirror the pages";
    EXPECT_EQ(Tabs().TabIndex(), model.shown) << "the selected tab is the page shown";
    EXPECT_EQ(form->m_keyword->Text(), keyword) << "a tab key types nothing";
}

INSTANTIATE_TEST_SUITE_P(Shopper, TabKeys, ::testing::ValuesIn(kTabKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

enum class Press { Middle, MiddleOffTheTab };
struct TabClickCase {
    const char* name;
    int selectedBefore;
    int tab;
    Press press;
    Outcome after;
};
void PrintTo(const TabClickCase& c, std::ostream* out) {
    *out << c.name;
}

const TabClickCase kTabClickCases[] = {
    // As its close box: the press selects (and shows) the tab, the release closes it.
    {"MiddleClickOnAnotherTab",
     2,
     0,
     Press::Middle,
     {{"B", "C"}, 0, kExpanded, {"ShowPage(0)", "DelPage(0)"}}},
    {"MiddleClickOnTheSelectedTab", 1, 1, Press::Middle, {{"A", "C"}, 1, kExpanded, {"DelPage(1)"}}},
    {"MiddleReleaseOffTheTabClosesNothing",
     2,
     0,
     Press::MiddleOffTheTab,
     {{"A", "B", "C"}, 0, kExpanded, {"ShowPage(0)"}}},
};

class TabClicks : public BridgeWhileThePageWorks, public ::testing::WithParamInterface<TabClickCase> {};

TEST_P(TabClicks, AMiddleClickClosesAsTheCloseBoxDoes) {
    const TabClickCase& c = GetParam();
    ReadyWithTabs({"A", "B", "C"});
    Tabs().SetTabIndex(c.selectedBefore);
    model.ShowPage(c.selectedBefore);
    const platform::Rect tab = Tabs().TabRect(c.tab);
    display.advanceClock(1000);
    display.moveMouse(At(Tabs(), tab.Left + 4, tab.Top + tab.height() / 2));
    display.pressButton(platform::MouseButton::Middle);
    if (c.press == Press::MiddleOffTheTab)
        display.moveMouse(At(Tabs(), tab.Left + 4, tab.Bottom + 40));
    display.releaseButton(platform::MouseButton::Middle);
    Pump();
    const Outcome seen = Seen();
    EXPECT_EQ(seen.tabs, c.after.tabs);
    EXPECT_EQ(seen.selected, c.after.selected);
    EXPECT_EQ(seen.calls, c.after.calls);
    EXPECT_EQ(Tabs().TabIndex(), model.shown);
}

INSTANTIATE_TEST_SUITE_P(Shopper, TabClicks, ::testing::ValuesIn(kTabClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct TabMenuCase {
    const char* name;
    int selectedBefore;
    int tab;  // right-clicked
    TabMenuItem item;
    Outcome after;
};
void PrintTo(const TabMenuCase& c, std::ostream* out) {
    *out << c.name;
}

// Tabs A, B, C, D; closes go one tab at a time from the right.
const TabMenuCase kTabMenuCases[] = {
    {"CloseATabThatIsNotSelected", 3, 1, TabMenuItem::Close, {{"A", "C", "D"}, 1, kExpanded, {"DelPage(1)"}}},
    {"CloseOthers",
     0,
     1,
     TabMenuItem::CloseOthers,
     {{"B"}, 0, kExpanded, {"DelPage(3)", "DelPage(2)", "DelPage(0)"}}},
    {"CloseToTheRight",
     0,
     1,
     TabMenuItem::CloseToTheRight,
     {{"A", "B"}, 1, kExpanded, {"DelPage(3)", "DelPage(2)"}}},
    {"CloseAllFoldsTheWindow",
     2,
     2,
     TabMenuItem::CloseAll,
     {{}, -1, kCollapsed, {"DelPage(3)", "DelPage(2)", "DelPage(1)", "DelPage(0)"}}},
    {"SearchAgainBringsTheTabForward",
     3,
     1,
     TabMenuItem::SearchAgain,
     {{"A", "B", "C", "D"}, 1, kExpanded, {"SoItem"}}},
};

class TabMenu : public BridgeWhileThePageWorks, public ::testing::WithParamInterface<TabMenuCase> {
  protected:
    ResultTabCommands& Commands() const { return form->TabCommands(); }
    // Right click on tab i; the menu opens at the pointer.
    void RightClickTab(int i) {
        const platform::Rect tab = Tabs().TabRect(i);
        display.advanceClock(1000);
        display.click(At(Tabs(), tab.Left + 4, tab.Top + tab.height() / 2), platform::MouseButton::Right);
        Pump();
    }
    // The open menu's item by caption, chosen with a click on it.
    void ChooseItem(TabMenuItem item) {
        const std::string caption = kTabMenuCaptions[size_t(item)];
        // Down from the first usable item, then Enter: the popup menu's own keys.
        for (int i = 0; i < int(item); ++i)
            if (std::string(kTabMenuCaptions[size_t(i)]) != "-" &&
                Commands().Menu().Items()->Items(i)->Enabled())
                display.typeKey(platform::VK_DOWN);
        display.typeKey(platform::VK_RETURN);
        Pump();
        EXPECT_FALSE(Commands().Menu().IsOpen()) << caption;
    }
};

TEST_P(TabMenu, EveryCommandGoesThroughThePageOneTabAtATime) {
    const TabMenuCase& c = GetParam();
    ReadyWithTabs({"A", "B", "C", "D"});
    Tabs().SetTabIndex(c.selectedBefore);
    model.ShowPage(c.selectedBefore);
    RightClickTab(c.tab);
    ASSERT_TRUE(Commands().Menu().IsOpen());
    EXPECT_EQ(Commands().MenuTab(), c.tab);
    EXPECT_EQ(Tabs().TabIndex(), c.selectedBefore) << "a right click selects nothing";
    ChooseItem(c.item);
    const Outcome seen = Seen();
    EXPECT_EQ(seen.tabs, c.after.tabs);
    EXPECT_EQ(seen.selected, c.after.selected);
    EXPECT_EQ(seen.clientHeight, c.after.clientHeight);
    EXPECT_EQ(seen.calls, c.after.calls);
    EXPECT_EQ(Tabs().TabCount(), int(model.pages.size()));
    EXPECT_EQ(Tabs().TabIndex(), model.shown);
    if (c.item == TabMenuItem::SearchAgain) {
        ASSERT_FALSE(SoItemQueries().empty());
        EXPECT_EQ(SoItemQueries().back(), SoItemQueries().at(1)) << "tab B's own query";
    }
}

INSTANTIATE_TEST_SUITE_P(Shopper, TabMenu, ::testing::ValuesIn(kTabMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TabMenu, HasTheCaptionsInOrderAndOffersOnlyWhatCanBeDone) {
    ReadyWithTabs({"A", "B"});
    std::vector<std::string> captions;
    for (int i = 0; i < Commands().Menu().Items()->Count(); ++i)
        captions.push_back(Commands().Menu().Items()->Items(i)->Caption());
    EXPECT_THAT(captions,
                ElementsAre("关闭标签", "关闭其他标签", "关闭右侧标签", "全部关闭", "-", "重新搜索"));
    auto enabled = [&](TabMenuItem item) { return Commands().Menu().Items()->Items(int(item))->Enabled(); };

    RightClickTab(1);
    EXPECT_TRUE(enabled(TabMenuItem::CloseOthers));
    EXPECT_FALSE(enabled(TabMenuItem::CloseToTheRight)) << "nothing right of the last tab";
    const char* dir = std::getenv("VELMORO_BINARY_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/screenshots/app_tab_menu.png";
    EXPECT_TRUE(display.saveScreenshot(path)) << path;
    display.typeKey(platform::VK_ESCAPE);
    Pump();
    EXPECT_FALSE(Commands().Menu().IsOpen());
    EXPECT_THAT(Seen().calls, IsEmpty()) << "a dismissed menu does nothing";

    // Right of the tabs: no menu.
    display.advanceClock(1000);
    display.click(At(Tabs(), Tabs().TabRect(1).Right + 30, Tabs().TabRect(1).Top + 5),
                  platform::MouseButton::Right);
    Pump();
    EXPECT_FALSE(Commands().Menu().IsOpen());

    Tabs().SetTabIndex(0);
    RightClickTab(0);
    ChooseItem(TabMenuItem::CloseToTheRight);
    RightClickTab(0);
    EXPECT_FALSE(enabled(TabMenuItem::CloseOthers)) << "one tab: no others";
    display.typeKey(platform::VK_ESCAPE);
    Pump();
}

// --- The tab hint ---

class TabHint : public BridgeWhileThePageWorks {
  protected:
    ResultTabCommands& Commands() const { return form->TabCommands(); }
    void RestOn(int i) {
        const platform::Rect tab = Tabs().TabRect(i);
        display.moveMouse(At(Tabs(), tab.Left + 6, tab.Top + tab.height() / 2));
        Pump();
        display.advanceClock(framework::Application->HintPause() + 50);
        Pump();
    }
    bool HintShown() const { return Commands().Hint().HintWindow().Visible(); }
};

TEST_F(TabHint, ShowsTheWholeCaptionWithTheFiltersThatWereSet) {
    ReadyWithTabs({"A"});
    form->m_sp->SetText("500");
    form->m_ep->SetText("100");
    form->m_loc->SetItemIndex(3);
    form->ServiceBox(Service::CashOnDelivery)->SetChecked(true);
    form->m_keyword->SetText("雪纺连衣裙");
    Click(*form->m_soso, 10, 10);
    ASSERT_EQ(Tabs().TabCount(), 2);

    RestOn(0);
    EXPECT_FALSE(HintShown()) << "tab A shows all its caption and no filter was set";
    RestOn(1);
    ASSERT_TRUE(HintShown());
    const std::string text = Commands().HintText(1);
    EXPECT_EQ(text, "雪纺连衣裙 - 女装/女士精品\n价格区间 100 - 500\n所在地 " +
                        std::string(LocationCaptions[3]) + "\n货到付款");
    const char* dir = std::getenv("VELMORO_BINARY_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/screenshots/app_tab_hint.png";
    EXPECT_TRUE(display.saveScreenshot(path)) << path;

    // Leaving the strip, or pressing, hides it.
    display.moveMouse(At(*form->m_keyword, 5, 5));
    Pump();
    EXPECT_FALSE(HintShown());
}

TEST_F(TabHint, ShowsForATabCutByTheScroller) {
    std::vector<std::string> keywords;
    for (int i = 0; i < 12; ++i) keywords.push_back("连衣裙" + std::to_string(i));
    ReadyWithTabs(keywords);
    ASSERT_NE(Tabs().Scroller(), nullptr);
    Tabs().SetTabIndex(0);  // the row scrolled back to its start
    int cut = -1, whole = -1;
    for (int i = 0; i < Tabs().TabCount(); ++i) {
        if (Tabs().TabFullyShown(i))
            whole = i;
        else if (cut < 0 && Tabs().TabRect(i).Left + 10 < Tabs().Scroller()->Left())
            cut = i;
    }
    ASSERT_GE(cut, 0) << "a tab partly under the scroller";
    ASSERT_GE(whole, 0);
    EXPECT_EQ(Commands().HintText(cut), Caption(keywords[size_t(cut)]));
    EXPECT_EQ(Commands().HintText(whole), "");
    RestOn(whole);
    EXPECT_FALSE(HintShown());
    RestOn(cut);
    EXPECT_TRUE(HintShown());
}

}  // namespace
}  // namespace app::test
