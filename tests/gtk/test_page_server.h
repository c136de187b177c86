// A web server on loopback for the browser tests: fixed pages by path, on a port the system picks.
#pragma once

#include <httplib.h>

#include <map>
#include <string>
#include <thread>

namespace platform::test {

class TestPageServer {
  public:
    explicit TestPageServer(std::map<std::string, std::string> pages) : pages_(std::move(pages)) {
        server_.Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            auto it = pages_.find(request.path);
            if (it == pages_.end()) {
                response.status = 404;
                response.set_content("<html><body>not here</body></html>", "text/html; charset=utf-8");
                return;
            }
            response.set_content(it->second, "text/html; charset=utf-8");
        });
        // One request a connection: stopping then waits for no idle keep-alive connection.
        server_.set_keep_alive_max_count(1);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }
    ~TestPageServer() {
        server_.stop();
        thread_.join();
    }
    TestPageServer(const TestPageServer&) = delete;
    TestPageServer& operator=(const TestPageServer&) = delete;

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

  private:
    std::map<std::string, std::string> pages_;
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
};

}  // namespace platform::test
