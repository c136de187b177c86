#include "platform/display/headless_display.h"

#include <algorithm>

#include "platform/display/compose.h"
#include "platform/gfx/dc.h"
#include "platform/gfx/png.h"
#include "platform/window/keys.h"
#include "platform/window/window_system.h"

namespace platform {

namespace {

// What a US keyboard types for a key, without and with shift.
struct KeyChars {
    int vk;
    char plain;
    char shifted;
};
constexpr KeyChars kPunctuation[] = {
    {VK_SPACE, ' ', ' '},     {VK_OEM_1, ';', ':'},      {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'},
    {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},    {VK_OEM_3, '`', '~'},
    {VK_OEM_4, '[', '{'},     {VK_OEM_5, '\\', '|'},     {VK_OEM_6, ']', '}'},    {VK_OEM_7, '\'', '"'},
    {VK_RETURN, '\r', '\r'},  {VK_BACK, '\b', '\b'},     {VK_TAB, '\t', '\t'},    {VK_ESCAPE, '\x1b', '\x1b'},
};
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

HeadlessDisplay::HeadlessDisplay() : HeadlessDisplay(Options{}) {}

HeadlessDisplay::HeadlessDisplay(Options options)
    : composesAlpha_(options.composesAlpha), now_(options.startTime) {
    Rect screen{0, 0, std::max(options.screen.cx, 1), std::max(options.screen.cy, 1)};
    Rect work =
        options.workArea.value_or(Rect{0, 0, screen.Right, std::max(screen.Bottom - kTaskbarHeight, 1)});
    monitors_.push_back(MonitorConfig{screen, intersect(work, screen), true});
    for (MonitorConfig m : options.extraMonitors) {
        m.primary = false;
        monitors_.push_back(m);
    }
    ConnectDisplay(*this);
}

HeadlessDisplay::~HeadlessDisplay() {
    DisconnectDisplay(*this);
}

void HeadlessDisplay::setMonitors(std::vector<MonitorConfig> monitors) {
    if (monitors.empty())
        return;
    if (std::none_of(monitors.begin(), monitors.end(), [](const MonitorConfig& m) { return m.primary; })) {
        monitors.front().primary = true;
    }
    monitors_ = std::move(monitors);
    queue(ScreenChanged{});
}

Point HeadlessDisplay::screenOrigin() const {
    return BoundsOfMonitors(monitors_).topLeft();
}

Surface HeadlessDisplay::screenshot() const {
    Rect all = BoundsOfMonitors(monitors_);
    Surface screen(all.width(), all.height());
    Point origin = all.topLeft();
    // Between monitors there is no screen: black. On them, the desktop.
    screen.fill(PixelFromColor(RGB(0, 0, 0)));
    for (const MonitorConfig& m : monitors_) {
        uint32_t desktop = PixelFromColor(GetSysColor(COLOR_BACKGROUND));
        Rect r = intersect(m.bounds.offsetBy(-origin.X, -origin.Y), screen.bounds());
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            std::fill(screen.row(y) + r.Left, screen.row(y) + r.Right, desktop);
    }
    drawTaskbar(screen, origin);

    std::vector<ScreenLayer> layers;
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
        auto found = windows_.find(*it);
        if (found == windows_.end() || !found->second.state.shown)
            continue;
        const Shown& w = found->second;
        layers.push_back(ScreenLayer{w.state.bounds, &w.image, w.shape ? &*w.shape : nullptr, w.state.layer});
    }
    ComposeLayers(screen, origin, layers);
    return screen;
}

void HeadlessDisplay::drawTaskbar(Surface& screen, Point origin) const {
    const MonitorConfig& primary = monitors_.front();
    Rect bar = intersect(
        Rect{primary.bounds.Left, primary.workArea.Bottom, primary.bounds.Right, primary.bounds.Bottom},
        primary.bounds);
    if (bar.isEmpty())
        return;
    HDC dc = CreateSurfaceDC(&screen, {-origin.X, -origin.Y}, nullptr);
    FillRect(dc, bar, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(dc, {bar.Left, bar.Top, bar.Right, bar.Top + 1}, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    int32_t x = bar.Left + 4;
    for (HWND entry : taskbarEntries()) {
        const TopLevelState& state = windows_.at(entry).state;
        Rect button{x, bar.Top + 3, x + 160, bar.Bottom - 3};
        FillRect(dc, button, GetSysColorBrush(state.minimized ? COLOR_BTNSHADOW : COLOR_3DLIGHT));
        FrameRect(dc, button, GetSysColorBrush(COLOR_3DDKSHADOW));
        Rect text{button.Left + 6, button.Top, button.Right - 4, button.Bottom};
        DrawText(dc, state.title, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        x += 164;
    }
    DeleteDC(dc);
}

bool HeadlessDisplay::saveScreenshot(const std::string& path) const {
    return SaveSurfacePng(screenshot(), path);
}

COLORREF HeadlessDisplay::colorAt(Point screen) const {
    Point origin = screenOrigin();
    return ColorFromPixel(screenshot().pixel(screen.X - origin.X, screen.Y - origin.Y));
}

void HeadlessDisplay::advanceClock(uint32_t milliseconds) {
    now_ += milliseconds;
}
void HeadlessDisplay::setClockStepPerRead(uint32_t milliseconds) {
    stepPerRead_ = milliseconds;
}

void HeadlessDisplay::queue(InputEvent::Variant what) {
    pending_.push_back(InputEvent{now_, std::move(what)});
}

void HeadlessDisplay::moveMouse(Point screen) {
    pointer_ = screen;
    queue(PointerMoved{screen});
}

void HeadlessDisplay::pressButton(MouseButton button) {
    queue(ButtonChanged{pointer_, button, true});
}
void HeadlessDisplay::releaseButton(MouseButton button) {
    queue(ButtonChanged{pointer_, button, false});
}

void HeadlessDisplay::click(Point screen, MouseButton button) {
    moveMouse(screen);
    pressButton(button);
    releaseButton(button);
}

void HeadlessDisplay::doubleClick(Point screen, MouseButton button) {
    click(screen, button);
    click(screen, button);
}

void HeadlessDisplay::drag(Point from, Point to, int steps, MouseButton button) {
    moveMouse(from);
    pressButton(button);
    steps = std::max(steps, 1);
    for (int i = 1; i <= steps; ++i) {
        moveMouse({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
    }
    releaseButton(button);
}

void HeadlessDisplay::turnWheel(int delta) {
    queue(WheelTurned{pointer_, delta});
}

std::string HeadlessDisplay::keyText(int vk) const {
    if (vk >= 'A' && vk <= 'Z') {
        if (control_)
            return std::string(1, char(vk - 'A' + 1));
        return std::string(1, char(shift_ ? vk : vk - 'A' + 'a'));
    }
    if (control_)
        return {};
    if (vk >= '0' && vk <= '9')
        return std::string(1, shift_ ? kShiftedDigits[vk - '0'] : char(vk));
    for (const KeyChars& k : kPunctuation) {
        if (k.vk == vk)
            return std::string(1, shift_ ? k.shifted : k.plain);
    }
    return {};
}

void HeadlessDisplay::pressKey(int vk) {
    if (vk == VK_SHIFT || vk == VK_LSHIFT || vk == VK_RSHIFT)
        shift_ = true;
    if (vk == VK_CONTROL || vk == VK_LCONTROL || vk == VK_RCONTROL)
        control_ = true;
    queue(KeyChanged{vk, true, keyText(vk)});
}

void HeadlessDisplay::releaseKey(int vk) {
    if (vk == VK_SHIFT || vk == VK_LSHIFT || vk == VK_RSHIFT)
        shift_ = false;
    if (vk == VK_CONTROL || vk == VK_LCONTROL || vk == VK_RCONTROL)
        control_ = false;
    queue(KeyChanged{vk, false, {}});
}

void HeadlessDisplay::typeKey(int vk) {
    pressKey(vk);
    releaseKey(vk);
}

void HeadlessDisplay::commitText(const std::string& text) {
    queue(TextCommitted{text});
}
void HeadlessDisplay::startComposition() {
    queue(CompositionStarted{});
}
void HeadlessDisplay::changeComposition(const std::string& preedit, int32_t cursor) {
    queue(CompositionChanged{preedit, cursor});
}
void HeadlessDisplay::endComposition() {
    queue(CompositionEnded{});
}
void HeadlessDisplay::setApplicationFocus(bool active) {
    queue(ApplicationFocusChanged{active});
}
void HeadlessDisplay::requestClose(HWND window) {
    queue(CloseRequested{window});
}
void HeadlessDisplay::clickTaskbarEntry(HWND window) {
    queue(TaskbarEntryClicked{window});
}
void HeadlessDisplay::activateFromDesktop(HWND window) {
    queue(DesktopActivated{window});
}
void HeadlessDisplay::moveFromDesktop(HWND window, Point topLeft) {
    queue(DesktopMoved{window, topLeft});
}

const TopLevelState* HeadlessDisplay::stateOf(HWND window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second.state;
}

std::vector<HWND> HeadlessDisplay::taskbarEntries() const {
    std::vector<std::pair<uint64_t, HWND>> entries;
    for (const auto& [hwnd, w] : windows_) {
        if (w.state.inTaskbar)
            entries.emplace_back(w.order, hwnd);
    }
    std::sort(entries.begin(), entries.end());
    std::vector<HWND> out;
    for (const auto& e : entries) out.push_back(e.second);
    return out;
}

std::optional<HeadlessDisplay::WidgetPlacement> HeadlessDisplay::placementOf(NativeWidget* widget) const {
    auto it = widgets_.find(widget);
    if (it == widgets_.end())
        return std::nullopt;
    return it->second;
}

std::vector<MonitorConfig> HeadlessDisplay::monitors() const {
    return monitors_;
}

void HeadlessDisplay::topLevelCreated(HWND window) {
    windows_[window].order = created_++;
}

void HeadlessDisplay::topLevelDestroyed(HWND window) {
    windows_.erase(window);
    std::erase(stacking_, window);
}

void HeadlessDisplay::topLevelChanged(HWND window, const TopLevelState& state) {
    auto it = windows_.find(window);
    if (it != windows_.end())
        it->second.state = state;
}

void HeadlessDisplay::topLevelShaped(HWND window, const Region* shape) {
    auto it = windows_.find(window);
    if (it == windows_.end())
        return;
    it->second.shape = shape ? std::optional<Region>(*shape) : std::nullopt;
}

void HeadlessDisplay::stackingChanged(std::span<const HWND> topFirst) {
    stacking_.assign(topFirst.begin(), topFirst.end());
}

void HeadlessDisplay::surfaceUpdated(HWND window, const Surface& image, const Rect& dirty) {
    auto it = windows_.find(window);
    if (it == windows_.end())
        return;
    ++surfaceUpdates_;
    Surface& copy = it->second.image;
    if (copy.width() != image.width() || copy.height() != image.height()) {
        copy = image;
        return;
    }
    Rect r = intersect(dirty, image.bounds());
    for (int32_t y = r.Top; y < r.Bottom; ++y)
        std::copy(image.row(y) + r.Left, image.row(y) + r.Right, copy.row(y) + r.Left);
}

PumpResult HeadlessDisplay::pumpEvents(InputSink& sink, WaitFor wait, std::optional<uint32_t> deadline) {
    if (!pending_.empty()) {
        std::vector<InputEvent> events;
        events.swap(pending_);
        for (const InputEvent& e : events) sink.deliver(e);
        return PumpResult::Delivered;
    }
    switch (wait) {
        case WaitFor::Nothing:
            return PumpResult::Nothing;
        case WaitFor::UserInput:
            return PumpResult::NeverMore;
        case WaitFor::EventOrDeadline:
            if (!deadline)
                return PumpResult::NeverMore;
            // Waiting is time passing: the clock jumps to the deadline.
            if (int32_t(*deadline - now_) > 0)
                now_ = *deadline;
            return PumpResult::Nothing;
    }
    return PumpResult::Nothing;
}

uint32_t HeadlessDisplay::tickCount() {
    uint32_t t = now_;
    now_ += stepPerRead_;
    return t;
}

void HeadlessDisplay::warpPointer(Point screen) {
    pointer_ = screen;
}
void HeadlessDisplay::grabPointer(HWND topLevel) {
    grab_ = topLevel;
}
void HeadlessDisplay::grabKeyboard(HWND topLevel) {
    keyboardGrab_ = topLevel;
}
void HeadlessDisplay::setCursorShape(CursorShape shape) {
    cursorShape_ = shape;
}

void HeadlessDisplay::placeNativeWidget(NativeWidget* widget, HWND topLevel, const Rect& rect, bool shown) {
    widgets_[widget] = WidgetPlacement{topLevel, rect, shown};
}

void HeadlessDisplay::imeFocus(HWND window, bool enabled) {
    imeWindow_ = window;
    imeEnabled_ = enabled;
}

void HeadlessDisplay::imeCaret(const Rect& screen) {
    imeCaret_ = screen;
}
std::string HeadlessDisplay::clipboardText() {
    return clipboard_;
}
void HeadlessDisplay::setClipboardText(std::string_view text) {
    clipboard_ = std::string(text);
}

}  // namespace platform
