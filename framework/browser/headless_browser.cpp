#include "framework/browser/headless_browser.h"

#include <algorithm>
#include <utility>

#include "platform/window/timers.h"

namespace framework {

using namespace platform;

namespace {

// The engines waiting to deliver an answer, by the timer that will deliver it.
std::map<UINT_PTR, HeadlessBrowserBackend*>& DelayedAnswers() {
    static std::map<UINT_PTR, HeadlessBrowserBackend*> answers;
    return answers;
}

}  // namespace

const HeadlessPage::Function* HeadlessPage::find(const std::string& name) const {
    auto found = functions_.find(name);
    return found == functions_.end() ? nullptr : &found->second;
}

HeadlessBrowserBackend::HeadlessBrowserBackend() = default;

HeadlessBrowserBackend::~HeadlessBrowserBackend() {
    for (auto& [timer, pending] : delayed_) {
        KillTimer(nullptr, timer);
        DelayedAnswers().erase(timer);
    }
    if (registry_) std::replace(registry_->begin(), registry_->end(), this, static_cast<HeadlessBrowserBackend*>(nullptr));
}

void HeadlessBrowserBackend::navigate(const std::string& url) {
    if (refusal_) throw ENavigationError(*refusal_);
    navigations_.push_back(url);
}

void HeadlessBrowserBackend::setDocumentCompleteHandler(DocumentCompleteHandler handler) {
    documentComplete_ = std::move(handler);
}

void HeadlessBrowserBackend::finishLoading(std::optional<std::string> url) {
    hasDocument_ = true;
    const std::string done = url ? *url : (navigations_.empty() ? std::string("about:blank") : navigations_.back());
    // A copy: the handler may replace itself.
    DocumentCompleteHandler handler = documentComplete_;
    if (handler) handler(done);
}

void HeadlessBrowserBackend::setAnswering(Answering answering, uint32_t answerDelay) {
    answering_ = answering;
    answerDelay_ = answerDelay;
}

PageCallResult HeadlessBrowserBackend::run(const std::string& name, const std::vector<PageArg>& args) const {
    using Status = PageCallResult::Status;
    if (!hasDocument_) return PageCallResult::Failed(Status::NoDocument, "no document is loaded");
    const HeadlessPage::Function* function = page_.find(name);
    if (!function) return PageCallResult::Failed(Status::NoSuchFunction, name + " is not a function of the page");
    try {
        return PageCallResult::Answered((*function)(args));
    } catch (const std::exception& error) {
        return PageCallResult::Failed(Status::ScriptError, error.what());
    }
}

void HeadlessBrowserBackend::callFunction(const std::string& name, const std::vector<PageArg>& args,
                                          CallCompletion done) {
    calls_.push_back({name, args});
    PageCallResult result = run(name, args);
    switch (answering_) {
        case Answering::Immediately: done(std::move(result)); return;
        case Answering::Never: return;
        case Answering::Later: {
            const UINT_PTR timer = SetTimer(nullptr, 0, answerDelay_, &HeadlessBrowserBackend::DeliverDelayed);
            if (!timer) return;
            delayed_[timer] = {std::move(result), std::move(done)};
            DelayedAnswers()[timer] = this;
            return;
        }
    }
}

void HeadlessBrowserBackend::DeliverDelayed(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    auto owner = DelayedAnswers().find(timer);
    if (owner == DelayedAnswers().end()) return;
    HeadlessBrowserBackend* backend = owner->second;
    DelayedAnswers().erase(owner);
    auto pending = backend->delayed_.find(timer);
    if (pending == backend->delayed_.end()) return;
    auto [result, done] = std::move(pending->second);
    backend->delayed_.erase(pending);
    done(std::move(result));
}

HeadlessBrowsers::HeadlessBrowsers() : made_(std::make_shared<std::vector<HeadlessBrowserBackend*>>()) {
    previous_ = SetBrowserBackendFactory([made = made_]() -> std::unique_ptr<BrowserBackend> {
        auto backend = std::make_unique<HeadlessBrowserBackend>();
        backend->registry_ = made;
        made->push_back(backend.get());
        return backend;
    });
}

HeadlessBrowsers::~HeadlessBrowsers() {
    SetBrowserBackendFactory(std::move(previous_));
    for (HeadlessBrowserBackend* backend : *made_)
        if (backend) backend->registry_.reset();
}

HeadlessBrowserBackend& HeadlessBrowsers::last() const {
    for (auto it = made_->rbegin(); it != made_->rend(); ++it)
        if (*it) return **it;
    throw EInvalidOperation("No headless browser engine exists");
}

}  // namespace framework
