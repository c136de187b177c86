#include "framework/controls/button.h"

#include "framework/controls/control_look.h"
#include "framework/graphics/canvas.h"
#include "platform/window/keys.h"

namespace framework {

using namespace platform;

namespace {

// Text in the enabled or the disabled (embossed) look.
void DrawCaption(TCanvas& canvas, const std::string& caption, Rect rect, uint32_t format, bool enabled) {
    if (!enabled) {
        canvas.Font().SetColor(SystemColor(COLOR_BTNHIGHLIGHT));
        Rect shadow = rect.offsetBy(1, 1);
        canvas.DrawText(caption, shadow, format);
        canvas.Font().SetColor(SystemColor(COLOR_GRAYTEXT));
    }
    canvas.DrawText(caption, rect, format);
}

}  // namespace

// --- TButton ---------------------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    TForm* form = ParentForm();
    UpdateActive(form ? form->ActiveControl() : nullptr);
}

void TButton::UpdateActive(TWinControl* focused) {
    const bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
    if (active == active_) return;
    active_ = active;
    Invalidate();
}

void TButton::Click() {
    if (TForm* form = ParentForm(); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TButton::SetPressed(bool pressed) {
    if (pressed == pressed_) return;
    pressed_ = pressed;
    Invalidate();
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (CanFocus()) SetFocus();
        mouseDown_ = true;
        SetPressed(true);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
    if (mouseDown_) SetPressed(ClientRect().contains({x, y}));
    TCustomControl::MouseMove(shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        mouseDown_ = false;
        SetPressed(false);
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE) {
        spaceDown_ = true;
        SetPressed(true);
        key = 0;
    }
}

void TButton::KeyUp(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        SetPressed(false);
        key = 0;
        Click();
    }
}

void TButton::Dispatch(TMessage& message) {
    switch (message.Msg) {
        case CM_DIALOGKEY: {
            const int key = int(message.WParam);
            const bool plain = KeyDataToShiftState(message.LParam).empty();
            if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && plain && CanFocus()) {
                Click();
                message.Result = 1;
                return;
            }
            break;
        }
        case CM_FOCUSCHANGED: UpdateActive(reinterpret_cast<TWinControl*>(message.LParam)); return;
        case WM_KILLFOCUS:
            spaceDown_ = false;
            SetPressed(false);
            break;
        case CM_ENABLEDCHANGED:
        case CM_TEXTCHANGED: Invalidate(); break;
        default: break;
    }
    TCustomControl::Dispatch(message);
}

void TButton::Paint() {
    Rect r = ClientRect();
    Rect inner = DrawButtonFace(Canvas(), r, pressed_, active_ && Enabled());
    Rect text = pressed_ ? inner.offsetBy(1, 1) : inner;
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    DrawCaption(Canvas(), Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
    if (Focused()) DrawFocusRect(Canvas(), {inner.Left + 2, inner.Top + 2, inner.Right - 2, inner.Bottom - 2}, clBlack);
}

// --- TCheckBox -------------------------------------------------------------------------------

namespace {
constexpr int kCheckBoxSize = 13;
}

TCheckBox::TCheckBox(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetState(TCheckBoxState state) {
    if (state == state_) return;
    state_ = state;
    Invalidate();
    TCustomControl::Click();
}

void TCheckBox::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TCheckBox::Toggle() {
    switch (state_) {
        case TCheckBoxState::cbUnchecked:
            SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
            break;
        case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
        case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
    }
}

void TCheckBox::Click() { Toggle(); }

void TCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && CanFocus()) SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCheckBox::KeyDown(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_SPACE) {
        spaceDown_ = true;
        key = 0;
    }
}

void TCheckBox::KeyUp(uint16_t& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        key = 0;
        Toggle();
    }
}

void TCheckBox::Dispatch(TMessage& message) {
    if (message.Msg == WM_SETFOCUS || message.Msg == WM_KILLFOCUS || message.Msg == CM_TEXTCHANGED ||
        message.Msg == CM_ENABLEDCHANGED)
        Invalidate();
    TCustomControl::Dispatch(message);
}

void TCheckBox::Paint() {
    Rect r = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
    const bool boxLeft = alignment_ == TAlignment::taRightJustify;
    const int boxTop = (r.height() - kCheckBoxSize) / 2;
    const int boxLeftEdge = boxLeft ? 0 : r.Right - kCheckBoxSize;
    Rect box = rectOfSize(boxLeftEdge, boxTop, kCheckBoxSize, kCheckBoxSize);
    Rect inside = DrawSunkenEdge(Canvas(), box);
    Canvas().Brush().SetColor(Enabled() && state_ != TCheckBoxState::cbGrayed ? SystemColor(COLOR_WINDOW)
                                                                              : SystemColor(COLOR_BTNFACE));
    Canvas().FillRect(inside);
    if (state_ != TCheckBoxState::cbUnchecked)
        DrawCheckMark(Canvas(), inside, Enabled() && state_ == TCheckBoxState::cbChecked ? clBlack
                                                                                       : SystemColor(COLOR_GRAYTEXT));
    Rect text = boxLeft ? Rect{box.Right + 4, r.Top, r.Right, r.Bottom} : Rect{r.Left, r.Top, box.Left - 4, r.Bottom};
    Rect measured{0, 0, text.width(), 0};
    Canvas().DrawText(Caption(), measured, DT_SINGLELINE | DT_CALCRECT);
    Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    DrawCaption(Canvas(), Caption(), text, DT_SINGLELINE | DT_VCENTER | (boxLeft ? DT_LEFT : DT_RIGHT), Enabled());
    if (Focused() && !Caption().empty()) {
        const int32_t top = text.Top + (text.height() - measured.height()) / 2;
        const int32_t left = boxLeft ? text.Left : text.Right - measured.width();
        DrawFocusRect(Canvas(), {left - 1, top, std::min(left + measured.width() + 1, r.Right), top + measured.height()},
                      clBlack);
    }
}

}  // namespace framework
