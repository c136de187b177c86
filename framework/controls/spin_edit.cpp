#include "framework/controls/spin_edit.h"

#include "framework/controls/control_look.h"
#include "framework/core/spin_value.h"
#include "framework/graphics/canvas.h"
#include "platform/window/keys.h"
#include "platform/window/timers.h"

namespace framework {

using namespace platform;

namespace {
constexpr int32_t kButtonWidth = 15;
constexpr UINT_PTR kRepeatTimer = 1;
// Held arrows repeat: a first pause, then faster.
constexpr UINT kFirstRepeat = 400;
constexpr UINT kNextRepeat = 100;
}  // namespace

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner) {
    SetText("0");
    SetBounds(0, 0, 121, 22);
}

int32_t TSpinEdit::Value() const { return SpinEditTextValue(Text(), minValue_); }

int32_t TSpinEdit::CheckValue(int32_t value) const {
    if (maxValue_ == minValue_) return value;
    return std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void TSpinEdit::SetValue(int32_t value) { SetText(std::to_string(CheckValue(value))); }

void TSpinEdit::UpClick() {
    if (ReadOnly()) return;
    // Wide arithmetic: stepping past the 32-bit range holds at its end.
    SetValue(int32_t(std::clamp<int64_t>(int64_t(Value()) + increment_, INT32_MIN, INT32_MAX)));
}

void TSpinEdit::DownClick() {
    if (ReadOnly()) return;
    SetValue(int32_t(std::clamp<int64_t>(int64_t(Value()) - increment_, INT32_MIN, INT32_MAX)));
}

bool TSpinEdit::IsValidChar(char32_t key) const {
    return editorEnabled_ && ((key >= '0' && key <= '9') || key == '+' || key == '-');
}

void TSpinEdit::DoExit() {
    TCustomEdit::DoExit();
    const int32_t value = Value();
    if (CheckValue(value) != value) SetValue(value);
}

void TSpinEdit::KeyDown(uint16_t& key, TShiftState shift) {
    if (key == VK_UP) {
        UpClick();
        key = 0;
    } else if (key == VK_DOWN) {
        DownClick();
        key = 0;
    }
    TCustomEdit::KeyDown(key, shift);
}

Rect TSpinEdit::ButtonRect(Arrow arrow) const {
    const Rect client = ClientRect();
    // Inside the sunken edge, on the right: the upper half goes up, the lower half down.
    const Rect column{client.Right - 2 - kButtonWidth, client.Top + 2, client.Right - 2, client.Bottom - 2};
    const int32_t middle = column.Top + column.height() / 2;
    if (arrow == Arrow::Up) return {column.Left, column.Top, column.Right, middle};
    if (arrow == Arrow::Down) return {column.Left, middle, column.Right, column.Bottom};
    return column;
}

TSpinEdit::Arrow TSpinEdit::ArrowAt(Point point) const {
    if (ButtonRect(Arrow::Up).contains(point)) return Arrow::Up;
    if (ButtonRect(Arrow::Down).contains(point)) return Arrow::Down;
    return Arrow::None;
}

Rect TSpinEdit::TextArea() const {
    Rect area = TCustomEdit::TextArea();
    area.Right = ButtonRect(Arrow::None).Left - 1;
    return area;
}

void TSpinEdit::Step(Arrow arrow) {
    if (arrow == Arrow::Up) UpClick();
    if (arrow == Arrow::Down) DownClick();
}

void TSpinEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const Arrow arrow = button == TMouseButton::mbLeft ? ArrowAt({x, y}) : Arrow::None;
    if (arrow == Arrow::None) {
        TCustomEdit::MouseDown(button, shift, x, y);
        return;
    }
    if (CanFocus() && !Focused()) SetFocus();
    pressed_ = arrow;
    Invalidate();
    Step(arrow);
    if (HandleAllocated()) SetTimer(Handle(), kRepeatTimer, kFirstRepeat);
}

void TSpinEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (pressed_ != Arrow::None && button == TMouseButton::mbLeft) StopRepeat();
    TCustomEdit::MouseUp(button, shift, x, y);
}

void TSpinEdit::StopRepeat() {
    if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
    pressed_ = Arrow::None;
    Invalidate();
}

void TSpinEdit::Dispatch(TMessage& message) {
    if (message.Msg == WM_TIMER && message.WParam == kRepeatTimer) {
        if (pressed_ == Arrow::None) {
            StopRepeat();
            return;
        }
        SetTimer(Handle(), kRepeatTimer, kNextRepeat);
        Step(pressed_);
        return;
    }
    if (message.Msg == WM_CAPTURECHANGED || message.Msg == WM_KILLFOCUS) {
        if (pressed_ != Arrow::None) StopRepeat();
    }
    TCustomEdit::Dispatch(message);
}

void TSpinEdit::Paint() {
    TCustomEdit::Paint();
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
        const Rect r = ButtonRect(arrow);
        DrawButtonFace(Canvas(), r, pressed_ == arrow, false);
        const Rect glyph = pressed_ == arrow ? r.offsetBy(1, 1) : r;
        DrawArrow(Canvas(), glyph, arrow == Arrow::Up ? ArrowDirection::Up : ArrowDirection::Down,
                  Enabled() ? clBlack : SystemColor(COLOR_GRAYTEXT));
    }
}

}  // namespace framework
