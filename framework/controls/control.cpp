#include "framework/controls/control.h"

#include "framework/controls/win_control.h"
#include "framework/forms/form.h"
#include "framework/graphics/canvas.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/painting.h"
#include "platform/window/window_pos.h"

namespace framework {

using namespace platform;

TShiftState KeyboardShiftState() {
    TShiftState shift;
    shift.set(TShiftFlag::ssShift, GetKeyState(VK_SHIFT) < 0);
    shift.set(TShiftFlag::ssCtrl, GetKeyState(VK_CONTROL) < 0);
    shift.set(TShiftFlag::ssAlt, GetKeyState(VK_MENU) < 0);
    return shift;
}

TShiftState MouseShiftState(WPARAM keys) {
    TShiftState shift;
    shift.set(TShiftFlag::ssShift, (keys & MK_SHIFT) != 0);
    shift.set(TShiftFlag::ssCtrl, (keys & MK_CONTROL) != 0);
    shift.set(TShiftFlag::ssAlt, GetKeyState(VK_MENU) < 0);
    shift.set(TShiftFlag::ssLeft, (keys & MK_LBUTTON) != 0);
    shift.set(TShiftFlag::ssRight, (keys & MK_RBUTTON) != 0);
    shift.set(TShiftFlag::ssMiddle, (keys & MK_MBUTTON) != 0);
    return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    font_->OnChange = [this](TObject*) { FontObjectChanged(); };
    windowProc_ = [this](TMessage& message) { WndProc(message); };
}

TControl::~TControl() {
    ForgetMouseControl(this);
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    StoreBounds(rectOfSize(left, top, width, height));
    Invalidate();
    RequestAlign();
}

void TControl::StoreBounds(const Rect& rect) {
    left_ = rect.Left;
    top_ = rect.Top;
    width_ = rect.width();
    height_ = rect.height();
}

Point TControl::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    Point origin = parent_->ClientOrigin();
    return {origin.X + left_, origin.Y + top_};
}

Point TControl::ClientToScreen(Point client) const {
    Point origin = ClientOrigin();
    return {client.X + origin.X, client.Y + origin.Y};
}

Point TControl::ScreenToClient(Point screen) const {
    Point origin = ClientOrigin();
    return {screen.X - origin.X, screen.Y - origin.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_) parent_->Realign();
}

void TControl::SetClientSize(int32_t width, int32_t height) {
    Rect client = ClientRect();
    SetBounds(left_, top_, width_ - client.width() + width, height_ - client.height() + height);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    // Painted away before it goes, painted on after it came.
    if (!visible) Invalidate();
    visible_ = visible;
    if (visible) Invalidate();
    Perform(CM_VISIBLECHANGED, visible);
    RequestAlign();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == parentFont_) return;
    parentFont_ = parentFont;
    if (parentFont && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontObjectChanged() {
    // A font set on the control itself ends the following of the parent's.
    if (!adoptingParentFont_) parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::FontChanged() { Invalidate(); }

void TControl::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_) return;
    parentColor_ = parentColor;
    if (parentColor && parent_) Perform(CM_PARENTCOLORCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    if (windowProc_) windowProc_(message);
    return message.Result;
}

void TControl::SetWindowProc(TWndMethod proc) {
    // An empty procedure would swallow every message; it means "back to the control's own".
    windowProc_ = proc ? std::move(proc) : TWndMethod([this](TMessage& message) { WndProc(message); });
}

void TControl::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    Rect bounds = BoundsRect();
    InvalidateRect(parent_->Handle(), &bounds, true);
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

TForm* TControl::ParentForm() const {
    const TControl* top = this;
    while (top->parent_) top = top->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

void TControl::WndProc(TMessage& message) { Dispatch(message); }

void TControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN: MouseButtonDown(message, TMouseButton::mbLeft); return;
        case WM_RBUTTONDOWN: MouseButtonDown(message, TMouseButton::mbRight); return;
        case WM_MBUTTONDOWN: MouseButtonDown(message, TMouseButton::mbMiddle); return;
        case WM_LBUTTONDBLCLK:
            if (controlStyle_.contains(TControlStyleFlag::csDoubleClicks)) {
                DefaultHandler(message);
                DblClick();
                return;
            }
            MouseButtonDown(message, TMouseButton::mbLeft);
            return;
        case WM_RBUTTONDBLCLK: MouseButtonDown(message, TMouseButton::mbRight); return;
        case WM_MBUTTONDBLCLK: MouseButtonDown(message, TMouseButton::mbMiddle); return;
        case WM_LBUTTONUP: MouseButtonUp(message, TMouseButton::mbLeft); return;
        case WM_RBUTTONUP: MouseButtonUp(message, TMouseButton::mbRight); return;
        case WM_MBUTTONUP: MouseButtonUp(message, TMouseButton::mbMiddle); return;
        case WM_MOUSEMOVE: {
            DefaultHandler(message);
            Point p = PointFromLParam(message.LParam);
            MouseMove(MouseShiftState(message.WParam), p.X, p.Y);
            return;
        }
        case CM_PARENTFONTCHANGED:
            if (parentFont_ && parent_) {
                adoptingParentFont_ = true;
                font_->Assign(parent_->Font());
                adoptingParentFont_ = false;
            }
            return;
        case CM_PARENTCOLORCHANGED:
            if (parentColor_ && parent_ && color_ != parent_->Color()) {
                color_ = parent_->Color();
                Perform(CM_COLORCHANGED);
            }
            return;
        case CM_FONTCHANGED: FontChanged(); return;
        case CM_COLORCHANGED: Invalidate(); return;
        default: DefaultHandler(message);
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::MouseButtonDown(TMessage& message, TMouseButton button) {
    // The class's own handling first: a tab strip selects the pressed tab (and raises its change
    // event) before the control's press handling sees the press.
    DefaultHandler(message);
    if (controlStyle_.contains(TControlStyleFlag::csCaptureMouse)) SetMouseCapture(this, true);
    if (button == TMouseButton::mbLeft && controlStyle_.contains(TControlStyleFlag::csClickEvents))
        controlState_.insert(TControlStateFlag::csClicked);
    Point p = PointFromLParam(message.LParam);
    TShiftState shift = MouseShiftState(message.WParam);
    if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK)
        shift.insert(TShiftFlag::ssDouble);
    MouseDown(button, shift, p.X, p.Y);
}

void TControl::MouseButtonUp(TMessage& message, TMouseButton button) {
    DefaultHandler(message);
    if (controlStyle_.contains(TControlStyleFlag::csCaptureMouse)) SetMouseCapture(this, false);
    Point p = PointFromLParam(message.LParam);
    if (button == TMouseButton::mbLeft && controlState_.contains(TControlStateFlag::csClicked)) {
        controlState_.erase(TControlStateFlag::csClicked);
        if (ClientRect().contains(p)) Click();
    }
    MouseUp(button, MouseShiftState(message.WParam), p.X, p.Y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

// --- TGraphicControl ------------------------------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& message) {
    if (message.Msg == WM_PAINT && message.WParam) {
        // The parent paints its graphic children through this message, with its DC moved to the
        // child's origin and clipped to the child.
        canvas_->SetHandle(reinterpret_cast<HDC>(message.WParam));
        canvas_->Font().Assign(Font());
        SetControlState(TControlStateFlag::csPainting, true);
        try {
            Paint();
        } catch (...) {
            SetControlState(TControlStateFlag::csPainting, false);
            canvas_->SetHandle(nullptr);
            throw;
        }
        SetControlState(TControlStateFlag::csPainting, false);
        canvas_->SetHandle(nullptr);
        return;
    }
    TControl::Dispatch(message);
}

}  // namespace framework
