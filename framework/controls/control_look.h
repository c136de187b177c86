// The plain platform look the standard controls draw themselves in: sunken and raised edges, the
// drop and spin arrows, the check mark, the dotted focus rectangle. One function per element, so
// that every control draws the same element the same way.
#pragma once

#include "framework/graphics/canvas.h"
#include "platform/geometry.h"

namespace framework {

using platform::Rect;

enum class ArrowDirection { Up, Down, Left, Right };

// A two-pixel sunken edge (edits, lists, check boxes); returns the rectangle inside it.
Rect DrawSunkenEdge(TCanvas& canvas, const Rect& rect);
// A two-pixel raised edge (buttons), or pressed (a one-pixel shadow) when `pressed`; returns the
// rectangle inside it.
Rect DrawButtonEdge(TCanvas& canvas, const Rect& rect, bool pressed);
// A one-pixel frame.
void DrawFrame(TCanvas& canvas, const Rect& rect, TColor color);
// A small filled triangle centred in `rect`.
void DrawArrow(TCanvas& canvas, const Rect& rect, ArrowDirection direction, TColor color);
// A check mark, 7 pixels wide, centred in `rect`.
void DrawCheckMark(TCanvas& canvas, const Rect& rect, TColor color);
// A rectangle of every other pixel (the keyboard focus mark).
void DrawFocusRect(TCanvas& canvas, const Rect& rect, TColor color);
// A push button face: edge, face colour, and a frame around it for the default button.
Rect DrawButtonFace(TCanvas& canvas, const Rect& rect, bool pressed, bool isDefault);

}  // namespace framework
