// The pointer on the layered border's windows in the fullborder mode, where they carry the frame:
// hover over the frame objects on the top strip (the frame's own rules, with the border's own hot,
// previous-hot and pressed indices, and a 500 ms timer that ends the hover once the cursor has
// left), presses, releases and double-clicks handed to the objects, the caption's double-click and
// right-button release, and moving and sizing the form from the caption and the outer bands.
#include "platform/window/focus.h"
#include "platform/window/input.h"
#include "platform/window/message_loop.h"
#include "platform/window/messages.h"
#include "platform/window/timers.h"
#include "platform/window/window.h"
#include "platform/window/window_pos.h"
#include "skin/frame/layer_border.h"
#include "skin/frame/skin_form.h"

namespace skin {

using namespace platform;
using framework::TMouseButton;

namespace {

TbsActiveSkinObject* ObjectOf(const TbsSkinForm& frame, int32_t index) {
    const auto& objects = frame.FrameObjects();
    return index >= 0 && size_t(index) < objects.size() ? objects[size_t(index)].get() : nullptr;
}

bool IsCaption(const TbsActiveSkinObject* o) {
    return o && o->Kind() == FrameObjectKind::Caption;
}

// A window whose pixels are fully transparent at the point hands it to what lies below.
bool ShowsPixel(const Picture& strip, Point p) {
    return p.X >= 0 && p.Y >= 0 && p.X < strip.width() && p.Y < strip.height() &&
           (strip.pixel(p.X, p.Y) >> 24) != 0;
}

}  // namespace

Point TbsFormLayerBorder::ToOuter(const TbsFormLayerWindow& window, Point local) const {
    Rect r;
    GetWindowRect(window.Handle(), &r);
    return {r.Left - outer_.Left + local.X, r.Top - outer_.Top + local.Y};
}

bool TbsFormLayerBorder::Sizable() const {
    return frame_.IsResizable() && frame_.FormState() == TbsFormState::Normal && !frame_.RolledUp();
}

int TbsFormLayerBorder::FramePartAt(const TbsFormLayerWindow& window, Point local) const {
    return DrawsFrame() ? HitTestLayerFrame(*layout_, OuterSize(), ToOuter(window, local), Sizable())
                        : HTNOWHERE;
}

LRESULT TbsFormLayerBorder::HitTest(const TbsFormLayerWindow& window, Point local) const {
    if (DrawsFrame()) {
        const Point p = ToOuter(window, local);
        const bool object = window.Side() == LayerSide::Top && frame_.ObjectAt(p) != -1;
        if (object || HitTestLayerFrame(*layout_, OuterSize(), p, Sizable()) != HTNOWHERE)
            return HTCLIENT;
    }
    return ShowsPixel(Strip(window.Side()), local) ? HTCLIENT : HTTRANSPARENT;
}

// --- Hover ------------------------------------------------------------------------------------------

void TbsFormLayerBorder::TrackHot(Point p, bool track) {
    if (!frame_.HoverAllowed())
        return;
    previousHot_ = hot_;
    int32_t candidate = track ? frame_.ObjectAt(p) : -1;
    // While a button holds the mouse only that button can be hot.
    if (pressed_ != -1 && candidate != -1 && candidate != pressed_)
        candidate = -1;
    hot_ = candidate;
    if (hot_ != previousHot_)
        frame_.MoveHover(previousHot_, hot_);
}

void TbsFormLayerBorder::EndHover() {
    StopHoverTimer();
    const int32_t was = hot_;
    hot_ = previousHot_ = -1;
    if (was != -1)
        frame_.MoveHover(was, -1);
}

void TbsFormLayerBorder::StartHoverTimer() {
    HWND top = Window(LayerSide::Top);
    if (!hoverTimer_ && top)
        hoverTimer_ = SetTimer(top, kHoverTimer, kHoverInterval) != 0;
}

void TbsFormLayerBorder::StopHoverTimer() {
    if (!std::exchange(hoverTimer_, false))
        return;
    if (HWND top = Window(LayerSide::Top))
        KillTimer(top, kHoverTimer);
}

void TbsFormLayerBorder::HoverTick() {
    // A held button follows the pointer until its release.
    if (pressed_ != -1)
        return;
    Point cursor;
    GetCursorPos(&cursor);
    HWND top = Window(LayerSide::Top);
    if (!top || WindowFromPoint(cursor) != top)
        EndHover();
}

void TbsFormLayerBorder::PointerMoved(const TbsFormLayerWindow& window, Point local) {
    if (!DrawsFrame())
        return;
    const Point p = ToOuter(window, local);
    const std::weak_ptr<bool> alive = frame_.AliveToken();
    TrackHot(p, true);
    if (alive.expired())
        return;
    if (TbsActiveSkinObject* o = ObjectOf(frame_, pressed_ != -1 ? pressed_ : hot_))
        o->MouseMove(p.X, p.Y);
    if (!alive.expired() && hot_ != -1)
        StartHoverTimer();
}

// --- Presses and releases -----------------------------------------------------------------------------

void TbsFormLayerBorder::ActivateForm() {
    // The border's windows are never activated: a press on them is a press on the form.
    HWND form = FormWindow();
    if (form && GetActiveWindow() != form)
        SetActiveWindow(form);
}

void TbsFormLayerBorder::DragForm(WPARAM command) {
    HWND form = FormWindow();
    if (!form)
        return;
    Point cursor;
    GetCursorPos(&cursor);
    EndHover();
    const std::weak_ptr<bool> alive = frame_.AliveToken();
    dragging_ = true;
    frame_.SetLayerBorderDragging(true);
    SendMessage(form, WM_SYSCOMMAND, command, MAKELPARAM(cursor.X, cursor.Y));
    if (alive.expired())
        return;
    dragging_ = false;
    frame_.SetLayerBorderDragging(false);
}

void TbsFormLayerBorder::PointerPressed(const TbsFormLayerWindow& window, Point local, TMouseButton button) {
    if (!DrawsFrame())
        return;
    const Point p = ToOuter(window, local);
    const std::weak_ptr<bool> alive = frame_.AliveToken();
    ActivateForm();
    if (alive.expired() || !DrawsFrame())
        return;
    TrackHot(p, true);
    if (alive.expired())
        return;
    TbsActiveSkinObject* o = ObjectOf(frame_, hot_);
    if (o && !IsCaption(o)) {
        pressed_ = hot_;
        SetCapture(window.Handle());
        o->MouseDown(p.X, p.Y, button);
        return;
    }
    if (o) {
        o->MouseDown(p.X, p.Y, button);  // the caption takes no capture
        if (alive.expired())
            return;
    }
    if (button != TMouseButton::mbLeft)
        return;
    const int part = HitTestLayerFrame(*layout_, OuterSize(), p, Sizable());
    if (part == HTCAPTION)
        DragForm(SC_MOVE + HTCAPTION);
    else if (IsSizingHitCode(part))
        DragForm(SC_SIZE + SizingEdgeOfHitCode(part));
}

void TbsFormLayerBorder::PointerReleased(const TbsFormLayerWindow& window, Point local, TMouseButton button) {
    if (!DrawsFrame())
        return;
    const Point p = ToOuter(window, local);
    const std::weak_ptr<bool> alive = frame_.AliveToken();
    if (pressed_ != -1) {
        TbsActiveSkinObject* o = ObjectOf(frame_, pressed_);
        if (GetCapture() == window.Handle())
            ReleaseCapture();
        if (o)
            o->MouseUp(p.X, p.Y, button);
        if (!alive.expired())
            pressed_ = -1;
        return;
    }
    TbsActiveSkinObject* hot = ObjectOf(frame_, hot_);
    if (hot && !IsCaption(hot))
        return;
    if (hot) {
        hot->MouseUp(p.X, p.Y, button);
        if (alive.expired())
            return;
    }
    if (button == TMouseButton::mbRight && !frame_.DisableSystemMenu() &&
        HitTestLayerFrame(*layout_, OuterSize(), p, false) == HTCAPTION) {
        Point cursor;
        GetCursorPos(&cursor);
        frame_.ShowSystemMenu(cursor);
    }
}

void TbsFormLayerBorder::PointerDoubleClicked(const TbsFormLayerWindow& window, Point local) {
    if (!DrawsFrame())
        return;
    const Point p = ToOuter(window, local);
    const std::weak_ptr<bool> alive = frame_.AliveToken();
    TrackHot(p, true);
    if (alive.expired())
        return;
    TbsActiveSkinObject* o = ObjectOf(frame_, hot_);
    if (o && !IsCaption(o)) {
        // The second press of a double-click: the button goes down again, and is told.
        pressed_ = hot_;
        SetCapture(window.Handle());
        o->MouseDown(p.X, p.Y, TMouseButton::mbLeft);
        if (!alive.expired() && ObjectOf(frame_, pressed_) == o)
            o->DoubleClick();
        return;
    }
    if (HitTestLayerFrame(*layout_, OuterSize(), p, false) == HTCAPTION)
        frame_.CaptionDoubleClick();
}

}  // namespace skin
