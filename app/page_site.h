// Where the program's pages come from: the host of the page server (build configuration,
// VELMORO_PAGE_HOST, compiled into each program; tests pass their own) and the two fixed paths.
#pragma once

#include <string>

namespace app {

struct PageSite {
    std::string host;  // "127.0.0.1:18080"

    // The page whose script keeps the result pages (SoItem, ShowPage, DelPage).
    std::string HomePageUrl() const { return "http://" + host + "/qrwk/"; }
    std::string FittingRoomUrl() const { return "http://" + host + "/qrwk/syj.html"; }
};

}  // namespace app
