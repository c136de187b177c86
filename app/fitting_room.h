// The fitting-room window (TForm2): the page server's fitting room in a browser of its own, in a
// plain tool window. It has no controls and talks to no script. The main window makes it once at
// start-up, hidden, so that the page loads before anyone asks for it; closing it only hides it, so
// the page and what the shopper chose there stay for the next time it is shown.
#pragma once

#include <cstdint>

#include "app/page_site.h"
#include "framework/browser/web_browser.h"
#include "framework/forms/form.h"

namespace app {

class TForm2 : public framework::TForm {
  public:
    // How far above the screen's centre the window starts.
    static constexpr int32_t kLiftAboveCentre = 10;

    TForm2(framework::TComponent* owner, PageSite site);

    framework::TWebBrowser* m_web = nullptr;

    // Places the window and starts loading the fitting room (the form's creation handler); a
    // navigation that cannot start goes to the application's error box and leaves the page empty.
    void FormCreate(framework::TObject* sender);

  private:
    PageSite site_;
};

}  // namespace app
