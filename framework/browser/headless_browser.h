// The headless browser engine: no pixels, no network. Its page is a test object with named
// functions; its document is complete when the test says so. Tests and tools use it through
// HeadlessBrowsers, which installs it as the process-wide engine for as long as it lives.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/browser/browser_backend.h"
#include "platform/window/types.h"

namespace framework {

// Thrown by a page function to act as an error raised by the page's script.
class HeadlessScriptError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The script of a headless page: global functions by name.
class HeadlessPage {
public:
    // Returns the answer, or throws HeadlessScriptError (any exception counts as a script error).
    using Function = std::function<PageAnswer(const std::vector<PageArg>& args)>;

    void define(const std::string& name, Function function) { functions_[name] = std::move(function); }
    void remove(const std::string& name) { functions_.erase(name); }
    const Function* find(const std::string& name) const;

private:
    std::map<std::string, Function> functions_;
};

class HeadlessBrowserBackend : public BrowserBackend {
public:
    // When a page function's answer reaches the component.
    enum class Answering {
        Immediately,  // inside the call
        Later,        // after answerDelay milliseconds on the display's clock
        Never,        // not at all (a page that hangs)
    };
    struct Call {
        std::string name;
        std::vector<PageArg> args;
    };

    HeadlessBrowserBackend();
    ~HeadlessBrowserBackend() override;

    void navigate(const std::string& url) override;
    void callFunction(const std::string& name, const std::vector<PageArg>& args, CallCompletion done) override;
    void setDocumentCompleteHandler(DocumentCompleteHandler handler) override;
    platform::NativeWidget* nativeWidget() override { return nullptr; }

    // --- What the test does ---
    // The script of the page that loads next (and of the present one).
    HeadlessPage& page() { return page_; }
    // The present document has finished loading (a frame too, when called again): from now on
    // its functions can be called; document-complete fires with `url` (default: the last URL).
    void finishLoading(std::optional<std::string> url = std::nullopt);
    // The next navigations fail to start with this message (none: they start again).
    void refuseNavigation(std::optional<std::string> message) { refusal_ = std::move(message); }
    void setAnswering(Answering answering, uint32_t answerDelay = 0);

    // --- What the test sees ---
    const std::vector<std::string>& navigations() const { return navigations_; }
    const std::vector<Call>& calls() const { return calls_; }
    bool hasDocument() const { return hasDocument_; }

private:
    static void DeliverDelayed(platform::HWND, platform::UINT, platform::UINT_PTR timer, platform::DWORD);
    PageCallResult run(const std::string& name, const std::vector<PageArg>& args) const;

    HeadlessPage page_;
    DocumentCompleteHandler documentComplete_;
    std::vector<std::string> navigations_;
    std::vector<Call> calls_;
    std::optional<std::string> refusal_;
    bool hasDocument_ = false;
    Answering answering_ = Answering::Immediately;
    uint32_t answerDelay_ = 0;
    std::map<platform::UINT_PTR, std::pair<PageCallResult, CallCompletion>> delayed_;  // by timer
    // The list of the HeadlessBrowsers that made this engine, where it is nulled when it goes.
    std::shared_ptr<std::vector<HeadlessBrowserBackend*>> registry_;
    friend class HeadlessBrowsers;
};

// Makes every browser component created while it lives use a headless engine, and lists the
// engines made; the previous factory comes back when it goes.
class HeadlessBrowsers {
public:
    HeadlessBrowsers();
    ~HeadlessBrowsers();
    HeadlessBrowsers(const HeadlessBrowsers&) = delete;
    HeadlessBrowsers& operator=(const HeadlessBrowsers&) = delete;

    // The engines made so far, in order (destroyed ones stay listed as null).
    const std::vector<HeadlessBrowserBackend*>& made() const { return *made_; }
    HeadlessBrowserBackend& last() const;

private:
    std::shared_ptr<std::vector<HeadlessBrowserBackend*>> made_;
    BrowserBackendFactory previous_;
};

}  // namespace framework
