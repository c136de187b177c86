// The search program's process, minus the desktop: the program's main() makes the display and the
// browser engine (GTK and WebKitGTK), tests make headless ones, and both run the same start-up.
#pragma once

#include "app/main_window.h"
#include "app/page_site.h"
#include "framework/forms/application.h"

namespace app {

// Start-up after the application object exists: the main window is made from its form data (its
// components, references, skin, finishing steps, then FormCreate). Returns the main window.
TForm1* StartSearchProgram(framework::TApplication& application, const PageSite& site);

// StartSearchProgram, then the main loop until the main window closes. Returns the exit status.
int RunSearchProgram(framework::TApplication& application, const PageSite& site);

}  // namespace app
