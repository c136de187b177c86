#include "framework/browser/web_browser.h"

#include "framework/forms/application.h"
#include "platform/window/message_loop.h"
#include "platform/window/native_widget.h"
#include "platform/window/timers.h"

namespace framework {

using namespace platform;

// One page call: its answer once it came, and whether the caller still waits for it.
struct TWebBrowser::PendingCall {
    bool answered = false;
    bool abandoned = false;
    PageCallResult result;
};

namespace {

std::string CallFailure(const std::string& name, const std::string& why) {
    return "Page call " + name + " failed: " + why;
}

bool Expired(DWORD deadline) {
    return int32_t(GetTickCount() - deadline) >= 0;
}

}  // namespace

TWebBrowser::TWebBrowser(TComponent* owner)
    : TWinControl(owner), self_(std::make_shared<TWebBrowser*>(this)) {
    SetTabStop(true);
    SetBounds(0, 0, 300, 150);
}

TWebBrowser::~TWebBrowser() {
    *self_ = nullptr;
    if (HandleAllocated())
        AttachNativeWidget(Handle(), nullptr);
    backend_.reset();
}

BrowserBackend& TWebBrowser::Backend() {
    if (!backend_) {
        std::unique_ptr<BrowserBackend> backend = CreateBrowserBackend();
        if (!backend)
            throw ENavigationError("No browser engine is available");
        backend->setDocumentCompleteHandler([self = self_](const std::string& url) {
            if (TWebBrowser* browser = *self)
                browser->DocumentCompleted(url);
        });
        backend_ = std::move(backend);
        if (HandleAllocated())
            AttachNativeWidget(Handle(), backend_->nativeWidget());
    }
    return *backend_;
}

void TWebBrowser::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN;
}

void TWebBrowser::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    if (NativeWidget* widget = Backend().nativeWidget())
        AttachNativeWidget(Handle(), widget);
}

void TWebBrowser::DestroyWnd() {
    if (HandleAllocated())
        AttachNativeWidget(Handle(), nullptr);
    TWinControl::DestroyWnd();
}

void TWebBrowser::Navigate(const std::string& url) {
    BrowserBackend& backend = Backend();
    backend.navigate(url);
    url_ = url;
}

void TWebBrowser::DocumentCompleted(const std::string& url) {
    if (!OnDocumentComplete)
        return;
    // The engine called from inside its own event handling: a failing handler goes to the
    // application instead of into the engine.
    try {
        OnDocumentComplete(this, url);
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

int32_t TWebBrowser::CallPageFunction(const std::string& name, const std::vector<PageArg>& args) {
    auto call = std::make_shared<PendingCall>();
    // Everything after the call may run with this component gone: only `alive` and locals are used.
    std::shared_ptr<TWebBrowser*> alive = self_;
    const uint32_t timeout = pageCallTimeout_;
    try {
        Backend().callFunction(name, args, [call](PageCallResult result) {
            if (call->answered || call->abandoned)
                return;
            call->answered = true;
            call->result = std::move(result);
            // Wakes a loop that waits for a message.
            PostMessage(nullptr, WM_NULL);
        });
    } catch (const std::exception& error) {
        call->abandoned = true;
        throw EPageCallError(CallFailure(name, error.what()));
    }

    if (!call->answered) {
        const DWORD deadline = GetTickCount() + timeout;
        // Wakes the loop when the bound passes, should nothing else arrive.
        const UINT_PTR wake = SetTimer(nullptr, 0, std::max<uint32_t>(timeout, USER_TIMER_MINIMUM));
        ++waitingCalls_;
        // The user's input waits too: carried out inside the wait, a click or a key could start
        // what the caller is about to do with the answer (another call, a tab that goes away).
        while (!call->answered && *alive && !Expired(deadline)) {
            if (HandleNextMessage(UserInput::Hold) != LoopStep::Handled)
                break;
        }
        if (*alive)
            --waitingCalls_;
        if (wake)
            KillTimer(nullptr, wake);
    }
    call->abandoned = true;

    if (!*alive)
        throw EPageCallError(CallFailure(name, "the browser was destroyed while the call waited"));
    if (!call->answered)
        throw EPageCallError(CallFailure(name, "no answer within " + std::to_string(timeout) + " ms"));
    const PageCallResult& result = call->result;
    if (result.status != PageCallResult::Status::Answered)
        throw EPageCallError(CallFailure(name, result.message));
    std::optional<int32_t> value = PageAnswerToInt32(result.answer);
    if (!value)
        throw EPageCallError(CallFailure(name, "the answer is not a 32-bit integer"));
    return *value;
}

}  // namespace framework
