// velmoro: the search program on the desktop (GTK 3 on X11, WebKitGTK for the browser). It reads
// no command line, files or environment; its page host is compiled in (VELMORO_PAGE_HOST).
#include <cstdio>
#include <memory>

#include "app/search_program.h"
#include "framework/browser/gtk/webkit_browser.h"
#include "platform/display/gtk/gtk_display.h"

int main() {
    std::unique_ptr<platform::GtkDisplay> display;
    try {
        display = std::make_unique<platform::GtkDisplay>();
    } catch (const platform::DesktopUnavailable& error) {
        std::fprintf(stderr, "velmoro: %s (is DISPLAY set?)\n", error.what());
        return 1;
    }
    framework::TApplication application;
    framework::UseWebKitBrowsers();
    return app::RunSearchProgram(application, app::PageSite{VELMORO_PAGE_HOST});
}
