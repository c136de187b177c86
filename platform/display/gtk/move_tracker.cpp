#include "platform/display/gtk/move_tracker.h"

#include <algorithm>

namespace platform::gtk {

void MoveTracker::asked(Point topLeft) {
    if (inFlight_.size() == kMaxInFlight)
        inFlight_.pop_front();
    inFlight_.push_back(topLeft);
}

bool MoveTracker::reportedIsForeign(Point topLeft) {
    auto echo = std::find(inFlight_.begin(), inFlight_.end(), topLeft);
    if (echo != inFlight_.end()) {
        // Reports come in the order the moves were made: earlier ones were passed over.
        inFlight_.erase(inFlight_.begin(), echo + 1);
        settled_ = topLeft;
        known_ = true;
        return false;
    }
    // The place it already had (a resize or a restack reported before the move that follows).
    if (known_ && topLeft == settled_)
        return false;
    inFlight_.clear();
    settled_ = topLeft;
    known_ = true;
    return true;
}

}  // namespace platform::gtk
