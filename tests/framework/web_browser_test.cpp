// The browser component with the headless engine: navigation, document-complete, and page calls,
// whose every failure is one EPageCallError and whose wait is bounded by the display's clock.
#include "framework/browser/web_browser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/browser/headless_browser.h"
#include "framework/controls/button.h"
#include "framework/controls/edit.h"
#include "framework/core/timer.h"
#include "framework_fixture.h"
#include "platform/window/timers.h"

using namespace framework;
using namespace framework::test;
using namespace platform;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class Browser : public FrameworkTest {
  protected:
    Browser() {
        form = application.CreateForm<TForm>();
        form->SetBounds(10, 10, 400, 300);
        browser = new TWebBrowser(form);
        browser->SetParent(form);
        browser->SetAlign(TAlign::alClient);
        form->Show();
        Pump();
        engine = &engines.last();
    }
    HeadlessBrowsers engines;  // before the form: the form's browser takes an engine from it
    TForm* form = nullptr;
    TWebBrowser* browser = nullptr;
    HeadlessBrowserBackend* engine = nullptr;
};

TEST_F(Browser, NavigatesAndTellsEachFinishedDocument) {
    std::vector<std::string> completed;
    browser->OnDocumentComplete = [&](TObject*, const std::string& url) { completed.push_back(url); };
    browser->Navigate("http://127.0.0.1:18080/qrwk/");
    EXPECT_THAT(engine->navigations(), ElementsAre("http://127.0.0.1:18080/qrwk/"));
    EXPECT_EQ(browser->LocationURL(), "http://127.0.0.1:18080/qrwk/");
    engine->finishLoading("http://127.0.0.1:18080/qrwk/frame.html");
    engine->finishLoading();
    EXPECT_THAT(completed,
                ElementsAre("http://127.0.0.1:18080/qrwk/frame.html", "http://127.0.0.1:18080/qrwk/"));
    // A failing handler goes to the error box, not into the engine.
    browser->OnDocumentComplete = [](TObject*, const std::string&) { throw EInvalidOperation("坏了"); };
    engine->finishLoading();
    EXPECT_THAT(errorBoxes, ElementsAre("坏了."));
}

TEST_F(Browser, ANavigationThatCannotStartRaisesToTheCaller) {
    engine->refuseNavigation("unsupported URL");
    EXPECT_THROW(browser->Navigate("gopher://x"), ENavigationError);
    EXPECT_EQ(browser->LocationURL(), "");
}

TEST_F(Browser, PageCallsPassTheirArgumentsAsValuesAndReturnTheAnswer) {
    engine->finishLoading();
    std::vector<PageArg> received;
    engine->page().define("SoItem", [&](const std::vector<PageArg>& args) {
        received = args;
        return PageAnswer::Number(3);
    });
    const std::string hostile = "'\"\\</script>\u2028裙";
    EXPECT_EQ(browser->CallPageFunction("SoItem", {hostile, 1}), 3);
    EXPECT_THAT(received, ElementsAre(PageArg(hostile), PageArg(int32_t(1))));
}

TEST_F(Browser, AnswersConvertToAThirtyTwoBitIntegerOrFail) {
    struct Case {
        PageAnswer answer;
        std::optional<int32_t> value;
    };
    PageAnswer boolean;
    boolean.kind = PageAnswer::Kind::Boolean;
    boolean.boolean = true;
    const Case cases[] = {
        {PageAnswer::Number(-1), -1},
        {PageAnswer::Number(2.5), 2},
        {PageAnswer::Number(3.5), 4},
        {PageAnswer::Number(2147483647.0), 2147483647},
        {PageAnswer::Number(2147483648.0), std::nullopt},
        {PageAnswer::Number(std::nan("")), std::nullopt},
        {PageAnswer::Number(std::numeric_limits<double>::infinity()), std::nullopt},
        {PageAnswer::String(" 42 "), 42},
        {PageAnswer::String("4x"), std::nullopt},
        {PageAnswer::String(""), std::nullopt},
        {boolean, std::nullopt},
        {PageAnswer{}, std::nullopt},
    };
    engine->finishLoading();
    for (const Case& c : cases) {
        engine->page().define("f", [&](const std::vector<PageArg>&) { return c.answer; });
        if (c.value) {
            EXPECT_EQ(browser->CallPageFunction("f", {}), *c.value);
        } else {
            EXPECT_THROW(browser->CallPageFunction("f", {}), EPageCallError);
        }
    }
}

TEST_F(Browser, EveryFailureOfAPageCallIsOneEPageCallError) {
    // No document yet.
    engine->page().define("ShowPage", [](const std::vector<PageArg>&) { return PageAnswer::Number(0); });
    EXPECT_THROW(browser->CallPageFunction("ShowPage", {1}), EPageCallError);
    engine->finishLoading();
    EXPECT_EQ(browser->CallPageFunction("ShowPage", {1}), 0);
    // No such function; a script error.
    EXPECT_THROW(browser->CallPageFunction("DelPage", {0}), EPageCallError);
    engine->page().define("DelPage", [](const std::vector<PageArg>&) -> PageAnswer {
        throw HeadlessScriptError("TypeError: pages[i] is undefined");
    });
    try {
        browser->CallPageFunction("DelPage", {0});
        ADD_FAILURE();
    } catch (const EPageCallError& error) {
        EXPECT_THAT(error.Message(), HasSubstr("DelPage"));
        EXPECT_THAT(error.Message(), HasSubstr("TypeError"));
    }
}

TEST_F(Browser, APageThatNeverAnswersCostsTheBoundOnTheClock) {
    engine->finishLoading();
    engine->page().define("SoItem", [](const std::vector<PageArg>&) { return PageAnswer::Number(0); });
    engine->setAnswering(HeadlessBrowserBackend::Answering::Never);
    browser->SetPageCallTimeout(2000);
    const DWORD start = GetTickCount();
    EXPECT_THROW(browser->CallPageFunction("SoItem", {"k=", 1}), EPageCallError);
    const DWORD spent = GetTickCount() - start;
    EXPECT_GE(spent, 2000u);
    EXPECT_LT(spent, 2100u);
}

TEST_F(Browser, AnAnswerInTimeIsTakenALateOneIsDropped) {
    engine->finishLoading();
    int answers = 0;
    engine->page().define("SoItem",
                          [&](const std::vector<PageArg>&) { return PageAnswer::Number(++answers); });
    browser->SetPageCallTimeout(500);
    engine->setAnswering(HeadlessBrowserBackend::Answering::Later, 200);
    EXPECT_EQ(browser->CallPageFunction("SoItem", {}), 1);
    engine->setAnswering(HeadlessBrowserBackend::Answering::Later, 800);
    EXPECT_THROW(browser->CallPageFunction("SoItem", {}), EPageCallError);
    // The late answer arrives while the next call waits: it is not taken for that call's.
    engine->setAnswering(HeadlessBrowserBackend::Answering::Later, 400);
    EXPECT_EQ(browser->CallPageFunction("SoItem", {}), 3);
    // Messages went on meanwhile: a timer of the program ran during the waits.
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer([&](TObject*) { ++ticks; });
    engine->setAnswering(HeadlessBrowserBackend::Answering::Later, 350);
    EXPECT_EQ(browser->CallPageFunction("SoItem", {}), 4);
    EXPECT_EQ(ticks, 3);
}

// Whatever the user does while a call waits (a click, a key) reaches the controls after the call
// has returned to its caller, in the order it came; painting and timers go on during the wait.
TEST_F(Browser, TheUsersInputWaitsUntilTheCallHasReturned) {
    browser->SetAlign(TAlign::alNone);
    browser->SetBounds(0, 60, 400, 200);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(0, 0, 120, 22);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(0, 30, 80, 24);
    Pump();
    edit->SetFocus();
    std::vector<std::string> events;
    edit->OnChange = [&](TObject*) { events.push_back("typed " + edit->Text()); };
    button->OnClick = [&](TObject*) { events.push_back("click"); };
    engine->finishLoading();
    engine->page().define("SoItem", [&](const std::vector<PageArg>&) {
        display.typeKey('Q');
        display.click(At(*button, 10, 10));
        return PageAnswer::Number(7);
    });
    TTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer([&](TObject*) { events.push_back("tick"); });
    engine->setAnswering(HeadlessBrowserBackend::Answering::Later, 250);
    EXPECT_EQ(browser->CallPageFunction("SoItem", {}), 7);
    events.push_back("answer");
    timer.SetEnabled(false);
    Pump();
    EXPECT_THAT(events, ElementsAre("tick", "tick", "answer", "typed q", "click"));
}

TEST_F(Browser, ABrowserDestroyedWhileACallWaitsFailsTheCallAndIsNeverCalledAgain) {
    engine->finishLoading();
    engine->page().define("SoItem", [](const std::vector<PageArg>&) { return PageAnswer::Number(0); });
    engine->setAnswering(HeadlessBrowserBackend::Answering::Later, 1000);
    TTimer killer(nullptr);
    killer.SetInterval(100);
    killer.SetOnTimer([this, &killer](TObject*) {
        killer.SetEnabled(false);
        delete form;  // the form goes, and its browser with it
    });
    TWebBrowser* doomed = browser;
    EXPECT_THROW(doomed->CallPageFunction("SoItem", {}), EPageCallError);
    EXPECT_EQ(engines.made().back(), nullptr);  // the engine went with it
    PumpMessagesFor(2000);                      // the answer would have come now: nobody is called
}

TEST_F(Browser, TheEngineIsMadeByTheProcessWideFactory) {
    int made = 0;
    BrowserBackendFactory previous = SetBrowserBackendFactory([&made]() -> std::unique_ptr<BrowserBackend> {
        ++made;
        return std::make_unique<HeadlessBrowserBackend>();
    });
    TWebBrowser other(nullptr);
    other.Navigate("about:blank");
    EXPECT_EQ(made, 1);
    SetBrowserBackendFactory(previous);
    // Without any engine the call still fails as a page call.
    BrowserBackendFactory none =
        SetBrowserBackendFactory([]() -> std::unique_ptr<BrowserBackend> { return nullptr; });
    TWebBrowser lost(nullptr);
    EXPECT_THROW(lost.CallPageFunction("SoItem", {}), EPageCallError);
    EXPECT_THROW(lost.Navigate("about:blank"), ENavigationError);
    SetBrowserBackendFactory(none);
}

}  // namespace
