#include "skin/menus/window_fade.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/window/timers.h"
#include "skin/render/layered_windows.h"
#include "skin/render/platform_calls.h"

namespace skin {

bool AlphaWindowsShown() {
    return LayeringSupported() && IsCompositionEnabled();
}

void FadeIn(uint8_t value, uint32_t gapMs, const std::function<void(uint8_t)>& apply) {
    constexpr int kMaxWaitsPerStep = 20;
    const int step = std::max(value / 15, 1);
    int alpha = 0;
    uint32_t last = platform::GetTickCount();
    int waits = 0;
    while (alpha < value) {
        const uint32_t now = platform::GetTickCount();
        if (now - last > gapMs || waits >= kMaxWaitsPerStep) {
            alpha = std::min<int>(alpha + step, value);
            apply(uint8_t(alpha));
            last = now;
            waits = 0;
            continue;
        }
        ++waits;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace skin
