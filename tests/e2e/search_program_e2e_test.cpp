// The search program end to end: the real `velmoro` (with this test's page host compiled in) on the
// X display, the demo page server in this process on that host, a shopper's real input through
// xdotool, and what the program does read back from the X server (window geometry, pixels) and
// from the requests the page server receives. A screenshot of every step lands in
// <build>/screenshots/app_e2e_*.png.
//
// The result tabs on the screen are compared with the same tab control drawn on a headless display
// in this process (the drawing code, fonts included, is the same): that shows their captions,
// selection and scrolling, and says where the close boxes and the scroller's arrows are.
//
// The home page is held back by the server until the test lets it go, so the window's loading
// state can be seen and tried.
#include <fcntl.h>
#include <gdk/gdk.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "pageserver/server.h"
#include "platform/gfx/png.h"
#include "platform/window/frame.h"
#include "platform/window/styles.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/embedded_skin.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_geometry.h"
#include "skins/shipped_skin.h"
#include "tests/gtk/window_manager.h"
#include "tools/skinview/frame_preview.h"
#include "tools/skinview/tab_strip_preview.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using platform::Point;
using platform::Rect;

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string BinaryDir() {
    const std::string dir = Env("VELMORO_BINARY_DIR");
    return dir.empty() ? "." : dir;
}

// Runs a command and returns what it printed (trailing newline removed).
std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
        pclose(pipe);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

void Xdotool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

std::string At(Point p) {
    return std::to_string(p.X) + " " + std::to_string(p.Y);
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

// --- The page server, watched and with the home page held back --------------------------------------

class WatchedPageServer {
  public:
    explicit WatchedPageServer(const std::string& host) : server_(pageserver::SampleCatalogue()) {
        server_.SetRequestObserver([this](const httplib::Request& request) { Seen(request); });
        const size_t colon = host.rfind(':');
        bound_ = server_.Bind(host.substr(0, colon), std::stoi(host.substr(colon + 1)));
        if (bound_) {
            thread_ = std::thread([this] { server_.Run(); });
            WaitUntil([this] { return server_.Running(); }, 10s);
        }
    }
    ~WatchedPageServer() {
        OpenHomePage();
        if (bound_) {
            server_.Stop();
            thread_.join();
        }
    }
    bool Bound() const { return bound_; }

    // Lets the held home page go (and every later one).
    void OpenHomePage() {
        std::lock_guard<std::mutex> hold(lock_);
        homeOpen_ = true;
        opened_.notify_all();
    }
    int Total() const {
        std::lock_guard<std::mutex> hold(lock_);
        return int(requests_.size());
    }
    int Count(const std::string& method, const std::string& path) const {
        std::lock_guard<std::mutex> hold(lock_);
        int n = 0;
        for (const Request& r : requests_) n += r.method == method && r.path == path;
        return n;
    }
    // The bodies of the searches the page's script sent (what SoItem received).
    std::vector<std::string> Searches() const {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<std::string> bodies;
        for (const Request& r : requests_)
            if (r.method == "POST" && r.path == "/qrwk/api/search")
                bodies.push_back(r.body);
        return bodies;
    }

  private:
    struct Request {
        std::string method, path, body;
    };
    void Seen(const httplib::Request& request) {
        std::unique_lock<std::mutex> hold(lock_);
        requests_.push_back({request.method, request.path, request.body});
        if (request.path == "/qrwk/")
            opened_.wait_for(hold, 120s, [this] { return homeOpen_; });
    }

    pageserver::PageServer server_;
    std::thread thread_;
    bool bound_ = false;
    mutable std::mutex lock_;
    std::condition_variable opened_;
    bool homeOpen_ = false;
    std::vector<Request> requests_;
};

// --- The program ---------------------------------------------------------------------------------

class Program {
  public:
    explicit Program(const std::string& path) : log_(BinaryDir() + "/screenshots/app_e2e_program.log") {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Program() {
        if (Running()) {
            kill(pid_, SIGTERM);
            if (!WaitForExit(10s))
                kill(pid_, SIGKILL);
            WaitForExit(10s);
        }
    }
    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    bool Running() const { return pid_ > 0 && !exited_; }
    // True once the program has ended within the limit; its status is then ExitStatus().
    bool WaitForExit(std::chrono::milliseconds limit) {
        return WaitUntil(
            [this] {
                int status = 0;
                if (exited_ || waitpid(pid_, &status, WNOHANG) != pid_)
                    return exited_;
                exited_ = true;
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return true;
            },
            limit);
    }
    int ExitStatus() const { return status_; }
    std::string LogTail() const {
        std::ifstream in(log_);
        std::stringstream text;
        text << in.rdbuf();
        const std::string all = text.str();
        return all.size() > 4000 ? all.substr(all.size() - 4000) : all;
    }

  private:
    std::string log_;
    pid_t pid_ = -1;
    bool exited_ = false;
    int status_ = -1;
};

// --- What the X server shows ---------------------------------------------------------------------

struct XWindow {
    std::string id;
    Rect bounds;  // screen coordinates, outer size
};

// The visible windows an xdotool search finds, with their geometry.
std::vector<XWindow> VisibleWindows(const std::string& search) {
    std::vector<XWindow> windows;
    std::istringstream ids(Output("xdotool search --onlyvisible " + search + " 2>/dev/null"));
    for (std::string id; ids >> id;) {
        std::istringstream shell(Output("xdotool getwindowgeometry --shell " + id));
        int x = 0, y = 0, w = 0, h = 0;
        for (std::string line; std::getline(shell, line);) {
            std::sscanf(line.c_str(), "X=%d", &x);
            std::sscanf(line.c_str(), "Y=%d", &y);
            std::sscanf(line.c_str(), "WIDTH=%d", &w);
            std::sscanf(line.c_str(), "HEIGHT=%d", &h);
        }
        windows.push_back({id, {x, y, x + w, y + h}});
    }
    return windows;
}

std::vector<XWindow> VisibleWindowsOf(pid_t pid) {
    return VisibleWindows("--pid " + std::to_string(pid));
}

platform::Size ScreenSize() {
    int w = 0, h = 0;
    std::sscanf(Output("xdotool getdisplaygeometry").c_str(), "%d %d", &w, &h);
    return {w, h};
}

enum class ButtonLook { NotShown, Disabled, Enabled };

// How a push button's caption looks on the screen: its face (light pixels) around text in black ink
// when enabled and without ink when disabled. The black screen where the window has not painted
// yet is all "ink" and no face.
ButtonLook LookOf(const Rect& caption) {
    GdkPixbuf* pixels = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), caption.Left, caption.Top,
                                                   caption.width(), caption.height());
    if (!pixels)
        return ButtonLook::NotShown;
    const int stride = gdk_pixbuf_get_rowstride(pixels);
    const int channels = gdk_pixbuf_get_n_channels(pixels);
    const guchar* data = gdk_pixbuf_read_pixels(pixels);
    int ink = 0, face = 0;
    for (int y = 0; y < caption.height(); ++y)
        for (int x = 0; x < caption.width(); ++x) {
            const guchar* p = data + y * stride + x * channels;
            ink += p[0] < 64 && p[1] < 64 && p[2] < 64;
            face += p[0] > 160 && p[1] > 160 && p[2] > 160;
        }
    g_object_unref(pixels);
    if (face < caption.width() * caption.height() / 2)
        return ButtonLook::NotShown;
    return ink == 0 ? ButtonLook::Disabled : ink > 20 ? ButtonLook::Enabled : ButtonLook::NotShown;
}

void Screenshot(const std::string& step) {
    const std::string path = BinaryDir() + "/screenshots/app_e2e_" + step + ".png";
    EXPECT_EQ(std::system(("import -window root '" + path + "'").c_str()), 0) << path;
}

// The main window wears the shipped skin's frame (4 pixels left and right, 23 above, 5 below the
// client area); the fitting room keeps the platform's frame: a tool window with its close button.
constexpr Rect kSkinClientRect{4, 23, 154, 131};
constexpr platform::Size kSkinFramePicture{158, 136};
constexpr platform::DWORD kRoomStyle = platform::WS_CAPTION | platform::WS_SYSMENU;
constexpr platform::DWORD kRoomExStyle = platform::WS_EX_TOOLWINDOW;

Rect MainClient(platform::Size size) {
    return skin::SkinnedClientRect({0, 0, size.cx, size.cy}, kSkinClientRect, kSkinFramePicture);
}

// A point of the main window's client area, on the screen.
Point InMain(const XWindow& main, int x, int y) {
    const Rect client = MainClient({main.bounds.width(), main.bounds.height()});
    return {main.bounds.Left + client.Left + x, main.bounds.Top + client.Top + y};
}
// A point of a control of the filter panel (Panel1 lies at 3, 3 in the client area).
Point InPanel(const XWindow& main, int x, int y) {
    return InMain(main, 3 + x, 3 + y);
}
// The caption of the quick-search button, inside its face.
Rect QuickSearchCaption(const XWindow& main) {
    const Point topLeft = InPanel(main, 690 + 8, 6 + 5);
    return {topLeft.X, topLeft.Y, topLeft.X + 73 - 16, topLeft.Y + 24 - 10};
}

// The main window's client height as the X server has it now.
int ClientHeightOf(const std::string& id) {
    std::istringstream shell(Output("xdotool getwindowgeometry --shell " + id));
    int w = 0, h = 0;
    for (std::string line; std::getline(shell, line);) {
        std::sscanf(line.c_str(), "WIDTH=%d", &w);
        std::sscanf(line.c_str(), "HEIGHT=%d", &h);
    }
    return MainClient({w, h}).height();
}

// --- The result tabs ------------------------------------------------------------------------------

// m_tab in the main window's client area.
constexpr Rect kTabsInClient{3, 71, 773, 608};

// The screen's pixels of a rectangle, as 0xRRGGBB.
std::vector<uint32_t> ScreenPixels(const Rect& r) {
    std::vector<uint32_t> colours;
    GdkPixbuf* pixels =
        gdk_pixbuf_get_from_window(gdk_get_default_root_window(), r.Left, r.Top, r.width(), r.height());
    if (!pixels)
        return colours;
    const int stride = gdk_pixbuf_get_rowstride(pixels);
    const int channels = gdk_pixbuf_get_n_channels(pixels);
    const guchar* data = gdk_pixbuf_read_pixels(pixels);
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) {
            const guchar* p = data + y * stride + x * channels;
            colours.push_back(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2]);
        }
    g_object_unref(pixels);
    return colours;
}

// Pixels of a selection's highlight (clHighlight, blue) in a rectangle of the screen.
int HighlightIn(const Rect& r) {
    int n = 0;
    for (uint32_t c : ScreenPixels(r)) n += (c & 0xFF) > 150 && (c >> 16 & 0xFF) < 120;
    return n;
}

// Pixels that differ by more than a rounding step in some channel.
int Differing(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    if (a.size() != b.size())
        return int(std::max(a.size(), b.size()));
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16})
            if (std::abs(int(a[i] >> shift & 0xFF) - int(b[i] >> shift & 0xFF)) > 8) {
                ++n;
                break;
            }
    return n;
}

// The tab strip the program should show: the shipped skin's, drawn by the tab control itself.
struct ExpectedTabs {
    std::vector<std::string> captions;
    int selected = 0;
    bool focused = false;
    int firstVisible = 0;
};

tools::TabStripPreview DrawExpected(const ExpectedTabs& expected) {
    static skin::TbsSkinData* const shipped =
        skin::LoadEmbeddedSkin(nullptr, skins::ShippedSkinCompressedData());
    tools::TabStripPreviewOptions o;
    o.size = {kTabsInClient.width(), kTabsInClient.height()};
    o.captions = expected.captions;
    o.selected = expected.selected;
    o.focused = expected.focused;
    o.firstVisible = expected.firstVisible;
    return tools::PreviewTabStrip(shipped, o);
}

// The row of tabs of a drawn strip, down to the page the browser covers.
Rect RowOf(const tools::TabStripLayout& layout) {
    return {0, 0, kTabsInClient.width(), layout.pageArea.Top};
}

std::vector<uint32_t> PicturePixels(const platform::Surface& picture, const Rect& r) {
    std::vector<uint32_t> colours;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        for (int32_t x = r.Left; x < r.Right; ++x) colours.push_back(picture.pixel(x, y) & 0xFFFFFF);
    return colours;
}

// The desktop's openbox configuration without its Alt+Space binding (its own window menu), so
// that the key reaches the program as on a desktop that leaves it to the application.
std::string WindowManagerConfig() {
    std::ifstream in("/etc/xdg/openbox/rc.xml");
    std::stringstream text;
    text << in.rdbuf();
    std::string rc = text.str();
    const size_t start = rc.find("<keybind key=\"A-space\">");
    if (rc.empty() || start == std::string::npos)
        return {};
    const std::string end = "</keybind>";
    rc.erase(start, rc.find(end, start) + end.size() - start);
    const std::string path = BinaryDir() + "/screenshots/app_e2e_openbox_rc.xml";
    std::ofstream(path) << rc;
    return path;
}

class SearchProgramE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(Env("DISPLAY").empty())
            << "needs an X display (run under xvfb-run, as scripts/test does)";
        ASSERT_FALSE(Env("VELMORO_E2E_PROGRAM").empty());
        setenv("GDK_BACKEND", "x11", 1);
        ASSERT_TRUE(gdk_init_check(nullptr, nullptr));
        std::system(("mkdir -p '" + BinaryDir() + "/screenshots'").c_str());
        // Under a window manager, as the program runs on a desktop: it must leave the skinned
        // window undecorated (the sizes and pixels below see any frame it added) and keep the
        // windows where the program puts them.
        windowManager_ = std::make_unique<platform::test::WindowManager>(WindowManagerConfig());
    }
    void TearDown() override { windowManager_.reset(); }
    std::unique_ptr<platform::test::WindowManager> windowManager_;

    // The program's visible windows once there are `count` of them.
    std::vector<XWindow> WindowsWhenThereAre(const Program& program, size_t count) {
        std::vector<XWindow> windows;
        WaitUntil(
            [&] {
                windows = VisibleWindowsOf(program.Pid());
                return windows.size() == count;
            },
            60s);
        return windows;
    }

    // A point of m_tab, on the screen.
    static Point InTabs(const XWindow& main, Point p) {
        return InMain(main, kTabsInClient.Left + p.X, kTabsInClient.Top + p.Y);
    }
    // Waits until the program's tab row looks as expected; returns the expected strip.
    tools::TabStripPreview WaitForTabs(const XWindow& main, const ExpectedTabs& expected) {
        tools::TabStripPreview strip = DrawExpected(expected);
        const Rect row = RowOf(strip.layout);
        const std::vector<uint32_t> want = PicturePixels(strip.picture, row);
        const Point at = InTabs(main, {0, 0});
        int differing = 0;
        const bool same = WaitUntil(
            [&] {
                differing = Differing(ScreenPixels(row.offsetBy(at.X, at.Y)), want);
                return differing == 0;
            },
            15s);
        EXPECT_TRUE(same) << differing << " pixels of the tab row differ from the expected strip of "
                          << expected.captions.size() << " tabs, tab " << expected.selected << " selected";
        if (!same) {
            // Both rows side by side for whoever looks into it.
            static int mismatch = 0;
            const std::string stem =
                BinaryDir() + "/screenshots/app_e2e_tabs_mismatch_" + std::to_string(++mismatch);
            platform::SaveSurfacePng(strip.picture, stem + "_expected.png");
            std::system(("import -window root -crop " + std::to_string(kTabsInClient.width()) + "x" +
                         std::to_string(kTabsInClient.height()) + "+" + std::to_string(at.X) + "+" +
                         std::to_string(at.Y) + " '" + stem + "_actual.png'")
                            .c_str());
        }
        return strip;
    }
    // A window of the program once the X server has it at `bounds` (as it is after 15 s otherwise).
    XWindow WindowWhenAt(const Program& program, const std::string& id, const Rect& bounds) {
        XWindow now{id, {}};
        const bool there = WaitUntil(
            [&] {
                for (const XWindow& w : VisibleWindowsOf(program.Pid()))
                    if (w.id == id)
                        now = w;
                return now.bounds == bounds;
            },
            15s);
        EXPECT_TRUE(there) << "window at " << At(now.bounds.topLeft()) << " size " << now.bounds.width()
                           << " x " << now.bounds.height() << ", expected " << At(bounds.topLeft())
                           << " size " << bounds.width() << " x " << bounds.height();
        return now;
    }
    // The main window once the X server shows it collapsed where it belongs: the skinned frame,
    // undecorated by the window manager, 785 x 96 for a client of 777 x 68, centred for its
    // expanded height of 641 and lifted 40 pixels above the centre.
    XWindow CollapsedMainWindow(const Program& program) {
        const std::vector<XWindow> windows = WindowsWhenThereAre(program, 1);
        if (windows.size() != 1) {
            ADD_FAILURE() << windows.size() << " windows instead of the main window\n" << program.LogTail();
            return {};
        }
        const platform::Size screen = ScreenSize();
        return WindowWhenAt(program, windows[0].id,
                            platform::rectOfSize((screen.cx - 785) / 2, (screen.cy - 641) / 2 - 40, 785, 96));
    }
    // Waits until the quick-search button looks as asked.
    static void ExpectQuickSearch(const XWindow& main, ButtonLook look, std::chrono::milliseconds limit) {
        EXPECT_TRUE(WaitUntil([&] { return LookOf(QuickSearchCaption(main)) == look; }, limit))
            << "quick search never looked " << (look == ButtonLook::Enabled ? "enabled" : "disabled");
    }
    // The page area once it has stopped changing (its pictures loaded).
    static std::vector<uint32_t> SettledPagePixels(const XWindow& main) {
        std::vector<uint32_t> before = PagePixels(main), now;
        WaitUntil(
            [&] {
                std::this_thread::sleep_for(400ms);
                now = PagePixels(main);
                return std::exchange(before, now) == now;
            },
            15s);
        return now;
    }
    // The page once it differs from `before` in more than `pixels` pixels, settled: the browser
    // may go on showing the page it had for a while after a search or a tab change (longer on a
    // busy machine), and a page that stays still meanwhile is not yet the one asked for.
    static std::vector<uint32_t> SettledPageAfter(const XWindow& main, const std::vector<uint32_t>& before,
                                                  int pixels) {
        WaitUntil([&] { return Differing(PagePixels(main), before) > pixels; }, 30s);
        return SettledPagePixels(main);
    }
    // The main window once its client height is `height`.
    XWindow MainWhenClientHeightIs(const Program& program, const XWindow& main, int height) {
        EXPECT_TRUE(WaitUntil([&] { return ClientHeightOf(main.id) == height; }, 15s))
            << "client height " << ClientHeightOf(main.id) << ", expected " << height;
        for (const XWindow& w : VisibleWindowsOf(program.Pid()))
            if (w.id == main.id)
                return w;
        return main;
    }
    // The browser's page area (m_web fills m_tab's display area) on the screen.
    static std::vector<uint32_t> PagePixels(const XWindow& main) {
        const Point topLeft = InTabs(main, {10, 40});
        return ScreenPixels({topLeft.X, topLeft.Y, topLeft.X + 740, topLeft.Y + 400});
    }
    // The keyword typed afresh into the keyword field, which keeps the focus. Characters without a
    // key of their own are typed by lending a spare key their symbol for a moment: as slowly as the
    // first test types, or a busy program reads the key after it was given back.
    static void TypeKeyword(const XWindow& main, const std::string& keyword) {
        Xdotool("mousemove " + At(InPanel(main, 47 + 20, 7 + 10)) + " click 1");
        Xdotool("key End");
        Xdotool("key --repeat 16 BackSpace");
        if (!keyword.empty())
            Xdotool("type --delay 150 '" + keyword + "'");
    }
    // Moves the pointer onto the panel, away from the tabs, so that none is lit.
    static void PointerAway(const XWindow& main) {
        Xdotool("mousemove " + At(InPanel(main, 300, 55)));
        std::this_thread::sleep_for(300ms);
    }
    static Point Centre(const XWindow& main, const Rect& inTabs) {
        return InTabs(main, {(inTabs.Left + inTabs.Right) / 2, (inTabs.Top + inTabs.Bottom) / 2});
    }
};

// The shipped skin as the program loads it, from the source folder.
skin::TbsSkinData& SourceSkin() {
    static skin::TbsSkinData* const data = [] {
        auto* loaded = new skin::TbsSkinData(nullptr);
        auto* stored = new skin::TbsCompressedStoredSkin(loaded);
        stored->PackSkinFolder(
            (std::filesystem::path(Env("VELMORO_SOURCE_DIR")) / "skins/default/skin.ini").string());
        loaded->LoadStoredSkin(*stored);
        return loaded;
    }();
    return *data;
}

// The main window's frame on the screen against skinview's picture of it, outside the caption
// text and outside `covered` (screen coordinates), once the window has repainted it.
void ExpectFrameAsPreviewed(const XWindow& main, platform::Size size, bool active,
                            std::optional<Rect> covered) {
    const Rect at = platform::rectOfSize(main.bounds.Left, main.bounds.Top, size.cx, size.cy);
    skin::TbsCompressedStoredSkin stored(nullptr);
    stored.PackSkinFolder(
        (std::filesystem::path(Env("VELMORO_SOURCE_DIR")) / "skins/default/skin.ini").string());
    skin::TbsSkinData data(nullptr);
    data.LoadStoredSkin(stored);
    tools::FramePreviewOptions o;
    o.size = size;
    o.active = active;
    o.caption = "Velmoro V1.0";
    const tools::FramePreview preview = tools::PreviewFrame(data, o, platform::RGB(255, 0, 255));
    const Rect text = *preview.layout.captionTextArea;
    int compared = 0;
    std::vector<Point> differing;
    WaitUntil(
        [&] {
            const std::vector<uint32_t> screen = ScreenPixels(at);
            if (screen.size() != size_t(size.cx) * size_t(size.cy))
                return false;
            compared = 0;
            differing.clear();
            for (int32_t y = 0; y < size.cy; ++y) {
                for (int32_t x = 0; x < size.cx; ++x) {
                    const Point p{x, y};
                    if (preview.layout.client.contains(p) || text.contains(p) ||
                        (covered && covered->contains({at.Left + x, at.Top + y})))
                        continue;
                    ++compared;
                    if (screen[size_t(y) * size_t(size.cx) + size_t(x)] !=
                        (preview.picture.pixel(x, y) & 0xFFFFFFu))
                        differing.push_back(p);
                }
            }
            return differing.empty();
        },
        15s);
    EXPECT_GT(compared, 1000) << "too little of the frame shows";
    EXPECT_EQ(differing.size(), 0u) << "frame pixels differ from skinview's, the first at "
                                    << (differing.empty() ? std::string() : At(differing.front()));
}

TEST_F(SearchProgramE2E, AShopperSearchesAndOpensTheFittingRoom) {
    const std::string host = Env("VELMORO_E2E_PAGE_HOST");
    WatchedPageServer server(host);
    ASSERT_TRUE(server.Bound()) << "cannot serve on " << host << " (port in use?)";
    Program program(Env("VELMORO_E2E_PROGRAM"));
    ASSERT_TRUE(program.Started());
    const platform::Size screen = ScreenSize();

    // 1. Loading: the window is centred for its expanded height, collapsed to the panel, and
    //    asks for the home page, which the server holds back.
    const XWindow main = CollapsedMainWindow(program);
    ASSERT_FALSE(main.id.empty());
    EXPECT_EQ(Output("xdotool getwindowname " + main.id), "Velmoro V1.0");
    ASSERT_TRUE(WaitUntil([&] { return server.Count("GET", "/qrwk/") == 1; }, 30s));
    Screenshot("1_loading");

    // 2. While the page loads, quick search is disabled: a keyword and Enter start nothing. The
    //    keyword is selected afterwards, so that its highlight tells that Enter was handled.
    ExpectQuickSearch(main, ButtonLook::Disabled, 30s);
    const Point keyword = InPanel(main, 47 + 20, 7 + 10);
    const Rect keywordField{keyword.X - 18, keyword.Y - 8, keyword.X + 110, keyword.Y + 9};
    Xdotool("mousemove " + At(keyword) + " click 1");
    Xdotool("type --delay 150 'silk 裙'");
    Xdotool("key Return shift+Home");
    EXPECT_TRUE(WaitUntil([&] { return HighlightIn(keywordField) > 100; }, 30s))
        << "the keyword never looked selected";
    EXPECT_TRUE(server.Searches().empty());
    EXPECT_EQ(LookOf(QuickSearchCaption(main)), ButtonLook::Disabled);
    Screenshot("2_enter_while_loading");

    // 3. The page loads: quick search becomes enabled.
    server.OpenHomePage();
    ExpectQuickSearch(main, ButtonLook::Enabled, 60s);
    Screenshot("3_ready");

    // 4. Category 连衣裙 from the list with the keyboard, Enter: the page's SoItem gets the query,
    //    once, and the window opens.
    Xdotool("key Tab Down Return");
    ASSERT_TRUE(WaitUntil([&] { return !server.Searches().empty(); }, 30s)) << "no search reached the page";
    MainWhenClientHeightIs(program, main, 613);
    EXPECT_EQ(server.Searches(),
              (std::vector<std::string>{"k=%73%69%6C%6B%20%E8%A3%99&cid=50010850&sp=0&ep=99999999&area="
                                        "&s=commissionVolume_desc&sc=1heart&ec=5goldencrown"}));
    // Expanded to 785 x 641, its frame on the screen is what skinview draws at that size (the
    // caption text aside, whose anti-aliased edges depend on what lies below it).
    ExpectFrameAsPreviewed(main, {785, 641}, true, std::nullopt);
    Screenshot("4_searched");

    // 5. The fitting-room button shows the fitting room, loaded once at start-up while hidden,
    //    centred on the screen.
    EXPECT_EQ(server.Count("GET", "/qrwk/syj.html"), 1);
    const Point roomButton = InPanel(main, 690 + 36, 30 + 12);
    Xdotool("mousemove " + At(roomButton) + " click 1");
    const std::vector<XWindow> windows = WindowsWhenThereAre(program, 2);
    ASSERT_EQ(windows.size(), 2u);
    const XWindow shown = windows[0].id == main.id ? windows[1] : windows[0];
    const platform::Size roomSize{shown.bounds.width(), shown.bounds.height()};
    const platform::FrameLayout roomFrame = platform::ComputeFrameLayout(kRoomStyle, kRoomExStyle, roomSize);
    EXPECT_EQ(roomFrame.client.width(), 790);
    EXPECT_EQ(roomFrame.client.height(), 680);
    const XWindow room =
        WindowWhenAt(program, shown.id,
                     platform::rectOfSize((screen.cx - roomSize.cx) / 2, (screen.cy - roomSize.cy) / 2 - 10,
                                          roomSize.cx, roomSize.cy));
    Screenshot("5_fitting_room");

    // 6. It covers the main window: the shopper drags it down by its caption, and the main
    //    window's frame shows inactive above it. She presses the button twice more: still the one
    //    window, where she left it, its page not reloaded.
    const Point grip{room.bounds.Left + room.bounds.width() / 2, room.bounds.Top + roomFrame.caption.Top + 4};
    Xdotool("mousemove " + At(grip) + " mousedown 1 mousemove " + At({grip.X, grip.Y + 75}) +
            " sleep 0.2 mousemove " + At({grip.X, grip.Y + 150}) + " sleep 0.2 mouseup 1");
    const Rect moved = WindowWhenAt(program, room.id, room.bounds.offsetBy(0, 150)).bounds;
    ExpectFrameAsPreviewed(main, {785, 641}, false, moved);
    for (int press = 0; press < 2; ++press) Xdotool("mousemove " + At(roomButton) + " click 1");
    EXPECT_EQ(VisibleWindowsOf(program.Pid()).size(), 2u);
    Screenshot("6_pressed_again");

    // 7. Its close button hides it (after both presses, which come first); the button brings back
    //    the same window and page where it was.
    const Point close{moved.Left + (roomFrame.closeButton.Left + roomFrame.closeButton.Right) / 2,
                      moved.Top + (roomFrame.closeButton.Top + roomFrame.closeButton.Bottom) / 2};
    Xdotool("mousemove " + At(close) + " click 1");
    EXPECT_EQ(WindowsWhenThereAre(program, 1).size(), 1u) << "closing did not hide the fitting room";
    Xdotool("mousemove " + At(roomButton) + " click 1");
    ASSERT_EQ(WindowsWhenThereAre(program, 2).size(), 2u);
    WindowWhenAt(program, room.id, moved);
    EXPECT_EQ(server.Count("GET", "/qrwk/syj.html"), 1);
    Screenshot("7_reopened");

    // 8. Alt+F4 on the main window ends the program, fitting room and all, cleanly.
    Xdotool("mousemove " + At(InPanel(main, 300, 55)) + " click 1");
    Xdotool("key alt+F4");
    ASSERT_TRUE(program.WaitForExit(30s)) << "the program did not end";
    EXPECT_EQ(program.ExitStatus(), 0) << program.LogTail();
}

TEST_F(SearchProgramE2E, AShopperBrowsesHerResultsInTabs) {
    const std::string host = Env("VELMORO_E2E_PAGE_HOST");
    WatchedPageServer server(host);
    ASSERT_TRUE(server.Bound()) << "cannot serve on " << host << " (port in use?)";
    server.OpenHomePage();
    Program program(Env("VELMORO_E2E_PROGRAM"));
    ASSERT_TRUE(program.Started());
    XWindow main = CollapsedMainWindow(program);
    ASSERT_FALSE(main.id.empty());
    // Enter before the page has loaded starts nothing (the first test shows it).
    ExpectQuickSearch(main, ButtonLook::Enabled, 60s);
    auto searchesAre = [&](size_t n) {
        EXPECT_TRUE(WaitUntil([&] { return server.Searches().size() == n; }, 30s))
            << server.Searches().size() << " searches reached the page, expected " << n;
    };

    // 1. The first search (连衣裙, chosen with the keyboard) makes the first tab; the window opens.
    TypeKeyword(main, "silk 裙");
    Xdotool("key Tab Down Return");
    searchesAre(1);
    main = MainWhenClientHeightIs(program, main, 613);
    std::vector<std::string> captions{"silk 裙 - 连衣裙"};
    WaitForTabs(main, {captions, 0});
    const std::vector<uint32_t> firstPage = SettledPagePixels(main);
    Screenshot("tabs_1_first_search");

    // 2. No keyword, category T恤: the second tab, captioned by the category alone, selected.
    TypeKeyword(main, "");
    Xdotool("key Tab Down Return");
    searchesAre(2);
    captions.push_back("T恤");
    tools::TabStripPreview strip = WaitForTabs(main, {captions, 1});
    const std::vector<uint32_t> secondPage = SettledPageAfter(main, firstPage, 1000);
    EXPECT_GT(Differing(firstPage, secondPage), 1000) << "the second search shows the first page";
    Screenshot("tabs_2_second_search");

    // 3. Clicking the first tab selects it and shows its page again.
    const Rect first = strip.layout.tabs[0];
    Xdotool("mousemove " + At(InTabs(main, {first.Left + 8, (first.Top + first.Bottom) / 2})) + " click 1");
    PointerAway(main);
    strip = WaitForTabs(main, {captions, 0, true});
    const std::vector<uint32_t> shown = SettledPageAfter(main, secondPage, 1000);
    EXPECT_LT(Differing(shown, firstPage), Differing(shown, secondPage))
        << "the first tab shows another page";
    Screenshot("tabs_3_first_tab_clicked");

    // 4. Both tabs closed by their close boxes: the second (its press selects it), then the first;
    //    the page has none left and the window folds back to the panel.
    ASSERT_FALSE(strip.layout.closeBoxes[1].isEmpty());
    Xdotool("mousemove " + At(Centre(main, strip.layout.closeBoxes[1])) + " click 1");
    PointerAway(main);
    captions.pop_back();
    strip = WaitForTabs(main, {captions, 0, true});
    Screenshot("tabs_4_second_closed");
    Xdotool("mousemove " + At(Centre(main, strip.layout.closeBoxes[0])) + " click 1");
    main = MainWhenClientHeightIs(program, main, 68);
    Screenshot("tabs_5_all_closed");

    // 5. More searches than the row holds: the window opens again at the first, and the last tab,
    //    selected, is scrolled into view with the 36 x 18 scroller at the row's end.
    captions.clear();
    for (int i = 1; i <= 9; ++i) {
        const std::string keyword = "look " + std::to_string(i);
        TypeKeyword(main, keyword);
        Xdotool("key Return");
        searchesAre(size_t(2 + i));
        captions.push_back(keyword + " - T恤");
        if (i == 1)
            main = MainWhenClientHeightIs(program, main, 613);
    }
    PointerAway(main);
    strip = WaitForTabs(main, {captions, 8});
    ASSERT_TRUE(strip.layout.scroller.has_value()) << "the expected strip has no scroller";
    EXPECT_EQ(strip.layout.scroller->width(), 36);
    EXPECT_EQ(strip.layout.scroller->height(), 18);
    EXPECT_GT(strip.layout.firstVisible, 0);
    Screenshot("tabs_6_overflowing");

    // 6. The scroller's left arrow pages the row back one tab at a time.
    const Rect arrows = *strip.layout.scroller;
    const int firstVisible = strip.layout.firstVisible;
    Xdotool("mousemove " + At(Centre(main, {arrows.Left, arrows.Top, arrows.Left + 18, arrows.Bottom})) +
            " click 1");
    PointerAway(main);
    WaitForTabs(main, {captions, 8, false, firstVisible - 1});
    Screenshot("tabs_7_scrolled_back");

    Xdotool("key alt+F4");
    ASSERT_TRUE(program.WaitForExit(30s)) << "the program did not end";
    EXPECT_EQ(program.ExitStatus(), 0) << program.LogTail();
}

// The X window's origin on the screen now.
Point OriginOf(const std::string& id) {
    std::istringstream shell(Output("xdotool getwindowgeometry --shell " + id));
    Point p;
    for (std::string line; std::getline(shell, line);) {
        std::sscanf(line.c_str(), "X=%d", &p.X);
        std::sscanf(line.c_str(), "Y=%d", &p.Y);
    }
    return p;
}

// Whether a window is iconified: its WM_STATE says so (a window manager keeps it).
bool Iconified(const std::string& id) {
    return Output("xprop -id " + id + " WM_STATE 2>/dev/null").find("Iconic") != std::string::npos;
}

TEST_F(SearchProgramE2E, TheMainWindowsCaptionButtonsSystemMenuAndCaptionWork) {
    const std::string host = Env("VELMORO_E2E_PAGE_HOST");
    WatchedPageServer server(host);
    ASSERT_TRUE(server.Bound()) << "cannot serve on " << host << " (port in use?)";
    server.OpenHomePage();
    Program program(Env("VELMORO_E2E_PROGRAM"));
    ASSERT_TRUE(program.Started());
    XWindow main = CollapsedMainWindow(program);
    ASSERT_FALSE(main.id.empty());
    ExpectQuickSearch(main, ButtonLook::Enabled, 60s);
    const platform::Size size{785, 96};
    tools::FramePreviewOptions o;
    o.size = size;
    o.caption = "Velmoro V1.0";
    const tools::FrameLayoutReport layout =
        tools::PreviewFrame(SourceSkin(), o, platform::RGB(255, 0, 255)).layout;
    auto objectRect = [&](const char* name) {
        for (const tools::FrameObjectReport& r : layout.objects)
            if (r.name == name)
                return r.rect;
        ADD_FAILURE() << "no " << name;
        return Rect{};
    };
    auto centreOf = [&](const XWindow& w, const Rect& r) {
        return Point{w.bounds.Left + (r.Left + r.Right) / 2, w.bounds.Top + (r.Top + r.Bottom) / 2};
    };
    const Rect close = objectRect("closebutton"), minimise = objectRect("minbutton"),
               icon = objectRect("systemmenubutton");
    const platform::Surface& buttons = SourceSkin().ActivePictures()[0].Surface();

    // 1. Hovering the close button lights it: its active face (20, 0, 38, 17 of the button picture).
    Xdotool("mousemove " + At(centreOf(main, close)));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return ScreenPixels(close.offsetBy(main.bounds.Left, main.bounds.Top)) ==
                   PicturePixels(buttons, {20, 0, 38, 17});
        },
        10s))
        << "the close button never showed its hot face";
    Screenshot("frame_1_close_hot");

    // 2. The caption bar drags the window by the drag, in 60 Hz steps, the window keeping up with the
    //    pointer; the pointer's lead over the window is sampled at every step.
    const Point grip{main.bounds.Left + 300, main.bounds.Top + 12};
    Xdotool("mousemove " + At(grip) + " mousedown 1");
    std::vector<int> lead;
    for (int step = 1; step <= 40; ++step) {
        Xdotool("mousemove " + At({grip.X + 3 * step, grip.Y + 2 * step}));
        std::this_thread::sleep_for(16ms);
        lead.push_back(3 * step - (OriginOf(main.id).X - main.bounds.Left));
    }
    Xdotool("mouseup 1");
    main = WindowWhenAt(program, main.id, main.bounds.offsetBy(120, 80));
    std::vector<int> sorted = lead;
    std::sort(sorted.begin(), sorted.end());
    std::printf(
        "caption drag, pointer ahead of the window by (pixels, 3 a step of 16 ms): median %d, "
        "90th percentile %d, largest %d\n",
        sorted[sorted.size() / 2], sorted[sorted.size() * 9 / 10], sorted.back());
    EXPECT_LE(sorted[sorted.size() / 2], 3) << "the window lags more than a step behind the pointer";
    Screenshot("frame_2_dragged");

    // 3. Its borders do not size it, nor move it.
    for (const Point& edge : {Point{main.bounds.Right - 2, main.bounds.Top + 50},
                              Point{main.bounds.Left + 400, main.bounds.Bottom - 2},
                              Point{main.bounds.Left + 400, main.bounds.Top + 1}})
        Xdotool("mousemove " + At(edge) + " mousedown 1 mousemove " + At({edge.X + 60, edge.Y + 40}) +
                " sleep 0.2 mouseup 1");
    std::this_thread::sleep_for(500ms);
    WindowWhenAt(program, main.id, main.bounds);
    Screenshot("frame_3_borders_dragged");

    // 4. The minimise button iconifies the window; activating it brings the skinned window back.
    Xdotool("mousemove " + At(centreOf(main, minimise)) + " click 1");
    EXPECT_TRUE(WaitUntil([&] { return Iconified(main.id); }, 15s)) << "the window was not iconified";
    EXPECT_TRUE(VisibleWindowsOf(program.Pid()).empty());
    Screenshot("frame_4_minimised");
    Xdotool("mousemove " + At(InPanel(main, 300, 55)) + " windowactivate " + main.id);
    main = WindowWhenAt(program, main.id, main.bounds);
    EXPECT_FALSE(Iconified(main.id));
    ExpectFrameAsPreviewed(main, size, true, std::nullopt);
    Screenshot("frame_5_restored");

    // 5. Alt+Space opens the system menu below the icon, Escape closes it; a click on the icon opens
    //    it too.
    const Rect below =
        platform::rectOfSize(main.bounds.Left + icon.Left, main.bounds.Top + icon.Bottom, 120, 50);
    Xdotool("mousemove " + At(InPanel(main, 300, 55)));
    std::this_thread::sleep_for(300ms);
    const std::vector<uint32_t> without = ScreenPixels(below);
    auto menuShows = [&](bool shows) {
        return WaitUntil([&] { return (Differing(ScreenPixels(below), without) > 500) == shows; }, 10s);
    };
    Xdotool("key alt+space");
    EXPECT_TRUE(menuShows(true)) << "Alt+Space opened no menu below the icon";
    Screenshot("frame_6_system_menu");
    Xdotool("key Escape");
    EXPECT_TRUE(menuShows(false)) << "Escape left the menu open";
    Xdotool("mousemove " + At(centreOf(main, icon)) + " click 1");
    EXPECT_TRUE(menuShows(true)) << "a click on the icon opened no menu";
    Screenshot("frame_7_system_menu_by_icon");
    Xdotool("key Escape");
    EXPECT_TRUE(menuShows(false)) << "Escape left the menu open";

    // 6. "Mi&nimize" from it minimises; activated again, the window is back.
    Xdotool("key alt+space");
    EXPECT_TRUE(menuShows(true));
    Xdotool("key Return");
    EXPECT_TRUE(WaitUntil([&] { return Iconified(main.id); }, 15s)) << "Minimize did not minimise";
    Xdotool("mousemove " + At(InPanel(main, 300, 55)) + " windowactivate " + main.id);
    main = WindowWhenAt(program, main.id, main.bounds);
    ExpectFrameAsPreviewed(main, size, true, std::nullopt);
    Screenshot("frame_8_minimised_from_menu_and_back");

    // 7. The close button ends the program, and the page server hears nothing more from it.
    Xdotool("mousemove " + At(centreOf(main, close)) + " click 1");
    ASSERT_TRUE(program.WaitForExit(30s)) << "the program did not end";
    EXPECT_EQ(program.ExitStatus(), 0) << program.LogTail();
    const int requests = server.Total();
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(server.Total(), requests);
}

// Browser keys and clicks on the result tabs: Ctrl+Tab from inside the page, a middle click, and
// the tab menu's "关闭其他标签" and "全部关闭".
TEST_F(SearchProgramE2E, AShopperWorksHerTabsAsInABrowser) {
    const std::string host = Env("VELMORO_E2E_PAGE_HOST");
    WatchedPageServer server(host);
    ASSERT_TRUE(server.Bound()) << "cannot serve on " << host << " (port in use?)";
    server.OpenHomePage();
    Program program(Env("VELMORO_E2E_PROGRAM"));
    ASSERT_TRUE(program.Started());
    // The window's place is the first test's to check; here it only needs to be found.
    const std::vector<XWindow> windows = WindowsWhenThereAre(program, 1);
    ASSERT_EQ(windows.size(), 1u) << program.LogTail();
    XWindow main = windows[0];
    ExpectQuickSearch(main, ButtonLook::Enabled, 60s);

    // 1. Three searches, three tabs; the third selected, its page shown.
    std::vector<std::string> captions;
    for (int i = 1; i <= 3; ++i) {
        const std::string keyword = "dress " + std::to_string(i);
        TypeKeyword(main, keyword);
        Xdotool("key Return");
        const bool searched = WaitUntil([&] { return server.Searches().size() == size_t(i); }, 30s);
        if (!searched)
            Screenshot("desk_0_no_search");
        ASSERT_TRUE(searched) << keyword;
        captions.push_back(keyword + " - 女装/女士精品");
        if (i == 1)
            main = MainWhenClientHeightIs(program, main, 613);
    }
    PointerAway(main);
    tools::TabStripPreview strip = WaitForTabs(main, {captions, 2});
    const std::vector<uint32_t> thirdPage = SettledPagePixels(main);

    // 2. The first tab clicked, then the page clicked (the browser has the keys): Ctrl+Tab twice
    //    selects the third tab again and shows its page.
    const Rect first = strip.layout.tabs[0];
    Xdotool("mousemove " + At(InTabs(main, {first.Left + 8, (first.Top + first.Bottom) / 2})) + " click 1");
    PointerAway(main);
    // The strip keeps the window's focus after the page is clicked: only the page has the keys.
    WaitForTabs(main, {captions, 0, true});
    const std::vector<uint32_t> firstPage = SettledPageAfter(main, thirdPage, 20);
    EXPECT_GT(Differing(firstPage, thirdPage), 20) << "the first tab shows the third page";
    Xdotool("mousemove " + At(InTabs(main, {kTabsInClient.width() - 30, kTabsInClient.height() - 12})) +
            " click 1");
    PointerAway(main);
    Xdotool("key ctrl+Tab");
    std::this_thread::sleep_for(500ms);
    Xdotool("key ctrl+Tab");
    strip = WaitForTabs(main, {captions, 2, true});
    const std::vector<uint32_t> shown = SettledPageAfter(main, firstPage, 20);
    EXPECT_LT(Differing(shown, thirdPage), Differing(shown, firstPage))
        << "Ctrl+Tab twice does not show the third page";
    Screenshot("desk_1_ctrl_tab_twice");

    // 3. A middle click closes the first tab.
    Xdotool("mousemove " + At(InTabs(main, {first.Left + 8, (first.Top + first.Bottom) / 2})) + " click 2");
    PointerAway(main);
    captions.erase(captions.begin());
    strip = WaitForTabs(main, {captions, 0, true});
    Screenshot("desk_2_middle_click");

    // 4. The tab menu on the last tab: "关闭其他标签" (the second item) leaves it alone.
    const Rect last = strip.layout.tabs[1];
    Xdotool("mousemove " + At(InTabs(main, {last.Left + 8, (last.Top + last.Bottom) / 2})) + " click 3");
    std::this_thread::sleep_for(1000ms);
    Screenshot("desk_3_tab_menu");
    Xdotool("key Down");
    std::this_thread::sleep_for(300ms);
    Xdotool("key Return");
    PointerAway(main);
    WaitForTabs(main, {{captions.back()}, 0, true});
    Screenshot("desk_4_others_closed");

    // 5. "全部关闭" (the only close left enabled after the first): the window folds to the panel.
    Xdotool("mousemove " + At(InTabs(main, {first.Left + 8, (first.Top + first.Bottom) / 2})) + " click 3");
    std::this_thread::sleep_for(1000ms);
    Xdotool("key Down");
    std::this_thread::sleep_for(300ms);
    Xdotool("key Return");
    main = MainWhenClientHeightIs(program, main, 68);
    Screenshot("desk_5_all_closed");
    EXPECT_EQ(server.Searches().size(), 3u) << "no close searched";

    Xdotool("mousemove " + At(InPanel(main, 300, 55)) + " click 1");
    Xdotool("key alt+F4");
    ASSERT_TRUE(program.WaitForExit(30s)) << "the program did not end";
    EXPECT_EQ(program.ExitStatus(), 0) << program.LogTail();
}

// --- Chinese typed with a pinyin input method ------------------------------------------------------

// scripts/pinyin-input-method, running for the test's lifetime.
class PinyinInputMethod {
  public:
    PinyinInputMethod() {
        int out[2];
        if (pipe(out) != 0)
            return;
        const std::string script = Env("VELMORO_SOURCE_DIR") + "/scripts/pinyin-input-method";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        char* argv[] = {const_cast<char*>(script.c_str()), nullptr};
        if (posix_spawn(&pid_, script.c_str(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        if (FILE* lines = fdopen(out[0], "r")) {
            char line[1024] = {};
            if (pid_ > 0 && fgets(line, sizeof line, lines))
                answer_ = line;
            fclose(lines);
        } else {
            close(out[0]);
        }
        while (!answer_.empty() && answer_.back() == '\n') answer_.pop_back();
        if (pid_ < 0)
            answer_ = "unavailable: cannot run " + script;
    }
    ~PinyinInputMethod() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool Ready() const { return answer_.rfind("ready ", 0) == 0; }
    // Selects the pinyin engine for the input context that has the focus now (a context made
    // after the engine was first selected may start without one). IBUS_ADDRESS must be set.
    static bool SelectEngine() {
        return WaitUntil(
            [] {
                std::system("ibus engine libpinyin >/dev/null 2>&1");
                return Output("ibus engine 2>/dev/null") == "libpinyin";
            },
            10s);
    }
    std::string Address() const { return Ready() ? answer_.substr(6) : ""; }
    const std::string& Answer() const { return answer_; }

  private:
    pid_t pid_ = -1;
    std::string answer_ = "unavailable: the script said nothing";
};

// Sets environment variables for the programs the test starts, and puts them back.
class ScopedEnv {
  public:
    void Set(const char* name, const std::string& value) {
        const char* before = std::getenv(name);
        saved_.push_back({name, before ? std::optional<std::string>(before) : std::nullopt});
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first, it->second->c_str(), 1);
            else
                unsetenv(it->first);
        }
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

// The visible windows of the input method's candidate panel (not its 1 x 1 helpers).
std::vector<XWindow> CandidateWindows() {
    std::vector<XWindow> windows = VisibleWindows("--classname ibus-ui-gtk3");
    std::erase_if(windows, [](const XWindow& w) { return w.bounds.width() <= 1 || w.bounds.height() <= 1; });
    return windows;
}

// Nearly black pixels of the screen: text ink.
int InkIn(const Rect& r) {
    int ink = 0;
    for (uint32_t colour : ScreenPixels(r))
        ink += (colour >> 16 & 0xFF) < 64 && (colour >> 8 & 0xFF) < 64 && (colour & 0xFF) < 64;
    return ink;
}

// The keyword of a search body ("k=...&cid=..."), still percent-encoded.
std::string KeywordOf(const std::string& search) {
    return search.substr(0, search.find('&'));
}
std::string Field(const std::string& search, const std::string& name) {
    const size_t at = search.find("&" + name + "=");
    if (at == std::string::npos)
        return "";
    const size_t start = at + name.size() + 2;
    return search.substr(start, search.find('&', start) - start);
}

TEST_F(SearchProgramE2E, AShopperTypesChineseWithPinyin) {
    PinyinInputMethod ime;
    if (!ime.Ready())
        GTEST_SKIP() << "no pinyin input method here: " << ime.Answer();
    ScopedEnv env;
    env.Set("GTK_IM_MODULE", "ibus");
    env.Set("IBUS_ADDRESS", ime.Address());
    const std::string host = Env("VELMORO_E2E_PAGE_HOST");
    WatchedPageServer server(host);
    ASSERT_TRUE(server.Bound()) << "cannot serve on " << host << " (port in use?)";
    server.OpenHomePage();
    Program program(Env("VELMORO_E2E_PROGRAM"));
    ASSERT_TRUE(program.Started());
    // The window's place is the first test's to check; here it only needs to be found.
    std::vector<XWindow> windows = WindowsWhenThereAre(program, 1);
    ASSERT_EQ(windows.size(), 1u) << program.LogTail();
    XWindow main = windows[0];
    ExpectQuickSearch(main, ButtonLook::Enabled, 60s);
    const Point keywordField = InPanel(main, 47, 7);
    const Rect field{keywordField.X + 2, keywordField.Y + 2, keywordField.X + 133 - 2,
                     keywordField.Y + 21 - 2};

    // 1. "qunzi" composes: the preedit is drawn in the field and the candidates show below the
    //    caret. Escape ends the composition and leaves the field (and the window) as they were.
    Xdotool("mousemove " + At({field.Left + 20, field.Top + 8}) + " click 1");
    std::this_thread::sleep_for(500ms);  // the focus reaches the input method
    ASSERT_TRUE(PinyinInputMethod::SelectEngine());
    // ibus's panel does not always show the first lookup table of a fresh session (the preedit
    // is there, the candidate window is not); the composition is then given up and typed again.
    std::vector<XWindow> candidates;
    for (int attempt = 0; attempt < 2 && candidates.empty(); ++attempt) {
        if (attempt > 0) {
            Xdotool("key Escape");
            WaitUntil([&] { return InkIn(field) < 30; }, 10s);
        }
        Xdotool("type --delay 150 qunzi");
        EXPECT_TRUE(WaitUntil([&] { return InkIn(field) > 40; }, 10s)) << "no preedit in the field";
        WaitUntil(
            [&] {
                candidates = CandidateWindows();
                return !candidates.empty();
            },
            10s);
    }
    EXPECT_FALSE(candidates.empty()) << "no candidate window";
    Screenshot("ime_1_composing");
    for (const XWindow& c : candidates) {
        EXPECT_GE(c.bounds.Top, field.Top + 12) << "the candidates cover the text";
        EXPECT_LE(c.bounds.Top, field.Bottom + 40) << "the candidates are far below the caret";
        EXPECT_GE(c.bounds.Left, field.Left - 10);
        EXPECT_LE(c.bounds.Left, field.Right) << "the candidates are not at the caret";
    }
    Xdotool("key Escape");
    EXPECT_TRUE(WaitUntil([&] { return InkIn(field) < 30; }, 10s)) << "Escape left text in the field";
    EXPECT_EQ(VisibleWindowsOf(program.Pid()).size(), 1u);

    // 2. "qunzix", Backspace (the x of the composition), space: 裙子; Enter searches exactly that.
    Xdotool("type --delay 150 qunzix");
    std::this_thread::sleep_for(500ms);
    Xdotool("key BackSpace");
    std::this_thread::sleep_for(500ms);
    Xdotool("key space");
    std::this_thread::sleep_for(500ms);
    Screenshot("ime_2_committed");
    Xdotool("key Return");
    ASSERT_TRUE(WaitUntil([&] { return server.Searches().size() == 1; }, 30s)) << "no search";
    EXPECT_EQ(KeywordOf(server.Searches()[0]), "k=%E8%A3%99%E5%AD%90") << "not 裙子 alone";
    main = MainWhenClientHeightIs(program, main, 613);

    // 3. With the caret between 裙 and 子: 裙裙子子. The price fields take digits only: 裙子
    //    composed there changes nothing.
    Xdotool("mousemove " + At({field.Right - 4, field.Top + 8}) + " click 1");
    Xdotool("key End Left");
    Xdotool("type --delay 150 qunzi");
    std::this_thread::sleep_for(500ms);
    Xdotool("key space");
    std::this_thread::sleep_for(500ms);
    for (const Point price : {InPanel(main, 408 + 20, 7 + 10), InPanel(main, 477 + 20, 7 + 10)}) {
        Xdotool("mousemove " + At(price) + " click 1");
        Xdotool("type --delay 150 qunzi");
        std::this_thread::sleep_for(500ms);
        Xdotool("key space");
        std::this_thread::sleep_for(500ms);
    }
    Screenshot("ime_3_price_fields");
    Xdotool("mousemove " + At({field.Right - 4, field.Top + 8}) + " click 1");
    Xdotool("key Return");
    ASSERT_TRUE(WaitUntil([&] { return server.Searches().size() == 2; }, 30s)) << "no second search";
    const std::string second = server.Searches()[1];
    EXPECT_EQ(KeywordOf(second), "k=%E8%A3%99%E8%A3%99%E5%AD%90%E5%AD%90");
    EXPECT_EQ(Field(second, "sp"), "0");
    EXPECT_EQ(Field(second, "ep"), "99999999");

    PointerAway(main);
    Xdotool("key alt+F4");
    ASSERT_TRUE(program.WaitForExit(30s)) << "the program did not end";
    EXPECT_EQ(program.ExitStatus(), 0) << program.LogTail();
}

}  // namespace
