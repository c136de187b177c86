#include "framework/browser/gtk/webkit_browser.h"

namespace framework {

BrowserBackendFactory UseWebKitBrowsers() {
    return SetBrowserBackendFactory([] { return std::make_unique<WebKitBrowserBackend>(); });
}

}  // namespace framework
