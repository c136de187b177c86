// The browser component: a windowed control that shows web pages through an engine
// (browser_backend.h), loads a URL, tells when each document has finished, and calls named
// functions of the page's script.
//
// Page calls are synchronous for the caller: the call goes to the engine, and the component runs a
// nested message loop until the answer arrives or PageCallTimeout milliseconds (on the display's
// clock) have passed. The loop paints and runs timers but holds the user's input, which the loop
// outside then carries out in the order it came: nothing the user does interleaves with a call. Every failure
// reaches the caller as one EPageCallError. An answer that comes after its call has given up is dropped. A
// component or form destroyed while a call waits makes that call fail; the engine is destroyed with the
// component and never calls it afterwards.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/browser/browser_backend.h"
#include "framework/controls/win_control.h"

namespace framework {

using TDocumentCompleteEvent = std::function<void(TObject* sender, const std::string& url)>;

class TWebBrowser : public TWinControl {
  public:
    static constexpr uint32_t kDefaultPageCallTimeout = 5000;

    explicit TWebBrowser(TComponent* owner);
    ~TWebBrowser() override;
    static PersistentClass Published();

    // Starts loading `url`; ENavigationError when loading cannot start.
    void Navigate(const std::string& url);
    // The URL last navigated to.
    const std::string& LocationURL() const { return url_; }

    // Calls the global function `name` of the page's script with `args` (strings and integers,
    // passed as values) and returns its answer as a 32-bit integer. EPageCallError on any failure:
    // no document, no such function, a script error, an answer that is not a number, no answer
    // within PageCallTimeout, the component destroyed meanwhile.
    int32_t CallPageFunction(const std::string& name, const std::vector<PageArg>& args);
    uint32_t PageCallTimeout() const { return pageCallTimeout_; }
    // A page call of this component waits for its answer now.
    bool PageCallWaiting() const { return waitingCalls_ > 0; }
    void SetPageCallTimeout(uint32_t milliseconds) { pageCallTimeout_ = milliseconds; }

    // The engine, made on first use by the process-wide factory.
    BrowserBackend& Backend();

    // Each time a document, a frame included, has finished loading.
    TDocumentCompleteEvent OnDocumentComplete;

  protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void DestroyWnd() override;

  private:
    struct PendingCall;
    void DocumentCompleted(const std::string& url);

    std::unique_ptr<BrowserBackend> backend_;
    std::string url_;
    uint32_t pageCallTimeout_ = kDefaultPageCallTimeout;
    int waitingCalls_ = 0;
    // Shared with the engine's callbacks, which find it cleared once the component is gone.
    std::shared_ptr<TWebBrowser*> self_;
};

}  // namespace framework
