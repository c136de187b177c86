// The two buttons of an up-down and how they follow the pointer: where they lie, and the tracking
// state a press, a move, the repeat timer and a release move through. Pure; the control
// (skin_updown.h) turns what these functions report into repaints, timers and steps.
//
//   horizontal (the tab strip's scroller)     vertical
//   +---------------+---------------+         +-----------+
//   | 1: decreasing | 0: increasing |         | 0: up     |
//   +---------------+---------------+         +-----------+
//                                             | 1: down   |
//                                             +-----------+
#pragma once

#include <array>
#include <cstdint>

#include "platform/geometry.h"

namespace skin {

enum class TUDOrientation { udHorizontal, udVertical };

struct UpDownButton {
    platform::Rect rect;  // control coordinates
    bool hot = false;     // the pointer is over it
    bool pressed = false;
};

// The built-in places: halves of the control; a horizontal control has its decreasing button on
// the left. Button 0 first.
std::array<platform::Rect, 2> BuiltInButtonPlaces(TUDOrientation orientation, platform::Size size);

// Which way a held button steps the position.
enum class RepeatDirection { None = 0, Decreasing = 1, Increasing = 2 };

// What the control must do after a tracking step.
struct TrackingEffects {
    bool repaint = false;
    bool stopTimer = false;
    uint32_t startTimer = 0;  // milliseconds, 0: none
    int step = 0;             // +1 increasing, -1 decreasing (times the increment)
    int click = -1;           // the button whose click event to raise
};

// The pointer tracking of the two buttons (steps 1 to 3 of a move, press, release and the repeat
// timer). `stepping` is whether the increment is not 0.
class UpDownTracking {
  public:
    std::array<UpDownButton, 2> buttons;
    int active = -1;    // under the pointer
    int previous = -1;  // active before the last move
    int captured = -1;  // pressed and not yet released
    RepeatDirection direction = RepeatDirection::None;
    bool firstDelay = false;

    TrackingEffects Move(platform::Point p, bool stepping);
    TrackingEffects Press(platform::Point p, bool stepping);
    TrackingEffects Release(bool stepping);
    TrackingEffects Tick();
    // Entering or leaving the control; leaving clears every hot flag (a held button stops
    // repeating until the pointer comes back onto it).
    TrackingEffects EnterOrLeave(bool leaving, bool stepping);

    bool IsPressed(int i) const { return buttons[size_t(i)].pressed && buttons[size_t(i)].hot; }
    bool IsHot(int i) const { return buttons[size_t(i)].hot; }

    static constexpr uint32_t kFirstDelay = 500;
    static constexpr uint32_t kRepeat = 100;
    static constexpr uint32_t kReentered = 50;
};

}  // namespace skin
