// Painting what a control's parent shows behind it, so that a control without a face of its own
// (transparent labels, the skinned tab strip's row) blends into whatever lies below it.
//
// Windows are asked with messages (WM_ERASEBKGND, then WM_PAINT with the canvas in wParam for a
// parent that is not a top-level window). What messages cannot express, a parent tells through
// hooks: the skinned tab control paints its own background, a multi-document frame erases its
// client window, and the framework's windowless controls paint themselves and are flagged while
// they paint a copy.
#pragma once

#include <functional>
#include <vector>

#include "platform/geometry.h"
#include "platform/gfx/gdi_object.h"
#include "platform/window/types.h"

namespace skin {

// A windowless child of a parent (a graphic control of the framework).
struct WindowlessChild {
    platform::Rect bounds;  // in the parent's client coordinates
    bool visible = true;
    std::function<void(platform::HDC)> paint;   // paints itself at its (0, 0)
    std::function<void(bool)> setPaintingCopy;  // may be empty
};

struct ParentBackgroundHooks {
    // Paints the parent's background in place of WM_ERASEBKGND (and WM_PAINT).
    std::function<void(platform::HDC)> paintBackground;
    // The visible and hidden windowless children that come before `control` in the parent's child
    // order, first child first.
    std::function<std::vector<WindowlessChild>(platform::HWND control)> windowlessChildrenBefore;
    std::function<void(bool)> setPaintingCopy;
};

// Installs (or replaces) the hooks of a parent window; RemoveParentBackgroundHooks forgets them.
void SetParentBackgroundHooks(platform::HWND parent, ParentBackgroundHooks hooks);
void RemoveParentBackgroundHooks(platform::HWND parent);

// Paints into `canvas` (the control's own coordinates) what the parent shows behind `control`: the
// parent's background, then every visible windowless child before the control that overlaps it.
// Nothing for a control without a parent. The canvas state is restored afterwards.
void PaintParentBackground(platform::HWND control, platform::HDC canvas);
// The same for the part `part` of the control (control coordinates): the canvas receives only the
// background behind that part, at its own (0, 0).
void PaintParentBackgroundPart(platform::HWND control, const platform::Rect& part, platform::HDC canvas);

}  // namespace skin
