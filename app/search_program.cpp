#include "app/search_program.h"

namespace app {

TForm1* StartSearchProgram(framework::TApplication& application, const PageSite& site) {
    return application.CreateForm<TForm1>(site);
}

int RunSearchProgram(framework::TApplication& application, const PageSite& site) {
    StartSearchProgram(application, site);
    application.Run();
    return 0;
}

}  // namespace app
