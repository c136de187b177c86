#include "skin/controls/updown_buttons.h"

namespace skin {

using platform::Point;
using platform::Rect;

std::array<Rect, 2> BuiltInButtonPlaces(TUDOrientation orientation, platform::Size size) {
    if (orientation == TUDOrientation::udVertical)
        return {Rect{0, 0, size.cx, size.cy / 2}, Rect{0, size.cy / 2, size.cx, size.cy}};
    return {Rect{size.cx / 2, 0, size.cx, size.cy}, Rect{0, 0, size.cx / 2, size.cy}};
}

TrackingEffects UpDownTracking::Move(Point p, bool stepping) {
    TrackingEffects e;
    previous = active;
    active = -1;
    for (int i = 0; i < 2 && active == -1; ++i)
        if (buttons[size_t(i)].rect.contains(p))
            active = i;
    // A captured button keeps the pointer from lighting up the other one.
    if (captured != -1 && active != -1 && active != captured)
        active = -1;
    if (active == previous)
        return e;
    if (previous != -1) {
        UpDownButton& left = buttons[size_t(previous)];
        left.hot = false;
        e.repaint = true;
        if (stepping && left.pressed)
            e.stopTimer = true;
    }
    if (active != -1) {
        buttons[size_t(1 - active)].hot = false;
        UpDownButton& entered = buttons[size_t(active)];
        entered.hot = true;
        e.repaint = true;
        if (stepping && entered.pressed) {
            e.stopTimer = false;
            e.startTimer = kReentered;
        }
    }
    return e;
}

TrackingEffects UpDownTracking::Press(Point p, bool stepping) {
    TrackingEffects e = Move(p, stepping);
    buttons[size_t(active == 0 ? 1 : 0)].hot = false;
    if (active == -1)
        return e;
    captured = active;
    buttons[size_t(active)].hot = true;
    buttons[size_t(active)].pressed = true;
    e.repaint = true;
    if (stepping) {
        direction = active == 0 ? RepeatDirection::Increasing : RepeatDirection::Decreasing;
        firstDelay = true;
        e.stopTimer = false;
        e.startTimer = kFirstDelay;
    }
    return e;
}

TrackingEffects UpDownTracking::Release(bool stepping) {
    TrackingEffects e;
    if (captured == -1)
        return e;
    if (stepping) {
        e.stopTimer = true;
        direction = RepeatDirection::None;
    }
    UpDownButton& button = buttons[size_t(captured)];
    button.pressed = false;
    if (captured != active)
        button.hot = false;
    e.repaint = true;
    if (button.hot) {
        e.click = captured;
        if (stepping)
            e.step = captured == 0 ? 1 : -1;
    }
    captured = -1;
    return e;
}

TrackingEffects UpDownTracking::Tick() {
    TrackingEffects e;
    if (firstDelay) {
        firstDelay = false;
        e.startTimer = kRepeat;
        return e;
    }
    if (direction == RepeatDirection::Increasing)
        e.step = 1;
    else if (direction == RepeatDirection::Decreasing)
        e.step = -1;
    return e;
}

TrackingEffects UpDownTracking::EnterOrLeave(bool leaving, bool stepping) {
    TrackingEffects e;
    active = previous = -1;
    if (!leaving)
        return e;
    for (UpDownButton& b : buttons) {
        if (b.hot)
            e.repaint = true;
        // A held button the pointer has left no longer repeats.
        if (b.hot && b.pressed && stepping)
            e.stopTimer = true;
        b.hot = false;
    }
    return e;
}

}  // namespace skin
