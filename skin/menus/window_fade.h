// Constant alpha for menus and hints: whether this desktop shows it, and the short fade-in that
// holds the thread while a popup or hint appears.
#pragma once

#include <cstdint>
#include <functional>

namespace skin {

// Layered windows exist and the display blends them with what lies below (a compositing manager
// runs). Otherwise menus and hints are plain opaque windows.
bool AlphaWindowsShown();

// Raises an alpha from 0 to `value` by value div 15 (at least 1), one step whenever more than
// `gapMs` milliseconds passed on the display's clock, calling `apply` with each; the thread is held
// meanwhile (about 15 steps). A clock that stands still (one only tests move) cannot hold it for
// long: a step waits at most about 20 milliseconds of real time.
void FadeIn(uint8_t value, uint32_t gapMs, const std::function<void(uint8_t alpha)>& apply);

}  // namespace skin
