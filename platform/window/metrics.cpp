#include "platform/window/metrics.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string>

#include "platform/window/state.h"

namespace platform {

using namespace win;

namespace {

struct FixedMetric {
    int index;
    int value;
};

// Metrics that do not depend on the screen. Sorted by index.
// clang-format off
constexpr std::array kFixedMetrics{
    FixedMetric{SM_CXVSCROLL, 16},  FixedMetric{SM_CYHSCROLL, 16},    FixedMetric{SM_CYCAPTION, 19},
    FixedMetric{SM_CXBORDER, 1},    FixedMetric{SM_CYBORDER, 1},      FixedMetric{SM_CXDLGFRAME, 3},
    FixedMetric{SM_CYDLGFRAME, 3},  FixedMetric{SM_CYVTHUMB, 16},     FixedMetric{SM_CXHTHUMB, 16},
    FixedMetric{SM_CXICON, 32},     FixedMetric{SM_CYICON, 32},       FixedMetric{SM_CXCURSOR, 32},
    FixedMetric{SM_CYCURSOR, 32},   FixedMetric{SM_CYMENU, 19},       FixedMetric{SM_MOUSEPRESENT, 1},
    FixedMetric{SM_CYVSCROLL, 16},  FixedMetric{SM_CXHSCROLL, 16},    FixedMetric{SM_SWAPBUTTON, 0},
    FixedMetric{SM_CXMIN, 112},     FixedMetric{SM_CYMIN, 27},        FixedMetric{SM_CXSIZE, 18},
    FixedMetric{SM_CYSIZE, 18},     FixedMetric{SM_CXFRAME, 4},       FixedMetric{SM_CYFRAME, 4},
    FixedMetric{SM_CXMINTRACK, 112}, FixedMetric{SM_CYMINTRACK, 27},  FixedMetric{SM_CXDOUBLECLK, 4},
    FixedMetric{SM_CYDOUBLECLK, 4}, FixedMetric{SM_CXEDGE, 2},        FixedMetric{SM_CYEDGE, 2},
    FixedMetric{SM_CXSMICON, 16},   FixedMetric{SM_CYSMICON, 16},     FixedMetric{SM_CYSMCAPTION, 15},
    FixedMetric{SM_CXSMSIZE, 12},   FixedMetric{SM_CYSMSIZE, 14},     FixedMetric{SM_CXMENUSIZE, 18},
    FixedMetric{SM_CYMENUSIZE, 18}, FixedMetric{SM_CXDRAG, 4},        FixedMetric{SM_CYDRAG, 4},
    FixedMetric{SM_SAMEDISPLAYFORMAT, 1},
};
// clang-format on

constexpr bool SortedByIndex() {
    for (size_t i = 1; i < kFixedMetrics.size(); ++i) {
        if (kFixedMetrics[i - 1].index >= kFixedMetrics[i].index)
            return false;
    }
    return true;
}
static_assert(SortedByIndex(), "fixed metrics must be sorted by index, each once");

// The monitors of the display, or one 1024 x 768 screen without a display.
std::vector<MonitorConfig> Monitors() {
    if (Display* display = CurrentDisplay()) {
        std::vector<MonitorConfig> monitors = display->monitors();
        if (!monitors.empty())
            return monitors;
    }
    Rect screen{0, 0, 1024, 768};
    return {MonitorConfig{screen, screen, true}};
}

const MonitorConfig& PrimaryOf(const std::vector<MonitorConfig>& monitors) {
    auto it =
        std::find_if(monitors.begin(), monitors.end(), [](const MonitorConfig& m) { return m.primary; });
    return it == monitors.end() ? monitors.front() : *it;
}

// Monitor handles are 1-based positions in the display's list.
HMONITOR HandleOf(size_t index) {
    return reinterpret_cast<HMONITOR>(uintptr_t(index + 1));
}

int64_t DistanceSquared(const Rect& r, Point p) {
    int64_t dx = p.X < r.Left ? r.Left - p.X : (p.X >= r.Right ? p.X - (r.Right - 1) : 0);
    int64_t dy = p.Y < r.Top ? r.Top - p.Y : (p.Y >= r.Bottom ? p.Y - (r.Bottom - 1) : 0);
    return dx * dx + dy * dy;
}

int64_t SharedArea(const Rect& a, const Rect& b) {
    Rect c = intersect(a, b);
    return int64_t(c.width()) * c.height();
}

HMONITOR Fallback(const std::vector<MonitorConfig>& monitors, Point nearTo, DWORD flags) {
    if (flags == MONITOR_DEFAULTTOPRIMARY)
        return HandleOf(size_t(&PrimaryOf(monitors) - monitors.data()));
    if (flags != MONITOR_DEFAULTTONEAREST)
        return nullptr;
    size_t best = 0;
    for (size_t i = 1; i < monitors.size(); ++i) {
        if (DistanceSquared(monitors[i].bounds, nearTo) < DistanceSquared(monitors[best].bounds, nearTo))
            best = i;
    }
    return HandleOf(best);
}

}  // namespace

int GetSystemMetrics(int index) {
    auto fixed = std::lower_bound(kFixedMetrics.begin(), kFixedMetrics.end(), index,
                                  [](const FixedMetric& m, int i) { return m.index < i; });
    if (fixed != kFixedMetrics.end() && fixed->index == index)
        return fixed->value;

    std::vector<MonitorConfig> monitors = Monitors();
    const MonitorConfig& primary = PrimaryOf(monitors);
    Rect virtualScreen = BoundsOfMonitors(monitors);
    switch (index) {
        case SM_CXSCREEN:
            return primary.bounds.width();
        case SM_CYSCREEN:
            return primary.bounds.height();
        case SM_CXFULLSCREEN:
            return primary.workArea.width();
        case SM_CYFULLSCREEN:
            return primary.workArea.height() - GetSystemMetrics(SM_CYCAPTION);
        case SM_CXMAXTRACK:
            return virtualScreen.width() + 12;
        case SM_CYMAXTRACK:
            return virtualScreen.height() + 12;
        case SM_CXMAXIMIZED:
            return primary.workArea.width() + 2 * GetSystemMetrics(SM_CXFRAME);
        case SM_CYMAXIMIZED:
            return primary.workArea.height() + 2 * GetSystemMetrics(SM_CYFRAME);
        case SM_XVIRTUALSCREEN:
            return virtualScreen.Left;
        case SM_YVIRTUALSCREEN:
            return virtualScreen.Top;
        case SM_CXVIRTUALSCREEN:
            return virtualScreen.width();
        case SM_CYVIRTUALSCREEN:
            return virtualScreen.height();
        case SM_CMONITORS:
            return int(monitors.size());
        default:
            return 0;
    }
}

bool SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT) {
    switch (action) {
        case SPI_GETWORKAREA:
            if (!pvParam)
                return false;
            *static_cast<Rect*>(pvParam) = PrimaryOf(Monitors()).workArea;
            return true;
        case SPI_GETDRAGFULLWINDOWS:
            if (!pvParam)
                return false;
            *static_cast<bool*>(pvParam) = System().dragFullWindows;
            return true;
        case SPI_SETDRAGFULLWINDOWS:
            System().dragFullWindows = uiParam != 0;
            return true;
        default:
            return false;
    }
}

HMONITOR MonitorFromPoint(Point point, DWORD flags) {
    std::vector<MonitorConfig> monitors = Monitors();
    for (size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i].bounds.contains(point))
            return HandleOf(i);
    }
    return Fallback(monitors, point, flags);
}

HMONITOR MonitorFromRect(const Rect& rect, DWORD flags) {
    std::vector<MonitorConfig> monitors = Monitors();
    size_t best = 0;
    int64_t bestArea = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        int64_t area = SharedArea(monitors[i].bounds, rect);
        if (area > bestArea)
            best = i, bestArea = area;
    }
    if (bestArea > 0)
        return HandleOf(best);
    Point centre{int32_t((int64_t(rect.Left) + rect.Right) / 2),
                 int32_t((int64_t(rect.Top) + rect.Bottom) / 2)};
    return Fallback(monitors, centre, flags);
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
    WindowRecord* w = Find(hwnd);
    if (!w)
        return flags == MONITOR_DEFAULTTONULL ? nullptr : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    HWND top = TopLevelOf(hwnd);
    WindowRecord& t = Get(top);
    Rect rect = (t.style & (WS_MINIMIZE | WS_MAXIMIZE)) ? t.normalRect : t.rect;
    if (rect.isEmpty())
        rect = {rect.Left, rect.Top, rect.Left + 1, rect.Top + 1};
    return MonitorFromRect(rect, flags);
}

bool GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    if (!info || info->cbSize < sizeof(MONITORINFO))
        return false;
    std::vector<MonitorConfig> monitors = Monitors();
    uintptr_t index = reinterpret_cast<uintptr_t>(monitor);
    if (index == 0 || index > monitors.size())
        return false;
    const MonitorConfig& m = monitors[index - 1];
    info->rcMonitor = m.bounds;
    info->rcWork = m.workArea;
    info->dwFlags = m.primary ? MONITORINFOF_PRIMARY : 0;
    return true;
}

DWORD GetVersion() {
    return (DWORD(7601) << 16) | (DWORD(1) << 8) | DWORD(6);
}

bool IsPlatformCallPresent(std::string_view library, std::string_view name) {
    struct Call {
        std::string_view library;
        std::string_view name;
    };
    static constexpr Call kPresent[] = {
        {"user32.dll", "MonitorFromWindow"},   {"user32.dll", "MonitorFromPoint"},
        {"user32.dll", "MonitorFromRect"},     {"user32.dll", "GetMonitorInfoA"},
        {"user32.dll", "GetMonitorInfoW"},     {"user32.dll", "SetLayeredWindowAttributes"},
        {"user32.dll", "UpdateLayeredWindow"}, {"user32.dll", "TrackMouseEvent"},
        {"msimg32.dll", "TransparentBlt"},     {"dwmapi.dll", "DwmIsCompositionEnabled"},
    };
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    for (const Call& call : kPresent) {
        if (lower(call.library) == lower(library) && call.name == name)
            return true;
    }
    return false;
}

}  // namespace platform
