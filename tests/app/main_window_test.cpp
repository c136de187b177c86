// The main window on the headless display: start-up in order, placement and collapse, quick search
// enabled by the first document-complete, the query a quick search sends and writes back, failures
// of the page dropped, and the error box for a navigation that cannot start.
#include "app/main_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/screen_placement.h"
#include "platform/window/focus.h"
#include "platform/window/keys.h"
#include "platform/window/window.h"
#include "search_program_fixture.h"
#include "skin/data/skin_broadcast.h"
#include "skin/data/skin_messages.h"

namespace app::test {
namespace {

using framework::ENavigationError;
using framework::PageAnswer;
using framework::PageArg;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kStartQuery =
    "k=%E7%83%AD%E5%8D%96&sp=0&ep=99999999&area=&s=commissionVolume_desc&sc=1heart&ec=5goldencrown";

// --- Placement, as a pure rule ----------------------------------------------------------------------

TEST(CentredTopLeft, CentresOnTheWholeScreenThenLiftsWithHalvesTruncatedTowardZero) {
    struct Case {
        platform::Size screen, window;
        int32_t lift;
        platform::Point expected;
    };
    const Case cases[] = {
        {{1024, 768}, {783, 641}, 40, {120, 23}},    // 241 / 2 = 120
        {{1280, 1024}, {783, 641}, 40, {248, 151}},  //
        {{800, 600}, {783, 641}, 40, {8, -60}},      // taller than the screen: -41 / 2 = -20
        {{640, 480}, {783, 641}, 40, {-71, -120}},   // wider too: -143 / 2 = -71, not -72
        {{1024, 768}, {796, 702}, 10, {114, 23}},    // the fitting room's lift
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredTopLeft(c.screen, c.window, c.lift), c.expected)
            << c.screen.cx << "x" << c.screen.cy << " " << c.window.cx << "x" << c.window.cy;
}

// --- Start-up ---------------------------------------------------------------------------------------

using StartUp = SearchProgramTest;

TEST_F(StartUp, ComponentsThenReferencesAndSkinThenFinishingStepsThenFormCreateInItsOrder) {
    // The skin's change notices reach the main window while its components are all there and all
    // still loading: the skin loads when the reference is resolved, before the finishing steps.
    struct Notice {
        uint32_t message;
        int components;
        bool allLoading;
        int forms;
    };
    std::vector<Notice> notices;
    skin::AppFormsProvider previous = skin::SetAppFormsProvider([&] {
        std::vector<skin::AppForm> forms;
        framework::TForm* main = application.Forms(0);
        forms.push_back(
            {main, "TForm1", [&, main](uint32_t message, uintptr_t, intptr_t) {
                 bool allLoading = true;
                 for (int i = 0; i < main->ComponentCount(); ++i)
                     allLoading &= main->Components(i)->InState(framework::csLoading);
                 notices.push_back({message, main->ComponentCount(), allLoading, application.FormCount()});
             }});
        return forms;
    });
    Start();
    skin::SetAppFormsProvider(previous);

    std::vector<std::string> names;
    for (int i = 0; i < form->ComponentCount(); ++i) names.push_back(form->Components(i)->Name());
    EXPECT_THAT(names,
                ElementsAre("Panel1", "Label1", "m_keyword", "m_cid", "Label2", "m_sp", "m_ep", "Label3",
                            "m_loc", "m_co", "Label5", "m_sort", "Label4", "m_sc", "m_ec", "m_rd", "m_gu",
                            "m_sr", "m_or", "m_oi", "m_mall", "m_soso", "m_soso2", "m_tab", "m_web",
                            "bsBusinessSkinForm1", "bsSkinData1", "bsCompressedStoredSkin1",
                            ""));  // the last: the fitting room
    EXPECT_EQ(form->Components(28), form->FittingRoom());

    ASSERT_EQ(notices.size(), 3u);
    EXPECT_EQ(notices[0].message, uint32_t(skin::SKM_BEFORECHANGESKINDATA));
    EXPECT_EQ(notices[2].message, uint32_t(skin::SKM_AFTERCHANGESKINDATA));
    for (const Notice& notice : notices) {
        EXPECT_EQ(notice.components, 28);
        EXPECT_TRUE(notice.allLoading);
        EXPECT_EQ(notice.forms, 1);
    }
    EXPECT_EQ(form->bsSkinData1->CompressedStoredSkin(), form->bsCompressedStoredSkin1);
    EXPECT_FALSE(form->bsSkinData1->Empty());
    EXPECT_GE(form->bsSkinData1->FindControlIndex("tab"), 0);
    EXPECT_EQ(form->bsCompressedStoredSkin1->FileName(), "skin.ini");

    // FormCreate, after every finishing step: placed and collapsed before the fitting room starts
    // loading; the fitting room exists, hidden, before the home page starts loading.
    ASSERT_EQ(navigations.size(), 2u);
    const AtNavigation& room = navigations[0];
    const AtNavigation& home = navigations[1];
    EXPECT_EQ(room.url, "http://pages.test:8080/qrwk/syj.html");
    EXPECT_EQ(home.url, "http://pages.test:8080/qrwk/");
    EXPECT_FALSE(room.mainWindowLoading);
    EXPECT_EQ(room.mainClientHeight, TForm1::kCollapsedClientHeight);
    EXPECT_EQ(room.mainBounds.topLeft(), form->BoundsRect().topLeft());
    EXPECT_EQ(room.forms, 2);
    EXPECT_EQ(home.forms, 2);
    EXPECT_THAT(errorBoxes, IsEmpty());
}

TEST_F(StartUp, CentredForTheExpandedHeightThenCollapsedToThePanel) {
    struct Screen {
        int32_t width, height;
    };
    // 1024 x 630: the expanded window would be taller than the work area, which is as high as the
    // skinned frame lets a window grow: the window is placed for that height, a negative top with
    // its half truncated toward zero.
    for (Screen screen : {Screen{1024, 768}, Screen{1280, 1024}, Screen{1024, 630}}) {
        const int32_t workHeight = screen.height - 30;
        display.setMonitors({{{0, 0, screen.width, screen.height}, {0, 0, screen.width, workHeight}, true}});
        Start();
        const int32_t width = form->Width();
        const int32_t expandedHeight = std::min(
            form->Height() + TForm1::kExpandedClientHeight - TForm1::kCollapsedClientHeight, workHeight);
        EXPECT_EQ(width, 785);
        EXPECT_EQ(form->ClientWidth(), 777);
        EXPECT_EQ(form->ClientHeight(), TForm1::kCollapsedClientHeight);
        EXPECT_EQ(form->Left(), (screen.width - width) / 2) << screen.width;
        EXPECT_EQ(form->Top(), (screen.height - expandedHeight) / 2 - 40) << screen.height;
        if (expandedHeight > screen.height) {
            EXPECT_LT(form->Top(), -40);
        }
        EXPECT_TRUE(form->Visible());
        delete form;
    }
}

TEST_F(StartUp, ThePanelStartsAsTheQueryBuildersStartingPanel) {
    Start();
    EXPECT_EQ(form->ReadPanel(), PanelState{});
    for (framework::TComboBox* list : {form->m_cid, form->m_loc, form->m_sort, form->m_sc, form->m_ec})
        EXPECT_EQ(list->Style(), framework::TComboBoxStyle::csDropDownList) << list->Name();
    EXPECT_FALSE(form->m_soso->Enabled());
    EXPECT_TRUE(form->m_soso->Default());
    EXPECT_TRUE(form->m_soso2->Enabled());
}

TEST_F(StartUp, TabWalksThePanelInItsTabOrderSkippingTheDisabledQuickSearch) {
    Start();
    form->m_keyword->SetFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 15; ++i) {
        Type(platform::VK_TAB);
        visited.push_back(framework::TWinControl::FindControl(platform::GetFocus())->Name());
    }
    EXPECT_THAT(visited, ElementsAre("m_cid", "m_sp", "m_ep", "m_loc", "m_co", "m_sort", "m_sc", "m_ec",
                                     "m_rd", "m_gu", "m_sr", "m_or", "m_oi", "m_mall", "m_soso2"));
}

TEST_F(StartUp, TheEditAndTheListsAskForTheInputMethod) {
    Start();
    for (framework::TWinControl* control : {static_cast<framework::TWinControl*>(form->m_keyword),
                                            static_cast<framework::TWinControl*>(form->m_cid),
                                            static_cast<framework::TWinControl*>(form->m_loc),
                                            static_cast<framework::TWinControl*>(form->m_ec)}) {
        form->m_soso2->SetFocus();
        Pump();
        control->SetFocus();
        Pump();
        EXPECT_TRUE(display.imeEnabled()) << control->Name();
        EXPECT_EQ(display.imeWindow(), control->Handle()) << control->Name();
    }
}

TEST_F(StartUp, ANavigationThatCannotStartGoesToTheErrorBoxAndTheWindowStaysLoading) {
    refuse = [](const std::string& url) {
        if (url == kSite.HomePageUrl())
            throw ENavigationError("Cannot load " + url);
    };
    Start();
    EXPECT_THAT(errorBoxes, ElementsAre("Cannot load http://pages.test:8080/qrwk/."));
    EXPECT_EQ(form->ClientHeight(), TForm1::kCollapsedClientHeight);
    EXPECT_FALSE(form->m_soso->Enabled());
    ASSERT_NE(form->FittingRoom(), nullptr);
    EXPECT_EQ(application.MainForm(), form);

    // Enter still does nothing: no page, no search, no second box.
    form->m_keyword->SetFocus();
    Type(platform::VK_RETURN);
    EXPECT_EQ(errorBoxes.size(), 1u);
}

TEST_F(StartUp, AFittingRoomThatCannotLoadIsReportedAndTheHomePageStillLoads) {
    refuse = [](const std::string& url) {
        if (url == kSite.FittingRoomUrl())
            throw ENavigationError("Cannot load " + url);
    };
    Start();
    EXPECT_THAT(errorBoxes, ElementsAre("Cannot load http://pages.test:8080/qrwk/syj.html."));
    ASSERT_NE(form->FittingRoom(), nullptr);
    HomePageLoaded();
    EXPECT_TRUE(form->m_soso->Enabled());
}

// --- Quick search -------------------------------------------------------------------------------------

using QuickSearch = SearchProgramTest;

TEST_F(QuickSearch, EnterDoesNothingUntilTheHomePageHasLoadedThenSearches) {
    Start();
    form->m_keyword->SetFocus();
    display.commitText("裙");
    Type(platform::VK_RETURN);
    EXPECT_THAT(Home().calls(), IsEmpty());

    HomePageLoaded();
    EXPECT_TRUE(form->m_soso->Enabled());
    Type(platform::VK_RETURN);
    EXPECT_THAT(SoItemQueries(),
                ElementsAre("k=%E8%A3%99&sp=0&ep=99999999&area=&s=commissionVolume_desc&sc=1heart"
                            "&ec=5goldencrown"));
    EXPECT_EQ(std::get<int32_t>(Home().calls()[0].args[1]), 1);

    // Every further document-complete (a frame, a reload) leaves it enabled.
    Home().finishLoading();
    Pump();
    EXPECT_TRUE(form->m_soso->Enabled());
}

TEST_F(QuickSearch, AClickSendsThePanelsQueryAndWritesTheSwappedRangesBack) {
    Start();
    HomePageLoaded();
    form->m_cid->SetItemIndex(1);
    form->m_sp->SetText("300");
    form->m_ep->SetText("100");
    form->m_loc->SetItemIndex(5);  // 北京
    form->m_sort->SetItemIndex(1);
    form->m_sc->SetItemIndex(14);
    form->m_ec->SetItemIndex(5);
    form->ServiceBox(Service::CashOnDelivery)->SetChecked(true);
    form->ServiceBox(Service::Mall)->SetChecked(true);
    Click(*form->m_soso, 10, 10);

    EXPECT_THAT(SoItemQueries(),
                ElementsAre("k=&cid=50010850&sp=100&ep=300&area=%E5%8C%97%E4%BA%AC&s=price_asc"
                            "&sc=1diamond&ec=5crown&co=true&mall=true"));
    EXPECT_EQ(form->m_sp->Text(), "100");
    EXPECT_EQ(form->m_ep->Text(), "300");
    EXPECT_EQ(form->m_sc->ItemIndex(), 5);
    EXPECT_EQ(form->m_ec->ItemIndex(), 14);
    EXPECT_EQ(form->m_loc->Text(), "北京");
}

TEST_F(QuickSearch, AnEmptiedPriceFieldCountsAsZeroAndIsLeftAsTyped) {
    Start();
    HomePageLoaded();
    form->m_sp->SetFocus();
    form->m_sp->SelectAll();
    Type(platform::VK_DELETE);
    Type(platform::VK_RETURN);  // the field still has the focus
    EXPECT_THAT(SoItemQueries(), ElementsAre(kStartQuery));
    EXPECT_EQ(form->m_sp->Text(), "");
}

TEST_F(QuickSearch, FailuresOfThePageAreDroppedSilentlyAndTheSwapsStay) {
    Start();
    Home().finishLoading();  // a page without SoItem
    Pump();
    form->m_sc->SetItemIndex(19);
    form->m_ec->SetItemIndex(0);
    Click(*form->m_soso, 10, 10);
    EXPECT_EQ(form->m_sc->ItemIndex(), 0);
    EXPECT_EQ(form->m_ec->ItemIndex(), 19);

    struct Failure {
        const char* what;
        std::function<PageAnswer(const std::vector<PageArg>&)> soItem;
    };
    const Failure failures[] = {
        {"script error",
         [](const std::vector<PageArg>&) -> PageAnswer { throw framework::HeadlessScriptError("x"); }},
        {"not a number", [](const std::vector<PageArg>&) { return PageAnswer::String("第一页"); }},
    };
    for (const Failure& failure : failures) {
        Home().page().define("SoItem", failure.soItem);
        Click(*form->m_soso, 10, 10);
        EXPECT_THAT(errorBoxes, IsEmpty()) << failure.what;
    }
    // A page that never answers costs the call's bound, then is dropped too.
    Home().setAnswering(framework::HeadlessBrowserBackend::Answering::Never);
    form->m_web->SetPageCallTimeout(200);
    Click(*form->m_soso, 10, 10);
    EXPECT_THAT(errorBoxes, IsEmpty());
    EXPECT_EQ(Home().calls().size(), 4u);
}

TEST_F(QuickSearch, ASecondEnterWhileThePageIsAnsweringSearchesOnceTheAnswerIsIn) {
    Start();
    HomePageLoaded();
    Home().setAnswering(framework::HeadlessBrowserBackend::Answering::Later, 300);
    int waitingAtSecondSearch = -1;
    Home().page().define("SoItem", [&](const std::vector<framework::PageArg>&) {
        if (SoItemQueries().size() == 1)
            display.typeKey(platform::VK_RETURN);  // comes while the first search waits
        else
            waitingAtSecondSearch = form->m_web->PageCallWaiting();
        return framework::PageAnswer::Number(0);
    });
    form->m_keyword->SetFocus();
    Type(platform::VK_RETURN);
    EXPECT_THAT(SoItemQueries(), ElementsAre(kStartQuery, kStartQuery));
    EXPECT_EQ(waitingAtSecondSearch, 0) << "the second search started inside the first one's wait";
}

TEST_F(QuickSearch, AnInstalledQueryRunnerTakesTheQueryInsteadOfThePage) {
    Start();
    HomePageLoaded();
    std::vector<std::string> ran;
    form->SetQueryRunner([&](const std::string& query) { ran.push_back(query); });
    Click(*form->m_soso, 10, 10);
    EXPECT_THAT(ran, ElementsAre(kStartQuery));
    EXPECT_THAT(Home().calls(), IsEmpty());
}

TEST_F(QuickSearch, TheReadyWindowAsAShopperSeesIt) {
    Start();
    HomePageLoaded();
    form->m_keyword->SetFocus();
    display.commitText("碎花连衣裙");
    Pump();
    const char* dir = std::getenv("VELMORO_BINARY_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/screenshots/app_main_window.png";
    std::system(("mkdir -p '" + std::string(dir ? dir : ".") + "/screenshots'").c_str());
    EXPECT_TRUE(display.saveScreenshot(path)) << path;
}

// What the input method does in the panel's fields: its composition shows and goes without touching
// the text, and what it commits lands at the caret; the price fields keep their digits.
TEST_F(StartUp, ChineseFromTheInputMethodLandsAtTheCaretAndNotInThePriceFields) {
    struct Case {
        const char* name;
        framework::TCustomEdit* field;
        std::string before;
        int caret;
        std::string after;
    };
    Start();
    const Case cases[] = {
        {"keyword, empty", form->m_keyword, "", 0, "裙子"},
        {"keyword, caret in the middle", form->m_keyword, "裙子", 1, "裙裙子子"},
        {"keyword, caret at the start", form->m_keyword, "silk", 0, "裙子silk"},
        {"lower price", form->m_sp, "0", 1, "0"},
        {"upper price", form->m_ep, "99999999", 4, "99999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.field->SetText(c.before);
        c.field->SetFocus();
        Pump();
        c.field->SetSelStart(c.caret);
        c.field->SetSelLength(0);
        display.startComposition();
        display.changeComposition("qun zi", 6);
        Pump();
        EXPECT_EQ(c.field->Text(), c.before) << "the composition is not the text";
        display.endComposition();
        display.commitText("裙子");
        Pump();
        EXPECT_EQ(c.field->Text(), c.after);
    }
}

}  // namespace
}  // namespace app::test
