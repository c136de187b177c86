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

#include "search_program_fixture.h"

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
    enum class Kind { CloseTab, ClickTab, QuickSearch, TypeKeyword };
    Kind kind;
    int tab = 0;

    static ShopperAction Close(int tab) { return {Kind::CloseTab, tab}; }
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
    void ReadyWithTabsAAndB() {
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
        for (const char* keyword : {"A", "B"}) {
            form->m_keyword->SetText(keyword);
            Click(*form->m_soso, 10, 10);
        }
        ASSERT_THAT(Tabs().Tabs(), ElementsAre(Caption("A"), Caption("B")));
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
            case Kind::ClickTab: {
                const platform::Rect tab = Tabs().TabRect(action.tab);
                display.click(At(Tabs(), tab.Left + 4, tab.Top + tab.height() / 2));
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

}  // namespace
}  // namespace app::test
