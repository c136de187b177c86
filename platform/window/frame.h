// The platform's own frame, for windows that leave their non-client area to DefWindowProc: a border
// and, with WS_CAPTION, a caption bar with the window's icon, its title and the close, maximise and
// minimise buttons the style asks for. One geometry serves WM_NCCALCSIZE, WM_NCHITTEST and
// WM_NCPAINT, so that what is drawn and what is hit never disagree.
//
//   +--------------------------------------------------------+  border: SM_CXFRAME with WS_THICKFRAME,
//   | [ic] Title text                        [_][O]  [X]      |  SM_CXDLGFRAME with a caption or dialog
//   |--------------------------------------------------------|  frame, 1 with WS_BORDER alone
//   |                                                        |  caption: SM_CYCAPTION high
//   |                      client area                       |  (SM_CYSMCAPTION for tool windows,
//   |                                                        |   which have a close button only)
//   +--------------------------------------------------------+
#pragma once

#include "platform/geometry.h"
#include "platform/window/types.h"

namespace platform {

struct FrameLayout {
    int32_t border = 0;  // width of the border on every side
    Rect caption;        // the caption bar, buttons included; empty without a caption
    Rect icon;           // the system-menu icon; empty when absent
    Rect minButton;      // empty when absent
    Rect maxButton;
    Rect closeButton;
    Rect title;   // where the title text goes
    Rect client;  // the client area
};

// All rectangles in window coordinates for a window of `size` (never larger than the window).
FrameLayout ComputeFrameLayout(DWORD style, DWORD exStyle, Size size);

// WM_NCHITTEST of the platform frame for a point in window coordinates.
int FrameHitTest(DWORD style, DWORD exStyle, Size size, Point point);

}  // namespace platform
