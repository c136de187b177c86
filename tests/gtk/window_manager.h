// A window manager (openbox) on the test's X display, started by a test and stopped with it, so
// that windows meet what a desktop does to them: placement, focus, requests to maximise.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace platform::test {

class WindowManager {
  public:
    // Starts openbox when it is installed and waits (at most 10 s) until it manages the screen;
    // with `configFile`, openbox reads that instead of the desktop's configuration.
    explicit WindowManager(const std::string& configFile = {}) {
        if (std::system("command -v openbox >/dev/null 2>&1") != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            if (configFile.empty())
                execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            else
                execlp("openbox", "openbox", "--sm-disable", "--config-file", configFile.c_str(),
                       static_cast<char*>(nullptr));
            _exit(127);
        }
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!(running_ = Announced()) && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~WindowManager() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    bool running() const { return running_; }

  private:
    // A window manager names its check window on the root window once it owns the screen.
    static std::string CheckWindow() {
        const std::string out = Output("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null");
        const size_t at = out.find("window id # ");
        return at == std::string::npos ? std::string() : out.substr(at + 12, out.find('\n', at) - at - 12);
    }
    // A window manager killed while it started leaves the name of a check window that is gone:
    // only a check window that exists says that a window manager owns the screen.
    static bool Announced() {
        const std::string id = CheckWindow();
        return !id.empty() && std::system(("xprop -id " + id + " _NET_WM_NAME >/dev/null 2>&1").c_str()) == 0;
    }
    static std::string Output(const std::string& command) {
        std::string out;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[256];
            while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
            pclose(pipe);
        }
        return out;
    }

    pid_t pid_ = -1;
    bool running_ = false;
};

}  // namespace platform::test
