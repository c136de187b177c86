// The search program on the headless display with headless browsers: the fixture starts it as
// main() does (the application object exists first), notes the program's state each time a page
// starts loading, and can refuse chosen navigations.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/fitting_room.h"
#include "app/main_window.h"
#include "app/search_program.h"
#include "framework/browser/headless_browser.h"
#include "tests/framework/framework_fixture.h"

namespace app::test {

inline const PageSite kSite{"pages.test:8080"};

// What the program looked like when a page started loading.
struct AtNavigation {
    std::string url;
    int forms = 0;                  // the application's forms
    bool mainWindowLoading = true;  // a component of the main window was still loading
    platform::Rect mainBounds;
    int32_t mainClientHeight = 0;
};

// Forwards to a headless engine; tells the fixture of each navigation first, which may refuse it.
class ObservedEngine : public framework::BrowserBackend {
  public:
    using Observer = std::function<void(const std::string& url)>;
    ObservedEngine(std::unique_ptr<framework::BrowserBackend> inner, Observer observer)
        : inner_(std::move(inner)), observer_(std::move(observer)) {}
    void navigate(const std::string& url) override {
        observer_(url);
        inner_->navigate(url);
    }
    void callFunction(const std::string& name, const std::vector<framework::PageArg>& args,
                      CallCompletion done) override {
        inner_->callFunction(name, args, std::move(done));
    }
    void setDocumentCompleteHandler(DocumentCompleteHandler handler) override {
        inner_->setDocumentCompleteHandler(std::move(handler));
    }
    platform::NativeWidget* nativeWidget() override { return inner_->nativeWidget(); }

  private:
    std::unique_ptr<framework::BrowserBackend> inner_;
    Observer observer_;
};

class SearchProgramTest : public framework::test::FrameworkTest {
  protected:
    SearchProgramTest() {
        headless_ = framework::SetBrowserBackendFactory(nullptr);
        framework::SetBrowserBackendFactory([this] {
            return std::make_unique<ObservedEngine>(headless_(),
                                                    [this](const std::string& url) { Navigating(url); });
        });
    }
    ~SearchProgramTest() override { framework::SetBrowserBackendFactory(headless_); }

    // Start-up as main() runs it, then the window shown as the main loop shows it.
    TForm1& Start() {
        form = StartSearchProgram(application, kSite);
        form->Show();
        Pump();
        return *form;
    }

    // The headless engine that loaded `url`.
    framework::HeadlessBrowserBackend& EngineOf(const std::string& url) const {
        for (framework::HeadlessBrowserBackend* engine : browsers.made())
            if (engine && !engine->navigations().empty() && engine->navigations().front() == url)
                return *engine;
        throw std::logic_error("no engine loaded " + url);
    }
    framework::HeadlessBrowserBackend& Home() const { return EngineOf(kSite.HomePageUrl()); }
    framework::HeadlessBrowserBackend& Room() const { return EngineOf(kSite.FittingRoomUrl()); }

    // The home page has loaded, with a page script whose SoItem answers 0.
    void HomePageLoaded() {
        Home().page().define("SoItem", [](const std::vector<framework::PageArg>&) {
            return framework::PageAnswer::Number(0);
        });
        Home().finishLoading();
        Pump();
    }
    // The queries SoItem received, in order.
    std::vector<std::string> SoItemQueries() const {
        std::vector<std::string> queries;
        for (const auto& call : Home().calls())
            if (call.name == "SoItem" && !call.args.empty())
                queries.push_back(std::get<std::string>(call.args[0]));
        return queries;
    }

    // Navigations to these URLs fail to start with this message.
    std::function<void(const std::string& url)> refuse;
    std::vector<AtNavigation> navigations;
    framework::HeadlessBrowsers browsers;  // made before any form
    TForm1* form = nullptr;

  private:
    void Navigating(const std::string& url) {
        AtNavigation at{url, application.FormCount(), true, {}, 0};
        if (auto* main =
                application.FormCount() > 0 ? dynamic_cast<TForm1*>(application.Forms(0)) : nullptr) {
            at.mainWindowLoading = false;
            for (int i = 0; i < main->ComponentCount(); ++i)
                at.mainWindowLoading |= main->Components(i)->InState(framework::csLoading);
            at.mainBounds = main->BoundsRect();
            at.mainClientHeight = main->ClientHeight();
        }
        navigations.push_back(at);
        if (refuse)
            refuse(url);
    }

    framework::BrowserBackendFactory headless_;
};

}  // namespace app::test
