// The WebKitGTK engine of the browser component (browser_backend.h).
//
// A WebKitWebView is the native widget the component places over its window; the GTK display
// (platform/display/gtk) puts it there. Every view shares one web context that keeps nothing on
// disk, with WebKit's web-process sandbox on. What an embedded browser of a shop window has no use
// for is off: new windows, the inspector and other developer tools, context menus, and requests for
// permissions (location, notifications, camera), which are refused.
//
// Navigation starts only for an http or https URL with a host, or about:blank; anything else raises
// ENavigationError. Document complete fires each time a load finishes, an error page's included.
// A page call runs `window[name](args...)` in the page's main world through
// webkit_web_view_call_async_javascript_function, the name and the arguments passed as values in
// its argument dictionary (page_call_script.h); the answer is reported as the page gave it (number,
// string, boolean or other) and the component converts it. Callbacks run from a GLib source of
// their own, never inside WebKit's signal or reply handlers, so that a handler may make page calls
// of its own.
//
// The engine needs GTK (a GtkDisplay); made without it, it shows nothing, refuses to navigate and
// fails every call.
#pragma once

#include <memory>

#include "framework/browser/browser_backend.h"

namespace framework {

class WebKitBrowserBackend final : public BrowserBackend {
  public:
    WebKitBrowserBackend();
    ~WebKitBrowserBackend() override;
    WebKitBrowserBackend(const WebKitBrowserBackend&) = delete;
    WebKitBrowserBackend& operator=(const WebKitBrowserBackend&) = delete;

    void navigate(const std::string& url) override;
    void callFunction(const std::string& name, const std::vector<PageArg>& args,
                      CallCompletion done) override;
    void setDocumentCompleteHandler(DocumentCompleteHandler handler) override;
    platform::NativeWidget* nativeWidget() override;

    class View;

  private:
    std::unique_ptr<View> view_;
};

// Makes every browser component created from now on use WebKitGTK; returns the previous factory.
// The program calls it once, after making its GtkDisplay.
BrowserBackendFactory UseWebKitBrowsers();

// Whether `url` is one the engine navigates to (see above).
bool WebKitCanNavigate(const std::string& url);

}  // namespace framework
