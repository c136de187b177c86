// velmoro-pageserver: the demo page server the search program loads its pages from. Listens on
// loopback only, in the foreground, until interrupted.
//
//   velmoro-pageserver [HOST:PORT]     default: the build's page host
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "pageserver/server.h"

#ifndef VELMORO_PAGE_HOST
#define VELMORO_PAGE_HOST "127.0.0.1:18080"
#endif

namespace {

constexpr const char* Usage =
    "usage: velmoro-pageserver [HOST:PORT]\n"
    "Serves the Velmoro demo shop (home page /qrwk/, fitting room /qrwk/syj.html, search\n"
    "/qrwk/api/search) on a loopback address, by default " VELMORO_PAGE_HOST
    ". Port 0 takes any\n"
    "free port. Ctrl+C stops it.\n";

struct Address {
    std::string host;
    int port = -1;
};

// "127.0.0.1:18080", "localhost:0", "[::1]:8080".
bool ParseAddress(std::string_view text, Address& address) {
    const size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) {
        return false;
    }
    std::string_view host = text.substr(0, colon);
    if (host.starts_with("[") && host.ends_with("]")) {
        host = host.substr(1, host.size() - 2);
    }
    const std::string_view port = text.substr(colon + 1);
    int value = 0;
    for (char c : port) {
        if (c < '0' || c > '9' || (value = value * 10 + (c - '0')) > 65535) {
            return false;
        }
    }
    address = {std::string(host), port.empty() ? -1 : value};
    return !port.empty();
}

}  // namespace

int main(int argc, char** argv) {
    std::string_view where = VELMORO_PAGE_HOST;
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc > 2 || (argc == 2 && std::string_view(argv[1]).starts_with("-"))) {
        std::fputs(Usage, stderr);
        return 2;
    }
    if (argc == 2) {
        where = argv[1];
    }
    Address address;
    if (!ParseAddress(where, address)) {
        std::fprintf(stderr, "velmoro-pageserver: \"%.*s\" is not HOST:PORT\n", int(where.size()),
                     where.data());
        return 2;
    }
    if (!pageserver::IsLoopbackHost(address.host)) {
        std::fprintf(stderr,
                     "velmoro-pageserver: will not listen on %s: the demo server binds to loopback only "
                     "(127.0.0.1, ::1, localhost)\n",
                     address.host.c_str());
        return 2;
    }

    // Stop on SIGINT/SIGTERM: the signals wait here instead of interrupting the server's threads.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    pageserver::PageServer server(pageserver::SampleCatalogue());
    if (!server.Bind(address.host, address.port)) {
        std::fprintf(stderr, "velmoro-pageserver: cannot listen on %s:%d (in use?)\n", address.host.c_str(),
                     address.port);
        return 1;
    }
    const bool v6 = address.host.find(':') != std::string::npos;
    std::printf("velmoro-pageserver: serving http://%s%s%s:%d/qrwk/\n", v6 ? "[" : "", address.host.c_str(),
                v6 ? "]" : "", server.Port());
    std::fflush(stdout);
    std::thread serving([&server] { server.Run(); });
    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.Stop();
    serving.join();
    std::printf("velmoro-pageserver: stopped\n");
    return 0;
}
