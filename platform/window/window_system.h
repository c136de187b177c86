// Connecting the display the window system shows its windows on (display/display.h).
#pragma once

namespace platform {

class Display;

// Makes `display` the window system's display. Throws std::logic_error when another one is
// connected. Displays call this themselves when they are made.
void ConnectDisplay(Display& display);
// Ends the session: every remaining window is dropped without messages (as when a process ends),
// and the queue, timers, focus, capture and filter are cleared. Classes stay registered. Handles of
// the dropped windows are refused from then on.
void DisconnectDisplay(Display& display);
bool IsDisplayConnected();

}  // namespace platform
