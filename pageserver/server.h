// The demo page server: the shop's home page with its result pages ("/qrwk/"), the fitting room
// ("/qrwk/syj.html"), the search endpoint and the generated pictures, on loopback only.
//
//   GET  /qrwk/                      the home page; its script keeps the result pages
//   GET  /qrwk/syj.html              the fitting room
//   GET  /qrwk/api/search?<query>    search with the query as the URL's query (for people and tools)
//   POST /qrwk/api/search            search with the query as the body (what the page's script sends)
//   GET  /qrwk/img/<id>.svg          an item's picture
//   GET  /qrwk/fit.svg?wear=<id,...> the figure wearing those items
//   GET  /qrwk/api/outfit?wear=<id,...>  what the figure ends up wearing, as items
//   GET  /qrwk/api/categories        the categories the fitting room offers
//   GET  /qrwk/<file>                the page's scripts and style sheet
#pragma once

#include <httplib.h>

#include <functional>
#include <string>
#include <string_view>

#include "pageserver/catalogue.h"

namespace pageserver {

// 127.0.0.0/8, ::1 and localhost: the only addresses the server listens on.
bool IsLoopbackHost(std::string_view host);

class PageServer {
  public:
    explicit PageServer(const Catalogue& catalogue);
    PageServer(const PageServer&) = delete;
    PageServer& operator=(const PageServer&) = delete;

    // Binds to a loopback host; port 0 takes any free port. False (and nothing bound) when the host
    // is not loopback or the address cannot be bound.
    bool Bind(const std::string& host, int port);
    int Port() const { return port_; }

    // Shown every request before it is answered (tests watch what a browser asks for). It runs on
    // the server's threads, one call per request, and may hold a request back by not returning yet.
    // Set it before Run.
    using RequestObserver = std::function<void(const httplib::Request& request)>;
    void SetRequestObserver(RequestObserver observer) { observer_ = std::move(observer); }

    // Serves until Stop() is called from another thread.
    void Run();
    void Stop();
    bool Running() const { return server_.is_running(); }

  private:
    void Answer(const httplib::Request& request, httplib::Response& response) const;

    const Catalogue& catalogue_;
    RequestObserver observer_;
    httplib::Server server_;
    int port_ = -1;
};

}  // namespace pageserver
