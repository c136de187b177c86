// Telling the window manager's own moves of a window from the echoes of the moves the display
// asked for. The desktop reports every position a window takes, late: while the window system
// drags a window it may have asked for several positions before the first report comes back, and
// those reports must not move the window back. A reported position that is one of those asked for
// (and not yet reported) is an echo; anything else is the window manager's doing.
#pragma once

#include <cstddef>
#include <deque>

#include "platform/geometry.h"

namespace platform::gtk {

class MoveTracker {
  public:
    // The display asked the desktop to put the window at `topLeft`.
    void asked(Point topLeft);
    // The desktop reports the window at `topLeft`; true when that is none of the display's doing.
    bool reportedIsForeign(Point topLeft);

  private:
    static constexpr size_t kMaxInFlight = 64;
    std::deque<Point> inFlight_;
    Point settled_;
    bool known_ = false;
};

}  // namespace platform::gtk
